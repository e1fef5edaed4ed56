#include "fake_desktop.h"
#include "launch_config.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

struct ConfigCase {
    const char* what;
    std::string file;
    std::string program, argument;
    bool autoStart;
    int delay, type, width, height;
};

TEST(ReadLaunchConfig, TakesEachLineOrItsDefault) {
    const ConfigCase cases[] = {
        {"the default file", "java.exe Orvex[Start]\r\n1000\r\n1\r\n276\r\n276\r\n", "java.exe", "Orvex", true, 1000, 1, 276, 276},
        {"an empty file", "", "java.exe", "Orvex", false, 1000, 1, 276, 276},
        {"[start]", "java.exe Orvex[start]\n", "java.exe", "Orvex", true, 1000, 1, 276, 276},
        {"no marker", "java.exe Orvex\n", "java.exe", "Orvex", false, 1000, 1, 276, 276},
        {"a space before the marker", "java.exe Orvex [start]\n", "java.exe", "Orvex", false, 1000, 1, 276, 276},
        {"only the marker", "java.exe [start]\n", "java.exe", "", true, 1000, 1, 276, 276},
        {"a space after the marker", "java.exe Orvex[start] \n", "java.exe", "Orvex[start]", false, 1000, 1, 276, 276},
        {"text after the marker", "a.exe b[Start]xyz\n", "a.exe", "b", true, 1000, 1, 276, 276},
        {"[start] before [Start]", "a b[Start]c[start]\n", "a", "b[Start]c", true, 1000, 1, 276, 276},
        {"another marker spelling", "a b[START]\n", "a", "b[START]", false, 1000, 1, 276, 276},
        {"a lone word", "calc.exe\n", "java.exe", "Orvex", false, 1000, 1, 276, 276},
        {"a tab is no separator", "calc.exe\tx\n", "java.exe", "Orvex", false, 1000, 1, 276, 276},
        {"a leading space", " Orvex[start]\n", "", "Orvex", true, 1000, 1, 276, 276},
        {"a third word is ignored", "a b c[start]\n", "a", "b", false, 1000, 1, 276, 276},
        {"delay bounds", "a b\n21\n3\n0\n0\n", "a", "b", false, 21, 3, 0, 0},
        {"delay too small", "a b\n20\n", "a", "b", false, 1000, 1, 276, 276},
        {"delay largest", "a b\n2100000000\n", "a", "b", false, 2100000000, 1, 276, 276},
        {"delay too large", "a b\n2100000001\n", "a", "b", false, 1000, 1, 276, 276},
        {"negative delay", "a b\n-5\n", "a", "b", false, 1000, 1, 276, 276},
        {"text after a number", "a b\n1500 ms\n2 x\n", "a", "b", false, 1500, 2, 276, 276},
        {"type out of range", "a b\n1000\n4\n", "a", "b", false, 1000, 1, 276, 276},
        {"negative type", "a b\n1000\n-1\n", "a", "b", false, 1000, 1, 276, 276},
        {"width bounds", "a b\n1000\n0\n979\n", "a", "b", false, 1000, 0, 979, 276},
        {"width too large", "a b\n1000\n0\n980\n", "a", "b", false, 1000, 0, 276, 276},
        {"height up to the full-screen height", "a b\n1000\n0\n5\n705\n", "a", "b", false, 1000, 0, 5, 705},
        {"height beyond it", "a b\n1000\n0\n5\n706\n", "a", "b", false, 1000, 0, 5, 276},
        {"blank lines", "a b\n  \n \n\t\n \n", "a", "b", false, 1000, 0, 0, 0},
        {"lines without a number", "a b\nsoon\n-\nwide\n+x\n", "a", "b", false, 1000, 0, 0, 0},
        {"numbers beyond 32 bits", "a b\n99999999999\n99999999999\n99999999999\n99999999999\n", "a", "b", false, 1000, 1, 276, 276},
        {"two lines only", "a b\n500\n", "a", "b", false, 500, 1, 276, 276},
        {"LF and CR LF alike", "a b[start]\r\n500\r\n2\r\n10\r\n20\r\n", "a", "b", true, 500, 2, 10, 20},
        {"lines after the fifth are ignored", "a b\n500\n2\n10\n20\n30\n", "a", "b", false, 500, 2, 10, 20},
        {"0x1A ends the file", std::string("a b\n500\n\x1a" "2\n"), "a", "b", false, 500, 1, 276, 276},
        {"a last line without line end", "a b\n500\n2", "a", "b", false, 500, 2, 276, 276},
        {"a line 2 longer than 4223 characters fails, and so do the rest",
         "a b\n" + std::string(4224, '7') + "\n2\n10\n20\n", "a", "b", false, 1000, 1, 276, 276},
        {"a line 2 of 4223 characters is read whole", "a b\n" + std::string(4219, ' ') + "1234\n2\n", "a", "b", false, 1234, 2, 276, 276},
        {"a line 1 longer than 4223 characters is cut, the rest missing",
         "a " + std::string(5000, 'z') + "\n500\n2\n", "a", std::string(4221, 'z'), false, 1000, 1, 276, 276},
    };
    for (const ConfigCase& c : cases) {
        writeBytes("pressGo.txt", c.file);
        LauncherState state;
        FakeDesktop desktop;
        ASSERT_TRUE(readLaunchConfig(state, desktop)) << c.what;
        EXPECT_EQ(state.program, c.program) << c.what;
        EXPECT_EQ(state.argument, c.argument) << c.what;
        EXPECT_EQ(state.autoStart, c.autoStart) << c.what;
        EXPECT_EQ(state.autoStartDelay, c.delay) << c.what;
        EXPECT_EQ(state.consoleType, c.type) << c.what;
        EXPECT_EQ(state.consoleWidth, c.width) << c.what;
        EXPECT_EQ(state.consoleHeight, c.height) << c.what;
        EXPECT_EQ(readBytes("pressGo.txt"), c.file) << c.what << ": the file is only read";
    }
}

TEST(ReadLaunchConfig, WithoutTheFileChangesNothing) {
    std::remove("pressGo.txt");
    LauncherState state;
    state.program = "before";
    FakeDesktop desktop;
    EXPECT_FALSE(readLaunchConfig(state, desktop));
    EXPECT_EQ(state.program, "before");
    EXPECT_EQ(state.autoStartDelay, 0);
}

TEST(WriteDefaultLaunchConfig, WritesTheFiveLinesAndSetsTheDefaults) {
    writeBytes("pressGo.txt", "something much longer than the default file, to be replaced\n");
    LauncherState state;
    state.showCursor = true;
    writeDefaultLaunchConfig(state);
    EXPECT_EQ(readBytes("pressGo.txt"), "java.exe Orvex[Start]\r\n1000\r\n1\r\n276\r\n276\r\n");
    EXPECT_EQ(state.program, "java.exe");
    EXPECT_EQ(state.argument, "Orvex");
    EXPECT_TRUE(state.autoStart);
    EXPECT_FALSE(state.showCursor);
    EXPECT_EQ(state.autoStartDelay, 1000);
    EXPECT_EQ(state.consoleType, 1);
    EXPECT_EQ(state.consoleWidth, 276);
    EXPECT_EQ(state.consoleHeight, 276);

    // What it writes reads back as the same settings.
    LauncherState reread;
    FakeDesktop desktop;
    ASSERT_TRUE(readLaunchConfig(reread, desktop));
    EXPECT_EQ(reread.program, "java.exe");
    EXPECT_TRUE(reread.autoStart);
    EXPECT_EQ(reread.consoleHeight, 276);
}

}  // namespace
