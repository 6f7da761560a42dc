#include "FuzzChecks.h"

// The bounded SVG reader and drawer on hostile drawings (a user's own symbol folders): never a
// crash, a hang or a read outside the file; every refusal names the file.
void ferlo::fuzz::fuzzOne(const QByteArray& bytes, const QString& scratch) {
    checkSvg(bytes, scratch);
}
