#include "fake_desktop.h"
#include "startup.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

const char defaultFile[] = "java.exe Orvex[Start]\r\n1000\r\n1\r\n276\r\n276\r\n";

bool exists(const char* name) { return std::ifstream(name).good(); }

// A run of the launcher over a command line, in a directory that holds
// pressGo.txt (or not) and no version.txt.
struct LauncherRun {
    LauncherState state;
    FakeDesktop desktop;
    int exitCode = -1;

    explicit LauncherRun(std::string commandLine, const char* configuration = nullptr) {
        std::remove("version.txt");
        if (configuration != nullptr)
            writeBytes("pressGo.txt", configuration);
        else
            std::remove("pressGo.txt");
        exitCode = runLauncher(&commandLine[0], 1, state, desktop);
    }
};

const char* const windowRoad[] = {"DeleteFileA(VEX)", "registerLauncherClass()", "createLauncherWindow(368, 283, 289, 203)",
                                  "loadAccelerators()"};

TEST(Startup, WithoutOptionsOrFileWritesTheDefaultsAndShowsTheWindowCentred) {
    LauncherRun run("C:\\Orvex\\pressGo.exe");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(readBytes("pressGo.txt"), defaultFile);
    EXPECT_TRUE(run.state.autoStart);
    EXPECT_EQ(run.state.autoStartDelay, 1000);
    std::vector<std::string> expected(std::begin(windowRoad), std::end(windowRoad));
    expected.insert(expected.end(), {"MoveWindow(5, 368, 272, 289, 203, 1)", "ShowWindow(5, 1)", "UpdateWindow(5)",
                                     "runMessageLoop(5)"});
    EXPECT_EQ(run.desktop.calls, expected);
    EXPECT_EQ(run.state.mainWindow, 5u);
    EXPECT_EQ(run.state.instance, &run.desktop);
    EXPECT_EQ(run.state.windowWidth, 289);
    EXPECT_EQ(run.state.initialY, 283);
}

TEST(Startup, ManualStartAndCursorApplyOnlyWithAFile) {
    LauncherRun withoutFile("pressGo.exe -s- -w");
    EXPECT_TRUE(withoutFile.state.autoStart);
    EXPECT_FALSE(withoutFile.state.showCursor);

    LauncherRun withFile("pressGo.exe -s- -w", defaultFile);
    EXPECT_FALSE(withFile.state.autoStart);
    EXPECT_TRUE(withFile.state.showCursor);
    EXPECT_EQ(readBytes("pressGo.txt"), defaultFile);
}

struct PlacementTokens {
    const char* commandLine;
    int mode;
    bool autoStart;
};

TEST(Startup, PlacementTokensSetTheModeAndAManualStart) {
    const PlacementTokens cases[] = {
        {"pressGo.exe -c3", 3, false},     {"pressGo.exe -c12", 12, false},   {"pressGo.exe -c1 -c4", 4, false},
        {"pressGo.exe -c4 -cx", 0, false}, {"pressGo.exe -c3x", 0, true},     {"pressGo.exe x-c3", 0, true},
        {"pressGo.exe -ca", 0, true},      {"pressGo.exe ab-c2", 0, true},    {"pressGo.exe -c2-", 0, true},
        {"pressGo.exe -c", 0, false},      {"pressGo.exe -c99999999999", 0, false},
        {"pressGo.exe -v /p --p -P -s", 0, true},
    };
    for (const PlacementTokens& c : cases) {
        LauncherRun run(c.commandLine, defaultFile);
        EXPECT_EQ(run.state.placementMode, c.mode) << c.commandLine;
        EXPECT_EQ(run.state.autoStart, c.autoStart) << c.commandLine;
    }
    LauncherRun corner("pressGo.exe -c3", defaultFile);
    EXPECT_EQ(corner.desktop.callsOf("MoveWindow"), (std::vector<std::string>{"MoveWindow(5, 735, 521, 289, 203, 1)"}));
    LauncherRun longToken("pressGo.exe -c" + std::string(5000, '0') + "2", defaultFile);
    EXPECT_EQ(longToken.state.placementMode, 2);
}

TEST(Startup, ThePlacementModeAppliesWithoutAFileToo) {
    LauncherRun run("pressGo.exe -c1");
    EXPECT_EQ(run.state.placementMode, 1);
    EXPECT_TRUE(run.state.autoStart);  // the default writer turns it on
}

struct ReportCase {
    const char* commandLine;
    const char* firstLine;
};

TEST(Startup, TheVersionReportEndsTheRunAtOnce) {
    const ReportCase cases[] = {
        {"pressGo.exe -V", "pressGo -V     \r\n"},
        {"pressGo.exe -VC", "pressGo -V     # version \r\n"},
        {"pressGo.exe -p -V", "pressGo -V     \r\n"},
        {"pressGo.exe -V -p", "pressGo -V     \r\n"},
        {"pressGo.exe -p -s- -VC", "pressGo -V     # version \r\n"},
        {"pressGo.exe -V -VC", "pressGo -V     \r\n"},
        {"pressGo.exe -VC -V", "pressGo -V     # version \r\n"},
    };
    for (const ReportCase& c : cases) {
        LauncherRun run(c.commandLine);
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_NE(readBytes("version.txt").find(c.firstLine), std::string::npos) << c.commandLine;
        EXPECT_TRUE(run.desktop.calls.empty()) << c.commandLine;  // no window, no shell, VEX kept
        EXPECT_FALSE(exists("pressGo.txt")) << c.commandLine;
    }
}

TEST(Startup, HelpOpensTheManualAndNothingElse) {
    for (const char* commandLine : {"pressGo.exe -p", "pressGo.exe -a", "pressGo.exe -p -s- -c2"}) {
        LauncherRun run(commandLine);
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.desktop.calls, (std::vector<std::string>{"ShellExecuteExA(SeekDocs.pdf, )"})) << commandLine;
        EXPECT_EQ(run.state.program, "SeekDocs.pdf");
        EXPECT_FALSE(exists("pressGo.txt")) << commandLine << ": the configuration is not read or written";
    }
}

TEST(Startup, AFailedRegistrationOrWindowEndsTheRun) {
    std::remove("pressGo.txt");
    LauncherState state;
    FakeDesktop unregistered;
    unregistered.registrationSucceeds = false;
    char commandLine[] = "pressGo.exe";
    EXPECT_EQ(runLauncher(commandLine, 1, state, unregistered), 0);
    EXPECT_EQ(unregistered.calls, (std::vector<std::string>{"DeleteFileA(VEX)", "registerLauncherClass()"}));

    LauncherState other;
    FakeDesktop windowless;
    windowless.creationSucceeds = false;
    char again[] = "pressGo.exe";
    EXPECT_EQ(runLauncher(again, 1, other, windowless), 0);
    EXPECT_TRUE(windowless.callsOf("runMessageLoop").empty());
    EXPECT_EQ(other.mainWindow, 0u);
}

TEST(Startup, ExaminesAtMost128TokensAndSkipsToTheExe) {
    std::string commandLine = "pressGo.exe";
    for (int i = 1; i < 128; ++i) commandLine += " x";
    LauncherRun beyond(commandLine + " -c3", defaultFile);  // the 129th token
    EXPECT_EQ(beyond.state.placementMode, 0);
    LauncherRun within(commandLine.substr(0, commandLine.size() - 2) + " -c3", defaultFile);
    EXPECT_EQ(within.state.placementMode, 3);

    LauncherRun spaced("C:\\My -c3 Tools\\pressGo.exe -w", defaultFile);  // the path before ".exe" is skipped
    EXPECT_EQ(spaced.state.placementMode, 0);
    EXPECT_TRUE(spaced.state.showCursor);
    LauncherRun noExe("C:\\My -c2 Tools\\pressGo -w", defaultFile);  // without ".exe" its pieces are tokens
    EXPECT_EQ(noExe.state.placementMode, 2);
    LauncherRun empty("", defaultFile);
    EXPECT_EQ(empty.exitCode, 0);
}

}  // namespace
