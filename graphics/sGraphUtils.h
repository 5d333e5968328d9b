#pragma once

#include "graphics/TBitmap.h"
#include "graphics/TColor.h"
#include "graphics/TRect.h"

#include <cstddef>
#include <cstdint>

// Skin-image pixels whose blue, green and red equal this colour are transparent:
// the keyed copies below never put them onto a target.
extern TColor TransparentColor;

TBitmap NewBitmap24(int width, int height);
TBitmap NewBitmap32(int width, int height);
// Same width, height and pixel format; zeroed content.
TBitmap NewBitmapLike(const TBitmap& bitmap);

// The blend of an image that carries its own mask, per channel: mask 0 shows the
// image byte, 255 keeps the destination byte (rounding down, so 255 over 0 is 254).
constexpr std::uint8_t MaskBlend(unsigned destination, unsigned image, unsigned mask)
{
    return std::uint8_t((destination * mask + image * (256 - mask)) >> 8);
}

// Clips a copy of sourceRect to `at`: negative coordinates on one side move the
// other side, then the rectangle is limited to the source and to what fits in
// the destination. False when nothing is left.
bool ClipCopy(TPoint& at, TRect& from, const TBitmap& source, const TBitmap& destination);

// Channel arithmetic on RGB colours (convert system colours first).
// Each channel is round(k * c1 + (1 - k) * c2), ties to even; the top byte is c1's.
TColor MixColor(TColor c1, TColor c2, double k);
// Each channel is (a * 127 + b * 129) div 256.
TColor AverageColor(TColor a, TColor b);

// Fills bytes of a row by repeating its first `period` bytes (period > 0),
// doubling the copied part each step.
void RepeatRowStart(std::uint8_t* row, std::size_t period, std::size_t bytes);

// Targets of the following three may be 24- or 32-bit (a brush leaves alpha 0);
// the colour goes through ColorToRGB; everything is clipped to the bitmaps.
void FillRectColor(TBitmap& target, const TRect& rect, TColor color);
// Bands of the given widths inside rect: top, left, bottom, right.
void FillFrameColor(TBitmap& target, const TRect& rect, TColor color, int left, int top, int right, int bottom);
// Copies the four border bands of the given width at the same place; both
// bitmaps must have the same pixel format, otherwise nothing is copied.
void CopyFrameBands(TBitmap& destination, const TBitmap& source, const TRect& rect, int width);

// The operations below work on 24-bit bitmaps and leave any other format alone.
// Their colour arguments go through ColorToRGB; key colours are compared with
// the pixels' blue, green and red bytes as given.

// rect's right column and bottom row are included. Each channel becomes
// round(k * pixel + (1 - k) * colour), k = percent / 100, ties to even.
void TintRect(TBitmap& bitmap, const TRect& rect, int percent, TColor color);
// Blends sourceRect of source into destination at point with BlendByWeight
// (only the low byte of weight counts: 255 keeps the destination, 0 takes the
// source). Negative coordinates on either side shift the other side.
void BlendBitmapRect(TBitmap& destination, const TBitmap& source, int weight, TPoint point, TRect sourceRect);
// The whole area, when both bitmaps have the same size.
void CrossFadeBitmaps(TBitmap& destination, const TBitmap& source, int weight);
// Copies sourceRect to (x, y): each channel becomes round(s - k * (s - d)),
// s source, d destination, ties to even; source pixels equal to keyColor are
// skipped unless keyColor is above $FEFFFFFF (no key).
void BlendBitmapKeyed(TBitmap& destination, int x, int y, TColor keyColor, double k, TRect sourceRect,
                      const TBitmap& source);
// Pixels other than keyColor: each channel becomes round(k * (pixel - colour) + colour).
void TintBitmap(TBitmap& bitmap, TColor color, TColor keyColor, double k);
// Same-size bitmaps: each channel becomes MaskBlend(pixel, colour, mask channel).
void ApplyColorByMask(TBitmap& bitmap, const TBitmap& mask, TColor color);
// All three channels become (blue + green + red) div 3.
void MakeGray(TBitmap& bitmap);
void MakeGrayExcept(TBitmap& bitmap, TColor keyColor);
// Copies the whole source to (x, y), skipping pixels equal to keyColor.
void CopyKeyedBitmap(TBitmap& destination, const TBitmap& source, int x, int y, TColor keyColor);
