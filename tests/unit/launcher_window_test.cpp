#include "fake_desktop.h"
#include "launcher_window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr WindowHandle window = 5;

struct LauncherWindow : ::testing::Test {
    LauncherState state;
    FakeDesktop desktop;

    void SetUp() override {
        state.program = "java.exe";
        state.argument = "Orvex";
        state.consoleType = 2;
        state.mainWindow = window;
        state.textWindow = 9;
    }
    bool send(unsigned message, std::uintptr_t wParam = 0) {
        return handleLauncherMessage(state, desktop, window, message, wParam);
    }
    bool started() const { return !desktop.callsOf("ShellExecuteExA(java.exe").empty(); }
    bool quit() const { return !desktop.callsOf("PostQuitMessage(0)").empty(); }
};

TEST_F(LauncherWindow, CreationBuildsTheTextStripAndArmsTheTimers) {
    state.autoStart = true;
    state.autoStartDelay = 1000;
    state.showCursor = true;
    state.buttonDown = true;
    state.textWindow = 0;
    EXPECT_TRUE(send(win::WM_CREATE));
    EXPECT_EQ(desktop.calls, (std::vector<std::string>{"createTextStrip(5)", "SetWindowTextA(9, java.exe Orvex)",
                                                       "MoveWindow(9, 0, 107, 281, 87, 1)", "SetTimer(5, 171, 1000)",
                                                       "SetTimer(5, 172, 50)"}));
    EXPECT_EQ(state.textWindow, 9u);
    EXPECT_FALSE(state.buttonDown);
}

TEST_F(LauncherWindow, CreationWithoutAutomaticStartOrCursorArmsNoTimer) {
    send(win::WM_CREATE);
    EXPECT_TRUE(desktop.callsOf("SetTimer").empty());
}

struct KeyCase {
    unsigned message;
    std::uintptr_t wParam;
    std::vector<std::string> calls;
};

TEST_F(LauncherWindow, KeysAndCharacters) {
    const KeyCase cases[] = {
        {win::WM_KEYDOWN, 0x10, {"SetWindowTextA(5, pressGo)"}},
        {win::WM_KEYDOWN, 0x7A, {"SetWindowTextA(5, pressGo 1.09)"}},
        {win::WM_KEYDOWN, 0x22, {"PostQuitMessage(0)"}},
        {win::WM_KEYDOWN, 0x122, {"PostQuitMessage(0)"}},  // only the low 8 bits count
        {win::WM_KEYDOWN, 0x78, {}},                        // F9 comes as a command, never as a key
        {win::WM_KEYDOWN, 'A', {}},
        {win::WM_CHAR, '+', {}},
        {win::WM_CHAR, '_', {}},
    };
    for (const KeyCase& c : cases) {
        FakeDesktop fresh;
        EXPECT_TRUE(handleLauncherMessage(state, fresh, window, c.message, c.wParam)) << c.wParam;
        EXPECT_EQ(fresh.calls, c.calls) << c.message << " " << c.wParam;
    }
}

TEST_F(LauncherWindow, TheWaysToStart) {
    for (auto [message, wParam] : std::vector<std::pair<unsigned, std::uintptr_t>>{
             {win::WM_CHAR, '-'}, {0x8001, 0}, {win::WM_COMMAND, 169}, {win::WM_COMMAND, 0x10000 | 169}}) {
        FakeDesktop fresh;
        handleLauncherMessage(state, fresh, window, message, wParam);
        EXPECT_EQ(fresh.callsOf("ShellExecuteExA"), (std::vector<std::string>{"ShellExecuteExA(java.exe, Orvex)"}))
            << message << " " << wParam;
    }
}

TEST_F(LauncherWindow, CloseHelpAndDestruction) {
    send(win::WM_COMMAND, 168);
    EXPECT_EQ(desktop.calls, (std::vector<std::string>{"ShellExecuteExA(SeekDocs.pdf, )"}));
    EXPECT_FALSE(quit());
    send(win::WM_COMMAND, 167);
    EXPECT_TRUE(quit());
    EXPECT_FALSE(started());

    FakeDesktop other;
    EXPECT_TRUE(handleLauncherMessage(state, other, window, win::WM_DESTROY, 0));
    EXPECT_EQ(other.calls, (std::vector<std::string>{"PostQuitMessage(0)"}));
}

TEST_F(LauncherWindow, PaintingAndSizing) {
    state.buttonDown = true;
    send(win::WM_PAINT);
    send(win::WM_SIZE);
    EXPECT_EQ(desktop.calls, (std::vector<std::string>{"paintButton(5, 1)", "MoveWindow(9, 0, 107, 281, 87, 1)"}));
    EXPECT_FALSE(send(0x0084));  // another message goes to the default procedure
}

struct HitCase {
    int x, y;
    bool inside;
};

// The window's outer corner is at (100, 200): the active rectangle is x 318
// to 381 and y 313 to 338.
TEST_F(LauncherWindow, TheStartButtonsActiveRectangle) {
    const HitCase cases[] = {
        {318, 313, true}, {381, 338, true}, {350, 325, true}, {317, 313, false},
        {382, 338, false}, {318, 312, false}, {318, 339, false},
    };
    for (const HitCase& c : cases) {
        desktop.cursor = {c.x, c.y};
        EXPECT_EQ(onStartButton(state, desktop), c.inside) << c.x << ", " << c.y;
    }
}

TEST_F(LauncherWindow, APressChoosesThePictureAndTheReleaseDecides) {
    desktop.cursor = {350, 325};
    send(win::WM_LBUTTONDOWN);
    EXPECT_TRUE(state.buttonDown);
    EXPECT_EQ(desktop.callsOf("InvalidateRect").size(), 1u);
    send(win::WM_LBUTTONUP);
    EXPECT_TRUE(started());
    EXPECT_FALSE(state.buttonDown);
    EXPECT_EQ(desktop.callsOf("InvalidateRect").size(), 1u);  // no repaint after a start
}

TEST_F(LauncherWindow, PressOutsideReleaseInsideStarts) {
    desktop.cursor = {10, 10};
    send(win::WM_LBUTTONDOWN);
    EXPECT_FALSE(state.buttonDown);
    EXPECT_TRUE(desktop.callsOf("InvalidateRect").empty());
    desktop.cursor = {330, 320};
    send(win::WM_LBUTTONUP);
    EXPECT_TRUE(started());
}

TEST_F(LauncherWindow, ReleaseOutsideTheButtonShowsItRaisedWithoutAStart) {
    desktop.cursor = {350, 325};
    send(win::WM_LBUTTONDOWN);
    desktop.cursor = {150, 300};
    send(win::WM_LBUTTONUP);
    EXPECT_FALSE(started());
    EXPECT_FALSE(state.buttonDown);
    EXPECT_EQ(desktop.callsOf("InvalidateRect").size(), 2u);
}

TEST_F(LauncherWindow, TheAutomaticStartFiresOnce) {
    fireAutoStart(desktop, window);
    EXPECT_EQ(desktop.calls, (std::vector<std::string>{"KillTimer(5, 171)", "PostMessageA(5, 32769)"}));
}

struct CursorCase {
    int x, y;
    const char* title;
};

// Outer (100, 200) to (389, 403), frame 4, caption 23, menu 19: inside is
// 100 < x < 389 and 246 < y < 399.
TEST_F(LauncherWindow, TheCursorTitle) {
    const CursorCase cases[] = {
        {101, 247, "101 : 247 ( inside ) "},   {388, 398, "388 : 398 ( inside ) "},
        {100, 247, "100 : 247 ( outside ) "},  {389, 300, "389 : 300 ( outside ) "},
        {200, 246, "200 : 246 ( outside ) "},  {200, 399, "200 : 399 ( outside ) "},
        {-5, -7, "-5 : -7 ( outside ) "},
    };
    for (const CursorCase& c : cases) {
        desktop.cursor = {c.x, c.y};
        EXPECT_EQ(cursorTitle(desktop, window), c.title);
    }
    desktop.cursor = {150, 300};
    showCursorPosition(desktop, window);
    EXPECT_EQ(desktop.calls.back(), "SetWindowTextA(5, 150 : 300 ( inside ) )");
}

}  // namespace
