#pragma once

#include "graphics/TBitmap.h"
#include "graphics/TColor.h"
#include "graphics/TRect.h"

#include <cstddef>
#include <cstdint>

// The weighted blend of BlendRegion: the destination byte keeps weight/255 and
// the source adds the rest, rounded by the +127. The sum never exceeds 16 bits;
// saying so lets the compiler blend many bytes at a time.
constexpr std::uint8_t BlendByWeight(std::uint8_t destination, std::uint8_t source, std::uint8_t weight)
{
    return std::uint8_t(std::uint16_t(destination * weight + source * (255 - weight) + 127) >> 8);
}

// Accessors bind a bitmap once and then read or write pixels without any
// bounds checks: callers clip first. Binding fails on bitmaps narrower or lower
// than 2 pixels and on the other pixel format; the accessor is then unbound.
class TovFast24
{
public:
    bool BindBitmap(const TBitmap* bitmap);
    const std::uint8_t* Row(int y) const { return Row0 + y * Stride; }
    // $00BBGGRR
    TColor ReadPixel(int x, int y) const
    {
        const std::uint8_t* p = Row(y) + x * 3;
        return RGBColor(p[2], p[1], p[0]);
    }

    const TBitmap* Bitmap = nullptr;
    int Width = 0;
    int Height = 0;
    const std::uint8_t* Row0 = nullptr;
    std::ptrdiff_t Stride = 0;
};

class TovFast32
{
public:
    bool BindBitmap(TBitmap* bitmap);
    std::uint8_t* Row(int y) const { return Row0 + y * Stride; }
    // The low 24 bits are $00BBGGRR; the top byte repeats red, not the stored
    // alpha. Use the low 24 bits, or compare two values read the same way.
    std::uint32_t ReadPixel(int x, int y) const
    {
        const std::uint8_t* p = Row(y) + x * 4;
        return RGBColor(p[2], p[1], p[0]) | (std::uint32_t(p[2]) << 24);
    }
    // Blue, green, red from the low 24 bits; the top byte becomes alpha.
    void WritePixel(int x, int y, std::uint32_t color) const
    {
        std::uint8_t* p = Row(y) + x * 4;
        p[0] = GetBValue(color);
        p[1] = GetGValue(color);
        p[2] = GetRValue(color);
        p[3] = std::uint8_t(color >> 24);
    }

    TBitmap* Bitmap = nullptr;
    int Width = 0;
    int Height = 0;
    std::uint8_t* Row0 = nullptr;
    std::ptrdiff_t Stride = 0;
};

// Blends a region of a source bitmap into a region of the same size in a
// destination bitmap, both 24-bit.
class TovFastSum24
{
public:
    // Also sets both regions to the whole common area.
    bool BindPair(const TBitmap* source, TBitmap* destination);
    // Every byte of DestRect becomes BlendByWeight(destination, source, Weight),
    // the source byte taken at the same offset from SourceRect's top-left.
    // Walks rows and bytes from the last to the first.
    void BlendRegion();

    const TBitmap* Source = nullptr;
    TBitmap* Destination = nullptr;
    int Width = 0;  // the smaller of both widths
    int Height = 0; // the smaller of both heights
    const std::uint8_t* SourceRow0 = nullptr;
    std::uint8_t* DestRow0 = nullptr;
    std::ptrdiff_t SourceStride = 0;
    std::ptrdiff_t DestStride = 0;
    std::uint8_t Weight = 0;
    TRect DestRect;
    TRect SourceRect;
};

// One instance each for all painting code; not re-entrant: bind, finish the
// loop, and call nothing that binds the same instance in between.
extern TovFast24 SharedFast24;
extern TovFast24 SharedFast24B;
extern TovFastSum24 SharedFastSum24;
extern TovFast32 SharedFast32;
