#include "graphics/JpegReader.h"

#include "graphics/GraphicErrors.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>
#include <jerror.h>

namespace {

// libjpeg's own error handler prints and exits; ours jumps back to the decoder.
// A file whose data runs out before its last band of rows counts as an error, not
// as grey rows; one that only lacks its end marker still loads.
struct TJpegErrors
{
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    bool truncated;
    JDIMENSION truncatedAt;
};

void jumpOnError(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<TJpegErrors*>(info->err)->jump, 1);
}

void noteWarning(j_common_ptr info, int level)
{
    auto* errors = reinterpret_cast<TJpegErrors*>(info->err);
    if (level < 0 && errors->manager.msg_code == JWRN_JPEG_EOF && !errors->truncated) {
        errors->truncated = true;
        errors->truncatedAt = reinterpret_cast<j_decompress_ptr>(info)->output_scanline;
    }
}

void silence(j_common_ptr)
{
}

std::uint8_t inkToLight(unsigned ink, unsigned black, bool inverted)
{
    return inverted ? std::uint8_t(ink * black / 255) : std::uint8_t((255 - ink) * (255 - black) / 255);
}

void cmykRowToBgr(const JSAMPLE* cmyk, std::uint8_t* bgr, int width, bool inverted)
{
    for (int x = 0; x < width; ++x, cmyk += 4, bgr += 3) {
        bgr[0] = inkToLight(cmyk[2], cmyk[3], inverted);
        bgr[1] = inkToLight(cmyk[1], cmyk[3], inverted);
        bgr[2] = inkToLight(cmyk[0], cmyk[3], inverted);
    }
}

// Only plain locals live in this frame, so jumping back into it is safe.
bool decodeJpeg(const std::uint8_t* data, std::size_t size, TBitmap* bitmap)
{
    jpeg_decompress_struct info;
    TJpegErrors errors;
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = jumpOnError;
    errors.manager.emit_message = noteWarning;
    errors.manager.output_message = silence;
    errors.truncated = false;
    errors.truncatedAt = 0;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&info, TRUE);
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGR;
    if (!IsSaneImageSize(info.image_width, info.image_height)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_start_decompress(&info);
    const int width = int(info.output_width);
    const int height = int(info.output_height);
    bitmap->SetSize(width, height);
    JSAMPARRAY cmykRow = cmyk ? (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                                          JDIMENSION(width) * 4, 1)
                              : nullptr;
    // Rows decoded together; data missing only from the last band still decodes it.
    const JDIMENSION band = JDIMENSION(info.max_v_samp_factor) * DCTSIZE;
    auto cutShort = [&] { return errors.truncated && errors.truncatedAt + band < info.output_height; };
    while (info.output_scanline < info.output_height && !cutShort()) {
        const int y = int(info.output_scanline);
        JSAMPROW row = cmyk ? cmykRow[0] : bitmap->ScanLine(y);
        jpeg_read_scanlines(&info, &row, 1);
        if (cmyk)
            cmykRowToBgr(cmykRow[0], bitmap->ScanLine(y), width, info.saw_Adobe_marker);
    }
    const bool complete = info.output_scanline == info.output_height && !cutShort();
    jpeg_destroy_decompress(&info);
    return complete;
}

} // namespace

TBitmap ReadJpeg(const std::uint8_t* data, std::size_t size)
{
    TBitmap bitmap;
    if (size == 0 || !decodeJpeg(data, size, &bitmap))
        RaiseInvalidFormat("JPEG");
    return bitmap;
}
