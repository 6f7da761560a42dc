#pragma once

#include <QString>

namespace ferlo {

// The stored speech options, beside the print options under \Software\Ferlo: "SpeechOn" (DWORD,
// absent 1), "SpeechRate" (DWORD, words per minute, absent 175) and "SpeechVoice" (text, the
// engine's language tag; absent or empty: the deck's language, else the system's).
struct SpeechOptions {
    bool on = true;
    QString voice;
    int rate = 175;

    bool operator==(const SpeechOptions&) const = default;
};

// Never throws: a store that can't be read, or a value of the wrong type, gives the default.
SpeechOptions readSpeechOptions();

// Throws ERegistryException naming the settings file when the options can't be stored.
void saveSpeechOptions(const SpeechOptions& options);

} // namespace ferlo
