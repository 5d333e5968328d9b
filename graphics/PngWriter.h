#pragma once

#include "graphics/TBitmap.h"

#include <cstdint>
#include <string>
#include <vector>

// The bytes of a PNG file holding the bitmap as 8-bit RGB (a 32-bit bitmap's
// alpha is dropped): IHDR, one zlib-compressed IDAT with filter 0 on every
// row, IEND.
std::vector<std::uint8_t> EncodePng(const TBitmap& bitmap);

// Writes the encoded bitmap through a temporary file; "" on success, else one
// line saying what failed.
std::string SavePngFile(const std::string& fileName, const TBitmap& bitmap);
