#pragma once

#include "data/skingen/TCoverCanvas.h"
#include "graphics/TBitmap.h"
#include "graphics/TRect.h"

// The master bitmap being laid out: pictures are placed left to right in rows
// ("shelves") of a fixed width; unused pixels stay in the transparent colour.
class TMasterAtlas
{
public:
    explicit TMasterAtlas(int width);

    // A masked picture: the canvas's image rows over as many mask rows (mask 0
    // shows the image, 255 the target). Fully transparent pixels are written
    // in the transparent colour where keyed(x, y) of their frame (frames are
    // frameWidth wide) is at least 0.5, which is how corners outside a shape
    // stay out of window regions; elsewhere as white with mask 255, which the
    // mask blend turns into the target exactly. Without keyed every fully
    // transparent pixel is keyed (glyphs).
    TRect AddMasked(const TCoverCanvas& canvas, int frameWidth, const TShape& keyed = nullptr);
    // An opaque picture: the canvas composited over matte.
    TRect AddOpaque(const TCoverCanvas& canvas, TColor matte);

    // The used part of the master bitmap.
    TBitmap Result() const;

private:
    TRect place(int width, int height);
    void put(int x, int y, TColor color);

    TBitmap bitmap_;
    int shelfX_ = 0;
    int shelfY_ = 0;
    int shelfHeight_ = 0;
};
