#include "dialogs/AboutBox.h"
#include "mainwindow/FerloMainForm.h"
#include "printing/CommandLine.h"
#include "printing/Options.h"

#include <QApplication>
#include <QFont>

int main(int argc, char* argv[]) {
    const bool commandLine = ferlo::isCommandLineExport(argc, argv);
    if (commandLine && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen"); // the export needs no display
    // The window and its fonts are designed at 96 pixels per inch, with no font scaling.
    if (qEnvironmentVariableIsEmpty("QT_FONT_DPI"))
        qputenv("QT_FONT_DPI", "96");

    QApplication app(argc, argv);
    // Captions designed for "MS Sans Serif" fit in Liberation Sans, the sans-serif with the
    // closest widths that the setup installs.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    QApplication::setApplicationName(QStringLiteral("Ferlo"));
    QApplication::setApplicationDisplayName(QStringLiteral("Ferlo"));
    QApplication::setApplicationVersion(QStringLiteral(FERLO_VERSION));

    if (commandLine)
        return ferlo::runCommandLineExport(QApplication::arguments());

    ferlo::TFerloMainForm mainForm;
    ferlo::TAboutBox aboutBox(&mainForm);
    ferlo::TdlgOptions options(&mainForm);
    mainForm.setDialogs(&aboutBox, &options);
    if (!mainForm.terminateRequested())
        mainForm.show();
    return app.exec();
}
