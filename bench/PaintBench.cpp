// A skinned button painted by our section painter beside Qt's Fusion style
// painting a push button of the same size, and the nine-slice frame beside a
// plain memcpy of the same bytes.

#include "engine/sSkinManager.h"
#include "graphics/sGraphUtils.h"
#include "render/sMaskPaint.h"
#include "render/sSectionPaint.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPixmapCache>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionButton>

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <vector>

namespace {

// A button section as skins have it: a 3-state key-colour border picture with
// rounded corners around a two-step gradient, 40 % transparent. The same
// picture with its centre filled serves the frame benchmark.
class ButtonSkin
{
public:
    ButtonSkin()
    {
        skin.MasterBitmap = std::make_unique<TBitmap>(NewBitmap24(96, 32));
        TBitmap& master = *skin.MasterBitmap;
        for (int state = 0; state < 3; ++state) {
            const TColor edge = RGBColor(60, std::uint8_t(80 + state * 40), 140);
            FillRectColor(master, TRect{state * 32, 0, state * 32 + 32, 32}, edge);
            FillRectColor(master, TRect{state * 32 + 4, 4, state * 32 + 28, 28}, RGBColor(230, 235, 240));
            for (int corner = 0; corner < 3; ++corner) { // transparent rounding
                FillRectColor(master, TRect{state * 32, corner, state * 32 + 3 - corner, corner + 1}, clFuchsia);
                FillRectColor(master, TRect{state * 32 + 29 + corner, corner, state * 32 + 32, corner + 1}, clFuchsia);
            }
        }
        for (int stretchMode : {0, 4}) { // 4: fill centre
            TsMaskData& border = skin.MaskArray.emplace_back();
            border.R = TRect{0, 0, 96, 32};
            border.ImageCount = 3;
            border.StretchMode = std::int16_t(stretchMode);
            border.WL = border.WT = border.WR = border.WB = 6;
            border.SectionName = "BUTTON";
            border.PropertyName = "BORDERSMASK";
            border.Manager = &skin;
        }
        TsGeneralData& button = skin.SectionArray.emplace_back();
        button.SectionName = "BUTTON";
        button.Color = RGBColor(220, 225, 230);
        button.Transparency = 40;
        button.GradientPercent = 100;
        button.GradientArray = {{RGBColor(250, 250, 252), RGBColor(210, 215, 225), 50, 0, 0},
                                {RGBColor(210, 215, 225), RGBColor(190, 195, 205), 50, 0, 0}};
        button.BorderIndex = 0;
    }

    TsSkinManager skin;
};

void SkinnedButton(benchmark::State& state)
{
    static ButtonSkin button;
    const int width = int(state.range(0)), height = int(state.range(1));
    TBitmap parent = NewBitmap24(width + 40, height + 40);
    FillRectColor(parent, TRect{0, 0, parent.Width(), parent.Height()}, RGBColor(240, 240, 240));
    TBitmap cache = NewBitmap24(width, height);
    const BackgroundRef background = MakeBackgroundRef(&parent, 20, 20);
    for (auto _ : state) {
        PaintSectionItem(0, "BUTTON", background, -1, -1, &button.skin, cache, TPoint{0, 0},
                         TRect{0, 0, width, height}, 0, true);
        benchmark::DoNotOptimize(cache.ScanLine(0));
    }
    state.SetItemsProcessed(state.iterations());
}

// Fusion keeps each bevel it draws in the pixmap cache under a key of state,
// palette and size, so from the second call on it only copies a cached pixmap.
// Our painter draws the whole section on every call; the fair peer therefore
// draws with the cache disabled (FusionButton). FusionButtonCached shows the
// cache's figure beside it for reference.
void FusionButtonRun(benchmark::State& state, bool cached)
{
    static std::unique_ptr<QStyle> fusion(QStyleFactory::create("Fusion"));
    const int width = int(state.range(0)), height = int(state.range(1));
    QPushButton widget; // no caption: the skinned button draws none either
    widget.setStyle(fusion.get());
    widget.resize(width, height);
    QStyleOptionButton option;
    option.initFrom(&widget);
    option.rect = QRect(0, 0, width, height);
    option.state |= QStyle::State_Raised;
    QImage image(width, height, QImage::Format_RGB32);
    const int cacheLimit = QPixmapCache::cacheLimit();
    QPixmapCache::clear();
    if (!cached)
        QPixmapCache::setCacheLimit(0); // nothing is kept, so every call draws
    for (auto _ : state) {
        QPainter painter(&image);
        fusion->drawControl(QStyle::CE_PushButton, &option, &painter, &widget);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    QPixmapCache::setCacheLimit(cacheLimit);
    state.SetItemsProcessed(state.iterations());
}

void FusionButton(benchmark::State& state)
{
    FusionButtonRun(state, false);
}

void FusionButtonCached(benchmark::State& state)
{
    FusionButtonRun(state, true);
}

void BorderFrame(benchmark::State& state)
{
    static ButtonSkin button;
    TBitmap target = NewBitmap24(400, 300);
    for (auto _ : state) {
        PaintBorderMask(target, TRect{0, 0, 400, 300}, true, true, 1, button.skin.MaskArray[1],
                        MakeBackgroundRef(&target, 0, 0));
        benchmark::DoNotOptimize(target.ScanLine(0));
    }
    state.SetBytesProcessed(state.iterations() * 400 * 300 * 3);
}

void MemcpySameBytes(benchmark::State& state)
{
    std::vector<std::uint8_t> from(400 * 300 * 3, 7), to(from.size());
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size());
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * std::int64_t(from.size()));
}

} // namespace

BENCHMARK(SkinnedButton)->Args({100, 30})->Args({400, 300});
BENCHMARK(FusionButton)->Args({100, 30})->Args({400, 300});
BENCHMARK(FusionButtonCached)->Args({100, 30})->Args({400, 300});
BENCHMARK(BorderFrame);
BENCHMARK(MemcpySameBytes);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
