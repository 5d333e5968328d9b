#include "graphics/ovFastAccess.h"
#include "graphics/sGraphUtils.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <vector>

// BlendRegion beside memcpy of the same rows, on areas the size of a button, a
// dialog and a large window: with inset 0 two bitmaps of the same size (a
// cross-fade), with inset 1 a bitmap of the area's size blended into one a
// pixel larger on every side (a section painted over its background).

static void FillPattern(TBitmap& bitmap, unsigned seed)
{
    for (int y = 0; y < bitmap.Height(); ++y) {
        std::uint8_t* row = bitmap.ScanLine(y);
        for (int i = 0; i < bitmap.Width() * 3; ++i)
            row[i] = std::uint8_t(i * 7 + y * 13 + seed);
    }
}

struct BlendSetup
{
    explicit BlendSetup(const benchmark::State& state)
        : width(int(state.range(0)))
        , height(int(state.range(1)))
        , inset(int(state.range(2)))
        , source(NewBitmap24(width, height))
        , destination(NewBitmap24(width + 2 * inset, height + 2 * inset))
    {
        FillPattern(source, 1);
        FillPattern(destination, 2);
    }
    std::int64_t Bytes() const { return std::int64_t(width) * height * 3; }
    int width;
    int height;
    int inset;
    TBitmap source;
    TBitmap destination;
};

static void BlendRegion(benchmark::State& state)
{
    BlendSetup setup(state);
    for (auto _ : state) {
        SharedFastSum24.BindPair(&setup.source, &setup.destination);
        SharedFastSum24.Weight = 102;
        SharedFastSum24.SourceRect = TRect{0, 0, setup.width, setup.height};
        SharedFastSum24.DestRect = TRect{setup.inset, setup.inset, setup.inset + setup.width, setup.inset + setup.height};
        SharedFastSum24.BlendRegion();
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * setup.Bytes());
}

static void MemcpyRows(benchmark::State& state)
{
    BlendSetup setup(state);
    const std::size_t rowBytes = std::size_t(setup.width) * 3;
    for (auto _ : state) {
        for (int y = 0; y < setup.height; ++y)
            std::memcpy(setup.destination.ScanLine(y + setup.inset) + setup.inset * 3, setup.source.ScanLine(y), rowBytes);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * setup.Bytes());
}

// Arguments: width, height, inset. The machine may be shared: with
// --benchmark_repetitions the fastest run is reported beside the mean and
// median, as the least disturbed one.
static void Cases(benchmark::internal::Benchmark* b)
{
    b->ArgNames({"w", "h", "inset"});
    for (const int inset : {0, 1})
        b->Args({100, 30, inset})->Args({400, 300, inset})->Args({1600, 1200, inset});
    b->ComputeStatistics("min", [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); });
}

BENCHMARK(BlendRegion)->Apply(Cases);
BENCHMARK(MemcpyRows)->Apply(Cases);

BENCHMARK_MAIN();
