#pragma once

#include "graphics/GradientStep.h"
#include "graphics/TBitmap.h"
#include "graphics/TRect.h"

// Paints the steps into rect (clipped to the target) of a 24-bit bitmap. The
// first step's Mode gives the direction: 0 vertical and 1 horizontal run the
// steps one after another, each over its Percent of the height or width (the
// last one always to the end); 2 shades four triangles between the corners and
// the centre with the Color1 of steps 0 to 4. Other modes paint nothing.
void PaintGradient(TBitmap& target, const TRect& rect, const TsGradArray& steps);
