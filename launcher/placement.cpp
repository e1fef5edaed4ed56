#include "placement.h"

namespace {

// The bottom edge of the corners adds the menu height, not the caption's.
int bottomEdge(Desktop& desktop) {
    return desktop.GetSystemMetrics(win::SM_CYFULLSCREEN) + desktop.GetSystemMetrics(win::SM_CYMENU);
}

void placeCorner(LauncherState& state, Desktop& desktop, WindowHandle window, int mode, int x, int y) {
    desktop.MoveWindow(window, x, y, state.windowWidth, state.windowHeight, true);
    state.placementMode = mode;
}

}  // namespace

Point centredPosition(Desktop& desktop, int width, int height) {
    Point centre;
    centre.x = desktop.GetSystemMetrics(win::SM_CXFULLSCREEN) / 2 - width / 2;
    centre.y = (desktop.GetSystemMetrics(win::SM_CYFULLSCREEN) + desktop.GetSystemMetrics(win::SM_CYMENU) +
                desktop.GetSystemMetrics(win::SM_CYCAPTION)) / 2 -
               height / 2;
    return centre;
}

void placeTopLeft(LauncherState& state, Desktop& desktop, WindowHandle window) {
    placeCorner(state, desktop, window, 1, 0, 0);
}

void placeTopRight(LauncherState& state, Desktop& desktop, WindowHandle window) {
    desktop.ShowWindow(window, win::SW_RESTORE);
    placeCorner(state, desktop, window, 2, desktop.GetSystemMetrics(win::SM_CXFULLSCREEN) - state.windowWidth, 0);
}

void placeBottomRight(LauncherState& state, Desktop& desktop, WindowHandle window) {
    desktop.ShowWindow(window, win::SW_RESTORE);
    placeCorner(state, desktop, window, 3, desktop.GetSystemMetrics(win::SM_CXFULLSCREEN) - state.windowWidth,
                bottomEdge(desktop) - state.windowHeight);
}

void placeBottomLeft(LauncherState& state, Desktop& desktop, WindowHandle window) {
    desktop.ShowWindow(window, win::SW_RESTORE);
    placeCorner(state, desktop, window, 4, 0, bottomEdge(desktop) - state.windowHeight);
}

void placeCentred(LauncherState& state, Desktop& desktop, WindowHandle window) {
    Point centre = centredPosition(desktop, state.windowWidth, state.windowHeight);
    desktop.MoveWindow(window, centre.x, centre.y, state.windowWidth, state.windowHeight, true);
}

void placeByMode(LauncherState& state, Desktop& desktop, WindowHandle window) {
    switch (state.placementMode) {
    case 1: placeTopLeft(state, desktop, window); break;
    case 2: placeTopRight(state, desktop, window); break;
    case 3: placeBottomRight(state, desktop, window); break;
    case 4: placeBottomLeft(state, desktop, window); break;
    default: placeCentred(state, desktop, window); break;
    }
}
