#include "platform/PrintOption.h"

#include "platform/Registry.h"

namespace ferlo {

namespace {
const QString settingsKey = QStringLiteral("\\Software\\Ferlo");
const QString printAsDibName = QStringLiteral("PrintAsDIB");
} // namespace

bool get_PrintAsDIB() {
    TRegistry registry;
    registry.setRootKey(HKEY_LOCAL_MACHINE);
    // A store that can be neither opened nor created reads like one that was never written.
    if (!registry.OpenKey(settingsKey, true))
        return true;
    if (!registry.ValueExists(printAsDibName))
        return true;
    return registry.ReadInteger(printAsDibName) != 0;
}

void save_PrintAsDIB(bool printAsDib) {
    TRegistry registry;
    registry.setRootKey(HKEY_LOCAL_MACHINE);
    if (!registry.OpenKey(settingsKey, true))
        throw ERegistryException(
            QStringLiteral("The print option could not be saved to %1").arg(registry.LastError()),
            registry.LastError());
    try {
        registry.WriteInteger(printAsDibName, printAsDib ? 1 : 0);
    } catch (const ERegistryException& error) {
        if (error.reason().isEmpty())
            throw;
        throw ERegistryException(error.message() + QLatin1Char('\n') + error.reason(),
                                 error.reason());
    }
}

} // namespace ferlo
