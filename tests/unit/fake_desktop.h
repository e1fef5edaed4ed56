// A desktop for tests: returns scripted screen measures and outcomes, and
// records every action the launcher asks of it, with its arguments.
#pragma once

#include "desktop.h"

#include <string>
#include <vector>

class FakeDesktop : public Desktop {
public:
    // The screen: full-screen client area, menu and caption heights.
    int cxFullScreen = 1024;
    int cyFullScreen = 705;
    int cyMenu = 19;
    int cyCaption = 23;
    // The search that first finds a console window (1 = the first); 0 never.
    int consoleFoundOnSearch = 1;
    WindowHandle consoleWindow = 77;
    bool shellSucceeds = true;
    int cyFrame = 4;
    // Where the launcher window lies, its client size, and the cursor.
    WindowRectangle windowRectangle{100, 200, 389, 403};
    WindowRectangle clientRectangle{0, 0, 281, 153};
    Point cursor{0, 0};
    bool registrationSucceeds = true;
    bool creationSucceeds = true;
    WindowHandle launcherWindow = 5;
    WindowHandle textStrip = 9;

    std::vector<std::string> calls;
    std::vector<ShellRequest> shellRequests;
    int searches = 0;

    int GetSystemMetrics(int index) override {
        switch (index) {
        case win::SM_CXFULLSCREEN: return cxFullScreen;
        case win::SM_CYFULLSCREEN: return cyFullScreen;
        case win::SM_CYMENU: return cyMenu;
        case win::SM_CYCAPTION: return cyCaption;
        case win::SM_CYFRAME: return cyFrame;
        default: return 0;
        }
    }
    WindowRectangle GetWindowRect(WindowHandle) override { return windowRectangle; }
    Point GetCursorPos() override { return cursor; }
    void MoveWindow(WindowHandle window, int x, int y, int width, int height, bool repaint) override {
        record("MoveWindow", window, x, y, width, height, repaint);
    }
    void ShowWindow(WindowHandle window, int command) override { record("ShowWindow", window, command); }
    void SetWindowPos(WindowHandle window, WindowHandle insertAfter, int x, int y, int width, int height,
                      unsigned flags) override {
        record("SetWindowPos", window, insertAfter, x, y, width, height, flags);
    }
    WindowHandle FindWindowA(const char* className) override {
        calls.push_back(std::string("FindWindowA(") + className + ")");
        ++searches;
        return consoleFoundOnSearch != 0 && searches >= consoleFoundOnSearch ? consoleWindow : 0;
    }
    void Sleep(unsigned milliseconds) override { record("Sleep", milliseconds); }
    bool ShellExecuteExA(const ShellRequest& request) override {
        calls.push_back("ShellExecuteExA(" + request.lpFile + ", " + request.lpParameters + ")");
        shellRequests.push_back(request);
        return shellSucceeds;
    }
    bool DeleteFileA(const char* name) override {
        calls.push_back(std::string("DeleteFileA(") + name + ")");
        return false;
    }
    void PostQuitMessage(int exitCode) override { record("PostQuitMessage", exitCode); }
    void SetWindowTextA(WindowHandle window, const std::string& title) override {
        calls.push_back("SetWindowTextA(" + std::to_string(window) + ", " + title + ")");
    }
    void SetTimer(WindowHandle window, unsigned id, unsigned milliseconds) override {
        record("SetTimer", window, id, milliseconds);
    }
    void KillTimer(WindowHandle window, unsigned id) override { record("KillTimer", window, id); }
    WindowRectangle GetClientRect(WindowHandle) override { return clientRectangle; }
    void PostMessageA(WindowHandle window, unsigned message) override { record("PostMessageA", window, message); }
    void InvalidateRect(WindowHandle window) override { record("InvalidateRect", window); }
    WindowHandle createTextStrip(WindowHandle parent) override {
        record("createTextStrip", parent);
        return textStrip;
    }
    void paintButton(WindowHandle window, bool pressed) override { record("paintButton", window, pressed); }

    bool registerLauncherClass() override {
        calls.push_back("registerLauncherClass()");
        return registrationSucceeds;
    }
    WindowHandle createLauncherWindow(LauncherState& state) override {
        record("createLauncherWindow", state.initialX, state.initialY, state.windowWidth, state.windowHeight);
        return creationSucceeds ? launcherWindow : 0;
    }
    void* moduleInstance() override { return this; }
    void loadAccelerators() override { calls.push_back("loadAccelerators()"); }
    void UpdateWindow(WindowHandle window) override { record("UpdateWindow", window); }
    int runMessageLoop(WindowHandle window) override {
        record("runMessageLoop", window);
        return 0;
    }

    // The calls whose name begins with prefix.
    std::vector<std::string> callsOf(const std::string& prefix) const {
        std::vector<std::string> found;
        for (const std::string& call : calls)
            if (call.compare(0, prefix.size(), prefix) == 0) found.push_back(call);
        return found;
    }

private:
    template <typename... Arguments>
    void record(const char* name, Arguments... arguments) {
        std::string call;
        ((call += (call.empty() ? "" : ", ") + std::to_string(static_cast<long long>(arguments))), ...);
        calls.push_back(std::string(name) + "(" + call + ")");
    }
};
