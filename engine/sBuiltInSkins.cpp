#include "engine/sBuiltInSkins.h"

extern const unsigned char VespiraLightArchive[];
extern const unsigned long VespiraLightArchive_size;
extern const unsigned char VespiraDarkArchive[];
extern const unsigned long VespiraDarkArchive_size;

std::span<const TsBuiltInSkinData> BuiltInSkinData()
{
    static const TsBuiltInSkinData skins[] = {
        {"Vespira Light (internal)", {VespiraLightArchive, VespiraLightArchive_size}},
        {"Vespira Dark (internal)", {VespiraDarkArchive, VespiraDarkArchive_size}},
    };
    return skins;
}
