// Our PNG reader against libpng on the same files, both producing blue-green-red(-alpha) rows.
#include "graphics/ovPNG.h"

#include <benchmark/benchmark.h>
#include <png.h>

#include <csetjmp>
#include <cstring>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Sample
{
    const char* name;
    int width, height, colorType, bitDepth;
    bool interlaced;
};

const Sample Samples[] = {
    {"rgba8_1024x1024", 1024, 1024, PNG_COLOR_TYPE_RGB_ALPHA, 8, false},
    {"rgb8_1024x768", 1024, 768, PNG_COLOR_TYPE_RGB, 8, false},
    {"palette8_512x512", 512, 512, PNG_COLOR_TYPE_PALETTE, 8, false},
    {"grey16_512x512", 512, 512, PNG_COLOR_TYPE_GRAY, 16, false},
    {"rgba8_adam7_512x512", 512, 512, PNG_COLOR_TYPE_RGB_ALPHA, 8, true},
    {"rgba8_64x64", 64, 64, PNG_COLOR_TYPE_RGB_ALPHA, 8, false},
};

// Skin-like content: gradients, flat bands and a little noise, so every filter gets used.
std::uint8_t sampleAt(int x, int y, int channel, unsigned& seed)
{
    seed = seed * 1103515245u + 12345u;
    const int noise = int((seed >> 16) & 7);
    const int band = (y / 24) % 3;
    const int base = band == 0 ? (x * (channel + 1)) / 4 : band == 1 ? 128 + channel * 30 : (x + y) / 3;
    return std::uint8_t((base + noise) & 0xFF);
}

void appendToBytes(png_structp png, png_bytep data, png_size_t length)
{
    auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void noFlush(png_structp)
{
}

Bytes encode(const Sample& s)
{
    Bytes out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return {};
    }
    png_set_write_fn(png, &out, appendToBytes, noFlush);
    png_set_IHDR(png, info, png_uint_32(s.width), png_uint_32(s.height), s.bitDepth, s.colorType,
                 s.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    std::vector<png_color> palette(256);
    for (int i = 0; i < 256; ++i)
        palette[std::size_t(i)] = png_color{png_byte(i), png_byte(255 - i), png_byte(i / 2)};
    if (s.colorType == PNG_COLOR_TYPE_PALETTE)
        png_set_PLTE(png, info, palette.data(), 256);
    png_write_info(png, info);
    const int channels = s.colorType == PNG_COLOR_TYPE_RGB_ALPHA ? 4 : s.colorType == PNG_COLOR_TYPE_RGB ? 3 : 1;
    const int bytesPerSample = s.bitDepth / 8;
    std::vector<Bytes> rows(std::size_t(s.height), Bytes(std::size_t(s.width * channels * bytesPerSample)));
    unsigned seed = 1;
    for (int y = 0; y < s.height; ++y)
        for (int x = 0; x < s.width; ++x)
            for (int c = 0; c < channels * bytesPerSample; ++c)
                rows[std::size_t(y)][std::size_t((x * channels) * bytesPerSample + c)] = sampleAt(x, y, c, seed);
    std::vector<png_bytep> pointers;
    for (Bytes& row : rows)
        pointers.push_back(row.data());
    png_write_image(png, pointers.data());
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return out;
}

const Bytes& file(int index)
{
    static std::vector<Bytes> files = [] {
        std::vector<Bytes> all;
        for (const Sample& s : Samples)
            all.push_back(encode(s));
        return all;
    }();
    return files[std::size_t(index)];
}

struct Reader
{
    const Bytes* bytes;
    std::size_t pos;
};

void readFromBytes(png_structp png, png_bytep out, png_size_t length)
{
    auto* reader = static_cast<Reader*>(png_get_io_ptr(png));
    if (reader->bytes->size() - reader->pos < length)
        png_error(png, "short file");
    std::memcpy(out, reader->bytes->data() + reader->pos, length);
    reader->pos += length;
}

// libpng decoding into the same pixel layout our reader gives.
bool decodeWithLibpng(const Bytes& bytes, std::vector<std::uint8_t>& pixels, std::vector<png_bytep>& rows)
{
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    Reader reader{&bytes, 0};
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_set_read_fn(png, &reader, readFromBytes);
    png_read_info(png, info);
    const int colorType = png_get_color_type(png, info);
    png_set_expand(png);
    png_set_scale_16(png);
    png_set_gray_to_rgb(png);
    if (colorType == PNG_COLOR_TYPE_GRAY_ALPHA)
        png_set_strip_alpha(png);
    png_set_bgr(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    const std::size_t rowBytes = (png_get_rowbytes(png, info) + 3) & ~std::size_t(3);
    const std::size_t height = png_get_image_height(png, info);
    pixels.resize(rowBytes * height);
    rows.resize(height);
    for (std::size_t y = 0; y < height; ++y)
        rows[y] = pixels.data() + rowBytes * y;
    png_read_image(png, rows.data());
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    return true;
}

void BM_Ours(benchmark::State& state)
{
    const Bytes& bytes = file(int(state.range(0)));
    state.SetLabel(Samples[state.range(0)].name);
    for (auto _ : state) {
        TPNGGraphic graphic;
        graphic.LoadFromMemory(bytes.data(), bytes.size());
        benchmark::DoNotOptimize(graphic.Bitmap().ScanLine(0));
    }
}

void BM_Libpng(benchmark::State& state)
{
    const Bytes& bytes = file(int(state.range(0)));
    state.SetLabel(Samples[state.range(0)].name);
    for (auto _ : state) {
        std::vector<std::uint8_t> pixels;
        std::vector<png_bytep> rows;
        if (!decodeWithLibpng(bytes, pixels, rows))
            state.SkipWithError("libpng failed");
        benchmark::DoNotOptimize(pixels.data());
    }
}

void allSamples(benchmark::internal::Benchmark* b)
{
    for (std::size_t i = 0; i < std::size(Samples); ++i)
        b->Arg(int(i));
}

} // namespace

BENCHMARK(BM_Ours)->Apply(allSamples)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Libpng)->Apply(allSamples)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
