#include "support/TestSupport.h"
#include "support/PhotoLike.h"

#include <libheif/heif.h>

#include <QApplication>
#include <QColorSpace>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QtEndian>
#include <QtMath>
#include <QtTest>
#include <cstring>

#include <cstdio>
#include <jpeglib.h>
#include <stdexcept>
#include <vector>

namespace ferlo::test {

bool servicesRequired() {
    return qEnvironmentVariable("FERLO_REQUIRE_SERVICES") == QLatin1String("1");
}

MessageRecorder::MessageRecorder() {
    m_previous = setMessageSink([this](MessageKind kind, const QString& text) {
        m_messages.append({kind, text});
    });
}

MessageRecorder::~MessageRecorder() {
    setMessageSink(std::move(m_previous));
}

QStringList MessageRecorder::texts() const {
    QStringList result;
    for (const Message& message : m_messages)
        result << message.text;
    return result;
}

QImage photoLikeImage(int width, int height, int seed) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        photoLikeRow(reinterpret_cast<QRgb*>(image.scanLine(y)), y, width, height, seed);
    return image;
}

void writeJpeg(const QString& path, const QImage& source, const JpegOptions& options) {
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    writeJpegRows(path, image.width(), image.height(), options, [&](int y, QRgb* line) {
        std::memcpy(line, image.constScanLine(y), size_t(image.width()) * sizeof(QRgb));
    });
}

void writeJpeg(const QString& path, const QImage& image, int quality, bool progressive,
               int components) {
    JpegOptions options;
    options.quality = quality;
    options.progressive = progressive;
    options.components = components;
    writeJpeg(path, image, options);
}

QByteArray be16(int v) {
    QByteArray b(2, 0);
    qToBigEndian(quint16(v), b.data());
    return b;
}

QByteArray withSegments(const QByteArray& jpeg, const QByteArray& segments) {
    return jpeg.left(2) + segments + jpeg.mid(2);
}

QByteArray exifOrientationSegment(int orientation, bool bigEndian) {
    const auto u16 = [&](int v) {
        return bigEndian ? be16(v) : QByteArray(1, char(v & 0xff)) + char((v >> 8) & 0xff);
    };
    const auto u32 = [&](int v) {
        return bigEndian ? u16(0) + u16(v) : u16(v) + u16(0);
    };
    QByteArray tiff = bigEndian ? QByteArray("MM") : QByteArray("II");
    tiff += u16(42) + u32(8);              // first IFD right after the header
    tiff += u16(1);                        // one entry:
    tiff += u16(0x0112) + u16(3) + u32(1); // Orientation, SHORT, one value,
    tiff += u16(orientation) + u16(0);     // held in the entry itself
    tiff += u32(0);                        // no next IFD
    return jpegSegment(0xe1, QByteArray("Exif\0\0", 6) + tiff);
}

QByteArray iccSegment(const QByteArray& profile) {
    return jpegSegment(0xe2, QByteArray("ICC_PROFILE\0", 12) + char(1) + char(1) + profile);
}

namespace {

// The image as a libheif picture of 8-bit interleaved RGB(A), with its ICC profile.
// An opaque picture of 10 bits a sample (each 8-bit one widened), as HDR phones write them.
heif_image* deepHeifPictureOf(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_RGB888);
    heif_image* picture = nullptr;
    heif_image_create(image.width(), image.height(), heif_colorspace_RGB,
                      heif_chroma_interleaved_RRGGBB_LE, &picture);
    heif_image_add_plane(picture, heif_channel_interleaved, image.width(), image.height(), 10);
    int stride = 0;
    uint8_t* plane = heif_image_get_plane(picture, heif_channel_interleaved, &stride);
    for (int y = 0; y < image.height(); ++y) {
        const uchar* in = image.constScanLine(y);
        uint8_t* out = plane + qsizetype(y) * stride;
        for (int i = 0; i < image.width() * 3; ++i) {
            const int sample = in[i] << 2 | in[i] >> 6;
            out[2 * i] = uint8_t(sample & 0xff);
            out[2 * i + 1] = uint8_t(sample >> 8);
        }
    }
    return picture;
}

heif_image* heifPictureOf(const QImage& source) {
    const bool alpha = source.hasAlphaChannel();
    const QImage image =
        source.convertToFormat(alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    heif_image* picture = nullptr;
    heif_image_create(image.width(), image.height(), heif_colorspace_RGB,
                      alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB, &picture);
    heif_image_add_plane(picture, heif_channel_interleaved, image.width(), image.height(), 8);
    int stride = 0;
    uint8_t* plane = heif_image_get_plane(picture, heif_channel_interleaved, &stride);
    const int rowBytes = image.width() * (alpha ? 4 : 3);
    for (int y = 0; y < image.height(); ++y)
        std::memcpy(plane + qsizetype(y) * stride, image.constScanLine(y), size_t(rowBytes));
    if (source.colorSpace().isValid()) {
        const QByteArray icc = source.colorSpace().iccProfile();
        heif_image_set_raw_color_profile(picture, "prof", icc.constData(), size_t(icc.size()));
    }
    return picture;
}

} // namespace

void writeHeic(const QString& path, const QImage& source, int quality) {
    HeicOptions options;
    options.quality = quality;
    writeHeic(path, source, options);
}

void writeHeic(const QString& path, const QImage& source, const HeicOptions& options) {
    heif_context* context = heif_context_alloc();
    heif_encoder* encoder = nullptr;
    if (heif_context_get_encoder_for_format(context, heif_compression_HEVC, &encoder).code !=
        heif_error_Ok)
        throw std::runtime_error("libheif has no HEVC encoder");
    heif_encoder_set_lossy_quality(encoder, options.quality);
    heif_image* picture = options.bitDepth > 8 ? deepHeifPictureOf(source) : heifPictureOf(source);
    heif_encoding_options* encoding = heif_encoding_options_alloc();
    heif_color_profile_nclx* nclx = nullptr;
    if (options.matrix >= 0) {
        nclx = heif_nclx_color_profile_alloc();
        heif_nclx_color_profile_set_matrix_coefficients(nclx, uint16_t(options.matrix));
        nclx->full_range_flag = options.fullRange ? 1 : 0;
        encoding->output_nclx_profile = nclx;
    }
    encoding->image_orientation = heif_orientation(options.orientation);
    heif_image_handle* handle = nullptr;
    bool written = heif_context_encode_image(context, picture, encoder, encoding, &handle).code ==
                   heif_error_Ok;
    if (written && options.thumbnail > 0) {
        heif_image* small =
            options.thumbnailImage.isNull() ? picture : heifPictureOf(options.thumbnailImage);
        heif_image_handle* thumbnail = nullptr;
        written = heif_context_encode_thumbnail(context, small, handle, encoder, encoding,
                                                options.thumbnail, &thumbnail)
                      .code == heif_error_Ok;
        heif_image_handle_release(thumbnail);
        if (small != picture)
            heif_image_release(small);
    }
    if (written && !options.exif.isEmpty())
        written = heif_context_add_exif_metadata(context, handle, options.exif.constData(),
                                                 int(options.exif.size()))
                      .code == heif_error_Ok;
    written =
        written && heif_context_write_to_file(context, QFile::encodeName(path).constData()).code ==
                       heif_error_Ok;
    heif_image_handle_release(handle);
    heif_encoding_options_free(encoding);
    heif_nclx_color_profile_free(nclx);
    heif_image_release(picture);
    heif_encoder_release(encoder);
    heif_context_free(context);
    if (!written)
        throw std::runtime_error("cannot write " + path.toStdString());
}

QByteArray jpegSegment(int marker, const QByteArray& body) {
    return QByteArray(1, char(0xff)) + char(marker) + be16(int(body.size()) + 2) + body;
}

// SOI, DQT, SOF (baseline 0xC0 or progressive 0xC2) for a grey picture of the given size, DHT,
// SOS, a little entropy-coded data and EOI: all the header a decoder needs, little of the data.
QByteArray jpegHeaderOnly(int width, int height, bool progressive, int dataBytes) {
    QByteArray bytes("\xff\xd8", 2);
    bytes += jpegSegment(0xdb, QByteArray(1, 0) + QByteArray(64, 1));
    bytes += jpegSegment(progressive ? 0xc2 : 0xc0, QByteArray(1, 8) + be16(height) + be16(width) +
                                                        QByteArray("\x01\x01\x11\x00", 4));
    // One code of one bit: DC category 0, AC end-of-block. All-zero data is a grey picture.
    QByteArray counts(16, 0);
    counts[0] = 1;
    bytes += jpegSegment(0xc4, QByteArray(1, 0x00) + counts + QByteArray(1, 0));
    bytes += jpegSegment(0xc4, QByteArray(1, 0x10) + counts + QByteArray(1, 0));
    bytes +=
        jpegSegment(0xda, QByteArray("\x01\x01\x00\x00", 4) + char(progressive ? 0 : 63) + char(0));
    bytes += QByteArray(dataBytes, 0);
    bytes += QByteArray("\xff\xd9", 2);
    return bytes;
}

void putLe16(QByteArray& b, int at, int v) {
    qToLittleEndian(quint16(v), b.data() + at);
}
void putLe32(QByteArray& b, int at, qint32 v) {
    qToLittleEndian(v, b.data() + at);
}

// A Windows bitmap with a BITMAPINFOHEADER: height < 0 means rows top-down.
QByteArray bmpFile(int width, int height, int bitsPerPixel, int compression,
                   const QList<QRgb>& palette, const QByteArray& pixels) {
    const int headerSize = 14 + 40 + 4 * int(palette.size());
    QByteArray b(headerSize, 0);
    b[0] = 'B';
    b[1] = 'M';
    putLe32(b, 2, headerSize + int(pixels.size()));
    putLe32(b, 10, headerSize);
    putLe32(b, 14, 40);
    putLe32(b, 18, width);
    putLe32(b, 22, height);
    putLe16(b, 26, 1);
    putLe16(b, 28, bitsPerPixel);
    putLe32(b, 30, compression);
    putLe32(b, 34, qint32(pixels.size()));
    putLe32(b, 46, qint32(palette.size()));
    for (int i = 0; i < palette.size(); ++i) {
        b[54 + 4 * i] = char(qBlue(palette[i]));
        b[55 + 4 * i] = char(qGreen(palette[i]));
        b[56 + 4 * i] = char(qRed(palette[i]));
    }
    return b + pixels;
}

void writeBmp(const QString& path, const QImage& image) {
    if (!image.save(path, "BMP"))
        throw std::runtime_error("cannot write test bitmap " + path.toStdString());
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write test file " + path.toStdString());
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace ferlo::test

namespace ferlo::test {

namespace {

// Calls `act` once a modal dialog of the type shows (polling, as the dialog runs its own loop);
// the watch ends with `owner`.
template <typename Dialog>
void onModal(std::function<void(Dialog*)> act, QObject* owner = nullptr) {
    auto* timer = new QTimer(owner);
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(dialog);
        }
    });
    timer->start();
}

} // namespace

void answerSaveDialog(const QString& folder, const QString& name, bool replace, QString* asked,
                      bool* dialogSeen) {
    *dialogSeen = false;
    onModal<QFileDialog>([=](QFileDialog* dialog) {
        *dialogSeen = true;
        dialog->setDirectory(folder);
        auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (!edit) {
            dialog->reject();
            return;
        }
        edit->selectAll();
        QTest::keyClicks(edit, name);
        onModal<QMessageBox>(
            [=](QMessageBox* box) {
                *asked = box->text();
                if (QAbstractButton* button =
                        box->button(replace ? QMessageBox::Yes : QMessageBox::No))
                    button->click();
                else
                    box->reject();
            },
            dialog);
        QTest::keyClick(edit, Qt::Key_Return); // the dialog's Save
        if (dialog->isVisible())
            dialog->reject();
    });
}

} // namespace ferlo::test
