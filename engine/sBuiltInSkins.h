#pragma once

#include <cstdint>
#include <span>

// The built-in skins of the editor, compiled into the library as packed
// archives (made by data/skingen from its style files).
struct TsBuiltInSkinData
{
    const char* Name; // ends in " (internal)"
    std::span<const std::uint8_t> Data;
};

// Light first: the editor wears the first built-in skin by default.
std::span<const TsBuiltInSkinData> BuiltInSkinData();
