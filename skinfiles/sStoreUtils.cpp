#include "skinfiles/sStoreUtils.h"

#include "skinfiles/TMemIniFile.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <unordered_set>
#include <utility>

namespace {

bool StartsWithHexPrefix(std::string_view text)
{
    return text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
}

bool TryHexToInt(std::string_view digits, int& value)
{
    std::uint32_t parsed = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), parsed, 16);
    if (digits.empty() || ec != std::errc() || end != digits.data() + digits.size())
        return false;
    value = static_cast<int>(parsed);
    return true;
}

// from_chars takes "-" but not "+"; a "+" may stand only before a digit.
bool DropPlusSign(std::string_view& text)
{
    if (text.empty() || text[0] != '+')
        return true;
    text.remove_prefix(1);
    return !text.empty() && text[0] >= '0' && text[0] <= '9';
}

} // namespace

EConvertError::EConvertError(const std::string& message, std::string value)
    : std::runtime_error(message)
    , value_(std::move(value))
{
}

bool TryStrToDecimal(std::string_view text, int& value)
{
    if (!DropPlusSign(text))
        return false;
    int parsed = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), parsed, 10);
    if (ec != std::errc() || end != text.data() + text.size())
        return false;
    value = parsed;
    return true;
}

bool TryStrToSkinInt(std::string_view text, int& value)
{
    if (StartsWithHexPrefix(text))
        return TryHexToInt(text.substr(2), value);
    if (!text.empty() && text[0] == '$')
        return TryHexToInt(text.substr(1), value);
    return TryStrToDecimal(text, value);
}

bool TryStrToSkinFloat(std::string_view text, double& value)
{
    if (!DropPlusSign(text))
        return false;
    double parsed = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), parsed,
                                           std::chars_format::general);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}

std::string SkinFloatToStr(double value)
{
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return ec == std::errc() ? std::string(buffer, end) : std::string("0");
}

std::string Quoted(std::string_view text)
{
    std::string quoted;
    quoted.reserve(text.size() + 2);
    return quoted.append(1, '\'').append(text).append(1, '\'');
}

std::string UpperCaseAscii(std::string_view text)
{
    std::string result(text);
    for (char& c : result)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return result;
}

std::string_view TrimText(std::string_view text)
{
    const auto isBlankOrControl = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!text.empty() && isBlankOrControl(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlankOrControl(text.back()))
        text.remove_suffix(1);
    return text;
}

std::vector<std::string_view> SplitWords(std::string_view text, std::string_view separators)
{
    std::vector<std::string_view> words;
    std::size_t start = text.find_first_not_of(separators);
    while (start != std::string_view::npos) {
        const std::size_t end = text.find_first_of(separators, start);
        words.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        start = end == std::string_view::npos ? end : text.find_first_not_of(separators, end);
    }
    return words;
}

namespace {

constexpr std::string_view kMissing = "?";

// Walks section, its parent, its grandparent ... and returns the first value
// that accept() takes, or nothing.
template <typename Accept>
const std::string* FindInherited(const TMemIniFile& ini, std::string_view section, std::string_view key,
                                 std::string& buffer, Accept accept)
{
    std::unordered_set<std::string> visited;
    std::string current(section);
    while (visited.insert(UpperCaseAscii(current)).second) {
        buffer = ini.ReadString(current, key, kMissing);
        if (accept(buffer))
            return &buffer;
        std::string parent = ini.ReadString(current, "PARENTCLASS", kMissing);
        if (parent.empty() || parent == kMissing)
            return nullptr;
        current = std::move(parent);
    }
    return nullptr;
}

} // namespace

std::string ReadInheritedString(const TMemIniFile& ini, std::string_view section, std::string_view key,
                                std::string_view def)
{
    std::string buffer;
    const std::string* value
        = FindInherited(ini, section, key, buffer, [](const std::string& text) { return text != kMissing; });
    return value ? *value : std::string(def);
}

bool ReadInheritedBool(const TMemIniFile& ini, std::string_view section, std::string_view key, bool def)
{
    std::string buffer;
    const std::string* value
        = FindInherited(ini, section, key, buffer, [](const std::string& text) { return text != kMissing; });
    return value ? UpperCaseAscii(*value) == "TRUE" : def;
}

int ReadInheritedInteger(const TMemIniFile& ini, std::string_view section, std::string_view key, int def)
{
    std::string buffer;
    int number = -1;
    const std::string* value = FindInherited(ini, section, key, buffer, [&](const std::string& text) {
        return TryStrToSkinInt(text, number) && number != -1;
    });
    return value ? number : def;
}

int ReadStrictInteger(const TMemIniFile& ini, std::string_view section, std::string_view key, int def)
{
    if (!ini.ValueExists(section, key))
        return def;
    const std::string text = ini.ReadString(section, key, "");
    int value = 0;
    if (!TryStrToSkinInt(text, value))
        throw EConvertError(Quoted(text) + " is not a valid integer value", text);
    return value;
}
