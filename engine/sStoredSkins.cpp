#include "engine/sStoredSkins.h"

namespace {

bool StartsWith(std::string_view s, std::string_view prefix)
{
    return s.substr(0, prefix.size()) == prefix;
}

// The parent of a folder given with its trailing separator, with its own
// trailing separator.
std::string_view ParentFolder(std::string_view folder)
{
    if (!folder.empty())
        folder.remove_suffix(1);
    while (!folder.empty() && folder.back() != '/' && folder.back() != '\\')
        folder.remove_suffix(1);
    return folder;
}

bool IsAbsolute(std::string_view path)
{
    return StartsWith(path, "/") || path.find(':') != std::string_view::npos ||
           path.find("\\\\") != std::string_view::npos;
}

} // namespace

std::string ResolveSkinDirectory(std::string_view skinDirectory, std::string_view programFolder)
{
    std::string_view s = skinDirectory;
    if (StartsWith(s, ".."))
        return std::string(ParentFolder(programFolder)) + std::string(s.substr(std::min<std::size_t>(3, s.size())));
    if (StartsWith(s, "./") || StartsWith(s, ".\\"))
        return std::string(programFolder) + std::string(s.substr(2));
    if (!IsAbsolute(s))
        return std::string(programFolder) + std::string(s);
    return std::string(s);
}

int TsStoredSkins::IndexOf(std::string_view name) const
{
    for (std::size_t i = 0; i < Items.size(); ++i)
        if (Items[i].Name == name)
            return int(i);
    return -1;
}

TsStoredSkin& TsStoredSkins::Add(std::string name)
{
    Items.emplace_back();
    Items.back().Name = std::move(name);
    return Items.back();
}
