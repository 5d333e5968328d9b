#pragma once

#include "graphics/TBitmap.h"
#include "graphics/TColor.h"

#include <array>
#include <cstddef>
#include <cstdint>

// Colour types of a PNG file, in the numbering the file uses.
enum class TColorScheme { csG = 0, csRGB = 2, csIndexed = 3, csGA = 4, csRGBA = 6 };

// What the file header says about the image.
struct TPNGImageProperties
{
    int Width = 0;
    int Height = 0;
    int BitsPerSample = 0;
    TColorScheme ColorScheme = TColorScheme::csG;
    int SamplesPerPixel = 0;
    int BitsPerPixel = 0;
    int FilterMode = 0;
    bool Interlaced = false;
    bool HasAlpha = false;
    double FileGamma = 0; // from gAMA; 0 when the file has none
    bool UseGamma = false; // samples were corrected for a display gamma of 2.2
};

enum class TPNGAlpha
{
    // RGB with alpha gives a 32-bit bitmap with its alpha; everything else 24 bits
    // (grey with alpha drops the alpha, palette and grey images are expanded).
    Native,
    // Always a 32-bit bitmap: alpha from the alpha channel (also of grey images),
    // from the palette's transparency table, or 0 where a pixel has the
    // transparent colour; 255 elsewhere.
    Keep
};

// Reader of PNG files. Every failure throws: EInvalidGraphic with the message to
// show, EGraphicCompression when inflate cannot start, EColorConversionError for
// colour types and depths that have no conversion (see graphics/GraphicErrors.h).
class TPNGGraphic
{
public:
    void LoadFromMemory(const std::uint8_t* data, std::size_t size, TPNGAlpha alpha = TPNGAlpha::Native);

    const TBitmap& Bitmap() const { return bitmap_; }
    TBitmap& Bitmap() { return bitmap_; }
    const TPNGImageProperties& ImageProperties() const { return properties_; }
    // From bKGD; white when the file has none.
    TColor BackgroundColor() const { return backgroundColor_; }
    // From tRNS of grey and RGB images; clNone when the file has none.
    TColor TransparentColor() const { return transparentColor_; }
    // From tRNS of palette images: alpha of each palette entry, 255 where missing.
    const std::array<std::uint8_t, 256>& Transparency() const { return transparency_; }

private:
    friend class TPNGDecoder;

    TBitmap bitmap_;
    TPNGImageProperties properties_;
    TColor backgroundColor_ = clWhite;
    TColor transparentColor_ = clNone;
    std::array<std::uint8_t, 256> transparency_{};
};
