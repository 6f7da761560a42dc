#include "sound/WaveWriter.h"

#include "sound/SoundDecoder.h"
#include "storage/FileReplacement.h"
#include "storage/NativePath.h"

#include <QCoreApplication>
#include <QtEndian>

#include <algorithm>
#include <cmath>

namespace ferlo {

namespace {

// A number as the file holds it, least significant byte first.
template <typename Number> void append(QByteArray& out, Number value) {
    const Number le = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&le), sizeof le);
}

} // namespace

void writeWaveFile(const QString& path, const std::vector<float>& samples, int rate) {
    const quint32 dataBytes = quint32(samples.size() * 2);
    QByteArray out;
    out.reserve(qsizetype(44 + dataBytes));
    out.append("RIFF", 4);
    append<quint32>(out, 36 + dataBytes);
    out.append("WAVEfmt ", 8);
    append<quint32>(out, 16);
    append<quint16>(out, 1); // PCM
    append<quint16>(out, 1); // mono
    append<quint32>(out, quint32(rate));
    append<quint32>(out, quint32(rate) * 2);
    append<quint16>(out, 2);
    append<quint16>(out, 16);
    out.append("data", 4);
    append<quint32>(out, dataBytes);
    for (const float sample : samples)
        append<quint16>(out,
                        quint16(qint16(std::lround(std::clamp(sample, -1.0f, 1.0f) * 32767.0f))));

    if (const QString cause = replaceFileWith(path, out); !cause.isEmpty())
        throw SoundError(
            QCoreApplication::translate("Sound", "The sound file \"%1\" can't be written: %2")
                .arg(displayName(path), cause));
}

} // namespace ferlo
