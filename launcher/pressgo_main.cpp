// pressGo: the graphical launcher's entry point. The command line comes from
// GetCommandLineA; the entry's own copy is not used.
#include "desktop_win32.h"
#include "launcher_state.h"
#include "startup.h"

#include <windows.h>

#include <string>
#include <vector>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    // The tokens are cut out of a copy of the command line.
    std::string commandLine = GetCommandLineA();
    std::vector<char> writable(commandLine.begin(), commandLine.end());
    writable.push_back('\0');

    static LauncherState state;  // lives for the whole process
    Win32Desktop desktop(instance);
    return runLauncher(writable.data(), showCommand, state, desktop);
}
