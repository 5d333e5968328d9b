#pragma once

#include "engine/TsSkinModel.h"
#include "graphics/BackgroundRef.h"
#include "graphics/TBitmap.h"
#include "graphics/TRect.h"

#include <QRegion>

#include <vector>

// Putting the pictures of a skin onto 24-bit bitmaps: nine-slice border
// frames, glyphs, textures, and the window regions cut at transparent corner
// pixels. A picture's pixels come from its own Bmp, else from the master
// bitmap of its Manager; a picture without a Manager is never drawn.
//
// Pictures hold ImageCount state frames side by side; a state beyond the last
// frame draws the last. Key-colour pictures (MaskType 0) skip TransparentColor
// pixels; masked pictures (MaskType 1 and more) blend every pixel through the
// mask pixel below it: mask 0 shows the picture, 255 keeps the target.

// Border picture flags (StretchMode of BORDERSMASK and glow pictures).
enum TsBorderFlag : int { bfStretch = 1, bfActiveOnly = 2, bfFillCenter = 4 };

// Texture fill types (StretchMode of PATTERN and HOTPATTERN).
enum TsFillType : int {
    ftTiled = 0,
    ftStretched = 1,
    ftTiledHorzTop = 2,
    ftTiledVertLeft = 3,
    ftStretchHorzTop = 4,
    ftStretchVertLeft = 5,
    ftTiledHorzBottom = 6,
    ftTiledVertRight = 7,
    ftDiscreteTiled = 10,
};

// FillWithTexture's answer when the whole rectangle was covered.
inline constexpr TRect FullyCovered{-1, -1, -1, -1};

// The bitmap a picture is cut from, or nullptr when it cannot be drawn.
const TBitmap* MaskSourceBitmap(const TsMaskData& mask);
// Width and height of one state frame.
int StateWidth(const TsMaskData& mask);
int StateHeight(const TsMaskData& mask);
// The frame a state draws: the last frame for states beyond it, 0 for negative ones.
int ClampedState(const TsMaskData& mask, int state);

// Nine-slice frame of the mask's state frame into rect: corners at their
// natural sizes, edges tiled (or, for key-colour pictures with bfStretch,
// stretched), the centre only when fillCenter and bfFillCenter are both set.
// Nothing is drawn in state 0 for a bfActiveOnly picture. Corners restore
// their transparent pixels from background when cornerMode is on.
void PaintBorderMask(TBitmap& target, const TRect& rect, bool fillCenter, bool cornerMode, int state,
                     const TsMaskData& mask, const BackgroundRef& background);

// One piece of a masked picture: srcRect of source, its mask Height(R) div 2
// rows below, blended into destRect. TransparentColor pixels of the picture
// take the background (restoreBackground on) or are left / blended as the
// background's readiness says.
void CopyMaskedPiece(const TRect& destRect, const TRect& srcRect, TBitmap& target, const TsMaskData& mask,
                     bool restoreBackground, const BackgroundRef& background, const TBitmap& source);

// One piece of a key-colour picture: srcRect (right and bottom inclusive) of
// source copied to (x, y), key pixels left, restored from the background or
// written as its FillColor. A 32-bit source goes to a 32-bit target whole.
void CopyKeyedPiece(TBitmap& target, const TBitmap& source, int x, int y, bool restoreBackground,
                    const BackgroundRef& background, TColor keyColor, TRect srcRect);

// A picture with its own transparency onto a 24-bit target: a 24-bit source
// carries its mask in its lower half, a 32-bit source its alpha.
void CopyBlendedPiece(const TRect& destRect, const TRect& srcRect, TBitmap& target, bool restoreBackground,
                      const BackgroundRef& background, const TBitmap& source);

// One state frame of a glyph at point; mode 1 is the normal look, any other
// the disabled one (lighter, or half transparent for key-colour glyphs).
void PaintGlyphMask(TBitmap& target, TPoint point, int state, const BackgroundRef& background,
                    const TsMaskData& mask, int mode);

// One frame stretched or tiled over the whole target (push buttons). When a
// region is given, the TransparentColor runs of the corners are taken out of it.
void PaintMaskOnBitmap(TBitmap& target, QRegion* region, int stateIndex, const TsMaskData& mask, bool fillCenter);

// Fills rect from a texture: a given graphic (a background image or the
// picture's own bitmap) is tiled whatever the fill type; otherwise the
// picture's whole R is placed as the fill type says. rect becomes the part
// left uncovered, or FullyCovered.
void FillWithTexture(TBitmap& canvas, TRect& rect, const TBitmap* graphic, int fillType, const TsMaskData& mask);

// The same for a masked texture: ftTiled and ftDiscreteTiled draw, other types
// draw nothing and leave rect as it was.
void FillWithMaskedTexture(TBitmap& target, TRect& rect, const BackgroundRef& background, int fillType,
                           const TsMaskData& mask);

// The TransparentColor runs of the first frame's top band (or, with
// bottomBand, its bottom band) as one-pixel-high rectangles: the left WL
// columns at their place, the right WR columns at the right edge of a window
// windowWidth wide, rows moved down by yOffset.
void CollectMaskRegion(std::vector<TRect>& rects, int windowWidth, const TsMaskData& mask, bool bottomBand,
                       int yOffset);
