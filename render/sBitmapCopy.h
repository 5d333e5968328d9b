#pragma once

#include "graphics/TBitmap.h"
#include "graphics/TRect.h"

// Plain copy of srcRect to destRect's top-left, the smaller of both sizes,
// clipped to both bitmaps (negative coordinates move the other side along).
// Blue, green and red are copied; a 32-bit target keeps its alpha when the
// source is 24-bit.
void CopyBitmapRect(TBitmap& destination, const TRect& destRect, const TBitmap& source, const TRect& srcRect);

// Resamples sourceRect of source onto destRect of destination (24- or 32-bit
// on either side; alpha is not carried). Shrinking averages every source pixel
// a destination pixel covers, enlarging interpolates linearly between pixel
// centres, each axis on its own. Both rectangles are clipped to their bitmaps
// first; the parts that fall away keep the scale of the whole copy.
void StretchCopy(TBitmap& destination, const TRect& destRect, const TBitmap& source, const TRect& sourceRect);
