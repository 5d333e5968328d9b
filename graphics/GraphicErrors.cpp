#include "graphics/GraphicErrors.h"

void RaiseInvalidFormat(const char* format)
{
    throw EInvalidGraphic(std::string("Cannot load image. Invalid or unexpected ") + format + " image format.");
}

bool IsSaneImageSize(long long width, long long height)
{
    return width > 0 && height > 0 && width <= MaxImageSide && height <= MaxImageSide
        && std::size_t(width) * std::size_t(height) <= MaxImagePixels;
}
