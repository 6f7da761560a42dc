#include "dialogs/DesignFont.h"

#include <QFontDatabase>
#include <QStringList>

namespace ferlo {

QFont designFont(int points, bool bold) {
    static const bool designFontPresent =
        QFontDatabase::families().contains(QStringLiteral("MS Sans Serif"));
    QFont font(designFontPresent ? QStringLiteral("MS Sans Serif") : QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(points);
    font.setBold(bold);
    return font;
}

} // namespace ferlo
