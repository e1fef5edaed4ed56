// LauncherState: the launcher's one process-wide record of settings and
// window handles. Every part of the launcher reads and writes it directly.
#pragma once

#include <cstdint>
#include <string>

using WindowHandle = std::uintptr_t;  // a window of the desktop; 0 is none

struct LauncherState {
    bool autoStart = false;       // start by itself autoStartDelay ms after the window is created
    bool buttonDown = false;      // the start button is drawn pressed
    bool showCursor = false;      // the title shows the cursor; a start in a corner mode keeps the launcher open
    std::string separator = " ";  // between program and argument, in the file and the text strip
    void* instance = nullptr;     // the module instance
    WindowHandle mainWindow = 0;  // the launcher window
    WindowHandle textWindow = 0;  // the text strip under the button
    std::int32_t consoleHeight = 0;
    std::int32_t consoleWidth = 0;
    std::int32_t consoleType = 0;  // 0 to 3: how a start places the console window
    std::int32_t windowWidth = 0;
    std::int32_t windowHeight = 0;
    std::int32_t initialX = 0;
    std::int32_t initialY = 0;
    std::int32_t autoStartDelay = 0;  // milliseconds
    std::int32_t placementMode = 0;   // 0 centred, 1 to 4 the corners; not 0: the console is left alone
    std::string program;              // what a start opens through the shell
    std::string argument;             // the parameter handed over with it
};
