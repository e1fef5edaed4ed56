// The desktop of a real Windows session.
#pragma once

#include "desktop.h"

class Win32Desktop : public Desktop {
public:
    explicit Win32Desktop(void* instance) : instance_(instance) {}

    int GetSystemMetrics(int index) override;
    WindowRectangle GetWindowRect(WindowHandle window) override;
    Point GetCursorPos() override;
    void MoveWindow(WindowHandle window, int x, int y, int width, int height, bool repaint) override;
    void ShowWindow(WindowHandle window, int command) override;
    void SetWindowPos(WindowHandle window, WindowHandle insertAfter, int x, int y, int width, int height,
                      unsigned flags) override;
    WindowHandle FindWindowA(const char* className) override;
    void Sleep(unsigned milliseconds) override;
    bool ShellExecuteExA(const ShellRequest& request) override;
    bool DeleteFileA(const char* name) override;
    void PostQuitMessage(int exitCode) override;
    void SetWindowTextA(WindowHandle window, const std::string& title) override;
    void SetTimer(WindowHandle window, unsigned id, unsigned milliseconds) override;
    void KillTimer(WindowHandle window, unsigned id) override;
    WindowRectangle GetClientRect(WindowHandle window) override;
    void PostMessageA(WindowHandle window, unsigned message) override;
    void InvalidateRect(WindowHandle window) override;
    WindowHandle createTextStrip(WindowHandle parent) override;
    void paintButton(WindowHandle window, bool pressed) override;

    bool registerLauncherClass() override;
    WindowHandle createLauncherWindow(LauncherState& state) override;
    void* moduleInstance() override { return instance_; }
    void loadAccelerators() override;
    void UpdateWindow(WindowHandle window) override;
    int runMessageLoop(WindowHandle window) override;

private:
    void* instance_;
    void* accelerators_ = nullptr;
};
