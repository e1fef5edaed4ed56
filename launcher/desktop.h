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

constexpr int SM_CYFRAME = 33;

constexpr unsigned WM_CREATE = 0x0001;
constexpr unsigned WM_DESTROY = 0x0002;
constexpr unsigned WM_SIZE = 0x0005;
constexpr unsigned WM_PAINT = 0x000F;
constexpr unsigned WM_KEYDOWN = 0x0100;
constexpr unsigned WM_CHAR = 0x0102;
constexpr unsigned WM_COMMAND = 0x0111;
constexpr unsigned WM_LBUTTONDOWN = 0x0201;
constexpr unsigned WM_LBUTTONUP = 0x0202;
constexpr unsigned WM_APP = 0x8000;

constexpr unsigned VK_SHIFT = 0x10;
constexpr unsigned VK_NEXT = 0x22;
constexpr unsigned VK_F11 = 0x7A;
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
    virtual WindowRectangle GetClientRect(WindowHandle window) = 0;
    // PostMessageA with wParam and lParam 0.
    virtual void PostMessageA(WindowHandle window, unsigned message) = 0;
    // InvalidateRect of the whole client area, with erasing.
    virtual void InvalidateRect(WindowHandle window) = 0;
    // The text strip: a STATIC child with identifier 170, 289 x 87 at (0, 107).
    virtual WindowHandle createTextStrip(WindowHandle parent) = 0;
    // Draws the bitmap "startDepressed" when pressed, else "start", loaded afresh.
    virtual void paintButton(WindowHandle window, bool pressed) = 0;

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
