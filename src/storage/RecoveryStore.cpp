#include "storage/RecoveryStore.h"

#include "storage/DeckFile.h"
#include "storage/Errors.h"
#include "storage/NativePath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>

#include <algorithm>

namespace ferlo {

namespace {

const QLatin1String kRecoveryKey("recovery");
const QLatin1String kDeckFileKey("deckFile");
const QLatin1String kChangedKey("changed");
// A copy is a deck: no larger than the deck reader takes.
constexpr qint64 kMostCopyBytes = 16 * 1024 * 1024;

Error copyError(const QString& file, const QString& cause) {
    return Error(QCoreApplication::translate("Recovery", "The recovery copy %1 cannot be read: %2")
                     .arg(file, cause));
}

QByteArray readWhole(const QString& file) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        throw copyError(file, in.errorString());
    const QByteArray bytes = in.read(kMostCopyBytes + 1);
    if (bytes.size() > kMostCopyBytes)
        throw copyError(
            file, QCoreApplication::translate("Recovery", "the file is larger than any deck"));
    return bytes;
}

// A lock held by this process on the copy, or none when the folder cannot hold one. False when
// a running process owns the copy.
bool claim(const QString& file, std::shared_ptr<QLockFile>& lock) {
    lock = std::make_shared<QLockFile>(file + QLatin1String(".lock"));
    // A copy stays its owner's however long it runs: only a dead owner's lock is stale.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0))
        return true;
    if (lock->error() == QLockFile::LockFailedError)
        return false;
    lock.reset();
    return true;
}

// Renames an unreadable copy aside, never over another file.
SetAsideCopy setAside(const QString& file, const QString& cause) {
    SetAsideCopy aside{file, QString(), cause};
    for (int n = 1; n <= 100 && aside.movedTo.isEmpty(); ++n) {
        const QString target = file + QLatin1String(".unreadable") +
                               (n == 1 ? QString() : QStringLiteral("-%1").arg(n));
        if (!QFile::exists(target) && QFile::rename(file, target))
            aside.movedTo = target;
        else if (!QFile::exists(file))
            break;
    }
    return aside;
}

// Lock files of owners that have ended, left without their copy.
void removeLeftLocks(const QDir& folder) {
    for (const QString& name :
         folder.entryList({QStringLiteral("*.ferlo.lock")}, QDir::Files | QDir::Hidden)) {
        const QString copy = folder.filePath(name.chopped(5));
        if (QFile::exists(copy))
            continue;
        QLockFile lock(folder.filePath(name.chopped(5)) + QLatin1String(".lock"));
        lock.setStaleLockTime(0);
        if (lock.tryLock(0) && !QFile::exists(copy))
            lock.unlock(); // removes the file
    }
}

} // namespace

QString recoveryDirectory() {
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    // The XDG base directory rules ignore a relative XDG_STATE_HOME.
    if (state.isEmpty() || QDir::isRelativePath(state))
        state = QDir::homePath() + QLatin1String("/.local/state");
    return QDir::cleanPath(state + QLatin1String("/ferlo/recovery"));
}

QByteArray recoveryCopyBytes(const Deck& deck, const QString& deckPath, const QDateTime& changed,
                             const QString& copyFile) {
    QJsonObject top = QJsonDocument::fromJson(deckJson(deck, copyFile)).object();
    QJsonObject recovery;
    if (!deckPath.isEmpty())
        recovery.insert(kDeckFileKey, percentEncodedPath(encodePath(deckPath)));
    recovery.insert(kChangedKey, changed.toUTC().toString(Qt::ISODateWithMs));
    top.insert(kRecoveryKey, recovery);
    return QJsonDocument(top).toJson(QJsonDocument::Indented);
}

RecoveryCopy readRecoveryCopy(const QString& file) {
    const QByteArray bytes = readWhole(file);
    RecoveryCopy copy;
    copy.file = file;
    copy.deck = parseDeck(bytes, file);
    const QJsonValue recovery = QJsonDocument::fromJson(bytes).object().value(kRecoveryKey);
    if (!recovery.isObject())
        throw copyError(file, QCoreApplication::translate(
                                  "Recovery", "a deck, but no recovery copy of this program"));
    const QJsonObject entry = recovery.toObject();
    const QJsonValue deckFile = entry.value(kDeckFileKey);
    if (!deckFile.isUndefined()) {
        const QByteArray path = QByteArray::fromPercentEncoding(deckFile.toString().toLatin1());
        if (!deckFile.isString() || !path.startsWith('/') || path.contains('\0'))
            throw copyError(file,
                            QCoreApplication::translate(
                                "Recovery", "recovery.deckFile: expected an absolute file name"));
        copy.deckPath = decodePath(path);
    }
    copy.changed = QDateTime::fromString(entry.value(kChangedKey).toString(), Qt::ISODateWithMs);
    if (!copy.changed.isValid())
        throw copyError(
            file, QCoreApplication::translate("Recovery", "recovery.changed: expected a time"));
    return copy;
}

FoundCopies claimRecoveryCopies(const QString& directory) {
    FoundCopies found;
    const QDir folder(directory);
    if (!folder.exists())
        return found;
    for (const QString& name :
         folder.entryList({QStringLiteral("*.ferlo")}, QDir::Files | QDir::Hidden)) {
        const QString file = folder.filePath(name);
        std::shared_ptr<QLockFile> lock;
        if (!claim(file, lock))
            continue; // its owner runs
        try {
            RecoveryCopy copy = readRecoveryCopy(file);
            copy.lock = std::move(lock);
            found.copies.push_back(std::move(copy));
        } catch (const Error& error) {
            found.setAside.push_back(setAside(file, error.message()));
        }
    }
    removeLeftLocks(folder);
    std::stable_sort(
        found.copies.begin(), found.copies.end(),
        [](const RecoveryCopy& a, const RecoveryCopy& b) { return a.changed < b.changed; });
    return found;
}

QString removeRecoveryCopy(RecoveryCopy& copy) {
    QFile file(copy.file);
    if (file.exists() && !file.remove())
        return file.errorString();
    releaseRecoveryCopy(copy);
    return QString();
}

void releaseRecoveryCopy(RecoveryCopy& copy) {
    if (copy.lock)
        copy.lock->unlock();
    copy.lock.reset();
}

QString setAsideMessage(const std::vector<SetAsideCopy>& setAside) {
    QStringList lines;
    for (const SetAsideCopy& aside : setAside)
        lines << aside.cause + QLatin1Char(' ') +
                     (aside.movedTo.isEmpty()
                          ? QCoreApplication::translate("Recovery",
                                                        "It could not be set aside either.")
                          : QCoreApplication::translate("Recovery", "It was set aside as %1.")
                                .arg(displayName(aside.movedTo)));
    return lines.join(QLatin1Char('\n'));
}

} // namespace ferlo
