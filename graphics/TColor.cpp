#include "graphics/TColor.h"

static TSystemColorLookup systemColorLookup = nullptr;

void SetSystemColorLookup(TSystemColorLookup lookup)
{
    systemColorLookup = lookup;
}

TColor ColorToRGB(TColor c)
{
    if (!IsSystemColor(c))
        return c;
    return systemColorLookup ? systemColorLookup(c) & 0xFFFFFF : clBlack;
}
