#include "symbols/SymbolText.h"

#include <QHash>

#include <algorithm>

namespace ferlo {

QString foldForSearch(QStringView word) {
    const QString decomposed = word.toString().normalized(QString::NormalizationForm_KD);
    QString folded;
    folded.reserve(decomposed.size());
    bool space = true; // drops leading spaces
    for (const QChar c : decomposed) {
        const QChar::Category category = c.category();
        // Spacing marks stay: in the Indic scripts they are vowels, not accents.
        if (category == QChar::Mark_NonSpacing || category == QChar::Mark_Enclosing ||
            c == QChar(0x0640) /* tatweel */ || c == QChar(0x200C) || c == QChar(0x200D) ||
            c == QChar(0xFE0E) || c == QChar(0xFE0F))
            continue;
        if (c.isSpace()) {
            if (!space)
                folded += QLatin1Char(' ');
            space = true;
            continue;
        }
        space = false;
        switch (c.unicode()) {
        case 0x0649: // alef maksura
            folded += QChar(0x064A);
            break;
        case 0x0629: // teh marbuta
            folded += QChar(0x0647);
            break;
        case 0x0671: // alef wasla
            folded += QChar(0x0627);
            break;
        case 0x00DF: // sharp s, as case folding writes it in full
        case 0x1E9E:
            folded += QLatin1String("ss");
            break;
        case 0x2019: // right single quotation mark, as in "o’clock"
            folded += QLatin1Char('\'');
            break;
        default:
            folded += c;
        }
    }
    if (folded.endsWith(QLatin1Char(' ')))
        folded.chop(1);
    return folded.toCaseFolded();
}

QStringList searchWords(QStringView folded) {
    QStringList words;
    QString word;
    const auto flush = [&] {
        if (!word.isEmpty())
            words << word;
        word.clear();
    };
    for (qsizetype i = 0; i < folded.size(); ++i) {
        const QChar c = folded[i];
        if (c.isLetterOrNumber() || c.isMark() || c.isSurrogate())
            word += c;
        else
            flush();
    }
    flush();
    return words;
}

QString hexcodeOf(QStringView text) {
    QStringList parts;
    for (const char32_t codePoint : text.toUcs4())
        parts << QString::number(uint(codePoint), 16).toUpper().rightJustified(4, QLatin1Char('0'));
    return parts.join(QLatin1Char('-'));
}

QString plainHexcode(QStringView hexcode) {
    QStringList parts;
    for (const QStringView part : hexcode.split(QLatin1Char('-')))
        if (part != u"FE0F" && part != u"FE0E")
            parts << part.toString();
    return parts.join(QLatin1Char('-'));
}

QString variantBaseStep(QStringView hexcode) {
    QStringList parts;
    for (const QStringView part : hexcode.split(QLatin1Char('-')))
        parts << part.toString();
    // A skin tone (the five Fitzpatrick modifiers).
    QStringList toneless;
    for (const QString& part : parts)
        if (!(part.size() == 5 && part.startsWith(QLatin1String("1F3F")) &&
              part.at(4) >= QLatin1Char('B') && part.at(4) <= QLatin1Char('F')))
            toneless << part;
    if (toneless.size() != parts.size() && !toneless.isEmpty())
        return toneless.join(QLatin1Char('-'));
    // A gender sign joined on: "… 200D 2640|2642 [FE0F]".
    for (qsizetype i = 1; i + 1 < parts.size(); ++i)
        if (parts[i] == QLatin1String("200D") &&
            (parts[i + 1] == QLatin1String("2640") || parts[i + 1] == QLatin1String("2642"))) {
            QStringList rest = parts.mid(0, i);
            qsizetype after = i + 2;
            if (after < parts.size() && parts[after] == QLatin1String("FE0F"))
                ++after;
            rest << parts.mid(after);
            return rest.join(QLatin1Char('-'));
        }
    // A man or a woman doing something: "1F468|1F469 200D …" → the person "1F9D1 200D …".
    if (parts.size() >= 3 && parts[1] == QLatin1String("200D") &&
        (parts[0] == QLatin1String("1F468") || parts[0] == QLatin1String("1F469"))) {
        parts[0] = QStringLiteral("1F9D1");
        return parts.join(QLatin1Char('-'));
    }
    return {};
}

// The plural and other common endings of a language's nouns: a term that is the word with one
// of them ("Socke" → "Socken", "sock" → "socks") is as good as a keyword. Arabic forms its
// plurals inside the word: none.
bool isInflection(const QString& language, QByteArrayView ending) {
    static const QHash<QString, QList<QByteArray>> endings{
        {QStringLiteral("en"), {"s", "es"}},
        {QStringLiteral("de"), {"e", "n", "en", "s", "er", "es", "se"}},
        {QStringLiteral("fr"), {"s", "x", "e", "es"}},
        {QStringLiteral("es"), {"s", "es"}},
    };
    const auto found = endings.constFind(language);
    return found != endings.constEnd() &&
           std::any_of(found->begin(), found->end(),
                       [&](const QByteArray& e) { return ending == QByteArrayView(e); });
}

QStringList wordStems(const QString& language, const QString& word) {
    static const QHash<QString, QStringList> endings{
        {QStringLiteral("en"), {"s", "es"}},
        {QStringLiteral("de"), {"e", "n", "en", "s", "er", "es"}},
        {QStringLiteral("fr"), {"s", "x", "e", "es"}},
        {QStringLiteral("es"), {"s", "es"}},
        {QStringLiteral("ar"), {QStringLiteral("ه")}},
    };
    QStringList found;
    for (const QString& ending : endings.value(language))
        if (word.size() - ending.size() >= 3 && word.endsWith(ending))
            found << word.chopped(ending.size());
    if (language == QLatin1String("ar") && word.size() >= 5 &&
        word.startsWith(QStringLiteral("ال"))) {
        found << word.mid(2);
        if (word.endsWith(QStringLiteral("ه")))
            found << word.mid(2).chopped(1);
    }
    return found;
}

} // namespace ferlo
