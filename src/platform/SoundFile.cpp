#include "platform/SoundFile.h"

#include "platform/Paths.h"

#include <QDir>
#include <QFileInfo>

namespace ferlo {

QString soundFilePath(const QString& pictureFileName) {
    const QString name = MakeLabelText(pictureFileName) + QStringLiteral(".WAV");
    const QString directory = directoryPart(pictureFileName);
    // A bare file name has no directory to join: the sound lies beside it, in the same place.
    if (directory.isEmpty())
        return name;
    return joinPath(directory, name);
}

QString findSoundFile(const QString& soundPath) {
    if (soundPath.isEmpty())
        return QString();
    const QFileInfo exact(soundPath);
    if (exact.isFile())
        return soundPath;

    const QString directory = directoryPart(soundPath);
    const QString wanted = fileNamePart(soundPath);
    if (wanted.isEmpty())
        return QString();
    QDir dir(directory.isEmpty() ? QStringLiteral(".") : directory);
    // Sorted by name, so that among several case variants (Cat.wav, cat.wav) the same one is
    // always chosen.
    const QStringList entries =
        dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString& entry : entries) {
        if (entry.compare(wanted, Qt::CaseInsensitive) == 0)
            return directory.isEmpty() ? entry : joinPath(directory, entry);
    }
    return QString();
}

} // namespace ferlo
