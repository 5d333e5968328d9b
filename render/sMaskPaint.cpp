#include "render/sMaskPaint.h"

#include "engine/sSkinManager.h"
#include "graphics/ovFastAccess.h"
#include "graphics/sGraphUtils.h"
#include "render/sBitmapCopy.h"

#include <algorithm>
#include <cstring>

namespace {

bool Is24(const TBitmap& bitmap)
{
    return bitmap.PixelFormat() == TPixelFormat::pf24bit;
}

bool SameRGB(const std::uint8_t* p, TColor color)
{
    return p[0] == GetBValue(color) && p[1] == GetGValue(color) && p[2] == GetRValue(color);
}

bool IsKeyPixel(const std::uint8_t* p)
{
    return SameRGB(p, TransparentColor);
}

void PutRGB(std::uint8_t* p, TColor rgb)
{
    p[0] = GetBValue(rgb);
    p[1] = GetGValue(rgb);
    p[2] = GetRValue(rgb);
}

void BlendThroughMask(std::uint8_t* d, const std::uint8_t* s, const std::uint8_t* m)
{
    for (int c = 0; c < 3; ++c)
        d[c] = MaskBlend(d[c], s[c], m[c]);
}

TRect Sized(int left, int top, int width, int height)
{
    return TRect{left, top, left + width, top + height};
}

// Clips a piece: the smaller of both rectangles, then both bitmaps, negative
// coordinates moving the other side along. `rowsBelow` rows under every source
// row must exist too (the mask band).
bool ClipPiece(const TRect& destRect, const TRect& srcRect, const TBitmap& target, const TBitmap& source,
               int rowsBelow, TPoint& at, TRect& from)
{
    const int width = std::min(destRect.Width(), srcRect.Width());
    const int height = std::min(destRect.Height(), srcRect.Height());
    if (width <= 0 || height <= 0)
        return false;
    at = TPoint{destRect.Left, destRect.Top};
    from = Sized(srcRect.Left, srcRect.Top, width, height);
    if (!ClipCopy(at, from, source, target))
        return false;
    from.Bottom = std::min(from.Bottom, source.Height() - rowsBelow);
    return from.Height() > 0;
}

// Calls visit(targetPixel, sourcePixel, sourceRowBelow, x, y) for every pixel
// of a clipped piece, x and y in target coordinates. sourceRowBelow points
// `rowsBelow` rows under the source pixel.
template <class Visit>
void ForEachPiecePixel(TBitmap& target, TPoint at, const TBitmap& source, const TRect& from, int rowsBelow,
                       Visit visit)
{
    const int tbpp = target.BytesPerPixel(), sbpp = source.BytesPerPixel();
    for (int y = 0; y < from.Height(); ++y) {
        std::uint8_t* d = target.ScanLine(at.Y + y) + at.X * tbpp;
        const std::uint8_t* s = source.ScanLine(from.Top + y) + from.Left * sbpp;
        const std::uint8_t* m = source.ScanLine(from.Top + y + rowsBelow) + from.Left * sbpp;
        for (int x = 0; x < from.Width(); ++x, d += tbpp, s += sbpp, m += sbpp)
            visit(d, s, m, at.X + x, at.Y + y);
    }
}

// Reads the pixels of a background bitmap through the shared accessors.
class TBackgroundPixels
{
public:
    explicit TBackgroundPixels(const BackgroundRef& background)
    {
        if (!background.Ready || !background.Bmp)
            return;
        if (background.Bmp->PixelFormat() == TPixelFormat::pf24bit) {
            bound_ = SharedFast24.BindBitmap(background.Bmp);
            row0_ = SharedFast24.Row0, stride_ = SharedFast24.Stride;
            width_ = SharedFast24.Width, height_ = SharedFast24.Height, bpp_ = 3;
        } else {
            bound_ = SharedFast32.BindBitmap(background.Bmp);
            row0_ = SharedFast32.Row0, stride_ = SharedFast32.Stride;
            width_ = SharedFast32.Width, height_ = SharedFast32.Height, bpp_ = 4;
        }
    }
    bool Inside(int x, int y) const { return bound_ && x >= 0 && y >= 0 && x < width_ && y < height_; }
    // Copies the background's pixel at (x, y) into p; false (p untouched) outside it.
    bool CopyTo(std::uint8_t* p, int x, int y) const
    {
        if (!Inside(x, y))
            return false;
        std::memcpy(p, row0_ + y * stride_ + x * bpp_, 3);
        return true;
    }

private:
    bool bound_ = false;
    const std::uint8_t* row0_ = nullptr;
    std::ptrdiff_t stride_ = 0;
    int width_ = 0, height_ = 0, bpp_ = 3;
};

// Tiles srcRect over area from its top-left corner, cutting the last pieces.
template <class Piece>
void Tile(const TRect& area, const TRect& srcRect, Piece piece)
{
    const int tw = srcRect.Width(), th = srcRect.Height();
    if (tw <= 0 || th <= 0)
        return;
    for (int y = area.Top; y < area.Bottom; y += th)
        for (int x = area.Left; x < area.Right; x += tw) {
            const int w = std::min(tw, area.Right - x), h = std::min(th, area.Bottom - y);
            piece(Sized(x, y, w, h), Sized(srcRect.Left, srcRect.Top, w, h));
        }
}

bool Contains(const TBitmap& bitmap, const TRect& r)
{
    return r.Left >= 0 && r.Top >= 0 && r.Right <= bitmap.Width() && r.Bottom <= bitmap.Height();
}

// Copies the n bytes of a row to another row. The side edges of a frame are a
// few pixels wide and copied row by row, where a library call per row costs
// more than the copy: from 8 to 32 bytes two overlapping fixed-size copies
// cover the row inline.
void CopyRowBytes(std::uint8_t* __restrict to, const std::uint8_t* __restrict from, std::size_t n)
{
    if (n >= 16 && n <= 32) {
        std::memcpy(to, from, 16);
        std::memcpy(to + n - 16, from + n - 16, 16);
    } else if (n >= 8 && n < 16) {
        std::memcpy(to, from, 8);
        std::memcpy(to + n - 8, from + n - 8, 8);
    } else {
        std::memcpy(to, from, n);
    }
}

// Plain tiles. Inside both bitmaps only the first tile is copied; its rows
// are repeated along the area, and every later row repeats the row one tile
// height above it.
void TileBlock(TBitmap& target, const TRect& area, const TBitmap& source, const TRect& srcRect)
{
    const int tw = srcRect.Width(), th = srcRect.Height();
    if (!Contains(target, area) || !Contains(source, srcRect) || tw <= 0 || th <= 0) {
        Tile(area, srcRect, [&](const TRect& d, const TRect& s) { CopyBitmapRect(target, d, source, s); });
        return;
    }
    if (area.Width() <= 0 || area.Height() <= 0)
        return;
    const int firstWidth = std::min(tw, area.Width()), firstRows = std::min(th, area.Height());
    CopyBitmapRect(target, Sized(area.Left, area.Top, firstWidth, firstRows), source,
                   Sized(srcRect.Left, srcRect.Top, firstWidth, firstRows));
    const int bpp = target.BytesPerPixel();
    const std::size_t bytes = std::size_t(area.Width()) * bpp;
    for (int y = area.Top; y < area.Top + firstRows; ++y)
        RepeatRowStart(target.ScanLine(y) + area.Left * bpp, std::size_t(tw) * bpp, bytes);
    for (int y = area.Top + th; y < area.Bottom; ++y)
        CopyRowBytes(target.ScanLine(y) + area.Left * bpp, target.ScanLine(y - th) + area.Left * bpp, bytes);
}

// The band widths of a frame drawn into a smaller size: half the excess comes
// off each side, one more off the right (bottom) band for an odd size.
void ReduceBands(int size, int& first, int& second)
{
    if (size >= first + second)
        return;
    const int excess = (first + second - size) / 2;
    first -= excess;
    second -= excess;
    if (size % 2 != 0)
        second -= 1;
    first = std::max(first, 0);
    second = std::max(second, 0);
}

// Corners are single pieces; an edge or the centre is one area to tile or
// to stretch the source piece over.
enum class TPieceKind { Corner, TileArea, Stretch };

// The pieces of a nine-slice frame: where each goes and where it comes from.
struct TNineSlice
{
    TRect Dest;
    int FrameLeft = 0, FrameTop = 0, FrameHeight = 0;
    int WL = 0, WT = 0, WR = 0, WB = 0;
    int MiddleWidth = 0, MiddleHeight = 0;

    TNineSlice(const TsMaskData& mask, TRect frame, TRect dest) : Dest(dest)
    {
        WL = mask.WL, WT = mask.WT, WR = mask.WR, WB = mask.WB;
        ReduceBands(dest.Width(), WL, WR);
        ReduceBands(dest.Height(), WT, WB);
        FrameLeft = frame.Left;
        FrameTop = frame.Top;
        FrameHeight = frame.Height();
        MiddleWidth = std::max(0, frame.Width() - WL - WR);
        MiddleHeight = std::max(0, frame.Height() - WT - WB);
    }

    int RightSource() const { return FrameLeft + WL + MiddleWidth; }
    int BottomSource() const { return FrameTop + FrameHeight - WB; }

    // Calls piece(kind, destRect, srcRect) in the order the frame is drawn:
    // top-left, left edge, top edge, bottom-left, bottom edge, bottom-right,
    // top-right, right edge, centre.
    template <class Piece>
    void Walk(bool stretch, bool centre, Piece piece) const
    {
        const TRect& d = Dest;
        const int innerTop = d.Top + WT, innerBottom = d.Bottom - WB;
        const int innerLeft = d.Left + WL, innerRight = d.Right - WR;
        const TRect leftEdge = Sized(FrameLeft, FrameTop + WT, WL, MiddleHeight);
        const TRect rightEdge = Sized(RightSource(), FrameTop + WT, WR, MiddleHeight);
        const TRect topEdge = Sized(FrameLeft + WL, FrameTop, MiddleWidth, WT);
        const TRect bottomEdge = Sized(FrameLeft + WL, BottomSource(), MiddleWidth, WB);
        const TRect middle = Sized(FrameLeft + WL, FrameTop + WT, MiddleWidth, MiddleHeight);

        piece(TPieceKind::Corner, Sized(d.Left, d.Top, WL, WT), Sized(FrameLeft, FrameTop, WL, WT));
        Edge(stretch, TRect{d.Left, innerTop, d.Left + WL, innerBottom}, leftEdge, piece);
        Edge(stretch, TRect{innerLeft, d.Top, innerRight, d.Top + WT}, topEdge, piece);
        piece(TPieceKind::Corner, Sized(d.Left, d.Bottom - WB, WL, WB), Sized(FrameLeft, BottomSource(), WL, WB));
        Edge(stretch, TRect{innerLeft, d.Bottom - WB, innerRight, d.Bottom}, bottomEdge, piece);
        piece(TPieceKind::Corner, Sized(d.Right - WR, d.Bottom - WB, WR, WB), Sized(RightSource(), BottomSource(), WR, WB));
        piece(TPieceKind::Corner, Sized(d.Right - WR, d.Top, WR, WT), Sized(RightSource(), FrameTop, WR, WT));
        Edge(stretch, TRect{d.Right - WR, innerTop, d.Right, innerBottom}, rightEdge, piece);
        if (!centre)
            return;
        Edge(stretch, TRect{innerLeft, innerTop, innerRight, innerBottom}, middle, piece);
    }

    // An edge (or the centre): one stretched piece, or the source piece tiled
    // from the area's start, the last tile cut at its end.
    template <class Piece>
    static void Edge(bool stretch, const TRect& area, const TRect& src, Piece& piece)
    {
        if (src.Width() <= 0 || src.Height() <= 0 || area.Width() <= 0 || area.Height() <= 0)
            return;
        piece(stretch ? TPieceKind::Stretch : TPieceKind::TileArea, area, src);
    }
};

// The whole frame of a state.
TRect StateFrame(const TsMaskData& mask, int state)
{
    const int width = StateWidth(mask);
    return Sized(mask.R.Left + ClampedState(mask, state) * width, mask.R.Top, width, StateHeight(mask));
}


} // namespace

const TBitmap* MaskSourceBitmap(const TsMaskData& mask)
{
    if (!mask.Manager)
        return nullptr;
    if (mask.Bmp)
        return mask.Bmp.get();
    return mask.Manager->MasterBitmap.get();
}

int StateWidth(const TsMaskData& mask)
{
    return MaskFrameWidth(mask);
}

int StateHeight(const TsMaskData& mask)
{
    return MaskFrameHeight(mask);
}

int ClampedState(const TsMaskData& mask, int state)
{
    return std::clamp(state, 0, std::max(mask.ImageCount - 1, 0));
}

void CopyMaskedPiece(const TRect& destRect, const TRect& srcRect, TBitmap& target, const TsMaskData& mask,
                     bool restoreBackground, const BackgroundRef& background, const TBitmap& source)
{
    const int maskRows = mask.R.Height() / 2;
    TPoint at;
    TRect from;
    if (!Is24(target) || !ClipPiece(destRect, srcRect, target, source, maskRows, at, from))
        return;
    if (background.Ready && !restoreBackground) {
        ForEachPiecePixel(target, at, source, from, maskRows,
                          [](std::uint8_t* d, const std::uint8_t* s, const std::uint8_t* m, int, int) { BlendThroughMask(d, s, m); });
        return;
    }
    const TBackgroundPixels parent(background);
    const TColor fill = ColorToRGB(background.FillColor);
    ForEachPiecePixel(target, at, source, from, maskRows,
                      [&](std::uint8_t* d, const std::uint8_t* s, const std::uint8_t* m, int x, int y) {
                          if (!IsKeyPixel(s))
                              BlendThroughMask(d, s, m);
                          else if (!restoreBackground)
                              return;
                          else if (background.Ready)
                              parent.CopyTo(d, x + background.X, y + background.Y);
                          else
                              PutRGB(d, fill);
                      });
}

void CopyKeyedPiece(TBitmap& target, const TBitmap& source, int x, int y, bool restoreBackground,
                    const BackgroundRef& background, TColor keyColor, TRect srcRect)
{
    TPoint at{x, y};
    TRect from{srcRect.Left, srcRect.Top, srcRect.Right + 1, srcRect.Bottom + 1};
    if (!ClipCopy(at, from, source, target))
        return;
    if (restoreBackground && background.Ready && background.Bmp) {
        if (!Is24(*background.Bmp) || !Is24(target))
            return;
        const bool fromItself = background.Bmp == &target;
        const TBackgroundPixels parent(background);
        ForEachPiecePixel(target, at, source, from, 0, [&](std::uint8_t* d, const std::uint8_t* s, const std::uint8_t*, int px, int py) {
            if (!SameRGB(s, keyColor))
                std::memcpy(d, s, 3);
            else if (!fromItself)
                parent.CopyTo(d, px + background.X, py + background.Y);
        });
        return;
    }
    if (source.PixelFormat() != target.PixelFormat())
        return;
    const TColor fill = background.FillColor;
    if (Is24(source)) {
        ForEachPiecePixel(target, at, source, from, 0, [&](std::uint8_t* d, const std::uint8_t* s, const std::uint8_t*, int, int) {
            if (!SameRGB(s, keyColor))
                std::memcpy(d, s, 3);
            else if (!background.Ready)
                PutRGB(d, fill);
        });
        return;
    }
    ForEachPiecePixel(target, at, source, from, 0, [&](std::uint8_t* d, const std::uint8_t* s, const std::uint8_t*, int, int) {
        if (!(SameRGB(s, keyColor) && s[3] == 0))
            std::memcpy(d, s, 4);
        else if (!background.Ready) {
            PutRGB(d, fill);
            d[3] = std::uint8_t(fill >> 24);
        }
    });
}

void CopyBlendedPiece(const TRect& destRect, const TRect& srcRect, TBitmap& target, bool restoreBackground,
                      const BackgroundRef& background, const TBitmap& source)
{
    const bool alpha = source.PixelFormat() == TPixelFormat::pf32bit;
    const int maskRows = alpha ? 0 : source.Height() / 2;
    TPoint at;
    TRect from;
    if (!Is24(target) || !ClipPiece(destRect, srcRect, target, source, maskRows, at, from))
        return;
    const TBackgroundPixels parent(background);
    ForEachPiecePixel(target, at, source, from, maskRows,
                      [&](std::uint8_t* d, const std::uint8_t* s, const std::uint8_t* m, int x, int y) {
                          if (background.Ready && SameRGB(s, clFuchsia)) {
                              if (restoreBackground)
                                  parent.CopyTo(d, x + background.X, y + background.Y);
                              return;
                          }
                          if (!alpha) {
                              BlendThroughMask(d, s, m);
                              return;
                          }
                          for (int c = 0; c < 3; ++c)
                              d[c] = std::uint8_t((d[c] * 256 + (s[c] - d[c]) * s[3]) >> 8);
                      });
}

void PaintBorderMask(TBitmap& target, const TRect& rect, bool fillCenter, bool cornerMode, int state,
                     const TsMaskData& mask, const BackgroundRef& background)
{
    if ((state == 0 && (mask.StretchMode & bfActiveOnly)) || rect.Width() < 2 || rect.Height() < 2 || !Is24(target))
        return;
    const TBitmap* source = MaskSourceBitmap(mask);
    if (!source)
        return;
    const TNineSlice slice(mask, StateFrame(mask, state), rect);
    const bool centre = fillCenter && (mask.StretchMode & bfFillCenter);
    if (mask.MaskType >= 1) {
        slice.Walk(false, centre, [&](TPieceKind kind, const TRect& to, const TRect& from) {
            if (kind == TPieceKind::Corner)
                CopyMaskedPiece(to, from, target, mask, cornerMode, background, *source);
            else
                Tile(to, from, [&](const TRect& d, const TRect& s) {
                    CopyMaskedPiece(d, s, target, mask, false, NoBackground, *source);
                });
        });
        return;
    }
    slice.Walk(mask.StretchMode & bfStretch, centre, [&](TPieceKind kind, const TRect& to, const TRect& from) {
        if (kind == TPieceKind::Corner) {
            if (from.Width() > 0 && from.Height() > 0)
                CopyKeyedPiece(target, *source, to.Left, to.Top, cornerMode, background, clFuchsia,
                               TRect{from.Left, from.Top, from.Right - 1, from.Bottom - 1});
        } else if (kind == TPieceKind::Stretch) {
            StretchCopy(target, to, *source, from);
        } else {
            TileBlock(target, to, *source, from);
        }
    });
}

// A glyph frame from a bitmap that holds its mask StateHeight rows below:
// every non-key pixel is blended through its mask, lighter when disabled; a
// key-colour glyph is copied without its key pixels.
static void PaintMaskedGlyph(TBitmap& target, TPoint point, const TBitmap& source, const TRect& frame,
                             const TsMaskData& mask, int mode)
{
    const int maskRows = mask.MaskType > 0 ? StateHeight(mask) : 0;
    TPoint at;
    TRect from;
    if (!ClipPiece(Sized(point.X, point.Y, frame.Width(), frame.Height()), frame, target, source, maskRows, at, from))
        return;
    const int lighten = mode == 1 ? 0 : 100;
    ForEachPiecePixel(target, at, source, from, maskRows, [&](std::uint8_t* d, const std::uint8_t* s, const std::uint8_t* m, int, int) {
        if (IsKeyPixel(s))
            return;
        if (mask.MaskType == 0) {
            std::memcpy(d, s, 3);
            return;
        }
        for (int c = 0; c < 3; ++c)
            d[c] = MaskBlend(d[c], s[c], std::min(255, m[c] + lighten));
    });
}

void PaintGlyphMask(TBitmap& target, TPoint point, int state, const BackgroundRef& background,
                    const TsMaskData& mask, int mode)
{
    if (!mask.Manager || !Is24(target))
        return;
    TRect frame = StateFrame(mask, state);
    if (point.X < 0) {
        frame.Left -= point.X;
        point.X = 0;
    }
    if (point.Y < 0) {
        frame.Top -= point.Y;
        point.Y = 0;
    }
    if (frame.Width() <= 0 || frame.Height() <= 0)
        return;
    if (mask.Bmp && mask.Bmp->Width() >= mask.R.Right && mask.Bmp->Height() >= mask.R.Bottom) {
        PaintMaskedGlyph(target, point, *mask.Bmp, frame, mask, mode);
        return;
    }
    const TBitmap* master = mask.Manager->MasterBitmap.get();
    if (!master)
        return;
    if (mask.MaskType > 0)
        PaintMaskedGlyph(target, point, *master, frame, mask, mode);
    else if (mode == 1)
        CopyKeyedPiece(target, *master, point.X, point.Y, true, background, clFuchsia,
                       TRect{frame.Left, frame.Top, frame.Right - 1, frame.Bottom - 1});
    else
        BlendBitmapKeyed(target, point.X, point.Y, clFuchsia, 0.5, frame, *master);
}

// The transparent runs of one corner piece, in target coordinates.
static void AddKeyRuns(QRegion& runs, const TBitmap& source, const TRect& from, TPoint to)
{
    const int bpp = source.BytesPerPixel();
    for (int y = 0; y < from.Height(); ++y) {
        const std::uint8_t* row = source.ScanLine(from.Top + y) + from.Left * bpp;
        for (int x = 0; x < from.Width();) {
            if (!IsKeyPixel(row + x * bpp)) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < from.Width() && IsKeyPixel(row + x * bpp))
                ++x;
            runs += QRect(to.X + start, to.Y + y, x - start, 1);
        }
    }
}

void PaintMaskOnBitmap(TBitmap& target, QRegion* region, int stateIndex, const TsMaskData& mask, bool fillCenter)
{
    const TBitmap* source = MaskSourceBitmap(mask);
    if (!source || !Is24(target) || target.Width() < 2 || target.Height() < 2)
        return;
    TsMaskData layout; // the copy this call works with
    layout.R = mask.R;
    layout.ImageCount = mask.ImageCount;
    layout.MaskType = mask.MaskType;
    layout.WL = mask.WL, layout.WT = mask.WT, layout.WR = mask.WR, layout.WB = mask.WB;
    if (layout.ImageCount < 1) {
        layout.ImageCount = 1;
        if (mask.Bmp)
            layout.R = TRect{0, 0, mask.Bmp->Width(), mask.Bmp->Height()};
    }
    const bool masked = mask.MaskType == 1;
    const int maskRows = layout.R.Height() / 2;
    const TNineSlice slice(layout, StateFrame(layout, stateIndex), TRect{0, 0, target.Width(), target.Height()});
    const bool stretch = (mask.StretchMode & bfStretch) && !masked;
    const bool centre = fillCenter && (mask.StretchMode & bfFillCenter);
    QRegion keyRuns;
    // Corners skip their transparent pixels; masked pictures blend every piece.
    auto piece = [&](bool corner, const TRect& to, const TRect& srcRect) {
        TPoint at;
        TRect from;
        if (!ClipPiece(to, srcRect, target, *source, masked ? maskRows : 0, at, from))
            return;
        if (corner && region)
            AddKeyRuns(keyRuns, *source, from, at);
        ForEachPiecePixel(target, at, *source, from, masked ? maskRows : 0,
                          [&](std::uint8_t* d, const std::uint8_t* s, const std::uint8_t* m, int, int) {
                              if (corner && IsKeyPixel(s))
                                  return;
                              if (masked)
                                  BlendThroughMask(d, s, m);
                              else
                                  std::memcpy(d, s, 3);
                          });
    };
    slice.Walk(stretch, centre, [&](TPieceKind kind, const TRect& to, const TRect& srcRect) {
        if (kind == TPieceKind::Corner)
            piece(true, to, srcRect);
        else if (kind == TPieceKind::Stretch)
            StretchCopy(target, to, *source, srcRect);
        else if (masked)
            Tile(to, srcRect, [&](const TRect& d, const TRect& s) { piece(false, d, s); });
        else
            TileBlock(target, to, *source, srcRect);
    });
    if (region)
        *region = region->subtracted(keyRuns);
}

void FillWithTexture(TBitmap& canvas, TRect& rect, const TBitmap* graphic, int fillType, const TsMaskData& mask)
{
    if (graphic && !graphic->Empty()) {
        TileBlock(canvas, rect, *graphic, TRect{0, 0, graphic->Width(), graphic->Height()});
        rect = FullyCovered;
        return;
    }
    const TBitmap* source = MaskSourceBitmap(mask);
    const TRect& tile = mask.R;
    const int tw = tile.Width(), th = tile.Height();
    if (!source || tw <= 0 || th <= 0 || rect.Width() <= 0 || rect.Height() <= 0)
        return;
    const TRect r = rect;
    // Stretched along one side only: the band is cut, not squeezed, on the other.
    auto stretchBand = [&](const TRect& band) {
        const TRect from{tile.Left, tile.Top, tile.Left + std::min(tw, band.Width()), tile.Top + std::min(th, band.Height())};
        const TRect to{band.Left, band.Top, band.Left + (fillType == ftStretchHorzTop ? band.Width() : from.Width()),
                       band.Top + (fillType == ftStretchVertLeft ? band.Height() : from.Height())};
        StretchCopy(canvas, to, *source, from);
    };
    switch (fillType) {
    case ftStretched:
        StretchCopy(canvas, r, *source, tile);
        rect = FullyCovered;
        return;
    case ftStretchHorzTop:
        stretchBand(r);
        rect = TRect{r.Left, r.Top + th, r.Right, r.Bottom};
        return;
    case ftStretchVertLeft:
        stretchBand(r);
        rect = TRect{r.Left + tw, r.Top, r.Right, r.Bottom};
        return;
    case ftDiscreteTiled:
        for (int y = r.Top; y < r.Bottom - th; y += th)
            TileBlock(canvas, TRect{r.Left, y, r.Right, y + th}, *source, tile);
        rect = FullyCovered;
        return;
    case ftTiled:
        TileBlock(canvas, r, *source, tile);
        rect = FullyCovered;
        return;
    case ftTiledHorzTop:
        TileBlock(canvas, TRect{r.Left, r.Top, r.Right, std::min(r.Bottom, r.Top + th)}, *source, tile);
        rect = TRect{r.Left, r.Top + th, r.Right, r.Bottom};
        return;
    case ftTiledVertLeft:
        TileBlock(canvas, TRect{r.Left, r.Top, std::min(r.Right, r.Left + tw), r.Bottom}, *source, tile);
        rect = TRect{r.Left + tw, r.Top, r.Right, r.Bottom};
        return;
    case ftTiledHorzBottom:
        TileBlock(canvas, TRect{r.Left, std::max(r.Top, r.Bottom - th), r.Right, r.Bottom}, *source, tile);
        rect = TRect{r.Left, r.Top, r.Right, r.Bottom - th};
        return;
    case ftTiledVertRight:
        TileBlock(canvas, TRect{std::max(r.Left, r.Right - tw), r.Top, r.Right, r.Bottom}, *source, tile);
        rect = TRect{r.Left, r.Top, r.Right - tw, r.Bottom};
        return;
    default:
        return; // reserved types cover nothing
    }
}

// Puts the background's pixels (or its fill colour) into an area of the target.
static void RestoreArea(TBitmap& target, const TRect& area, const BackgroundRef& background)
{
    if (!background.Ready) {
        if (background.FillColor != clFuchsia)
            FillRectColor(target, area, background.FillColor);
        return;
    }
    const TBackgroundPixels parent(background);
    const int x0 = std::max(area.Left, 0), x1 = std::min(area.Right, target.Width());
    for (int y = std::max(area.Top, 0); y < std::min(area.Bottom, target.Height()); ++y)
        for (int x = x0; x < x1; ++x)
            parent.CopyTo(target.ScanLine(y) + x * 3, x + background.X, y + background.Y);
}

void FillWithMaskedTexture(TBitmap& target, TRect& rect, const BackgroundRef& background, int fillType,
                           const TsMaskData& mask)
{
    const TBitmap* source = MaskSourceBitmap(mask);
    if (!source || !Is24(target) || (fillType != ftTiled && fillType != ftDiscreteTiled))
        return;
    const int maskRows = mask.R.Height() / 2;
    const TRect frame = Sized(mask.R.Left, mask.R.Top, StateWidth(mask), maskRows);
    if (frame.Width() <= 0 || frame.Height() <= 0)
        return;
    const TBackgroundPixels parent(background);
    const bool fillKeys = !background.Ready && background.FillColor != clFuchsia;
    const TColor fill = ColorToRGB(background.FillColor);
    auto piece = [&](const TRect& to, const TRect& srcRect) {
        TPoint at;
        TRect from;
        if (!ClipPiece(to, srcRect, target, *source, maskRows, at, from))
            return;
        ForEachPiecePixel(target, at, *source, from, maskRows,
                          [&](std::uint8_t* d, const std::uint8_t* s, const std::uint8_t* m, int x, int y) {
                              if (!IsKeyPixel(s))
                                  BlendThroughMask(d, s, m);
                              else if (background.Ready)
                                  parent.CopyTo(d, x + background.X, y + background.Y);
                              else if (fillKeys)
                                  PutRGB(d, fill);
                          });
    };
    const TRect r = rect;
    if (fillType == ftTiled) {
        Tile(r, frame, piece);
    } else {
        const int columns = std::max(0, r.Width() / frame.Width()), rows = std::max(0, r.Height() / frame.Height());
        const TRect whole = Sized(r.Left, r.Top, columns * frame.Width(), rows * frame.Height());
        Tile(whole, frame, piece);
        RestoreArea(target, TRect{whole.Right, r.Top, r.Right, whole.Bottom}, background);
        RestoreArea(target, TRect{r.Left, whole.Bottom, r.Right, r.Bottom}, background);
    }
    rect = FullyCovered;
}

void CollectMaskRegion(std::vector<TRect>& rects, int windowWidth, const TsMaskData& mask, bool bottomBand,
                       int yOffset)
{
    const TBitmap* source = MaskSourceBitmap(mask);
    if (!source)
        return;
    const int frameWidth = StateWidth(mask);
    const int bandHeight = bottomBand ? mask.WB : mask.WT;
    const int firstRow = bottomBand ? mask.R.Top + StateHeight(mask) - mask.WB : mask.R.Top;
    const int bpp = source->BytesPerPixel();
    // Runs of key pixels in columns [from, from + count) of a row, placed at x = to.
    auto collect = [&](int row, int y, int from, int count, int to) {
        const std::uint8_t* p = source->ScanLine(row);
        for (int c = 0; c < count;) {
            const int sx = from + c;
            if (sx < 0 || sx >= source->Width() || !IsKeyPixel(p + sx * bpp)) {
                ++c;
                continue;
            }
            const int start = c;
            while (c < count && from + c < source->Width() && IsKeyPixel(p + (from + c) * bpp))
                ++c;
            rects.push_back(TRect{to + start, y, to + c, y + 1});
        }
    };
    for (int i = 0; i < bandHeight; ++i) {
        const int row = firstRow + i;
        if (row < 0 || row >= source->Height())
            continue;
        collect(row, yOffset + i, mask.R.Left, mask.WL, 0);
        collect(row, yOffset + i, mask.R.Left + frameWidth - mask.WR, mask.WR, windowWidth - mask.WR);
    }
}
