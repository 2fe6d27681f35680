// Starting with the desktop session: the entry written, read back the way the
// session reads it, removed again, and a folder that cannot be written.
#include "options/Autostart.h"

#include "tests/support/TempHome.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <vector>

namespace {

// The entry's group line, then its keys with their values unescaped.
std::map<std::string, std::string> ReadEntry() {
    std::ifstream in(CAutostart::FilePath());
    std::map<std::string, std::string> keys;
    std::getline(in, keys["group"]);
    for (std::string line; std::getline(in, line);) {
        std::string value;
        for (std::size_t i = line.find('=') + 1; i < line.size(); ++i)
            value += line[i] == '\\' && line[i + 1] == '\\' ? line[i++] : line[i];
        keys[line.substr(0, line.find('='))] = value;
    }
    return keys;
}

// An Exec value's program and arguments: blanks part them, double quotes
// group them with \", \`, \$ and \\ inside, "%%" is a "%".
std::vector<std::string> ExecArguments(const std::string& exec) {
    std::vector<std::string> arguments(1);
    bool quoted = false;
    for (std::size_t i = 0; i < exec.size(); ++i) {
        if ((quoted && exec[i] == '\\') || (exec[i] == '%' && exec[i + 1] == '%'))
            arguments.back() += exec[++i];
        else if (exec[i] == '"')
            quoted = !quoted;
        else if (exec[i] == ' ' && !quoted)
            arguments.emplace_back();
        else
            arguments.back() += exec[i];
    }
    return arguments;
}

} // namespace

TEST(Autostart, EntryStartsTheProgramByItsPathWithNologoAndGoesAgain) {
    CTempHome home;
    for (const std::string program :
         {"/usr/bin/orrindale", "/home/ann/say \"hi\" $HOME `x` back\\slash 100%/orrindale"}) {
        std::string message;
        ASSERT_TRUE(CAutostart::TurnOn(program, message)) << message;
        EXPECT_EQ(CAutostart::FilePath(), home.ConfigPath() + "autostart/orrindale.desktop");
        EXPECT_TRUE(CAutostart::IsOn());
        auto entry = ReadEntry();
        EXPECT_EQ(entry["group"], "[Desktop Entry]");
        EXPECT_EQ(entry["Type"], "Application");
        EXPECT_EQ(entry["TryExec"], program);
        EXPECT_EQ(ExecArguments(entry["Exec"]), std::vector<std::string>({program, "nologo"}));
        ASSERT_TRUE(CAutostart::TurnOff(message)) << message;
        EXPECT_FALSE(CAutostart::IsOn());
    }
}

TEST(Autostart, EntryThatCannotBeWrittenOrRemovedIsSaidClearly) {
    CTempHome home;
    std::filesystem::create_directories(home.ConfigPath());
    std::ofstream(home.ConfigPath() + "autostart") << "a file where the folder should be";
    std::string message;
    EXPECT_FALSE(CAutostart::TurnOn("/usr/bin/orrindale", message));
    EXPECT_FALSE(CAutostart::IsOn());
    EXPECT_NE(message.find("cannot start with the desktop session"), std::string::npos);
    EXPECT_NE(message.find(CAutostart::FilePath()), std::string::npos);

    std::filesystem::remove(home.ConfigPath() + "autostart");
    std::filesystem::create_directories(CAutostart::FilePath() + "/inside");
    EXPECT_FALSE(CAutostart::TurnOff(message));
    EXPECT_NE(message.find("still starts with the desktop session"), std::string::npos);
}
