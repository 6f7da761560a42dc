#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace ferlo {

// The form in which words are compared when symbols are searched: case folded, accents and other
// combining marks dropped ("Élève" and "eleve" meet), Arabic short vowels and tatweel dropped
// and the letters written one way or another brought to one ("أ" "إ" "آ" → "ا", "ى" → "ي",
// "ة" → "ه"), runs of spaces made one. The index is built with the same function.
QString foldForSearch(QStringView word);

// The words of a folded name or keyword ("hot dog" → "hot", "dog"), split at what is neither a
// letter, a mark nor a digit.
QStringList searchWords(QStringView folded);

// "🐕" → "1F415"; a sequence joins its code points with '-' ("1F3C3-200D-2642-FE0F").
QString hexcodeOf(QStringView text);

// The hexcode without variation selectors (FE0E, FE0F), as the Unicode names list writes most
// sequences: "2639-FE0F" → "2639".
QString plainHexcode(QStringView hexcode);

// The symbol a skin-tone or gender variant folds under, one step: the skin tone dropped
// ("1F3C3-1F3FD" → "1F3C3"), the gender sign dropped ("1F3C3-200D-2642-FE0F" → "1F3C3"), or
// "man"/"woman" made "person" ("1F468-200D-1F4BB" → "1F9D1-200D-1F4BB"). Empty when the
// hexcode names no variant.
QString variantBaseStep(QStringView hexcode);

// The plural and other common endings of a language's nouns: a term that is the word with one
// of them ("Socke" → "Socken", "sock" → "socks") is as good as a keyword. Arabic forms its
// plurals inside the word: none.
bool isInflection(const QString& language, QByteArrayView ending);

// The word without a plural or other common ending of the language (the endings above, when
// at least three letters are left), and in Arabic without the article (ال) or the feminine
// ending (ة, folded to ه) that the names often leave out.
QStringList wordStems(const QString& language, const QString& word);

} // namespace ferlo
