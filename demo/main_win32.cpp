// The stand-in emulator for Windows. It shows the arguments and the working
// directory it was started with; when VARNIX_DEMO_LOG names a file it
// appends them to it as one JSON line instead, and ends at once.
#include "demo/demo_log.h"

#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::string currentDirectory()
{
    std::string directory(GetCurrentDirectoryA(0, nullptr), '\0');
    directory.resize(GetCurrentDirectoryA(static_cast<DWORD>(directory.size()), directory.data()));
    return directory;
}

LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SIZE:  // the text fills the window
        MoveWindow(GetWindow(window, GW_CHILD), 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

int showWindow(HINSTANCE instance, const std::vector<std::string>& arguments, const std::string& directory)
{
    std::string text = "Started with these arguments:\r\n";
    for (std::size_t i = 0; i < arguments.size(); ++i)
        text += "argv[" + std::to_string(i) + "]  " + arguments[i] + "\r\n";
    text += "\r\nIn the directory:\r\n" + directory + "\r\n";

    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = windowProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = "VarnixDemoEmulator";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, windowClass.lpszClassName, "Varnix demo emulator", WS_OVERLAPPEDWINDOW,
                                  CW_USEDEFAULT, CW_USEDEFAULT, 480, 260, nullptr, nullptr, instance, nullptr);
    HWND shown = CreateWindowExA(0, "EDIT", text.c_str(),
                                 WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL,
                                 0, 0, 0, 0, window, nullptr, instance, nullptr);
    SendMessageA(shown, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    ShowWindow(window, SW_SHOWNORMAL);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    // The C runtime's arguments: the command line split by the system's rules.
    const std::vector<std::string> arguments(__argv, __argv + __argc);
    const char* logPath = std::getenv("VARNIX_DEMO_LOG");
    if (logPath && *logPath)
        return varnix::demo::appendLine(logPath, varnix::demo::logLine(arguments, currentDirectory())) ? 0 : 1;
    return showWindow(instance, arguments, currentDirectory());
}
