#pragma once

#include <QString>
#include <QStringView>

#include <algorithm>

// Names in the settings store, shared by the hive's text (RegistryHive.cpp) and its accessor
// (Registry.cpp).

namespace ferlo::registry {

inline const QString rootName = QStringLiteral("HKEY_LOCAL_MACHINE");

inline bool hasControlCharacters(QStringView text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c < u' ' || c == u'\x7f'; });
}

// A key path below the root: parts between single backslashes, nothing that would break a line.
inline bool isKeyPath(QStringView path) {
    return !hasControlCharacters(path) &&
           !(u'\\' + path.toString() + u'\\').contains(QStringLiteral("\\\\"));
}

} // namespace ferlo::registry
