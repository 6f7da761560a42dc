#include "dialogs/FmxUtils.h"

#include "storage/Paths.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

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

QString helpFilePath() {
    const QString programDir = directoryPart(QCoreApplication::applicationFilePath());
    const QString beside = joinPath(programDir, QStringLiteral("README.TXT"));
    if (QFileInfo(beside).isFile())
        return beside;
    // Installed as bin/ferlo, the help file is one of the package's documents.
    const QString installed =
        QDir::cleanPath(joinPath(programDir, QStringLiteral("../share/doc/ferlo/README.TXT")));
    return QFileInfo(installed).isFile() ? installed : beside;
}

void openHelpFile() {
    const QString path = helpFilePath();
    if (!QFileInfo(path).isFile())
        return;
    LaunchFile(path, QString(), QString(), 1);
}

} // namespace ferlo
