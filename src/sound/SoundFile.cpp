#include "sound/SoundFile.h"

#include "storage/NativePath.h"
#include "storage/Paths.h"

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
    if (pathKind(soundPath) == PathKind::PlainFile)
        return soundPath;

    const QString directory = directoryPart(soundPath);
    const QString wanted = fileNamePart(soundPath);
    if (wanted.isEmpty())
        return QString();
    // Sorted by name, so that among several case variants (Cat.wav, cat.wav) the same one is
    // always chosen.
    const QStringList entries =
        listDirectory(directory.isEmpty() ? QStringLiteral(".") : directory, EntryKind::PlainFile);
    for (const QString& entry : entries) {
        if (entry.compare(wanted, Qt::CaseInsensitive) == 0)
            return directory.isEmpty() ? entry : joinPath(directory, entry);
    }
    return QString();
}

} // namespace ferlo
