#include "storage/SpeechOption.h"

#include "storage/Registry.h"

#include <QCoreApplication>
#include <algorithm>

namespace ferlo {

namespace {
const QString settingsKey = QStringLiteral("\\Software\\Ferlo");
const QString onName = QStringLiteral("SpeechOn");
const QString rateName = QStringLiteral("SpeechRate");
const QString voiceName = QStringLiteral("SpeechVoice");
} // namespace

SpeechOptions readSpeechOptions() {
    SpeechOptions options;
    TRegistry registry;
    registry.setRootKey(HKEY_LOCAL_MACHINE);
    if (!registry.OpenKey(settingsKey, false))
        return options;
    const auto read = [&](auto get) {
        try {
            get();
        } catch (const ERegistryException&) {
        }
    };
    if (registry.ValueExists(onName))
        read([&] { options.on = registry.ReadInteger(onName) != 0; });
    if (registry.ValueExists(rateName))
        read([&] { options.rate = std::clamp(registry.ReadInteger(rateName), 80, 450); });
    if (registry.ValueExists(voiceName))
        read([&] { options.voice = registry.ReadString(voiceName).trimmed(); });
    return options;
}

void saveSpeechOptions(const SpeechOptions& options) {
    TRegistry registry;
    registry.setRootKey(HKEY_LOCAL_MACHINE);
    if (!registry.OpenKey(settingsKey, true))
        throw ERegistryException(
            QCoreApplication::translate("Settings", "The speech options could not be saved to %1")
                .arg(registry.LastError()),
            registry.LastError());
    registry.WriteInteger(onName, options.on ? 1 : 0);
    registry.WriteInteger(rateName, options.rate);
    registry.WriteString(voiceName, options.voice);
}

} // namespace ferlo
