// Arbitrary bytes through the PNG reader, in both alpha modes. Most mutations
// break a chunk's CRC, so each input also runs once with every CRC repaired,
// which lets the fuzzer reach the chunk and pixel code behind the check.
#include "graphics/GraphicErrors.h"
#include "graphics/ovPNG.h"

#include <cstdlib>
#include <vector>

#include <zlib.h>

namespace {

std::uint32_t readU32BE(const std::uint8_t* p)
{
    return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) | p[3];
}

std::vector<std::uint8_t> withRepairedCrcs(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::uint8_t> file(data, data + size);
    for (std::size_t pos = 8; pos + 12 <= size;) {
        const std::uint32_t length = readU32BE(&file[pos]);
        if (length > size - pos - 12)
            break;
        const uLong crc = crc32(0, &file[pos + 4], uInt(length + 4));
        for (int i = 0; i < 4; ++i)
            file[pos + 8 + length + std::size_t(i)] = std::uint8_t(crc >> (24 - 8 * i));
        pos += 12 + std::size_t(length);
    }
    return file;
}

void load(const std::uint8_t* data, std::size_t size, TPNGAlpha alpha)
{
    TPNGGraphic graphic;
    try {
        graphic.LoadFromMemory(data, size, alpha);
    } catch (const EInvalidGraphic&) {
        return;
    }
    if (graphic.Bitmap().Width() != graphic.ImageProperties().Width)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    load(data, size, TPNGAlpha::Native);
    if (size < 8)
        return 0;
    const std::vector<std::uint8_t> repaired = withRepairedCrcs(data, size);
    load(repaired.data(), repaired.size(), TPNGAlpha::Native);
    load(repaired.data(), repaired.size(), TPNGAlpha::Keep);
    return 0;
}
