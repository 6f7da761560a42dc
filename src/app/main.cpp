#include "app/CommandLine.h"
#include "app/Languages.h"
#include "dialogs/AboutBox.h"
#include "dialogs/ButtonStyle.h"
#include "dialogs/Messages.h"
#include "dialogs/Options.h"
#include "mainwindow/FerloMainForm.h"
#include "storage/NativePath.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QStyle>

#include <cstdio>
#include <cstdlib>
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

// A run that opens no window: an export, or a bad command line told before any window would
// open. It needs no display.
void runWithoutWindow() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The export says in one line what went wrong; the toolkit's notes about the session
    // (a missing runtime folder, fonts) would only bury it.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString&) {
        if (type == QtFatalMsg)
            std::abort();
    });
}

// The application's style, fonts, names and icon.
void setUpApplication() {
    // The platform's style, with buttons whose icon and text keep their places right to left.
    QApplication::setStyle(new ferlo::ButtonStyle(QApplication::style()->name()));
    // Captions designed for "MS Sans Serif" fit in Liberation Sans, the sans-serif with the
    // closest widths that the setup installs.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    QApplication::setApplicationName(QStringLiteral("Ferlo"));
    QApplication::setApplicationDisplayName(QStringLiteral("Ferlo"));
    QApplication::setApplicationVersion(QStringLiteral(FERLO_VERSION));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/ferlo.png")));
}

} // namespace

int main(int argc, char* argv[]) {
#ifdef __GLIBC__
    // Picture buffers of a megabyte or more come from the system and go back as soon as they
    // are freed; otherwise a document of many pages keeps far more memory than one page needs.
    mallopt(M_MMAP_THRESHOLD, 1024 * 1024);
#endif
    // The arguments keep the file system's own bytes, so that every picture name opens.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << ferlo::decodePath(QByteArray(argv[i]));
    const bool commandLine = ferlo::isCommandLineExport(arguments);
    // `ferlo [options] PICTURE...` opens the window with those pictures on a card of the options'
    // layout; a bad command line is told, in the user's language, before any window opens.
    ferlo::WindowStart start;
    QString startError;
    const bool badStart = !commandLine && !ferlo::readWindowStart(arguments, start, startError);
    if (commandLine || badStart)
        runWithoutWindow();
    // The window and its fonts are designed at 96 pixels per inch, with no font scaling.
    if (qEnvironmentVariableIsEmpty("QT_FONT_DPI"))
        qputenv("QT_FONT_DPI", "96");

    QApplication app(argc, argv);
    setUpApplication();
    // The texts in the system's language, or the one --lang or FERLO_LANG asks for.
    const QString language = ferlo::requestedLanguage(arguments);
    if (ferlo::installTranslations(language).unknown)
        std::fprintf(stderr,
                     "ferlo: no translation for the language \"%s\"; the texts are in English\n",
                     language.toLocal8Bit().constData());
    if (badStart) {
        ferlo::readWindowStart(arguments, start, startError); // again, now translated
        std::fprintf(stderr, "ferlo: %s\n", startError.toLocal8Bit().constData());
        return 2;
    }

    if (commandLine)
        return ferlo::runCommandLineExport(arguments);

    ferlo::TFerloMainForm mainForm;
    ferlo::TAboutBox aboutBox(&mainForm);
    ferlo::TdlgOptions options(&mainForm);
    mainForm.setDialogs(&aboutBox, &options);
    if (!mainForm.terminateRequested()) {
        ferlo::runGuarded(&mainForm, [&] { ferlo::applyWindowStart(mainForm, start); });
        const QStringList files = start.files;
        mainForm.show();
        // The window shows first; then it offers what a crash left unsaved, and the pictures
        // are placed, once the message loop runs.
        QMetaObject::invokeMethod(
            &mainForm,
            [&mainForm, files] {
                mainForm.resumeWork(files.isEmpty());
                if (!files.isEmpty())
                    ferlo::runGuarded(&mainForm, [&] { mainForm.openFiles(files); });
            },
            Qt::QueuedConnection);
    }
    return app.exec();
}
