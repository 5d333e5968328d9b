#pragma once

#include "engine/TsSkinModel.h"
#include "graphics/TBitmap.h"
#include "graphics/TColor.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The skin directory as skin folders and lists use it: "../X" is X in the
// parent of programFolder (one level only), "./X" and any other relative X are
// X in programFolder; an absolute value (starting with "/", or written with a
// drive letter or a "\\" share) is used unchanged.
std::string ResolveSkinDirectory(std::string_view skinDirectory, std::string_view programFolder);

// Legacy form of a built-in skin: section data, images and backgrounds stored
// field by field instead of as a packed archive.
struct TsSkinGeneral
{
    std::string SectionName;
    std::string ParentClass;
    TColor Color = clWhite;
    bool ReservedBoolean = false;
    std::string FontColor; // five blank-separated colours: text, contour left, top, right, bottom
    std::string HotFontColor;
    int Transparency = 0;
    int GlowCount = 0;
    int GlowMargin = 0;
    int GradientPercent = 0;
    std::string GradientData = " ";
    int ImagePercent = 0;
    bool ShowFocus = false;
    bool FadingEnabled = false;
    int FadingIterations = 5;
    TColor HotColor = clWhite;
    int HotTransparency = 0;
    int HotGradientPercent = 0;
    std::string HotGradientData;
    int HotImagePercent = 0;
    std::string Name; // names the item only
    bool GiveOwnFont = false;
};

struct TsSkinImage
{
    std::string SectionName;
    TBitmap Image; // used instead of the master bitmap when Name is not empty
    std::string Name;
    std::string PropertyName;
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int ImageCount = 0;
    int MaskType = 0;
    int BorderWidth = 0;
    int StretchMode = 0;
    TovImgType ImgType = itisaBorder;
    int WL = 0;
    int WR = 0;
    int WT = 0;
    int WB = 0;
};

struct TsSkinPattern
{
    std::string SectionName;
    TBitmap Image; // the decoded background
    std::string Name;
    std::string PropertyName;
};

// One built-in skin: either a packed archive in Data, or (Data empty) the
// legacy collections.
struct TsStoredSkin
{
    std::string Name;
    std::vector<TsSkinGeneral> GeneralData;
    std::vector<TsSkinImage> Images;
    std::vector<TsSkinPattern> Patterns;
    TBitmap MasterBitmap;
    TColor Shadow1Color = 0;
    int Shadow1Offset = 0;
    int Shadow1Blur = -1;
    int Shadow1Transparency = 0;
    TColor BorderColor = clFuchsia;
    double Version = 0;
    std::string Author;
    std::string Description;
    std::vector<std::uint8_t> Data;
};

// The built-in skins of a manager. Names compare exactly.
class TsStoredSkins
{
public:
    std::vector<TsStoredSkin> Items;

    bool Empty() const { return Items.empty(); }
    // The first item named name, else -1.
    int IndexOf(std::string_view name) const;
    TsStoredSkin& Add(std::string name);
};
