// Identifiers of the launcher's commands and child window, shared by the
// resource script and the code.
#pragma once

#define IDM_CLOSE 167      // menu "&Close", F3
#define IDM_HELP 168       // menu "&Help", F1
#define IDM_START 169      // menu "&Start\tF9", F9
#define IDC_TEXT_STRIP 170 // the text strip under the button
