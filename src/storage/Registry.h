#pragma once

#include "storage/Errors.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

#include <optional>

namespace ferlo {

// A settings store with the shape of the Windows registry: keys named by backslash paths, typed
// values, kept in one hive file in the registry export text format (see docs/settings.md).

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

// The program keeps its setting under the machine-wide root only.
enum class RegistryRoot { LocalMachine };
inline constexpr RegistryRoot HKEY_LOCAL_MACHINE = RegistryRoot::LocalMachine;

// Value types, numbered as the registry numbers them.
enum RegistryValueType : quint32 { REG_NONE, REG_SZ, REG_BINARY = 3, REG_DWORD, REG_MULTI_SZ = 7 };

// One stored value: its type number and its raw bytes. Strings are UTF-8 with a terminating zero
// byte, a DWORD is four bytes, least significant first.
struct RegistryValue {
    quint32 type = REG_NONE;
    QByteArray data;
};

// The text of one hive file, parsed just enough to read its values and to change one in place.
// Key paths are below the root, without a leading backslash ("Software\Ferlo"); key and value
// names compare without regard to letter case.
class RegistryHive {
public:
    struct Value {
        QString path;
        QString name; // as first spelled
        RegistryValue value;
        qsizetype from = 0, to = 0; // the data's place in the text, for a change
    };

    // Parses the bytes of a hive file of the root; false, with the cause in *error, when they are
    // not such a hive.
    bool parse(const QByteArray& bytes, RegistryRoot root, QString* error);
    // True when the key or one below it has a section.
    bool keyExists(const QString& path) const;
    std::optional<RegistryValue> value(const QString& path, const QString& name) const;
    // Every value, by its lower-case path and name joined by a line break.
    const QMap<QString, Value>& values() const { return m_values; }
    const QByteArray& bytes() const { return m_bytes; }
    // The file's bytes with sections for the key and the keys above it that have none and, with
    // a name, the value set to the data as the file writes it (`"text"`, `dword:0000002a`); every
    // other byte as it was. Nothing, with the cause in *error, when the file's encoding cannot
    // hold the change exactly.
    std::optional<QByteArray> changedTo(const QString& path, const std::optional<QString>& name,
                                        const QString& data, QString* error) const;

private:
    struct Section {
        QString path;
        qsizetype begin = 0, end = 0; // end: where a new value line goes
    };
    QByteArray m_bytes;
    QString m_text;
    bool m_headerSeen = false;
    QList<Section> m_sections;
    QMap<QString, Value> m_values;
};

// The folder of the hive files: $FERLO_REGISTRY_DIR, else $XDG_CONFIG_HOME/ferlo.
QString registryDirectory();
// The full path of a root's hive file: ".../HKEY_LOCAL_MACHINE.reg".
QString registryHivePath(RegistryRoot root);

// The accessor: open a key, then test, read and write its values. Every call reads the hive
// file anew; there is no copy of a value in memory between calls.
class TRegistry {
public:
    void setRootKey(RegistryRoot) { m_open = false; }
    // Opens a key: a path starting with a backslash is taken from the root, any other from the
    // key that is open. With canCreate a missing key is created and written to the hive.
    // Returns false when the key is missing (and may not be created) or the hive cannot be read
    // or written; LastError() then tells why, naming the hive file.
    bool OpenKey(const QString& key, bool canCreate);
    QString LastError() const { return m_lastError; }

    bool ValueExists(const QString& name);
    // Reads a REG_DWORD value. Only four bytes are fetched: a longer value, or a missing one,
    // throws "Failed to get data for '<name>'"; a value of another type throws
    // "Invalid data type for '<name>'".
    int ReadInteger(const QString& name);
    // Writes a REG_DWORD into the open key; a failure throws "Failed to set data for '<name>'".
    void WriteInteger(const QString& name, int value);
    // The same for a REG_SZ text value; reading one of another type throws "Invalid data type".
    QString ReadString(const QString& name);
    void WriteString(const QString& name, const QString& value);

private:
    QByteArray read(const QString& name, quint32 type, qsizetype most);
    void write(const QString& name, const QString& data);

    bool m_open = false;
    QString m_path;
    QString m_lastError;
};

} // namespace ferlo
