#include "app/CommandLine.h"

#include <gtest/gtest.h>

TEST(CommandLine, HelpAndVersionWinOverArgumentsInAnyPosition)
{
    CommandLine line(QStringLiteral("veldra2"), QStringLiteral("d"));
    EXPECT_EQ(line.Parse({"veldra2", "a.vlz", "--help"}), CommandLine::Action::ShowHelp);
    EXPECT_EQ(line.Parse({"veldra2", "-v"}), CommandLine::Action::ShowVersion);
    EXPECT_EQ(line.Parse({"veldra2", "a.vlz", "b.vlz"}), CommandLine::Action::Run);
    EXPECT_EQ(line.Positional(), (QStringList{"a.vlz", "b.vlz"}));
    EXPECT_TRUE(line.VersionText().startsWith(QStringLiteral("veldra2 ")));
}
