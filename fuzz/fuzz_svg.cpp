#include "FuzzChecks.h"

#include <QLoggingCategory>

// The bounded SVG reader and drawer on hostile drawings (a user's own symbol folders): never a
// crash, a hang or a read outside the file; every refusal names the file.
void ferlo::fuzz::fuzzOne(const QByteArray& bytes, const QString& scratch) {
    // Qt's SVG reader warns about every odd element; on thousands of inputs a second that would
    // be most of the time.
    static const bool quiet = [] {
        QLoggingCategory::setFilterRules(QStringLiteral("qt.svg*=false"));
        return true;
    }();
    (void)quiet;
    checkSvg(bytes, scratch);
}
