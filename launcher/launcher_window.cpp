#include "launcher_window.h"

#include "start_action.h"

#include <cstdio>

namespace {

const char title[] = "pressGo";
const char versionTitle[] = "pressGo 1.09";

void onCreate(LauncherState& state, Desktop& desktop, WindowHandle window) {
    state.textWindow = desktop.createTextStrip(window);
    desktop.SetWindowTextA(state.textWindow, state.program + state.separator + state.argument);
    fitTextStrip(state, desktop, window);
    state.buttonDown = false;
    if (state.autoStart)
        desktop.SetTimer(window, launcherWindow::autoStartTimer, static_cast<unsigned>(state.autoStartDelay));
    if (state.showCursor) desktop.SetTimer(window, launcherWindow::cursorTimer, launcherWindow::cursorPeriod);
}

void onKeyDown(Desktop& desktop, WindowHandle window, unsigned key) {
    if (key == win::VK_SHIFT)
        desktop.SetWindowTextA(window, title);
    else if (key == win::VK_NEXT)
        desktop.PostQuitMessage(0);  // quits without a start
    else if (key == win::VK_F11)
        desktop.SetWindowTextA(window, versionTitle);
}

void onCommand(LauncherState& state, Desktop& desktop, unsigned command) {
    if (command == launcherWindow::closeCommand)
        desktop.PostQuitMessage(0);
    else if (command == launcherWindow::helpCommand)
        openManual(desktop);
    else if (command == launcherWindow::startCommand)
        startProgram(state, desktop);
}

// A press only chooses the picture; the release decides whether to start.
void onButtonDown(LauncherState& state, Desktop& desktop, WindowHandle window) {
    state.buttonDown = onStartButton(state, desktop);
    if (state.buttonDown) desktop.InvalidateRect(window);
}

void onButtonUp(LauncherState& state, Desktop& desktop, WindowHandle window) {
    state.buttonDown = onStartButton(state, desktop);
    if (state.buttonDown) {
        startProgram(state, desktop);
        state.buttonDown = false;  // the pressed picture stays until the next repaint
    } else {
        desktop.InvalidateRect(window);
    }
}

}  // namespace

bool handleLauncherMessage(LauncherState& state, Desktop& desktop, WindowHandle window, unsigned message,
                           std::uintptr_t wParam) {
    switch (message) {
    case win::WM_CREATE: onCreate(state, desktop, window); return true;
    case win::WM_DESTROY: desktop.PostQuitMessage(0); return true;
    case win::WM_SIZE: fitTextStrip(state, desktop, window); return true;
    case win::WM_PAINT: desktop.paintButton(window, state.buttonDown); return true;
    case win::WM_KEYDOWN: onKeyDown(desktop, window, wParam & 0xFF); return true;
    case win::WM_CHAR:
        if ((wParam & 0xFF) == '-') startProgram(state, desktop);
        return true;
    case launcherWindow::startNowMessage: startProgram(state, desktop); return true;
    case win::WM_COMMAND: onCommand(state, desktop, wParam & 0xFFFF); return true;
    case win::WM_LBUTTONDOWN: onButtonDown(state, desktop, window); return true;
    case win::WM_LBUTTONUP: onButtonUp(state, desktop, window); return true;
    default: return false;
    }
}

bool onStartButton(LauncherState& state, Desktop& desktop) {
    // The cursor is read now; the position the mouse message carries is not used.
    WindowRectangle outer = desktop.GetWindowRect(state.mainWindow);
    Point cursor = desktop.GetCursorPos();
    return outer.left + 217 < cursor.x && cursor.x < outer.left + 282 && outer.top + 112 < cursor.y &&
           cursor.y < outer.top + 139;
}

void fitTextStrip(LauncherState& state, Desktop& desktop, WindowHandle window) {
    WindowRectangle client = desktop.GetClientRect(window);
    desktop.MoveWindow(state.textWindow, 0, launcherWindow::buttonPictureHeight, client.right - client.left,
                       launcherWindow::textStripHeight, true);
}

void fireAutoStart(Desktop& desktop, WindowHandle window) {
    desktop.KillTimer(window, launcherWindow::autoStartTimer);  // once only
    desktop.PostMessageA(window, launcherWindow::startNowMessage);
}

std::string cursorTitle(Desktop& desktop, WindowHandle window) {
    const int frame = desktop.GetSystemMetrics(win::SM_CYFRAME);
    const int caption = desktop.GetSystemMetrics(win::SM_CYCAPTION);
    const int menu = desktop.GetSystemMetrics(win::SM_CYMENU);
    WindowRectangle outer = desktop.GetWindowRect(window);
    Point cursor = desktop.GetCursorPos();
    // Below the caption and the menu bar, within the outer edges sideways.
    bool inside = outer.left < cursor.x && cursor.x < outer.right && outer.top + frame + caption + menu < cursor.y &&
                  cursor.y < outer.bottom - frame;
    char text[64];
    std::snprintf(text, sizeof text, inside ? "%d : %d ( inside ) " : "%d : %d ( outside ) ", cursor.x, cursor.y);
    return text;
}

void showCursorPosition(Desktop& desktop, WindowHandle window) {
    desktop.SetWindowTextA(window, cursorTitle(desktop, window));
}
