#pragma once

#include "graphics/TBitmap.h"

#include <cstdint>
#include <string>
#include <vector>

enum class TPngAlpha
{
    Drop, // every bitmap is written as 8-bit RGB
    Keep  // a 32-bit bitmap is written as 8-bit RGBA with its alpha byte; a 24-bit one as RGB
};

// The bytes of a PNG file holding the bitmap: IHDR, one zlib-compressed IDAT
// with filter 0 on every row, IEND.
std::vector<std::uint8_t> EncodePng(const TBitmap& bitmap, TPngAlpha alpha = TPngAlpha::Drop);

// Writes the encoded bitmap through a temporary file; "" on success, else one
// line saying what failed.
std::string SavePngFile(const std::string& fileName, const TBitmap& bitmap, TPngAlpha alpha = TPngAlpha::Drop);
