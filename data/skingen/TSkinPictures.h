#pragma once

#include "data/skingen/TCoverCanvas.h"

#include <vector>

// The drawings the skins are made of. Each returns a canvas holding its state
// frames side by side, frame 0 at the left.

// One state of a box-shaped element (button, edit frame, tab, thumb ...).
struct TFrameLook
{
    TColor Fill = clBlack;
    float FillAlpha = 0; // 0 leaves the section's own background visible
    TColor Outline = clBlack;
    float OutlineAlpha = 0;
    float Sheen = 0; // white light fading down through the top band
    float Shade = 0; // black fading up through the bottom band
    float Lip = 0; // black over the outline's bottom, a hint of depth
};

// Geometry of a box picture: four equal bands around a middle tile that the
// painter repeats, so the picture serves any size. Edges marked open run on
// past the picture, without outline or rounding there (a tab's page side).
struct TBoxLayout
{
    int Band = 6;
    int Middle = 4;
    float Radius = 4;
    float BottomRadius = -1; // the bottom corners' radius when not Radius
    float Inset = 0; // transparent margin around the box
    float OutlineWidth = 1;
    bool OpenLeft = false;
    bool OpenTop = false;
    bool OpenRight = false;
    bool OpenBottom = false;

    int FrameSize() const { return 2 * Band + Middle; }
};

TShape BoxShape(const TBoxLayout& layout);
TCoverCanvas BoxPicture(const TBoxLayout& layout, const std::vector<TFrameLook>& looks);

// Straight lines along chosen sides of a square picture of bands 1 around a
// middle of 2: a toolbar's bottom line, a status bar's top line.
struct TLineSides
{
    bool Left = false;
    bool Top = false;
    bool Right = false;
    bool Bottom = false;
};
TCoverCanvas LinePicture(TLineSides sides, const std::vector<TColor>& colors);

// A one-pixel line in a divider picture 2 * band across: in the last row (or
// column) of the first band, so that bands band and band - 1 around a middle
// of one put it in the middle of any divider 2 * band - 1 pixels across.
TCoverCanvas DividerPicture(bool vertical, int band, TColor color);

// Glyphs, size x size per frame (normal, hot, pressed).
struct TGlyphColors
{
    TColor Face;
    TColor Edge;
    TColor Mark;
};
enum class TCheckMark { None, Tick, Dash, Dot };
TCoverCanvas CheckBoxGlyph(int size, float radius, const std::vector<TGlyphColors>& frames, TCheckMark mark);
TCoverCanvas RadioGlyph(int size, const std::vector<TGlyphColors>& frames, TCheckMark mark);
TCoverCanvas TickGlyph(int size, const std::vector<TColor>& frames);

enum class TArrow { Up, Down, Left, Right };
TCoverCanvas ChevronGlyph(int size, TArrow direction, const std::vector<TColor>& frames);
TCoverCanvas GripGlyph(int size, TColor color);
TCoverCanvas ThumbGlyph(int size, const std::vector<TGlyphColors>& frames);
TCoverCanvas TickMark(int width, int height, TColor color);

// Title-bar buttons: a rounded plate (none where PlateAlpha is 0) and a symbol.
enum class TTitleSymbol { None, Close, Maximize, Restore, Minimize, Help };
struct TTitleLook
{
    TColor Plate;
    float PlateAlpha;
    TColor Symbol;
};
TCoverCanvas TitleGlyph(int width, int height, float radius, TTitleSymbol symbol, const std::vector<TTitleLook>& frames);

// Opaque textures.
TCoverCanvas GrainTexture(int size, TColor base, int amplitude);
TCoverCanvas DotTexture(int size, TColor base, TColor dot);

// A glow layer's picture: bands of band pixels around a middle tile. The glow
// overlaps its control by margin pixels, so the control's edge lies band -
// margin pixels inside the picture's edge: a box of the given corner radius
// there, clear inside, with a halo of color fading out to the picture's edge.
TCoverCanvas GlowPicture(int band, int middle, int margin, float radius, TColor color, float opacity);
