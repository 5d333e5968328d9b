#pragma once

#include <string>
#include <string_view>
#include <vector>

// Folder helpers shared by the archive and the skin sources. Skins come from a
// case-insensitive file system, so names inside a skin folder are matched
// without regard to case here and nowhere else.

struct TFolderEntry
{
    std::string Name;
    bool IsFolder = false;
};

// ASCII letters compared without case; other bytes by value.
int CompareTextNoCase(std::string_view a, std::string_view b);
bool SameTextNoCase(std::string_view a, std::string_view b);

// The folder with a trailing "/": "" stays "", a final "\" becomes "/".
std::string IncludeTrailingSeparator(std::string folder);

// Lists the entries of a folder (without "." and ".."), sorted by name without
// regard to case so that listings are the same on every machine. Returns ""
// on success, else one line saying why the folder could not be read.
std::string ListFolder(const std::string& folder, std::vector<TFolderEntry>& entries);

// The path of the file in folder whose name equals name without regard to
// case (an exact match wins), or "" when there is none.
std::string FindFileNoCase(const std::string& folder, std::string_view name);
