#include "graphics/ovFastAccess.h"
#include "graphics/sGraphUtils.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <vector>

// BlendRegion beside memcpy of the same rows, on bitmaps the size of a
// button, a dialog and a large window.

static void FillPattern(TBitmap& bitmap, unsigned seed)
{
    for (int y = 0; y < bitmap.Height(); ++y) {
        std::uint8_t* row = bitmap.ScanLine(y);
        for (int i = 0; i < bitmap.Width() * 3; ++i)
            row[i] = std::uint8_t(i * 7 + y * 13 + seed);
    }
}

struct BitmapPair
{
    explicit BitmapPair(const benchmark::State& state)
        : source(NewBitmap24(int(state.range(0)), int(state.range(1))))
        , destination(NewBitmap24(int(state.range(0)), int(state.range(1))))
    {
        FillPattern(source, 1);
        FillPattern(destination, 2);
    }
    std::int64_t Bytes() const { return std::int64_t(destination.Width()) * destination.Height() * 3; }
    TBitmap source;
    TBitmap destination;
};

static void BlendRegion(benchmark::State& state)
{
    BitmapPair pair(state);
    for (auto _ : state) {
        SharedFastSum24.BindPair(&pair.source, &pair.destination);
        SharedFastSum24.Weight = 102;
        SharedFastSum24.BlendRegion();
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * pair.Bytes());
}

static void MemcpyRows(benchmark::State& state)
{
    BitmapPair pair(state);
    const std::size_t rowBytes = std::size_t(pair.destination.Width()) * 3;
    for (auto _ : state) {
        for (int y = pair.destination.Height() - 1; y >= 0; --y)
            std::memcpy(pair.destination.ScanLine(y), pair.source.ScanLine(y), rowBytes);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * pair.Bytes());
}

// The machine may be shared: with --benchmark_repetitions the fastest run is
// reported beside the mean and median, as the least disturbed one.
static void Sizes(benchmark::internal::Benchmark* b)
{
    b->Args({100, 30})->Args({400, 300})->Args({1600, 1200});
    b->ComputeStatistics("min", [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); });
}

BENCHMARK(BlendRegion)->Apply(Sizes);
BENCHMARK(MemcpyRows)->Apply(Sizes);

BENCHMARK_MAIN();
