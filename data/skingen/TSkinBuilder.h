#pragma once

#include "data/skingen/TSkinStyle.h"
#include "graphics/TBitmap.h"
#include "skinfiles/TMemIniFile.h"

#include <string>
#include <vector>

// What a generated skin folder holds: the options file, the master
// bitmap ("MASTER.BMP") and the glow images (32-bit, written as PNG).
struct TGlowImage
{
    std::string FileName;
    TBitmap Image;
};

struct TGeneratedSkin
{
    TMemIniFile Options;
    TBitmap Master;
    std::vector<TGlowImage> Glows;
};

// Draws every picture of a skin in the style and writes every section.
TGeneratedSkin BuildSkin(const TSkinStyle& style);

// The name the master bitmap is stored under.
inline constexpr const char* MasterFileName = "MASTER.BMP";
