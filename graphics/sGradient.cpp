#include "graphics/sGradient.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <utility>

// Rounds in the current rounding mode (to nearest, ties to even) and clamps to
// 0..255, as clamping std::nearbyint(value) would, without a library call per
// channel: adding 2^23 to a value in [0, 255] leaves no fraction bits, so the
// addition itself rounds, and subtracting it again is exact.
static std::uint8_t RoundToByte(float value)
{
    const float clamped = std::min(std::max(value, 0.0f), 255.0f);
    return std::uint8_t((clamped + 0x1p23f) - 0x1p23f);
}

// The colour of a run between two boundaries: starts at Color1 and moves
// towards Color2 by increments computed in double precision, while the running
// values are kept in single precision, as the painted bytes depend on it.
class ColorRun
{
public:
    ColorRun(const GradientStep& step, int span)
        : value_{float(GetBValue(step.Color1)), float(GetGValue(step.Color1)), float(GetRValue(step.Color1))}
        , increment_{(double(GetBValue(step.Color2)) - GetBValue(step.Color1)) / span,
                     (double(GetGValue(step.Color2)) - GetGValue(step.Color1)) / span,
                     (double(GetRValue(step.Color2)) - GetRValue(step.Color1)) / span}
    {
    }

    // Blue, green, red of the current position, rounded to nearest, ties to even.
    void Current(std::uint8_t pixel[3]) const
    {
        for (int c = 0; c < 3; ++c)
            pixel[c] = RoundToByte(value_[c]);
    }
    void Advance()
    {
        for (int c = 0; c < 3; ++c)
            value_[c] = float(value_[c] + increment_[c]);
    }

private:
    float value_[3];
    double increment_[3];
};

static void FillRow(std::uint8_t* row, int left, int right, const std::uint8_t pixel[3])
{
    for (int x = left; x < right; ++x)
        std::memcpy(row + x * 3, pixel, 3);
}

static std::uint32_t PercentOf(const GradientStep& step)
{
    return step.Percent & 0xFF;
}

// Steps run top to bottom; both ends of a step are painted, so the boundary
// row of one step is painted again by the next.
static void PaintVertical(TBitmap& target, const TRect& area, const TsGradArray& steps)
{
    const int lastRow = area.Bottom - 1;
    int e = area.Top;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const int s = e;
        e = i + 1 == steps.size() ? lastRow : std::min(s + int(PercentOf(steps[i]) * area.Height() / 100), lastRow);
        if (e - s <= 0)
            continue;
        ColorRun run(steps[i], e - s);
        for (int y = s; y <= e; ++y, run.Advance()) {
            std::uint8_t pixel[3];
            run.Current(pixel);
            FillRow(target.ScanLine(y), area.Left, area.Right, pixel);
        }
    }
}

// Steps run left to right; every row is the same, so the first one is
// computed and copied to the others.
static void PaintHorizontal(TBitmap& target, const TRect& area, const TsGradArray& steps)
{
    const int lastColumn = area.Right - 1;
    const double k = area.Width() / 100.0;
    std::uint8_t* first = target.ScanLine(area.Top);
    int x = area.Left;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const int j = x;
        x = i + 1 == steps.size() ? lastColumn
                                  : std::min(int(std::nearbyint(PercentOf(steps[i]) * k + j)), lastColumn);
        if (x - j <= 0)
            continue;
        ColorRun run(steps[i], x - j);
        for (int column = j; column <= x; ++column, run.Advance())
            run.Current(first + column * 3);
    }
    for (int y = area.Top + 1; y < area.Bottom; ++y)
        std::memcpy(target.ScanLine(y) + area.Left * 3, first + area.Left * 3, std::size_t(area.Width()) * 3);
}

// A vertex of the diagonal shading, in doubled coordinates so that pixel
// centres (x + 0.5, y + 0.5) are integers too.
struct ShadeVertex
{
    std::int64_t X;
    std::int64_t Y;
    TColor Color;
};

static std::int64_t FloorDiv(std::int64_t a, std::int64_t b) // b > 0
{
    const std::int64_t q = a / b;
    return q * b > a ? q - 1 : q;
}

// Twice the signed area of the triangle (u, v, p) (a barycentric weight of the
// third vertex), and how much it grows per pixel to the right.
struct EdgeWeight
{
    EdgeWeight(const ShadeVertex& u, const ShadeVertex& v, std::int64_t px, std::int64_t py)
        : Value((v.X - u.X) * (py - u.Y) - (v.Y - u.Y) * (px - u.X)), Step(-2 * (v.Y - u.Y))
    {
    }
    std::int64_t Value;
    std::int64_t Step;
};

// A value (2 * sum + area) div (2 * area) kept as quotient and remainder while
// sum grows by a fixed amount per pixel: exact rounding without a division per pixel.
class RoundedRatio
{
public:
    RoundedRatio(std::int64_t sum, std::int64_t sumStep, std::int64_t area)
        : divisor_(2 * area)
        , quotient_(FloorDiv(2 * sum + area, divisor_))
        , remainder_(2 * sum + area - quotient_ * divisor_)
        , quotientStep_(FloorDiv(2 * sumStep, divisor_))
        , remainderStep_(2 * sumStep - quotientStep_ * divisor_)
    {
    }
    std::uint8_t Value() const { return std::uint8_t(quotient_); }
    void Advance()
    {
        quotient_ += quotientStep_;
        remainder_ += remainderStep_;
        if (remainder_ >= divisor_) {
            remainder_ -= divisor_;
            ++quotient_;
        }
    }

private:
    std::int64_t divisor_;
    std::int64_t quotient_;
    std::int64_t remainder_;
    std::int64_t quotientStep_;
    std::int64_t remainderStep_;
};

// Narrows [first, last] to the pixels where the weight is not negative.
static void KeepNonNegative(const EdgeWeight& w, int left, int& first, int& last)
{
    if (w.Step == 0) {
        if (w.Value < 0)
            last = first - 1;
    } else if (w.Step > 0) {
        if (w.Value < 0)
            first = int(std::max<std::int64_t>(first, left + FloorDiv(-w.Value + w.Step - 1, w.Step)));
    } else {
        last = int(std::min<std::int64_t>(last, left + (w.Value < 0 ? -1 : FloorDiv(w.Value, -w.Step))));
    }
}

// Gouraud shading of one triangle: every pixel whose centre lies inside or on
// an edge gets the barycentric mix of the vertex colours, rounded exactly.
// Pixels on an edge shared with another triangle get the same value from both.
static void ShadeTriangle(TBitmap& target, const TRect& area, ShadeVertex a, ShadeVertex b, ShadeVertex c)
{
    std::int64_t twiceArea = EdgeWeight(a, b, c.X, c.Y).Value;
    if (twiceArea == 0)
        return;
    if (twiceArea < 0) {
        std::swap(b, c);
        twiceArea = -twiceArea;
    }
    for (int y = area.Top; y < area.Bottom; ++y) {
        const std::int64_t px = 2 * std::int64_t(area.Left) + 1, py = 2 * std::int64_t(y) + 1;
        const EdgeWeight wa(b, c, px, py), wb(c, a, px, py), wc(a, b, px, py);
        int first = area.Left, last = area.Right - 1;
        for (const EdgeWeight* w : {&wa, &wb, &wc})
            KeepNonNegative(*w, area.Left, first, last);
        if (first > last)
            continue;
        const std::int64_t skip = first - area.Left;
        auto channel = [&](std::uint8_t (*get)(TColor)) {
            const std::int64_t sum = (wa.Value + skip * wa.Step) * get(a.Color) + (wb.Value + skip * wb.Step) * get(b.Color)
                + (wc.Value + skip * wc.Step) * get(c.Color);
            const std::int64_t sumStep = wa.Step * get(a.Color) + wb.Step * get(b.Color) + wc.Step * get(c.Color);
            return RoundedRatio(sum, sumStep, twiceArea);
        };
        RoundedRatio blue = channel(GetBValue), green = channel(GetGValue), red = channel(GetRValue);
        std::uint8_t* p = target.ScanLine(y) + first * 3;
        for (int x = first; x <= last; ++x, p += 3) {
            p[0] = blue.Value();
            p[1] = green.Value();
            p[2] = red.Value();
            blue.Advance();
            green.Advance();
            red.Advance();
        }
    }
}

// Five vertices, corners and centre, coloured by the steps' Color1 (a missing
// step repeats the vertex before); four triangles: top, right, left, bottom.
static void PaintDiagonal(TBitmap& target, const TRect& area, const TsGradArray& steps)
{
    TColor colors[5];
    for (std::size_t i = 0; i < 5; ++i)
        colors[i] = i < steps.size() ? steps[i].Color1 : colors[i - 1];
    const int centreX = area.Left + area.Width() / 2;
    const int centreY = area.Top + area.Height() / 2;
    const ShadeVertex v[5] = {
        {2 * std::int64_t(area.Left), 2 * std::int64_t(area.Top), colors[0]},
        {2 * std::int64_t(centreX), 2 * std::int64_t(centreY), colors[1]},
        {2 * std::int64_t(area.Right), 2 * std::int64_t(area.Top), colors[2]},
        {2 * std::int64_t(area.Right), 2 * std::int64_t(area.Bottom), colors[3]},
        {2 * std::int64_t(area.Left), 2 * std::int64_t(area.Bottom), colors[4]},
    };
    static constexpr int triangles[4][3] = {{0, 1, 2}, {1, 2, 3}, {0, 1, 4}, {4, 1, 3}};
    for (const auto& t : triangles)
        ShadeTriangle(target, area, v[t[0]], v[t[1]], v[t[2]]);
}

void PaintGradient(TBitmap& target, const TRect& rect, const TsGradArray& steps)
{
    const TRect area{std::max(rect.Left, 0), std::max(rect.Top, 0), std::min(rect.Right, target.Width()),
                     std::min(rect.Bottom, target.Height())};
    // An empty area must stop here: the step arithmetic would otherwise walk
    // outside the rectangle and the bitmap.
    if (steps.empty() || target.PixelFormat() != TPixelFormat::pf24bit || area.Width() <= 0 || area.Height() <= 0)
        return;
    switch (steps.front().Mode) {
    case 0:
        PaintVertical(target, area, steps);
        break;
    case 1:
        PaintHorizontal(target, area, steps);
        break;
    case 2:
        PaintDiagonal(target, area, steps);
        break;
    default:
        break;
    }
}
