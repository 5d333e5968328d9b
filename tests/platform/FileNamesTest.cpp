#include "platform/FileNames.h"

#include <gtest/gtest.h>

TEST(FileNameBytes, RoundTripsNonAsciiNames)
{
    const QString name = QStringLiteral("/tmp/Sk\u00efn \u00e9t\u00e9/Options.dat");
    EXPECT_EQ(FileNameText(FileNameBytes(name)), name);
    EXPECT_EQ(FileNameBytes(QStringLiteral("/a/b")), "/a/b");
}
