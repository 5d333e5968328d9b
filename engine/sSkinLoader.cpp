#include "engine/sSkinLoader.h"

#include "engine/sColorAdjust.h"
#include "engine/sStoredSkins.h"
#include "graphics/BmpReader.h"
#include "graphics/GraphicErrors.h"
#include "graphics/JpegReader.h"
#include "graphics/ovPNG.h"
#include "skinfiles/FolderListing.h"
#include "skinfiles/TMemIniFile.h"
#include "skinfiles/ovSkinPack.h"
#include "skinfiles/sGradientData.h"
#include "skinfiles/sImageValues.h"
#include "skinfiles/sStoreUtils.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>

namespace {

const std::string GlobalInfo = "GLOBALINFO";

using Bytes = std::vector<std::uint8_t>;

// A file name of a skin is relative to the skin folder unless it is absolute
// (a "/" path, or one written with a drive letter, which is simply not found).
bool IsAbsoluteName(std::string_view name)
{
    return (!name.empty() && name.front() == '/') || name.find(':') != std::string_view::npos;
}

// Only regular files of a sane size are read: a skin naming a device or a
// huge file must not hang or exhaust the program.
std::optional<Bytes> ReadWholeFile(const std::string& path)
{
    std::error_code error;
    if (path.empty() || !std::filesystem::is_regular_file(path, error))
        return std::nullopt;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size > std::uintmax_t(MaxEntrySize))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    Bytes bytes(std::size_t(size), 0);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(size)))
        return std::nullopt;
    return bytes;
}

// The path of an existing skin file: the name inside the skin folder (its
// last part matched without regard to case), or an absolute name as it is.
std::string SkinFilePath(const std::string& skinPath, const std::string& name)
{
    const std::string full = IsAbsoluteName(name) ? name : skinPath + name;
    const std::size_t slash = full.rfind('/');
    if (slash == std::string::npos)
        return FindFileNoCase(".", full);
    return FindFileNoCase(full.substr(0, slash + 1), std::string_view(full).substr(slash + 1));
}

class TsImageReader
{
public:
    explicit TsImageReader(TsSkinLoadContext& context) : context_(context) {}

    // The bytes of a skin file: in a packed skin the first archive entry whose
    // upper-cased name equals name (borrowed, not copied), else the file in
    // the skin folder (read into store). None when there is no such file.
    const Bytes* FileBytes(const std::string& name, std::optional<Bytes>& store) const
    {
        if (context_.Model.PackedSource) {
            const TovSkinConvertor* archive = context_.Archive;
            if (!archive)
                return nullptr;
            const std::size_t searched = std::min<std::size_t>(archive->ImageItems.size(),
                                                               std::size_t(std::max(archive->ItemCount, 0)));
            for (std::size_t i = 0; i < searched; ++i)
                if (UpperCaseAscii(archive->ImageItems[i].Name) == name)
                    return &archive->ImageItems[i].Data;
            return nullptr;
        }
        store = ReadWholeFile(SkinFilePath(context_.Model.SkinData.SkinPath, name));
        return store ? &*store : nullptr;
    }

    // Decodes a skin image; nothing (and a note) when it is missing or damaged.
    template <typename DecodeFn>
    std::unique_ptr<TBitmap> Decode(const std::string& name, const std::string& where, DecodeFn decode) const
    {
        std::optional<Bytes> store;
        const Bytes* bytes = FileBytes(name, store);
        if (!bytes) {
            Note(where + ": file \"" + name + "\" not found");
            return nullptr;
        }
        try {
            auto bmp = std::make_unique<TBitmap>(decode(*bytes));
            if (bmp->Width() > 0)
                return bmp;
            Note(where + ": image \"" + name + "\" is empty");
        } catch (const EInvalidGraphic& e) {
            Note(where + ": image \"" + name + "\" cannot be read: " + e.what());
        }
        return nullptr;
    }

    std::unique_ptr<TBitmap> Bmp(const std::string& name, const std::string& where, TBmpAlpha alpha) const
    {
        return Decode(name, where, [alpha](const Bytes& b) { return ReadBmp(b.data(), b.size(), alpha); });
    }

    std::unique_ptr<TBitmap> Png(const std::string& name, const std::string& where) const
    {
        return Decode(name, where, [](const Bytes& b) {
            TPNGGraphic png;
            png.LoadFromMemory(b.data(), b.size(), TPNGAlpha::Keep);
            return std::move(png.Bitmap());
        });
    }

    std::unique_ptr<TBitmap> Jpeg(const std::string& name, const std::string& where) const
    {
        return Decode(name, where, [](const Bytes& b) { return ReadJpeg(b.data(), b.size()); });
    }

    void Note(const std::string& text) const
    {
        if (context_.Notes)
            context_.Notes(TsLoadNoteKind::SkippedImage, text);
    }

private:
    TsSkinLoadContext& context_;
};

std::string Where(std::string_view section, std::string_view key)
{
    std::string where = "[";
    where.append(section).append("] ").append(key);
    return where;
}

// Runs a read that may meet a malformed number and reports it with its place.
template <typename Read>
auto Converted(std::string_view section, std::string_view key, Read read) -> decltype(read())
{
    try {
        return read();
    } catch (const EConvertError& e) {
        throw ESkinConvertError(std::string(section), std::string(key), e.Value());
    }
}

// Glow images: pure white is the transparent part of the picture.
void MakeWhiteTransparent(TBitmap& bmp)
{
    const int bpp = bmp.BytesPerPixel();
    for (int y = 0; y < bmp.Height(); ++y) {
        std::uint8_t* p = bmp.ScanLine(y);
        for (int x = 0; x < bmp.Width(); ++x, p += bpp)
            if (p[0] == 0xFF && p[1] == 0xFF && p[2] == 0xFF)
                std::fill(p, p + bpp, std::uint8_t(0));
    }
}

// A 24-bit copy of a bitmap: the colour bytes of each pixel, alpha dropped.
std::unique_ptr<TBitmap> Copy24(const TBitmap& source)
{
    if (source.PixelFormat() == TPixelFormat::pf24bit)
        return std::make_unique<TBitmap>(source);
    auto copy = std::make_unique<TBitmap>(source.Width(), source.Height());
    for (int y = 0; y < source.Height(); ++y) {
        const std::uint8_t* from = source.ScanLine(y);
        std::uint8_t* to = copy->ScanLine(y);
        for (int x = 0; x < source.Width(); ++x, from += 4, to += 3)
            std::copy(from, from + 3, to);
    }
    return copy;
}

void SetLayout(TsMaskData& mask, const TsImageValue& v)
{
    mask.R = {v.Left, v.Top, v.Right, v.Bottom};
    mask.ImageCount = std::int16_t(v.ImageCount);
    mask.MaskType = std::int16_t(v.MaskType);
    mask.BorderWidth = std::int16_t(v.BorderWidth);
    mask.StretchMode = std::int16_t(v.StretchMode);
    mask.WL = std::int16_t(v.WL);
    mask.WT = std::int16_t(v.WT);
    mask.WR = std::int16_t(v.WR);
    mask.WB = std::int16_t(v.WB);
}

class TsMaskLoader
{
public:
    explicit TsMaskLoader(TsSkinLoadContext& context) : context_(context), images_(context) {}

    TsMaskData& Append(std::string section, std::string key, TovImgType type)
    {
        TsMaskData& mask = context_.Model.MaskArray.emplace_back();
        mask.SectionName = std::move(section);
        mask.PropertyName = std::move(key);
        mask.ImgType = type;
        mask.Manager = context_.Manager;
        return mask;
    }

    // Counts that would divide a frame by zero are noted; the engine's
    // layout keeps at least one frame.
    void CheckCounts(std::string_view section, std::string_view key, int imageCount, int maskType) const
    {
        if (imageCount < 1 || maskType < 0)
            images_.Note(Where(section, key) + ": image count " + std::to_string(imageCount) + ", mask type " +
                         std::to_string(maskType));
    }

    TsImageValue Checked(const TsImageValue& v, std::string_view section, std::string_view key) const
    {
        CheckCounts(section, key, v.ImageCount, v.MaskType);
        return v;
    }

    void LoadMasterBitmap()
    {
        const TMemIniFile& ini = *context_.SkinDocument;
        std::string name = ini.ReadString(GlobalInfo, "MASTERBITMAP", "");
        auto& master = context_.Model.MasterBitmap;
        master = std::make_unique<TBitmap>();
        if (!name.empty())
            if (auto bmp = images_.Bmp(name, Where(GlobalInfo, "MASTERBITMAP"), TBmpAlpha::Drop))
                master = std::move(bmp);
    }

    void LoadValue(const std::string& section, const std::string& key, const std::string& value)
    {
        switch (ClassifyImageValue(value)) {
        case TsImageValueKind::File: LoadFileValue(section, key, value); break;
        case TsImageValueKind::Glyph: {
            const TsImageValue v = Checked(Converted(section, key, [&] { return ParseGlyphValue(value); }), section, key);
            TsImageValue layout = EngineImageValue(v);
            layout.BorderWidth = layout.StretchMode = layout.WL = layout.WT = layout.WR = layout.WB = 0;
            SetLayout(Append(section, key, itisaGlyph), layout);
            break;
        }
        case TsImageValueKind::Border: {
            const TsImageValue v = Checked(Converted(section, key, [&] { return ParseBorderValue(value); }), section, key);
            SetLayout(Append(section, key, itisaBorder), EngineImageValue(v));
            break;
        }
        case TsImageValueKind::Texture: {
            const TsImageValue v = Converted(section, key, [&] { return ParseTextureValue(value); });
            SetLayout(Append(section, key, itisaTexture), v);
            break;
        }
        case TsImageValueKind::BitmapFile: LoadPlainBitmap(section, key, UpperCaseAscii(value)); break;
        case TsImageValueKind::Legacy: LoadLegacy(section, key, value); break;
        case TsImageValueKind::JpegFile:
        case TsImageValueKind::None: break;
        }
    }

    void LoadFileValue(const std::string& section, const std::string& key, const std::string& value)
    {
        const TsFileImageValue file = Converted(section, key, [&] { return ParseFileValue(value); });
        if (!IsFileValueImageName(file.FileName))
            return;
        const auto type = TovImgType(FileValueImageType(file.Kind));
        const std::string where = Where(section, key);
        std::unique_ptr<TBitmap> bmp;
        if (file.FileName.find(".BMP") != std::string::npos)
            bmp = images_.Bmp(file.FileName, where, type == itisaTexture ? TBmpAlpha::Keep : TBmpAlpha::Drop);
        else if ((bmp = images_.Png(file.FileName, where)))
            MakeWhiteTransparent(*bmp);
        if (!bmp)
            return;
        CheckCounts(section, key, file.ImageCount, file.MaskType);
        TsMaskData& mask = Append(section, key, type);
        SetLayout(mask, FileEngineImageValue(file, bmp->Width(), bmp->Height()));
        mask.Bmp = std::move(bmp);
    }

    // A whole bitmap file: three frames over an image and a mask band.
    void LoadPlainBitmap(const std::string& section, const std::string& key, const std::string& name)
    {
        auto bmp = images_.Bmp(name, Where(section, key), TBmpAlpha::Drop);
        if (!bmp)
            return;
        TsMaskData& mask = Append(UpperCaseAscii(section), UpperCaseAscii(key), itisaBorder);
        SetLayout(mask, PlainBitmapEngineImageValue(bmp->Width(), bmp->Height()));
        mask.Bmp = std::move(bmp);
    }

    void LoadLegacy(const std::string& section, const std::string& key, const std::string& value)
    {
        if (const std::optional<TsImageValue> v = ParseLegacyValue(value))
            SetLayout(Append(UpperCaseAscii(section), UpperCaseAscii(key), itisaBorder), EngineImageValue(*v));
    }

    void LoadDocument()
    {
        const TMemIniFile& ini = *context_.SkinDocument;
        LoadMasterBitmap();
        for (const std::string& section : ini.ReadSections())
            for (const std::string& key : ini.ReadSection(section))
                if (!(section == GlobalInfo && key == "MASTERBITMAP"))
                    LoadValue(section, key, ini.ReadString(section, key, ""));
    }

    void LoadStoredSkin(const TsStoredSkin& stored)
    {
        context_.Model.MasterBitmap = Copy24(stored.MasterBitmap);
        for (const TsSkinImage& item : stored.Images) {
            TsMaskData& mask = Append(UpperCaseAscii(item.SectionName), UpperCaseAscii(item.PropertyName), item.ImgType);
            TsImageValue v{item.Left, item.Top, item.Right, item.Bottom, item.ImageCount, item.MaskType,
                           item.BorderWidth, item.StretchMode, item.WL, item.WT, item.WR, item.WB};
            if (!item.Name.empty()) {
                mask.Bmp = Copy24(item.Image);
                v.Left = v.Top = 0;
                v.Right = mask.Bmp->Width();
                v.Bottom = mask.Bmp->Height();
            }
            if (v.ImageCount == 0) {
                v.ImageCount = 3;
                v.MaskType = 1;
            }
            SetLayout(mask, EngineImageValue(v));
        }
    }

    // Of common sections only whole .BMP files and legacy rectangles count.
    void LoadCommonSections(const TMemIniFile& common)
    {
        for (const std::string& section : common.ReadSections()) {
            if (UpperCaseAscii(section) == GlobalInfo)
                continue;
            for (const std::string& key : common.ReadSection(section)) {
                const std::string value = common.ReadString(section, key, "-");
                if (!context_.Model.MasterBitmap || value.find('#') == std::string::npos) {
                    const std::string name = UpperCaseAscii(value);
                    if (name.find(".BMP") == std::string::npos)
                        continue;
                    const std::optional<Bytes> bytes = ReadWholeFile(SkinFilePath(context_.Model.SkinData.SkinPath, name));
                    if (!bytes)
                        continue;
                    try {
                        TBitmap bmp = ReadBmp(bytes->data(), bytes->size(), TBmpAlpha::Drop);
                        if (bmp.Width() > 0)
                            Append(UpperCaseAscii(section), UpperCaseAscii(key), itisaBorder).Bmp =
                                std::make_unique<TBitmap>(std::move(bmp));
                    } catch (const EInvalidGraphic& e) {
                        images_.Note(Where(section, key) + ": image \"" + name + "\" cannot be read: " + e.what());
                    }
                } else if (value != "#") {
                    LoadLegacy(section, key, value);
                }
            }
        }
    }

private:
    TsSkinLoadContext& context_;
    TsImageReader images_;
};

std::optional<TMemIniFile> CommonSectionsDocument(const TsSkinLoadContext& context)
{
    if (context.CommonSections.empty())
        return std::nullopt;
    std::string text;
    for (const std::string& line : context.CommonSections)
        text += line + "\n";
    TMemIniFile common;
    common.SetText(text);
    return common;
}

TsFontColors FontColors(const TMemIniFile& ini, const std::string& s, const char* const keys[5])
{
    TsFontColors colors;
    colors[1] = TColor(ReadInheritedInteger(ini, s, keys[0], 0));
    for (int i = 2; i <= 5; ++i)
        colors[i] = TColor(ReadInheritedInteger(ini, s, keys[i - 1], -1));
    return colors;
}

const char* const FontColorKeys[5] = {"FONTCOLOR", "TCLEFT", "TCTOP", "TCRIGHT", "TCBOTTOM"};
const char* const HotFontColorKeys[5] = {"HOTFONTCOLOR", "HOTTCLEFT", "HOTTCTOP", "HOTTCRIGHT", "HOTTCBOTTOM"};

void ParseGradients(TsGeneralData& d)
{
    d.GradientArray.clear();
    d.HotGradientArray.clear();
    Converted(d.SectionName, "GRADIENTDATA", [&] {
        if (d.GradientData != " ")
            ParseGradientData(d.GradientData, d.GradientArray);
    });
    Converted(d.SectionName, "HOTGRADIENTDATA", [&] {
        if (d.HotGradientData != " ")
            ParseGradientData(d.HotGradientData, d.HotGradientArray);
    });
}

TsGeneralData SectionData(const TMemIniFile& ini, const std::string& s)
{
    TsGeneralData d;
    d.SectionName = s;
    d.ParentClass = ini.ReadString(s, "PARENTCLASS", "");
    auto integer = [&](const char* key, int def) { return ReadInheritedInteger(ini, s, key, def); };
    auto boolean = [&](const char* key) { return ReadInheritedBool(ini, s, key, false); };
    d.Color = ColorToRGB(TColor(integer("COLOR", int(clWhite))));
    d.FontColor = FontColors(ini, s, FontColorKeys);
    d.HotFontColor = FontColors(ini, s, HotFontColorKeys);
    d.GiveOwnFont = boolean("GIVEOWNFONT");
    d.GlowCount = integer("GLOW", 0);
    d.GlowMargin = integer("GLOWMARGIN", 0);
    d.ReservedBoolean = boolean("RESERVEDBOOLEAN");
    d.Transparency = integer("TRANSPARENCY", 0);
    d.GradientPercent = integer("GRADIENTPERCENT", 0);
    d.GradientData = ReadInheritedString(ini, s, "GRADIENTDATA", " ");
    d.ImagePercent = integer("IMAGEPERCENT", 0);
    d.ShowFocus = boolean("SHOWFOCUS");
    d.FadingEnabled = boolean("FADINGENABLED");
    d.FadingIterations = integer("FADINGITERATIONS", 5);
    d.HotColor = TColor(integer("HOTCOLOR", int(clWhite)));
    d.HotTransparency = integer("HOTTRANSPARENCY", 0);
    d.HotGradientPercent = integer("HOTGRADIENTPERCENT", 0);
    d.HotGradientData = ReadInheritedString(ini, s, "HOTGRADIENTDATA", "");
    d.HotImagePercent = integer("HOTIMAGEPERCENT", 0);
    ParseGradients(d);
    return d;
}

// "a b c d e": five colours; any other number of words gives the defaults.
TsFontColors StoredFontColors(const std::string& text)
{
    TsFontColors colors;
    const auto words = SplitWords(text, " ");
    int values[5];
    if (words.size() != 5)
        return colors;
    for (int i = 0; i < 5; ++i)
        if (!TryStrToSkinInt(words[std::size_t(i)], values[i]))
            return colors;
    for (int i = 0; i < 5; ++i)
        colors[i + 1] = TColor(values[i]);
    return colors;
}

TsGeneralData StoredSectionData(const TsSkinGeneral& g)
{
    TsGeneralData d;
    d.SectionName = g.SectionName;
    d.ParentClass = g.ParentClass;
    d.Color = g.Color;
    d.FontColor = StoredFontColors(g.FontColor);
    d.HotFontColor = StoredFontColors(g.HotFontColor);
    d.GiveOwnFont = g.GiveOwnFont;
    d.GlowCount = g.GlowCount;
    d.GlowMargin = g.GlowMargin;
    d.ReservedBoolean = g.ReservedBoolean;
    d.Transparency = g.Transparency;
    d.GradientPercent = g.GradientPercent;
    d.GradientData = g.GradientData;
    d.ImagePercent = g.ImagePercent;
    d.ShowFocus = g.ShowFocus;
    d.FadingEnabled = g.FadingEnabled;
    d.FadingIterations = g.FadingIterations;
    d.HotColor = g.HotColor;
    d.HotTransparency = g.HotTransparency;
    d.HotGradientPercent = g.HotGradientPercent;
    d.HotGradientData = g.HotGradientData;
    d.HotImagePercent = g.HotImagePercent;
    ParseGradients(d);
    return d;
}

// A section of the common sections that the skin lacks: its own values, else
// those of its parent section in the skin, else the defaults.
TsGeneralData CommonSectionData(const TMemIniFile& common, const std::string& c, const TsGeneralData* parent)
{
    const TsGeneralData defaults;
    const TsGeneralData& p = parent ? *parent : defaults;
    auto own = [&](const char* key) -> std::optional<int> {
        int v;
        if (common.ValueExists(c, key) && TryStrToSkinInt(common.ReadString(c, key, ""), v) && v != -1)
            return v;
        return std::nullopt;
    };
    auto integer = [&](const char* key, int inherited) { return own(key).value_or(inherited); };
    auto color = [&](const char* key, TColor inherited) { return TColor(own(key).value_or(int(inherited))); };
    auto text = [&](const char* key, const std::string& inherited) {
        return common.ValueExists(c, key) ? common.ReadString(c, key, "") : inherited;
    };
    auto boolean = [&](const char* key, bool inherited) {
        return common.ValueExists(c, key) ? common.ReadBool(c, key, false) : inherited;
    };
    // GLOW and GLOWMARGIN: absent is 0; only -1 asks the parent.
    auto glow = [&](const char* key, int inherited) {
        const int v = common.ReadInteger(c, key, 0);
        return v == -1 ? inherited : v;
    };

    TsGeneralData d;
    d.SectionName = c;
    d.ParentClass = common.ValueExists(c, "PARENTCLASS") ? UpperCaseAscii(common.ReadString(c, "PARENTCLASS", "")) : "-1";
    d.Color = color("COLOR", p.Color);
    for (int i = 1; i <= 5; ++i) {
        d.FontColor[i] = color(FontColorKeys[i - 1], p.FontColor[i]);
        d.HotFontColor[i] = color(HotFontColorKeys[i - 1], p.HotFontColor[i]);
    }
    d.GiveOwnFont = boolean("GIVEOWNFONT", p.GiveOwnFont);
    d.GlowCount = glow("GLOW", p.GlowCount);
    d.GlowMargin = glow("GLOWMARGIN", p.GlowMargin);
    d.ReservedBoolean = boolean("RESERVEDBOOLEAN", p.ReservedBoolean);
    d.Transparency = integer("TRANSPARENCY", p.Transparency);
    d.GradientPercent = integer("GRADIENTPERCENT", p.GradientPercent);
    d.GradientData = text("GRADIENTDATA", p.GradientData);
    d.ImagePercent = integer("IMAGEPERCENT", p.ImagePercent);
    d.ShowFocus = boolean("SHOWFOCUS", p.ShowFocus);
    d.FadingEnabled = boolean("FADINGENABLED", p.FadingEnabled);
    d.FadingIterations = integer("FADINGITERATIONS", p.FadingIterations);
    d.HotColor = color("HOTCOLOR", p.HotColor);
    d.HotTransparency = integer("HOTTRANSPARENCY", p.HotTransparency);
    d.HotGradientPercent = integer("HOTGRADIENTPERCENT", p.HotGradientPercent);
    d.HotGradientData = text("HOTGRADIENTDATA", p.HotGradientData);
    d.HotImagePercent = integer("HOTIMAGEPERCENT", p.HotImagePercent);
    ParseGradients(d);
    return d;
}

void CheckVersion(const TsSkinLoadContext& context)
{
    const std::string notice = VersionNotice(context.Model.SkinData.Version);
    if (!notice.empty() && context.Notes)
        context.Notes(TsLoadNoteKind::VersionNotice, notice);
}

void ReadSkinData(const TMemIniFile& ini, TsSkinData& data)
{
    auto strict = [&](const char* key, int def) {
        return Converted(GlobalInfo, key, [&] { return ReadStrictInteger(ini, GlobalInfo, key, def); });
    };
    data.Version = ini.ReadFloat(GlobalInfo, "VERSION", 0);
    data.Author = ini.ReadString(GlobalInfo, "AUTHOR", "");
    data.Description = ini.ReadString(GlobalInfo, "DESCRIPTION", "");
    data.Shadow1Color = TColor(ini.ReadInteger(GlobalInfo, "SHADOW1COLOR", 0));
    data.Shadow1Offset = strict("SHADOW1OFFSET", 0);
    data.Shadow1Blur = strict("SHADOW1BLUR", -1);
    data.Shadow1Transparency = strict("SHADOW1TRANSPARENCY", 0);
    data.BorderColor = TColor(ini.ReadInteger(GlobalInfo, "BORDERCOLOR", 0));
    data.TitleIconSpacing = ini.ReadInteger(GlobalInfo, "BISPACE", 0);
    data.TitleIconVAlign = ini.ReadInteger(GlobalInfo, "BIVALIGN", 0);
    data.TitleIconRight = ini.ReadInteger(GlobalInfo, "BIRIGHT", 0);
    data.TitleIconLeft = ini.ReadInteger(GlobalInfo, "BILEFT", 0);
    data.CloseGlowCount = strict("BICONCLOSEGLOW", 0);
    data.CloseGlowMargin = strict("BICONCLOSEGLOWMARGIN", 0);
    data.MaxGlowCount = strict("BICONMAXGLOW", 0);
    data.MaxGlowMargin = strict("BICONMAXGLOWMARGIN", 0);
    data.MinGlowCount = strict("BICONMINGLOW", 0);
    data.MinGlowMargin = strict("BICONMINGLOWMARGIN", 0);
}

void ReadStoredSkinData(const TsStoredSkin& stored, TsSkinData& data)
{
    data.Version = stored.Version;
    data.Author = stored.Author;
    data.Description = stored.Description;
    data.Shadow1Color = stored.Shadow1Color;
    data.Shadow1Offset = stored.Shadow1Offset;
    data.Shadow1Blur = stored.Shadow1Blur;
    data.Shadow1Transparency = stored.Shadow1Transparency;
    data.BorderColor = stored.BorderColor;
}

void AddCommonSections(const TMemIniFile& common, TsSkinModel& model)
{
    for (const std::string& c : common.ReadSections()) {
        if (model.SectionIndexOf(c) >= 0)
            continue;
        const std::string parentName = common.ValueExists(c, "PARENTCLASS")
                                           ? UpperCaseAscii(common.ReadString(c, "PARENTCLASS", "")) : "-1";
        const TsGeneralData* parent = nullptr;
        for (const TsGeneralData& d : model.SectionArray)
            if (UpperCaseAscii(d.SectionName) == parentName) {
                parent = &d;
                break;
            }
        TsGeneralData d = CommonSectionData(common, c, parent);
        model.SectionArray.push_back(std::move(d));
    }
}

void ResolveImageIndexes(TsSkinModel& model)
{
    for (std::size_t i = 0; i < model.SectionArray.size(); ++i) {
        TsGeneralData& d = model.SectionArray[i];
        if (d.SectionName == GlobalInfo)
            continue;
        d.BorderIndex = model.MaskIndexOf(int(i), d.SectionName, "BORDERSMASK");
        d.ImgTopLeft = model.MaskIndexOf(int(i), d.SectionName, "IMGTOPLEFT");
        d.ImgTopRight = model.MaskIndexOf(int(i), d.SectionName, "IMGTOPRIGHT");
        d.ImgBtmLeft = model.MaskIndexOf(int(i), d.SectionName, "IMGBTMLEFT");
        d.ImgBtmRight = model.MaskIndexOf(int(i), d.SectionName, "IMGBTMRIGHT");
    }
}

bool IsJpegName(const std::string& upper)
{
    return upper.find(".JPG") != std::string::npos || upper.find(".JPEG") != std::string::npos;
}

// Backgrounds of 90000 pixels and more stay decoded backgrounds; smaller ones
// become texture images.
constexpr long long PatternMinPixels = 90000;

} // namespace

ESkinConvertError::ESkinConvertError(std::string section, std::string key, std::string value)
    : std::runtime_error("[" + section + "] " + key + "=" + value + ": \"" + value + "\" is not a valid number"),
      Section(std::move(section)), Key(std::move(key)), Value(std::move(value))
{
}

std::string VersionNotice(double version)
{
    if (version > 6.29)
        return "This version of skin have not complete supported by the Orvalen package.\r\n"
               "Components must be updated to latest version for using this skin.";
    return "";
}

void LoadAllMasks(TsSkinLoadContext& context)
{
    TsSkinModel& model = context.Model;
    model.ReleaseImages();
    TsMaskLoader loader(context);
    if (context.SkinDocument)
        loader.LoadDocument();
    else if (context.StoredSkin)
        loader.LoadStoredSkin(*context.StoredSkin);
    else
        return;
    if (const auto common = CommonSectionsDocument(context))
        loader.LoadCommonSections(*common);
}

void LoadAllPatterns(TsSkinLoadContext& context)
{
    TsSkinModel& model = context.Model;
    model.ReleasePatterns();
    TsImageReader images(context);
    if (context.SkinDocument) {
        const TMemIniFile& ini = *context.SkinDocument;
        for (const std::string& section : ini.ReadSections())
            for (const std::string& key : ini.ReadSection(section)) {
                const std::string name = UpperCaseAscii(ini.ReadString(section, key, "-"));
                if (!IsJpegName(name))
                    continue;
                std::unique_ptr<TBitmap> jpeg = images.Jpeg(name, Where(section, key));
                if (!jpeg)
                    continue;
                if ((long long)jpeg->Width() * jpeg->Height() >= PatternMinPixels) {
                    model.PatternArray.push_back({std::move(jpeg), UpperCaseAscii(section), UpperCaseAscii(key)});
                    continue;
                }
                TsMaskData& mask = model.MaskArray.emplace_back();
                mask.R = {0, 0, jpeg->Width(), jpeg->Height()};
                mask.Bmp = std::move(jpeg);
                mask.PropertyName = UpperCaseAscii(key);
                mask.SectionName = UpperCaseAscii(section);
                mask.ImgType = itisaTexture;
                mask.ImageCount = 1;
                mask.Manager = context.Manager;
            }
    } else if (context.StoredSkin) {
        const auto& patterns = context.StoredSkin->Patterns;
        for (const TsSkinPattern& item : patterns) {
            const TBitmap* image = &item.Image;
            if (image->Empty()) {
                auto named = std::find_if(patterns.begin(), patterns.end(), [&](const TsSkinPattern& other) {
                    return other.Name == item.Name && !other.Image.Empty();
                });
                if (named != patterns.end())
                    image = &named->Image;
            }
            model.PatternArray.push_back({std::make_unique<TBitmap>(*image), UpperCaseAscii(item.SectionName),
                                          UpperCaseAscii(item.PropertyName)});
        }
    }
    if (const auto common = CommonSectionsDocument(context)) {
        for (const std::string& section : common->ReadSections())
            for (const std::string& key : common->ReadSection(section)) {
                const std::string name = UpperCaseAscii(common->ReadString(section, key, "-"));
                if (!IsJpegName(name))
                    continue;
                const std::optional<Bytes> bytes = ReadWholeFile(SkinFilePath(model.SkinData.SkinPath, name));
                if (!bytes)
                    continue;
                try {
                    auto jpeg = std::make_unique<TBitmap>(ReadJpeg(bytes->data(), bytes->size()));
                    if (jpeg->Width() > 0)
                        model.PatternArray.push_back({std::move(jpeg), UpperCaseAscii(section), UpperCaseAscii(key)});
                } catch (const EInvalidGraphic& e) {
                    images.Note(Where(section, key) + ": image \"" + name + "\" cannot be read: " + e.what());
                }
            }
    }
}

void LoadAllGeneralData(TsSkinLoadContext& context)
{
    TsSkinModel& model = context.Model;
    model.SectionArray.clear();
    if (context.SkinDocument) {
        const TMemIniFile& ini = *context.SkinDocument;
        ReadSkinData(ini, model.SkinData);
        CheckVersion(context);
        for (const std::string& section : ini.ReadSections())
            model.SectionArray.push_back(SectionData(ini, section));
    } else if (context.StoredSkin) {
        ReadStoredSkinData(*context.StoredSkin, model.SkinData);
        CheckVersion(context);
        for (const TsSkinGeneral& g : context.StoredSkin->GeneralData)
            model.SectionArray.push_back(StoredSectionData(g));
    } else {
        return;
    }
    if (const auto common = CommonSectionsDocument(context))
        AddCommonSections(*common, model);
    ApplyHueOffset(model, context.HueOffset);
    ApplySaturation(model, context.Saturation);
    ResolveImageIndexes(model);
}

void LoadSkinModel(TsSkinLoadContext& context)
{
    LoadAllMasks(context);
    LoadAllPatterns(context);
    LoadAllGeneralData(context);
}

std::string LoadSkinFolder(TsSkinModel& model, const std::string& folder, TsLoadNotes notes)
{
    const std::string path = IncludeTrailingSeparator(folder);
    const std::string options = FindFileNoCase(path, "Options.dat");
    if (options.empty())
        return "No \"Options.dat\" in " + folder;
    TMemIniFile document(options);
    model.PackedSource = false;
    model.SkinData.SkinPath = path;
    TsSkinLoadContext context{model};
    context.SkinDocument = &document;
    context.Notes = std::move(notes);
    LoadSkinModel(context);
    return "";
}

std::string LoadSkinArchive(TsSkinModel& model, const std::string& fileName, TsLoadNotes notes)
{
    TovSkinConvertor archive;
    if (std::string error = LoadPackedFile(fileName, archive, true); !error.empty())
        return error;
    TMemIniFile document;
    document.SetText(std::string_view(reinterpret_cast<const char*>(archive.OptionsData->data()),
                                      archive.OptionsData->size()));
    model.PackedSource = true;
    const std::size_t slash = fileName.rfind('/');
    model.SkinData.SkinPath = slash == std::string::npos ? "./" : fileName.substr(0, slash + 1);
    TsSkinLoadContext context{model};
    context.SkinDocument = &document;
    context.Archive = &archive;
    context.Notes = std::move(notes);
    LoadSkinModel(context);
    return "";
}
