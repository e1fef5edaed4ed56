// The start action: open the configured program through the shell, then
// place its console window or leave it alone, and end the launcher or not.
#pragma once

#include "desktop.h"
#include "launcher_state.h"

// Opens file with parameters through the shell's "open" verb.
bool shellOpen(Desktop& desktop, const std::string& file, const std::string& parameters);
// Opens the PDF manual SeekDocs.pdf; the launcher stays open.
void openManual(Desktop& desktop);
// Finds the console window and places it by type; true when the launcher is to end.
bool placeConsole(LauncherState& state, Desktop& desktop, int type);
// The start; true when the launcher ends (the quit message is then posted).
bool startProgram(LauncherState& state, Desktop& desktop);
