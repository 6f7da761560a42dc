#pragma once

#include "platform/Errors.h"

#include <QByteArray>
#include <QSettings>
#include <QString>

#include <optional>

class QIODevice;

namespace ferlo {

// A settings store with the shape of the Windows registry: roots, keys named by backslash paths,
// typed values. Each root is one hive file in the registry export text format, so that values
// keep their types and a person can read the file:
//
//   Windows Registry Editor Version 5.00
//
//   [HKEY_LOCAL_MACHINE\Software\Ferlo]
//   "PrintAsDIB"=dword:00000001
//
// The hive lies in $FERLO_REGISTRY_DIR when that is set, else in $XDG_CONFIG_HOME/ferlo
// (~/.config/ferlo). Writes go through QSettings with a format registered for this text: it locks
// the hive against other processes, reads it anew, merges the change and replaces the file
// atomically. A hive that cannot be parsed, or not written back exactly, is never written over.

// An error of the store that a user can cause: a value of the wrong type, a write that failed.
class ERegistryException : public Error {
public:
    explicit ERegistryException(const QString& message, const QString& reason = {})
        : Error(message)
        , m_reason(reason) {}
    // Where and why, when the system gave a reason: "<hive file>: Permission denied".
    QString reason() const { return m_reason; }

private:
    QString m_reason;
};

enum class RegistryRoot { CurrentUser, LocalMachine };
inline constexpr RegistryRoot HKEY_CURRENT_USER = RegistryRoot::CurrentUser;
inline constexpr RegistryRoot HKEY_LOCAL_MACHINE = RegistryRoot::LocalMachine;

// Value types, numbered as the registry numbers them.
enum RegistryValueType : quint32 {
    REG_NONE = 0,
    REG_SZ = 1,
    REG_EXPAND_SZ = 2,
    REG_BINARY = 3,
    REG_DWORD = 4,
    REG_MULTI_SZ = 7,
};

// The registered hive format. In its map every key of the hive is an entry named after the key's
// path and every value one named after the path and the value name, both in lower case (names
// compare without regard to case); the entries hold the spelling, the type number, the raw bytes
// (strings are UTF-8 with a terminating zero byte, a DWORD four bytes, least significant first)
// and the place in the file. The reader takes the root of the hive file the device names
// (HKEY_LOCAL_MACHINE for any other device). The writer refuses, with the cause in
// registryFormatError(), a map it cannot write so that it reads back the same, and a hive file
// on disk that it cannot parse.
QSettings::Format registryFormat();
bool readRegistryHive(QIODevice& device, QSettings::SettingsMap& map);
bool writeRegistryHive(QIODevice& device, const QSettings::SettingsMap& map);
QString registryFormatError();
// The map entry and the value of a value: type and data, or an invalid QVariant without one.
QString registryEntryName(const QString& path, const QString& name);
struct RegistryValue {
    quint32 type = REG_NONE;
    QByteArray data;
};
std::optional<RegistryValue> registryValue(const QSettings::SettingsMap& map, const QString& path,
                                           const QString& name);

// The name of a root as the hive file writes it: "HKEY_LOCAL_MACHINE".
QString registryRootName(RegistryRoot root);
// The folder of the hive files.
QString registryDirectory();
// The full path of a root's hive file.
QString registryHivePath(RegistryRoot root);

// The accessor: open a key, then test, read and write its values. Every call reads the hive
// file anew; there is no copy of a value in memory between calls.
class TRegistry {
public:
    void setRootKey(RegistryRoot root) {
        m_root = root;
        CloseKey();
    }
    // Opens a key: a path starting with a backslash is taken from the root, any other from the
    // key that is open. With canCreate a missing key is created and written to the hive.
    // Returns false when the key is missing (and may not be created) or the hive cannot be read
    // or written; LastError() then tells why, naming the hive file.
    bool OpenKey(const QString& key, bool canCreate);
    void CloseKey() {
        m_open = false;
        m_path.clear();
    }
    QString LastError() const { return m_lastError; }
    QString HivePath() const { return registryHivePath(m_root); }

    bool ValueExists(const QString& name);
    // Reads a REG_DWORD value. Only four bytes are fetched: a longer value, or a missing one,
    // throws "Failed to get data for '<name>'"; a value of another type throws
    // "Invalid data type for '<name>'".
    int ReadInteger(const QString& name);
    // Writes a REG_DWORD into the open key; a failure throws "Failed to set data for '<name>'".
    void WriteInteger(const QString& name, int value);

private:
    bool load(QSettings::SettingsMap& map, QString* error) const;
    bool save(const QSettings::SettingsMap& changes, QString* error);

    RegistryRoot m_root = HKEY_CURRENT_USER;
    bool m_open = false;
    QString m_path;
    QString m_lastError;
};

} // namespace ferlo
