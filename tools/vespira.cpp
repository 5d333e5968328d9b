#include "tools/ArchiveCommands.h"
#include "tools/RenderCommand.h"
#include "tools/SkinCommands.h"
#include "tools/ToolCommand.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

// Every command group adds its commands here.
std::vector<TToolCommand> allCommands()
{
    std::vector<TToolCommand> commands = ArchiveCommands();
    for (const TToolCommand& command : SkinCommands())
        commands.push_back(command);
    for (const TToolCommand& command : RenderCommands())
        commands.push_back(command);
    return commands;
}

void printHelp(std::FILE* out, const std::vector<TToolCommand>& commands)
{
    std::fputs("usage: vespira COMMAND ARGUMENTS...\n\ncommands:\n", out);
    for (const TToolCommand& command : commands)
        std::fprintf(out, "  %s %s\n      %s\n", command.Name, command.Usage, command.Summary);
    std::fputs("\nexit status: 0 success, 1 failure, 2 wrong usage\n", out);
}

bool isHelp(const std::string& arg) { return arg == "--help" || arg == "-h"; }

} // namespace

int main(int argc, char** argv)
{
    const std::vector<TToolCommand> commands = allCommands();
    if (argc < 2) {
        printHelp(stderr, commands);
        return exitWrongUsage;
    }
    const std::string name = argv[1];
    if (isHelp(name)) {
        printHelp(stdout, commands);
        return exitSuccess;
    }
    const std::vector<std::string> args(argv + 2, argv + argc);
    for (const TToolCommand& command : commands) {
        if (name != command.Name)
            continue;
        if (args.size() == 1 && isHelp(args[0])) {
            std::printf("usage: vespira %s %s\n  %s\n", command.Name, command.Usage, command.Summary);
            return exitSuccess;
        }
        return command.Run(args);
    }
    std::fprintf(stderr, "vespira: unknown command \"%s\" (see vespira --help)\n", name.c_str());
    return exitWrongUsage;
}
