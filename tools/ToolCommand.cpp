#include "tools/ToolCommand.h"

#include <cstdio>

int FailWith(const std::string& message)
{
    std::fprintf(stderr, "vespira: %s\n", message.c_str());
    return exitFailure;
}

int WrongUsage(const TToolCommand& command)
{
    std::fprintf(stderr, "usage: vespira %s %s\n", command.Name, command.Usage);
    return exitWrongUsage;
}
