#include "start_action.h"

#include "placement.h"

namespace {
constexpr int consoleSearches = 50;
constexpr unsigned searchPause = 600;  // milliseconds between two searches
}  // namespace

bool shellOpen(Desktop& desktop, const std::string& file, const std::string& parameters) {
    // The texts go to the shell whole, however long: a cut name would open another file.
    ShellRequest request;
    request.fMask = win::SEE_MASK_NOCLOSEPROCESS;
    request.lpVerb = "open";
    request.lpFile = file;
    request.lpParameters = parameters;
    request.nShow = win::SW_SHOWDEFAULT;
    return desktop.ShellExecuteExA(request);
}

void openManual(Desktop& desktop) { shellOpen(desktop, "SeekDocs.pdf", ""); }

bool placeConsole(LauncherState& state, Desktop& desktop, int type) {
    // The screen is measured before the search, as it is when the start begins.
    const Point position = centredPosition(desktop, state.consoleWidth, state.consoleHeight);
    WindowHandle console = desktop.FindWindowA("ConsoleWindowClass");
    for (int search = 1; console == 0 && search < consoleSearches; ++search) {
        desktop.Sleep(searchPause);
        console = desktop.FindWindowA("ConsoleWindowClass");
    }
    const bool launcherEnds = type != 3;
    if (console == 0) return launcherEnds;

    desktop.ShowWindow(console, win::SW_RESTORE);
    WindowHandle insertAfter = type == 1 || type == 2 || type == 3 ? win::HWND_BOTTOM : win::HWND_TOP;
    unsigned flags = type == 3 ? win::SWP_HIDEWINDOW : 0;
    desktop.SetWindowPos(console, insertAfter, position.x, position.y, state.consoleWidth, state.consoleHeight, flags);
    if (type == 1) desktop.ShowWindow(console, win::SW_MINIMIZE);
    return launcherEnds;
}

bool startProgram(LauncherState& state, Desktop& desktop) {
    shellOpen(desktop, state.program, state.argument);  // the launcher goes on either way
    bool ends = state.placementMode != 0 ? !state.showCursor : placeConsole(state, desktop, state.consoleType);
    if (ends) desktop.PostQuitMessage(0);
    return ends;
}
