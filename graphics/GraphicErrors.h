#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

// Failures of the image readers. The message is the text shown to the user.
class EInvalidGraphic : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The compressed stream of an image could not be set up or torn down.
class EGraphicCompression : public EInvalidGraphic
{
public:
    using EInvalidGraphic::EInvalidGraphic;
};

// Samples could not be converted into the bitmap's pixel format.
class EColorConversionError : public EInvalidGraphic
{
public:
    using EInvalidGraphic::EInvalidGraphic;
};

// "Cannot load image. Invalid or unexpected <format> image format."
[[noreturn]] void RaiseInvalidFormat(const char* format);

// Largest bitmap a reader allocates: a bound on each side and on the pixel count,
// so a forged header cannot ask for gigabytes.
constexpr int MaxImageSide = 32768;
constexpr std::size_t MaxImagePixels = std::size_t(1) << 26;

bool IsSaneImageSize(long long width, long long height);
