// The launcher window's behaviour: what each message does, the hit test of
// the start button, the cursor title and the two timers. The Win32 window
// procedure hands every message here and passes on what is not handled.
#pragma once

#include "desktop.h"
#include "launcher_state.h"
#include "resources/resource.h"

#include <cstdint>
#include <string>

namespace launcherWindow {
constexpr unsigned startNowMessage = win::WM_APP + 1;  // 0x8001: start now
constexpr unsigned closeCommand = IDM_CLOSE;
constexpr unsigned helpCommand = IDM_HELP;
constexpr unsigned startCommand = IDM_START;
constexpr unsigned textStripId = IDC_TEXT_STRIP;
constexpr unsigned autoStartTimer = 171;
constexpr unsigned cursorTimer = 172;
constexpr unsigned cursorPeriod = 50;
constexpr int buttonPictureHeight = 107;
constexpr int textStripHeight = 87;
}  // namespace launcherWindow

// Handles a message of the launcher window; false when it is not one of its
// own and goes to the default procedure.
bool handleLauncherMessage(LauncherState& state, Desktop& desktop, WindowHandle window, unsigned message,
                           std::uintptr_t wParam);

// Whether the cursor is over the start button, measured from the window's
// outer top-left corner: x 218 to 281 and y 113 to 138.
bool onStartButton(LauncherState& state, Desktop& desktop);

// Sizes the text strip to the client width, under the button picture.
void fitTextStrip(LauncherState& state, Desktop& desktop, WindowHandle window);

// The timers' work: the one-shot automatic start, and the cursor title.
void fireAutoStart(Desktop& desktop, WindowHandle window);
void showCursorPosition(Desktop& desktop, WindowHandle window);
// The title showCursorPosition sets: the cursor's screen position and whether
// it lies inside the window below the menu bar.
std::string cursorTitle(Desktop& desktop, WindowHandle window);
