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

namespace {

// The exact name first, else the first of the sorted entries that equals it ignoring case.
QString matchEntry(const QStringList& entries, const QString& wanted) {
    if (entries.contains(wanted))
        return wanted;
    for (const QString& entry : entries) {
        if (entry.compare(wanted, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return QString();
}

// A word can name a file when it is not blank and holds no folder separator.
bool namesAFile(const QString& word) {
    return !word.trimmed().isEmpty() && !word.contains(QLatin1Char('/')) &&
           !word.contains(QChar(0));
}

} // namespace

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
    const QString entry = matchEntry(entries, wanted);
    if (entry.isEmpty())
        return QString();
    return directory.isEmpty() ? entry : joinPath(directory, entry);
}

QString findCellSound(const QString& picture, const QString& shownWord, const QString& ownSound) {
    if (!ownSound.isEmpty() && pathKind(ownSound) == PathKind::PlainFile)
        return ownSound;
    if (picture.isEmpty())
        return QString();
    if (const QString wave = findSoundFile(soundFilePath(picture)); !wave.isEmpty())
        return wave;

    const QString fileWord = MakeLabelText(picture);
    QStringList words;
    if (namesAFile(shownWord))
        words.append(shownWord);
    if (namesAFile(fileWord) && fileWord.compare(shownWord, Qt::CaseInsensitive) != 0)
        words.append(fileWord);
    if (words.isEmpty())
        return QString();
    const QString directory = directoryPart(picture);
    const QStringList entries =
        listDirectory(directory.isEmpty() ? QStringLiteral(".") : directory, EntryKind::PlainFile);
    for (const QString& word : words) {
        for (const char* extension : kSoundExtensions) {
            const QString entry =
                matchEntry(entries, word + QLatin1Char('.') + QLatin1String(extension));
            if (!entry.isEmpty())
                return directory.isEmpty() ? entry : joinPath(directory, entry);
        }
    }
    return QString();
}

} // namespace ferlo
