#pragma once

// A HEIC picture as libheif converts it to RGB itself, at full size: the reference the decoder
// is compared with in the tests, and the former way of decoding in bench/.

#include <QFile>
#include <QImage>
#include <QString>

#include <libheif/heif.h>

namespace ferlo::test {

inline QImage libheifRgb(const QString& path) {
    heif_context* context = heif_context_alloc();
    heif_context_read_from_file(context, QFile::encodeName(path).constData(), nullptr);
    heif_image_handle* handle = nullptr;
    heif_context_get_primary_image_handle(context, &handle);
    heif_image* decoded = nullptr;
    heif_decode_image(handle, &decoded, heif_colorspace_RGB, heif_chroma_interleaved_RGB, nullptr);
    int stride = 0;
    const uint8_t* plane =
        heif_image_get_plane_readonly(decoded, heif_channel_interleaved, &stride);
    const QImage image = QImage(plane, heif_image_get_width(decoded, heif_channel_interleaved),
                                heif_image_get_height(decoded, heif_channel_interleaved), stride,
                                QImage::Format_RGB888)
                             .convertToFormat(QImage::Format_RGB32);
    heif_image_release(decoded);
    heif_image_handle_release(handle);
    heif_context_free(context);
    return image;
}

} // namespace ferlo::test
