#include "graphics/TBitmap.h"

#include <algorithm>

TBitmap::TBitmap(int width, int height, TPixelFormat format)
    : width_(std::max(width, 0)), height_(std::max(height, 0)), format_(format)
{
    allocate();
}

void TBitmap::SetSize(int width, int height)
{
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    allocate();
}

void TBitmap::SetPixelFormat(TPixelFormat format)
{
    format_ = format;
    allocate();
}

std::ptrdiff_t TBitmap::RowBytes(int width, TPixelFormat format)
{
    const std::ptrdiff_t bytes = std::ptrdiff_t(std::max(width, 0)) * (format == TPixelFormat::pf32bit ? 4 : 3);
    return (bytes + 3) & ~std::ptrdiff_t(3);
}

void TBitmap::allocate()
{
    stride_ = RowBytes(width_, format_);
    pixels_.assign(std::size_t(stride_) * std::size_t(height_), 0);
}
