#include "symbols/SymbolIndex.h"

#include <QCoreApplication>
#include <QLocale>

namespace ferlo {

namespace {
void printLine(std::FILE* to, const QString& line) {
    std::fputs((line + QLatin1Char('\n')).toLocal8Bit().constData(), to);
}
} // namespace

int printSymbolList(const QString& word, const QString& language, const SymbolIndex& index,
                    std::FILE* out, std::FILE* errors) {
    const QString shown = language.isEmpty() ? QLocale().name() : language;
    if (!index.available())
        printLine(errors, QStringLiteral("ferlo: ") + index.missingReason());
    const QVector<SymbolMatch> matches = index.search(word, shown, 100000);
    for (const SymbolMatch& match : matches)
        printLine(
            out, QStringList{match.kind == SymbolMatch::Kind::UserFile ? match.file : match.hexcode,
                             match.name, match.keywords.join(QStringLiteral(", "))}
                     .join(QLatin1Char('\t')));
    std::fflush(out);
    if (matches.isEmpty() && index.available())
        printLine(
            errors,
            QStringLiteral("ferlo: ") +
                QCoreApplication::translate("Symbols", "no symbol found for \"%1\"").arg(word));
    return matches.isEmpty() || !index.available() ? 1 : 0;
}

} // namespace ferlo
