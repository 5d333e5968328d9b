#pragma once

#include <cstdint>

// A colour as skins store it: $00BBGGRR, red in the lowest byte. Values whose
// top byte is $FF name a system colour and must be converted before arithmetic.
using TColor = std::uint32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clNone = 0x1FFFFFFF;

constexpr std::uint8_t GetRValue(TColor c) { return c & 0xFF; }
constexpr std::uint8_t GetGValue(TColor c) { return (c >> 8) & 0xFF; }
constexpr std::uint8_t GetBValue(TColor c) { return (c >> 16) & 0xFF; }
constexpr TColor RGBColor(std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    return TColor(r) | (TColor(g) << 8) | (TColor(b) << 16);
}
constexpr bool IsSystemColor(TColor c) { return (c >> 24) == 0xFF; }

// System colours live in the platform's colour table, which this layer cannot
// see; the platform installs its look-up here once at start. Routines that fill
// with a caller's colour convert through ColorToRGB; pure channel arithmetic
// (MixColor, AverageColor) expects colours already converted.
using TSystemColorLookup = TColor (*)(TColor systemColor);
void SetSystemColorLookup(TSystemColorLookup lookup);
// Other colours pass unchanged; a system colour without an installed look-up is black.
TColor ColorToRGB(TColor c);
