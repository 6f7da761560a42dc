#include "storage/RecoveryWriter.h"

#include "storage/FileReplacement.h"
#include "storage/NativePath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLockFile>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <system_error>

namespace ferlo {

namespace {

QString failureMessage(const QString& directory, const QString& cause) {
    return QCoreApplication::translate("Recovery",
                                       "Ferlo cannot keep a recovery copy of the deck in %1: %2\n"
                                       "Your files are as they were; save the deck to keep its "
                                       "changes.")
        .arg(displayName(directory), cause);
}

// The system's cause of a file that cannot be made in the folder: the lock file says no more
// than that it failed.
QString cannotMake(const QString& file) {
    QFile probe(file + QLatin1String(".probe"));
    QString cause = QCoreApplication::translate("Recovery", "the lock file cannot be made");
    if (!probe.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return probe.errorString();
    if (probe.write("probe\n") != 6 || !probe.flush())
        cause = probe.errorString();
    probe.close();
    probe.remove();
    return cause;
}

} // namespace

RecoveryWriter::RecoveryWriter(Source source, FailureSink failed, QString directory)
    : m_source(std::move(source))
    , m_failed(std::move(failed))
    , m_directory(std::move(directory)) {
    m_timer.setSingleShot(true);
    // A coarse timer may fire up to a twentieth of its interval early: the copy is written at
    // most once an interval, never sooner.
    m_timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { dispatch(); });
    m_thread = std::thread([this] { run(); });
}

RecoveryWriter::~RecoveryWriter() {
    m_timer.stop();
    post(Job{});
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

void RecoveryWriter::changed(bool modified) {
    if (!modified) {
        drop();
        return;
    }
    m_changed = QDateTime::currentDateTimeUtc();
    if (m_timer.isActive())
        return; // the write that is due takes this change too
    const qint64 since = m_sinceDispatch.isValid() ? m_sinceDispatch.elapsed() : kIntervalMs;
    m_timer.start(int(std::clamp<qint64>(kIntervalMs - since, 0, kIntervalMs)));
}

void RecoveryWriter::drop() {
    m_timer.stop();
    post(Job{});
}

void RecoveryWriter::adopt(RecoveryCopy copy) {
    wait();
    std::lock_guard lock(m_mutex);
    if (!m_file.isEmpty() && m_file != copy.file)
        QFile::remove(m_file);
    if (m_lock && m_file != copy.file)
        m_lock->unlock();
    m_file = copy.file;
    m_lock = std::move(copy.lock);
}

void RecoveryWriter::wait() {
    std::unique_lock lock(m_mutex);
    m_idle.wait(lock, [this] { return !m_job && !m_busy; });
}

QString RecoveryWriter::file() const {
    std::lock_guard lock(m_mutex);
    return m_file;
}

void RecoveryWriter::dispatch() {
    m_sinceDispatch.start();
    post(Job{m_source(), m_changed});
}

void RecoveryWriter::post(Job job) {
    {
        std::lock_guard lock(m_mutex);
        // Only the latest state counts: a write still waiting is replaced.
        m_job = std::move(job);
    }
    m_wake.notify_all();
}

void RecoveryWriter::run() {
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_job || m_stop; });
        if (!m_job)
            return;
        Job job = std::move(*m_job);
        m_job.reset();
        m_busy = true;
        lock.unlock();
        perform(job);
        lock.lock();
        m_busy = false;
        m_idle.notify_all();
    }
}

void RecoveryWriter::perform(const Job& job) {
    if (!job.write) {
        removeCopy();
        return;
    }
    const QString failure = writeCopy(job);
    if (failure.isEmpty()) {
        m_failing = false;
        return;
    }
    report(failure);
}

QString RecoveryWriter::writeCopy(const Job& job) {
    std::error_code code;
    std::filesystem::create_directories(encodePath(m_directory).toStdString(), code);
    if (code)
        return QString::fromLocal8Bit(code.message());
    if (const QString cause = takeName(); !cause.isEmpty())
        return cause;
    const QString file = this->file();
    FileReplacement copy(file);
    // The copy holds what the user works on: theirs alone to read.
    copy.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const QByteArray bytes =
        recoveryCopyBytes(job.write->deck, job.write->deckPath, job.changed, file);
    if (!copy.open() || copy.device()->write(bytes) != bytes.size() || !copy.commit())
        return copy.failure();
    return QString();
}

QString RecoveryWriter::takeName() {
    std::lock_guard lock(m_mutex);
    if (m_lock)
        return QString();
    // A name of this process and this writer; the lock keeps every other process off it.
    static std::atomic<int> writers{0};
    const QString file = QDir(m_directory)
                             .filePath(QStringLiteral("deck-%1-%2-%3.ferlo")
                                           .arg(QCoreApplication::applicationPid())
                                           .arg(QDateTime::currentMSecsSinceEpoch(), 0, 36)
                                           .arg(++writers));
    auto held = std::make_shared<QLockFile>(file + QLatin1String(".lock"));
    held->setStaleLockTime(0);
    if (!held->tryLock(0))
        return cannotMake(file + QLatin1String(".lock"));
    m_file = file;
    m_lock = std::move(held);
    return QString();
}

void RecoveryWriter::removeCopy() {
    QString cause;
    {
        std::lock_guard lock(m_mutex);
        if (m_file.isEmpty())
            return;
        QFile copy(m_file);
        if (copy.exists() && !copy.remove()) {
            // It stays, locked, until the next try; after the end it is offered again.
            cause = copy.errorString();
        } else {
            if (m_lock)
                m_lock->unlock();
            m_lock.reset();
            m_file.clear();
        }
    }
    if (!cause.isEmpty())
        report(cause);
}

void RecoveryWriter::report(const QString& failure) {
    if (m_failing)
        return;
    m_failing = true;
    const QString message = failureMessage(m_directory, failure);
    QMetaObject::invokeMethod(
        &m_timer, [sink = m_failed, message] { sink(message); }, Qt::QueuedConnection);
}

} // namespace ferlo
