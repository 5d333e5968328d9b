#include "skinfiles/FolderListing.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

unsigned char upperAscii(unsigned char c) { return c >= 'a' && c <= 'z' ? c - ('a' - 'A') : c; }

} // namespace

int CompareTextNoCase(std::string_view a, std::string_view b)
{
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char x = upperAscii(a[i]);
        const unsigned char y = upperAscii(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool SameTextNoCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && CompareTextNoCase(a, b) == 0;
}

std::string IncludeTrailingSeparator(std::string folder)
{
    if (folder.empty())
        return folder;
    if (folder.back() == '\\')
        folder.back() = '/';
    else if (folder.back() != '/')
        folder += '/';
    return folder;
}

std::string ListFolder(const std::string& folder, std::vector<TFolderEntry>& entries)
{
    entries.clear();
    std::error_code error;
    fs::directory_iterator it(folder, error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        std::error_code typeError;
        entries.push_back({it->path().filename().string(), it->is_directory(typeError)});
    }
    if (error) {
        entries.clear();
        return "Cannot read folder " + folder + ": " + error.message();
    }
    std::stable_sort(entries.begin(), entries.end(), [](const TFolderEntry& a, const TFolderEntry& b) {
        const int order = CompareTextNoCase(a.Name, b.Name);
        return order != 0 ? order < 0 : a.Name < b.Name;
    });
    return {};
}

std::string FindFileNoCase(const std::string& folder, std::string_view name)
{
    const std::string base = IncludeTrailingSeparator(folder);
    std::error_code error;
    const std::string exact = base + std::string(name);
    if (fs::is_regular_file(exact, error))
        return exact;
    std::vector<TFolderEntry> entries;
    if (!ListFolder(folder, entries).empty())
        return {};
    for (const TFolderEntry& entry : entries) {
        if (!entry.IsFolder && SameTextNoCase(entry.Name, name) && fs::is_regular_file(base + entry.Name, error))
            return base + entry.Name;
    }
    return {};
}
