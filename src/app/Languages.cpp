#include "app/Languages.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace ferlo {

namespace {

// The translators installed by installTranslations, owned by the application, found again by
// this name when the language changes.
const char* const translatorName = "ferlo-translation";

// English is the program's own language; "C" and "POSIX" ask for no translation either. Any other
// code that QLocale does not know gives it the C locale, and is no language of ours.
bool isEnglish(const QString& code) {
    return QLocale(code).language() == QLocale::English || code == QLatin1String("C") ||
           code == QLatin1String("POSIX");
}

// Loads `name`_<language>.qm for the first of the locale's languages found in one of the folders.
QTranslator* loadTranslator(const QLocale& locale, const QString& name,
                            const QStringList& folders) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    translator->setObjectName(QLatin1String(translatorName));
    for (const QString& folder : folders) {
        if (translator->load(locale, name, QStringLiteral("_"), folder))
            return translator;
    }
    delete translator;
    return nullptr;
}

} // namespace

QString requestedLanguage(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == QLatin1String("--"))
            break;
        if (argument == QLatin1String("--lang") && i + 1 < arguments.size())
            return arguments.at(i + 1);
        if (argument.startsWith(QLatin1String("--lang=")))
            return argument.mid(7);
    }
    return qEnvironmentVariable("FERLO_LANG");
}

QStringList translationFolders() {
    const QDir programDir(QCoreApplication::applicationDirPath());
    return {programDir.filePath(QStringLiteral("translations")),
            QDir::cleanPath(programDir.filePath(QStringLiteral("../share/ferlo/translations")))};
}

LanguageChoice installTranslations(const QString& requested, const QStringList& folders) {
    QCoreApplication* app = QCoreApplication::instance();
    for (QTranslator* old : app->findChildren<QTranslator*>(QLatin1String(translatorName),
                                                            Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    const QString code = requested.trimmed();
    // A locale made from the code alone, so that "de" asks for German whatever the system's
    // country; the system's locale tries each of the user's languages in turn.
    const QLocale locale = code.isEmpty() ? QLocale::system() : QLocale(code);
    LanguageChoice choice;
    choice.language = QStringLiteral("en");
    if (QTranslator* ours = loadTranslator(locale, QStringLiteral("ferlo"), folders)) {
        QCoreApplication::installTranslator(ours);
        choice.language = ours->language();
        // Qt's own texts in the same language as the program's, when Qt has them.
        if (QTranslator* qts = loadTranslator(QLocale(choice.language), QStringLiteral("qtbase"),
                                              {QLibraryInfo::path(QLibraryInfo::TranslationsPath)}))
            QCoreApplication::installTranslator(qts);
    } else {
        choice.unknown = !code.isEmpty() && !isEnglish(code);
    }
    // The default locale is the language shown, so that what follows it (the help's copy, the
    // voice of a word without a recording, numbers in the dialogs) agrees with the texts; the
    // system's own locale is kept when it is of that language, with its country's formats.
    const QLocale shown(choice.language);
    QLocale::setDefault(QLocale::system().language() == shown.language() ? QLocale::system()
                                                                         : shown);
    // Qt mirrors the window when its own translation says so; the language decides it here, so
    // that it holds without Qt's translation too.
    if (qobject_cast<QGuiApplication*>(app))
        QGuiApplication::setLayoutDirection(QLocale(choice.language).textDirection());
    return choice;
}

} // namespace ferlo
