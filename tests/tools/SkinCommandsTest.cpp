#include "graphics/BmpWriter.h"
#include "support/TestFiles.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

struct SkinToolRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

SkinToolRun runVespira(const QStringList& args)
{
    QProcess process;
    process.start(QStringLiteral(VESPIRA_TOOL_PATH), args);
    process.waitForFinished(30000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromLocal8Bit(process.readAllStandardError())};
}

QByteArray MasterBytes()
{
    const std::vector<std::uint8_t> bytes = EncodeBmp(FilledPaletteImage(60, 20, 0xFF00FF));
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

const char* const GoodSkin =
    "[GLOBALINFO]\r\nMASTERBITMAP=MASTER.BMP\r\nVERSION=6.03\r\nAUTHOR=J\xe9r\xf4me\r\n"
    "[BUTTON]\r\nCOLOR=$FF\r\nTCLEFT=65280\r\nGRADIENTDATA=1;2;3;1;0\r\n"
    "BORDERSMASK=^0000^0000^0030^0010^0000^0000^0000^0000^3^0^4^1\r\n"
    "[SCROLLBTNTOP]\r\nPARENTCLASS=BUTTON\r\n";

TEST(SkinTool, DumpJsonUsesTheModelFieldNames)
{
    TestFolder dir;
    dir.write("Blue/Options.dat", GoodSkin);
    dir.write("Blue/Master.bmp", MasterBytes());
    const SkinToolRun run = runVespira({"dump", dir.file("Blue"), "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QJsonParseError error;
    const QJsonObject root = QJsonDocument::fromJson(run.out.toUtf8(), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << run.out.toStdString();
    EXPECT_EQ(root["SkinData"]["Author"].toString(), QString::fromLatin1("J\xe9r\xf4me"));
    EXPECT_EQ(root["SkinData"]["Version"].toDouble(), 6.03);
    EXPECT_EQ(root["MasterBitmap"]["Width"].toInt(), 60);
    const QJsonObject button = root["SectionArray"][1].toObject();
    EXPECT_EQ(button["SectionName"].toString(), "BUTTON");
    EXPECT_EQ(button["Color"].toInt(), 255);
    EXPECT_EQ(button["FontColor"].toArray(), (QJsonArray{0, 65280, -1, -1, -1}));
    EXPECT_EQ(button["GradientArray"][0]["Mode"].toInt(), 1);
    EXPECT_EQ(button["BorderIndex"].toInt(), 0);
    const QJsonObject mask = root["MaskArray"][0].toObject();
    EXPECT_EQ(mask["R"].toArray(), (QJsonArray{0, 0, 30, 10}));
    EXPECT_EQ(mask["PropertyName"].toString(), "BORDERSMASK");
    EXPECT_EQ(mask["WL"].toInt(), 1); // border width 1 for all four bands
    EXPECT_TRUE(mask["Bmp"].isNull());
    EXPECT_EQ(root["StdIndexes"]["ScrollBtnTop"].toInt(), 2);
    EXPECT_EQ(root["StdIndexes"]["ScrollBtnTopMask"].toInt(), 0);
    EXPECT_EQ(root["StdIndexes"]["ComboBtn"].toInt(), -1);

    const SkinToolRun text = runVespira({"dump", dir.file("Blue")});
    EXPECT_EQ(text.exitCode, 0);
    EXPECT_TRUE(text.out.contains("    R: [0, 0, 30, 10]\n")) << text.out.toStdString();
}

TEST(SkinTool, CheckListsWhatMustBeFixed)
{
    TestFolder dir;
    dir.write("Good/Options.dat", GoodSkin);
    dir.write("Good/MASTER.BMP", MasterBytes());
    const SkinToolRun good = runVespira({"check", dir.file("Good")});
    EXPECT_EQ(good.exitCode, 0);
    EXPECT_TRUE(good.out.isEmpty()) << good.out.toStdString();

    dir.write("Bad/Options.dat", "[GLOBALINFO]\r\nMASTERBITMAP=MASTER.BMP\r\n"
                                 "[A]\r\nPARENTCLASS=B\r\nBORDERSMASK=^0000^0000^0090^0010^0000^0000^0000^0000^0^0^0^0\r\n"
                                 "[B]\r\nPARENTCLASS=A\r\nPATTERN=!GONE.BMP!1!0!1\r\n");
    dir.write("Bad/MASTER.BMP", MasterBytes());
    const SkinToolRun bad = runVespira({"check", dir.file("Bad")});
    EXPECT_EQ(bad.exitCode, 1);
    const QStringList lines = bad.out.split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(lines.size(), 4) << bad.out.toStdString();
    EXPECT_TRUE(bad.out.contains("[A] BORDERSMASK: image count 0"));
    EXPECT_TRUE(bad.out.contains("GONE.BMP"));
    EXPECT_TRUE(bad.out.contains("(0, 0, 90, 10) lies outside the master bitmap (60 x 20)"));
    EXPECT_TRUE(bad.out.contains("PARENTCLASS loop: A -> B -> A"));
}

TEST(SkinTool, ConversionErrorIsReportedOnceWithItsPlace)
{
    TestFolder dir;
    dir.write("Bad/Options.dat", "[GLOBALINFO]\r\nSHADOW1BLUR=soft\r\n");
    const SkinToolRun check = runVespira({"check", dir.file("Bad")});
    EXPECT_EQ(check.exitCode, 1);
    EXPECT_EQ(check.out.count('\n'), 1);
    EXPECT_TRUE(check.out.contains("[GLOBALINFO] SHADOW1BLUR=soft")) << check.out.toStdString();
    const SkinToolRun dump = runVespira({"dump", dir.file("Bad")});
    EXPECT_EQ(dump.exitCode, 1);
    EXPECT_EQ(dump.err.count('\n'), 1);
    EXPECT_TRUE(dump.err.contains("SHADOW1BLUR=soft"));
    EXPECT_TRUE(dump.out.isEmpty());
}

TEST(SkinTool, UnloadableSkinsAndWrongUsage)
{
    TestFolder dir;
    dir.write("NotPacked.vpk", "ABCD");
    for (const QString& skin : {dir.file("Missing"), dir.file("NotPacked.vpk"), dir.path()}) {
        const SkinToolRun run = runVespira({"check", skin});
        EXPECT_EQ(run.exitCode, 1) << skin.toStdString();
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
    }
    EXPECT_EQ(runVespira({"dump"}).exitCode, 2);
    EXPECT_EQ(runVespira({"dump", dir.path(), "--xml"}).exitCode, 2);
    EXPECT_EQ(runVespira({"check", "a", "b"}).exitCode, 2);
}

TEST(SkinTool, CheckFindsNothingToFixInTheBuiltInSkins)
{
    for (const char* skin : {"/data/Skins/Vespira Light", "/data/Skins/Vespira Dark", "/data/InternalSkins/VespiraLight.vpk",
                             "/data/InternalSkins/VespiraDark.vpk"}) {
        const SkinToolRun run = runVespira({"check", QStringLiteral(VESPIRA_SOURCE_DIR) + skin});
        EXPECT_EQ(run.exitCode, 0) << skin;
        EXPECT_EQ(run.out.toStdString() + run.err.toStdString(), "") << skin;
    }
}

} // namespace
