#include "JpegDecoder.h"

#include "PictureFile.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>

// clang-format off
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace ferlo::pictures {

namespace {

// libjpeg's own work keeps to the same bound (a progressive JPEG keeps all its coefficients:
// about 3 bytes a pixel).
constexpr long kMaxDecoderBytes = 256L * 1024 * 1024;
// A progressive JPEG has some ten scans; a file of thousands of tiny scans would keep libjpeg
// busy for minutes while showing nothing more.
constexpr int kMaxScans = 1000;
constexpr int kTooManyScans = -1; // our own error code beside libjpeg's

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
        m_s.stream = m_file.stream();
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

} // namespace

QSize readJpegSize(const QString& path) {
    JpegDecoder decoder(path);
    return decoder.readHeader();
}

DecodedPicture loadJpeg(const QString& path, const WantedSize& wanted) {
    JpegDecoder decoder(path);
    const QSize ownSize = decoder.readHeader();
    const QSize size = wanted ? wanted(ownSize) : QSize();
    return {ownSize, decoder.decode(ownSize, size)};
}

} // namespace ferlo::pictures
