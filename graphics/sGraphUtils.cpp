#include "graphics/sGraphUtils.h"

#include "graphics/ovFastAccess.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

TColor TransparentColor = clFuchsia;

TBitmap NewBitmap24(int width, int height)
{
    return TBitmap(width, height, TPixelFormat::pf24bit);
}

TBitmap NewBitmap32(int width, int height)
{
    return TBitmap(width, height, TPixelFormat::pf32bit);
}

TBitmap NewBitmapLike(const TBitmap& bitmap)
{
    return TBitmap(bitmap.Width(), bitmap.Height(), bitmap.PixelFormat());
}

// Rounds to nearest, ties to even (the default rounding mode); factors outside
// 0..1 saturate instead of wrapping around.
static std::uint8_t RoundToByte(double value)
{
    return std::uint8_t(std::clamp(std::nearbyint(value), 0.0, 255.0));
}

static std::uint8_t MixChannel(unsigned c1, unsigned c2, double k)
{
    return RoundToByte(k * c1 + (1 - k) * c2);
}

TColor MixColor(TColor c1, TColor c2, double k)
{
    return RGBColor(MixChannel(GetRValue(c1), GetRValue(c2), k), MixChannel(GetGValue(c1), GetGValue(c2), k),
                    MixChannel(GetBValue(c1), GetBValue(c2), k))
        | (c1 & 0xFF000000);
}

TColor AverageColor(TColor a, TColor b)
{
    auto average = [](unsigned x, unsigned y) { return std::uint8_t((x * 127 + y * 129) >> 8); };
    return RGBColor(average(GetRValue(a), GetRValue(b)), average(GetGValue(a), GetGValue(b)),
                    average(GetBValue(a), GetBValue(b)));
}

static bool Is24(const TBitmap& bitmap)
{
    return bitmap.PixelFormat() == TPixelFormat::pf24bit;
}

static bool IsKeyPixel(const std::uint8_t* p, TColor key)
{
    return p[0] == GetBValue(key) && p[1] == GetGValue(key) && p[2] == GetRValue(key);
}

static TRect ClipToBitmap(const TRect& rect, const TBitmap& bitmap)
{
    return TRect{std::max(rect.Left, 0), std::max(rect.Top, 0), std::min(rect.Right, bitmap.Width()),
                 std::min(rect.Bottom, bitmap.Height())};
}

// Calls visit(pixel) for every pixel of an already clipped area.
template<class Visit>
static void ForEachPixel(TBitmap& bitmap, const TRect& area, Visit visit)
{
    const int bpp = bitmap.BytesPerPixel();
    for (int y = area.Top; y < area.Bottom; ++y) {
        std::uint8_t* p = bitmap.ScanLine(y) + area.Left * bpp;
        for (int x = area.Left; x < area.Right; ++x, p += bpp)
            visit(p);
    }
}

static TRect WholeBitmap(const TBitmap& bitmap)
{
    return TRect{0, 0, bitmap.Width(), bitmap.Height()};
}

// One output byte for every input byte of each channel, for per-channel
// formulas against a fixed colour: the reals are evaluated 3 x 256 times only.
struct ChannelTables
{
    template<class Formula>
    ChannelTables(TColor color, Formula formula)
    {
        const unsigned channel[3] = {GetBValue(color), GetGValue(color), GetRValue(color)};
        for (int c = 0; c < 3; ++c)
            for (unsigned v = 0; v < 256; ++v)
                table[c][v] = formula(v, channel[c]);
    }
    void Apply(std::uint8_t* p) const
    {
        for (int c = 0; c < 3; ++c)
            p[c] = table[c][p[c]];
    }
    std::array<std::array<std::uint8_t, 256>, 3> table;
};

void RepeatRowStart(std::uint8_t* row, std::size_t period, std::size_t bytes)
{
    for (std::size_t done = period; done < bytes; done *= 2)
        std::memcpy(row + done, row, std::min(done, bytes - done));
}

// Fills the first row pixel by pixel and copies it to the others.
static void FillClippedRGB(TBitmap& target, const TRect& rect, TColor rgb)
{
    const TRect area = ClipToBitmap(rect, target);
    if (area.Width() <= 0 || area.Height() <= 0)
        return;
    const int bpp = target.BytesPerPixel();
    const std::uint8_t pixel[4] = {GetBValue(rgb), GetGValue(rgb), GetRValue(rgb), 0};
    std::uint8_t* first = target.ScanLine(area.Top) + area.Left * bpp;
    const std::size_t rowBytes = std::size_t(area.Width()) * bpp;
    for (std::size_t i = 0; i < rowBytes; i += bpp)
        std::memcpy(first + i, pixel, bpp);
    for (int y = area.Top + 1; y < area.Bottom; ++y)
        std::memcpy(target.ScanLine(y) + area.Left * bpp, first, rowBytes);
}

void FillRectColor(TBitmap& target, const TRect& rect, TColor color)
{
    FillClippedRGB(target, rect, ColorToRGB(color));
}

void FillFrameColor(TBitmap& target, const TRect& rect, TColor color, int left, int top, int right, int bottom)
{
    const TColor rgb = ColorToRGB(color);
    FillClippedRGB(target, TRect{rect.Left, rect.Top, rect.Right, rect.Top + top}, rgb);
    FillClippedRGB(target, TRect{rect.Left, rect.Top + top, rect.Left + left, rect.Bottom}, rgb);
    FillClippedRGB(target, TRect{rect.Left + left, rect.Bottom - bottom, rect.Right, rect.Bottom}, rgb);
    FillClippedRGB(target, TRect{rect.Right - right, rect.Top + top, rect.Right, rect.Bottom - bottom}, rgb);
}

static void CopySamePlace(TBitmap& destination, const TBitmap& source, const TRect& rect)
{
    const TRect area = ClipToBitmap(ClipToBitmap(rect, source), destination);
    if (area.Width() <= 0)
        return;
    const int bpp = destination.BytesPerPixel();
    for (int y = area.Top; y < area.Bottom; ++y)
        std::memmove(destination.ScanLine(y) + area.Left * bpp, source.ScanLine(y) + area.Left * bpp,
                     std::size_t(area.Width()) * bpp);
}

void CopyFrameBands(TBitmap& destination, const TBitmap& source, const TRect& rect, int width)
{
    if (destination.PixelFormat() != source.PixelFormat())
        return;
    CopySamePlace(destination, source, TRect{rect.Left, rect.Top, rect.Right, rect.Top + width});
    CopySamePlace(destination, source, TRect{rect.Left, rect.Bottom - width, rect.Right, rect.Bottom});
    CopySamePlace(destination, source, TRect{rect.Left, rect.Top + width, rect.Left + width, rect.Bottom - width});
    CopySamePlace(destination, source, TRect{rect.Right - width, rect.Top + width, rect.Right, rect.Bottom - width});
}

void TintRect(TBitmap& bitmap, const TRect& rect, int percent, TColor color)
{
    if (!Is24(bitmap))
        return;
    const TRect inclusive{rect.Left, rect.Top, rect.Right + 1, rect.Bottom + 1};
    const TRect area = ClipToBitmap(inclusive, bitmap);
    if (area.Height() <= 0)
        return;
    const double k = percent / 100.0;
    const ChannelTables tint(ColorToRGB(color), [k](unsigned p, unsigned c) { return MixChannel(p, c, k); });
    ForEachPixel(bitmap, area, [&](std::uint8_t* p) { tint.Apply(p); });
}

// When value is negative, moves it to 0 and the other side by as much.
static void MoveToZero(int& value, int& other)
{
    if (value < 0) {
        other -= value;
        value = 0;
    }
}

bool ClipCopy(TPoint& at, TRect& from, const TBitmap& source, const TBitmap& destination)
{
    MoveToZero(at.X, from.Left);
    MoveToZero(at.Y, from.Top);
    MoveToZero(from.Left, at.X);
    MoveToZero(from.Top, at.Y);
    from.Right = std::min({from.Right, source.Width(), from.Left + destination.Width() - at.X});
    from.Bottom = std::min({from.Bottom, source.Height(), from.Top + destination.Height() - at.Y});
    return from.Width() > 0 && from.Height() > 0;
}

// Calls visit(destinationPixel, sourcePixel) for every pixel of a clipped copy.
template<class Visit>
static void ForEachCopiedPixel(TBitmap& destination, TPoint at, const TBitmap& source, const TRect& from, Visit visit)
{
    for (int y = 0; y < from.Height(); ++y) {
        std::uint8_t* d = destination.ScanLine(at.Y + y) + at.X * 3;
        const std::uint8_t* s = source.ScanLine(from.Top + y) + from.Left * 3;
        for (int x = 0; x < from.Width(); ++x, d += 3, s += 3)
            visit(d, s);
    }
}

void BlendBitmapRect(TBitmap& destination, const TBitmap& source, int weight, TPoint point, TRect sourceRect)
{
    if (!ClipCopy(point, sourceRect, source, destination) || !SharedFastSum24.BindPair(&source, &destination))
        return;
    SharedFastSum24.Weight = std::uint8_t(weight);
    SharedFastSum24.SourceRect = sourceRect;
    SharedFastSum24.DestRect = TRect{point.X, point.Y, point.X + sourceRect.Width(), point.Y + sourceRect.Height()};
    SharedFastSum24.BlendRegion();
}

void CrossFadeBitmaps(TBitmap& destination, const TBitmap& source, int weight)
{
    if (destination.Width() != source.Width() || destination.Height() != source.Height())
        return;
    BlendBitmapRect(destination, source, weight, TPoint{0, 0}, WholeBitmap(source));
}

void BlendBitmapKeyed(TBitmap& destination, int x, int y, TColor keyColor, double k, TRect sourceRect,
                      const TBitmap& source)
{
    TPoint at{x, y};
    if (!Is24(destination) || !Is24(source) || !ClipCopy(at, sourceRect, source, destination))
        return;
    const bool keyed = keyColor <= 0xFEFFFFFF;
    ForEachCopiedPixel(destination, at, source, sourceRect, [&](std::uint8_t* d, const std::uint8_t* s) {
        if (keyed && IsKeyPixel(s, keyColor))
            return;
        for (int c = 0; c < 3; ++c)
            d[c] = RoundToByte(s[c] - k * (s[c] - d[c]));
    });
}

void TintBitmap(TBitmap& bitmap, TColor color, TColor keyColor, double k)
{
    if (!Is24(bitmap))
        return;
    const ChannelTables tint(ColorToRGB(color),
                             [k](unsigned p, unsigned c) { return RoundToByte(k * (double(p) - c) + c); });
    ForEachPixel(bitmap, WholeBitmap(bitmap), [&](std::uint8_t* p) {
        if (!IsKeyPixel(p, keyColor))
            tint.Apply(p);
    });
}

void ApplyColorByMask(TBitmap& bitmap, const TBitmap& mask, TColor color)
{
    if (!Is24(bitmap) || !Is24(mask) || bitmap.Width() != mask.Width() || bitmap.Height() != mask.Height())
        return;
    const TColor rgb = ColorToRGB(color);
    const unsigned channel[3] = {GetBValue(rgb), GetGValue(rgb), GetRValue(rgb)};
    ForEachCopiedPixel(bitmap, TPoint{0, 0}, mask, WholeBitmap(mask), [&](std::uint8_t* p, const std::uint8_t* m) {
        for (int c = 0; c < 3; ++c)
            p[c] = MaskBlend(p[c], channel[c], m[c]);
    });
}

static void MakePixelGray(std::uint8_t* p)
{
    p[0] = p[1] = p[2] = std::uint8_t((p[0] + p[1] + p[2]) / 3);
}

void MakeGray(TBitmap& bitmap)
{
    if (Is24(bitmap))
        ForEachPixel(bitmap, WholeBitmap(bitmap), MakePixelGray);
}

void MakeGrayExcept(TBitmap& bitmap, TColor keyColor)
{
    if (!Is24(bitmap))
        return;
    ForEachPixel(bitmap, WholeBitmap(bitmap), [&](std::uint8_t* p) {
        if (!IsKeyPixel(p, keyColor))
            MakePixelGray(p);
    });
}

void CopyKeyedBitmap(TBitmap& destination, const TBitmap& source, int x, int y, TColor keyColor)
{
    TPoint at{x, y};
    TRect from = WholeBitmap(source);
    if (!Is24(destination) || !Is24(source) || !ClipCopy(at, from, source, destination))
        return;
    ForEachCopiedPixel(destination, at, source, from, [&](std::uint8_t* d, const std::uint8_t* s) {
        if (!IsKeyPixel(s, keyColor))
            std::memcpy(d, s, 3);
    });
}
