// INI text: any bytes must parse, write back as text that parses to the same
// document, and survive inherited look-ups over every section.

#include "skinfiles/TMemIniFile.h"
#include "skinfiles/sStoreUtils.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TMemIniFile ini;
    ini.SetText(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::string text = ini.Text();

    TMemIniFile again;
    again.SetText(text);
    if (again.Text() != text || again.ReadSections() != ini.ReadSections())
        std::abort();
    for (const std::string& section : ini.ReadSections()) {
        if (again.ReadSectionValues(section) != ini.ReadSectionValues(section))
            std::abort();
        ReadInheritedInteger(ini, section, "COLOR", 0xFFFFFF);
        ReadInheritedString(ini, section, "BORDERSMASK", "");
        ini.ReadStringList(section, "OptionGlyph");
        ini.ReadFloat(section, "VERSION", 0);
    }
    return 0;
}
