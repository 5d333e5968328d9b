#pragma once

#include "graphics/TBitmap.h"

#include <cstddef>
#include <cstdint>

enum class TBmpAlpha
{
    Drop, // every file becomes a 24-bit bitmap
    Keep  // a 32 bits per pixel file becomes a 32-bit bitmap with its alpha byte; others 24-bit
};

// Decodes a BMP file held in memory: 1, 4, 8 (palette), 16, 24 and 32 bits per pixel,
// bottom-up or top-down, uncompressed, bit fields (16 and 32 bits) and run-length
// encoded (4 and 8 bits). Throws EInvalidGraphic ("Cannot load image. Invalid or
// unexpected BMP image format.") for anything else or for truncated data.
TBitmap ReadBmp(const std::uint8_t* data, std::size_t size, TBmpAlpha alpha = TBmpAlpha::Drop);
