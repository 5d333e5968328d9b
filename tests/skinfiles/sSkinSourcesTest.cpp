#include "skinfiles/sSkinSources.h"

#include "skinfiles/FolderListing.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

namespace {

using Names = std::vector<std::string>;

// A skin directory with folders (with and without options file) and files.
class SkinDirectory : public testing::Test
{
protected:
    void SetUp() override
    {
        dir.write("Skins/Blue/Options.dat", "[A]");
        dir.write("Skins/Blue.vpk", "x");
        dir.write("Skins/Ab.z.vpk", "x");    // listed as "Ab"
        dir.write("Skins/Ab-c/OPTIONS.DAT", "[A]"); // any case of the options file
        dir.write("Skins/green/Options.dat", "[A]");
        dir.write("Skins/Empty/Master.bmp", "x"); // no options: not a skin
        dir.write("Skins/Upper.VPK", "x");        // extension case matters
        dir.write("Skins/Notes.vpk.txt", "x");
        dir.write("Skins/.hidden/Options.dat", "[A]");
        dir.write("Skins/.secret.vpk", "x");
        dir.write("Skins/packed.vpk/Options.dat", "[A]"); // a folder: named as a folder
    }

    Names list(int filter, std::string* firstFound = nullptr) const
    {
        Names names{"stale"};
        const std::string first = GetSkinNames(dir.file("Skins").toStdString(), names, filter);
        if (firstFound)
            *firstFound = first;
        return names;
    }

    TestFolder dir;
};

} // namespace

TEST_F(SkinDirectory, ListsEachKindByTheFilter)
{
    EXPECT_EQ(list(skFoldersOnly), (Names{"Ab-c", "Blue", "green", "packed.vpk"}));
    EXPECT_EQ(list(skPackedOnly), (Names{"Ab", "Blue"}));
    EXPECT_EQ(list(skAllKinds), (Names{"Ab", "Ab-c", "Blue", "Blue", "green", "packed.vpk"}));
}

TEST_F(SkinDirectory, ReturnsTheFirstNameFoundBeforeSorting)
{
    // The folder "Ab-c" is met before the file "Ab.z.vpk", but "Ab" sorts first.
    std::string first;
    const Names names = list(skAllKinds, &first);
    EXPECT_EQ(names.front(), "Ab");
    EXPECT_EQ(first, "Ab-c");
}

TEST(sSkinSources, AMissingOrEmptyDirectoryGivesNoNames)
{
    TestFolder dir;
    Names names{"stale"};
    EXPECT_EQ(GetSkinNames(dir.file("missing").toStdString(), names, skAllKinds), "");
    EXPECT_TRUE(names.empty());
    names = {"stale"};
    EXPECT_EQ(GetSkinNames(dir.path().toStdString(), names, skAllKinds), "");
    EXPECT_TRUE(names.empty());
}

TEST(FolderListing, FindsFilesWithoutRegardToCaseExactMatchFirst)
{
    TestFolder dir;
    dir.write("skin/MASTER.BMP", "upper");
    dir.write("skin/Back.jpg", "one");
    dir.write("skin/BACK.JPG", "two");
    dir.makeDir("skin/Folder.bmp");
    const std::string skin = dir.file("skin").toStdString();

    EXPECT_EQ(FindFileNoCase(skin, "Master.bmp"), skin + "/MASTER.BMP");
    EXPECT_EQ(FindFileNoCase(skin + "/", "master.BMP"), skin + "/MASTER.BMP");
    EXPECT_EQ(FindFileNoCase(skin, "BACK.JPG"), skin + "/BACK.JPG");
    EXPECT_EQ(FindFileNoCase(skin, "Back.jpg"), skin + "/Back.jpg");
    EXPECT_EQ(FindFileNoCase(skin, "folder.bmp"), "");
    EXPECT_EQ(FindFileNoCase(skin, "missing.bmp"), "");
    EXPECT_EQ(FindFileNoCase(dir.file("none").toStdString(), "x"), "");
}

TEST(FolderListing, TextComparisonAndTrailingSeparator)
{
    EXPECT_TRUE(SameTextNoCase("Options.DAT", "OPTIONS.dat"));
    EXPECT_FALSE(SameTextNoCase("Options.dat", "Options.da"));
    EXPECT_LT(CompareTextNoCase("alpha", "Beta"), 0);
    EXPECT_GT(CompareTextNoCase("alpha2", "ALPHA"), 0);
    EXPECT_EQ(CompareTextNoCase("\xe9", "\xc9"), 1); // only ASCII letters fold
    for (const auto& [in, out] : std::vector<std::pair<std::string, std::string>>{
             {"", ""}, {"/a", "/a/"}, {"/a/", "/a/"}, {"skins\\", "skins/"}, {"C", "C/"}})
        EXPECT_EQ(IncludeTrailingSeparator(in), out) << in;
}
