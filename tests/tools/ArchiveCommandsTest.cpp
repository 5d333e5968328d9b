#include "support/ArchiveBytes.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

struct ToolRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs the real vespira binary.
ToolRun vespira(const QStringList& args, const QString& workingDir = QString())
{
    QProcess process;
    if (!workingDir.isEmpty())
        process.setWorkingDirectory(workingDir);
    process.start(QStringLiteral(VESPIRA_TOOL_PATH), args);
    process.waitForFinished(30000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

// A failure is exit status 1 and exactly one line on stderr.
void expectFailure(const ToolRun& run, const QString& part)
{
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
    EXPECT_TRUE(run.err.endsWith('\n'));
    EXPECT_TRUE(run.err.contains(part)) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
}

} // namespace

TEST(VespiraTool, PackUnpackAndListASkin)
{
    TestFolder dir;
    dir.write("Skins/Blue/Options.dat", "[GLOBALINFO]\r\nMASTERBITMAP=MASTER.BMP\r\n");
    dir.write("Skins/Blue/MASTER.BMP", QByteArray(5000, 'm'));
    dir.write("Skins/Blue/notes.txt", "not packed");
    dir.write("Skins/Red.old.vpk", "x");

    const ToolRun pack = vespira({"pack", "Skins/Blue", "Skins/Blue.vpk"}, dir.path());
    EXPECT_EQ(pack.exitCode, 0) << pack.err.toStdString();
    EXPECT_TRUE(pack.out.isEmpty() && pack.err.isEmpty());
    EXPECT_EQ(dir.read("Skins/Blue.vpk"),
              archiveBytes({{"Options.dat", dir.read("Skins/Blue/Options.dat")}, {"MASTER.BMP", QByteArray(5000, 'm')}}));

    const ToolRun unpack = vespira({"unpack", dir.file("Skins/Blue.vpk"), dir.file("Blue unpacked")});
    EXPECT_EQ(unpack.exitCode, 0) << unpack.err.toStdString();
    EXPECT_EQ(QDir(dir.file("Blue unpacked")).entryList(QDir::Files), (QStringList{"MASTER.BMP", "Options.dat"}));
    EXPECT_EQ(dir.read("Blue unpacked/MASTER.BMP"), QByteArray(5000, 'm'));

    for (const auto& [flag, listing] : std::vector<std::pair<QString, QString>>{
             {"", "Blue\nBlue\nRed\n"}, {"--all", "Blue\nBlue\nRed\n"}, {"--folders", "Blue\n"}, {"--packed", "Blue\nRed\n"}}) {
        QStringList args{"list", dir.file("Skins")};
        if (!flag.isEmpty())
            args << flag;
        const ToolRun list = vespira(args);
        EXPECT_EQ(list.exitCode, 0) << flag.toStdString();
        EXPECT_EQ(list.out, listing) << flag.toStdString();
        EXPECT_TRUE(list.err.isEmpty());
    }
}

TEST(VespiraTool, FailuresExitWithOneLine)
{
    TestFolder dir;
    dir.write("ABCD.vpk", "ABCD");
    dir.write("evil.vpk", archiveBytes({{"Options.dat", "[A]"}, {"../evil.bmp", "evil"}}));
    dir.write("cut.vpk", archiveBytes({{"Options.dat", "[A]"}}).chopped(3));
    dir.write("text/readme.txt", "x");

    expectFailure(vespira({"unpack", dir.file("ABCD.vpk"), dir.file("out")}),
                  dir.file("ABCD.vpk") + " is not packed Vespira file");
    EXPECT_FALSE(QFileInfo::exists(dir.file("out")));
    expectFailure(vespira({"unpack", dir.file("evil.vpk"), dir.file("out")}), "not a plain file name");
    EXPECT_FALSE(QFileInfo::exists(dir.file("evil.bmp")));
    expectFailure(vespira({"unpack", dir.file("cut.vpk"), dir.file("out2")}), "is cut off");
    expectFailure(vespira({"unpack", dir.file("missing.vpk"), dir.file("out3")}), "Cannot open");
    expectFailure(vespira({"pack", dir.file("text"), dir.file("text.vpk")}), "holds no .dat, .bmp, .png or .jpg file");
    EXPECT_FALSE(QFileInfo::exists(dir.file("text.vpk")));
    expectFailure(vespira({"pack", dir.file("missing"), dir.file("m.vpk")}), "is not a folder");
    expectFailure(vespira({"list", dir.file("missing")}), "is not a folder");
}

TEST(VespiraTool, WrongUsageExitsWithTwo)
{
    for (const QStringList& args : {QStringList{}, QStringList{"pack", "a"}, QStringList{"unpack", "a", "b", "c"},
                                    QStringList{"list"}, QStringList{"list", ".", "--everything"},
                                    QStringList{"frobnicate"}}) {
        const ToolRun run = vespira(args);
        EXPECT_EQ(run.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_FALSE(run.err.isEmpty());
        EXPECT_TRUE(run.out.isEmpty());
    }
}

TEST(VespiraTool, HelpNamesEveryCommand)
{
    const ToolRun help = vespira({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* usage : {"pack FOLDER ARCHIVE", "unpack ARCHIVE FOLDER", "list DIR [--folders|--packed|--all]"})
        EXPECT_TRUE(help.out.contains(usage)) << usage;
    const ToolRun commandHelp = vespira({"unpack", "--help"});
    EXPECT_EQ(commandHelp.exitCode, 0);
    EXPECT_TRUE(commandHelp.out.contains("unpack ARCHIVE FOLDER"));
}
