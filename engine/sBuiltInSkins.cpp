#include "engine/sBuiltInSkins.h"

extern const unsigned char VespiraLightArchive[];
extern const unsigned long VespiraLightArchive_size;
extern const unsigned char VespiraDarkArchive[];
extern const unsigned long VespiraDarkArchive_size;

TsStoredSkins BuiltInSkins()
{
    TsStoredSkins skins;
    skins.Add("Vespira Light (internal)").Data.assign(VespiraLightArchive, VespiraLightArchive + VespiraLightArchive_size);
    skins.Add("Vespira Dark (internal)").Data.assign(VespiraDarkArchive, VespiraDarkArchive + VespiraDarkArchive_size);
    return skins;
}
