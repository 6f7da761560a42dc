#pragma once

#include "storage/RecoveryStore.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QString>
#include <QTimer>

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace ferlo {

// Keeps the recovery copy of one deck (RecoveryStore.h) while it has unsaved changes. The
// window tells it of every change of its deck (changed); within kIntervalMs of a change, and at
// most once per kIntervalMs while changes go on, it takes the deck from its source and a thread
// of its own writes the copy through FileReplacement (a complete copy or the one before, never
// half of one), under a lock of this process. A deck without unsaved changes (saved, closed,
// discarded, undone) has its copy removed. The copy is never the deck's own file: it lives in
// the state folder under a name of this process.
//
// A copy that cannot be written (a read-only or full state folder) leaves the user's files as
// they were; the failure is told once through `failed` (on the thread that made the writer), and
// again only after a copy has been written in between. Writing goes on being tried.
class RecoveryWriter {
public:
    static constexpr int kIntervalMs = 2000;

    struct Snapshot {
        Deck deck;
        QString deckPath; // the deck's own file, empty while untitled
    };
    // The deck as it stands, or nothing when it has no unsaved changes.
    using Source = std::function<std::optional<Snapshot>()>;
    using FailureSink = std::function<void(const QString& message)>;

    RecoveryWriter(Source source, FailureSink failed, QString directory = recoveryDirectory());
    // Removes the copy (a deck whose window goes is done with) and waits for the thread.
    ~RecoveryWriter();
    RecoveryWriter(const RecoveryWriter&) = delete;
    RecoveryWriter& operator=(const RecoveryWriter&) = delete;

    // The deck changed, or its modified state did. A deck with unsaved changes is written
    // within the interval; one without (saved, undone) has its copy removed at once.
    void changed(bool modified = true);
    // The deck was saved, closed or discarded: the copy goes now.
    void drop();
    // A copy restored into the window becomes this writer's copy, its lock held on.
    void adopt(RecoveryCopy copy);
    // Waits until what was asked of the thread is done (tests, the end of the program).
    void wait();
    // The copy's file: it exists while the deck has unsaved changes and a write succeeded.
    QString file() const;

private:
    struct Job {
        std::optional<Snapshot> write; // nothing: remove the copy
        QDateTime changed;
    };
    void dispatch();
    void post(Job job);
    void run();
    void perform(const Job& job);
    QString writeCopy(const Job& job);
    QString takeName();
    void removeCopy();
    void report(const QString& failure);

    Source m_source;
    FailureSink m_failed;
    const QString m_directory;
    // The thread that made the writer: the timer and the failure messages live there.
    QTimer m_timer;
    QElapsedTimer m_sinceDispatch;
    QDateTime m_changed;

    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::optional<Job> m_job;
    bool m_busy = false;
    bool m_stop = false;
    // Used by the writing thread only, but for adopt() and file() under the mutex.
    QString m_file;
    std::shared_ptr<QLockFile> m_lock;
    bool m_failing = false;
    std::thread m_thread;
};

} // namespace ferlo
