#include "storage/PrintOption.h"

#include "storage/Registry.h"

namespace ferlo {

namespace {
const QString settingsKey = QStringLiteral("\\Software\\Ferlo");
const QString printAsDibName = QStringLiteral("PrintAsDIB");
const QString wordBacksName = QStringLiteral("PrintWordBacks");

bool readFlag(const QString& name, bool absent) {
    TRegistry registry;
    registry.setRootKey(HKEY_LOCAL_MACHINE);
    // A store that can be neither opened nor created reads like one that was never written.
    if (!registry.OpenKey(settingsKey, true))
        return absent;
    if (!registry.ValueExists(name))
        return absent;
    return registry.ReadInteger(name) != 0;
}

void saveFlag(const QString& name, bool value) {
    TRegistry registry;
    registry.setRootKey(HKEY_LOCAL_MACHINE);
    if (!registry.OpenKey(settingsKey, true))
        throw ERegistryException(
            QStringLiteral("The print option could not be saved to %1").arg(registry.LastError()),
            registry.LastError());
    try {
        registry.WriteInteger(name, value ? 1 : 0);
    } catch (const ERegistryException& error) {
        if (error.reason().isEmpty())
            throw;
        throw ERegistryException(error.message() + QLatin1Char('\n') + error.reason(),
                                 error.reason());
    }
}

} // namespace

bool get_PrintAsDIB() {
    return readFlag(printAsDibName, true);
}

void save_PrintAsDIB(bool printAsDib) {
    saveFlag(printAsDibName, printAsDib);
}

bool get_PrintWordBacks() {
    return readFlag(wordBacksName, false);
}

void save_PrintWordBacks(bool wordBacks) {
    saveFlag(wordBacksName, wordBacks);
}

} // namespace ferlo
