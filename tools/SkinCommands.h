#pragma once

#include "tools/ToolCommand.h"

// dump and check: load a skin with the engine and show its model, or what a
// designer must fix in it.
std::vector<TToolCommand> SkinCommands();
