// The launcher's desktop services, passed to Win32.
#include "desktop_win32.h"

#include "launcher_window.h"

#include <windows.h>
#include <shellapi.h>

static_assert(sizeof(void*) != 4 || sizeof(SHELLEXECUTEINFOA) == 60, "the 32-bit shell request is 60 bytes");

namespace {

HWND toWindow(WindowHandle window) { return reinterpret_cast<HWND>(window); }
WindowHandle fromWindow(HWND window) { return reinterpret_cast<WindowHandle>(window); }

// The one launcher window's state and desktop, for its procedure and timers.
LauncherState* activeState = nullptr;
Desktop* activeDesktop = nullptr;

// Every message goes to the launcher's own handling first.
LRESULT CALLBACK launcherWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (activeState != nullptr &&
        handleLauncherMessage(*activeState, *activeDesktop, fromWindow(window), message, wParam))
        return 0;
    return DefWindowProcA(window, message, wParam, lParam);
}

void CALLBACK autoStartTimerProcedure(HWND window, UINT, UINT_PTR, DWORD) {
    fireAutoStart(*activeDesktop, fromWindow(window));
}

void CALLBACK cursorTimerProcedure(HWND window, UINT, UINT_PTR, DWORD) {
    showCursorPosition(*activeDesktop, fromWindow(window));
}

}  // namespace

int Win32Desktop::GetSystemMetrics(int index) { return ::GetSystemMetrics(index); }

WindowRectangle Win32Desktop::GetWindowRect(WindowHandle window) {
    RECT rect{};
    ::GetWindowRect(toWindow(window), &rect);
    return {rect.left, rect.top, rect.right, rect.bottom};
}

Point Win32Desktop::GetCursorPos() {
    POINT point{};
    ::GetCursorPos(&point);
    return {point.x, point.y};
}

void Win32Desktop::MoveWindow(WindowHandle window, int x, int y, int width, int height, bool repaint) {
    ::MoveWindow(toWindow(window), x, y, width, height, repaint ? TRUE : FALSE);
}

void Win32Desktop::ShowWindow(WindowHandle window, int command) { ::ShowWindow(toWindow(window), command); }

void Win32Desktop::SetWindowPos(WindowHandle window, WindowHandle insertAfter, int x, int y, int width, int height,
                                unsigned flags) {
    ::SetWindowPos(toWindow(window), toWindow(insertAfter), x, y, width, height, flags);
}

WindowHandle Win32Desktop::FindWindowA(const char* className) { return fromWindow(::FindWindowA(className, nullptr)); }

void Win32Desktop::Sleep(unsigned milliseconds) { ::Sleep(milliseconds); }

bool Win32Desktop::ShellExecuteExA(const ShellRequest& request) {
    SHELLEXECUTEINFOA info{};
    info.cbSize = sizeof(SHELLEXECUTEINFOA);
    info.fMask = request.fMask;
    info.lpVerb = request.lpVerb.c_str();
    info.lpFile = request.lpFile.c_str();
    info.lpParameters = request.lpParameters.c_str();
    info.nShow = request.nShow;
    bool opened = ::ShellExecuteExA(&info) != FALSE;
    if (info.hProcess != nullptr) CloseHandle(info.hProcess);  // the started program is not waited for
    return opened;
}

bool Win32Desktop::DeleteFileA(const char* name) { return ::DeleteFileA(name) != FALSE; }

void Win32Desktop::PostQuitMessage(int exitCode) { ::PostQuitMessage(exitCode); }

void Win32Desktop::SetWindowTextA(WindowHandle window, const std::string& title) {
    ::SetWindowTextA(toWindow(window), title.c_str());
}

void Win32Desktop::SetTimer(WindowHandle window, unsigned id, unsigned milliseconds) {
    // Callback timers: the message loop's dispatch runs their procedures.
    TIMERPROC procedure = id == launcherWindow::autoStartTimer ? autoStartTimerProcedure : cursorTimerProcedure;
    ::SetTimer(toWindow(window), id, milliseconds, procedure);
}

void Win32Desktop::KillTimer(WindowHandle window, unsigned id) { ::KillTimer(toWindow(window), id); }

WindowRectangle Win32Desktop::GetClientRect(WindowHandle window) {
    RECT rect{};
    ::GetClientRect(toWindow(window), &rect);
    return {rect.left, rect.top, rect.right, rect.bottom};
}

void Win32Desktop::PostMessageA(WindowHandle window, unsigned message) { ::PostMessageA(toWindow(window), message, 0, 0); }

void Win32Desktop::InvalidateRect(WindowHandle window) { ::InvalidateRect(toWindow(window), nullptr, TRUE); }

WindowHandle Win32Desktop::createTextStrip(WindowHandle parent) {
    return fromWindow(CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, launcherWindow::buttonPictureHeight,
                                      289, launcherWindow::textStripHeight, toWindow(parent),
                                      reinterpret_cast<HMENU>(static_cast<UINT_PTR>(launcherWindow::textStripId)),
                                      static_cast<HINSTANCE>(instance_), nullptr));
}

void Win32Desktop::paintButton(WindowHandle window, bool pressed) {
    // Loaded afresh for every paint; nothing is cached.
    HBITMAP picture = LoadBitmapA(static_cast<HINSTANCE>(instance_), pressed ? "startDepressed" : "start");
    PAINTSTRUCT paint;
    HDC target = BeginPaint(toWindow(window), &paint);
    HDC source = CreateCompatibleDC(target);
    HGDIOBJ previous = SelectObject(source, picture);
    BitBlt(target, 0, 0, 289, launcherWindow::buttonPictureHeight, source, 0, 0, SRCCOPY);
    SelectObject(source, previous);
    EndPaint(toWindow(window), &paint);
    DeleteDC(source);
    if (picture != nullptr) DeleteObject(picture);
}

bool Win32Desktop::registerLauncherClass() {
    HINSTANCE instance = static_cast<HINSTANCE>(instance_);
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(WNDCLASSEXA);
    windowClass.style = 0;
    windowClass.lpfnWndProc = launcherWindowProcedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, "OrvexIcon");
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszMenuName = "pressGoMenu";
    windowClass.lpszClassName = "pressGo";
    return RegisterClassExA(&windowClass) != 0;
}

WindowHandle Win32Desktop::createLauncherWindow(LauncherState& state) {
    // The creation message arrives inside CreateWindowExA.
    activeState = &state;
    activeDesktop = this;
    return fromWindow(CreateWindowExA(0, "pressGo", "pressGo", WS_CAPTION | WS_SYSMENU, state.initialX, state.initialY,
                                      state.windowWidth, state.windowHeight, nullptr, nullptr,
                                      static_cast<HINSTANCE>(instance_), nullptr));
}

void Win32Desktop::loadAccelerators() { accelerators_ = LoadAcceleratorsA(static_cast<HINSTANCE>(instance_), "pressGoMenu"); }

void Win32Desktop::UpdateWindow(WindowHandle window) { ::UpdateWindow(toWindow(window)); }

int Win32Desktop::runMessageLoop(WindowHandle window) {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (TranslateAcceleratorA(toWindow(window), static_cast<HACCEL>(accelerators_), &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
