#include "storage/Registry.h"

#include "storage/FileReplacement.h"
#include "storage/RegistryNames.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRandomGenerator>
#include <QTemporaryFile>
#include <QThread>
#include <QtEndian>

#include <algorithm>
#include <filesystem>
#include <limits>

namespace ferlo {

using namespace Qt::StringLiterals;
using registry::hasControlCharacters;
using registry::isKeyPath;
using registry::rootName;

namespace {

// No settings file of ours comes near this; a larger one is not read into memory.
constexpr qint64 maxHiveSize = 16 * 1024 * 1024;
// A running copy holds the lock for the few milliseconds of one write.
constexpr int staleLockMs = 10000, lockWaitMs = 15000;

// Takes the lock, waiting in short, uneven steps while another copy holds it: a write holds it for
// milliseconds, while QLockFile's own waiting sleeps 100 ms and more. Empty, or why not.
QString acquire(QLockFile& lock, const QString& hive) {
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        // A lock whose copy died, or older than the stale time, is taken over. A copy killed
        // between making its lock file and writing into it leaves the file empty: that is taken
        // over once it has stayed so for a second. QLockFile never removes a lock a living copy
        // holds, as that copy holds an flock() on it from the moment it makes it.
        lock.setStaleLockTime(QFileInfo(lock.fileName()).size() > 0 ? staleLockMs : 1000);
        if (lock.tryLock(0))
            return {};
        if (lock.error() != QLockFile::LockFailedError) {
            // QLockFile does not say why it could not make its file; a file made beside it does.
            QTemporaryFile probe(hive + u".XXXXXX"_s);
            const bool made = probe.open() && probe.write("\n", 1) == 1 && probe.flush();
            return made ? QCoreApplication::translate("Settings",
                                                      "the settings file could not be locked")
                        : probe.errorString();
        }
        if (waited.elapsed() > lockWaitMs)
            return QCoreApplication::translate("Settings",
                                               "the settings file is locked by another program");
        QThread::usleep(500 + QRandomGenerator::global()->bounded(4000));
    }
}

} // namespace

// ---- Where the hive lives ----

QString registryDirectory() {
    const QString explicitDir = qEnvironmentVariable("FERLO_REGISTRY_DIR");
    if (!explicitDir.isEmpty())
        return QDir::cleanPath(explicitDir);
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    // The XDG base directory rules ignore a relative XDG_CONFIG_HOME.
    if (config.isEmpty() || QDir::isRelativePath(config))
        config = QDir::homePath() + u"/.config"_s;
    return QDir::cleanPath(config + u"/ferlo"_s);
}

QString registryHivePath(RegistryRoot) {
    return registryDirectory() + u'/' + rootName + u".reg"_s;
}

// ---- TRegistry ----

namespace {

bool load(RegistryHive& hive, QString* error) {
    const QString path = registryHivePath(HKEY_LOCAL_MACHINE);
    const QFileInfo info(path);
    QFile file(path);
    QString cause;
    // A pipe or a device in its place would block the reader or never end.
    if (!info.exists())
        hive.parse(QByteArray(), HKEY_LOCAL_MACHINE, &cause);
    else if (!info.isFile() && !info.isDir())
        cause = QCoreApplication::translate("Settings", "the settings file is not a regular file");
    else if (!file.open(QIODevice::ReadOnly))
        cause = file.errorString();
    else if (file.size() > maxHiveSize)
        cause =
            QCoreApplication::translate("Settings", "the file is too large to be a settings file");
    // A regular file, of a size checked above: reading it whole is bounded.
    else if (const QByteArray bytes = file.readAll(); file.error() != QFileDevice::NoError)
        cause = file.errorString();
    else if (!hive.parse(bytes, HKEY_LOCAL_MACHINE, &cause))
        cause =
            QCoreApplication::translate("Settings", "the file is not a valid settings file (%1)")
                .arg(cause);
    if (!cause.isEmpty())
        *error = QCoreApplication::translate("Settings", "%1: %2").arg(path, cause);
    return cause.isEmpty();
}

// Under the lock: reads the hive anew, changes it and replaces it through a temporary file
// renamed over it, so that a crash leaves the old or the new hive, never half of one.
bool save(const QString& key, const std::optional<QString>& name, const QString& data,
          QString* error) {
    const QString path = registryHivePath(HKEY_LOCAL_MACHINE);
    const auto fail = [&](const QString& reason) {
        *error = QCoreApplication::translate("Settings", "%1: %2").arg(path, reason);
        return false;
    };
    std::error_code code;
    std::filesystem::create_directories(QFile::encodeName(registryDirectory()).toStdString(), code);
    if (code)
        return fail(QString::fromLocal8Bit(code.message()));
    QLockFile lock(path + u".lock"_s);
    if (const QString why = acquire(lock, path); !why.isEmpty())
        return fail(why);
    // Temporary files exist only while their writer holds the lock: any found now were left by
    // a copy killed in the middle of a write.
    QDir folder(registryDirectory());
    for (const QString& left : folder.entryList(
             {rootName + u".reg."_s + u"[A-Za-z0-9]"_s.repeated(6)}, QDir::Files | QDir::Hidden))
        folder.remove(left);

    RegistryHive hive;
    QString cause;
    if (!load(hive, error))
        return false;
    const std::optional<QByteArray> bytes = hive.changedTo(key, name, data, &cause);
    if (!bytes)
        return fail(cause);
    if (*bytes == hive.bytes())
        return true;
    const QString failure = replaceFileWith(path, *bytes);
    return failure.isEmpty() || fail(failure);
}

} // namespace

bool TRegistry::OpenKey(const QString& key, bool canCreate) {
    m_lastError.clear();
    const bool absolute = key.startsWith(u'\\');
    QString relative = key.mid(absolute ? 1 : 0);
    if (relative.endsWith(u'\\'))
        relative.chop(1);
    const QString base = (absolute || !m_open) ? QString() : m_path;
    const QString path =
        base.isEmpty() || relative.isEmpty() ? base + relative : base + u'\\' + relative;
    RegistryHive hive;
    const QString hivePath = registryHivePath(HKEY_LOCAL_MACHINE);
    if (!relative.isEmpty() && !isKeyPath(relative)) {
        m_lastError = QCoreApplication::translate("Settings", "%1: \"%2\" is not a valid key name")
                          .arg(hivePath, key);
    } else if (load(hive, &m_lastError) && !hive.keyExists(path)) {
        if (!canCreate)
            m_lastError =
                QCoreApplication::translate("Settings", "%1: the key \"%2\" does not exist")
                    .arg(hivePath, key);
        else
            save(path, std::nullopt, QString(), &m_lastError);
    }
    if (!m_lastError.isEmpty())
        return false;
    m_open = true;
    m_path = path;
    return true;
}

bool TRegistry::ValueExists(const QString& name) {
    RegistryHive hive;
    QString error;
    return m_open && load(hive, &error) && hive.value(m_path, name).has_value();
}

// The data of a value of the open key: a missing value, or one longer than the buffer of `most`
// bytes it is fetched into, throws "Failed to get data for '<name>'"; then, as the registry
// looks at the type only after the fetch, one of another type "Invalid data type for '<name>'".
QByteArray TRegistry::read(const QString& name, quint32 type, qsizetype most) {
    RegistryHive hive;
    QString error;
    const auto value = m_open && load(hive, &error) ? hive.value(m_path, name) : std::nullopt;
    if (!value || value->data.size() > most)
        throw ERegistryException(
            QCoreApplication::translate("Settings", "Failed to get data for '%1'").arg(name));
    if (value->type != type)
        throw ERegistryException(
            QCoreApplication::translate("Settings", "Invalid data type for '%1'").arg(name));
    return value->data;
}

int TRegistry::ReadInteger(const QString& name) {
    return int(
        qFromLittleEndian<quint32>(read(name, REG_DWORD, 4).leftJustified(4, '\0').constData()));
}

void TRegistry::WriteInteger(const QString& name, int value) {
    write(name, u"dword:%1"_s.arg(quint32(value), 8, 16, QLatin1Char('0')));
}

// Writes a value's data as the file writes it into the open key; a failure throws "Failed to set
// data for '<name>'" with the file and the reason.
void TRegistry::write(const QString& name, const QString& data) {
    const QString failed =
        QCoreApplication::translate("Settings", "Failed to set data for '%1'").arg(name);
    const QString hive = registryHivePath(HKEY_LOCAL_MACHINE);
    if (!m_open)
        throw ERegistryException(
            failed, QCoreApplication::translate("Settings", "%1: no key is open").arg(hive));
    if (hasControlCharacters(name) || hasControlCharacters(data))
        throw ERegistryException(
            failed,
            QCoreApplication::translate("Settings", "%1: the value name or text holds a line break")
                .arg(hive));
    // A key another copy removed meanwhile comes back with the value.
    QString error;
    if (!save(m_path, name, data, &error))
        throw ERegistryException(failed, error);
}

QString TRegistry::ReadString(const QString& name) {
    QByteArray text = read(name, REG_SZ, std::numeric_limits<qsizetype>::max());
    if (text.endsWith('\0'))
        text.chop(1);
    return QString::fromUtf8(text);
}

void TRegistry::WriteString(const QString& name, const QString& value) {
    QString quoted = value;
    quoted.replace(u'\\', u"\\\\"_s).replace(u'"', u"\\\""_s);
    write(name, u'"' + quoted + u'"');
}

} // namespace ferlo
