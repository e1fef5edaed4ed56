// The launcher's start-up: the command line's options, then one road: the
// version report, the help, or the window with its message loop.
#pragma once

#include "desktop.h"
#include "launcher_state.h"

// Runs the launcher over its command line (cut in place, so writable) and
// returns the exit code, 0 on every road.
int runLauncher(char* commandLine, int showCommand, LauncherState& state, Desktop& desktop);
