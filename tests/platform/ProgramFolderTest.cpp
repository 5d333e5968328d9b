#include "platform/ProgramFolder.h"

#include "support/ScopedProcessSettings.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

TEST(ProgramFolder, IsTheFolderOfTheRunningProgramWithATrailingSlash)
{
    ScopedEnvironmentVariable unset("VESPIRA_PROGRAM_DIR", QByteArray());
    EXPECT_EQ(ProgramFolder(), QCoreApplication::applicationDirPath() + QStringLiteral("/"));
}

TEST(ProgramFolder, TheEnvironmentVariableOverridesIt)
{
    {
        ScopedEnvironmentVariable set("VESPIRA_PROGRAM_DIR", "/opt/vespira");
        EXPECT_EQ(ProgramFolder(), QStringLiteral("/opt/vespira/"));
    }
    ScopedEnvironmentVariable set("VESPIRA_PROGRAM_DIR", "/opt/vespira/");
    EXPECT_EQ(ProgramFolder(), QStringLiteral("/opt/vespira/"));
}
