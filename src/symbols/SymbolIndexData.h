#pragma once

#include "symbols/SymbolIndex.h"
#include "symbols/SymbolIndexFormat.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

// A read symbol index in memory, shared by its reading (SymbolIndex.cpp) and its search
// (SymbolSearch.cpp). Every text is a view into the file's bytes, checked when it was read.

namespace ferlo {

namespace symbolindex {

struct Text {
    quint32 offset = 0;
    quint32 size = 0;
};
struct Symbol {
    Text hexcode;
    quint32 base = noSymbol;
};
struct Named {
    Text name;
    quint32 keywordFirst = 0;
    quint32 keywordCount = 0;
};
struct Term {
    Text text;
    quint32 symbol = 0;
    quint32 kind = 0;
};
struct Language {
    QString code;
    std::vector<Named> names; // by symbol
    std::vector<Text> keywords;
    std::vector<Term> terms;
};

} // namespace symbolindex

struct SymbolIndex::Data {
    using Text = symbolindex::Text;
    using Language = symbolindex::Language;

    QByteArray bytes;
    qsizetype poolStart = 0;
    std::vector<symbolindex::Symbol> symbols;
    std::vector<Language> languages;
    int ownSymbols = 0;
    QHash<QByteArray, quint32> byHexcode;

    QByteArrayView view(Text t) const {
        return QByteArrayView(bytes).sliced(poolStart + t.offset, t.size);
    }
    QString string(Text t) const { return QString::fromUtf8(view(t)); }
    const Language* language(const QString& tag) const {
        const QString code =
            tag.section(QLatin1Char('_'), 0, 0).section(QLatin1Char('-'), 0, 0).toLower();
        for (const Language& language : languages)
            if (language.code == code)
                return &language;
        return nullptr;
    }
    QString nameIn(const Language* language, quint32 symbol) const {
        if (language && language->names[symbol].name.size > 0)
            return string(language->names[symbol].name);
        return string(languages.front().names[symbol].name);
    }
    QStringList keywordsIn(const Language* language, quint32 symbol) const {
        QStringList words;
        for (const Language* l : {language, &languages.front()}) {
            if (!l)
                continue;
            const symbolindex::Named& named = l->names[symbol];
            for (quint32 i = 0; i < named.keywordCount; ++i)
                words << string(l->keywords[named.keywordFirst + i]);
            if (!words.isEmpty())
                break;
        }
        return words;
    }
};

} // namespace ferlo
