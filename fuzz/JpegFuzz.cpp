// Arbitrary bytes through the JPEG reader.
#include "graphics/GraphicErrors.h"
#include "graphics/JpegReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        ReadJpeg(data, size);
    } catch (const EInvalidGraphic&) {
    }
    return 0;
}
