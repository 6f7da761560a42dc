#include "storage/PrintOption.h"

#include "storage/Registry.h"

#include <QCoreApplication>
#include <algorithm>

namespace ferlo {

namespace {
const QString settingsKey = QStringLiteral("\\Software\\Ferlo");
const QString backOffsetsKey = QStringLiteral("\\Software\\Ferlo\\BackOffsets");
const QString printAsDibName = QStringLiteral("PrintAsDIB");
const QString wordBacksName = QStringLiteral("PrintWordBacks");

int readInteger(const QString& key, const QString& name, int absent) {
    TRegistry registry;
    registry.setRootKey(HKEY_LOCAL_MACHINE);
    // A store that can be neither opened nor created reads like one that was never written.
    if (!registry.OpenKey(key, true))
        return absent;
    if (!registry.ValueExists(name))
        return absent;
    return registry.ReadInteger(name);
}

void saveInteger(const QString& key, const QString& name, int value) {
    TRegistry registry;
    registry.setRootKey(HKEY_LOCAL_MACHINE);
    if (!registry.OpenKey(key, true))
        throw ERegistryException(
            QCoreApplication::translate("Settings", "The print option could not be saved to %1")
                .arg(registry.LastError()),
            registry.LastError());
    try {
        registry.WriteInteger(name, value);
    } catch (const ERegistryException& error) {
        if (error.reason().isEmpty())
            throw;
        throw ERegistryException(error.message() + QLatin1Char('\n') + error.reason(),
                                 error.reason());
    }
}

// A printer's value name: its name with control characters made visible, and the axis.
QString offsetName(const QString& printerName, char axis) {
    QString name = printerName;
    for (QChar& c : name) {
        if (c < QLatin1Char(' ') || c == QChar(0x7f))
            c = QLatin1Char('_');
    }
    return name + QLatin1Char(' ') + QLatin1Char(axis);
}

// The name an offset is stored under: PDF output has a name of its own.
QString storedName(const QString& printerName) {
    return printerName.isEmpty() ? QString::fromLatin1(kPdfOutputOffsetName) : printerName;
}

int boundedOffset(int tenths) {
    return std::clamp(tenths, -kMaxBackOffset, kMaxBackOffset);
}

} // namespace

bool get_PrintAsDIB() {
    return readInteger(settingsKey, printAsDibName, 1) != 0;
}

void save_PrintAsDIB(bool printAsDib) {
    saveInteger(settingsKey, printAsDibName, printAsDib ? 1 : 0);
}

bool get_PrintWordBacks() {
    return readInteger(settingsKey, wordBacksName, 0) != 0;
}

void save_PrintWordBacks(bool wordBacks) {
    saveInteger(settingsKey, wordBacksName, wordBacks ? 1 : 0);
}

BackOffset get_BackOffset(const QString& printerName) {
    const QString name = storedName(printerName);
    // Until PDF output has an offset of its own, the one stored under the empty name holds.
    const auto read = [&](char axis) {
        const int legacy =
            printerName.isEmpty() ? readInteger(backOffsetsKey, offsetName(QString(), axis), 0) : 0;
        return boundedOffset(readInteger(backOffsetsKey, offsetName(name, axis), legacy));
    };
    return {read('X'), read('Y')};
}

void save_BackOffset(const QString& printerName, BackOffset offset) {
    const QString name = storedName(printerName);
    saveInteger(backOffsetsKey, offsetName(name, 'X'), boundedOffset(offset.x));
    saveInteger(backOffsetsKey, offsetName(name, 'Y'), boundedOffset(offset.y));
}

} // namespace ferlo
