#pragma once

#include <optional>
#include <string>
#include <string_view>

// Image values of skins: a short text that names a rectangle of the master
// bitmap with its layout numbers, or an image file of the skin. The first
// character selects the syntax:
//   "^" border   ^LLLL^TTTT^RRRR^BBBB^wwww^tttt^rrrr^bbbb^I^M^S^W
//   "@" glyph    @LLLL@TTTT@RRRR@BBBB@I@M
//   "~" texture  ~LLLL~TTTT~RRRR~BBBB~NN~M
//   "!" file     !FILE!I!M!K[!wwww!tttt!rrrr!bbbb]
//   "#" legacy   # (L,T,R,B) (I,M,W,S)      (read only)
//   anything else: a plain file name, an image when it names a .BMP or JPEG file.
// Each syntax is read by its Parse function and written by its Format function;
// Format gives "" when a field does not fit its width (it could not be read back).

enum class TsImageValueKind
{
    None,       // empty, exactly "#", or a plain value that names no image
    Border,     // "^"
    Glyph,      // "@"
    Texture,    // "~"
    File,       // "!"
    Legacy,     // contains "#"
    BitmapFile, // plain name containing ".BMP" (any case)
    JpegFile,   // plain name containing ".JPG" or ".JPEG" (any case)
};

TsImageValueKind ClassifyImageValue(std::string_view value);

// The fields of a rectangle image as written; Right and Bottom exclusive.
struct TsImageValue
{
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int ImageCount = 0;
    int MaskType = 0;
    int BorderWidth = 0;
    int StretchMode = 0; // border flags, or the fill type of a texture
    int WL = 0;
    int WT = 0;
    int WR = 0;
    int WB = 0;

    friend bool operator==(const TsImageValue&, const TsImageValue&) = default;
};

// Fixed-position fields: digits only, the full width present; otherwise
// EConvertError (sStoreUtils.h) carrying the whole value.
TsImageValue ParseBorderValue(std::string_view value);
std::string FormatBorderValue(const TsImageValue& image);
// Reads rectangle, ImageCount and MaskType; the rest stays 0.
TsImageValue ParseGlyphValue(std::string_view value);
std::string FormatGlyphValue(const TsImageValue& image);
// ImageCount is 1, StretchMode the fill type; a value shorter than 25
// characters has MaskType 0.
TsImageValue ParseTextureValue(std::string_view value);
std::string FormatTextureValue(const TsImageValue& image);
// A legacy value: nothing when its rectangle is not four integers (a "#" in
// free text must not stop a load). ImageCount at least 1, MaskType and
// BorderWidth at least 0, StretchMode 1 when absent; band widths 0.
std::optional<TsImageValue> ParseLegacyValue(std::string_view value);

// "!" values.
struct TsFileImageValue
{
    std::string FileName;
    int ImageCount = 0;
    int MaskType = 0;
    int Kind = 0; // 0 border, 1 texture, 2 glyph, 3 glow
    bool HasBands = false;
    int WL = 0;
    int WT = 0;
    int WR = 0;
    int WB = 0;

    friend bool operator==(const TsFileImageValue&, const TsFileImageValue&) = default;
};

// Words are the runs between "!"; words 2 to 4 (and 5 to 8 when a fifth is
// present) must be integers, else EConvertError.
TsFileImageValue ParseFileValue(std::string_view value);
// The file name is written in upper case; "" when it is empty or holds "!".
std::string FormatFileValue(const TsFileImageValue& image);
// The file types an "!" value may name: ".BMP" or ".PNG", exact case.
bool IsFileValueImageName(std::string_view fileName);
// The kind as an image type 0..3: above 3 reads as 3, below 0 as 0.
int FileValueImageType(int kind);

// The layout the engine keeps for an image. ImageCount is at least 1 and
// MaskType at least 0 (a 0 count would divide every frame size by zero); when
// all four band widths are 0, BorderWidth is used for all four if set, else a
// third of a frame: width / (ImageCount x 3), height / ((MaskType + 1) x 3).
TsImageValue EngineImageValue(TsImageValue image);
// An "!" image of the given size: the whole image, StretchMode 4, bands as
// written or else thirds of a frame.
TsImageValue FileEngineImageValue(const TsFileImageValue& file, int width, int height);
// A plain .BMP file used whole: 3 frames over an image and a mask band.
TsImageValue PlainBitmapEngineImageValue(int width, int height);
