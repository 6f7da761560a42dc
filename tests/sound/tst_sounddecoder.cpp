#include "sound/SoundDecoder.h"
#include "support/TestSupport.h"
#include "support_waveplayer.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <cstring>

using ferlo::decodeSoundFile;
using ferlo::SoundError;
using ferlo::test::sine;
using ferlo::test::writeWave;

Q_DECLARE_METATYPE(QAudioFormat::SampleFormat)

namespace {

QAudioFormat format(int rate, int channels, QAudioFormat::SampleFormat sampleFormat) {
    QAudioFormat f;
    f.setSampleRate(rate);
    f.setChannelCount(channels);
    f.setSampleFormat(sampleFormat);
    return f;
}

// One channel of decoded samples, as values in -1..1.
std::vector<double> channel(const QByteArray& data, const QAudioFormat& f, int c) {
    std::vector<double> values;
    const int frameBytes = f.bytesPerFrame();
    const int sampleBytes = f.bytesPerSample();
    for (qsizetype at = qsizetype(c) * sampleBytes; at + sampleBytes <= data.size();
         at += frameBytes)
        // Unsigned 8-bit samples centre on 128 (Qt's own reading centres them on 127).
        values.push_back(f.sampleFormat() == QAudioFormat::UInt8
                             ? (quint8(data[at]) - 128) / 128.0
                             : f.normalizedSampleValue(data.constData() + at));
    return values;
}

double peak(const std::vector<double>& values) {
    double result = 0;
    for (double v : values)
        result = std::max(result, std::abs(v));
    return result;
}

// The frequency of a sine, from its upward zero crossings.
double frequency(const std::vector<double>& values, int rate) {
    int first = -1, last = -1, crossings = 0;
    for (size_t i = 1; i < values.size(); ++i) {
        if (values[i - 1] < 0 && values[i] >= 0) {
            if (first < 0)
                first = int(i);
            last = int(i);
            ++crossings;
        }
    }
    if (crossings < 2)
        return 0;
    return double(crossings - 1) * rate / double(last - first);
}

// What the sound library itself says of a file it can't open.
QString libraryText(const QString& path) {
    SF_INFO info;
    std::memset(&info, 0, sizeof info);
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (file) {
        sf_close(file);
        return QString();
    }
    return QString::fromLocal8Bit(sf_strerror(nullptr));
}

} // namespace

class TestSoundDecoder : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void openFailures_data();
    void openFailures();
    void decodesFormats_data();
    void decodesFormats();
    void mapsChannels_data();
    void mapsChannels();
    void writesSampleTypes_data();
    void writesSampleTypes();
    void fileCutShortGivesWhatItHolds();
    void refusesSoundTooLongForMemory();

private:
    QString wave(const QString& name, double seconds = 0.2, int rate = 44100, int channels = 1);
    QTemporaryDir m_dir;
};

void TestSoundDecoder::initTestCase() {
    QVERIFY(m_dir.isValid());
}

QString TestSoundDecoder::wave(const QString& name, double seconds, int rate, int channels) {
    const QString path = m_dir.filePath(name);
    writeWave(path, sine(seconds, rate, channels, 440.0, 0.5), channels, rate);
    return path;
}

void TestSoundDecoder::openFailures_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content"); // empty with create false: no file at all
    QTest::addColumn<bool>("create");

    QByteArray good;
    {
        const QString path = wave(QStringLiteral("good-for-cutting.wav"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        good = file.readAll();
    }
    QTest::newRow("missing") << "missing.WAV" << QByteArray() << false;
    QTest::newRow("empty") << "empty.WAV" << QByteArray() << true;
    QTest::newRow("text") << "text.WAV" << QByteArray("This is not a sound at all.\n") << true;
    QTest::newRow("header cut short") << "cut.WAV" << good.left(30) << true;
    QTest::newRow("name with blanks and quotes")
        << "a \"quoted\" name.WAV" << QByteArray("no sound") << true;
}

void TestSoundDecoder::openFailures() {
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(bool, create);
    const QString path = m_dir.filePath(name);
    if (create)
        ferlo::test::writeFile(path, content);

    const QString cause = libraryText(path);
    QVERIFY2(!cause.isEmpty(), "the sound library opens the file after all");

    try {
        decodeSoundFile(path, format(48000, 2, QAudioFormat::Int16));
        QFAIL("decoding did not fail");
    } catch (const SoundError& error) {
        QVERIFY2(error.message().contains(path), qPrintable(error.message()));
        QVERIFY2(error.message().contains(cause), qPrintable(error.message()));
    }
}

void TestSoundDecoder::decodesFormats_data() {
    QTest::addColumn<int>("subtype");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("rate");

    const QList<QPair<const char*, int>> subtypes = {{"u8", SF_FORMAT_PCM_U8},
                                                     {"s16", SF_FORMAT_PCM_16},
                                                     {"s24", SF_FORMAT_PCM_24},
                                                     {"s32", SF_FORMAT_PCM_32},
                                                     {"float", SF_FORMAT_FLOAT}};
    for (const auto& [name, subtype] : subtypes)
        for (int channels : {1, 2})
            for (int rate : {8000, 11025, 22050, 44100, 48000, 96000})
                QTest::addRow("%s %dch %d Hz", name, channels, rate) << subtype << channels << rate;
}

// Every common kind of wave file comes out as a sine of the same pitch, loudness and length at
// the output's rate.
void TestSoundDecoder::decodesFormats() {
    QFETCH(int, subtype);
    QFETCH(int, channels);
    QFETCH(int, rate);
    const QString path = m_dir.filePath(QStringLiteral("format.wav"));
    writeWave(path, sine(0.5, rate, channels, 440.0, 0.5), channels, rate, subtype);

    const QAudioFormat out = format(48000, 2, QAudioFormat::Float);
    const QByteArray data = decodeSoundFile(path, out);
    QVERIFY(std::abs(data.size() / out.bytesPerFrame() - 24000) <= 2);
    for (int c = 0; c < 2; ++c) {
        const auto values = channel(data, out, c);
        // Sample by sample, across the blocks the file is read in: no frame lost or repeated.
        const double tolerance = subtype == SF_FORMAT_PCM_U8 ? 0.03 : 0.02;
        // (The frames after the file's last frame hold that frame.)
        const size_t interpolated = size_t((0.5 * rate - 1) * 48000 / rate);
        for (size_t i = 0; i < std::min(values.size(), interpolated); ++i) {
            const double expected = 0.5 * std::sin(2.0 * M_PI * 440.0 * double(i) / 48000.0);
            if (std::abs(values[i] - expected) > tolerance)
                QFAIL(qPrintable(QStringLiteral("frame %1 of channel %2 is %3, not %4")
                                     .arg(i)
                                     .arg(c)
                                     .arg(values[i])
                                     .arg(expected)));
        }
        QVERIFY2(std::abs(peak(values) - 0.5) < 0.02, qPrintable(QString::number(peak(values))));
        const double hz = frequency(values, 48000);
        QVERIFY2(std::abs(hz - 440.0) < 4.0, qPrintable(QString::number(hz)));
    }
}

void TestSoundDecoder::mapsChannels_data() {
    QTest::addColumn<int>("inChannels");
    QTest::addColumn<int>("outChannels");
    QTest::addColumn<QList<double>>("peaks"); // per output channel

    // The test file carries 0.6 on its first channel, 0.2 on its second, silence on others.
    QTest::newRow("mono to stereo") << 1 << 2 << QList<double>{0.6, 0.6};
    QTest::newRow("mono to mono") << 1 << 1 << QList<double>{0.6};
    QTest::newRow("stereo to mono mixes") << 2 << 1 << QList<double>{0.4};
    QTest::newRow("stereo to stereo") << 2 << 2 << QList<double>{0.6, 0.2};
    QTest::newRow("stereo to four") << 2 << 4 << QList<double>{0.6, 0.2, 0.0, 0.0};
    QTest::newRow("mono to six") << 1 << 6 << QList<double>{0.6, 0.6, 0.6, 0.6, 0.6, 0.6};
}

void TestSoundDecoder::mapsChannels() {
    QFETCH(int, inChannels);
    QFETCH(int, outChannels);
    QFETCH(QList<double>, peaks);

    const int rate = 16000;
    const auto tone = sine(0.25, rate, 1, 500.0, 1.0);
    std::vector<float> samples(tone.size() * inChannels, 0.0f);
    for (size_t i = 0; i < tone.size(); ++i) {
        samples[i * inChannels] = 0.6f * tone[i];
        if (inChannels > 1)
            samples[i * inChannels + 1] = 0.2f * tone[i];
    }
    const QString path = m_dir.filePath(QStringLiteral("channels.wav"));
    writeWave(path, samples, inChannels, rate, SF_FORMAT_FLOAT);

    const QAudioFormat out = format(rate, outChannels, QAudioFormat::Float);
    const QByteArray data = decodeSoundFile(path, out);
    QCOMPARE(data.size() / out.bytesPerFrame(), qsizetype(tone.size()));
    for (int c = 0; c < outChannels; ++c)
        QVERIFY2(
            std::abs(peak(channel(data, out, c)) - peaks[c]) < 0.01,
            qPrintable(
                QStringLiteral("channel %1 peaks at %2").arg(c).arg(peak(channel(data, out, c)))));
}

void TestSoundDecoder::writesSampleTypes_data() {
    QTest::addColumn<QAudioFormat::SampleFormat>("sampleFormat");
    QTest::newRow("Int16") << QAudioFormat::Int16;
    QTest::newRow("Float") << QAudioFormat::Float;
    QTest::newRow("Int32") << QAudioFormat::Int32;
    QTest::newRow("UInt8") << QAudioFormat::UInt8;
}

// Full scale and beyond stays in range; half scale is half scale.
void TestSoundDecoder::writesSampleTypes() {
    QFETCH(QAudioFormat::SampleFormat, sampleFormat);
    const QString path = m_dir.filePath(QStringLiteral("levels.wav"));
    writeWave(path, {0.5f, -0.5f, 1.0f, -1.0f, 0.0f}, 1, 8000, SF_FORMAT_FLOAT);
    const QAudioFormat out = format(8000, 1, sampleFormat);
    const auto values = channel(decodeSoundFile(path, out), out, 0);
    const QList<double> expected = {0.5, -0.5, 1.0, -1.0, 0.0};
    QCOMPARE(values.size(), size_t(expected.size()));
    const double tolerance = sampleFormat == QAudioFormat::UInt8 ? 0.01 : 0.0001;
    for (int i = 0; i < expected.size(); ++i)
        QVERIFY2(std::abs(values[size_t(i)] - expected[i]) <= tolerance,
                 qPrintable(QStringLiteral("sample %1 is %2").arg(i).arg(values[size_t(i)])));
}

// A file whose data stops before its header says gives the samples it holds.
void TestSoundDecoder::fileCutShortGivesWhatItHolds() {
    const QString whole = wave(QStringLiteral("whole.wav"), 1.0, 8000, 1);
    QFile file(whole);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const QString cut = m_dir.filePath(QStringLiteral("cut-in-data.wav"));
    ferlo::test::writeFile(cut, bytes.left(44 + 4000 * 2)); // header and half a second

    const QAudioFormat out = format(8000, 1, QAudioFormat::Int16);
    const QByteArray data = decodeSoundFile(cut, out);
    QVERIFY(std::abs(data.size() / 2 - 4000) <= 1);

    // An empty but well-formed file opens and decodes to nothing.
    const QString empty = m_dir.filePath(QStringLiteral("no-samples.wav"));
    writeWave(empty, {}, 1, 8000);
    QCOMPARE(decodeSoundFile(empty, out).size(), 0);
}

void TestSoundDecoder::refusesSoundTooLongForMemory() {
    // Six minutes of 8-bit mono at 8000 Hz: under 3 MB on disk, but 130 MB once played as
    // 16-bit stereo at 48000 Hz.
    const QString path = m_dir.filePath(QStringLiteral("long.wav"));
    writeWave(path, std::vector<float>(8000 * 360, 0.25f), 1, 8000, SF_FORMAT_PCM_U8);
    try {
        decodeSoundFile(path, format(48000, 2, QAudioFormat::Int16));
        QFAIL("a sound beyond the memory bound was decoded");
    } catch (const SoundError& error) {
        QVERIFY(error.message().contains(path));
        QVERIFY2(error.message().contains(QStringLiteral("too long")), qPrintable(error.message()));
    }
    // The same file fits when played as it is stored.
    QCOMPARE(decodeSoundFile(path, format(8000, 1, QAudioFormat::UInt8)).size(), 8000 * 360);

    // Only the decoded form counts: 100 s of 96 kHz stereo would be 77 MB as floats, but as
    // 16-bit at 48 kHz it is 19 MB, and it decodes.
    const QString highRate = m_dir.filePath(QStringLiteral("high-rate.wav"));
    writeWave(highRate, std::vector<float>(size_t(96000) * 100 * 2, 0.0f), 2, 96000,
              SF_FORMAT_PCM_U8);
    QCOMPARE(decodeSoundFile(highRate, format(48000, 2, QAudioFormat::Int16)).size(),
             qsizetype(48000) * 100 * 2 * 2);
    QFile::remove(highRate);
}

QTEST_MAIN(TestSoundDecoder)
#include "tst_sounddecoder.moc"
