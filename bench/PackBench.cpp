// Packing and unpacking a 4 MiB skin folder beside zlib alone on the same
// bytes at the same level: the difference is what the archive code costs.
#include "skinfiles/ovSkinPack.h"

#include <benchmark/benchmark.h>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>
#include <zlib.h>

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

// Skin-like content: INI text, a master bitmap of flat areas, gradients and
// some noise, and already-compressed images that zlib cannot shrink.
Bytes optionsText(std::size_t size)
{
    std::string text = "[GLOBALINFO]\r\nMASTERBITMAP=MASTER.BMP\r\n";
    for (int i = 0; text.size() < size; ++i)
        text += "[SECTION" + std::to_string(i) + "]\r\nCOLOR=" + std::to_string(i * 7919 % 16777216) +
                "\r\nBORDERSMASK=^MASTER.BMP^" + std::to_string(i % 500) + "^" + std::to_string(i % 400) + "^3^1\r\n";
    return Bytes(text.begin(), text.begin() + std::ptrdiff_t(size));
}

Bytes masterBitmap(int width, int height, std::mt19937& random)
{
    Bytes bytes(std::size_t(width) * height * 3);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint8_t* p = bytes.data() + (std::size_t(y) * width + x) * 3;
            const bool flat = (x / 64 + y / 64) % 3 == 0;
            p[0] = flat ? 0xFF : std::uint8_t(x + (random() & 7));
            p[1] = flat ? 0x00 : std::uint8_t(y);
            p[2] = flat ? 0xFF : std::uint8_t((x + y) / 2);
        }
    return bytes;
}

Bytes noise(std::size_t size, std::mt19937& random)
{
    Bytes bytes(size);
    for (std::uint8_t& b : bytes)
        b = std::uint8_t(random());
    return bytes;
}

struct SkinFolder
{
    std::string folder;
    std::string archive;
    std::string unpacked;
    std::vector<Bytes> files;    // archive order
    std::vector<Bytes> streams;  // the same files compressed by zlib alone
    std::size_t totalSize = 0;

    SkinFolder()
    {
        const fs::path root = fs::temp_directory_path() / ("vespira-packbench-" + std::to_string(getpid()));
        fs::create_directories(root / "skin");
        folder = (root / "skin").string() + "/";
        archive = (root / "skin.vpk").string();
        unpacked = (root / "out").string();
        std::mt19937 random(42);
        const std::vector<std::pair<std::string, Bytes>> content{
            {"Options.dat", optionsText(256 * 1024)},
            {"MASTER.BMP", masterBitmap(1024, 1024, random)},
            {"glow.png", noise(384 * 1024, random)},
            {"BACK.JPG", noise(384 * 1024, random)}};
        for (const auto& [name, bytes] : content) {
            std::ofstream(folder + name, std::ios::binary)
                .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
            files.push_back(bytes);
            streams.push_back(compress(bytes));
            totalSize += bytes.size();
        }
    }
    ~SkinFolder() { fs::remove_all(fs::path(archive).parent_path()); }

    static Bytes compress(const Bytes& bytes)
    {
        uLongf size = compressBound(uLong(bytes.size()));
        Bytes out(size);
        compress2(out.data(), &size, bytes.data(), uLong(bytes.size()), Z_DEFAULT_COMPRESSION);
        out.resize(size);
        return out;
    }
};

SkinFolder& skin()
{
    static SkinFolder instance;
    return instance;
}

Bytes readFile(const std::string& name)
{
    std::ifstream in(name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void BM_PackFolder(benchmark::State& state)
{
    for (auto _ : state)
        if (!PackFolder(skin().folder, skin().archive).empty())
            state.SkipWithError("pack failed");
    state.SetBytesProcessed(std::int64_t(state.iterations() * skin().totalSize));
}

void BM_ZlibCompressSameBytes(benchmark::State& state)
{
    Bytes out;
    for (auto _ : state)
        for (const Bytes& file : skin().files) {
            uLongf size = compressBound(uLong(file.size()));
            out.resize(size);
            compress2(out.data(), &size, file.data(), uLong(file.size()), Z_DEFAULT_COMPRESSION);
            benchmark::DoNotOptimize(out.data());
        }
    state.SetBytesProcessed(std::int64_t(state.iterations() * skin().totalSize));
}

void BM_UnpackInMemory(benchmark::State& state)
{
    PackFolder(skin().folder, skin().archive);
    TovSkinConvertor convertor;
    const Bytes source = readFile(skin().archive);
    for (auto _ : state) {
        convertor.Source = source;
        if (!convertor.Unpack().empty())
            state.SkipWithError("unpack failed");
        benchmark::DoNotOptimize(convertor.ImageItems.data());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations() * skin().totalSize));
}

void BM_UnpackToFolder(benchmark::State& state)
{
    PackFolder(skin().folder, skin().archive);
    for (auto _ : state)
        if (!UnpackToFolder(skin().archive, skin().unpacked).empty())
            state.SkipWithError("unpack failed");
    state.SetBytesProcessed(std::int64_t(state.iterations() * skin().totalSize));
}

void BM_ZlibInflateSameBytes(benchmark::State& state)
{
    std::vector<Bytes> out(skin().files.size());
    for (auto _ : state)
        for (std::size_t i = 0; i < out.size(); ++i) {
            // Fresh buffers, as the unpacker gives the loader fresh streams.
            out[i] = Bytes(skin().files[i].size());
            uLongf size = uLongf(out[i].size());
            uncompress(out[i].data(), &size, skin().streams[i].data(), uLong(skin().streams[i].size()));
            benchmark::DoNotOptimize(out[i].data());
        }
    state.SetBytesProcessed(std::int64_t(state.iterations() * skin().totalSize));
}

// The folder benchmarks also read or write files; these peers add the same
// plain file input and output to zlib, to tell file costs from archive costs.
void writeFile(const std::string& name, const Bytes& bytes)
{
    std::FILE* file = std::fopen(name.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

void BM_ZlibCompressWithFileIO(benchmark::State& state)
{
    const std::vector<std::string> names{"Options.dat", "MASTER.BMP", "glow.png", "BACK.JPG"};
    for (auto _ : state) {
        Bytes archive;
        for (const std::string& name : names) {
            const Bytes stream = SkinFolder::compress(readFile(skin().folder + name));
            archive.insert(archive.end(), stream.begin(), stream.end());
        }
        writeFile(skin().archive + ".peer", archive);
    }
    state.SetBytesProcessed(std::int64_t(state.iterations() * skin().totalSize));
}

void BM_ZlibInflateWithFileIO(benchmark::State& state)
{
    fs::create_directories(skin().unpacked + "-peer");
    for (auto _ : state)
        for (std::size_t i = 0; i < skin().files.size(); ++i) {
            Bytes out(skin().files[i].size());
            uLongf size = uLongf(out.size());
            uncompress(out.data(), &size, skin().streams[i].data(), uLong(skin().streams[i].size()));
            writeFile(skin().unpacked + "-peer/" + std::to_string(i), out);
        }
    state.SetBytesProcessed(std::int64_t(state.iterations() * skin().totalSize));
}

} // namespace

BENCHMARK(BM_PackFolder)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZlibCompressSameBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZlibCompressWithFileIO)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UnpackInMemory)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UnpackToFolder)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZlibInflateSameBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZlibInflateWithFileIO)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
