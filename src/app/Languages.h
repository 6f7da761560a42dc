#pragma once

#include <QString>
#include <QStringList>

namespace ferlo {

// The language asked for on the command line (--lang CODE or --lang=CODE, before any "--"), else
// by the FERLO_LANG environment variable; empty when neither asks, and the system's languages
// then choose.
QString requestedLanguage(const QStringList& arguments);

// Where the program's translations (ferlo_<language>.qm) are looked for, in this order: the
// folder translations beside the executable (the build tree), then share/ferlo/translations of
// the prefix the executable is installed in.
QStringList translationFolders();

struct LanguageChoice {
    QString language;     // the language of the texts shown: "de", "ar", ...; "en" for English
    bool unknown = false; // a language was asked for that has no translation: English is shown
};

// Shows the program's texts and Qt's own (dialog buttons, the file dialog) in `requested` (a code
// such as "fr" or "de_AT"), or when it is empty in the first of the system's languages that has
// a translation, with the program's translation from the first of `folders` that holds it and
// Qt's from its translations folder. English needs none. Replaces the translations an earlier
// call installed.
// The default locale (QLocale()) becomes the language shown.
// The window reads from right to left exactly when the language shown is written so, even when
// Qt's own translation is missing.
LanguageChoice installTranslations(const QString& requested,
                                   const QStringList& folders = translationFolders());

} // namespace ferlo
