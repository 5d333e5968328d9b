#include "data/skingen/TSkinStyle.h"

#include <charconv>
#include <filesystem>
#include <stdexcept>

std::string TSkinStyle::Load(const std::string& fileName)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(fileName, error))
        return fileName + " is not a style file";
    fileName_ = fileName;
    if (!ini_.LoadFromFile(fileName))
        return "cannot read " + fileName;
    return "";
}

std::string TSkinStyle::required(std::string_view section, std::string_view key) const
{
    const std::string value = ini_.ReadString(section, key, "");
    if (value.empty())
        throw std::runtime_error(fileName_ + ": [" + std::string(section) + "] " + std::string(key) + " is missing");
    return value;
}

std::string TSkinStyle::Text(std::string_view key) const
{
    return required("Skin", key);
}

TColor TSkinStyle::Color(std::string_view key) const
{
    const std::string value = required("Colors", key);
    unsigned rgb = 0;
    const char* first = value.data() + 1;
    const char* last = value.data() + value.size();
    if (value.size() != 7 || value[0] != '#' || std::from_chars(first, last, rgb, 16).ptr != last)
        throw std::runtime_error(fileName_ + ": [Colors] " + std::string(key) + " is not #RRGGBB");
    return RGBColor(std::uint8_t(rgb >> 16), std::uint8_t(rgb >> 8), std::uint8_t(rgb));
}

int TSkinStyle::Number(std::string_view key) const
{
    const std::string value = required("Shape", key);
    int number = 0;
    const char* last = value.data() + value.size();
    if (std::from_chars(value.data(), last, number).ptr != last)
        throw std::runtime_error(fileName_ + ": [Shape] " + std::string(key) + " is not a whole number");
    return number;
}
