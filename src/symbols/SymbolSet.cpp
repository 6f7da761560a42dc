#include "symbols/SymbolSet.h"

#include "storage/Errors.h"
#include "storage/Registry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace ferlo {

namespace {

const QString settingsKey = QStringLiteral("\\Software\\Ferlo");
// "SymbolFolders" (DWORD, how many) and "SymbolFolder1" … (text, one folder each): the hive is
// a file of lines, so a folder name can't hold a line break.
const QString countName = QStringLiteral("SymbolFolders");
QString folderName(int i) {
    return QStringLiteral("SymbolFolder%1").arg(i + 1);
}
constexpr int mostFolders = 100;

QStringList symbolDirCandidates() {
    const QDir programDir(QCoreApplication::applicationDirPath());
    return {programDir.filePath(QStringLiteral("symbols")),
            QDir::cleanPath(programDir.filePath(QStringLiteral("../share/ferlo/symbols")))};
}

} // namespace

QString symbolSetDir() {
    for (const QString& dir : symbolDirCandidates())
        if (QFileInfo(dir + QStringLiteral("/openmoji/color")).isDir())
            return dir + QStringLiteral("/openmoji");
    return {};
}

QString symbolIndexFile() {
    for (const QString& dir : symbolDirCandidates())
        if (QFileInfo(dir + QStringLiteral("/openmoji.index")).isFile())
            return dir + QStringLiteral("/openmoji.index");
    return {};
}

QString symbolFileIn(const QString& setDir, const QString& hexcode, SymbolStyle style) {
    static const QRegularExpression form(QStringLiteral("^[0-9A-F]{2,6}(-[0-9A-F]{2,6}){0,15}$"));
    if (setDir.isEmpty() || !form.match(hexcode).hasMatch())
        return {};
    const QString file =
        QStringLiteral("%1/%2/%3.svg")
            .arg(setDir,
                 style == SymbolStyle::Line ? QStringLiteral("black") : QStringLiteral("color"),
                 hexcode);
    return QFileInfo(file).isFile() ? file : QString();
}

QString symbolFile(const QString& hexcode, SymbolStyle style) {
    return symbolFileIn(symbolSetDir(), hexcode, style);
}

QStringList readSymbolFolders() {
    TRegistry registry;
    registry.setRootKey(HKEY_LOCAL_MACHINE);
    if (!registry.OpenKey(settingsKey, false) || !registry.ValueExists(countName))
        return {};
    QStringList folders;
    try {
        const int count = std::clamp(registry.ReadInteger(countName), 0, mostFolders);
        for (int i = 0; i < count; ++i) {
            if (!registry.ValueExists(folderName(i)))
                continue;
            const QString folder = registry.ReadString(folderName(i));
            if (!folder.isEmpty() && !folders.contains(folder))
                folders << folder;
        }
    } catch (const ERegistryException&) {
    }
    return folders;
}

void saveSymbolFolders(const QStringList& folders) {
    if (folders.size() > mostFolders)
        throw Error(
            QCoreApplication::translate("Settings", "At most %1 symbol folders can be stored.")
                .arg(mostFolders));
    for (const QString& folder : folders)
        if (folder.contains(QLatin1Char('\n')) || folder.contains(QLatin1Char('\r')))
            throw Error(QCoreApplication::translate(
                            "Settings",
                            "The symbol folder %1 can't be stored: its name holds a line break.")
                            .arg(folder));
    TRegistry registry;
    registry.setRootKey(HKEY_LOCAL_MACHINE);
    if (!registry.OpenKey(settingsKey, true))
        throw ERegistryException(
            QCoreApplication::translate("Settings", "The symbol folders could not be saved to %1")
                .arg(registry.LastError()),
            registry.LastError());
    registry.WriteInteger(countName, int(folders.size()));
    for (int i = 0; i < folders.size(); ++i)
        registry.WriteString(folderName(i), folders[i]);
}

} // namespace ferlo
