#pragma once

#include "engine/sStoredSkins.h"

// The editor's built-in skins, "Vespira Light (internal)" first (the default
// skin) and "Vespira Dark (internal)", as stored skins in the packed form.
// Their archives are compiled into the library (made by data/skingen).
TsStoredSkins BuiltInSkins();
