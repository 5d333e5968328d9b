#pragma once

#include "graphics/TBitmap.h"

#include <cstddef>
#include <cstdint>

// Decodes a JPEG file held in memory (grey, colour or CMYK) into a 24-bit bitmap.
// Throws EInvalidGraphic ("Cannot load image. Invalid or unexpected JPEG image
// format.") for malformed or truncated data; never prints anything.
TBitmap ReadJpeg(const std::uint8_t* data, std::size_t size);
