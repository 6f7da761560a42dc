#pragma once

#include <QEventLoop>
#include <QFuture>
#include <QFutureWatcher>
#include <QPromise>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

#include <exception>
#include <optional>
#include <vector>

namespace ferlo {

// The threads that WorkerSlots run their work on, as many as the processors, shared by every
// kind of slot.
inline QThreadPool& pictureWorkers() {
    static QThreadPool workers;
    return workers;
}

// Work started on worker threads, one slot per cell of a card or page (a slot may stay empty).
// Results are taken in slot order; an exception a worker threw is thrown again by take(), on the
// thread that takes it. Every slot is waited for before the slots go away, on every path out, so
// no worker outlives what it works for. With onThisThread the work runs at once on the thread
// that starts it, one slot after another: for work that is itself on a worker thread of its
// own, so that it takes no second worker thread.
//
// The workers are those of a pool of their own, never Qt's global pool: Qt's painting splits a
// large fill, conversion or smooth scaling into parts that it runs on its global pool and waits
// for, so a decode of a tenth of a second there would keep the window's paint asleep that long.
template <typename T> class WorkerSlots {
public:
    explicit WorkerSlots(size_t count, bool onThisThread = false)
        : m_futures(count)
        , m_onThisThread(onThisThread) {}
    WorkerSlots(const WorkerSlots&) = delete;
    WorkerSlots& operator=(const WorkerSlots&) = delete;
    ~WorkerSlots() {
        // A slot never started, or whose result was taken, holds no valid future: waiting on
        // one would never end, since taking a result resets the future's state.
        for (QFuture<Outcome>& future : m_futures)
            if (future.isValid())
                future.waitForFinished();
    }

    template <typename Work> void start(size_t slot, Work work) {
        auto run = [work = std::move(work)] {
            Outcome outcome;
            try {
                outcome.value = work();
            } catch (...) {
                outcome.error = std::current_exception();
            }
            return outcome;
        };
        if (!m_onThisThread) {
            m_futures[slot] = QtConcurrent::run(&pictureWorkers(), std::move(run));
            return;
        }
        QPromise<Outcome> promise;
        m_futures[slot] = promise.future();
        promise.start();
        promise.addResult(run());
        promise.finish();
    }

    bool started(size_t slot) const { return m_futures[slot].isValid(); }
    // Whether the slot's worker is done, so that taking its result does not wait.
    bool finished(size_t slot) const { return m_futures[slot].isFinished(); }

    // take(), but while the slot's worker is still busy the calling thread's event loop keeps
    // running, without user input: a window keeps painting during a long decode, and no command
    // of the user's runs in between.
    T takeServingEvents(size_t slot) {
        if (!m_futures[slot].isFinished()) {
            QEventLoop loop;
            QFutureWatcher<Outcome> watcher;
            QObject::connect(&watcher, &QFutureWatcherBase::finished, &loop, &QEventLoop::quit);
            watcher.setFuture(m_futures[slot]);
            if (!m_futures[slot].isFinished())
                loop.exec(QEventLoop::ExcludeUserInputEvents);
        }
        return take(slot);
    }

    T take(size_t slot) {
        Outcome outcome = m_futures[slot].takeResult();
        if (outcome.error)
            std::rethrow_exception(outcome.error);
        return std::move(*outcome.value);
    }

private:
    struct Outcome {
        std::optional<T> value;
        std::exception_ptr error;
    };
    std::vector<QFuture<Outcome>> m_futures;
    bool m_onThisThread = false;
};

} // namespace ferlo
