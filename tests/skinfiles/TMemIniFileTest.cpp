#include "skinfiles/TMemIniFile.h"

#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <csignal>
#include <string>
#include <sys/resource.h>

namespace {

TMemIniFile FromText(std::string_view text)
{
    TMemIniFile ini;
    ini.SetText(text);
    return ini;
}

std::string Path(const QString& path) { return path.toStdString(); }

} // namespace

TEST(TMemIniFile, LinesAreTrimmedCommentedSplitAndLookedUpWithoutCase)
{
    const TMemIniFile ini = FromText(
        "KEY=before any section\r\n"
        "\t [ Button ] \x01\r\n"
        "  COLOR = 123 \r\n"
        "; COMMENT=1\r\n"
        "no equals sign\r\n"
        "EMPTY=\r\n"
        "URL=a=b=c\r\n"
        "\r\n"
        "[GLOBALINFO]\n"
        "Author=\xC9t\xE9 \xFF\n");
    EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"Button", "GLOBALINFO"}));
    EXPECT_EQ(ini.ReadString("BUTTON", "color", "?"), "123");
    EXPECT_EQ(ini.ReadString("button", "EMPTY", "?"), "");
    EXPECT_EQ(ini.ReadString("BUTTON", "URL", "?"), "a=b=c");
    EXPECT_EQ(ini.ReadString("BUTTON", "; COMMENT", "?"), "?");
    EXPECT_EQ(ini.ReadString("BUTTON", "no equals sign", "?"), "?");
    EXPECT_EQ(ini.ReadString("", "KEY", "?"), "?");
    EXPECT_EQ(ini.ReadString("GLOBALINFO", "AUTHOR", "?"), "\xC9t\xE9 \xFF");
    EXPECT_EQ(ini.ReadSection("Button"), (std::vector<std::string>{"COLOR", "EMPTY", "URL"}));
    EXPECT_TRUE(ini.ValueExists("button", "empty"));
    EXPECT_FALSE(ini.ValueExists("button", "missing"));
    EXPECT_FALSE(ini.SectionExists("FORM"));
}

TEST(TMemIniFile, AnyLineEndSplitsLines)
{
    const TMemIniFile ini = FromText("[A]\rX=1\nY=2\r\nZ=3");
    EXPECT_EQ(ini.ReadSectionValues("A"),
              (std::vector<std::pair<std::string, std::string>>{{"X", "1"}, {"Y", "2"}, {"Z", "3"}}));
}

TEST(TMemIniFile, RepeatedSectionsAndKeysResolveToTheFirst)
{
    const TMemIniFile ini = FromText("[A]\nX=1\nX=2\n[B]\nY=1\n[a]\nZ=3\n");
    EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(ini.ReadString("A", "X", ""), "1");
    EXPECT_EQ(ini.ReadString("A", "Z", ""), "3");
}

TEST(TMemIniFile, TextIsWrittenWithCrLfKeepingOrderAndComments)
{
    TMemIniFile ini = FromText("; made by hand\n[FORM]\nCOLOR=1\n; note\nTITLE=x\n[EDIT]\nCOLOR=2\n");
    ini.WriteString("form", "color", "7");
    ini.WriteString("FORM", "NEW", "n");
    ini.WriteString("MENU", "A", "\xE4");
    EXPECT_EQ(ini.Text(),
              "; made by hand\r\n"
              "[FORM]\r\nCOLOR=7\r\n; note\r\nTITLE=x\r\nNEW=n\r\n\r\n"
              "[EDIT]\r\nCOLOR=2\r\n\r\n"
              "[MENU]\r\nA=\xE4\r\n\r\n");
}

TEST(TMemIniFile, WrittenLineBreaksCannotForgeLines)
{
    TMemIniFile ini;
    ini.WriteString("A", "KEY", "x\r\n[EVIL]\nCOLOR=1");
    const TMemIniFile reread = FromText(ini.Text());
    EXPECT_EQ(reread.ReadSections(), std::vector<std::string>{"A"});
    EXPECT_EQ(reread.ReadString("A", "KEY", ""), ini.ReadString("A", "KEY", ""));
}

TEST(TMemIniFile, IntegerRule)
{
    struct Case { const char* text; int expected; };
    const Case cases[] = {
        {"255", 255}, {"-1", -1}, {"+7", 7}, {"$FF", 255}, {"0xFF", 255}, {"0XfF", 255},
        {"$FF00000F", static_cast<int>(0xFF00000Fu)}, {"00012", 12}, {"2147483647", 2147483647},
        // unparsable values give the default
        {"red", 99}, {"", 99}, {"0x", 99}, {"$", 99}, {"12a", 99}, {"1 2", 99}, {"+-5", 99},
        {"--5", 99}, {"$-1", 99}, {"$100000000", 99}, {"2147483648", 99}, {"1.5", 99}, {"x10", 99},
    };
    for (const Case& c : cases) {
        TMemIniFile ini;
        ini.WriteString("S", "K", c.text);
        EXPECT_EQ(ini.ReadInteger("S", "K", 99), c.expected) << '"' << c.text << '"';
    }
    EXPECT_EQ(TMemIniFile().ReadInteger("S", "K", 5), 5);
}

TEST(TMemIniFile, BooleanRule)
{
    struct Case { const char* text; bool expected; };
    for (const Case c : {Case{"TRUE", true}, Case{"true", true}, Case{"True", true}, Case{"1", false},
                         Case{"yes", false}, Case{"FALSE", false}, Case{"", false}, Case{"TRUEX", false}}) {
        TMemIniFile ini;
        ini.WriteString("S", "K", c.text);
        EXPECT_EQ(ini.ReadBool("S", "K", true), c.expected) << c.text;
    }
    TMemIniFile ini;
    EXPECT_TRUE(ini.ReadBool("S", "K", true));
    ini.WriteBool("S", "A", true);
    ini.WriteBool("S", "B", false);
    EXPECT_EQ(ini.ReadString("S", "A", ""), "TRUE");
    EXPECT_EQ(ini.ReadString("S", "B", ""), "FALSE");
}

TEST(TMemIniFile, DecimalNumbersUseAPointAndNothingElse)
{
    TMemIniFile ini = FromText("[G]\nV=6.03\nW=6,03\nX=abc\nY=nan\n");
    EXPECT_DOUBLE_EQ(ini.ReadFloat("G", "V", 0), 6.03);
    EXPECT_DOUBLE_EQ(ini.ReadFloat("G", "W", 0), 0);
    EXPECT_DOUBLE_EQ(ini.ReadFloat("G", "X", 0), 0);
    EXPECT_DOUBLE_EQ(ini.ReadFloat("G", "Y", 0), 0);
    ini.WriteFloat("G", "Z", 6.22);
    EXPECT_EQ(ini.ReadString("G", "Z", ""), "6.22");
    ini.WriteInteger("G", "I", -15);
    EXPECT_EQ(ini.ReadString("G", "I", ""), "-15");
}

TEST(TMemIniFile, EraseSectionAndDeleteKeyKeepTheRestFindable)
{
    TMemIniFile ini = FromText("[A]\nX=1\n[B]\nX=2\nY=3\n[C]\nX=4\n");
    ini.EraseSection("b");
    ini.DeleteKey("A", "x");
    EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"A", "C"}));
    EXPECT_FALSE(ini.ValueExists("A", "X"));
    EXPECT_EQ(ini.ReadString("C", "X", ""), "4");
    ini.WriteString("A", "Y", "5");
    EXPECT_EQ(ini.Text(), "[A]\r\nY=5\r\n\r\n[C]\r\nX=4\r\n\r\n");
    ini.Clear();
    EXPECT_TRUE(ini.ReadSections().empty());
}

TEST(TMemIniFile, FilesRoundTripByteForByte)
{
    TestFolder folder;
    const QByteArray original("[GLOBALINFO]\r\nAUTHOR=\xE9\xFF\x80\r\nVERSION=6.03\r\n\r\n");
    const std::string path = Path(folder.write("Options.dat", original));
    TMemIniFile ini(path);
    EXPECT_EQ(ini.ReadString("GLOBALINFO", "AUTHOR", ""), "\xE9\xFF\x80");
    ASSERT_TRUE(ini.UpdateFile());
    EXPECT_EQ(folder.read("Options.dat"), original);
    ini.WriteString("GLOBALINFO", "SUID", "42");
    ASSERT_TRUE(ini.UpdateFile());
    EXPECT_EQ(TMemIniFile(path).ReadString("GLOBALINFO", "SUID", ""), "42");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Options.dat"});
}

TEST(TMemIniFile, MissingFileGivesAnEmptyDocumentThatCanBeSaved)
{
    TestFolder folder;
    TMemIniFile ini(Path(folder.file("New.ini")));
    EXPECT_TRUE(ini.ReadSections().empty());
    ini.WriteString("Options", "Preview", "1");
    ASSERT_TRUE(ini.UpdateFile());
    EXPECT_EQ(folder.read("New.ini"), QByteArray("[Options]\r\nPreview=1\r\n\r\n"));
    EXPECT_FALSE(TMemIniFile().UpdateFile());
}

TEST(TMemIniFile, FailedWritesLeaveTheOldFileAndNoLitter)
{
    TestFolder folder;
    TMemIniFile ini;
    ini.WriteString("A", "X", "1");

    folder.makeDir("Target.ini");
    EXPECT_FALSE(ini.SaveToFile(Path(folder.file("Target.ini"))));
    EXPECT_TRUE(QFileInfo(folder.file("Target.ini")).isDir());
    EXPECT_FALSE(ini.SaveToFile(Path(folder.file("missing/Options.dat"))));

    // A write cut short by the file-size limit (also effective for root).
    const QByteArray old("[OLD]\r\nK=V\r\n");
    const std::string path = Path(folder.write("Options.dat", old));
    ini.WriteString("A", "BIG", std::string(20000, 'x'));
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &small);
    const bool saved20k = ini.SaveToFile(path);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(saved20k);
    EXPECT_EQ(folder.read("Options.dat"), old);
    QStringList left = QDir(folder.path()).entryList(QDir::Files | QDir::Hidden);
    EXPECT_EQ(left, QStringList{"Options.dat"});
}

TEST(TMemIniFile, StringListsUseCountAndItemKeys)
{
    TMemIniFile ini;
    ini.WriteStringList("Editor", "OptionGlyph", {"COMBOBOX", "", "SCROLLBAR1H"});
    EXPECT_EQ(ini.Text(),
              "[Editor]\r\nOptionGlyphCount=3\r\nOptionGlyphItem0=COMBOBOX\r\nOptionGlyphItem1=\r\n"
              "OptionGlyphItem2=SCROLLBAR1H\r\n\r\n");
    EXPECT_EQ(ini.ReadStringList("EDITOR", "optionglyph"), (std::vector<std::string>{"COMBOBOX", "", "SCROLLBAR1H"}));
    ini.WriteStringList("Editor", "OptionGlyph", {"TRACKBAR"});
    EXPECT_FALSE(ini.ValueExists("Editor", "OptionGlyphItem2"));
    EXPECT_EQ(ini.ReadStringList("Editor", "OptionGlyph"), std::vector<std::string>{"TRACKBAR"});
}

TEST(TMemIniFile, StoredCountDecidesBetweenDefaultsAndStoredLines)
{
    const std::vector<std::string> def{"D1", "D2"};
    struct Case { const char* text; std::vector<std::string> expected; };
    const Case cases[] = {
        {"", def},
        {"[E]\nLCount=0\nLItem0=X\n", def},
        {"[E]\nLCount=2\nLItem0=X\n", {"X", ""}},
        {"[E]\nLCount=two\nLItem0=X\n", {}},
        {"[E]\nLCount=-3\n", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FromText(c.text).ReadStringList("E", "L", def), c.expected) << c.text;
    EXPECT_EQ(FromText("[E]\nLCount=2147483647\n").ReadStringList("E", "L").size(), 65536u);
}

TEST(TMemIniFile, LoadFromFileReplacesTheDocumentOnlyWhenTheFileReads)
{
    TestFolder folder;
    TMemIniFile ini = FromText("[KEEP]\nA=1\n");
    EXPECT_FALSE(ini.LoadFromFile(Path(folder.file("missing.ini"))));
    EXPECT_FALSE(ini.LoadFromFile(Path(folder.makeDir("dir.ini"))));
    EXPECT_TRUE(ini.SectionExists("KEEP"));
    const std::string path = Path(folder.write("other.ini", "[OTHER]\r\nB=2\r\n"));
    ASSERT_TRUE(ini.LoadFromFile(path));
    EXPECT_EQ(ini.ReadSections(), std::vector<std::string>{"OTHER"});
    EXPECT_EQ(ini.FileName(), path);
}
