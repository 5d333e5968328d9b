#include "data/skingen/TSkinPictures.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// A canvas of frames side by side. Drawings name their frame and work in that
// frame's coordinates; nothing spills into a neighbour.
class TFrameStrip
{
public:
    TFrameStrip(int frameWidth, int height, int count) : canvas_(frameWidth * count, height), frameWidth_(frameWidth) {}

    void Fill(int index, const TShape& shape, const TPaint& paint, float opacity = 1.0f)
    {
        canvas_.Fill(shifted(index, shape), shiftedPaint(index, paint), opacity);
    }
    void FillFaded(int index, const TShape& shape, TColor color, float top, float bottom, float a1, float a2)
    {
        canvas_.FillFaded(shifted(index, shape), color, top, bottom, a1, a2);
    }
    TCoverCanvas Take() { return std::move(canvas_); }

private:
    TShape shifted(int index, const TShape& shape) const
    {
        const float left = float(index * frameWidth_), right = left + float(frameWidth_);
        return [shape, left, right](float x, float y) {
            return x < left || x >= right ? 1e9f : shape(x - left, y);
        };
    }
    TPaint shiftedPaint(int index, const TPaint& paint) const
    {
        const float left = float(index * frameWidth_);
        return [paint, left](float x, float y) { return paint(x - left, y); };
    }

    TCoverCanvas canvas_;
    int frameWidth_;
};

// Where the box continues past an open edge.
constexpr float Beyond = 64;

std::vector<float> scaled(std::vector<float> unit, float size)
{
    for (float& v : unit)
        v *= size;
    return unit;
}

} // namespace

TShape BoxShape(const TBoxLayout& l)
{
    const float size = float(l.FrameSize());
    const float left = l.OpenLeft ? -Beyond : l.Inset;
    const float top = l.OpenTop ? -Beyond : l.Inset;
    const float right = l.OpenRight ? size + Beyond : size - l.Inset;
    const float bottom = l.OpenBottom ? size + Beyond : size - l.Inset;
    const float low = l.BottomRadius < 0 ? l.Radius : l.BottomRadius;
    return RoundedBox4(left, top, right, bottom, l.Radius, l.Radius, low, low);
}

TCoverCanvas BoxPicture(const TBoxLayout& layout, const std::vector<TFrameLook>& looks)
{
    const int size = layout.FrameSize();
    TFrameStrip strip(size, size, int(looks.size()));
    const TShape box = BoxShape(layout);
    const float band = float(layout.Band);
    for (int i = 0; i < int(looks.size()); ++i) {
        const TFrameLook& look = looks[std::size_t(i)];
        if (look.FillAlpha > 0)
            strip.Fill(i, box, Solid(look.Fill), look.FillAlpha);
        if (look.Sheen > 0)
            strip.FillFaded(i, box, clWhite, layout.Inset, band, look.Sheen, 0);
        if (look.Shade > 0)
            strip.FillFaded(i, box, clBlack, float(size) - band, float(size) - layout.Inset, 0, look.Shade);
        if (look.OutlineAlpha > 0)
            strip.Fill(i, InnerStroke(box, layout.OutlineWidth), Solid(look.Outline), look.OutlineAlpha);
        if (look.Lip > 0) {
            // The bottom line and the lower part of its curves, not the sides.
            const float lipTop = float(size) - layout.Inset - layout.Radius * 0.7f;
            const TShape bottomBand = [lipTop](float, float y) { return lipTop - y; };
            strip.Fill(i, Intersect(InnerStroke(box, layout.OutlineWidth), bottomBand), Solid(clBlack), look.Lip);
        }
    }
    return strip.Take();
}

TCoverCanvas LinePicture(TLineSides sides, const std::vector<TColor>& colors)
{
    constexpr int size = 4;
    TFrameStrip strip(size, size, int(colors.size()));
    for (int i = 0; i < int(colors.size()); ++i) {
        const TPaint paint = Solid(colors[std::size_t(i)]);
        if (sides.Left)
            strip.Fill(i, RoundedBox(0, 0, 1, size, 0), paint);
        if (sides.Top)
            strip.Fill(i, RoundedBox(0, 0, size, 1, 0), paint);
        if (sides.Right)
            strip.Fill(i, RoundedBox(size - 1, 0, size, size, 0), paint);
        if (sides.Bottom)
            strip.Fill(i, RoundedBox(0, size - 1, size, size, 0), paint);
    }
    return strip.Take();
}

TCoverCanvas DividerPicture(bool vertical, int band, TColor color)
{
    const int across = 2 * band, along = 4;
    TCoverCanvas canvas(vertical ? across : along, vertical ? along : across);
    const float line = float(band - 1);
    if (vertical)
        canvas.Fill(RoundedBox(line, 0, line + 1, along, 0), Solid(color));
    else
        canvas.Fill(RoundedBox(0, line, along, line + 1, 0), Solid(color));
    return canvas;
}

namespace {

void drawMark(TFrameStrip& strip, int index, float size, TCheckMark mark, TColor color)
{
    switch (mark) {
    case TCheckMark::Tick:
        strip.Fill(index, Polyline(scaled({0.26f, 0.52f, 0.43f, 0.69f, 0.76f, 0.34f}, size), size * 0.13f), Solid(color));
        break;
    case TCheckMark::Dash:
        strip.Fill(index, Polyline(scaled({0.3f, 0.5f, 0.7f, 0.5f}, size), size * 0.13f), Solid(color));
        break;
    case TCheckMark::Dot:
        strip.Fill(index, Circle(size / 2, size / 2, size * 0.2f), Solid(color));
        break;
    case TCheckMark::None:
        break;
    }
}

} // namespace

TCoverCanvas CheckBoxGlyph(int size, float radius, const std::vector<TGlyphColors>& frames, TCheckMark mark)
{
    TFrameStrip strip(size, size, int(frames.size()));
    const float s = float(size);
    const TShape box = RoundedBox(1, 1, s - 1, s - 1, radius);
    for (int i = 0; i < int(frames.size()); ++i) {
        const TGlyphColors& c = frames[std::size_t(i)];
        strip.Fill(i, box, Solid(c.Face));
        strip.Fill(i, InnerStroke(box, 1), Solid(c.Edge));
        drawMark(strip, i, s, mark, c.Mark);
    }
    return strip.Take();
}

TCoverCanvas RadioGlyph(int size, const std::vector<TGlyphColors>& frames, TCheckMark mark)
{
    TFrameStrip strip(size, size, int(frames.size()));
    const float s = float(size);
    const TShape disc = Circle(s / 2, s / 2, s / 2 - 1);
    for (int i = 0; i < int(frames.size()); ++i) {
        const TGlyphColors& c = frames[std::size_t(i)];
        strip.Fill(i, disc, Solid(c.Face));
        strip.Fill(i, InnerStroke(disc, 1), Solid(c.Edge));
        drawMark(strip, i, s, mark, c.Mark);
    }
    return strip.Take();
}

TCoverCanvas TickGlyph(int size, const std::vector<TColor>& frames)
{
    TFrameStrip strip(size, size, int(frames.size()));
    for (int i = 0; i < int(frames.size()); ++i)
        drawMark(strip, i, float(size), TCheckMark::Tick, frames[std::size_t(i)]);
    return strip.Take();
}

TCoverCanvas ChevronGlyph(int size, TArrow direction, const std::vector<TColor>& frames)
{
    std::vector<float> unit;
    switch (direction) {
    case TArrow::Up: unit = {0.2f, 0.65f, 0.5f, 0.35f, 0.8f, 0.65f}; break;
    case TArrow::Down: unit = {0.2f, 0.35f, 0.5f, 0.65f, 0.8f, 0.35f}; break;
    case TArrow::Left: unit = {0.65f, 0.2f, 0.35f, 0.5f, 0.65f, 0.8f}; break;
    case TArrow::Right: unit = {0.35f, 0.2f, 0.65f, 0.5f, 0.35f, 0.8f}; break;
    }
    TFrameStrip strip(size, size, int(frames.size()));
    const TShape chevron = Polyline(scaled(unit, float(size)), 1.6f);
    for (int i = 0; i < int(frames.size()); ++i)
        strip.Fill(i, chevron, Solid(frames[std::size_t(i)]));
    return strip.Take();
}

TCoverCanvas GripGlyph(int size, TColor color)
{
    TCoverCanvas canvas(size, size);
    const float step = float(size) / 4;
    for (int row = 1; row <= 3; ++row)
        for (int column = 4 - row; column <= 3; ++column)
            canvas.Fill(Circle(step * float(column) - 0.5f, step * float(row) - 0.5f, 1.1f), Solid(color));
    return canvas;
}

TCoverCanvas ThumbGlyph(int size, const std::vector<TGlyphColors>& frames)
{
    TFrameStrip strip(size, size, int(frames.size()));
    const float s = float(size);
    const TShape disc = Circle(s / 2, s / 2, s / 2 - 1);
    for (int i = 0; i < int(frames.size()); ++i) {
        const TGlyphColors& c = frames[std::size_t(i)];
        strip.Fill(i, disc, Solid(c.Face));
        strip.Fill(i, InnerStroke(disc, 2), Solid(c.Edge));
        strip.Fill(i, Circle(s / 2, s / 2, s * 0.14f), Solid(c.Mark));
    }
    return strip.Take();
}

TCoverCanvas TickMark(int width, int height, TColor color)
{
    TCoverCanvas canvas(width, height);
    canvas.Fill(RoundedBox(0, 0, float(width), float(height), 0), Solid(color));
    return canvas;
}

namespace {

void drawSymbol(TFrameStrip& strip, int index, float w, float h, TTitleSymbol symbol, TColor color)
{
    const float cx = std::floor(w / 2), cy = std::floor(h / 2);
    const float r = std::round(h * 0.22f);
    const TPaint paint = Solid(color);
    switch (symbol) {
    case TTitleSymbol::Close:
        strip.Fill(index, Polyline({cx - r, cy - r, cx + r, cy + r}, 1.4f), paint);
        strip.Fill(index, Polyline({cx - r, cy + r, cx + r, cy - r}, 1.4f), paint);
        break;
    case TTitleSymbol::Maximize:
        strip.Fill(index, InnerStroke(RoundedBox(cx - r, cy - r, cx + r + 1, cy + r + 1, 1.5f), 1.2f), paint);
        break;
    case TTitleSymbol::Restore: {
        const float d = std::round(r * 0.45f);
        const TShape front = RoundedBox(cx - r, cy - r + d, cx + r + 1 - d, cy + r + 1, 1.5f);
        const TShape back = RoundedBox(cx - r + d, cy - r, cx + r + 1, cy + r + 1 - d, 1.5f);
        strip.Fill(index, Subtract(InnerStroke(back, 1.2f), front), paint);
        strip.Fill(index, InnerStroke(front, 1.2f), paint);
        break;
    }
    case TTitleSymbol::Minimize:
        strip.Fill(index, RoundedBox(cx - r, cy, cx + r + 1, cy + 1.3f, 0), paint);
        break;
    case TTitleSymbol::Help: {
        std::vector<float> hook;
        for (int k = 0; k <= 12; ++k) {
            const float a = 3.5f - 3.6f * float(k) / 12; // an arc from the left over the top to the right
            hook.push_back(cx + 0.5f + r * 0.8f * std::cos(a));
            hook.push_back(cy - r * 0.35f - r * 0.65f * std::sin(a));
        }
        hook.insert(hook.end(), {cx + 0.5f, cy + r * 0.15f, cx + 0.5f, cy + r * 0.45f});
        strip.Fill(index, Polyline(hook, 1.4f), paint);
        strip.Fill(index, Circle(cx + 0.5f, cy + r * 0.95f, 0.9f), paint);
        break;
    }
    case TTitleSymbol::None:
        break;
    }
}

} // namespace

TCoverCanvas TitleGlyph(int width, int height, float radius, TTitleSymbol symbol, const std::vector<TTitleLook>& frames)
{
    TFrameStrip strip(width, height, int(frames.size()));
    const float w = float(width), h = float(height);
    for (int i = 0; i < int(frames.size()); ++i) {
        const TTitleLook& look = frames[std::size_t(i)];
        if (look.PlateAlpha > 0)
            strip.Fill(i, RoundedBox(0, 0, w, h, radius), Solid(look.Plate), look.PlateAlpha);
        drawSymbol(strip, i, w, h, symbol, look.Symbol);
    }
    return strip.Take();
}

TCoverCanvas GrainTexture(int size, TColor base, int amplitude)
{
    TCoverCanvas canvas(size, size);
    std::uint32_t seed = 0x2545F491u;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            seed = seed * 1664525u + 1013904223u;
            const int d = int(seed >> 24) % (2 * amplitude + 1) - amplitude;
            auto shade = [d](std::uint8_t v) { return std::uint8_t(std::clamp(int(v) + d, 0, 255)); };
            canvas.Set(x, y, RGBColor(shade(GetRValue(base)), shade(GetGValue(base)), shade(GetBValue(base))));
        }
    return canvas;
}

TCoverCanvas DotTexture(int size, TColor base, TColor dot)
{
    TCoverCanvas canvas(size, size);
    canvas.Fill(RoundedBox(0, 0, float(size), float(size), 0), Solid(base));
    canvas.Fill(Circle(float(size) / 2, float(size) / 2, 0.9f), Solid(dot));
    return canvas;
}

TCoverCanvas GlowPicture(int band, int middle, int margin, float radius, TColor color, float opacity)
{
    const int size = 2 * band + middle;
    const int reach = band - margin;
    const float edge = float(reach);
    TCoverCanvas canvas(size, size);
    canvas.Halo(RoundedBox(edge, edge, float(size) - edge, float(size) - edge, radius), color, opacity, float(reach));
    return canvas;
}
