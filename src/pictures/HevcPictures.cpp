#include "pictures/HevcPictures.h"

#include "pictures/PlaneScaler.h"

#include <cstring>
#include <new>

namespace ferlo::pictures {

namespace {

// A new RGB picture of three 8-bit planes, or the error with nothing made.
heif_error newRgbImage(int width, int height, heif_image** out, uint8_t* planes[3],
                       int strides[3]) {
    heif_error error = heif_image_create(width, height, heif_colorspace_RGB, heif_chroma_444, out);
    if (error.code != heif_error_Ok)
        return error;
    const heif_channel channels[3] = {heif_channel_R, heif_channel_G, heif_channel_B};
    for (int plane = 0; plane < 3; ++plane) {
        error = heif_image_add_plane(*out, channels[plane], width, height, 8);
        if (error.code != heif_error_Ok) {
            heif_image_release(*out);
            *out = nullptr;
            return error;
        }
        planes[plane] = heif_image_get_plane(*out, channels[plane], &strides[plane]);
    }
    return heifSuccess();
}

// The colour description of the stream's VUI on the picture; a value libheif does not know is a
// warning on the picture, or the error in strict decoding.
heif_error describeColour(const StreamColour& colour, heif_image* image, bool strict) {
    heif_color_profile_nclx* nclx = heif_nclx_color_profile_alloc();
    if (!nclx)
        return heifNoMemory();
    const heif_error results[3] = {
        heif_nclx_color_profile_set_color_primaries(nclx, uint16_t(colour.primaries)),
        heif_nclx_color_profile_set_transfer_characteristics(nclx, uint16_t(colour.transfer)),
        heif_nclx_color_profile_set_matrix_coefficients(nclx, uint16_t(colour.matrix))};
    for (const heif_error& result : results) {
        if (result.code == heif_error_Ok)
            continue;
        if (strict) {
            heif_nclx_color_profile_free(nclx);
            return result;
        }
        heif_image_add_decoding_warning(image, result);
    }
    nclx->full_range_flag = uint8_t(colour.fullRange);
    const heif_error set = heif_image_set_nclx_color_profile(image, nclx);
    heif_nclx_color_profile_free(nclx);
    return set;
}

} // namespace

StreamColour streamColour(const de265_image* picture) {
    return {de265_get_image_colour_primaries(picture),
            de265_get_image_transfer_characteristics(picture),
            de265_get_image_matrix_coefficients(picture),
            de265_get_image_full_range_flag(picture) != 0};
}

heif_error toHeifImage(const de265_image* picture, heif_image** out) {
    const de265_chroma chroma = de265_get_chroma_format(picture);
    const bool mono = chroma == de265_chroma_mono;
    heif_error error = heif_image_create(
        de265_get_image_width(picture, 0), de265_get_image_height(picture, 0),
        mono ? heif_colorspace_monochrome : heif_colorspace_YCbCr, heif_chroma(chroma), out);
    if (error.code != heif_error_Ok)
        return error;
    const heif_channel channels[3] = {heif_channel_Y, heif_channel_Cb, heif_channel_Cr};
    const int depth = de265_get_bits_per_pixel(picture, 0);
    for (int plane = 0; plane < (mono ? 1 : 3); ++plane) {
        const int width = de265_get_image_width(picture, plane);
        const int height = de265_get_image_height(picture, plane);
        if (de265_get_bits_per_pixel(picture, plane) != depth)
            error = {heif_error_Unsupported_feature, heif_suberror_Unsupported_color_conversion,
                     "Channels with different number of bits per pixel are not supported"};
        else if (width <= 0 || height <= 0)
            error = {heif_error_Decoder_plugin_error, heif_suberror_Invalid_image_size,
                     kHeifNoText};
        else
            error = heif_image_add_plane(*out, channels[plane], width, height, depth);
        if (error.code != heif_error_Ok) {
            heif_image_release(*out);
            *out = nullptr;
            return error;
        }
        int fromStride = 0, toStride = 0;
        const uint8_t* from = de265_get_image_plane(picture, plane, &fromStride);
        uint8_t* to = heif_image_get_plane(*out, channels[plane], &toStride);
        const size_t rowBytes = size_t(width) * size_t((depth + 7) / 8);
        for (int y = 0; y < height; ++y)
            std::memcpy(to + size_t(y) * size_t(toStride), from + size_t(y) * size_t(fromStride),
                        rowBytes);
    }
    return heifSuccess();
}

bool rgbConversionFor(const de265_image* picture, const ItemColour& item, YCbCrToRgb* conversion) {
    if (de265_get_chroma_format(picture) == de265_chroma_mono)
        return false;
    for (int plane = 0; plane < 3; ++plane)
        if (de265_get_bits_per_pixel(picture, plane) != 8)
            return false;
    const StreamColour stream = streamColour(picture);
    return item.given ? yCbCrToRgbFor(item.matrixCoefficients, item.fullRange, conversion)
                      : yCbCrToRgbFor(stream.matrix, stream.fullRange, conversion);
}

heif_error toScaledRgbImage(const de265_image* picture, const YCbCrToRgb& conversion, QSize size,
                            heif_image** out) {
    SamplePlane planes[3];
    for (int plane = 0; plane < 3; ++plane)
        planes[plane].data = de265_get_image_plane(picture, plane, &planes[plane].stride);
    const de265_chroma chroma = de265_get_chroma_format(picture);
    const QSize in(de265_get_image_width(picture, 0), de265_get_image_height(picture, 0));
    YCbCrRows rows(planes[0], planes[1], planes[2], chroma != de265_chroma_444,
                   chroma == de265_chroma_420, in.width(), conversion);
    uint8_t* to[3] = {};
    int strides[3] = {};
    const heif_error error = newRgbImage(size.width(), size.height(), out, to, strides);
    if (error.code == heif_error_Ok)
        rgbRowsToPlanes(
            in, size, [&](int row, uchar* const rgb[3]) { rows.convert(row, rgb); }, to, strides);
    return error;
}

void copyForRgb(const de265_image* picture, const YCbCrToRgb& conversion, PendingRgb* pending) {
    const de265_chroma chroma = de265_get_chroma_format(picture);
    pending->colour = streamColour(picture);
    YCbCrCopy& copy = pending->copy;
    copy.conversion = conversion;
    copy.width = de265_get_image_width(picture, 0);
    copy.height = de265_get_image_height(picture, 0);
    copy.halfAcross = chroma != de265_chroma_444;
    copy.halfDown = chroma == de265_chroma_420;
    for (int plane = 0; plane < 3; ++plane) {
        int stride = 0;
        const uint8_t* from = de265_get_image_plane(picture, plane, &stride);
        copy.copyPlane(plane, {from, stride}, de265_get_image_width(picture, plane),
                       de265_get_image_height(picture, plane));
    }
}

heif_error toRgbImage(const YCbCrCopy& copy, heif_image** out) {
    uint8_t* planes[3] = {};
    int strides[3] = {};
    const heif_error error = newRgbImage(copy.width, copy.height, out, planes, strides);
    if (error.code != heif_error_Ok)
        return error;
    copy.convertInto(planes, strides);
    return heifSuccess();
}

heif_error finishImage(heif_error made, const StreamColour& colour, bool strict, heif_image** out) {
    if (made.code == heif_error_Ok)
        made = describeColour(colour, *out, strict);
    if (made.code != heif_error_Ok && *out) {
        heif_image_release(*out);
        *out = nullptr;
    }
    return made;
}

} // namespace ferlo::pictures
