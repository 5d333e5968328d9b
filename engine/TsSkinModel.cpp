#include "engine/TsSkinModel.h"

#include <algorithm>
#include <limits>

namespace {

// System colours as the skin format names them ($FF000000 + index).
constexpr TColor clBtnFace = 0xFF00000F;
constexpr TColor clWindow = 0xFF000005;
constexpr TColor clHighlight = 0xFF00000D;
constexpr TColor clHighlightText = 0xFF00000E;
constexpr TColor clNoColor = TColor(-1);

// The chain search shared by the image, texture and background look-ups:
// first match of (name, prop) among the entries accepted, else the same
// search under the section's PARENTCLASS. A chain never visits more sections
// than exist, so a PARENTCLASS loop ends instead of recursing forever.
template <typename Array, typename Accept>
int ChainIndexOf(const TsSkinModel& model, const Array& items, int index, std::string_view name,
                 std::string_view prop, Accept accept)
{
    for (std::size_t hops = 0; hops <= model.SectionArray.size(); ++hops) {
        if (index < 0 || name.empty())
            return -1;
        for (std::size_t i = 0; i < items.size(); ++i) {
            const auto& item = items[i];
            if (accept(item) && item.SectionName == name && item.PropertyName == prop)
                return int(i);
        }
        if (!model.IsValidSection(index))
            return -1;
        const std::string& parent = model.SectionArray[std::size_t(index)].ParentClass;
        if (parent.empty() || parent == name)
            return -1;
        index = model.SectionIndexOf(parent);
        name = parent;
    }
    return -1;
}

bool AnyMask(const TsMaskData&) { return true; }
bool TextureMask(const TsMaskData& mask) { return mask.ImgType == itisaTexture; }
bool AnyPattern(const TsPatternData&) { return true; }

bool IsUsableMenuColor(TColor c)
{
    return c != clNoColor && c != clFuchsia && c != clWhite;
}

std::int16_t Index16(int index)
{
    return index > std::numeric_limits<std::int16_t>::max() ? std::int16_t(-1) : std::int16_t(index);
}

} // namespace

int MaskFrameWidth(const TsMaskData& mask)
{
    return mask.R.Width() / std::max<int>(mask.ImageCount, 1);
}

int MaskFrameHeight(const TsMaskData& mask)
{
    return mask.R.Height() / std::max<int>(mask.MaskType + 1, 1);
}

int TsSkinModel::SectionIndexOf(std::string_view sectionName) const
{
    for (std::size_t i = 0; i < SectionArray.size(); ++i)
        if (SectionArray[i].SectionName == sectionName)
            return int(i);
    return -1;
}

int TsSkinModel::MaskIndexOf(int index, std::string_view name, std::string_view prop) const
{
    return ChainIndexOf(*this, MaskArray, index, name, prop, AnyMask);
}

int TsSkinModel::MaskIndexExact(std::string_view sectionName, std::string_view prop) const
{
    if (sectionName.empty())
        return -1;
    for (std::size_t i = 0; i < MaskArray.size(); ++i)
        if (MaskArray[i].SectionName == sectionName && MaskArray[i].PropertyName == prop)
            return int(i);
    return -1;
}

int TsSkinModel::TextureIndexOf(int index, std::string_view name, std::string_view prop) const
{
    return ChainIndexOf(*this, MaskArray, index, name, prop, TextureMask);
}

int TsSkinModel::PatternIndexOf(int index, std::string_view name, std::string_view prop) const
{
    if (PatternArray.empty())
        return -1;
    return ChainIndexOf(*this, PatternArray, index, name, prop, AnyPattern);
}

bool TsSkinModel::IsValidSection(int index) const
{
    return index >= 0 && std::size_t(index) < SectionArray.size();
}

bool TsSkinModel::IsValidMask(int index) const
{
    return index >= 0 && std::size_t(index) < MaskArray.size();
}

int TsSkinModel::MaskWL(int maskIndex) const
{
    return EffectiveBand(maskIndex, &TsMaskData::WL, MaskFrameWidth);
}

int TsSkinModel::MaskWT(int maskIndex) const
{
    return EffectiveBand(maskIndex, &TsMaskData::WT, MaskFrameHeight);
}

int TsSkinModel::MaskWR(int maskIndex) const
{
    return EffectiveBand(maskIndex, &TsMaskData::WR, MaskFrameWidth);
}

int TsSkinModel::MaskWB(int maskIndex) const
{
    return EffectiveBand(maskIndex, &TsMaskData::WB, MaskFrameHeight);
}

// A band's own width, else the common border width, else a third of the
// frame side it runs along.
int TsSkinModel::EffectiveBand(int maskIndex, std::int16_t TsMaskData::*band, int (*frameSide)(const TsMaskData&)) const
{
    if (!IsValidMask(maskIndex))
        return 0;
    const TsMaskData& m = MaskArray[std::size_t(maskIndex)];
    if (m.*band > 0)
        return m.*band;
    if (m.BorderWidth > 0)
        return m.BorderWidth;
    return frameSide(m) / 3;
}

TSize TsSkinModel::MaskCellSize(int maskIndex) const
{
    if (!IsValidMask(maskIndex))
        return {};
    const TsMaskData& m = MaskArray[std::size_t(maskIndex)];
    if (m.Bmp)
        return {m.Bmp->Width() / 3, m.Bmp->Height() / 2};
    return {MaskFrameWidth(m), MaskFrameHeight(m)};
}

const TsGeneralData* TsSkinModel::SectionNamed(std::string_view sectionName) const
{
    const int i = SectionIndexOf(sectionName);
    return i < 0 ? nullptr : &SectionArray[std::size_t(i)];
}

TColor TsSkinModel::GlobalColor() const
{
    const TsGeneralData* global = SectionNamed("GLOBALINFO");
    return ColorToRGB(global ? global->Color : clBtnFace);
}

TColor TsSkinModel::GlobalFontColor() const
{
    const TsGeneralData* global = SectionNamed("GLOBALINFO");
    return global ? ColorToRGB(global->FontColor[1]) : clFuchsia;
}

TColor TsSkinModel::GlobalHotColor() const
{
    const TsGeneralData* global = SectionNamed("GLOBALINFO");
    return ColorToRGB(global ? global->HotColor : clWindow);
}

TColor TsSkinModel::EditHotFontColor() const
{
    const TsGeneralData* edit = SectionNamed("EDIT");
    return edit ? ColorToRGB(edit->HotFontColor[1]) : clFuchsia;
}

TColor TsSkinModel::MenuHotColor() const
{
    const TsGeneralData* item = SectionNamed("MENUITEM");
    return ColorToRGB(item && IsUsableMenuColor(item->HotColor) ? item->HotColor : clHighlight);
}

TColor TsSkinModel::MenuHotFontColor() const
{
    const TsGeneralData* item = SectionNamed("MENUITEM");
    if (item) {
        const TColor font = item->HotFontColor[1];
        if (IsUsableMenuColor(font) && font != clBlack && IsUsableMenuColor(item->HotColor))
            return ColorToRGB(font);
    }
    return ColorToRGB(clHighlightText);
}

void TsSkinModel::FillStdIndexes()
{
    TsStdIndexes& x = StdIndexes;
    x = TsStdIndexes();
    auto section = [this](const char* name) { return Index16(SectionIndexOf(name)); };
    auto mask = [this](int s, const char* prop) {
        return s < 0 ? std::int16_t(-1) : Index16(MaskIndexOf(s, SectionArray[std::size_t(s)].SectionName, prop));
    };

    x.GlobalInfo = section("GLOBALINFO");

    x.TabTop = section("TABTOP");
    x.TabBottom = section("TABBOTTOM");
    x.TabLeft = section("TABLEFT");
    x.TabRight = section("TABRIGHT");
    x.TabTopMask = mask(x.TabTop, "BORDERSMASK");
    x.TabBottomMask = mask(x.TabBottom, "BORDERSMASK");
    x.TabLeftMask = mask(x.TabLeft, "BORDERSMASK");
    x.TabRightMask = mask(x.TabRight, "BORDERSMASK");

    x.ScrollBtnTop = section("SCROLLBTNTOP");
    x.ScrollBtnBottom = section("SCROLLBTNBOTTOM");
    x.ScrollBtnLeft = section("SCROLLBTNLEFT");
    x.ScrollBtnRight = section("SCROLLBTNRIGHT");
    x.ScrollBtnTopMask = mask(x.ScrollBtnTop, "BORDERSMASK");
    x.ScrollBtnBottomMask = mask(x.ScrollBtnBottom, "BORDERSMASK");
    x.ScrollBtnLeftMask = mask(x.ScrollBtnLeft, "BORDERSMASK");
    x.ScrollBtnRightMask = mask(x.ScrollBtnRight, "BORDERSMASK");
    x.ScrollBtnTopPattern = mask(x.ScrollBtnTop, "PATTERN");
    x.ScrollBtnBottomPattern = mask(x.ScrollBtnBottom, "PATTERN");
    x.ScrollBtnLeftPattern = mask(x.ScrollBtnLeft, "PATTERN");
    x.ScrollBtnRightPattern = mask(x.ScrollBtnRight, "PATTERN");
    x.ScrollBtnTopHotPattern = mask(x.ScrollBtnTop, "HOTPATTERN");
    x.ScrollBtnBottomHotPattern = mask(x.ScrollBtnBottom, "HOTPATTERN");
    x.ScrollBtnLeftHotPattern = mask(x.ScrollBtnLeft, "HOTPATTERN");
    x.ScrollBtnRightHotPattern = mask(x.ScrollBtnRight, "HOTPATTERN");
    x.ScrollBtnTopGlyph = mask(x.ScrollBtnTop, "GLYPHMASK");
    x.ScrollBtnBottomGlyph = mask(x.ScrollBtnBottom, "GLYPHMASK");
    x.ScrollBtnLeftGlyph = mask(x.ScrollBtnLeft, "GLYPHMASK");
    x.ScrollBtnRightGlyph = mask(x.ScrollBtnRight, "GLYPHMASK");

    x.ScrollSliderV = section("SCROLLSLIDERV");
    x.ScrollSliderH = section("SCROLLSLIDERH");
    x.ScrollSliderVMask = mask(x.ScrollSliderV, "BORDERSMASK");
    x.ScrollSliderHMask = mask(x.ScrollSliderH, "BORDERSMASK");
    x.ScrollSliderVGlyph = mask(x.ScrollSliderV, "GLYPHMASK");
    x.ScrollSliderHGlyph = mask(x.ScrollSliderH, "GLYPHMASK");
    x.ScrollSliderHPattern = mask(x.ScrollSliderH, "PATTERN");
    x.ScrollSliderHHotPattern = mask(x.ScrollSliderH, "HOTPATTERN");
    x.ScrollSliderVPattern = mask(x.ScrollSliderV, "PATTERN");
    x.ScrollSliderVHotPattern = mask(x.ScrollSliderV, "HOTPATTERN");

    x.ScrollBar1H = section("SCROLLBAR1H");
    x.ScrollBar1V = section("SCROLLBAR1V");
    x.ScrollBar2H = section("SCROLLBAR2H");
    x.ScrollBar2V = section("SCROLLBAR2V");
    x.ScrollBar1HMask = mask(x.ScrollBar1H, "BORDERSMASK");
    x.ScrollBar1VMask = mask(x.ScrollBar1V, "BORDERSMASK");
    x.ScrollBar2HMask = mask(x.ScrollBar2H, "BORDERSMASK");
    x.ScrollBar2VMask = mask(x.ScrollBar2V, "BORDERSMASK");
    x.ScrollBar1HPattern = mask(x.ScrollBar1H, "PATTERN");
    x.ScrollBar1VPattern = mask(x.ScrollBar1V, "PATTERN");
    x.ScrollBar2HPattern = mask(x.ScrollBar2H, "PATTERN");
    x.ScrollBar2VPattern = mask(x.ScrollBar2V, "PATTERN");
    x.ScrollBar1HHotPattern = mask(x.ScrollBar1H, "HOTPATTERN");
    x.ScrollBar1VHotPattern = mask(x.ScrollBar1V, "HOTPATTERN");
    x.ScrollBar2HHotPattern = mask(x.ScrollBar2H, "HOTPATTERN");
    x.ScrollBar2VHotPattern = mask(x.ScrollBar2V, "HOTPATTERN");

    x.CheckBoxChecked = mask(x.GlobalInfo, "BOXCHECKED");
    x.CheckBoxUnchecked = mask(x.GlobalInfo, "BOXUNCHECKED");
    x.CheckBoxGrayed = mask(x.GlobalInfo, "BOXGRAYED");
    x.RadioChecked = mask(x.GlobalInfo, "RADIOCHECKED");
    x.RadioUnchecked = mask(x.GlobalInfo, "RADIOUNCHECKED");
    x.RadioGrayed = mask(x.GlobalInfo, "RADIOGRAYED");
    x.SmallChecked = mask(x.GlobalInfo, "SMALLCHECKED");
    x.SmallUnchecked = mask(x.GlobalInfo, "SMALLUNCHECKED");
    x.SmallGrayed = mask(x.GlobalInfo, "SMALLGRAYED");

    x.ComboBtn = SectionIndexOf("COMBOBTN");
    if (x.ComboBtn >= 0) {
        x.ComboBtnMask = MaskIndexExact("COMBOBTN", "BORDERSMASK");
        x.ComboBtnPattern = TextureIndexOf(x.ComboBtn, "COMBOBTN", "PATTERN");
        x.ComboBtnHotPattern = TextureIndexOf(x.ComboBtn, "COMBOBTN", "HOTPATTERN");
    }
    if (SectionIndexOf("COMBOBOX") >= 0)
        x.ComboBoxGlyph = MaskIndexExact("COMBOBOX", "GLYPHMASK");
}

void TsSkinModel::ClearStdIndexes()
{
    StdIndexes = TsStdIndexes();
}

void TsSkinModel::ReleaseImages()
{
    MaskArray.clear();
    MasterBitmap.reset();
}

void TsSkinModel::ReleasePatterns()
{
    PatternArray.clear();
}

void TsSkinModel::ClearModel()
{
    ReleaseImages();
    ReleasePatterns();
    SectionArray.clear();
}
