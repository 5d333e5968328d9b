#include "engine/sColorAdjust.h"

#include "engine/TsSkinModel.h"

#include <algorithm>
#include <cmath>

namespace {

// Nearest integer, halves to the even neighbour (the default rounding mode).
int RoundEven(double x)
{
    return int(std::nearbyint(x));
}

int RoundToByte(double x)
{
    return RoundEven(std::clamp(x, 0.0, 255.0));
}

// Calls f on every pixel colour of the bitmap that is neither the transparent
// colour nor grey and stores the result; a 32-bit pixel keeps its alpha.
template <typename F>
void AdjustBitmapColors(TBitmap& bmp, F f)
{
    const int bpp = bmp.BytesPerPixel();
    for (int y = 0; y < bmp.Height(); ++y) {
        std::uint8_t* p = bmp.ScanLine(y);
        for (int x = 0; x < bmp.Width(); ++x, p += bpp) {
            const std::uint8_t b = p[0], g = p[1], r = p[2];
            if (r == g && g == b)
                continue;
            const TColor c = RGBColor(r, g, b);
            if (c == clFuchsia)
                continue;
            const TColor n = f(c);
            p[0] = GetBValue(n);
            p[1] = GetGValue(n);
            p[2] = GetRValue(n);
        }
    }
}

template <typename F>
void AdjustColor(TColor& c, F f)
{
    if (c != TColor(-1))
        c = f(c);
}

template <typename F>
void AdjustSteps(TsGradArray& steps, F f)
{
    for (GradientStep& step : steps) {
        step.Color1 = f(step.Color1);
        step.Color2 = f(step.Color2);
    }
}

// Every colour of the loaded skin, in the order images, sections, skin data.
template <typename F>
void AdjustModel(TsSkinModel& model, F f)
{
    if (model.MasterBitmap)
        AdjustBitmapColors(*model.MasterBitmap, f);
    for (TsMaskData& mask : model.MaskArray)
        if (mask.Bmp)
            AdjustBitmapColors(*mask.Bmp, f);
    for (TsGeneralData& section : model.SectionArray) {
        section.Color = f(section.Color);
        section.HotColor = f(section.HotColor);
        for (int i = 1; i <= 5; ++i) {
            AdjustColor(section.FontColor[i], f);
            AdjustColor(section.HotFontColor[i], f);
        }
        AdjustSteps(section.GradientArray, f);
        AdjustSteps(section.HotGradientArray, f);
    }
    model.SkinData.Shadow1Color = f(model.SkinData.Shadow1Color);
    model.SkinData.BorderColor = f(model.SkinData.BorderColor);
}

} // namespace

TColor ChangeHue(int offset, TColor color)
{
    color = ColorToRGB(color);
    const int r = GetRValue(color), g = GetGValue(color), b = GetBValue(color);
    const int v = std::max({r, g, b});
    const int d = v - std::min({r, g, b});
    if (v == 0 || d == 0)
        return color;
    const double s = double(d) / v;

    double h;
    if (r == v)
        h = 60.0 * (g - b) / d;
    else if (g == v)
        h = 120.0 + 60.0 * (b - r) / d;
    else
        h = 240.0 + 60.0 * (r - g) / d;
    if (h < 0)
        h += 360;

    // A rotation below zero wraps round the wheel like one above 360.
    int rotated = RoundEven(offset + h) % 360;
    if (rotated < 0)
        rotated += 360;
    const double t = rotated / 60.0;
    const int sector = int(t);
    const double f = t - sector;
    const int p = RoundToByte(v * (1 - s));
    const int q = RoundToByte(v * (1 - f * s));
    const int u = RoundToByte(v * (1 - (1 - f) * s));
    switch (sector) {
    case 0: return RGBColor(v, u, p);
    case 1: return RGBColor(q, v, p);
    case 2: return RGBColor(p, v, u);
    case 3: return RGBColor(p, q, v);
    case 4: return RGBColor(u, p, v);
    default: return RGBColor(v, p, q);
    }
}

TColor ChangeSaturation(TColor color, int amount)
{
    if (amount == 0)
        return color;
    const int r = GetRValue(color), g = GetGValue(color), b = GetBValue(color);
    const double grey = (r + g + b) / 3.0;
    auto channel = [&](int c) { return RoundToByte(c + amount * (grey - c) / 100); };
    return RGBColor(channel(r), channel(g), channel(b));
}

void ApplyHueOffset(TsSkinModel& model, int offset)
{
    if (offset == 0)
        return;
    AdjustModel(model, [offset](TColor c) { return ChangeHue(offset, c); });
}

void ApplySaturation(TsSkinModel& model, int saturation)
{
    // System colours are taken as the colours they stand for, as ChangeHue does.
    const int amount = (-saturation) % 101;
    if (amount == 0)
        return;
    AdjustModel(model, [amount](TColor c) { return ChangeSaturation(ColorToRGB(c), amount); });
}
