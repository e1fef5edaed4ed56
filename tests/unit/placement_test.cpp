#include "fake_desktop.h"
#include "placement.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct PlacementCase {
    int mode;
    std::vector<std::string> calls;
    int modeAfter;
};

// The fake screen: 1024 x 705 full-screen client area, menu 19, caption 23.
TEST(Placement, PutsTheWindowWhereTheModeSays) {
    const PlacementCase cases[] = {
        {0, {"MoveWindow(5, 368, 272, 289, 203, 1)"}, 0},  // 512 - 144, (705 + 19 + 23) / 2 - 101
        {1, {"MoveWindow(5, 0, 0, 289, 203, 1)"}, 1},
        {2, {"ShowWindow(5, 9)", "MoveWindow(5, 735, 0, 289, 203, 1)"}, 2},
        {3, {"ShowWindow(5, 9)", "MoveWindow(5, 735, 521, 289, 203, 1)"}, 3},  // 705 + 19 - 203
        {4, {"ShowWindow(5, 9)", "MoveWindow(5, 0, 521, 289, 203, 1)"}, 4},
        {12, {"MoveWindow(5, 368, 272, 289, 203, 1)"}, 12},  // centred, the mode kept
        {-1, {"MoveWindow(5, 368, 272, 289, 203, 1)"}, -1},
    };
    for (const PlacementCase& c : cases) {
        LauncherState state;
        state.windowWidth = 289;
        state.windowHeight = 203;
        state.placementMode = c.mode;
        FakeDesktop desktop;
        placeByMode(state, desktop, 5);
        EXPECT_EQ(desktop.calls, c.calls) << "mode " << c.mode;
        EXPECT_EQ(state.placementMode, c.modeAfter) << "mode " << c.mode;
    }
}

TEST(Placement, EachHalvingTruncatesOnItsOwn) {
    FakeDesktop desktop;
    desktop.cxFullScreen = 1023;
    desktop.cyFullScreen = 700;
    desktop.cyMenu = 20;
    desktop.cyCaption = 20;
    Point centre = centredPosition(desktop, 277, 277);
    EXPECT_EQ(centre.x, 511 - 138);  // 1023 / 2 - 277 / 2, not (1023 - 277) / 2
    EXPECT_EQ(centre.y, 370 - 138);
    centre = centredPosition(desktop, 2001, 3);  // wider than the screen: negative, truncated toward zero
    EXPECT_EQ(centre.x, 511 - 1000);
}

}  // namespace
