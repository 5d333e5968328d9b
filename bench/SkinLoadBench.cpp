// Loading a skin of 70 sections with a 1024 x 1024 master bitmap: the whole
// load and each of its three loaders, beside the peer of simply reading the
// skin's files and decoding its master bitmap, in the same run.

#include "engine/sSkinLoader.h"
#include "graphics/BmpReader.h"
#include "graphics/BmpWriter.h"
#include "skinfiles/TMemIniFile.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kSections = 70;

std::string Digits(int value)
{
    std::string s = std::to_string(value);
    return std::string(4 - s.size(), '0') + s;
}

std::string Rect(char mark, int left, int top, int width, int height)
{
    return std::string(1, mark) + Digits(left) + mark + Digits(top) + mark + Digits(left + width) + mark +
           Digits(top + height);
}

// A section as skins write them: colours, contours, a gradient and three
// images; every third section inherits from the one before.
std::string SectionText(int i)
{
    const int x = (i % 10) * 100, y = (i / 10) * 100;
    std::string text = "[SECTION" + std::to_string(i) + "]\r\n";
    if (i % 3 == 2)
        text += "PARENTCLASS=SECTION" + std::to_string(i - 1) + "\r\n";
    else
        text += "COLOR=" + std::to_string(0x102030 * (i + 1) & 0xFFFFFF) + "\r\n"
                "HOTCOLOR=14344676\r\nFONTCOLOR=0\r\nHOTFONTCOLOR=16777215\r\nTCLEFT=-1\r\nTCTOP=8421504\r\n"
                "TRANSPARENCY=0\r\nGRADIENTPERCENT=50\r\nIMAGEPERCENT=0\r\nSHOWFOCUS=TRUE\r\n"
                "GRADIENTDATA=16579836;15066597;99;0;0;15066597;15066597;0;0;0\r\n";
    text += "BORDERSMASK=" + Rect('^', x, y, 60, 40) + "^0000^0000^0000^0000^3^1^4^1\r\n";
    text += "GLYPHMASK=" + Rect('@', x + 60, y, 30, 10) + "@3@0\r\n";
    text += "PATTERN=" + Rect('~', x + 60, y + 40, 20, 20) + "~10~0\r\n";
    return text;
}

std::string OptionsText()
{
    std::string text = "[GLOBALINFO]\r\nMASTERBITMAP=MASTER.BMP\r\nVERSION=6.03\r\nAUTHOR=Bench\r\n"
                       "SHADOW1BLUR=2\r\nCOLOR=14344676\r\nBOXCHECKED=@0000@1000@0039@1013@3@0\r\n";
    for (int i = 0; i < kSections - 1; ++i)
        text += SectionText(i);
    return text;
}

std::vector<std::uint8_t> ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    std::vector<std::uint8_t> bytes(std::size_t(in.tellg()));
    in.seekg(0);
    in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(bytes.size()));
    return bytes;
}

struct BenchSkin
{
    BenchSkin()
    {
        folder = dir.path().toStdString() + "/";
        std::ofstream(folder + "Options.dat", std::ios::binary) << OptionsText();
        TBitmap master(1024, 1024);
        for (int y = 0; y < master.Height(); ++y) {
            std::uint8_t* p = master.ScanLine(y);
            for (int x = 0; x < master.Width() * 3; ++x)
                p[x] = std::uint8_t(x * 7 + y);
        }
        SaveBmpFile(folder + "MASTER.BMP", master);
    }
    QTemporaryDir dir;
    std::string folder;
};

const BenchSkin& Skin()
{
    static const BenchSkin skin;
    return skin;
}

void Median(benchmark::internal::Benchmark* b)
{
    b->Repetitions(9)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);
}

void BM_LoadSkin(benchmark::State& state)
{
    const std::string folder = Skin().folder;
    for (auto _ : state) {
        TsSkinModel model;
        benchmark::DoNotOptimize(LoadSkinFolder(model, folder));
    }
}
BENCHMARK(BM_LoadSkin)->Apply(Median);

// One loader on a ready skin document, as the manager runs it.
template <void (*Loader)(TsSkinLoadContext&)>
void BM_Loader(benchmark::State& state)
{
    TMemIniFile document(Skin().folder + "Options.dat");
    TsSkinModel model;
    model.SkinData.SkinPath = Skin().folder;
    TsSkinLoadContext context{model};
    context.SkinDocument = &document;
    LoadSkinModel(context);
    for (auto _ : state)
        Loader(context);
}
BENCHMARK(BM_Loader<LoadAllMasks>)->Name("BM_LoadAllMasks")->Apply(Median);
BENCHMARK(BM_Loader<LoadAllPatterns>)->Name("BM_LoadAllPatterns")->Apply(Median);
BENCHMARK(BM_Loader<LoadAllGeneralData>)->Name("BM_LoadAllGeneralData")->Apply(Median);

// The peer: the least any load must do, reading the files and decoding the master bitmap.
void BM_ReadFilesAndDecodeMaster(benchmark::State& state)
{
    const std::string folder = Skin().folder;
    for (auto _ : state) {
        TMemIniFile document(folder + "Options.dat");
        const std::vector<std::uint8_t> bytes = ReadAll(folder + "MASTER.BMP");
        benchmark::DoNotOptimize(ReadBmp(bytes.data(), bytes.size()));
    }
}
BENCHMARK(BM_ReadFilesAndDecodeMaster)->Apply(Median);

} // namespace

BENCHMARK_MAIN();
