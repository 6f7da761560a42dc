#include "sound/WavePlayer.h"

#include "storage/NativePath.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QBuffer>
#include <QFile>
#include <QMediaDevices>
#include <QtGlobal>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace ferlo {

WavePlayer::WavePlayer(QObject* parent)
    : QObject(parent) {}

WavePlayer::~WavePlayer() {
    close();
}

void WavePlayer::setFileName(const QString& fileName) {
    m_fileName = fileName;
}

QString WavePlayer::fileName() const {
    return m_fileName;
}

void WavePlayer::open() {
    close();
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    const QAudioFormat format = outputFormatFor(device);
    // Decoded even without a device, so a broken file is reported the same way everywhere.
    QByteArray samples =
        decodeSoundFile(m_fileName, format.isValid() ? format : fallbackOutputFormat());
    m_samples = std::move(samples);
    m_format = format;
    m_device = device;
    m_open = true;
}

void WavePlayer::play() {
    if (!m_open || m_device.isNull() || !m_format.isValid())
        return;
    stopSink();
    m_buffer = std::make_unique<QBuffer>();
    m_buffer->setData(m_samples);
    if (!m_buffer->open(QIODevice::ReadOnly))
        return;
    m_sink = std::make_unique<QAudioSink>(m_device, m_format);
    // Enough buffering that a busy user-interface thread does not starve the device.
    m_sink->setBufferSize(int(m_format.bytesForDuration(250000)));
    m_sink->start(m_buffer.get());
}

void WavePlayer::stopSink() {
    if (m_sink) {
        m_sink->stop();
        m_sink.reset();
    }
    m_buffer.reset();
}

void WavePlayer::close() {
    stopSink();
    m_samples.clear();
    m_samples.squeeze();
    m_format = QAudioFormat();
    m_device = QAudioDevice();
    m_open = false;
}

bool WavePlayer::isOpen() const {
    return m_open;
}

bool WavePlayer::isPlaying() const {
    return m_sink && m_sink->state() == QAudio::ActiveState;
}

qint64 WavePlayer::decodedFrames() const {
    const QAudioFormat format = m_format.isValid() ? m_format : fallbackOutputFormat();
    const int frameBytes = format.bytesPerFrame();
    return frameBytes > 0 ? m_samples.size() / frameBytes : 0;
}

} // namespace ferlo
