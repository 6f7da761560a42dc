#pragma once

#include "layout/Deck.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <memory>
#include <vector>

class QLockFile;

namespace ferlo {

// Recovery copies: while a deck has unsaved changes, a copy of it is kept in the user's state
// folder (RecoveryWriter), so that a crash, a power cut or a killed program loses nothing older
// than a moment. A copy is a deck file (the deck's own format) with one more top-level entry,
// "recovery", that names the deck's own file and the time of its last change. Each copy has a
// lock file beside it (QLockFile: the pid, host and program of its owner): a copy whose owner
// runs is never listed, read or removed by another process; one whose owner died is claimed by
// the next start that lists it.

// The folder of the copies: $XDG_STATE_HOME/ferlo/recovery, else ~/.local/state/ferlo/recovery.
QString recoveryDirectory();

// One copy claimed by this process: its lock is held until the copy is removed or let go.
struct RecoveryCopy {
    QString file;     // the copy
    QString deckPath; // the deck's own file, empty for an untitled deck
    QDateTime changed;
    Deck deck;
    std::shared_ptr<QLockFile> lock; // none where the folder cannot hold a lock (read-only)
};

// A file of the folder that is no copy this program can read, renamed aside rather than deleted.
struct SetAsideCopy {
    QString file;
    QString movedTo; // empty when it could not be moved (the message says why)
    QString cause;
};

struct FoundCopies {
    std::vector<RecoveryCopy> copies; // oldest change first
    std::vector<SetAsideCopy> setAside;
};

// The text of a copy of `deck`, whose own file is `deckPath`, last changed at `changed`, to be
// written at `copyFile`.
QByteArray recoveryCopyBytes(const Deck& deck, const QString& deckPath, const QDateTime& changed,
                             const QString& copyFile);

// Reads a copy. Throws ferlo::Error naming the file and the cause when it is no deck, or a deck
// without the "recovery" entry (a file that is not this program's copy).
RecoveryCopy readRecoveryCopy(const QString& file);

// Claims the copies of `directory` whose owners have ended: each is locked for this process and
// read; a copy that cannot be read is renamed aside (NAME.ferlo -> NAME.ferlo.unreadable, or
// .unreadable-2, ...) and named with its cause. Lock files left without a copy are removed.
// A folder that does not exist holds no copies.
FoundCopies claimRecoveryCopies(const QString& directory = recoveryDirectory());

// Removes a claimed copy and its lock; the system's cause when the copy could not be removed
// (it stays then, and is offered again at the next start), empty when it is gone.
QString removeRecoveryCopy(RecoveryCopy& copy);

// Lets a claimed copy go: its lock is released, the copy stays for the next start.
void releaseRecoveryCopy(RecoveryCopy& copy);

// The message naming the copies set aside, each with its cause; empty when there are none.
QString setAsideMessage(const std::vector<SetAsideCopy>& setAside);

} // namespace ferlo
