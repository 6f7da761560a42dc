#include "PictureDecoder.h"

#include "Errors.h"
#include "NativePath.h"

#include <QFile>
#include <QImageReader>
#include <QtEndian>

#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// clang-format off
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace ferlo {

namespace {

constexpr qint64 kMegabyte = 1024 * 1024;
// No picture may make us allocate more than this for its pixels, nor make libjpeg use more than
// this for its own work (a progressive JPEG keeps all its coefficients: about 3 bytes a pixel).
constexpr qint64 kMaxImageBytes = 256 * kMegabyte;
constexpr long kMaxDecoderBytes = 256L * 1024 * 1024;
constexpr QRgb kMissingPixel = 0xff808080; // what libjpeg shows where data is missing
// A progressive JPEG has some ten scans; a file of thousands of tiny scans would keep libjpeg
// busy for minutes while showing nothing more.
constexpr int kMaxScans = 1000;
constexpr int kTooManyScans = -1; // our own error code beside libjpeg's

enum class PictureFormat { Jpeg, Bmp };

[[noreturn]] void fail(const QString& path, const QString& cause) {
    throw Error(QStringLiteral("Cannot load the picture %1: %2").arg(displayName(path), cause));
}

QString tooLarge(qint64 width, qint64 height) {
    return QStringLiteral("the picture is too large: %1 x %2 pixels need more than %3 MB")
        .arg(width)
        .arg(height)
        .arg(kMaxImageBytes / kMegabyte);
}

PictureFormat formatOf(const QString& path) {
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    const QString extension = dot > slash ? path.mid(dot + 1) : QString();
    if (extension.compare(QLatin1String("jpg"), Qt::CaseInsensitive) == 0 ||
        extension.compare(QLatin1String("jpeg"), Qt::CaseInsensitive) == 0)
        return PictureFormat::Jpeg;
    if (extension.compare(QLatin1String("bmp"), Qt::CaseInsensitive) == 0)
        return PictureFormat::Bmp;
    fail(path, QStringLiteral("the file name does not end in .jpg, .jpeg or .bmp"));
}

// The system's text for an errno value (thread-safe, unlike strerror).
QString systemError(int code) {
    return qt_error_string(code);
}

// The cause of a file that is not a plain, non-empty file, or an empty string.
QString fileTypeProblem(const struct stat& st) {
    if (S_ISDIR(st.st_mode))
        return QStringLiteral("it is a folder, not a picture file");
    if (!S_ISREG(st.st_mode))
        return QStringLiteral("it is not a plain file (a device, pipe or socket)");
    if (st.st_size == 0)
        return QStringLiteral("the file is empty");
    return {};
}

// An open picture file: a plain, non-empty file that can be read. Opening never blocks: the type
// is checked before opening (a FIFO is never opened for reading without O_NONBLOCK) and again on
// the open descriptor, in case the file was swapped in between.
class PictureFile {
public:
    explicit PictureFile(const QString& path) {
        if (path.isEmpty())
            fail(path, QStringLiteral("no file name was given"));
        const QByteArray name = encodePath(path);
        struct stat st {};
        if (::stat(name.constData(), &st) != 0) {
            const int code = errno;
            fail(path,
                 code == ENOENT ? QStringLiteral("the file does not exist") : systemError(code));
        }
        if (const QString problem = fileTypeProblem(st); !problem.isEmpty())
            fail(path, problem);
        m_fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (m_fd < 0) {
            const int code = errno;
            fail(path,
                 code == ENOENT ? QStringLiteral("the file does not exist") : systemError(code));
        }
        if (::fstat(m_fd, &m_stat) != 0) {
            const int code = errno;
            fail(path, systemError(code));
        }
        if (const QString problem = fileTypeProblem(m_stat); !problem.isEmpty())
            fail(path, problem);
    }
    ~PictureFile() {
        if (m_file)
            std::fclose(m_file);
        else if (m_fd >= 0)
            ::close(m_fd);
    }
    PictureFile(const PictureFile&) = delete;
    PictureFile& operator=(const PictureFile&) = delete;

    const struct stat& status() const { return m_stat; }

    FILE* stream(const QString& path) {
        if (!m_file) {
            m_file = ::fdopen(m_fd, "rb");
            if (!m_file) {
                const int code = errno;
                fail(path, systemError(code));
            }
        }
        return m_file;
    }

    // Hands the descriptor over to someone who closes it.
    int release() {
        const int fd = m_fd;
        m_fd = -1;
        return fd;
    }

private:
    int m_fd = -1;
    FILE* m_file = nullptr;
    struct stat m_stat {};
};

// ---- JPEG -------------------------------------------------------------------------------------
//
// libjpeg reports a fatal error through error_exit, which must not return. We leave it with
// longjmp back to a setjmp in jpegStep(), which holds no C++ objects; only after returning from
// there into ordinary C++ code is the error thrown. So no exception ever unwinds libjpeg's frames
// and no destructor is skipped by longjmp.

struct JpegErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    int code;
    // The data ended before the end of the picture; where libjpeg was when it noticed.
    bool hitEnd;
    int endScan;
    JDIMENSION endRow;
    char endMessage[JMSG_LENGTH_MAX];
};

struct JpegSession {
    jpeg_decompress_struct cinfo;
    JpegErrorManager err;
    bool created;
    FILE* stream;
    // The scale step's work: the size asked for.
    JDIMENSION wantWidth;
    JDIMENSION wantHeight;
    // The output step's work: the target rows and how many rows are written.
    uchar* bits;
    qsizetype bytesPerLine;
    JDIMENSION rowsDone;
    bool stopAtEnd;
    jpeg_progress_mgr progress;
};

// Called by libjpeg as it works through the file; stops a file of too many scans the way
// error_exit stops a broken one.
void onJpegProgress(j_common_ptr cinfo) {
    if (!cinfo->is_decompressor ||
        reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number <= kMaxScans)
        return;
    auto* err = reinterpret_cast<JpegErrorManager*>(cinfo->err);
    err->code = kTooManyScans;
    std::snprintf(err->message, sizeof err->message, "the picture has more than %d scans",
                  kMaxScans);
    std::longjmp(err->jump, 1);
}

void onJpegError(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<JpegErrorManager*>(cinfo->err);
    err->code = cinfo->err->msg_code;
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

void onJpegMessage(j_common_ptr cinfo, int level) {
    if (level >= 0)
        return; // trace messages
    auto* err = reinterpret_cast<JpegErrorManager*>(cinfo->err);
    ++cinfo->err->num_warnings;
    // The file ended, or the picture data ran into a marker: what follows is filled with grey.
    const int code = cinfo->err->msg_code;
    if ((code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER) && !err->hitEnd &&
        cinfo->is_decompressor) {
        const auto* dinfo = reinterpret_cast<j_decompress_ptr>(cinfo);
        err->hitEnd = true;
        err->endScan = dinfo->input_scan_number;
        err->endRow = dinfo->input_iMCU_row;
        (*cinfo->err->format_message)(cinfo, err->endMessage);
    }
}

// Runs one step of libjpeg work; false when libjpeg gave up (the message is in session.err).
// Steps are plain functions with no objects that need destroying.
bool jpegStep(JpegSession& session, void (*step)(JpegSession&)) {
    if (setjmp(session.err.jump))
        return false;
    step(session);
    return true;
}

class JpegDecoder {
public:
    JpegDecoder(const QString& path)
        : m_path(path)
        , m_file(path) {
        std::memset(&m_s, 0, sizeof m_s);
        m_s.cinfo.err = jpeg_std_error(&m_s.err.pub);
        m_s.err.pub.error_exit = onJpegError;
        m_s.err.pub.emit_message = onJpegMessage;
        check(jpegStep(m_s, [](JpegSession& s) {
            jpeg_create_decompress(&s.cinfo);
            s.created = true;
            s.cinfo.mem->max_memory_to_use = kMaxDecoderBytes;
            s.progress.progress_monitor = onJpegProgress;
            s.cinfo.progress = &s.progress;
        }));
        m_s.stream = m_file.stream(path);
    }
    ~JpegDecoder() {
        if (m_s.created)
            jpeg_destroy_decompress(&m_s.cinfo);
#ifdef __GLIBC__
        // A picture of many scans (progressive) keeps all its coefficients while it is decoded:
        // for a 48-megapixel photo some 150 MB in a few large blocks. glibc keeps blocks of up to
        // 32 MB in the heap once freed, so without this a card of such pictures would hold on to
        // tens of megabytes it no longer uses.
        if (m_bufferedWhole)
            malloc_trim(0);
#endif
    }
    JpegDecoder(const JpegDecoder&) = delete;
    JpegDecoder& operator=(const JpegDecoder&) = delete;

    QSize readHeader() {
        check(jpegStep(m_s, [](JpegSession& s) {
            jpeg_stdio_src(&s.cinfo, s.stream);
            jpeg_read_header(&s.cinfo, TRUE);
        }));
        checkNoEarlyEnd();
        return {int(m_s.cinfo.image_width), int(m_s.cinfo.image_height)};
    }

    QImage decode(const QSize& ownSize, QSize wanted) {
        const bool cmyk =
            m_s.cinfo.jpeg_color_space == JCS_CMYK || m_s.cinfo.jpeg_color_space == JCS_YCCK;
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
        m_s.cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRA;
#else
        m_s.cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_ARGB;
#endif
        chooseScale(ownSize, wanted);

        const qint64 width = m_s.cinfo.output_width;
        const qint64 height = m_s.cinfo.output_height;
        if (width * height > kMaxImageBytes / 4)
            fail(m_path, tooLarge(width, height));
        // Starting sets up libjpeg's own buffers (for a progressive picture: all its
        // coefficients), within its memory limit, before we allocate the pixels.
        m_bufferedWhole =
            jpeg_has_multiple_scans(&m_s.cinfo); // cannot fail once the header is read
        check(jpegStep(m_s, [](JpegSession& s) { jpeg_start_decompress(&s.cinfo); }));
        checkNoEarlyEnd();
        QImage image(int(width), int(height), QImage::Format_RGB32);
        if (image.isNull())
            fail(m_path, QStringLiteral("there is not enough memory for %1 x %2 pixels")
                             .arg(width)
                             .arg(height));

        m_s.bits = image.bits();
        m_s.bytesPerLine = image.bytesPerLine();
        // A one-scan picture cut short: stop reading once the rows that hold data are out, the
        // rest is grey anyway. A picture of many scans has read all its data already.
        m_s.stopAtEnd = !m_bufferedWhole;
        check(jpegStep(m_s, [](JpegSession& s) {
            const JDIMENSION rowsPerBand =
                JDIMENSION(s.cinfo.max_v_samp_factor * s.cinfo.min_DCT_scaled_size);
            JDIMENSION stopRow = s.cinfo.output_height;
            while (s.cinfo.output_scanline < stopRow) {
                JSAMPROW rows[16];
                const JDIMENSION first = s.cinfo.output_scanline;
                const JDIMENSION count = std::min<JDIMENSION>(16, s.cinfo.output_height - first);
                for (JDIMENSION i = 0; i < count; ++i)
                    rows[i] = s.bits + qsizetype(first + i) * s.bytesPerLine;
                jpeg_read_scanlines(&s.cinfo, rows, count);
                if (s.stopAtEnd && s.err.hitEnd && stopRow == s.cinfo.output_height &&
                    rowsPerBand > 0) {
                    const JDIMENSION bandEnd =
                        (s.cinfo.output_scanline + rowsPerBand - 1) / rowsPerBand * rowsPerBand;
                    stopRow =
                        std::min(s.cinfo.output_height, std::max(bandEnd, s.cinfo.output_scanline));
                }
            }
            s.rowsDone = s.cinfo.output_scanline;
        }));
        checkNoEarlyEnd();
        m_s.bits = nullptr;

        for (int y = int(m_s.rowsDone); y < image.height(); ++y) {
            QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            std::fill(line, line + image.width(), kMissingPixel);
        }
        if (cmyk)
            cmykToRgb(image, int(m_s.rowsDone), m_s.cinfo.saw_Adobe_marker);
        // The rest of the file is of no interest; abort rather than finish, which would read on.
        jpeg_abort_decompress(&m_s.cinfo);
        return image;
    }

private:
    void check(bool ok) {
        if (ok)
            return;
        QString cause = QString::fromLocal8Bit(m_s.err.message);
        switch (m_s.err.code) {
        case JERR_EMPTY_IMAGE:
            cause = QStringLiteral("the picture has no pixels (%1)").arg(cause);
            break;
        case JERR_NO_BACKING_STORE:
        case JERR_OUT_OF_MEMORY:
            cause =
                QStringLiteral(
                    "the picture is too large: decoding %1 x %2 pixels needs more than %3 MB (%4)")
                    .arg(m_s.cinfo.image_width)
                    .arg(m_s.cinfo.image_height)
                    .arg(kMaxDecoderBytes / kMegabyte)
                    .arg(cause);
            break;
        default:
            break;
        }
        fail(m_path, cause);
    }

    // A file that ends before the first band of pixels of its first scan has nothing to show.
    // A file cut off later shows what it holds; libjpeg fills the rest with grey.
    void checkNoEarlyEnd() {
        if (m_s.err.hitEnd && m_s.err.endScan <= 1 && m_s.err.endRow == 0)
            fail(m_path, QStringLiteral("the file is cut off before its picture data (%1)")
                             .arg(QString::fromLocal8Bit(m_s.err.endMessage)));
    }

    // The smallest DCT scale, num/8, whose output is not smaller than the wanted size either
    // way; full size when nothing smaller is wanted.
    void chooseScale(const QSize& ownSize, const QSize& wanted) {
        const bool smaller =
            wanted.isValid() && !wanted.isEmpty() &&
            (wanted.width() < ownSize.width() || wanted.height() < ownSize.height());
        m_s.wantWidth = smaller ? JDIMENSION(wanted.width()) : m_s.cinfo.image_width;
        m_s.wantHeight = smaller ? JDIMENSION(wanted.height()) : m_s.cinfo.image_height;
        check(jpegStep(m_s, [](JpegSession& s) {
            for (unsigned num = 1; num <= 8; ++num) {
                s.cinfo.scale_num = num;
                s.cinfo.scale_denom = 8;
                jpeg_calc_output_dimensions(&s.cinfo);
                if (s.cinfo.output_width >= s.wantWidth && s.cinfo.output_height >= s.wantHeight)
                    break;
            }
            // A scaled decode is smoothed down to its wanted size afterwards, which hides the
            // difference the finer colour upsampling makes; the plain one is faster.
            if (s.cinfo.scale_num < 8)
                s.cinfo.do_fancy_upsampling = FALSE;
        }));
    }

    // libjpeg gives CMYK (and YCCK turned into CMYK) as it is stored. Adobe's files store the
    // inks inverted (255 = no ink), which is how Photoshop writes them.
    static void cmykToRgb(QImage& image, int rows, bool adobeInverted) {
        for (int y = 0; y < rows; ++y) {
            uchar* line = image.scanLine(y);
            QRgb* out = reinterpret_cast<QRgb*>(line);
            for (int x = 0; x < image.width(); ++x) {
                int c = line[4 * x], m = line[4 * x + 1], yy = line[4 * x + 2], k = line[4 * x + 3];
                if (!adobeInverted) {
                    c = 255 - c;
                    m = 255 - m;
                    yy = 255 - yy;
                    k = 255 - k;
                }
                out[x] = qRgb((c * k + 127) / 255, (m * k + 127) / 255, (yy * k + 127) / 255);
            }
        }
    }

    QString m_path;
    PictureFile m_file;
    JpegSession m_s;
    bool m_bufferedWhole = false;
};

// ---- BMP --------------------------------------------------------------------------------------

// What our own look at a bitmap's headers tells: Qt's reader says little when it fails, and
// nothing when the pixel data is cut short.
struct BmpHeader {
    bool isBitmap = false; // starts with "BM"
    bool complete = false; // the headers up to the compression field are there
    uchar first[2] = {0, 0};
    qint64 width = 0;
    qint64 height = 0; // magnitude; topDown tells the order of the rows
    bool topDown = false;
    int bitsPerPixel = 0;
    quint32 compression = 0;
    qint64 dataOffset = 0;

    static BmpHeader read(QFile& device) {
        BmpHeader h;
        device.seek(0);
        const QByteArray bytes = device.read(34);
        const auto* b = reinterpret_cast<const uchar*>(bytes.constData());
        if (bytes.size() >= 2) {
            h.first[0] = b[0];
            h.first[1] = b[1];
            h.isBitmap = bytes.startsWith("BM");
        }
        if (!h.isBitmap || bytes.size() < 26)
            return h;
        const quint32 infoSize = qFromLittleEndian<quint32>(b + 14);
        h.dataOffset = qMax<qint64>(qFromLittleEndian<quint32>(b + 10), 14 + qint64(infoSize));
        if (infoSize == 12) { // the old OS/2 header
            h.width = qFromLittleEndian<qint16>(b + 18);
            const qint64 height = qFromLittleEndian<qint16>(b + 20);
            h.height = qAbs(height);
            h.bitsPerPixel = qFromLittleEndian<quint16>(b + 24);
            h.complete = true;
        } else if (bytes.size() >= 34) {
            h.width = qFromLittleEndian<qint32>(b + 18);
            const qint64 height = qFromLittleEndian<qint32>(b + 22);
            h.height = qAbs(height);
            h.topDown = height < 0;
            h.bitsPerPixel = qFromLittleEndian<quint16>(b + 28);
            h.compression = qFromLittleEndian<quint32>(b + 30);
            h.complete = true;
        }
        return h;
    }

    // Rows stored plainly, one after another (no run-length coding).
    bool uncompressed() const {
        return complete && (compression == 0 || compression == 3) && bitsPerPixel > 0 &&
               bitsPerPixel <= 32 && width > 0;
    }
    qint64 bytesPerRow() const { return (width * bitsPerPixel + 31) / 32 * 4; }
};

class BmpReader {
public:
    explicit BmpReader(const QString& path)
        : m_path(path) {
        PictureFile file(path);
        m_fileSize = file.status().st_size;
        const int fd = file.release();
        if (!m_device.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
            ::close(fd);
            fail(path, m_device.errorString());
        }
        m_reader.setDevice(&m_device);
        m_reader.setFormat("bmp");
        m_reader.setAutoDetectImageFormat(false);
        m_reader.setAllocationLimit(int(kMaxImageBytes / kMegabyte));
    }

    QSize readSize() {
        QSize size = m_reader.size();
        // Qt gives a top-down bitmap's height as stored: negative.
        if (size.height() < 0 && size.width() >= 0)
            size.setHeight(-size.height());
        if (!size.isValid())
            fail(m_path, cause());
        if (size.isEmpty())
            fail(m_path, QStringLiteral("the picture has no pixels (%1 x %2)")
                             .arg(size.width())
                             .arg(size.height()));
        // Compared without the factor 4, which could overflow near 2^31 x 2^31.
        if (qint64(size.width()) * size.height() > kMaxImageBytes / 4)
            fail(m_path, tooLarge(size.width(), size.height()));
        m_size = size;
        return size;
    }

    QImage read() {
        // Qt's reader fills the image it is given when size and format match, and leaves alone
        // what the file does not hold (rows of a cut-off file, pixels skipped by run-length
        // codes). So it gets an image filled beforehand: nothing shown is left uninitialised.
        const QImage::Format format = m_reader.imageFormat();
        QImage image(m_size, format == QImage::Format_Invalid ? QImage::Format_RGB32 : format);
        if (image.isNull())
            fail(m_path, QStringLiteral("there is not enough memory for %1 x %2 pixels")
                             .arg(m_size.width())
                             .arg(m_size.height()));
        image.fill(image.depth() == 32 ? kMissingPixel : 0u);
        if (!m_reader.read(&image) || image.isNull())
            fail(m_path, cause());
        image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32
                                                              : QImage::Format_RGB32);
        fillMissingRows(image);
        return image;
    }

private:
    // A plain bitmap cut off shows the rows it holds, the rest grey, like a cut-off JPEG; one
    // that holds no whole row fails.
    void fillMissingRows(QImage& image) {
        const BmpHeader header = BmpHeader::read(m_device);
        if (!header.uncompressed() || header.width != image.width() ||
            header.height != image.height())
            return;
        const qint64 rows = qMax<qint64>(0, m_fileSize - header.dataOffset) / header.bytesPerRow();
        if (rows >= header.height)
            return;
        if (rows == 0)
            fail(m_path, QStringLiteral("the file is cut off before its picture data"));
        const int first = header.topDown ? int(rows) : 0;
        const int end = header.topDown ? image.height() : image.height() - int(rows);
        for (int y = first; y < end; ++y) {
            QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            std::fill(line, line + image.width(), kMissingPixel);
        }
    }

    // Qt's message, or what the header tells when Qt says little: a file that does not start
    // with "BM", a width or height of zero, a size beyond the bound.
    QString cause() {
        const QString text =
            m_reader.error() == QImageReader::UnknownError
                ? QStringLiteral("the bitmap is damaged or of a kind that cannot be read")
                : m_reader.errorString();
        const BmpHeader header = BmpHeader::read(m_device);
        if (!header.isBitmap)
            return QStringLiteral("Not a BMP file: starts with 0x%1 0x%2")
                .arg(header.first[0], 2, 16, QLatin1Char('0'))
                .arg(header.first[1], 2, 16, QLatin1Char('0'));
        if (!header.complete)
            return text + QStringLiteral(" (the bitmap's header is cut off)");
        if (header.width == 0 || header.height == 0)
            return QStringLiteral("the picture has no pixels (%1 x %2)")
                .arg(header.width)
                .arg(header.height);
        if (header.width > 0 && header.width * header.height > kMaxImageBytes / 4)
            return tooLarge(header.width, header.height);
        return text;
    }

    QString m_path;
    qint64 m_fileSize = 0;
    QSize m_size;
    QFile m_device;
    QImageReader m_reader;
};

} // namespace

QSize readPictureSize(const QString& path) {
    if (formatOf(path) == PictureFormat::Bmp)
        return BmpReader(path).readSize();
    JpegDecoder decoder(path);
    return decoder.readHeader();
}

DecodedPicture loadPicture(const QString& path, const WantedSize& wanted) {
    if (formatOf(path) == PictureFormat::Bmp) {
        BmpReader reader(path);
        const QSize ownSize = reader.readSize();
        if (wanted)
            wanted(ownSize); // asked all the same, so that callers see the same sequence
        QImage image = reader.read();
        if (image.size() != ownSize)
            fail(path, QStringLiteral("the picture's pixels do not match its size"));
        return {ownSize, std::move(image)};
    }
    JpegDecoder decoder(path);
    const QSize ownSize = decoder.readHeader();
    const QSize size = wanted ? wanted(ownSize) : QSize();
    return {ownSize, decoder.decode(ownSize, size)};
}

PictureStamp pictureStamp(const QString& path) {
    formatOf(path);
    PictureFile file(path);
    const struct stat& st = file.status();
    return {qint64(st.st_size), qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
            qint64(st.st_ino), qint64(st.st_dev)};
}

} // namespace ferlo
