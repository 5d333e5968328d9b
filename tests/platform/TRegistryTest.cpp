#include "platform/TRegistry.h"

#include "support/ScopedProcessSettings.h"
#include "support/TestFiles.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

const QString editorKey = QStringLiteral("Software\\Vespira\\Editor");

class TRegistryTest : public testing::Test
{
protected:
    void SetUp() override { TRegistry::SetFileName(folder.file(QStringLiteral("config/vespira/registry.ini"))); }
    void TearDown() override { TRegistry::SetFileName({}); }

    TestFolder folder;
};

} // namespace

TEST_F(TRegistryTest, CreatesFileAndKeyOnTheFirstWrite)
{
    ASSERT_TRUE(TRegistry::WriteStrings(editorKey, {{QStringLiteral("SourcesPath"), QStringLiteral("/home/u/Skins")},
                                                    {QStringLiteral("SkinName"), QStringLiteral("Aqua")}}));
    EXPECT_EQ(folder.read(QStringLiteral("config/vespira/registry.ini")),
              "[Software\\Vespira\\Editor]\nSourcesPath=/home/u/Skins\nSkinName=Aqua\n");
    EXPECT_EQ(TRegistry::ReadString(editorKey, QStringLiteral("SkinName")), QStringLiteral("Aqua"));
}

TEST_F(TRegistryTest, RewritingKeepsOtherKeysAndValuesAndIgnoresCase)
{
    folder.write(QStringLiteral("config/vespira/registry.ini"),
                 "[Other]\r\nA= keep me \r\n[software\\vespira\\editor]\r\nSKINNAME=Old\r\nExtra=1\r\n");
    ASSERT_TRUE(TRegistry::WriteStrings(editorKey, {{QStringLiteral("SkinName"), QStringLiteral("New")},
                                                    {QStringLiteral("SourcesPath"), QStringLiteral("/s")}}));
    EXPECT_EQ(folder.read(QStringLiteral("config/vespira/registry.ini")),
              "[Other]\nA= keep me \n[software\\vespira\\editor]\nSKINNAME=New\nExtra=1\nSourcesPath=/s\n");
    EXPECT_EQ(TRegistry::ReadString(QStringLiteral("OTHER"), QStringLiteral("a")), QStringLiteral(" keep me "));
    EXPECT_TRUE(TRegistry::ReadString(editorKey, QStringLiteral("Missing")).isEmpty());
    EXPECT_TRUE(TRegistry::ReadString(QStringLiteral("Nope"), QStringLiteral("SkinName")).isEmpty());
}

TEST_F(TRegistryTest, AValueStaysOneLine)
{
    ASSERT_TRUE(TRegistry::WriteStrings(editorKey, {{QStringLiteral("SkinName"), QStringLiteral("a\r\n[b]\nc=d")}}));
    EXPECT_EQ(TRegistry::ReadString(editorKey, QStringLiteral("SkinName")), QStringLiteral("a  [b] c=d"));
    EXPECT_TRUE(TRegistry::ReadString(QStringLiteral("b"), QStringLiteral("c")).isEmpty());
}

TEST_F(TRegistryTest, AFailedWriteLeavesTheOldFile)
{
    const QByteArray old = "[Software\\Vespira\\Editor]\nSkinName=Old\n";
    folder.write(QStringLiteral("config/vespira/registry.ini"), old);
    bool written = true;
    {
        FileSizeLimit fullDisk;
        written = TRegistry::WriteStrings(editorKey, {{QStringLiteral("SkinName"), QStringLiteral("New")}});
    }

    EXPECT_FALSE(written);
    EXPECT_EQ(folder.read(QStringLiteral("config/vespira/registry.ini")), old);
    EXPECT_EQ(QDir(folder.file(QStringLiteral("config/vespira"))).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("registry.ini")});
}

TEST(TRegistryFile, LivesInTheUsersConfigFolder)
{
    {
        ScopedEnvironmentVariable config("XDG_CONFIG_HOME", "/somewhere/config");
        EXPECT_EQ(TRegistry::FileName(), QStringLiteral("/somewhere/config/vespira/registry.ini"));
    }
    ScopedEnvironmentVariable config("XDG_CONFIG_HOME", QByteArray());
    EXPECT_EQ(TRegistry::FileName(), QDir::homePath() + QStringLiteral("/.config/vespira/registry.ini"));
}
