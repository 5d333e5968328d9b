#pragma once

#include "graphics/TColor.h"

#include <cstdint>
#include <vector>

// One step of a multi-step gradient, five 32-bit fields in the order skins and
// tools rely on. Colours are used as stored (system colours are not converted);
// only the low byte of Percent counts. The Mode of the first step sets the
// direction of the whole gradient: 0 vertical, 1 horizontal, 2 diagonal.
struct GradientStep
{
    TColor Color1 = 0;
    TColor Color2 = 0;
    std::uint32_t Percent = 0;
    std::int32_t Mode = 0;
    std::int32_t Reserved = 0;
};

using TsGradArray = std::vector<GradientStep>;
