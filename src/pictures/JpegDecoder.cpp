// JPEG through libjpeg-turbo's libjpeg API, called directly. The size comes from the header alone;
// pixels are decoded at the smallest DCT scale n/8 whose output is not smaller than the wanted
// size either way, and come out as RGB whatever the file's colour space (grey, YCbCr, CMYK, YCCK).

#include "pictures/FormatDecoder.h"

#include "pictures/PictureFile.h"

#include <QCoreApplication>
#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// clang-format off
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

#include <sys/mman.h>
#include <unistd.h>

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

// libjpeg's data source over our open file, as jpeg_stdio_src reads it, which can also pass over
// a scan's entropy-coded data without decoding it (skipToMarker).
struct JpegSource {
    jpeg_source_mgr pub;
    FILE* stream;
    bool startOfFile;
    bool atEnd; // the file's bytes are all read
    JOCTET buffer[64 * 1024];
};

void sourceInit(j_decompress_ptr cinfo) {
    reinterpret_cast<JpegSource*>(cinfo->src)->startOfFile = true;
    reinterpret_cast<JpegSource*>(cinfo->src)->atEnd = false;
}

boolean sourceFill(j_decompress_ptr cinfo) {
    auto* src = reinterpret_cast<JpegSource*>(cinfo->src);
    size_t count = std::fread(src->buffer, 1, sizeof src->buffer, src->stream);
    if (count == 0) {
        if (src->startOfFile)
            ERREXIT(cinfo, JERR_INPUT_EMPTY);
        // The file ends early: libjpeg is told so and handed an end-of-image marker.
        WARNMS(cinfo, JWRN_JPEG_EOF);
        src->atEnd = true;
        src->buffer[0] = 0xFF;
        src->buffer[1] = JPEG_EOI;
        count = 2;
    }
    src->pub.next_input_byte = src->buffer;
    src->pub.bytes_in_buffer = count;
    src->startOfFile = false;
    return TRUE;
}

void sourceSkip(j_decompress_ptr cinfo, long count) {
    auto* src = reinterpret_cast<JpegSource*>(cinfo->src);
    while (count > long(src->pub.bytes_in_buffer)) {
        count -= long(src->pub.bytes_in_buffer);
        sourceFill(cinfo);
        // Past the end there is nothing to skip: the end-of-image marker handed in the file's
        // place stays. (Skipped two bytes at a time, a segment that claims 64 KB past the end
        // took 32,000 reads.)
        if (src->atEnd)
            return;
    }
    if (count > 0) {
        src->pub.next_input_byte += count;
        src->pub.bytes_in_buffer -= size_t(count);
    }
}

void sourceTerm(j_decompress_ptr) {}

// Moves the source to the next marker that is not a restart marker: past the rest of the
// current scan's entropy-coded data, which libjpeg then finds missing and takes as zeros.
void skipToMarker(j_decompress_ptr cinfo) {
    auto* src = reinterpret_cast<JpegSource*>(cinfo->src);
    for (;;) {
        const JOCTET* p = src->pub.next_input_byte;
        const JOCTET* end = p + src->pub.bytes_in_buffer;
        bool endsInFF = false;
        while (p < end) {
            p = static_cast<const JOCTET*>(std::memchr(p, 0xFF, size_t(end - p)));
            if (!p)
                break;
            if (p + 1 == end) {
                endsInFF = true;
                break;
            }
            const JOCTET code = p[1];
            // 0xFF00 is a stuffed 0xFF byte, 0xFFD0..0xFFD7 restart markers, 0xFFFF fill.
            if (code != 0 && code != 0xFF && (code < JPEG_RST0 || code > JPEG_RST0 + 7)) {
                src->pub.next_input_byte = p;
                src->pub.bytes_in_buffer = size_t(end - p);
                return;
            }
            ++p;
        }
        if (endsInFF) {
            // Keep the marker's first byte in front of what is read next.
            src->buffer[0] = 0xFF;
            size_t count = std::fread(src->buffer + 1, 1, sizeof src->buffer - 1, src->stream);
            if (count == 0) {
                WARNMS(cinfo, JWRN_JPEG_EOF);
                src->buffer[1] = JPEG_EOI;
                count = 1;
            }
            src->pub.next_input_byte = src->buffer;
            src->pub.bytes_in_buffer = count + 1;
        } else {
            src->pub.bytes_in_buffer = 0;
            sourceFill(cinfo);
        }
    }
}

// A picture of many scans keeps every block's coefficients until it is shown, 64 per block. At
// 1/8 scale a component shown one pixel a block needs only each block's first (DC) coefficient,
// and its other coefficients are never decoded (their scans are passed over), so it is stored in
// 1/64 of the room: libjpeg asks for its block arrays through the memory manager, and for such a
// component we hand it rows that lie 2 bytes apart, 64 rows over one stored row of blocks. Each
// block's DC coefficient then has its own place; its other 63 would overlap the neighbouring
// rows' DC but are neither written nor read. The first row keeps a stored row of its own: a scan
// passed over still has its first block decoded from the missing data.
//
// In this mode we keep every component's blocks ourselves, in memory mapped from the system
// (zero without being cleared, and in huge pages where the system offers them: the subsampled
// colour of a 24-megapixel photo still takes 24 MB, and paging in 4 KB at a time cost more than
// decoding it). They count against libjpeg's own memory limit.
struct BlockArray {
    void* mapped;
    size_t mappedBytes;
    JBLOCKARRAY rowTable; // the rows libjpeg sees
    JDIMENSION rows;
};

#if defined(__SANITIZE_ADDRESS__)
#define FERLO_ADDRESS_SANITIZER
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define FERLO_ADDRESS_SANITIZER
#endif
#endif

struct DcOnlyBlocks {
    int requests;                // block arrays asked for so far, one a component
    bool wanted[MAX_COMPONENTS]; // components to store DC-only
    BlockArray array[MAX_COMPONENTS];
};
constexpr JDIMENSION kRowsPerStoredRow = DCTSIZE2;
[[maybe_unused]] constexpr size_t kHugePage = 2 * 1024 * 1024; // not used under the sanitizer

struct JpegSession {
    jpeg_decompress_struct cinfo;
    JpegErrorManager err;
    bool created;
    FILE* stream;
    JpegSource source;
    // Passing over a scan's data on purpose: libjpeg's "hit a marker" is no sign of damage then.
    bool skipping;
    JOCTET* iccData;
    unsigned iccLength;
    // The scale step's work: the size asked for.
    JDIMENSION wantWidth;
    JDIMENSION wantHeight;
    // The output step's work: the target rows and how many rows are written.
    uchar* bits;
    qsizetype bytesPerLine;
    JDIMENSION rowsDone;
    bool stopAtEnd;
    jpeg_progress_mgr progress;
    DcOnlyBlocks dcOnly;
};

jvirt_barray_ptr requestBlocks(j_common_ptr common, int, boolean, JDIMENSION blocksPerRow,
                               JDIMENSION rows, JDIMENSION) {
    auto* cinfo = reinterpret_cast<j_decompress_ptr>(common);
    DcOnlyBlocks& d = reinterpret_cast<JpegSession*>(common->client_data)->dcOnly;
    // The coefficient controller asks for one array a component, in order, padded to whole MCUs.
    const int c = d.requests++;
    if (c >= cinfo->num_components || c >= MAX_COMPONENTS || rows == 0 || blocksPerRow == 0)
        ERREXIT(common, JERR_BAD_VIRTUAL_ACCESS);
    BlockArray& a = d.array[c];
    const bool compact = d.wanted[c];
    // A compact stored row has one block more for the last of its 64 rows, which starts 126
    // bytes in.
    const size_t storedRows =
        compact ? 1 + (rows - 1 + kRowsPerStoredRow - 1) / kRowsPerStoredRow : size_t(rows);
    const size_t rowBytes = (size_t(blocksPerRow) + (compact ? 1 : 0)) * sizeof(JBLOCK);
    const size_t bytes = storedRows * rowBytes;
    const size_t tableBytes = size_t(rows) * sizeof(JBLOCKROW);
    if (bytes + tableBytes >= size_t(common->mem->max_memory_to_use))
        ERREXIT1(common, JERR_OUT_OF_MEMORY, 0);
    common->mem->max_memory_to_use -= long(bytes + tableBytes);
    a.rowTable = static_cast<JBLOCKARRAY>(std::calloc(rows, sizeof(JBLOCKROW)));
    char* blocks = nullptr;
#ifdef FERLO_ADDRESS_SANITIZER
    // Mapped too, not taken from the heap: a heap block costs the sanitizer a write over all of
    // it and its shadow when taken and again when freed, however little of it the decode uses
    // (for a header that declares 2000 x 40000 pixels, half a second per decode). The blocks lie
    // flush against an inaccessible page, so that any access past their end still faults.
    const size_t page = size_t(sysconf(_SC_PAGESIZE));
    const size_t usable = (bytes + page - 1) / page * page;
    a.mappedBytes = usable + 2 * page;
    a.mapped = mmap(nullptr, a.mappedBytes, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (a.mapped == MAP_FAILED) {
        a.mapped = nullptr;
    } else if (mprotect(static_cast<char*>(a.mapped) + page, usable, PROT_READ | PROT_WRITE) != 0) {
        munmap(a.mapped, a.mappedBytes);
        a.mapped = nullptr;
    }
    if (a.mapped)
        blocks = static_cast<char*>(a.mapped) + page + (usable - bytes);
#else
    a.mappedBytes = bytes + (bytes >= kHugePage ? kHugePage : 0);
    a.mapped =
        mmap(nullptr, a.mappedBytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (a.mapped == MAP_FAILED)
        a.mapped = nullptr;
    blocks = static_cast<char*>(a.mapped);
    if (blocks && bytes >= kHugePage) {
        blocks = reinterpret_cast<char*>((reinterpret_cast<uintptr_t>(blocks) + kHugePage - 1) &
                                         ~uintptr_t(kHugePage - 1));
        madvise(blocks, bytes / kHugePage * kHugePage, MADV_HUGEPAGE); // a wish only
    }
#endif
    if (!blocks || !a.rowTable)
        ERREXIT1(common, JERR_OUT_OF_MEMORY, 0);
    a.rows = rows;
    for (JDIMENSION r = 0; r < rows; ++r) {
        if (!compact || r == 0) {
            a.rowTable[r] = reinterpret_cast<JBLOCKROW>(blocks + size_t(r) * rowBytes);
        } else {
            auto* stored =
                reinterpret_cast<JCOEF*>(blocks + (1 + (r - 1) / kRowsPerStoredRow) * rowBytes);
            a.rowTable[r] = reinterpret_cast<JBLOCKROW>(stored + (r - 1) % kRowsPerStoredRow);
        }
    }
    return reinterpret_cast<jvirt_barray_ptr>(&a);
}

JBLOCKARRAY accessBlocks(j_common_ptr common, jvirt_barray_ptr array, JDIMENSION first,
                         JDIMENSION count, boolean) {
    DcOnlyBlocks& d = reinterpret_cast<JpegSession*>(common->client_data)->dcOnly;
    auto* a = reinterpret_cast<BlockArray*>(array);
    if (a < d.array || a >= d.array + MAX_COMPONENTS || !a->rowTable || count > a->rows ||
        first > a->rows - count)
        ERREXIT(common, JERR_BAD_VIRTUAL_ACCESS);
    return a->rowTable + first;
}

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
    const bool skipping =
        cinfo->is_decompressor && reinterpret_cast<JpegSession*>(cinfo->client_data)->skipping;
    if ((code == JWRN_JPEG_EOF || (code == JWRN_HIT_MARKER && !skipping)) && !err->hitEnd &&
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
            s.cinfo.client_data = &s;
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
        for (const BlockArray& a : m_s.dcOnly.array) {
            if (a.mapped)
                munmap(a.mapped, a.mappedBytes);
            std::free(a.rowTable);
        }
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
            s.source.stream = s.stream;
            s.source.pub.init_source = sourceInit;
            s.source.pub.fill_input_buffer = sourceFill;
            s.source.pub.skip_input_data = sourceSkip;
            s.source.pub.resync_to_restart = jpeg_resync_to_restart;
            s.source.pub.term_source = sourceTerm;
            s.cinfo.src = &s.source.pub;
            // EXIF (orientation) and ICC profile.
            jpeg_save_markers(&s.cinfo, JPEG_APP0 + 1, 0xFFFF);
            jpeg_save_markers(&s.cinfo, JPEG_APP0 + 2, 0xFFFF);
            jpeg_read_header(&s.cinfo, TRUE);
        }));
        checkNoEarlyEnd();
        m_storedSize = QSize(int(m_s.cinfo.image_width), int(m_s.cinfo.image_height));
        for (jpeg_saved_marker_ptr m = m_s.cinfo.marker_list; m; m = m->next) {
            if (m->marker == JPEG_APP0 + 1 && m->data_length > 6 &&
                std::memcmp(m->data, "Exif\0\0", 6) == 0) {
                m_orientation = exifOrientation(m->data, qsizetype(m->data_length));
                break;
            }
        }
        return orientedSize(m_storedSize, m_orientation);
    }

    // ownSize and wanted are as the picture is shown, after its orientation.
    QImage decode(const QSize& ownSize, QSize wanted) {
        const bool cmyk =
            m_s.cinfo.jpeg_color_space == JCS_CMYK || m_s.cinfo.jpeg_color_space == JCS_YCCK;
        // An ICC profile of a colour picture; grey and CMYK pictures are shown as they are.
        QByteArray icc;
        if (m_s.cinfo.jpeg_color_space == JCS_YCbCr || m_s.cinfo.jpeg_color_space == JCS_RGB) {
            m_s.iccData = nullptr;
            m_s.iccLength = 0;
            const bool ok = jpegStep(m_s, [](JpegSession& s) {
                jpeg_read_icc_profile(&s.cinfo, &s.iccData, &s.iccLength);
            });
            if (ok && m_s.iccData)
                icc = QByteArray(reinterpret_cast<const char*>(m_s.iccData), int(m_s.iccLength));
            std::free(m_s.iccData); // a damaged profile is passed over
            m_s.iccData = nullptr;
        }
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
        m_s.cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRA;
#else
        m_s.cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_ARGB;
#endif
        Q_UNUSED(ownSize);
        chooseScale(m_storedSize, orientedSize(wanted, m_orientation));

        const qint64 width = m_s.cinfo.output_width;
        const qint64 height = m_s.cinfo.output_height;
        if (width * height > kMaxImageBytes / 4)
            fail(m_path, tooLarge(width, height));
        // Starting sets up libjpeg's own buffers (for a progressive picture: all its
        // coefficients), within its memory limit, before we allocate the pixels.
        m_bufferedWhole =
            jpeg_has_multiple_scans(&m_s.cinfo); // cannot fail once the header is read
        // At 1/8 scale each 8 x 8 block gives one pixel, its DC coefficient, which a progressive
        // picture sends first: its other scans are passed over.
        const bool dcOnly =
            m_s.cinfo.progressive_mode && m_s.cinfo.scale_num == 1 && m_s.cinfo.scale_denom == 8;
        if (dcOnly) {
            m_s.cinfo.buffered_image = TRUE;
            m_s.cinfo.do_block_smoothing = FALSE;
            // An arithmetic-coded scan passed over decodes its missing data as zeros into every
            // block, where the compact rows have no room: such files keep whole blocks.
            if (!m_s.cinfo.arith_code)
                storeDcOnly();
        }
        check(jpegStep(m_s, [](JpegSession& s) { jpeg_start_decompress(&s.cinfo); }));
        if (dcOnly)
            check(jpegStep(m_s, readDcScans));
        checkNoEarlyEnd();
        QImage image(int(width), int(height), QImage::Format_RGB32);
        if (image.isNull())
            fail(m_path, QCoreApplication::translate(
                             "PictureErrors", "there is not enough memory for %1 x %2 pixels")
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
        convertToSRgb(image, icc);
        return applyOrientation(std::move(image), m_orientation);
    }

    // The data ended, or ran into a marker, before the end of the picture: part of what decode
    // gave is grey.
    bool partial() const {
        return m_s.err.hitEnd;
    }

private:
    // Reads scans until every coefficient the output uses is complete, and starts the output from
    // the scans read. At 1/8 scale a component shown one pixel a block (the luma) needs only its
    // DC coefficient (the first DC scan and the DC refinement scans, if any); a subsampled
    // component that libjpeg enlarges by a larger inverse DCT (the chroma of a 4:2:0 picture)
    // needs its AC coefficients too, which take little room. The data of AC scans of the first
    // kind is passed over without decoding, and nothing is read after the last scan needed.
    static void readDcScans(JpegSession& s) {
        const auto complete = [](const jpeg_decompress_struct& cinfo) {
            if (!cinfo.coef_bits)
                return false;
            for (int c = 0; c < cinfo.num_components; ++c) {
                const int last = cinfo.comp_info[c].DCT_scaled_size > 1 ? DCTSIZE2 : 1;
                for (int k = 0; k < last; ++k) {
                    if (cinfo.coef_bits[c][k] != 0)
                        return false;
                }
            }
            return true;
        };
        // With restart markers, libjpeg finds the next one missing at each interval's end and
        // takes the rest of the scan as empty too. The compact DC storage relies on this: no AC
        // scan of a component shown one pixel a block is ever decoded past its first block.
        const auto unused = [](const jpeg_decompress_struct& cinfo) {
            if (cinfo.Ss == 0)
                return false;
            for (int i = 0; i < cinfo.comps_in_scan; ++i) {
                if (cinfo.cur_comp_info[i]->DCT_scaled_size > 1)
                    return false;
            }
            return true;
        };
        for (;;) {
            const int status = jpeg_consume_input(&s.cinfo);
            if (status == JPEG_SUSPENDED || status == JPEG_REACHED_EOI)
                break;
            if (s.cinfo.input_scan_number > kMaxScans)
                onJpegProgress(reinterpret_cast<j_common_ptr>(&s.cinfo));
            if (status == JPEG_REACHED_SOS) {
                s.skipping = unused(s.cinfo);
                if (s.skipping)
                    skipToMarker(&s.cinfo);
            } else if (status == JPEG_SCAN_COMPLETED) {
                s.skipping = false;
                if (complete(s.cinfo))
                    break;
            }
        }
        s.skipping = false;
        jpeg_start_output(&s.cinfo, s.cinfo.input_scan_number);
    }

    // Keeps libjpeg's block arrays ourselves, compact for the components shown one pixel a block
    // (see DcOnlyBlocks).
    void storeDcOnly() {
        DcOnlyBlocks& d = m_s.dcOnly;
        for (int c = 0; c < m_s.cinfo.num_components && c < MAX_COMPONENTS; ++c)
            d.wanted[c] = m_s.cinfo.comp_info[c].DCT_scaled_size == 1;
        m_s.cinfo.mem->request_virt_barray = requestBlocks;
        m_s.cinfo.mem->access_virt_barray = accessBlocks;
    }

    void check(bool ok) {
        if (ok)
            return;
        QString cause = QString::fromLocal8Bit(m_s.err.message);
        switch (m_s.err.code) {
        case kTooManyScans:
            cause =
                QCoreApplication::translate("PictureErrors", "the picture has more than %1 scans")
                    .arg(kMaxScans);
            break;
        case JERR_EMPTY_IMAGE:
            cause = QCoreApplication::translate("PictureErrors", "the picture has no pixels (%1)")
                        .arg(cause);
            break;
        case JERR_NO_BACKING_STORE:
        case JERR_OUT_OF_MEMORY:
            cause =
                QCoreApplication::translate(
                    "PictureErrors",
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
            fail(m_path, QCoreApplication::translate(
                             "PictureErrors", "the file is cut off before its picture data (%1)")
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
    QSize m_storedSize;
    int m_orientation = 1;
};

QSize readJpegSize(const QString& path) {
    JpegDecoder decoder(path);
    return decoder.readHeader();
}

DecodedPicture loadJpeg(const QString& path, const WantedSize& wanted) {
    JpegDecoder decoder(path);
    const QSize ownSize = decoder.readHeader();
    const QSize size = wanted ? wanted(ownSize) : QSize();
    QImage image = decoder.decode(ownSize, size);
    return {ownSize, std::move(image), decoder.partial()};
}

} // namespace

const FormatDecoder jpegDecoder{readJpegSize, nullptr, loadJpeg};

} // namespace ferlo::pictures
