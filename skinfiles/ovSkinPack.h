#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The packed skin archive (".vpk"): "VPak", a little-endian 32-bit entry count,
// then per entry the name length, the name bytes, the unpacked size and a zlib
// stream. Stream sizes are not stored: each entry starts right behind the
// Adler-32 check of the one before.
//
// Every operation returns "" on success, else one line for the user saying
// what went wrong. Entry names must be plain file names (no "/", "\" or
// control characters, not "", "." or ".."), and an entry may unpack to at most MaxEntrySize bytes;
// anything else is refused as a damaged archive.

constexpr std::int32_t MaxEntrySize = 256 * 1024 * 1024;

struct TovSkinItem
{
    std::string Name; // as stored
    bool IsBitmap = false; // the upper-cased extension is ".BMP"
    std::vector<std::uint8_t> Data;
};

// Unpacks an archive held in memory for the skin loader.
class TovSkinConvertor
{
public:
    // Number of entries the loader searches: the images, as the archive holds
    // exactly one "Options.dat" entry once Unpack has succeeded.
    int ItemCount = 0;
    std::vector<TovSkinItem> ImageItems; // every entry but "Options.dat", archive order
    std::optional<std::vector<std::uint8_t>> OptionsData;
    std::vector<std::uint8_t> Source; // the packed bytes

    // Unpacks Source into ImageItems and OptionsData. On failure the unpacker
    // is cleared (Source too) and the error is returned; a wrong magic gives
    // "Loaded data is not packed Vespira file". An archive without an
    // "Options.dat" entry or with more than one is refused.
    std::string Unpack();
    // Releases the items, the options data and the source.
    void Clear();
};

// The files of folder that PackFolder packs, in archive order: the "*.dat",
// then "*.bmp", "*.png" and "*.jpg" files (extensions without regard to case),
// each group sorted by name; names starting with "." and folders are left out.
std::string PackedFileNames(const std::string& folder, std::vector<std::string>& names);

// Packs those files of folder into archive at the default compression level,
// through a temporary file renamed over archive at the end. A folder without
// any such file writes nothing and is no error.
std::string PackFolder(const std::string& folder, const std::string& archive);

// Writes every entry of archive as a file into folder (created when missing,
// one level), each through a temporary file that replaces a file of the same
// name (without regard to case). A wrong magic gives archive followed by
// " is not packed Vespira file". Entries written before an error stay.
std::string UnpackToFolder(const std::string& archive, const std::string& folder);

// Clears convertor, reads fileName into its Source and unpacks it; with
// releaseSource the Source is released afterwards.
std::string LoadPackedFile(const std::string& fileName, TovSkinConvertor& convertor, bool releaseSource);
