#pragma once

#include "graphics/TColor.h"

#include <functional>
#include <vector>

// Shapes are signed distance functions in pixel units: negative inside, positive
// outside, sampled at pixel centres. One pixel of distance is one step of
// coverage, which gives every edge a one-pixel antialiased ramp.
using TShape = std::function<float(float x, float y)>;
// The colour a fill gives the pixel at (x, y).
using TPaint = std::function<TColor(float x, float y)>;

TShape RoundedBox(float left, float top, float right, float bottom, float radius);
// Each corner with its own radius: top-left, top-right, bottom-right, bottom-left.
TShape RoundedBox4(float left, float top, float right, float bottom, float tl, float tr, float br, float bl);
TShape Circle(float cx, float cy, float radius);
// A stroke of the given width along the points (round joins and caps).
TShape Polyline(std::vector<float> xy, float width);
// The band of shape reaching width pixels inwards from its edge.
TShape InnerStroke(TShape shape, float width);
TShape Intersect(TShape a, TShape b);
TShape Subtract(TShape a, TShape b);

TPaint Solid(TColor color);
// From color1 at row top to color2 at row bottom.
TPaint VerticalRamp(TColor color1, TColor color2, float top, float bottom);

// Premultiplied floating-point RGBA pixels, transparent at the start.
class TCoverCanvas
{
public:
    TCoverCanvas(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }

    // Composites paint over the pixels the shape covers, source over.
    void Fill(const TShape& shape, const TPaint& paint, float opacity = 1.0f);
    // Like Fill with a solid colour whose opacity runs from alphaTop at row
    // top to alphaBottom at row bottom (held beyond both).
    void FillFaded(const TShape& shape, TColor color, float top, float bottom, float alphaTop, float alphaBottom);
    // Paints an alpha falloff: full opacity at distance 0 outside the shape,
    // none at reach pixels, nothing inside.
    void Halo(const TShape& shape, TColor color, float opacity, float reach);

    // Makes one pixel opaque color.
    void Set(int x, int y, TColor color);

    // The straight colour of a pixel and its opacity 0..1.
    TColor ColorAt(int x, int y) const;
    float AlphaAt(int x, int y) const;

private:
    struct TPixel
    {
        float R = 0, G = 0, B = 0, A = 0;
    };
    void blend(int x, int y, TColor color, float alpha);

    int width_;
    int height_;
    std::vector<TPixel> pixels_;
};
