#pragma once

#include "graphics/TColor.h"

#include <cstdint>
#include <vector>

// One step of a multi-step gradient as skins store it: five 32-bit fields.
// The painter takes the direction of the whole gradient from the first step.
struct GradientStep
{
    TColor Color1 = 0;
    TColor Color2 = 0;
    std::uint32_t Percent = 0; // 0..100; only the low byte is significant
    std::int32_t Mode = 0;     // 0 vertical, 1 horizontal, 2 diagonal
    std::int32_t Reserved = 0;
};

using TsGradArray = std::vector<GradientStep>;
