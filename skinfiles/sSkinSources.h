#pragma once

#include <string>
#include <vector>

// Which kinds of skin a listing takes.
enum TSkinKindFilter : int
{
    skFoldersOnly = 0, // sub-folders holding "Options.dat"
    skPackedOnly = 1,  // files with the extension ".vpk" (exact case)
    skAllKinds = 2,
};

// Lists the skins found in directory (already resolved): folders that hold
// "Options.dat" (any case) under their own name, and packed files ending
// exactly in ".vpk" under their name up to the first "."; names starting with
// "." are skipped. names is sorted without regard to case. Returns the first
// name found before sorting, "" when none. A directory that cannot be read
// gives an empty list.
std::string GetSkinNames(const std::string& directory, std::vector<std::string>& names, int kindFilter);
