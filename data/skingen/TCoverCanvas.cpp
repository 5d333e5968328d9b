#include "data/skingen/TCoverCanvas.h"

#include <algorithm>
#include <cmath>

namespace {

float segmentDistance(float px, float py, float ax, float ay, float bx, float by)
{
    const float dx = bx - ax, dy = by - ay;
    const float length2 = dx * dx + dy * dy;
    const float t = length2 > 0 ? std::clamp(((px - ax) * dx + (py - ay) * dy) / length2, 0.0f, 1.0f) : 0.0f;
    return std::hypot(px - ax - t * dx, py - ay - t * dy);
}

float channel(TColor c, int shift)
{
    return float((c >> shift) & 0xFF) / 255.0f;
}

std::uint8_t toByte(float v)
{
    return std::uint8_t(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f));
}

} // namespace

TShape RoundedBox4(float left, float top, float right, float bottom, float tl, float tr, float br, float bl)
{
    return [=](float x, float y) {
        const float cx = (left + right) / 2, cy = (top + bottom) / 2;
        const float hx = (right - left) / 2, hy = (bottom - top) / 2;
        const float r = x < cx ? (y < cy ? tl : bl) : (y < cy ? tr : br);
        const float qx = std::abs(x - cx) - hx + r, qy = std::abs(y - cy) - hy + r;
        return std::min(std::max(qx, qy), 0.0f) + std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f)) - r;
    };
}

TShape RoundedBox(float left, float top, float right, float bottom, float radius)
{
    return RoundedBox4(left, top, right, bottom, radius, radius, radius, radius);
}

TShape Circle(float cx, float cy, float radius)
{
    return [=](float x, float y) { return std::hypot(x - cx, y - cy) - radius; };
}

TShape Polyline(std::vector<float> xy, float width)
{
    return [xy = std::move(xy), half = width / 2](float x, float y) {
        float best = 1e9f;
        for (std::size_t i = 0; i + 3 < xy.size(); i += 2)
            best = std::min(best, segmentDistance(x, y, xy[i], xy[i + 1], xy[i + 2], xy[i + 3]));
        return best - half;
    };
}

TShape InnerStroke(TShape shape, float width)
{
    return [shape = std::move(shape), width](float x, float y) {
        const float d = shape(x, y);
        return std::max(d, -d - width);
    };
}

TShape Intersect(TShape a, TShape b)
{
    return [a = std::move(a), b = std::move(b)](float x, float y) { return std::max(a(x, y), b(x, y)); };
}

TShape Subtract(TShape a, TShape b)
{
    return [a = std::move(a), b = std::move(b)](float x, float y) { return std::max(a(x, y), -b(x, y)); };
}

TPaint Solid(TColor color)
{
    return [color](float, float) { return color; };
}

TPaint VerticalRamp(TColor color1, TColor color2, float top, float bottom)
{
    return [=](float, float y) {
        const float t = bottom > top ? std::clamp((y - top) / (bottom - top), 0.0f, 1.0f) : 0.0f;
        auto mix = [t](float a, float b) { return toByte(a + (b - a) * t); };
        return RGBColor(mix(channel(color1, 0), channel(color2, 0)), mix(channel(color1, 8), channel(color2, 8)),
                        mix(channel(color1, 16), channel(color2, 16)));
    };
}

TCoverCanvas::TCoverCanvas(int width, int height)
    : width_(width), height_(height), pixels_(std::size_t(width) * std::size_t(height))
{
}

void TCoverCanvas::blend(int x, int y, TColor color, float alpha)
{
    TPixel& p = pixels_[std::size_t(y) * std::size_t(width_) + std::size_t(x)];
    const float keep = 1.0f - alpha;
    p.R = channel(color, 0) * alpha + p.R * keep;
    p.G = channel(color, 8) * alpha + p.G * keep;
    p.B = channel(color, 16) * alpha + p.B * keep;
    p.A = alpha + p.A * keep;
}

void TCoverCanvas::Fill(const TShape& shape, const TPaint& paint, float opacity)
{
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            const float px = float(x) + 0.5f, py = float(y) + 0.5f;
            const float coverage = std::clamp(0.5f - shape(px, py), 0.0f, 1.0f) * opacity;
            if (coverage > 0)
                blend(x, y, paint(px, py), coverage);
        }
}

void TCoverCanvas::FillFaded(const TShape& shape, TColor color, float top, float bottom, float alphaTop,
                             float alphaBottom)
{
    for (int y = 0; y < height_; ++y) {
        const float py = float(y) + 0.5f;
        const float t = bottom > top ? std::clamp((py - top) / (bottom - top), 0.0f, 1.0f) : 0.0f;
        const float opacity = alphaTop + (alphaBottom - alphaTop) * t;
        if (opacity <= 0)
            continue;
        for (int x = 0; x < width_; ++x) {
            const float coverage = std::clamp(0.5f - shape(float(x) + 0.5f, py), 0.0f, 1.0f) * opacity;
            if (coverage > 0)
                blend(x, y, color, coverage);
        }
    }
}

void TCoverCanvas::Halo(const TShape& shape, TColor color, float opacity, float reach)
{
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            const float d = shape(float(x) + 0.5f, float(y) + 0.5f);
            if (d <= 0 || d >= reach)
                continue;
            const float t = 1.0f - d / reach;
            blend(x, y, color, opacity * t * t);
        }
}

void TCoverCanvas::Set(int x, int y, TColor color)
{
    pixels_[std::size_t(y) * std::size_t(width_) + std::size_t(x)] = TPixel{};
    blend(x, y, color, 1.0f);
}

TColor TCoverCanvas::ColorAt(int x, int y) const
{
    const TPixel& p = pixels_[std::size_t(y) * std::size_t(width_) + std::size_t(x)];
    if (p.A <= 0)
        return clBlack;
    return RGBColor(toByte(p.R / p.A), toByte(p.G / p.A), toByte(p.B / p.A));
}

float TCoverCanvas::AlphaAt(int x, int y) const
{
    return pixels_[std::size_t(y) * std::size_t(width_) + std::size_t(x)].A;
}
