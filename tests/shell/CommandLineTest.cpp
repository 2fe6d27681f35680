// The two command-line words count only as the whole command line, spelt
// exactly so.
#include "shell/CommandLine.h"

#include <gtest/gtest.h>

namespace {

CCommandLine Parse(std::initializer_list<const char*> args) {
    std::vector<const char*> argv{"orrindale"};
    argv.insert(argv.end(), args);
    return CCommandLine(static_cast<int>(argv.size()), argv.data());
}

TEST(CommandLineTest, WordsAreJoinedByBlanks) {
    EXPECT_EQ(Parse({}).Text(), "");
    EXPECT_EQ(Parse({"a", "b c"}).Text(), "a b c");
}

TEST(CommandLineTest, NoLogoOnlyExactly) {
    EXPECT_TRUE(Parse({"nologo"}).IsNoLogo());
    EXPECT_FALSE(Parse({"/nologo"}).IsNoLogo());
    EXPECT_FALSE(Parse({"NOLOGO"}).IsNoLogo());
    EXPECT_FALSE(Parse({"nologo", "exit"}).IsNoLogo());
    EXPECT_FALSE(Parse({}).IsNoLogo());
}

TEST(CommandLineTest, ExitOnlyExactly) {
    EXPECT_TRUE(Parse({"exit"}).IsExit());
    EXPECT_FALSE(Parse({"Exit"}).IsExit());
    EXPECT_FALSE(Parse({"exit", "now"}).IsExit());
    EXPECT_FALSE(Parse({"exit "}).IsExit());
    EXPECT_FALSE(Parse({"nologo"}).IsExit());
}

} // namespace
