#include "startup.h"

#include "launch_config.h"
#include "placement.h"
#include "split.h"
#include "start_action.h"
#include "version_report.h"

#include <cstring>

namespace {

// What the options ask for, kept while the command line is examined.
struct Requests {
    bool help = false;
    bool manualStart = false;
    bool cursor = false;
    bool versionReport = false;
    bool commentedReport = false;
};

// A token holding "-c" sets the placement mode from its trailing digits;
// only "-c" followed by digits alone asks for a manual start too.
void takePlacementToken(const char* token, LauncherState& state, Requests& requests) {
    Numbered numbered(token);
    state.placementMode = numbered.number();
    if (numbered.prefixText() == "-c")
        requests.manualStart = true;
    else
        state.placementMode = 0;
}

Requests examineOptions(char* commandLine, LauncherState& state) {
    Requests requests;
    Split split(commandLine, " ", true);
    for (int i = 0; i < split.count; ++i) {
        const char* token = split.tokens[i];
        if (std::strcmp(token, "-a") == 0 || std::strcmp(token, "-p") == 0) {
            requests.help = true;
        } else if (std::strcmp(token, "-s-") == 0) {
            requests.manualStart = true;
        } else if (std::strcmp(token, "-w") == 0) {
            requests.cursor = true;
        } else if (std::strcmp(token, "-V") == 0 || std::strcmp(token, "-VC") == 0) {
            // The report ends the run at once; later tokens are not looked at.
            requests.versionReport = true;
            requests.commentedReport = token[2] == 'C';
            break;
        } else if (std::strstr(token, "-c") != nullptr) {
            takePlacementToken(token, state, requests);
        }
    }
    return requests;
}

}  // namespace

int runLauncher(char* commandLine, int showCommand, LauncherState& state, Desktop& desktop) {
    const Requests requests = examineOptions(commandLine, state);
    if (requests.versionReport) {
        writeVersionReport(requests.commentedReport);
        return 0;
    }
    if (requests.help) {
        state.program = "SeekDocs.pdf";
        state.argument = "";
        shellOpen(desktop, state.program, state.argument);
        return 0;
    }

    if (readLaunchConfig(state, desktop)) {
        if (requests.manualStart) state.autoStart = false;
        state.showCursor = requests.cursor;
    } else {
        writeDefaultLaunchConfig(state);  // -s- and -w have no effect on this run
    }
    desktop.DeleteFileA("VEX");  // most often there is none

    if (!desktop.registerLauncherClass()) return 0;
    state.windowWidth = 289;
    state.windowHeight = 203;
    state.initialX = 368;
    state.initialY = 283;
    WindowHandle window = desktop.createLauncherWindow(state);
    if (window == 0) return 0;  // no window could end a message loop
    state.mainWindow = window;
    state.instance = desktop.moduleInstance();
    desktop.loadAccelerators();
    placeByMode(state, desktop, window);
    desktop.ShowWindow(window, showCommand);
    desktop.UpdateWindow(window);
    return desktop.runMessageLoop(window);
}
