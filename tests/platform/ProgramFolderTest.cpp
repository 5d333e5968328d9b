#include "platform/ProgramFolder.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace {

// Sets VESPIRA_PROGRAM_DIR for one test and restores what was there.
class ProgramDirVariable
{
public:
    explicit ProgramDirVariable(const QByteArray& value) : old_(qgetenv(name)), had_(qEnvironmentVariableIsSet(name))
    {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~ProgramDirVariable()
    {
        if (had_)
            qputenv(name, old_);
        else
            qunsetenv(name);
    }

private:
    static constexpr const char* name = "VESPIRA_PROGRAM_DIR";
    QByteArray old_;
    bool had_;
};

} // namespace

TEST(ProgramFolder, IsTheFolderOfTheRunningProgramWithATrailingSlash)
{
    ProgramDirVariable unset{QByteArray()};
    EXPECT_EQ(ProgramFolder(), QCoreApplication::applicationDirPath() + QStringLiteral("/"));
}

TEST(ProgramFolder, TheEnvironmentVariableOverridesIt)
{
    {
        ProgramDirVariable set{"/opt/vespira"};
        EXPECT_EQ(ProgramFolder(), QStringLiteral("/opt/vespira/"));
    }
    ProgramDirVariable set{"/opt/vespira/"};
    EXPECT_EQ(ProgramFolder(), QStringLiteral("/opt/vespira/"));
}
