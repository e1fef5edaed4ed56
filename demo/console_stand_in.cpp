// Stands in for a program that opens a console window, such as the Java
// runtime starting Orvex, in the demo and in the launcher's end-to-end runs:
// it shows a top-level window of class "ConsoleWindowClass", titled and
// labelled with its arguments, and writes, to stand_in.log in the
// current directory, every z-order request it receives and, every 100 ms,
// where it is and whether it is visible or minimised. It ends by itself
// after the number of seconds given as its first argument (default 8),
// logging "ended" last.
// With the argument "metrics" it only logs the screen measures and ends.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

std::FILE* logFile = nullptr;

void writeState(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    std::fprintf(logFile, "state %ld %ld %ld %ld visible=%d minimised=%d\n", rect.left, rect.top,
                 rect.right - rect.left, rect.bottom - rect.top, IsWindowVisible(window) ? 1 : 0,
                 IsIconic(window) ? 1 : 0);
    std::fflush(logFile);
}

LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_WINDOWPOSCHANGING) {
        const WINDOWPOS* position = reinterpret_cast<const WINDOWPOS*>(lParam);
        if ((position->flags & SWP_NOZORDER) == 0) {
            const char* after = position->hwndInsertAfter == HWND_BOTTOM ? "bottom"
                                : position->hwndInsertAfter == HWND_TOP  ? "top"
                                                                         : "other";
            std::fprintf(logFile, "insert-after %s flags=0x%x\n", after, position->flags);
            std::fflush(logFile);
        }
    } else if (message == WM_TIMER) {
        writeState(window);
        return 0;
    } else if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC context = BeginPaint(window, &paint);
        RECT client{};
        GetClientRect(window, &client);
        char label[512];
        GetWindowTextA(window, label, sizeof label);
        DrawTextA(context, label, -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        EndPaint(window, &paint);
        return 0;
    } else if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    logFile = std::fopen("stand_in.log", "a");
    if (logFile == nullptr) return 1;
    std::fprintf(logFile, "started %s\n", commandLine);
    // The screen as the launcher measures it, to check its arithmetic against.
    std::fprintf(logFile, "metrics %d %d %d %d\n", GetSystemMetrics(SM_CXFULLSCREEN), GetSystemMetrics(SM_CYFULLSCREEN),
                 GetSystemMetrics(SM_CYMENU), GetSystemMetrics(SM_CYCAPTION));
    std::fflush(logFile);
    if (std::strcmp(commandLine, "metrics") == 0) {
        std::fclose(logFile);
        return 0;
    }
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = "ConsoleWindowClass";
    RegisterClassA(&windowClass);
    char title[512];
    std::snprintf(title, sizeof title, "Console stand-in, started with: %s", commandLine);
    HWND window = CreateWindowExA(0, "ConsoleWindowClass", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 500, 300,
                                  nullptr, nullptr, instance, nullptr);
    std::fprintf(logFile, "shown\n");  // z-order requests before this line are the window's own showing
    std::fflush(logFile);
    int seconds = std::atoi(commandLine);
    SetTimer(window, 1, 100, nullptr);
    SetTimer(window, 2, static_cast<UINT>((seconds > 0 ? seconds : 8) * 1000), nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER && message.wParam == 2) break;
        DispatchMessageA(&message);
    }
    writeState(window);
    std::fprintf(logFile, "ended\n");
    std::fclose(logFile);
    return 0;
}
