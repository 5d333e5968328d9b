#pragma once

#include "graphics/GradientStep.h"
#include "graphics/TBitmap.h"
#include "graphics/TColor.h"
#include "graphics/TRect.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TsSkinManager;

// The kind of an image of a skin.
enum TovImgType : std::uint8_t { itisaBorder, itisaTexture, itisaGlyph, itisaGlow };

// Five colours indexed 1..5 as skins number them: [1] text, [2..5] the
// contour left, top, right and bottom (-1 = not drawn on that side).
struct TsFontColors
{
    std::array<TColor, 5> Items{0, TColor(-1), TColor(-1), TColor(-1), TColor(-1)};
    TColor& operator[](int i) { return Items[std::size_t(i - 1)]; }
    TColor operator[](int i) const { return Items[std::size_t(i - 1)]; }
    bool operator==(const TsFontColors&) const = default;
};

// The data of one section, complete by itself: every value was read with
// PARENTCLASS inheritance, so painters never walk the parent chain.
struct TsGeneralData
{
    std::string ParentClass;
    std::string SectionName;
    TColor Color = clWhite;
    TsFontColors FontColor;
    TsFontColors HotFontColor;
    bool GiveOwnFont = false;
    int GlowCount = 0;
    int GlowMargin = 0;
    bool ReservedBoolean = false;
    int Transparency = 0;
    int GradientPercent = 0;
    std::string GradientData = " ";
    TsGradArray GradientArray;
    int ImagePercent = 0;
    bool ShowFocus = false;
    bool FadingEnabled = false;
    int FadingIterations = 5;
    TColor HotColor = clWhite;
    int HotTransparency = 0;
    int HotGradientPercent = 0;
    std::string HotGradientData;
    TsGradArray HotGradientArray;
    int HotImagePercent = 0;
    int BorderIndex = -1;
    int ImgTopLeft = -1;
    int ImgTopRight = -1;
    int ImgBtmLeft = -1;
    int ImgBtmRight = -1;
};

// One image: either its own bitmap or the rectangle R of the master bitmap.
// A frame is one cell of the grid R is cut into: R's width / ImageCount by
// R's height / (MaskType + 1).
struct TsMaskData
{
    std::unique_ptr<TBitmap> Bmp;
    std::string SectionName;
    std::string PropertyName;
    TRect R;
    std::int16_t ImageCount = 0;
    std::int16_t MaskType = 0;
    std::int16_t BorderWidth = 0;
    std::int16_t StretchMode = 0;
    TovImgType ImgType = itisaBorder;
    TsSkinManager* Manager = nullptr;
    std::int16_t WL = 0;
    std::int16_t WT = 0;
    std::int16_t WR = 0;
    std::int16_t WB = 0;
};

// One large background image, kept decoded.
struct TsPatternData
{
    std::unique_ptr<TBitmap> Img;
    std::string SectionName;
    std::string PropertyName;
};

// Skin-wide values from GLOBALINFO and the state of the loaded skin.
struct TsSkinData
{
    std::string SkinPath;
    bool Active = false;
    double Version = 0;
    std::string Author;
    std::string Description;
    TColor Shadow1Color = 0;
    int Shadow1Offset = 0;
    int Shadow1Blur = -1;
    int Shadow1Transparency = 0;
    TColor BorderColor = 0;
    int TitleIconSpacing = 0;
    int TitleIconVAlign = 0;
    int TitleIconRight = 0;
    int TitleIconLeft = 0;
    int CloseGlowCount = 0;
    int CloseGlowMargin = 0;
    int MaxGlowCount = 0;
    int MaxGlowMargin = 0;
    int MinGlowCount = 0;
    int MinGlowMargin = 0;
};

using TsGeneralDataArray = std::vector<TsGeneralData>;
using TsMaskArray = std::vector<TsMaskData>;
using TsPatternArray = std::vector<TsPatternData>;

// The fields of TsStdIndexes, written once for the record and for whoever
// lists them by name (dumps).
#define VESPIRA_STD_INDEXES_16(X) \
    X(GlobalInfo) \
    X(TabTop) X(TabBottom) X(TabLeft) X(TabRight) \
    X(TabTopMask) X(TabBottomMask) X(TabLeftMask) X(TabRightMask) \
    X(ScrollBtnTop) X(ScrollBtnBottom) X(ScrollBtnLeft) X(ScrollBtnRight) \
    X(ScrollBtnTopMask) X(ScrollBtnBottomMask) X(ScrollBtnLeftMask) X(ScrollBtnRightMask) \
    X(ScrollBtnTopPattern) X(ScrollBtnBottomPattern) X(ScrollBtnLeftPattern) X(ScrollBtnRightPattern) \
    X(ScrollBtnTopHotPattern) X(ScrollBtnBottomHotPattern) X(ScrollBtnLeftHotPattern) X(ScrollBtnRightHotPattern) \
    X(ScrollBtnTopGlyph) X(ScrollBtnBottomGlyph) X(ScrollBtnLeftGlyph) X(ScrollBtnRightGlyph) \
    X(ScrollSliderV) X(ScrollSliderH) \
    X(ScrollSliderVMask) X(ScrollSliderHMask) \
    X(ScrollSliderVGlyph) X(ScrollSliderHGlyph) \
    X(ScrollSliderHPattern) X(ScrollSliderHHotPattern) X(ScrollSliderVPattern) X(ScrollSliderVHotPattern) \
    X(ScrollBar1H) X(ScrollBar1V) X(ScrollBar2H) X(ScrollBar2V) \
    X(ScrollBar1HMask) X(ScrollBar1VMask) X(ScrollBar2HMask) X(ScrollBar2VMask) \
    X(ScrollBar1HPattern) X(ScrollBar1VPattern) X(ScrollBar2HPattern) X(ScrollBar2VPattern) \
    X(ScrollBar1HHotPattern) X(ScrollBar1VHotPattern) X(ScrollBar2HHotPattern) X(ScrollBar2VHotPattern) \
    X(CheckBoxChecked) X(CheckBoxUnchecked) X(CheckBoxGrayed) \
    X(RadioChecked) X(RadioUnchecked) X(RadioGrayed) \
    X(SmallChecked) X(SmallUnchecked) X(SmallGrayed)

#define VESPIRA_STD_INDEXES_32(X) \
    X(ComboBtn) X(ComboBtnMask) X(ComboBtnPattern) X(ComboBtnHotPattern) X(ComboBoxGlyph)

// Indices of the standard sections and images, resolved once per applied
// skin so that the parts drawn most often need no name search. Section
// fields hold section indices, the others mask indices; -1 is none.
struct TsStdIndexes
{
#define VESPIRA_FIELD16(name) std::int16_t name = -1;
#define VESPIRA_FIELD32(name) std::int32_t name = -1;
    VESPIRA_STD_INDEXES_16(VESPIRA_FIELD16)
    VESPIRA_STD_INDEXES_32(VESPIRA_FIELD32)
#undef VESPIRA_FIELD16
#undef VESPIRA_FIELD32
};

struct TSize
{
    int Width = 0;
    int Height = 0;
    bool operator==(const TSize&) const = default;
};

// The in-memory model of one loaded skin and every look-up on it. Look-ups
// compare names exactly and return the first match in array order; indices
// become invalid when another skin is loaded.
class TsSkinModel
{
public:
    TsGeneralDataArray SectionArray;
    TsMaskArray MaskArray;
    TsPatternArray PatternArray;
    std::unique_ptr<TBitmap> MasterBitmap;
    TsSkinData SkinData;
    TsStdIndexes StdIndexes;
    bool PackedSource = false;

    int SectionIndexOf(std::string_view sectionName) const;
    // The first image of (name, prop); failing that, the same search under
    // the PARENTCLASS of section index, up the chain. The name, not the
    // entry at index, is searched: index only leads to the parent.
    int MaskIndexOf(int index, std::string_view name, std::string_view prop) const;
    int MaskIndexExact(std::string_view sectionName, std::string_view prop) const;
    // As MaskIndexOf, counting texture images only.
    int TextureIndexOf(int index, std::string_view name, std::string_view prop) const;
    // As MaskIndexOf, over PatternArray.
    int PatternIndexOf(int index, std::string_view name, std::string_view prop) const;

    bool IsValidSection(int index) const;
    bool IsValidMask(int index) const;

    // Effective band widths of a border image: its own width, else its
    // BorderWidth, else a third of the frame.
    int MaskWL(int maskIndex) const;
    int MaskWT(int maskIndex) const;
    int MaskWR(int maskIndex) const;
    int MaskWB(int maskIndex) const;
    TSize MaskCellSize(int maskIndex) const;

    TColor GlobalColor() const;
    TColor GlobalFontColor() const;
    TColor GlobalHotColor() const;
    TColor EditHotFontColor() const;
    TColor MenuHotColor() const;
    TColor MenuHotFontColor() const;

    // The section of that name, or none.
    const TsGeneralData* SectionNamed(std::string_view sectionName) const;

    void FillStdIndexes();
    void ClearStdIndexes();
    // Releases every image, background and section.
    void ClearModel();
    void ReleaseImages();
    void ReleasePatterns();

private:
    int EffectiveBand(int maskIndex, std::int16_t TsMaskData::*band, int (*frameSide)(const TsMaskData&)) const;
};

// Frame of an image: its rectangle cut into ImageCount columns and MaskType + 1
// rows; counts below 1 count as 1 so that damaged values never divide by zero.
int MaskFrameWidth(const TsMaskData& mask);
int MaskFrameHeight(const TsMaskData& mask);
