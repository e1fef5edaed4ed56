// The launch configuration pressGo.txt: what to start, with which
// parameter, whether and when to start by itself, and how to treat the
// console window of the started program.
#pragma once

#include "desktop.h"
#include "launcher_state.h"

// Fills the state from pressGo.txt; false, changing nothing, when the file
// cannot be opened.
bool readLaunchConfig(LauncherState& state, Desktop& desktop);
// Sets the defaults in the state and writes them as pressGo.txt.
void writeDefaultLaunchConfig(LauncherState& state);
