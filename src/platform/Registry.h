#pragma once

#include "platform/Errors.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

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
// (~/.config/ferlo). Every change locks the hive against other processes, reads it anew, changes
// it and writes it through a temporary file renamed over the old one, so concurrent writers never
// lose each other's values and a crash leaves the old or the new hive, never half of one. A hive
// that cannot be parsed is never written over.

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

// The kinds of data a value holds, as the accessor reports them.
enum class TRegDataType { rdUnknown, rdString, rdExpandString, rdInteger, rdBinary };

// One stored value: its type number and its raw bytes. Strings are UTF-8 with a terminating zero
// byte, a DWORD is four bytes, least significant first.
struct RegistryValue {
    quint32 type = REG_NONE;
    QByteArray data;
};

// The contents of one hive file, in file order. Key paths are below the root, without a leading
// backslash ("Software\Ferlo"); they compare without regard to letter case.
class RegistryHive {
public:
    struct Key {
        QString path;
        QList<QPair<QString, RegistryValue>> values;
    };

    // Parses the text of a hive file. Returns false, with the cause in *error, when the text is
    // not a hive of this root.
    bool parse(const QByteArray& text, RegistryRoot root, QString* error);
    QByteArray serialize(RegistryRoot root) const;

    // True when the key or one below it has a section.
    bool keyExists(const QString& path) const;
    // Adds sections for the key and the keys above it that have none.
    void createKey(const QString& path);
    const RegistryValue* value(const QString& path, const QString& name) const;
    void setValue(const QString& path, const QString& name, const RegistryValue& value);
    bool deleteValue(const QString& path, const QString& name);

    const QList<Key>& keys() const { return m_keys; }

private:
    Key* findKey(const QString& path);
    const Key* findKey(const QString& path) const;

    QList<Key> m_keys;
};

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
    TRegistry() = default;
    ~TRegistry() { CloseKey(); }
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;

    RegistryRoot RootKey() const { return m_root; }
    void setRootKey(RegistryRoot root);

    // Opens a key: a path starting with a backslash is taken from the root, any other from the
    // key that is open. With canCreate a missing key is created and written to the hive.
    // Returns false when the key is missing (and may not be created) or the hive cannot be read
    // or written; LastError() then tells why.
    bool OpenKey(const QString& key, bool canCreate);
    void CloseKey();
    // The open key's path below the root, empty at the root or when none is open.
    QString CurrentPath() const { return m_currentPath; }
    bool HasOpenKey() const { return m_open; }
    // The reason the last OpenKey failed, naming the hive file: "<file>: Permission denied".
    QString LastError() const { return m_lastError; }
    QString HivePath() const { return registryHivePath(m_root); }

    bool KeyExists(const QString& key);
    bool ValueExists(const QString& name);
    TRegDataType GetDataType(const QString& name);
    // The value's size in bytes, -1 when it does not exist.
    int GetDataSize(const QString& name);

    // Reads a REG_DWORD value. Only four bytes are fetched: a longer value, or a missing one,
    // throws "Failed to get data for '<name>'"; a value of another type throws
    // "Invalid data type for '<name>'".
    int ReadInteger(const QString& name);
    // Reads a REG_SZ or REG_EXPAND_SZ value.
    QString ReadString(const QString& name);

    // Write the value into the open key; a failure throws "Failed to set data for '<name>'".
    void WriteInteger(const QString& name, int value);
    void WriteString(const QString& name, const QString& value);
    void WriteBinaryData(const QString& name, const QByteArray& data);
    bool DeleteValue(const QString& name);

private:
    enum class Load { Missing, Loaded, Failed };
    // Reads the hive file; on failure *error names the file and the cause.
    Load loadHive(RegistryHive& hive, QString* error) const;
    // Locks the hive, reads it anew, applies the change and writes it back.
    bool changeHive(const std::function<void(RegistryHive&)>& change, QString* error);
    std::optional<QString> resolve(const QString& key) const;
    std::optional<RegistryValue> currentValue(const QString& name);
    void writeValue(const QString& name, const RegistryValue& value);

    RegistryRoot m_root = HKEY_CURRENT_USER;
    bool m_open = false;
    QString m_currentPath;
    QString m_lastError;
};

} // namespace ferlo
