#pragma once

#include <windows.h>

// Windows 8.1 sends it when the window's monitor changes DPI; older systems
// never do. The floor's headers do not name it.
#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

namespace varnix {

// The calls of Windows versions newer than XP that the window uses, looked
// up when first needed. A call the system lacks is null, and
// the functions below take the older system's way; a test empties the table
// to take that way on any system.
struct NewerSystemCalls {
    UINT(WINAPI* getDpiForWindow)(HWND) = nullptr;                                   // Windows 10 1607
    BOOL(WINAPI* adjustWindowRectExForDpi)(RECT*, DWORD, BOOL, DWORD, UINT) = nullptr;  // Windows 10 1607
    // LoadLibraryExW takes LOAD_LIBRARY_SEARCH_SYSTEM32: Windows 8, or Vista and 7
    // with KB2533623; XP refuses it.
    bool searchSystem32 = false;
    // Vista's folder dialog (a COM class, asked for when Browse is first
    // pressed; a system without it gets the older one all the same). Off,
    // the older dialog, XP's, is taken.
    bool modernFolderDialog = false;
};
NewerSystemCalls& newerSystemCalls();

// The DPI the system scales windows for: the screen's.
UINT systemDpi();
// The DPI of the monitor `window` is on, where the system tells it per
// window; else the system's.
UINT windowDpi(HWND window);
// Grows a client rectangle to the frame around it at `dpi`.
void adjustFrameForDpi(RECT& rect, DWORD style, bool menu, UINT dpi);
// A DLL of the system's own folder, never one of the current directory (a
// ROM folder) or the program's. Null when it cannot be loaded.
HMODULE loadSystemLibrary(const wchar_t* name);

}  // namespace varnix
