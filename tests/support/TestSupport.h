#pragma once

#include "dialogs/Messages.h"
#include "support/JpegWriter.h"

#include <QImage>
#include <QList>
#include <QString>

namespace ferlo::test {

// Whether a test that needs a service (the sound or print server, root, Xvfb) fails instead of
// skipping where it is missing: FERLO_REQUIRE_SERVICES=1, as CI sets it.
bool servicesRequired();
// Goes on when the service is there; else skips the test, or fails it when services are required.
#define FERLO_REQUIRE_SERVICE(available, why)                                                      \
    do {                                                                                           \
        if (!(available)) {                                                                        \
            const QString reason = (why);                                                          \
            if (ferlo::test::servicesRequired())                                                   \
                QFAIL(qPrintable(reason));                                                         \
            QSKIP(qPrintable(reason));                                                             \
        }                                                                                          \
    } while (false)

// Records the messages the program shows instead of opening modal boxes.
class MessageRecorder {
public:
    struct Message {
        MessageKind kind;
        QString text;
    };
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    const QList<Message>& messages() const { return m_messages; }
    QStringList texts() const;
    void clear() { m_messages.clear(); }

private:
    QList<Message> m_messages;
    MessageSink m_previous;
};

// The photo-like picture of support/PhotoLike.h as an image (writePhotoJpeg there writes it as
// a JPEG without holding it). The seed varies the content.
QImage photoLikeImage(int width, int height, int seed = 0);

// Writes a JPEG through libjpeg. Components: 1 (grey), 3 (YCbCr) or 4 (Adobe CMYK).
void writeJpeg(const QString& path, const QImage& image, int quality = 85, bool progressive = false,
               int components = 3);
// Writes a JPEG in any of the forms of support/JpegWriter.h.
void writeJpeg(const QString& path, const QImage& image, const JpegOptions& options);

// A JPEG file's bytes with marker segments put right after its start-of-image marker.
QByteArray withSegments(const QByteArray& jpeg, const QByteArray& segments);
// An APP1 EXIF segment holding only the orientation tag (1..8), little- or big-endian.
QByteArray exifOrientationSegment(int orientation, bool bigEndian = false);
// APP2 segments holding an ICC profile.
QByteArray iccSegment(const QByteArray& profile);

// Writes a HEIC through libheif (HEVC by x265); with alpha when the image has it.
void writeHeic(const QString& path, const QImage& image, int quality = 90);
// How writeHeic codes the picture: the nclx matrix_coefficients and range of its samples (-1:
// libheif's own choice), the EXIF orientation (1..8) libheif stores as irot/imir boxes, and a
// thumbnail whose longer side is `thumbnail` pixels (0: none), coded from `thumbnailImage` when
// that is given (a thumbnail of another picture, shape or orientation), else from the picture.
struct HeicOptions {
    int quality = 90;
    int matrix = -1;
    bool fullRange = true;
    int orientation = 1;
    int bitDepth = 8; // 8, or 10 for a picture of 10 bits a sample
    int thumbnail = 0;
    QImage thumbnailImage;
    QByteArray exif; // an EXIF block (TIFF structure) stored as the picture's metadata
};
void writeHeic(const QString& path, const QImage& image, const HeicOptions& options);

// Writes a Windows bitmap through Qt.
void writeBmp(const QString& path, const QImage& image);

// Hand-made picture files for error cases.
// SOI, DQT, SOF (baseline 0xC0 or progressive 0xC2) for a grey picture of the given size, DHT,
// SOS, a little entropy-coded data and EOI: all the header a decoder needs, little of the data.
QByteArray jpegHeaderOnly(int width, int height, bool progressive, int dataBytes = 16);
// A JPEG marker segment: 0xFF, the marker, the big-endian length, the body.
QByteArray jpegSegment(int marker, const QByteArray& body);
QByteArray be16(int value);
void putLe16(QByteArray& bytes, int at, int value);
void putLe32(QByteArray& bytes, int at, qint32 value);
// A Windows bitmap with a BITMAPINFOHEADER: height < 0 means rows top-down.
QByteArray bmpFile(int width, int height, int bitsPerPixel, int compression,
                   const QList<QRgb>& palette, const QByteArray& pixels);

// Writes raw bytes to a file; throws std::runtime_error when it can't.
void writeFile(const QString& path, const QByteArray& bytes);
// A file's bytes; empty when it can't be read.
QByteArray readFile(const QString& path);

} // namespace ferlo::test

namespace ferlo::test {

// Answers the save dialog that the next command opens as a user would: goes to `folder`, types
// `name` into the name field and presses Save. A question about replacing a file is answered
// with `replace` (its text goes to `asked`); after a "No" the dialog is cancelled. `dialogSeen`
// tells whether a save dialog came.
void answerSaveDialog(const QString& folder, const QString& name, bool replace, QString* asked,
                      bool* dialogSeen);

} // namespace ferlo::test
