// Arbitrary bytes through the BMP reader, with and without alpha.
#include "graphics/BmpReader.h"
#include "graphics/GraphicErrors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    for (TBmpAlpha alpha : {TBmpAlpha::Drop, TBmpAlpha::Keep}) {
        try {
            ReadBmp(data, size, alpha);
        } catch (const EInvalidGraphic&) {
        }
    }
    return 0;
}
