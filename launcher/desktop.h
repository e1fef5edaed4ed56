// The Win32 services the launcher calls, behind one small interface: the
// real desktop passes them to Windows, a recording fake in the tests returns
// scripted values. The constants below carry their Win32 names and values.
#pragma once

#include "launcher_state.h"

#include <string>

namespace win {
constexpr int SM_CYCAPTION = 4;
constexpr int SM_CYMENU = 15;
constexpr int SM_CXFULLSCREEN = 16;
constexpr int SM_CYFULLSCREEN = 17;

constexpr int SW_MINIMIZE = 6;
constexpr int SW_RESTORE = 9;
constexpr int SW_SHOWDEFAULT = 10;

constexpr WindowHandle HWND_TOP = 0;
constexpr WindowHandle HWND_BOTTOM = 1;
constexpr unsigned SWP_HIDEWINDOW = 0x80;

constexpr unsigned SEE_MASK_NOCLOSEPROCESS = 0x40;
}  // namespace win

// The fields of a SHELLEXECUTEINFOA that the launcher fills; every other
// field is zero. The desktop adds the record's size.
struct ShellRequest {
    unsigned fMask = 0;
    std::string lpVerb;
    std::string lpFile;
    std::string lpParameters;
    int nShow = 0;
};

struct Point {
    int x = 0;
    int y = 0;
};

struct WindowRectangle {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

class Desktop {
public:
    virtual ~Desktop() = default;

    virtual int GetSystemMetrics(int index) = 0;
    virtual WindowRectangle GetWindowRect(WindowHandle window) = 0;
    virtual Point GetCursorPos() = 0;
    virtual void MoveWindow(WindowHandle window, int x, int y, int width, int height, bool repaint) = 0;
    virtual void ShowWindow(WindowHandle window, int command) = 0;
    virtual void SetWindowPos(WindowHandle window, WindowHandle insertAfter, int x, int y, int width, int height,
                              unsigned flags) = 0;
    // FindWindowA by class name alone (a null window name).
    virtual WindowHandle FindWindowA(const char* className) = 0;
    virtual void Sleep(unsigned milliseconds) = 0;
    virtual bool ShellExecuteExA(const ShellRequest& request) = 0;
    virtual bool DeleteFileA(const char* name) = 0;
    virtual void PostQuitMessage(int exitCode) = 0;
    virtual void SetWindowTextA(WindowHandle window, const std::string& title) = 0;
    virtual void SetTimer(WindowHandle window, unsigned id, unsigned milliseconds) = 0;
    virtual void KillTimer(WindowHandle window, unsigned id) = 0;

    // The window road of the start-up: register the class "pressGo", create
    // the launcher window (0 when that fails), load the accelerator table,
    // update the window, and run the message loop until the quit message,
    // giving its exit code.
    virtual bool registerLauncherClass() = 0;
    virtual WindowHandle createLauncherWindow(LauncherState& state) = 0;
    virtual void* moduleInstance() = 0;
    virtual void loadAccelerators() = 0;
    virtual void UpdateWindow(WindowHandle window) = 0;
    virtual int runMessageLoop(WindowHandle window) = 0;
};
