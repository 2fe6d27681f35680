// The window system the program starts on, by the session's environment, and
// the command line Qt then reads.
#include "shell/PlatformChoice.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(PlatformChoice, X11OnlyInAWaylandSessionWithXWaylandAndNoChoiceOfTheUser) {
    const struct {
        const char* wayland;
        const char* display;
        const char* platform;
        std::string expected;
    } cases[] = {
        {"wayland-0", ":0", nullptr, "xcb;wayland"}, // Wayland with XWayland
        {"wayland-0", nullptr, nullptr, ""},         // Wayland alone
        {"wayland-0", ":0", "wayland", ""},          // the user's own choice
        {nullptr, ":0", nullptr, ""},                // an X11 session
        {"wayland-0", "", nullptr, ""},              // empty is not set
        {"wayland-0", ":0", "", "xcb;wayland"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CPlatformChoice::Choose(c.wayland, c.display, c.platform), c.expected)
            << (c.wayland ? c.wayland : "-") << " " << (c.display ? c.display : "-") << " "
            << (c.platform ? c.platform : "-");
}

TEST(PlatformChoice, ChosenPlatformGoesBeforeTheProgramsOwnArguments) {
    std::string program = "orrindale";
    std::string word = "nologo";
    char* argv[] = {program.data(), word.data(), nullptr};
    const struct {
        std::string platform;
        std::vector<std::string> expected;
    } cases[] = {
        {"xcb;wayland", {"orrindale", "-platform", "xcb;wayland", "nologo"}},
        {"", {"orrindale", "nologo"}},
    };
    for (const auto& c : cases) {
        CPlatformArguments arguments(2, argv, c.platform);
        std::vector<std::string> seen(arguments.Values(), arguments.Values() + arguments.Count());
        EXPECT_EQ(seen, c.expected);
        EXPECT_EQ(arguments.Values()[arguments.Count()], nullptr);
    }
}
