// Where the launcher window goes: the centre of the screen or a corner.
#pragma once

#include "desktop.h"
#include "launcher_state.h"

void placeTopLeft(LauncherState& state, Desktop& desktop, WindowHandle window);
void placeTopRight(LauncherState& state, Desktop& desktop, WindowHandle window);
void placeBottomRight(LauncherState& state, Desktop& desktop, WindowHandle window);
void placeBottomLeft(LauncherState& state, Desktop& desktop, WindowHandle window);
void placeCentred(LauncherState& state, Desktop& desktop, WindowHandle window);

// The placement that placementMode chooses: 1 to 4 a corner, else the centre.
void placeByMode(LauncherState& state, Desktop& desktop, WindowHandle window);

// The centre for a window of the given size, as the screen measures give
// it; each halving truncates on its own.
Point centredPosition(Desktop& desktop, int width, int height);
