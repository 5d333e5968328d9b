#include "skinfiles/sImageValues.h"

#include "skinfiles/sStoreUtils.h"

#include <algorithm>
#include <cstdio>
#include <span>
#include <vector>

namespace {

// One field of a fixed-position syntax: each field follows one separator
// character, so the layout alone fixes every position.
struct FixedField
{
    int TsImageValue::*member;
    int width;
    bool mayBeAbsent = false;
};

constexpr FixedField kRectangleFields[] = {
    {&TsImageValue::Left, 4}, {&TsImageValue::Top, 4}, {&TsImageValue::Right, 4}, {&TsImageValue::Bottom, 4}};

constexpr FixedField kBorderLayout[] = {
    kRectangleFields[0], kRectangleFields[1], kRectangleFields[2], kRectangleFields[3],
    {&TsImageValue::WL, 4}, {&TsImageValue::WT, 4}, {&TsImageValue::WR, 4}, {&TsImageValue::WB, 4},
    {&TsImageValue::ImageCount, 1}, {&TsImageValue::MaskType, 1}, {&TsImageValue::StretchMode, 1},
    {&TsImageValue::BorderWidth, 1}};

constexpr FixedField kGlyphLayout[] = {
    kRectangleFields[0], kRectangleFields[1], kRectangleFields[2], kRectangleFields[3],
    {&TsImageValue::ImageCount, 1}, {&TsImageValue::MaskType, 1}};

constexpr FixedField kTextureLayout[] = {
    kRectangleFields[0], kRectangleFields[1], kRectangleFields[2], kRectangleFields[3],
    {&TsImageValue::StretchMode, 2}, {&TsImageValue::MaskType, 1, true}};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int ReadFixedField(std::string_view value, std::size_t offset, int width)
{
    const std::string_view field = offset < value.size() ? value.substr(offset, width) : std::string_view();
    if (field.size() != static_cast<std::size_t>(width) || !std::all_of(field.begin(), field.end(), IsDigit))
        throw EConvertError(Quoted(value) + ": " + Quoted(field) + " at position " + std::to_string(offset + 1)
                                + " is not a " + std::to_string(width) + "-digit number",
                            std::string(value));
    int number = 0;
    for (char c : field)
        number = number * 10 + (c - '0');
    return number;
}

TsImageValue ParseFixed(std::string_view value, std::span<const FixedField> layout)
{
    TsImageValue image;
    std::size_t offset = 1;
    for (const FixedField& field : layout) {
        if (!(field.mayBeAbsent && value.size() < offset + field.width))
            image.*field.member = ReadFixedField(value, offset, field.width);
        offset += field.width + 1;
    }
    return image;
}

std::string FormatFixed(char separator, const TsImageValue& image, std::span<const FixedField> layout)
{
    std::string text;
    for (const FixedField& field : layout) {
        const int number = image.*field.member;
        char digits[16];
        const int length = std::snprintf(digits, sizeof digits, "%0*d", field.width, number);
        if (number < 0 || length != field.width)
            return {};
        text.append(1, separator).append(digits, length);
    }
    return text;
}

std::string FourDigits(int number)
{
    char digits[16];
    const int length = std::snprintf(digits, sizeof digits, "%04d", number);
    return std::string(digits, length);
}

bool TryReadNumbers(std::string_view word, std::vector<int>& numbers)
{
    for (std::string_view text : SplitWords(word, " ,")) {
        int number = 0;
        if (!TryStrToSkinInt(text, number))
            return false;
        numbers.push_back(number);
    }
    return true;
}

void ClampFrameCounts(TsImageValue& image)
{
    image.ImageCount = std::max(1, image.ImageCount);
    image.MaskType = std::max(0, image.MaskType);
}

// A third of a frame for each band; frame counts must be clamped first.
void SetThirdBands(TsImageValue& image)
{
    const long long frameWidth = (static_cast<long long>(image.Right) - image.Left) / image.ImageCount;
    const long long frameHeight = (static_cast<long long>(image.Bottom) - image.Top) / (image.MaskType + 1LL);
    image.WL = image.WR = static_cast<int>(frameWidth / 3);
    image.WT = image.WB = static_cast<int>(frameHeight / 3);
}

bool Contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

int ReadFileValueNumber(std::string_view value, const std::vector<std::string_view>& words, std::size_t index)
{
    int number = 0;
    if (index >= words.size() || !TryStrToSkinInt(words[index], number))
        throw EConvertError(Quoted(value) + ": word " + std::to_string(index + 1)
                                + " is not a valid integer value",
                            std::string(value));
    return number;
}

} // namespace

TsImageValueKind ClassifyImageValue(std::string_view value)
{
    if (value.empty())
        return TsImageValueKind::None;
    switch (value.front()) {
    case '^': return TsImageValueKind::Border;
    case '@': return TsImageValueKind::Glyph;
    case '~': return TsImageValueKind::Texture;
    case '!': return TsImageValueKind::File;
    default: break;
    }
    if (Contains(value, "#"))
        return value == "#" ? TsImageValueKind::None : TsImageValueKind::Legacy;
    const std::string upper = UpperCaseAscii(value);
    if (Contains(upper, ".BMP"))
        return TsImageValueKind::BitmapFile;
    if (Contains(upper, ".JPG") || Contains(upper, ".JPEG"))
        return TsImageValueKind::JpegFile;
    return TsImageValueKind::None;
}

TsImageValue ParseBorderValue(std::string_view value) { return ParseFixed(value, kBorderLayout); }

std::string FormatBorderValue(const TsImageValue& image) { return FormatFixed('^', image, kBorderLayout); }

TsImageValue ParseGlyphValue(std::string_view value) { return ParseFixed(value, kGlyphLayout); }

std::string FormatGlyphValue(const TsImageValue& image) { return FormatFixed('@', image, kGlyphLayout); }

TsImageValue ParseTextureValue(std::string_view value)
{
    TsImageValue image = ParseFixed(value, kTextureLayout);
    image.ImageCount = 1;
    return image;
}

std::string FormatTextureValue(const TsImageValue& image) { return FormatFixed('~', image, kTextureLayout); }

std::optional<TsImageValue> ParseLegacyValue(std::string_view value)
{
    const std::vector<std::string_view> words = SplitWords(value, " ()");
    std::vector<int> rectangle;
    std::vector<int> numbers;
    if (words.size() < 2 || !TryReadNumbers(words[1], rectangle) || rectangle.size() != 4)
        return std::nullopt;
    if (words.size() > 2 && !TryReadNumbers(words[2], numbers))
        return std::nullopt;
    const auto numberOr = [&](std::size_t index, int def) { return index < numbers.size() ? numbers[index] : def; };
    TsImageValue image;
    image.Left = rectangle[0];
    image.Top = rectangle[1];
    image.Right = rectangle[2];
    image.Bottom = rectangle[3];
    image.ImageCount = std::max(1, numberOr(0, 1));
    image.MaskType = std::max(0, numberOr(1, 0));
    image.BorderWidth = std::max(0, numberOr(2, 0));
    image.StretchMode = numberOr(3, 1);
    return image;
}

TsFileImageValue ParseFileValue(std::string_view value)
{
    const std::vector<std::string_view> words = SplitWords(value, "!");
    TsFileImageValue file;
    file.FileName = words.empty() ? std::string() : std::string(words[0]);
    file.ImageCount = ReadFileValueNumber(value, words, 1);
    file.MaskType = ReadFileValueNumber(value, words, 2);
    file.Kind = ReadFileValueNumber(value, words, 3);
    file.HasBands = words.size() > 4;
    if (file.HasBands) {
        file.WL = ReadFileValueNumber(value, words, 4);
        file.WT = ReadFileValueNumber(value, words, 5);
        file.WR = ReadFileValueNumber(value, words, 6);
        file.WB = ReadFileValueNumber(value, words, 7);
    }
    return file;
}

std::string FormatFileValue(const TsFileImageValue& image)
{
    if (image.FileName.empty() || Contains(image.FileName, "!"))
        return {};
    std::string text = "!";
    text += UpperCaseAscii(image.FileName) + "!" + std::to_string(image.ImageCount) + "!"
            + std::to_string(image.MaskType) + "!" + std::to_string(image.Kind);
    if (image.HasBands)
        for (int band : {image.WL, image.WT, image.WR, image.WB})
            text.append("!").append(FourDigits(band));
    return text;
}

bool IsFileValueImageName(std::string_view fileName)
{
    return Contains(fileName, ".BMP") || Contains(fileName, ".PNG");
}

int FileValueImageType(int kind) { return std::clamp(kind, 0, 3); }

TsImageValue EngineImageValue(TsImageValue image)
{
    ClampFrameCounts(image);
    if (image.WL == 0 && image.WT == 0 && image.WR == 0 && image.WB == 0) {
        if (image.BorderWidth != 0)
            image.WL = image.WT = image.WR = image.WB = image.BorderWidth;
        else
            SetThirdBands(image);
    }
    return image;
}

TsImageValue FileEngineImageValue(const TsFileImageValue& file, int width, int height)
{
    TsImageValue image;
    image.Right = width;
    image.Bottom = height;
    image.ImageCount = file.ImageCount;
    image.MaskType = file.MaskType;
    image.StretchMode = 4;
    ClampFrameCounts(image);
    if (!file.HasBands) {
        SetThirdBands(image);
        return image;
    }
    image.WL = file.WL;
    image.WT = file.WT;
    image.WR = file.WR;
    image.WB = file.WB;
    return image;
}

TsImageValue PlainBitmapEngineImageValue(int width, int height)
{
    TsImageValue image;
    image.Right = width;
    image.Bottom = height;
    image.ImageCount = 3;
    image.MaskType = 1;
    SetThirdBands(image);
    return image;
}
