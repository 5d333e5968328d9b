#include "graphics/SafeFileWriter.h"

#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

} // namespace

TEST(SafeFileWriter, TargetChangesOnlyOnCommit)
{
    TestFolder dir;
    const std::string target = dir.write("a.dat", "old").toStdString();
    {
        TSafeFileWriter writer(target);
        ASSERT_TRUE(writer.Open());
        ASSERT_TRUE(writer.Write("new content", 11));
        EXPECT_EQ(dir.read("a.dat"), "old");
        EXPECT_EQ(filesIn(dir.path()).size(), 2);
    }
    // Dropped without Commit: the old file stays and the temporary file is gone.
    EXPECT_EQ(dir.read("a.dat"), "old");
    EXPECT_EQ(filesIn(dir.path()), QStringList{"a.dat"});

    EXPECT_EQ(WriteFileSafely(target, "new", 3), "");
    EXPECT_EQ(dir.read("a.dat"), "new");
    EXPECT_EQ(filesIn(dir.path()), QStringList{"a.dat"});
}

TEST(SafeFileWriter, NewFilesGetTheUsualPermissions)
{
    TestFolder dir;
    const mode_t old = umask(022);
    const std::string error = WriteFileSafely(dir.file("b.dat").toStdString(), "x", 1);
    umask(old);
    ASSERT_EQ(error, "");
    EXPECT_EQ(QFileInfo(dir.file("b.dat")).permissions() & 0x7777,
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser | QFile::ReadGroup |
                  QFile::ReadOther);
}

TEST(SafeFileWriter, FailuresNameTheTargetAndLeaveNothing)
{
    TestFolder dir;
    dir.makeDir("folder");
    const std::string missing = dir.file("missing/c.dat").toStdString();
    EXPECT_EQ(WriteFileSafely(missing, "x", 1).rfind("Cannot create " + missing + ": ", 0), 0u);
    const std::string folder = dir.file("folder").toStdString();
    EXPECT_EQ(WriteFileSafely(folder, "x", 1).rfind("Cannot replace " + folder + ": ", 0), 0u);
    EXPECT_TRUE(filesIn(dir.path()).isEmpty());
}
