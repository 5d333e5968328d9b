#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

enum class TPixelFormat { pf24bit, pf32bit };

// A device-independent bitmap: 24-bit rows are blue, green, red and padded to
// a multiple of 4 bytes; 32-bit rows are blue, green, red, alpha. Row pointers
// stay valid until the size or format changes. Code walks rows through
// ScanLine and Stride and never assumes the sign of the stride.
class TBitmap
{
public:
    TBitmap() = default;
    TBitmap(int width, int height, TPixelFormat format = TPixelFormat::pf24bit);

    int Width() const { return width_; }
    int Height() const { return height_; }
    TPixelFormat PixelFormat() const { return format_; }
    int BytesPerPixel() const { return format_ == TPixelFormat::pf32bit ? 4 : 3; }
    bool Empty() const { return width_ <= 0 || height_ <= 0; }

    // Reallocates to the new size and format; the content is zeroed.
    void SetSize(int width, int height);
    void SetPixelFormat(TPixelFormat format);

    std::uint8_t* ScanLine(int y) { return pixels_.data() + std::ptrdiff_t(y) * stride_; }
    const std::uint8_t* ScanLine(int y) const { return pixels_.data() + std::ptrdiff_t(y) * stride_; }
    // Distance in bytes from row y to row y + 1.
    std::ptrdiff_t Stride() const { return stride_; }

    static std::ptrdiff_t RowBytes(int width, TPixelFormat format);

private:
    void allocate();

    int width_ = 0;
    int height_ = 0;
    TPixelFormat format_ = TPixelFormat::pf24bit;
    std::ptrdiff_t stride_ = 0;
    std::vector<std::uint8_t> pixels_;
};
