#pragma once

// The least a window like Varnix's does: a window of the same client size
// with a two-entry menu, shown. The benchmarks time Varnix's window against
// it, in the process and as a program of its own.
#include "core/form1_layout.h"

#include <windows.h>

inline HWND showBareWindow(HINSTANCE instance, const char* title, int showCommand)
{
    static const bool registered = [instance] {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = instance;
        windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
        windowClass.lpszClassName = "BareBench";
        return RegisterClassA(&windowClass) != 0;
    }();
    (void)registered;
    HMENU bar = CreateMenu();
    for (const char* caption : {"&File", "Se&tup"})
        AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(CreatePopupMenu()), caption);
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT frame{0, 0, varnix::kClientWidthTwips / varnix::kTwipsPerPixel,
               varnix::kClientHeightTwips / varnix::kTwipsPerPixel};
    AdjustWindowRectEx(&frame, style, TRUE, 0);
    HWND window = CreateWindowExA(0, "BareBench", title, style, CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                                  frame.bottom - frame.top, nullptr, bar, instance, nullptr);
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    return window;
}
