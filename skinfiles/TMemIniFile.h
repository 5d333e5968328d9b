#pragma once

#include <cstddef>
#include <string>
#include <unordered_map>
#include <string_view>
#include <utility>
#include <vector>

// The in-memory INI document that skins ("Options.dat") and the editor's own
// settings are read and written through. Text is 8-bit and kept byte for byte;
// section and key look-ups ignore letter case; sections and keys keep file
// order; lines are written with CRLF.
class TMemIniFile
{
public:
    TMemIniFile() = default;
    // Reads the file when it exists; a missing or unreadable file gives an
    // empty document that still remembers the name for UpdateFile.
    explicit TMemIniFile(std::string fileName);

    const std::string& FileName() const { return fileName_; }
    void SetFileName(std::string fileName) { fileName_ = std::move(fileName); }

    void SetText(std::string_view text);
    std::string Text() const;
    bool LoadFromFile(const std::string& fileName);
    // Writes the document to its file through a temporary file in the same
    // folder that is renamed over the old one; false when that failed, and
    // the old file is then left as it was.
    bool UpdateFile() const;
    bool SaveToFile(const std::string& fileName) const;

    std::string ReadString(std::string_view section, std::string_view key, std::string_view def) const;
    // The integer rule of skins: "0x"/"0X" (longer than two characters) and
    // "$" prefixes are hexadecimal, else decimal with an optional sign; an
    // unparsable value gives def.
    int ReadInteger(std::string_view section, std::string_view key, int def) const;
    // True exactly when the upper-cased value is "TRUE"; def when absent.
    bool ReadBool(std::string_view section, std::string_view key, bool def) const;
    // "." as the decimal separator whatever the locale; unparsable gives def.
    double ReadFloat(std::string_view section, std::string_view key, double def) const;

    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int value);
    void WriteBool(std::string_view section, std::string_view key, bool value);
    // Shortest text that reads back as the same number, with ".".
    void WriteFloat(std::string_view section, std::string_view key, double value);

    bool SectionExists(std::string_view section) const;
    bool ValueExists(std::string_view section, std::string_view key) const;
    std::vector<std::string> ReadSections() const;
    std::vector<std::string> ReadSection(std::string_view section) const;
    std::vector<std::pair<std::string, std::string>> ReadSectionValues(std::string_view section) const;

    void EraseSection(std::string_view section);
    void DeleteKey(std::string_view section, std::string_view key);
    void Clear();

    // String lists as NAMECount plus NAMEItem0 .. NAMEItem(n-1); a missing
    // line reads as an empty line.
    std::vector<std::string> ReadStringList(std::string_view section, std::string_view name) const;
    // The same, but a missing or zero count gives def; a count that is not an
    // integer gives an empty list (how stored option lists are restored).
    std::vector<std::string> ReadStringList(std::string_view section, std::string_view name,
                                            const std::vector<std::string>& def) const;
    void WriteStringList(std::string_view section, std::string_view name, const std::vector<std::string>& lines);

private:
    // Section and key names are hashed and compared without regard to ASCII
    // case, straight from the caller's text (no upper-cased copies).
    struct NoCaseHash
    {
        using is_transparent = void;
        std::size_t operator()(std::string_view name) const;
    };
    struct NoCaseEqual
    {
        using is_transparent = void;
        bool operator()(std::string_view a, std::string_view b) const;
    };
    using NameIndex = std::unordered_map<std::string, std::size_t, NoCaseHash, NoCaseEqual>;

    // A line of a section: a key with its value, or a comment or other line
    // that carries no value but is written back where it stood.
    struct Line
    {
        std::string key;
        std::string value;
        bool hasValue = true;
    };
    struct Section
    {
        std::string name;
        std::vector<Line> lines;
        NameIndex keyIndex; // key -> first line
        void Reindex();
    };

    const Section* FindSection(std::string_view section) const;
    Section* FindSection(std::string_view section);
    Section& SectionForWrite(std::string_view section);
    const std::string* FindValue(std::string_view section, std::string_view key) const;
    void ReindexSections();

    std::string fileName_;
    std::vector<std::string> preamble_; // inert lines before the first section
    std::vector<Section> sections_;
    NameIndex sectionIndex_; // name -> position
};
