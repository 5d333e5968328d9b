#include "data/skingen/TMasterAtlas.h"

#include "graphics/sGraphUtils.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <stdexcept>

namespace {

constexpr int Gap = 2;
constexpr int MaxHeight = 4096;

// A straight colour that happens to equal the transparent colour would vanish.
TColor avoidKey(TColor color)
{
    return color == clFuchsia ? RGBColor(255, 1, 255) : color;
}

std::uint8_t maskOf(float alpha)
{
    return std::uint8_t(std::lround((1.0f - std::clamp(alpha, 0.0f, 1.0f)) * 255.0f));
}

} // namespace

TMasterAtlas::TMasterAtlas(int width) : bitmap_(NewBitmap24(width, MaxHeight))
{
    FillRectColor(bitmap_, TRect{0, 0, width, MaxHeight}, clFuchsia);
}

TRect TMasterAtlas::place(int width, int height)
{
    if (width > bitmap_.Width())
        throw std::runtime_error("a picture is wider than the master bitmap");
    if (shelfX_ + width > bitmap_.Width()) {
        shelfY_ += shelfHeight_ + Gap;
        shelfX_ = 0;
        shelfHeight_ = 0;
    }
    if (shelfY_ + height > bitmap_.Height())
        throw std::runtime_error("the master bitmap is full");
    const TRect rect{shelfX_, shelfY_, shelfX_ + width, shelfY_ + height};
    shelfX_ += width + Gap;
    shelfHeight_ = std::max(shelfHeight_, height);
    return rect;
}

void TMasterAtlas::put(int x, int y, TColor color)
{
    std::uint8_t* p = bitmap_.ScanLine(y) + x * 3;
    p[0] = GetBValue(color);
    p[1] = GetGValue(color);
    p[2] = GetRValue(color);
}

TRect TMasterAtlas::AddMasked(const TCoverCanvas& canvas, int frameWidth, const TShape& keyed)
{
    const int h = canvas.Height();
    const TRect rect = place(canvas.Width(), h * 2);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < canvas.Width(); ++x) {
            const float alpha = canvas.AlphaAt(x, y);
            const std::uint8_t mask = maskOf(alpha);
            TColor image = avoidKey(canvas.ColorAt(x, y));
            if (mask == 255) {
                const bool key = !keyed || keyed(float(x % frameWidth) + 0.5f, float(y) + 0.5f) >= 0.5f;
                image = key ? clFuchsia : clWhite;
            }
            put(rect.Left + x, rect.Top + y, image);
            put(rect.Left + x, rect.Top + h + y, RGBColor(mask, mask, mask));
        }
    return rect;
}

TRect TMasterAtlas::AddOpaque(const TCoverCanvas& canvas, TColor matte)
{
    const TRect rect = place(canvas.Width(), canvas.Height());
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x) {
            const float alpha = std::clamp(canvas.AlphaAt(x, y), 0.0f, 1.0f);
            put(rect.Left + x, rect.Top + y, avoidKey(MixColor(canvas.ColorAt(x, y), matte, alpha)));
        }
    return rect;
}

TBitmap TMasterAtlas::Result() const
{
    const int height = std::max(1, shelfY_ + shelfHeight_);
    TBitmap result = NewBitmap24(bitmap_.Width(), height);
    for (int y = 0; y < height; ++y)
        std::memcpy(result.ScanLine(y), bitmap_.ScanLine(y), std::size_t(bitmap_.Width()) * 3);
    return result;
}
