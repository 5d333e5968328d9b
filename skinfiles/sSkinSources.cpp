#include "skinfiles/sSkinSources.h"

#include "skinfiles/FolderListing.h"

#include <algorithm>

namespace {

bool isPackedSkinFile(const std::string& name)
{
    const std::size_t dot = name.rfind('.');
    return dot != std::string::npos && name.compare(dot, std::string::npos, ".vpk") == 0;
}

std::string skinNameOf(const TFolderEntry& entry, int kindFilter, const std::string& base)
{
    if (entry.IsFolder) {
        const bool wanted = kindFilter == skFoldersOnly || kindFilter == skAllKinds;
        return wanted && !FindFileNoCase(base + entry.Name, "Options.dat").empty() ? entry.Name : std::string();
    }
    const bool wanted = kindFilter == skPackedOnly || kindFilter == skAllKinds;
    return wanted && isPackedSkinFile(entry.Name) ? entry.Name.substr(0, entry.Name.find('.')) : std::string();
}

} // namespace

std::string GetSkinNames(const std::string& directory, std::vector<std::string>& names, int kindFilter)
{
    names.clear();
    std::vector<TFolderEntry> entries;
    if (!ListFolder(directory, entries).empty())
        return {};
    const std::string base = IncludeTrailingSeparator(directory);
    for (const TFolderEntry& entry : entries) {
        if (entry.Name[0] == '.')
            continue;
        if (std::string name = skinNameOf(entry, kindFilter, base); !name.empty())
            names.push_back(std::move(name));
    }
    std::string firstFound = names.empty() ? std::string() : names.front();
    std::stable_sort(names.begin(), names.end(),
                     [](const std::string& a, const std::string& b) { return CompareTextNoCase(a, b) < 0; });
    return firstFound;
}
