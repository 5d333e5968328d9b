#include "editor/PictureFiles.h"
#include "editor/Unit3.h"

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

// One repaint of the image selection tool's 700 x 600 viewport over a
// 2000 x 2000 master bitmap at scales 1, 4 and 8: the nearest-neighbour view
// built through raw rows and drawn onto a window-like image, beside a plain
// QPainter::drawImage of the same area of the picture onto the same image.

namespace {

constexpr int viewWidth = 700;
constexpr int viewHeight = 600;

TBitmap Master()
{
    TBitmap master(2000, 2000);
    for (int y = 0; y < master.Height(); ++y) {
        std::uint8_t* row = master.ScanLine(y);
        for (int i = 0; i < master.Width() * 3; ++i)
            row[i] = std::uint8_t(i * 7 + y * 13);
    }
    return master;
}

const TBitmap& SharedMaster()
{
    static const TBitmap master = Master();
    return master;
}

QImage WindowImage() { return QImage(viewWidth, viewHeight, QImage::Format_RGB32); }

void ViewportRepaint(benchmark::State& state)
{
    const int scale = int(state.range(0));
    const TBitmap& master = SharedMaster();
    TBitmap cache(viewWidth, viewHeight, TPixelFormat::pf32bit);
    QImage window = WindowImage();
    for (auto _ : state) {
        PaintScaledView(master, scale, 500 * scale, 500 * scale, cache);
        QPainter painter(&window);
        painter.drawImage(0, 0, QImage(cache.ScanLine(0), viewWidth, viewHeight, qsizetype(cache.Stride()),
                                       QImage::Format_RGB32));
        benchmark::DoNotOptimize(window.constBits());
    }
}

void PlainDrawImage(benchmark::State& state)
{
    const QImage master = BitmapImage(SharedMaster());
    QImage window = WindowImage();
    for (auto _ : state) {
        QPainter painter(&window);
        painter.drawImage(QPoint(0, 0), master, QRect(500, 500, viewWidth, viewHeight));
        benchmark::DoNotOptimize(window.constBits());
    }
}

} // namespace

BENCHMARK(ViewportRepaint)->Arg(1)->Arg(4)->Arg(8)->Unit(benchmark::kMicrosecond);
BENCHMARK(PlainDrawImage)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
