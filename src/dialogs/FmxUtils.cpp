#include "dialogs/FmxUtils.h"

#include "dialogs/ScreenFit.h"
#include "storage/Paths.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QUrl>
#include <QVBoxLayout>

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

// The help file as plain text in a window of its own, which the user reads beside the program
// and closes. A file that cannot be read shows as empty.
void showTextFile(QWidget* parent, const QString& path) {
    auto* window = new QDialog(parent);
    window->setObjectName(QStringLiteral("helpText"));
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(fileNamePart(path));
    auto* layout = new QVBoxLayout(window);
    auto* text = new QPlainTextEdit(window);
    text->setReadOnly(true);
    text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        text->setPlainText(QString::fromUtf8(file.readAll()));
    layout->addWidget(text);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, window);
    QObject::connect(buttons, &QDialogButtonBox::rejected, window, &QDialog::reject);
    layout->addWidget(buttons);
    window->resize(sizeInRoom(QSize(680, 600), availableRoom(parent)));
    window->show();
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

void openHelpFile(QWidget* parent) {
    const QString path = helpFilePath();
    if (!QFileInfo(path).isFile())
        return;
    if (LaunchFile(path, QString(), QString(), 1) <= 32)
        showTextFile(parent, path);
}

} // namespace ferlo
