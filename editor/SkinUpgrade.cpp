#include "editor/SkinUpgrade.h"

#include "platform/Dialogs.h"
#include "skinfiles/FolderListing.h"
#include "skinfiles/TMemIniFile.h"
#include "skinfiles/sImageValues.h"
#include "skinfiles/sStoreUtils.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

namespace {

constexpr std::string_view globalInfo = "GLOBALINFO";

// Engine 4.33 looks for the title-bar glyphs and the size grip in GLOBALINFO
// instead of FORM.
constexpr std::string_view glyphsMovedFromForm[] = {"GRIPIMAGE", "BICONCLOSE", "BICONHELP", "BICONNORM",
                                                    "BICONMAX",  "BICONMIN",   "TITLEBUTTON"};

constexpr int fillCentreFlag = 4;
constexpr int activeBorderOnlyFlag = 2;

bool IsAnyOf(std::string_view name, std::initializer_list<std::string_view> names)
{
    for (std::string_view candidate : names) {
        if (SameTextNoCase(name, candidate))
            return true;
    }
    return false;
}

bool IsPatternKey(std::string_view key) { return IsAnyOf(key, {"PATTERN", "HOTPATTERN"}); }

bool IsBorderKey(std::string_view key) { return IsAnyOf(key, {"BORDERSMASK", "SLIDERCHANNEL"}); }

// The current syntax for a legacy "#" value, chosen by its key. Nothing when
// the legacy value cannot be read or its numbers do not fit the fixed-width
// fields: the engine still reads such a value as it is, where a rewritten one
// with shifted fields would stop the load.
std::optional<std::string> ConvertedLegacyValue(std::string_view key, std::string_view value)
{
    std::optional<TsImageValue> image = ParseLegacyValue(value);
    if (!image)
        return std::nullopt;
    std::string converted;
    if (IsPatternKey(key)) {
        TsImageValue texture{.Left = image->Left, .Top = image->Top, .Right = image->Right, .Bottom = image->Bottom};
        converted = FormatTextureValue(texture);
    } else if (IsBorderKey(key)) {
        // Band widths come from the border width; converted borders stretch.
        image->StretchMode = 1;
        converted = FormatBorderValue(*image);
    } else {
        converted = FormatGlyphValue(*image);
    }
    if (converted.empty())
        return std::nullopt;
    return converted;
}

// A plain bitmap file name becomes an external glyph file of three states
// with a mask.
std::optional<std::string> ConvertedFileValue(std::string_view value)
{
    if (UpperCaseAscii(value).find(".BMP") == std::string::npos)
        return std::nullopt;
    const std::string converted =
        FormatFileValue({.FileName = std::string(value), .ImageCount = 3, .MaskType = 1, .Kind = 2});
    if (converted.empty())
        return std::nullopt;
    return converted;
}

std::optional<std::string> Upgraded466Value(std::string_view key, std::string_view value)
{
    if (value.starts_with('#'))
        return ConvertedLegacyValue(key, value);
    if (value.starts_with('!') || IsPatternKey(key) || IsBorderKey(key))
        return std::nullopt;
    return ConvertedFileValue(value);
}

void Upgrade433(TMemIniFile& skin)
{
    for (std::string_view key : glyphsMovedFromForm) {
        const std::string value = ReadInheritedString(skin, "FORM", key, "");
        if (!value.empty())
            skin.WriteString(globalInfo, key, value);
    }
    skin.WriteString(globalInfo, "VERSION", "4.34");
    AppDialogs().Warning(QStringLiteral("Current skin has been updated for using with OV v4.33 and newer!"));
}

bool Upgrade466(TMemIniFile& skin, const std::function<void()>& writeSkinFile)
{
    if (!AppDialogs().Confirm(
            QStringLiteral("Warning! This skin requires updating to v4.66. Would you like to update automatically it now?")))
        return false;
    for (const std::string& section : skin.ReadSections()) {
        for (const auto& [key, value] : skin.ReadSectionValues(section)) {
            if (SameTextNoCase(section, globalInfo) && SameTextNoCase(key, "MASTERBITMAP"))
                continue;
            if (const std::optional<std::string> upgraded = Upgraded466Value(key, value))
                skin.WriteString(section, key, *upgraded);
        }
    }
    if (ReadInheritedString(skin, "MAINMENU", "BORDERSMASK", "").empty()) {
        const std::string editBorder = ReadInheritedString(skin, "EDIT", "BORDERSMASK", "");
        if (!editBorder.empty())
            skin.WriteString("MAINMENU", "BORDERSMASK", editBorder);
    }
    AppDialogs().Warning(QStringLiteral("Current skin has been updated for using with OV v4.66 and newer!"));
    writeSkinFile();
    return true;
}

int WithFlag(int flags, int flag, bool set) { return set ? flags | flag : flags & ~flag; }

// Buttons fill their centre from the border image, every other section leaves
// it to its background; menu items draw their border only when active. Only a
// value in the exact 48-character layout is touched, and only when its new
// stretch digit is still one digit.
std::optional<std::string> Upgraded540Value(std::string_view section, std::string_view value)
{
    TsImageValue image;
    try {
        image = ParseBorderValue(value);
    } catch (const EConvertError&) {
        return std::nullopt;
    }
    if (FormatBorderValue(image) != value)
        return std::nullopt;
    const bool fillsCentre = IsAnyOf(section, {"BUTTON", "BUTTON_BIG"});
    const bool hasBands = image.WL != 0 || image.WT != 0 || image.WR != 0 || image.WB != 0;
    if (image.BorderWidth == 0 || (image.BorderWidth == 1 && hasBands))
        image.StretchMode = WithFlag(image.StretchMode, fillCentreFlag, fillsCentre);
    if (SameTextNoCase(section, "MENUITEM"))
        image.StretchMode |= activeBorderOnlyFlag;
    const std::string upgraded = FormatBorderValue(image);
    if (upgraded.empty() || upgraded == value)
        return std::nullopt;
    return upgraded;
}

void Upgrade540(TMemIniFile& skin, const std::function<void()>& writeSkinFile)
{
    for (const std::string& section : skin.ReadSections()) {
        for (const auto& [key, value] : skin.ReadSectionValues(section)) {
            if (!IsBorderKey(key) || !value.starts_with('^'))
                continue;
            if (const std::optional<std::string> upgraded = Upgraded540Value(section, value))
                skin.WriteString(section, key, *upgraded);
        }
    }
    skin.WriteString(globalInfo, "VERSION", "5.40");
    AppDialogs().Warning(QStringLiteral("Current skin has been updated for using with OV v5.40 and newer!"));
    writeSkinFile();
}

} // namespace

double ReadSkinVersion(const TMemIniFile& skin)
{
    std::string text = ReadInheritedString(skin, globalInfo, "VERSION", "0");
    std::replace(text.begin(), text.end(), ',', '.');
    double version = 0;
    return TryStrToSkinFloat(text, version) ? version : 0;
}

double UpgradeSkinDocument(TMemIniFile& skin, double version, const std::function<void()>& writeSkinFile)
{
    if (version < 4.33)
        Upgrade433(skin);
    if (version < 4.66 && Upgrade466(skin, writeSkinFile))
        version = 4.66;
    if (version < 5.4) {
        Upgrade540(skin, writeSkinFile);
        version = 5.4;
    }
    return version;
}
