#pragma once

#include "engine/sSkinLoader.h"

#include <string>

// Loads SKIN as the command line names it: a skin folder or a packed skin
// file. "" or why it could not be loaded; conversion errors throw
// ESkinConvertError.
std::string LoadSkinPath(TsSkinModel& model, const std::string& skin, TsLoadNotes notes = {});
