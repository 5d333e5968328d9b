#pragma once

#include "tools/ToolCommand.h"

// render: paints one section of a skin into a PNG file.
std::vector<TToolCommand> RenderCommands();
