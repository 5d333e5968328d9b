#pragma once

#include "graphics/TBitmap.h"
#include "graphics/TColor.h"

#include <cstdint>
#include <string>
#include <vector>

// An 8-bit palette image: one palette index per pixel, rows top to bottom,
// Width bytes each without padding.
struct TPaletteImage
{
    int Width = 0;
    int Height = 0;
    std::vector<TColor> Palette; // at most 256 colours
    std::vector<std::uint8_t> Indices;
};

// A palette image of one colour: a one-entry palette and every index 0.
TPaletteImage FilledPaletteImage(int width, int height, TColor color);

// The bytes of a bitmap file (uncompressed, bottom-up rows). The palette image
// is written with 8 bits per pixel; a TBitmap with its own 24 or 32 bits.
std::vector<std::uint8_t> EncodeBmp(const TPaletteImage& image);
std::vector<std::uint8_t> EncodeBmp(const TBitmap& bitmap);

// Writes the encoded bitmap through a temporary file; "" on success, else
// one line saying what failed.
std::string SaveBmpFile(const std::string& fileName, const TPaletteImage& image);
std::string SaveBmpFile(const std::string& fileName, const TBitmap& bitmap);
