#pragma once

#include <QString>

#include <vector>

namespace ferlo {

// Writes mono samples in -1..1 as a 16-bit PCM WAV file, all at once through FileReplacement, so an
// old file is replaced only by a complete new one. Throws SoundError naming the file and the cause.
void writeWaveFile(const QString& path, const std::vector<float>& samples, int rate);

} // namespace ferlo
