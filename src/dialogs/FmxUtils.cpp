#include "dialogs/FmxUtils.h"

#include "dialogs/HelpWindow.h"
#include "dialogs/Messages.h"
#include "storage/NativePath.h"
#include "storage/Paths.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QUrl>

#include <functional>

namespace ferlo {

namespace {

constexpr int kShellSuccess = 42;
constexpr int kShellFileNotFound = 2;

// An address carries a scheme of at least two letters ("http:", "mailto:"); a local path never
// does on this platform (no drive letters), and one that starts with a separator never can.
bool isAddress(const QString& text) {
    if (text.startsWith(QLatin1Char('/')))
        return false;
    const QUrl url(text, QUrl::StrictMode);
    return url.isValid() && url.scheme().size() >= 2;
}

} // namespace

int LaunchFile(const QString& fileName, const QString& parameters, const QString& defaultDir,
               int showCommand) {
    Q_UNUSED(parameters);
    Q_UNUSED(showCommand);
    if (fileName.isEmpty())
        return kShellFileNotFound;

    QUrl url;
    if (isAddress(fileName)) {
        url = QUrl(fileName, QUrl::StrictMode);
    } else {
        QString path = fileName;
        if (QFileInfo(path).isRelative() && !defaultDir.isEmpty())
            path = QDir(defaultDir).filePath(path);
        url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    }
    return QDesktopServices::openUrl(url) ? kShellSuccess : kShellFileNotFound;
}

QString helpFilePath(const QLocale& language) {
    const QString programDir = directoryPart(QCoreApplication::applicationFilePath());
    const QString beside = joinPath(programDir, QStringLiteral("README.TXT"));
    QStringList names;
    if (language.language() != QLocale::C && language.language() != QLocale::English)
        names << QStringLiteral("README.%1.TXT").arg(QLocale::languageToCode(language.language()));
    names << QStringLiteral("README.TXT");
    for (const QString& name : names) {
        // Installed as bin/ferlo, the help files are documents of the package.
        for (const QString& path :
             {joinPath(programDir, name),
              QDir::cleanPath(
                  joinPath(programDir, QStringLiteral("../share/doc/ferlo/") + name))}) {
            if (QFileInfo(path).isFile())
                return path;
        }
    }
    return beside;
}

namespace {

// Starts the desktop's opener on the guide; showHere shows it in the program's own window,
// with the cause, when the opener fails.
QProcess* startOpener(const QString& opener, const QString& path,
                      const std::function<void(const QString&)>& showHere) {
    // The opener may run as long as the program it opens the guide in (a terminal's pager), and
    // goes on when Ferlo quits: it belongs to no window, and it is deleted once it has ended.
    auto* process = new QProcess;
    process->setProgram(opener);
    process->setArguments({path});
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    // What it says on failure ("x-terminal-emulator: not found") is the cause the window names;
    // a file, not a pipe, so that a program it starts never writes into a closed pipe.
    auto* errors = new QTemporaryFile(process);
    if (errors->open())
        process->setStandardErrorFile(errors->fileName());
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process, showHere](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart)
                             return;
                         showHere(process->errorString());
                         process->deleteLater();
                     });
    QObject::connect(
        process, &QProcess::finished, process,
        [process, errors, showHere](int status, QProcess::ExitStatus exit) {
            process->deleteLater();
            if (exit == QProcess::NormalExit && status == 0)
                return;
            errors->seek(0);
            const QStringList said = QString::fromLocal8Bit(errors->readAll())
                                         .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            const QString program = fileNamePart(process->program());
            if (exit != QProcess::NormalExit)
                showHere(HelpWindow::tr("%1 stopped").arg(program));
            else if (!said.isEmpty())
                showHere(said.back().trimmed());
            else
                showHere(HelpWindow::tr("%1 ended with status %2").arg(program).arg(status));
        });
    process->start();
    return process;
}

} // namespace

QProcess* openHelpFile(QWidget* parent) {
    const QString path = helpFilePath();
    if (!QFileInfo(path).isFile()) {
        showError(parent, HelpWindow::tr("The user's guide %1 is missing: Ferlo is not "
                                         "installed whole.")
                              .arg(displayName(path)));
        return nullptr;
    }
    // A window closed meanwhile gets no guide of its own.
    const QPointer<QWidget> owner(parent);
    const bool owned = parent != nullptr;
    const auto showHere = [owner, owned, path](const QString& cause) {
        if (owner || !owned)
            HelpWindow::showGuide(
                path,
                // The cause, often a path and an English message, reads in its own direction
                // inside a sentence of the other (an embedding: labels know no isolates).
                HelpWindow::tr("The desktop could not open the guide (%1), so it is shown here.")
                    .arg(QChar(cause.isRightToLeft() ? 0x202B : 0x202A) + cause + QChar(0x202C)),
                owner);
    };
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) {
        showHere(HelpWindow::tr("no program that opens files was found"));
        return nullptr;
    }
    return startOpener(opener, path, showHere);
}

} // namespace ferlo
