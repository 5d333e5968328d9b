#include "tools/ArchiveCommands.h"

#include "skinfiles/ovSkinPack.h"
#include "skinfiles/sSkinSources.h"

#include <cstdio>
#include <filesystem>

namespace {

int runPack(const std::vector<std::string>& args);
int runUnpack(const std::vector<std::string>& args);
int runList(const std::vector<std::string>& args);

const TToolCommand packCommand{"pack", "FOLDER ARCHIVE", "pack the skin folder FOLDER into the file ARCHIVE", runPack};
const TToolCommand unpackCommand{"unpack", "ARCHIVE FOLDER", "unpack ARCHIVE into FOLDER (created when missing)",
                                 runUnpack};
const TToolCommand listCommand{"list", "DIR [--folders|--packed|--all]",
                               "list the skins in DIR, one name a line (default --all)", runList};

bool isFolder(const std::string& path)
{
    std::error_code error;
    return std::filesystem::is_directory(path, error);
}

int runPack(const std::vector<std::string>& args)
{
    if (args.size() != 2)
        return WrongUsage(packCommand);
    const std::string& folder = args[0];
    if (!isFolder(folder))
        return FailWith(folder + " is not a folder");
    std::vector<std::string> names;
    if (std::string error = PackedFileNames(folder, names); !error.empty())
        return FailWith(error);
    if (names.empty())
        return FailWith(folder + " holds no .dat, .bmp, .png or .jpg file to pack");
    if (std::string error = PackFolder(folder, args[1]); !error.empty())
        return FailWith(error);
    return exitSuccess;
}

int runUnpack(const std::vector<std::string>& args)
{
    if (args.size() != 2)
        return WrongUsage(unpackCommand);
    if (std::string error = UnpackToFolder(args[0], args[1]); !error.empty())
        return FailWith(error);
    return exitSuccess;
}

int runList(const std::vector<std::string>& args)
{
    if (args.empty() || args.size() > 2)
        return WrongUsage(listCommand);
    int filter = skAllKinds;
    if (args.size() == 2) {
        if (args[1] == "--folders")
            filter = skFoldersOnly;
        else if (args[1] == "--packed")
            filter = skPackedOnly;
        else if (args[1] != "--all")
            return WrongUsage(listCommand);
    }
    if (!isFolder(args[0]))
        return FailWith(args[0] + " is not a folder");
    std::vector<std::string> names;
    GetSkinNames(args[0], names, filter);
    for (const std::string& name : names)
        std::printf("%s\n", name.c_str());
    return exitSuccess;
}

} // namespace

std::vector<TToolCommand> ArchiveCommands() { return {packCommand, unpackCommand, listCommand}; }
