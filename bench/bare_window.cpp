// The least a window like Varnix's does: a window of the same client size
// with a two-entry menu, shown and run. bench/win32_start.sh times its start
// against varnix.exe's. It imports only what such a window needs.
#include "core/form1_layout.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand)
{
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = "BareBench";
    RegisterClassA(&windowClass);
    HMENU bar = CreateMenu();
    for (const char* caption : {"&File", "Se&tup"})
        AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(CreatePopupMenu()), caption);
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT frame{0, 0, varnix::kClientWidthTwips / varnix::kTwipsPerPixel,
               varnix::kClientHeightTwips / varnix::kTwipsPerPixel};
    AdjustWindowRectEx(&frame, style, TRUE, 0);
    HWND window = CreateWindowExA(0, "BareBench", "Bare Varnix bench", style, CW_USEDEFAULT, CW_USEDEFAULT,
                                  frame.right - frame.left, frame.bottom - frame.top, nullptr, bar, instance, nullptr);
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    for (MSG message; GetMessageA(&message, nullptr, 0, 0) > 0;)
        DispatchMessageA(&message);
    return 0;
}
