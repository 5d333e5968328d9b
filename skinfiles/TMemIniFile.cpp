#include "skinfiles/TMemIniFile.h"

#include "graphics/SafeFileWriter.h"

#include "skinfiles/sStoreUtils.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <utility>

namespace {

constexpr std::string_view kLineEnd = "\r\n";
// A count beyond this is damage, not a list; reading it would only exhaust memory.
constexpr int kMaxStringListLines = 1 << 16;

// A line break inside a written name or value would split it into lines of its
// own (and could forge sections), so it becomes a blank.
std::string OneLine(std::string_view text)
{
    std::string result(text);
    for (char& c : result)
        if (c == '\r' || c == '\n')
            c = ' ';
    return result;
}

// Lines end at CR LF, LF or a lone CR.
template <typename Visit>
void ForEachLine(std::string_view text, Visit visit)
{
    const char* const end = text.data() + text.size();
    const char* start = text.data();
    while (start < end) {
        const char* stop = start;
        while (stop < end && *stop != '\r' && *stop != '\n')
            ++stop;
        visit(std::string_view(start, static_cast<std::size_t>(stop - start)));
        if (stop < end && *stop == '\r' && stop + 1 < end && stop[1] == '\n')
            ++stop;
        start = stop + 1;
    }
}

bool IsSectionHeader(std::string_view line)
{
    return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

bool ReadWholeFile(const std::string& fileName, std::string& text)
{
    std::error_code error;
    if (std::filesystem::is_directory(fileName, error))
        return false;
    std::ifstream in(fileName, std::ios::binary);
    if (!in)
        return false;
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    in.seekg(0, std::ios::beg);
    if (size < 0)
        return false;
    text.resize(static_cast<std::size_t>(size));
    in.read(text.data(), size);
    return in.gcount() == size;
}

} // namespace

namespace {

char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

} // namespace

std::size_t TMemIniFile::NoCaseHash::operator()(std::string_view name) const
{
    std::size_t hash = 14695981039346656037ull;
    for (char c : name)
        hash = (hash ^ static_cast<unsigned char>(UpperAscii(c))) * 1099511628211ull;
    return hash;
}

bool TMemIniFile::NoCaseEqual::operator()(std::string_view a, std::string_view b) const
{
    return a.size() == b.size()
           && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return UpperAscii(x) == UpperAscii(y); });
}

void TMemIniFile::Section::Reindex()
{
    keyIndex.clear();
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].hasValue)
            keyIndex.emplace(lines[i].key, i);
}

TMemIniFile::TMemIniFile(std::string fileName)
    : fileName_(std::move(fileName))
{
    std::string text;
    if (ReadWholeFile(fileName_, text))
        SetText(text);
}

void TMemIniFile::SetText(std::string_view text)
{
    Clear();
    Section* current = nullptr;
    ForEachLine(text, [&](std::string_view raw) {
        const std::string_view line = TrimText(raw);
        if (line.empty())
            return;
        if (line.front() != ';' && IsSectionHeader(line)) {
            current = &SectionForWrite(TrimText(line.substr(1, line.size() - 2)));
            return;
        }
        if (!current) {
            preamble_.emplace_back(line);
            return;
        }
        const std::size_t equals = line.find('=');
        if (line.front() == ';' || equals == std::string_view::npos) {
            current->lines.push_back({std::string(line), {}, false});
            return;
        }
        current->lines.push_back({std::string(TrimText(line.substr(0, equals))), std::string(TrimText(line.substr(equals + 1))), true});
        current->keyIndex.emplace(current->lines.back().key, current->lines.size() - 1);
    });
}

std::string TMemIniFile::Text() const
{
    std::string text;
    for (const std::string& line : preamble_)
        text.append(line).append(kLineEnd);
    for (const Section& section : sections_) {
        text.append("[").append(section.name).append("]").append(kLineEnd);
        for (const Line& line : section.lines) {
            text.append(line.key);
            if (line.hasValue)
                text.append("=").append(line.value);
            text.append(kLineEnd);
        }
        text.append(kLineEnd);
    }
    return text;
}

bool TMemIniFile::LoadFromFile(const std::string& fileName)
{
    std::string text;
    if (!ReadWholeFile(fileName, text))
        return false;
    fileName_ = fileName;
    SetText(text);
    return true;
}

bool TMemIniFile::UpdateFile() const { return SaveToFile(fileName_); }

bool TMemIniFile::SaveToFile(const std::string& fileName) const
{
    if (fileName.empty())
        return false;
    const std::string text = Text();
    return WriteFileSafely(fileName, text.data(), text.size()).empty();
}

const TMemIniFile::Section* TMemIniFile::FindSection(std::string_view section) const
{
    const auto found = sectionIndex_.find(section);
    return found == sectionIndex_.end() ? nullptr : &sections_[found->second];
}

TMemIniFile::Section* TMemIniFile::FindSection(std::string_view section)
{
    return const_cast<Section*>(std::as_const(*this).FindSection(section));
}

TMemIniFile::Section& TMemIniFile::SectionForWrite(std::string_view section)
{
    std::string name = OneLine(section);
    if (Section* existing = FindSection(name))
        return *existing;
    sectionIndex_.emplace(name, sections_.size());
    sections_.push_back({std::move(name), {}, {}});
    return sections_.back();
}

const std::string* TMemIniFile::FindValue(std::string_view section, std::string_view key) const
{
    const Section* found = FindSection(section);
    if (!found)
        return nullptr;
    const auto line = found->keyIndex.find(key);
    return line == found->keyIndex.end() ? nullptr : &found->lines[line->second].value;
}

void TMemIniFile::ReindexSections()
{
    sectionIndex_.clear();
    for (std::size_t i = 0; i < sections_.size(); ++i)
        sectionIndex_.emplace(sections_[i].name, i);
}

std::string TMemIniFile::ReadString(std::string_view section, std::string_view key, std::string_view def) const
{
    const std::string* value = FindValue(section, key);
    return value ? *value : std::string(def);
}

int TMemIniFile::ReadInteger(std::string_view section, std::string_view key, int def) const
{
    const std::string* text = FindValue(section, key);
    int value = def;
    return text && TryStrToSkinInt(*text, value) ? value : def;
}

bool TMemIniFile::ReadBool(std::string_view section, std::string_view key, bool def) const
{
    const std::string* text = FindValue(section, key);
    return text ? UpperCaseAscii(*text) == "TRUE" : def;
}

double TMemIniFile::ReadFloat(std::string_view section, std::string_view key, double def) const
{
    const std::string* text = FindValue(section, key);
    double value = def;
    return text && TryStrToSkinFloat(*text, value) ? value : def;
}

void TMemIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    Section& target = SectionForWrite(section);
    std::string name = OneLine(key);
    const auto line = target.keyIndex.find(name);
    if (line != target.keyIndex.end()) {
        target.lines[line->second].value = OneLine(value);
        return;
    }
    target.keyIndex.emplace(name, target.lines.size());
    target.lines.push_back({std::move(name), OneLine(value), true});
}

void TMemIniFile::WriteInteger(std::string_view section, std::string_view key, int value)
{
    WriteString(section, key, std::to_string(value));
}

void TMemIniFile::WriteBool(std::string_view section, std::string_view key, bool value)
{
    WriteString(section, key, value ? "TRUE" : "FALSE");
}

void TMemIniFile::WriteFloat(std::string_view section, std::string_view key, double value)
{
    WriteString(section, key, SkinFloatToStr(value));
}

bool TMemIniFile::SectionExists(std::string_view section) const { return FindSection(section) != nullptr; }

bool TMemIniFile::ValueExists(std::string_view section, std::string_view key) const
{
    return FindValue(section, key) != nullptr;
}

std::vector<std::string> TMemIniFile::ReadSections() const
{
    std::vector<std::string> names;
    names.reserve(sections_.size());
    for (const Section& section : sections_)
        names.push_back(section.name);
    return names;
}

std::vector<std::string> TMemIniFile::ReadSection(std::string_view section) const
{
    std::vector<std::string> keys;
    if (const Section* found = FindSection(section))
        for (const Line& line : found->lines)
            if (line.hasValue)
                keys.push_back(line.key);
    return keys;
}

std::vector<std::pair<std::string, std::string>> TMemIniFile::ReadSectionValues(std::string_view section) const
{
    std::vector<std::pair<std::string, std::string>> values;
    if (const Section* found = FindSection(section))
        for (const Line& line : found->lines)
            if (line.hasValue)
                values.emplace_back(line.key, line.value);
    return values;
}

void TMemIniFile::EraseSection(std::string_view section)
{
    const auto found = sectionIndex_.find(section);
    if (found == sectionIndex_.end())
        return;
    sections_.erase(sections_.begin() + static_cast<std::ptrdiff_t>(found->second));
    ReindexSections();
}

void TMemIniFile::DeleteKey(std::string_view section, std::string_view key)
{
    Section* found = FindSection(section);
    if (!found)
        return;
    std::erase_if(found->lines, [&](const Line& line) { return line.hasValue && NoCaseEqual()(line.key, key); });
    found->Reindex();
}

void TMemIniFile::Clear()
{
    preamble_.clear();
    sections_.clear();
    sectionIndex_.clear();
}

std::vector<std::string> TMemIniFile::ReadStringList(std::string_view section, std::string_view name) const
{
    return ReadStringList(section, name, {});
}

std::vector<std::string> TMemIniFile::ReadStringList(std::string_view section, std::string_view name,
                                                     const std::vector<std::string>& def) const
{
    const std::string prefix(name);
    const std::string* countText = FindValue(section, prefix + "Count");
    if (!countText)
        return def;
    int count = 0;
    if (!TryStrToSkinInt(*countText, count))
        return {};
    if (count == 0)
        return def;
    std::vector<std::string> lines;
    for (int i = 0; i < std::min(count, kMaxStringListLines); ++i)
        lines.push_back(ReadString(section, prefix + "Item" + std::to_string(i), ""));
    return lines;
}

void TMemIniFile::WriteStringList(std::string_view section, std::string_view name, const std::vector<std::string>& lines)
{
    const std::string prefix(name);
    const int oldCount = ReadInteger(section, prefix + "Count", 0);
    for (int i = static_cast<int>(lines.size()); i < std::min(oldCount, kMaxStringListLines); ++i)
        DeleteKey(section, prefix + "Item" + std::to_string(i));
    WriteInteger(section, prefix + "Count", static_cast<int>(lines.size()));
    for (std::size_t i = 0; i < lines.size(); ++i)
        WriteString(section, prefix + "Item" + std::to_string(i), lines[i]);
}
