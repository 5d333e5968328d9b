#pragma once

#include "graphics/TColor.h"
#include "skinfiles/TMemIniFile.h"

#include <string>
#include <string_view>

// The readable parameters of one skin: its names ([Skin]), palette ([Colors],
// written "#RRGGBB") and shape numbers ([Shape]). Every look-up names a key
// that must be there: a missing or malformed one stops the generator with a
// message naming it, instead of quietly baking a default into the skin.
class TSkinStyle
{
public:
    // "" on success, else why the file cannot be used.
    std::string Load(const std::string& fileName);

    std::string Text(std::string_view key) const;
    TColor Color(std::string_view key) const;
    int Number(std::string_view key) const;

private:
    std::string required(std::string_view section, std::string_view key) const;

    std::string fileName_;
    TMemIniFile ini_;
};
