#include "render/sSectionPaint.h"

#include "engine/sSkinManager.h"
#include "graphics/sGradient.h"
#include "graphics/WidestVectors.h"
#include "graphics/sGraphUtils.h"
#include "render/sBitmapCopy.h"
#include "render/sMaskPaint.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

namespace {

enum class TTextureKind { None, Picture, Pattern };

struct TTexture
{
    TTextureKind Kind = TTextureKind::None;
    int Index = -1;
};

// What one call paints with, fixed from the section and the state at the start.
struct TStateValues
{
    TColor C = clWhite;
    int T = 0;  // transparency towards the parent
    int IP = 0; // texture share
    int GP = 0; // gradient share
    const TsGradArray* Steps = nullptr;
    TTexture Texture;
};

TsSkinManager* ManagerOrDefault(TsSkinManager* manager)
{
    return manager ? manager : TsSkinManager::DefaultManager();
}

int WeightOfPercent(int percent)
{
    return std::clamp(percent * 255 / 100, 0, 255);
}

bool Inside(const TRect& rect, const TBitmap& target)
{
    return rect.Left >= 0 && rect.Top >= 0 && rect.Right <= target.Width() && rect.Bottom <= target.Height();
}

BackgroundRef Shifted(BackgroundRef background, int dx, int dy)
{
    background.X += dx;
    background.Y += dy;
    return background;
}

const char* PatternKey(bool hot)
{
    return hot ? "HOTPATTERN" : "PATTERN";
}

// A picture given by the caller counts only when it is a key-colour picture;
// -1 means the section's own (inherited) PATTERN or HOTPATTERN. Failing a
// picture, a large background image of that name is taken.
TTexture FindTexture(const TsSkinManager& skin, int sectionIndex, const std::string& sectionName, int given, bool hot)
{
    int picture = -1;
    if (given != -1) {
        if (skin.IsValidMask(given) && skin.MaskArray[std::size_t(given)].MaskType == 0)
            picture = given;
    } else {
        picture = skin.MaskIndexOf(sectionIndex, sectionName, PatternKey(hot));
    }
    if (skin.IsValidMask(picture))
        return {TTextureKind::Picture, picture};
    const int pattern = skin.PatternIndexOf(sectionIndex, sectionName, PatternKey(hot));
    if (pattern >= 0 && std::size_t(pattern) < skin.PatternArray.size() && skin.PatternArray[std::size_t(pattern)].Img)
        return {TTextureKind::Pattern, pattern};
    return {};
}

TStateValues StateValues(const TsSkinManager& skin, int sectionIndex, const std::string& sectionName,
                         TColor customColor, int textureIndex, int state)
{
    TStateValues v;
    if (customColor != clFuchsia) {
        v.C = customColor;
        return v;
    }
    const TsGeneralData& section = skin.SectionArray[std::size_t(sectionIndex)];
    const bool hot = state != 0;
    v.C = hot ? section.HotColor : section.Color;
    v.T = hot ? section.HotTransparency : section.Transparency;
    if (v.T != 100) {
        v.IP = hot ? section.HotImagePercent : section.ImagePercent;
        v.GP = hot ? section.HotGradientPercent : section.GradientPercent;
    }
    if (v.IP > 0)
        v.Texture = FindTexture(skin, sectionIndex, sectionName, textureIndex, hot);
    if (v.GP > 0)
        v.Steps = hot ? &section.HotGradientArray : &section.GradientArray;
    return v;
}

// A gradient without steps paints the plain colour.
void PaintGradientOrColor(TBitmap& target, const TRect& r, const TStateValues& v)
{
    if (v.Steps && !v.Steps->empty())
        PaintGradient(target, r, *v.Steps);
    else
        FillRectColor(target, r, v.C);
}

// Fills r with the texture; the part it leaves is filled with the colour.
// True when a texture was painted.
bool PaintTexture(const TsSkinManager& skin, const TStateValues& v, const BackgroundRef& background, TBitmap& target,
                  const TRect& r)
{
    TRect rest = r;
    if (v.Texture.Kind == TTextureKind::Pattern) {
        static const TsMaskData noPicture;
        FillWithTexture(target, rest, skin.PatternArray[std::size_t(v.Texture.Index)].Img.get(), ftTiled, noPicture);
    } else if (v.Texture.Kind == TTextureKind::Picture) {
        const TsMaskData& picture = skin.MaskArray[std::size_t(v.Texture.Index)];
        if (picture.MaskType != 0)
            FillWithMaskedTexture(target, rest, background, picture.StretchMode, picture);
        else
            FillWithTexture(target, rest, picture.Bmp.get(), picture.StretchMode, picture);
    }
    if (!(rest == FullyCovered))
        FillRectColor(target, rest, v.C);
    return v.Texture.Kind != TTextureKind::None;
}

// The section's own look in r: texture, gradient over it by the shares, and
// what the shares leave to the colour. The background maps r's coordinates.
void PaintOwnBackground(const TsSkinManager& skin, const TStateValues& v, const BackgroundRef& background,
                        TBitmap& target, const TRect& r)
{
    bool textured = false;
    if (v.IP > 0)
        textured = PaintTexture(skin, v, background, target, r);
    if (v.GP > 0) {
        if (textured) {
            TBitmap gradient = NewBitmap24(r.Width(), r.Height());
            const TRect whole{0, 0, r.Width(), r.Height()};
            PaintGradientOrColor(gradient, whole, v);
            BlendBitmapRect(target, gradient, WeightOfPercent(v.IP), TPoint{r.Left, r.Top}, whole);
        } else {
            PaintGradientOrColor(target, r, v);
        }
    }
    const int shares = v.IP + v.GP;
    if (shares == 0)
        FillRectColor(target, r, !background.Ready && v.T != 0 ? background.FillColor : v.C);
    else if (shares <= 99)
        TintRect(target, TRect{r.Left, r.Top, r.Right - 1, r.Bottom - 1}, shares, v.C); // TintRect includes its edges
}

// What lies beneath: the parent's block at the rectangle's place, or its colour.
void PutParentBackground(const BackgroundRef& background, TBitmap& target, TPoint P, const TRect& rect)
{
    if (!background.Ready) {
        FillRectColor(target, rect, background.FillColor);
        return;
    }
    if (background.Bmp && background.Bmp != &target)
        CopyBitmapRect(target, rect, *background.Bmp,
                       TRect{background.X + P.X, background.Y + P.Y, background.X + P.X + rect.Width(),
                             background.Y + P.Y + rect.Height()});
}

// True when each row of the own look is one colour: no texture, and a plain
// colour or a vertical gradient.
bool RowsAreUniform(const TStateValues& v)
{
    return v.IP == 0 && (v.GP == 0 || !v.Steps || v.Steps->empty() || v.Steps->front().Mode == 0);
}

// BlendByWeight(parent, own, weight) = (parent * weight + own * (255 - weight)
// + 127) div 256 with the own part constant along a row of one colour. The
// row is worked on as 16-bit words holding two bytes each, so no byte needs
// widening: the low byte's sum moves down, the high byte's stays. Blue, green
// and red repeat every three words' worth of pixels, so a group of three
// 64-byte vectors always meets the same own parts.
// Only as aligned as its words: values of it are kept and passed across the
// clones built for different vector units, whose stack alignments differ.
typedef std::uint16_t TWords __attribute__((vector_size(64), aligned(2)));
constexpr std::size_t GroupBytes = 3 * sizeof(TWords);

// The byte at offset b of a group belongs to channel b mod 3, so the even
// bytes of vector v start at phase (v * 64) mod 3 and the odd ones one
// further on; along a vector the phase moves by two per word. Three vectors
// of own parts, one per starting phase, serve both halves of all three
// vectors of a group.
struct TOwnPart
{
    TWords Phase[3]; // word j: the own part of channel (phase + 2 * j) mod 3
};

constexpr std::size_t LowPhase(std::size_t v)
{
    return v * sizeof(TWords) % 3;
}

constexpr std::size_t HighPhase(std::size_t v)
{
    return (v * sizeof(TWords) + 1) % 3;
}

// Lane selectors: 1 in the words of phase k that belong to channel c, else 0. Made once.
struct TChannelLanes
{
    TWords Lanes[3][3]; // [phase][channel]

    TChannelLanes()
    {
        for (std::size_t k = 0; k < 3; ++k)
            for (std::size_t c = 0; c < 3; ++c)
                for (std::size_t j = 0; j < sizeof(TWords) / 2; ++j)
                    Lanes[k][c][j] = (k + 2 * j) % 3 == c;
    }
};

WIDEST_VECTORS TOwnPart OwnPart(const std::uint8_t* bgr, std::uint16_t weight)
{
    static const TChannelLanes lanes;
    std::uint16_t own[3];
    for (int c = 0; c < 3; ++c)
        own[c] = std::uint16_t(bgr[c] * (255 - weight) + 127);
    TOwnPart part;
    for (std::size_t k = 0; k < 3; ++k)
        part.Phase[k] = lanes.Lanes[k][0] * own[0] + lanes.Lanes[k][1] * own[1] + lanes.Lanes[k][2] * own[2];
    return part;
}

// One group of three vectors; under may be target (each vector is read before it is written).
inline void BlendGroup(std::uint8_t* target, const std::uint8_t* under, const TOwnPart& part, std::uint16_t weight)
{
    for (std::size_t v = 0; v < 3; ++v) {
        TWords x;
        std::memcpy(&x, under + v * sizeof x, sizeof x);
        const TWords low = ((x & 0xFF) * weight + part.Phase[LowPhase(v)]) >> 8;
        const TWords high = ((x >> 8) * weight + part.Phase[HighPhase(v)]) & 0xFF00;
        x = low | high;
        std::memcpy(target + v * sizeof x, &x, sizeof x);
    }
}

// target = BlendByWeight(under, own, weight) byte by byte; under is either
// target itself or apart from it. A row's rest after its last whole group is
// taken from one more group ending at the row's end (rows are whole pixels,
// so it meets the same own parts). Apart, that group is blended last, giving
// the bytes it shares with the group before the same values again; in place,
// it is worked out into a buffer before anything is written. A row shorter
// than a group goes through a group-sized buffer.
WIDEST_VECTORS void BlendRowWithColour(std::uint8_t* target, const std::uint8_t* under, const TOwnPart& part,
                                       std::size_t bytes, std::uint16_t weight)
{
    static_assert(std::endian::native == std::endian::little);
    std::uint8_t last[GroupBytes] = {};
    if (bytes < GroupBytes) {
        std::memcpy(last, under, bytes);
        BlendGroup(last, last, part, weight);
        std::memcpy(target, last, bytes);
        return;
    }
    const std::size_t lastStart = bytes - GroupBytes;
    const bool inPlace = under == target;
    if (inPlace)
        BlendGroup(last, under + lastStart, part, weight);
    std::size_t i = 0;
    for (; i + GroupBytes <= bytes; i += GroupBytes)
        BlendGroup(target + i, under + i, part, weight);
    if (i == bytes)
        return;
    if (inPlace)
        std::memcpy(target + i, last + (i - lastStart), bytes - i);
    else
        BlendGroup(target + lastStart, under + lastStart, part, weight);
}

// The parent's block for the rectangle, when it lies whole in a 24-bit bitmap
// other than the target; else nullptr.
const TBitmap* WholeParentBlock(const BackgroundRef& background, const TBitmap& target, TPoint at, const TRect& rect)
{
    const TBitmap* parent = background.Ready ? background.Bmp : nullptr;
    if (!parent || parent == &target || parent->PixelFormat() != TPixelFormat::pf24bit)
        return nullptr;
    const bool inside = at.X >= 0 && at.Y >= 0 && at.X + rect.Width() <= parent->Width()
        && at.Y + rect.Height() <= parent->Height();
    return inside ? parent : nullptr;
}

// The same composition as ComposeBackground for a look whose rows are
// uniform: the look is painted one pixel wide, and each row is spread over
// the rectangle, blended with the parent in the same pass.
void ComposeUniformRows(const TsSkinManager& skin, const TStateValues& v, const BackgroundRef& background,
                        bool parentShows, TBitmap& target, TPoint P, const TRect& rect)
{
    const bool blend = parentShows && v.T != 0;
    TBitmap column = NewBitmap24(1, rect.Height());
    PaintOwnBackground(skin, v, background, column, TRect{0, 0, 1, rect.Height()});
    const TPoint at{background.X + P.X, background.Y + P.Y};
    const TBitmap* parent = blend ? WholeParentBlock(background, target, at, rect) : nullptr;
    if (blend && !parent)
        PutParentBackground(background, target, P, rect);
    // A rectangle under two pixels in either direction is too small to blend into.
    const bool mix = blend && rect.Width() >= 2 && rect.Height() >= 2;
    const std::uint16_t weight = std::uint16_t(WeightOfPercent(v.T));
    const std::size_t bytes = std::size_t(rect.Width()) * 3;
    TOwnPart part{};
    for (int y = 0; y < rect.Height(); ++y) {
        const std::uint8_t* colour = column.ScanLine(y);
        std::uint8_t* row = target.ScanLine(rect.Top + y) + rect.Left * 3;
        const std::uint8_t* under = parent ? parent->ScanLine(at.Y + y) + at.X * 3 : row;
        if (!blend) {
            std::memcpy(row, colour, 3);
            RepeatRowStart(row, 3, bytes);
        } else if (!mix) {
            std::memmove(row, under, bytes);
        } else {
            if (y == 0 || std::memcmp(colour, column.ScanLine(y - 1), 3) != 0)
                part = OwnPart(colour, weight);
            BlendRowWithColour(row, under, part, bytes, weight);
        }
    }
}

// Own look, parent's look, or both blended by the transparency.
void ComposeBackground(const TsSkinManager& skin, const TStateValues& v, const BackgroundRef& background,
                       bool parentShows, TBitmap& target, TPoint P, const TRect& rect)
{
    if (!parentShows || v.T == 0) {
        PaintOwnBackground(skin, v, Shifted(background, P.X, P.Y), target, rect);
        return;
    }
    if (v.T >= 100) {
        PutParentBackground(background, target, P, rect);
        return;
    }
    if (RowsAreUniform(v)) {
        ComposeUniformRows(skin, v, background, parentShows, target, P, rect);
        return;
    }
    TBitmap own = NewBitmap24(rect.Width(), rect.Height());
    const TRect whole{0, 0, rect.Width(), rect.Height()};
    PaintOwnBackground(skin, v, Shifted(background, P.X + rect.Left, P.Y + rect.Top), own, whole);
    PutParentBackground(background, target, P, rect);
    BlendBitmapRect(target, own, WeightOfPercent(v.T), TPoint{rect.Left, rect.Top}, whole);
}

// A masked picture drawn in discrete tiles over the finished background.
int OverlayTexture(const TsSkinManager& skin, int sectionIndex, const std::string& sectionName, int given, bool hot)
{
    const int index = given != -1 ? given : skin.MaskIndexOf(sectionIndex, sectionName, PatternKey(hot));
    if (!skin.IsValidMask(index))
        return -1;
    const TsMaskData& picture = skin.MaskArray[std::size_t(index)];
    return picture.MaskType != 0 && picture.StretchMode == ftDiscreteTiled ? index : -1;
}

void PaintOverlays(const TsSkinManager& skin, int sectionIndex, const std::string& sectionName,
                   const BackgroundRef& background, int textureIndex, int hotTextureIndex, TBitmap& target, TPoint P,
                   const TRect& rect)
{
    int overlay = OverlayTexture(skin, sectionIndex, sectionName, textureIndex, false);
    if (overlay < 0)
        overlay = OverlayTexture(skin, sectionIndex, sectionName, hotTextureIndex, true);
    if (overlay < 0)
        return;
    TRect area = rect;
    FillWithMaskedTexture(target, area, Shifted(background, P.X, P.Y), ftDiscreteTiled,
                          skin.MaskArray[std::size_t(overlay)]);
}

bool CanPaint(const TsSkinManager* skin, int sectionIndex, const TBitmap& target, const TRect& rect)
{
    return skin && skin->IsValidSection(sectionIndex) && target.PixelFormat() == TPixelFormat::pf24bit
        && rect.Width() > 0 && rect.Height() > 0;
}

void PaintCorners(const TsSkinManager& skin, const TsGeneralData& section, TBitmap& target, const TRect& rect,
                  int state)
{
    const BackgroundRef itself = MakeBackgroundRef(&target, 0, 0);
    auto corner = [&](int index, bool right, bool bottom) {
        if (!skin.IsValidMask(index))
            return;
        const TsMaskData& picture = skin.MaskArray[std::size_t(index)];
        const TPoint at{right ? rect.Right - StateWidth(picture) : rect.Left,
                        bottom ? rect.Bottom - StateHeight(picture) : rect.Top};
        PaintGlyphMask(target, at, state, itself, picture, 1);
    };
    corner(section.ImgTopLeft, false, false);
    corner(section.ImgTopRight, true, false);
    corner(section.ImgBtmLeft, false, true);
    corner(section.ImgBtmRight, true, true);
}

void PaintBorder(const TsSkinManager& skin, int borderIndex, const BackgroundRef& background, TBitmap& target,
                 TPoint P, const TRect& rect, int state, bool fillCenter)
{
    if (skin.IsValidMask(borderIndex))
        PaintBorderMask(target, rect, fillCenter, true, state, skin.MaskArray[std::size_t(borderIndex)],
                        Shifted(background, P.X, P.Y));
}

} // namespace

void PaintSectionBackground(int sectionIndex, const std::string& sectionName, const BackgroundRef& background,
                            TColor customColor, int textureIndex, int hotTextureIndex, TsSkinManager* manager,
                            TBitmap& target, TPoint P, TRect rect, int state)
{
    const TsSkinManager* skin = ManagerOrDefault(manager);
    if (!CanPaint(skin, sectionIndex, target, rect))
        return;
    const TStateValues v = StateValues(*skin, sectionIndex, sectionName, customColor,
                                       state == 0 ? textureIndex : hotTextureIndex, state);
    ComposeBackground(*skin, v, background, background.Ready || background.FillColor != clFuchsia, target, P, rect);
    if (state == 0)
        PaintOverlays(*skin, sectionIndex, sectionName, background, textureIndex, hotTextureIndex, target, P, rect);
}

void PaintSectionBackgroundWithTexture(int sectionIndex, const std::string& sectionName,
                                       const BackgroundRef& background, int textureIndex, TsSkinManager* manager,
                                       TBitmap& target, TPoint P, TRect rect, int state)
{
    const TsSkinManager* skin = ManagerOrDefault(manager);
    if (!CanPaint(skin, sectionIndex, target, rect))
        return;
    const TStateValues v = StateValues(*skin, sectionIndex, sectionName, clFuchsia, textureIndex, state);
    ComposeBackground(*skin, v, background, background.Ready, target, P, rect);
}

void PaintSectionItem(int sectionIndex, const std::string& sectionName, const BackgroundRef& background,
                      int hotTextureIndex, int textureIndex, TsSkinManager* manager, TBitmap& target, TPoint P,
                      TRect rect, int state, bool fillCenter)
{
    TsSkinManager* skin = ManagerOrDefault(manager);
    if (!CanPaint(skin, sectionIndex, target, rect) || !Inside(rect, target))
        return;
    PaintSectionBackground(sectionIndex, sectionName, background, clFuchsia, textureIndex, hotTextureIndex, skin,
                           target, P, rect, state);
    const TsGeneralData& section = skin->SectionArray[std::size_t(sectionIndex)];
    PaintCorners(*skin, section, target, rect, state);
    PaintBorder(*skin, section.BorderIndex, background, target, P, rect, state, fillCenter);
}

void PaintItemByIndex(int sectionIndex, int borderIndex, int textureIndex, TsSkinManager* manager, TBitmap& target,
                      TPoint P, TRect rect, int state, bool fillCenter, const BackgroundRef& background,
                      const std::string& sectionName, int hotTextureIndex)
{
    TsSkinManager* skin = ManagerOrDefault(manager);
    if (!CanPaint(skin, sectionIndex, target, rect) || !Inside(rect, target))
        return;
    PaintSectionBackgroundWithTexture(sectionIndex, sectionName, background,
                                      state == 0 ? textureIndex : hotTextureIndex, skin, target, P, rect, state);
    PaintBorder(*skin, borderIndex, background, target, P, rect, state, fillCenter);
}

void PaintSectionToDC(int sectionIndex, const std::string& sectionName, const BackgroundRef& background,
                      TsSkinManager* manager, TBitmap& dc, TPoint P, TRect rect, int state, bool fillCenter)
{
    if (rect.Left < 0 || rect.Top < 0 || rect.Width() <= 0 || rect.Height() <= 0)
        return;
    TBitmap item = NewBitmap24(rect.Width(), rect.Height());
    const TRect whole{0, 0, rect.Width(), rect.Height()};
    PaintSectionItem(sectionIndex, sectionName, background, -1, -1, manager, item, P, whole, state, fillCenter);
    CopyBitmapRect(dc, rect, item, whole);
}

int PaintSectionByName(TBitmap& target, const std::string& name, const std::string& fallbackName, const TBitmap* dc,
                       TColor fillColor, TRect rect, TsSkinManager* manager, int state)
{
    TsSkinManager* skin = ManagerOrDefault(manager);
    if (!skin)
        return -1;
    int index = skin->SectionIndexOf(name);
    if (index < 0)
        index = skin->SectionIndexOf(fallbackName);
    if (index < 0)
        return index;
    const TRect whole{0, 0, target.Width(), target.Height()};
    BackgroundRef background;
    background.FillColor = fillColor;
    if (dc) {
        CopyBitmapRect(target, whole, *dc, TRect{rect.Left, rect.Top, rect.Left + whole.Right, rect.Top + whole.Bottom});
        background = MakeBackgroundRef(&target, 0, 0);
    }
    PaintSectionItem(index, skin->SectionArray[std::size_t(index)].SectionName, background, -1, -1, skin, target,
                     TPoint{0, 0}, whole, state, true);
    return index;
}
