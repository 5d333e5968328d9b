#include "skinfiles/sStoreUtils.h"

#include "skinfiles/TMemIniFile.h"

#include <gtest/gtest.h>

namespace {

TMemIniFile FromText(std::string_view text)
{
    TMemIniFile ini;
    ini.SetText(text);
    return ini;
}

const TMemIniFile& Skin()
{
    static const TMemIniFile skin = FromText(
        "[FORM]\n"
        "COLOR=$FF\nTCLEFT=255\nSHOWFOCUS=true\nTITLE=Form\nEMPTY=x\n"
        "[PAGECONTROL]\n"
        "PARENTCLASS=FORM\nCOLOR=0xFF\nEMPTY=\n"
        "[TABCONTROL]\n"
        "PARENTCLASS=PAGECONTROL\nCOLOR=red\nTCLEFT=-1\nSHOWFOCUS=1\n"
        "[SELF]\n"
        "PARENTCLASS=SELF\n"
        "[LOOPA]\nPARENTCLASS=LOOPB\n"
        "[LOOPB]\nPARENTCLASS=loopa\nCOLOR=?\n"
        "[ORPHAN]\nPARENTCLASS=NOWHERE\n"
        "[MARKER]\nCOLOR=?\nTITLE=?\nPARENTCLASS=FORM\n");
    return skin;
}

} // namespace

TEST(sStoreUtils, InheritedIntegersSkipMissingUnparsableAndMinusOne)
{
    struct Case { const char* section; const char* key; int expected; };
    const Case cases[] = {
        {"FORM", "COLOR", 255},
        {"PAGECONTROL", "COLOR", 255},
        {"TABCONTROL", "COLOR", 255},   // "red" counts as missing
        {"TABCONTROL", "TCLEFT", 255},  // -1 cannot switch the parent's contour off
        {"TABCONTROL", "HOTCOLOR", 0xFFFFFF},
        {"SELF", "COLOR", 0xFFFFFF},
        {"LOOPA", "COLOR", 0xFFFFFF},
        {"ORPHAN", "COLOR", 0xFFFFFF},
        {"NOSECTION", "COLOR", 0xFFFFFF},
        {"MARKER", "COLOR", 255},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadInheritedInteger(Skin(), c.section, c.key, 0xFFFFFF), c.expected) << c.section << '/' << c.key;
}

TEST(sStoreUtils, InheritedTextCountsEmptyValuesAsPresent)
{
    struct Case { const char* section; const char* key; const char* expected; };
    const Case cases[] = {
        {"TABCONTROL", "TITLE", "Form"},
        {"TABCONTROL", "EMPTY", ""},
        {"TABCONTROL", "MISSING", "def"},
        {"LOOPB", "TITLE", "def"},
        {"MARKER", "TITLE", "Form"}, // a stored "?" is the marker itself
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadInheritedString(Skin(), c.section, c.key, "def"), c.expected) << c.section << '/' << c.key;
    EXPECT_FALSE(ReadInheritedBool(Skin(), "TABCONTROL", "SHOWFOCUS", true));
    EXPECT_TRUE(ReadInheritedBool(Skin(), "PAGECONTROL", "SHOWFOCUS", false));
    EXPECT_TRUE(ReadInheritedBool(Skin(), "SELF", "SHOWFOCUS", true));
}

TEST(sStoreUtils, LongChainsAreFollowedAndLoopsEnd)
{
    TMemIniFile ini;
    for (int i = 0; i < 200; ++i)
        ini.WriteString("S" + std::to_string(i), "PARENTCLASS", "S" + std::to_string(i + 1));
    ini.WriteString("S200", "GLOW", "7");
    EXPECT_EQ(ReadInheritedInteger(ini, "S0", "GLOW", 0), 7);
    ini.WriteString("S200", "PARENTCLASS", "s0");
    EXPECT_EQ(ReadInheritedInteger(ini, "S0", "MISSING", 3), 3);
    EXPECT_EQ(ReadInheritedString(ini, "S5", "MISSING", "d"), "d");
}

TEST(sStoreUtils, StrictIntegersThrowWithTheStoredValue)
{
    const TMemIniFile ini = FromText("[GLOBALINFO]\nSHADOW1BLUR=$10\nSHADOW1OFFSET=2px\n");
    EXPECT_EQ(ReadStrictInteger(ini, "GLOBALINFO", "SHADOW1BLUR", -1), 16);
    EXPECT_EQ(ReadStrictInteger(ini, "GLOBALINFO", "SHADOW1TRANSPARENCY", -1), -1);
    try {
        ReadStrictInteger(ini, "GLOBALINFO", "SHADOW1OFFSET", 0);
        FAIL() << "no conversion error";
    } catch (const EConvertError& error) {
        EXPECT_EQ(error.Value(), "2px");
    }
}

TEST(sStoreUtils, WordsAreMaximalRunsBetweenSeparators)
{
    EXPECT_EQ(SplitWords(";;1;2;;3;", ";"), (std::vector<std::string_view>{"1", "2", "3"}));
    EXPECT_TRUE(SplitWords(";;;", ";").empty());
    EXPECT_EQ(SplitWords("# (0,0,10,10) (3)", " ()"), (std::vector<std::string_view>{"#", "0,0,10,10", "3"}));
    EXPECT_EQ(TrimText(" \t\x01 a b \r\n"), "a b");
    EXPECT_EQ(TrimText("\xA0x\xA0"), "\xA0x\xA0");
}
