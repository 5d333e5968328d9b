#pragma once

#include "graphics/TBitmap.h"
#include "graphics/TColor.h"

#include <cstdint>

// Where a piece of a control's surface finds the background beneath it: a
// bitmap holding the parent's composed background and the painted area's
// offset inside it, or only a colour. A default value is NoBackground.
struct BackgroundRef
{
    TBitmap* Bmp = nullptr;
    std::int32_t X = -99;
    std::int32_t Y = -99;
    TColor FillColor = 0; // used without a bitmap; clFuchsia means none
    bool Ready = false;   // Bmp, X and Y are valid
};

inline constexpr BackgroundRef NoBackground{};

inline BackgroundRef MakeBackgroundRef(TBitmap* bmp, std::int32_t x, std::int32_t y)
{
    return BackgroundRef{bmp, x, y, clFuchsia, true};
}
