#pragma once

#include "tools/ToolCommand.h"

// pack, unpack and list: the packed-skin and skin-listing commands.
std::vector<TToolCommand> ArchiveCommands();
