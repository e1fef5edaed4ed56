#include "fake_desktop.h"
#include "start_action.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

LauncherState configured(int type) {
    LauncherState state;
    state.program = "java.exe";
    state.argument = "Orvex";
    state.consoleType = type;
    state.consoleWidth = 276;
    state.consoleHeight = 300;
    return state;
}

TEST(ShellOpen, FillsTheRequestAsTheShellExpectsIt) {
    FakeDesktop desktop;
    desktop.shellSucceeds = false;
    EXPECT_FALSE(shellOpen(desktop, "java.exe", "Orvex"));
    ASSERT_EQ(desktop.shellRequests.size(), 1u);
    const ShellRequest& request = desktop.shellRequests[0];
    EXPECT_EQ(request.fMask, 0x40u);
    EXPECT_EQ(request.lpVerb, "open");
    EXPECT_EQ(request.lpFile, "java.exe");
    EXPECT_EQ(request.lpParameters, "Orvex");
    EXPECT_EQ(request.nShow, 10);
}

TEST(ShellOpen, PassesLongTextsWhole) {
    FakeDesktop desktop;
    const std::string file(300, 'f'), parameters = std::string(39, 'p') + "Q";
    shellOpen(desktop, file, parameters);
    EXPECT_EQ(desktop.shellRequests.at(0).lpFile, file);
    EXPECT_EQ(desktop.shellRequests.at(0).lpParameters, parameters);
}

TEST(OpenManual, OpensSeekDocsWithoutParameters) {
    FakeDesktop desktop;
    openManual(desktop);
    EXPECT_EQ(desktop.calls, (std::vector<std::string>{"ShellExecuteExA(SeekDocs.pdf, )"}));
}

struct TypeCase {
    int type;
    std::vector<std::string> placement;
    bool ends;
};

// Console 276 x 300 on the fake screen: x = 512 - 138, y = 747 / 2 - 150.
TEST(StartProgram, PlacesTheConsoleByItsType) {
    const TypeCase cases[] = {
        {0, {"ShowWindow(77, 9)", "SetWindowPos(77, 0, 374, 223, 276, 300, 0)"}, true},
        {1, {"ShowWindow(77, 9)", "SetWindowPos(77, 1, 374, 223, 276, 300, 0)", "ShowWindow(77, 6)"}, true},
        {2, {"ShowWindow(77, 9)", "SetWindowPos(77, 1, 374, 223, 276, 300, 0)"}, true},
        {3, {"ShowWindow(77, 9)", "SetWindowPos(77, 1, 374, 223, 276, 300, 128)"}, false},
    };
    for (const TypeCase& c : cases) {
        LauncherState state = configured(c.type);
        FakeDesktop desktop;
        EXPECT_EQ(startProgram(state, desktop), c.ends) << "type " << c.type;
        std::vector<std::string> expected = {"ShellExecuteExA(java.exe, Orvex)", "FindWindowA(ConsoleWindowClass)"};
        expected.insert(expected.end(), c.placement.begin(), c.placement.end());
        if (c.ends) expected.push_back("PostQuitMessage(0)");
        EXPECT_EQ(desktop.calls, expected) << "type " << c.type;
    }
}

TEST(StartProgram, SearchesUpTo50TimesWith49Pauses) {
    LauncherState state = configured(2);
    FakeDesktop desktop;
    desktop.consoleFoundOnSearch = 3;
    startProgram(state, desktop);
    EXPECT_EQ(desktop.searches, 3);
    EXPECT_EQ(desktop.callsOf("Sleep"), (std::vector<std::string>{"Sleep(600)", "Sleep(600)"}));
    EXPECT_EQ(desktop.callsOf("SetWindowPos").size(), 1u);

    for (int type : {1, 3}) {
        LauncherState lonely = configured(type);
        FakeDesktop empty;
        empty.consoleFoundOnSearch = 0;
        EXPECT_EQ(startProgram(lonely, empty), type != 3);
        EXPECT_EQ(empty.searches, 50);
        EXPECT_EQ(empty.callsOf("Sleep").size(), 49u);
        EXPECT_TRUE(empty.callsOf("ShowWindow").empty());
        EXPECT_TRUE(empty.callsOf("SetWindowPos").empty());
        EXPECT_EQ(empty.callsOf("PostQuitMessage").size(), type != 3 ? 1u : 0u);
    }
}

TEST(StartProgram, GoesOnWhenTheShellFails) {
    LauncherState state = configured(1);
    FakeDesktop desktop;
    desktop.shellSucceeds = false;
    EXPECT_TRUE(startProgram(state, desktop));
    EXPECT_EQ(desktop.callsOf("SetWindowPos").size(), 1u);
}

TEST(StartProgram, LeavesTheConsoleAloneInACornerMode) {
    for (bool showCursor : {false, true}) {
        LauncherState state = configured(1);
        state.placementMode = 3;
        state.showCursor = showCursor;
        FakeDesktop desktop;
        EXPECT_EQ(startProgram(state, desktop), !showCursor);
        std::vector<std::string> expected = {"ShellExecuteExA(java.exe, Orvex)"};
        if (!showCursor) expected.push_back("PostQuitMessage(0)");
        EXPECT_EQ(desktop.calls, expected);
    }
}

}  // namespace
