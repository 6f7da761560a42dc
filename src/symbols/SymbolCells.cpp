#include "symbols/SymbolCells.h"

#include "symbols/SymbolSet.h"

#include <QCoreApplication>
#include <QStringList>

namespace ferlo {

QString installedSymbolFile(const SymbolRef& symbol) {
    if (symbol.set != "openmoji")
        return {};
    return symbolFile(QString::fromStdString(symbol.hexcode).toUpper(), symbol.style);
}

QString symbolDisplayName(const SymbolRef& symbol) {
    const QString hexcode = QString::fromStdString(symbol.hexcode);
    const QString set = QString::fromStdString(symbol.set);
    return symbol.style == SymbolStyle::Line
               ? QCoreApplication::translate("Symbols", "%1 (%2, line art)").arg(hexcode, set)
               : QCoreApplication::translate("Symbols", "%1 (%2)").arg(hexcode, set);
}

QString missingSymbolsMessage(const QString& deckPath, const Deck& deck) {
    QStringList missing;
    for (size_t card = 0; card < deck.cards.size(); ++card) {
        for (const std::optional<DeckCell>& cell : deck.cards[card].cells) {
            if (cell && cell->symbol && installedSymbolFile(*cell->symbol).isEmpty())
                missing << QCoreApplication::translate("Symbols", "card %1: symbol %2")
                               .arg(card + 1)
                               .arg(symbolDisplayName(*cell->symbol));
        }
    }
    if (missing.isEmpty())
        return {};
    constexpr qsizetype kNamed = 5;
    QString list = missing.mid(0, kNamed).join(QStringLiteral("; "));
    if (missing.size() > kNamed)
        list +=
            QCoreApplication::translate("Symbols", "; and %1 more").arg(missing.size() - kNamed);
    const QString cause =
        symbolSetDir().isEmpty()
            ? QCoreApplication::translate("Symbols", "the OpenMoji symbol set is not installed")
            : QCoreApplication::translate("Symbols", "the installed symbol set does not hold them");
    return QCoreApplication::translate(
               "Symbols", "The deck file %1 names symbols that cannot be shown (%2): %3")
        .arg(deckPath, cause, list);
}

QString symbolSetCredit() {
    return QCoreApplication::translate(
        "Symbols", "Symbols: OpenMoji (openmoji.org), licensed under CC BY-SA 4.0 "
                   "(creativecommons.org/licenses/by-sa/4.0)");
}

} // namespace ferlo
