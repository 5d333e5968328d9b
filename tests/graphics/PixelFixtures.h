#pragma once

#include "graphics/TBitmap.h"
#include "graphics/TColor.h"

#include <string>
#include <vector>

// Tiny bitmaps for byte-exact pixel tests. Colours are $00BBGGRR; a 32-bit
// pixel's alpha is the colour's top byte.
inline void SetPixel(TBitmap& bitmap, int x, int y, TColor color)
{
    std::uint8_t* p = bitmap.ScanLine(y) + x * bitmap.BytesPerPixel();
    p[0] = GetBValue(color);
    p[1] = GetGValue(color);
    p[2] = GetRValue(color);
    if (bitmap.BytesPerPixel() == 4)
        p[3] = std::uint8_t(color >> 24);
}

inline TColor Pixel(const TBitmap& bitmap, int x, int y)
{
    const std::uint8_t* p = bitmap.ScanLine(y) + x * bitmap.BytesPerPixel();
    const TColor alpha = bitmap.BytesPerPixel() == 4 ? TColor(p[3]) << 24 : 0;
    return RGBColor(p[2], p[1], p[0]) | alpha;
}

inline TBitmap Solid(int width, int height, TColor color, TPixelFormat format = TPixelFormat::pf24bit)
{
    TBitmap bitmap(width, height, format);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            SetPixel(bitmap, x, y, color);
    return bitmap;
}

inline TColor Gray(std::uint8_t v)
{
    return RGBColor(v, v, v);
}

// A picture of which pixels hold `color`: one string a row, '#' for those
// that do, '.' for the others.
inline std::vector<std::string> Picture(const TBitmap& bitmap, TColor color)
{
    std::vector<std::string> rows;
    for (int y = 0; y < bitmap.Height(); ++y) {
        std::string row;
        for (int x = 0; x < bitmap.Width(); ++x)
            row += Pixel(bitmap, x, y) == color ? '#' : '.';
        rows.push_back(row);
    }
    return rows;
}
