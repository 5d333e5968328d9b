#pragma once

#include "graphics/TBitmap.h"
#include "graphics/TRect.h"

// Resamples sourceRect of source onto destRect of destination (24- or 32-bit
// on either side; alpha is not carried). Shrinking averages every source pixel
// a destination pixel covers, enlarging interpolates linearly between pixel
// centres, each axis on its own. Both rectangles are clipped to their bitmaps
// first; the parts that fall away keep the scale of the whole copy.
void StretchCopy(TBitmap& destination, const TRect& destRect, const TBitmap& source, const TRect& sourceRect);
