#include "skinfiles/sStoreUtils.h"

#include "skinfiles/TMemIniFile.h"

#include <charconv>
#include <cmath>
#include <cstdint>

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

bool TryDecimalToInt(std::string_view text, int& value)
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

} // namespace

bool TryStrToSkinInt(std::string_view text, int& value)
{
    if (StartsWithHexPrefix(text))
        return TryHexToInt(text.substr(2), value);
    if (!text.empty() && text[0] == '$')
        return TryHexToInt(text.substr(1), value);
    return TryDecimalToInt(text, value);
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

std::string UpperCaseAscii(std::string_view text)
{
    std::string result(text);
    for (char& c : result)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return result;
}
