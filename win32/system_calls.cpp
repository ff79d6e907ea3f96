#include "win32/system_calls.h"

#include "system/newer_calls.h"

#include <string>

namespace varnix {

NewerSystemCalls& newerSystemCalls()
{
    static NewerSystemCalls calls = [] {
        NewerSystemCalls found;
        lookUp(found.getDpiForWindow, L"user32.dll", "GetDpiForWindow");
        lookUp(found.adjustWindowRectExForDpi, L"user32.dll", "AdjustWindowRectExForDpi");
        // The search flags came with AddDllDirectory, in the same update.
        void (*addDllDirectory)() = nullptr;
        lookUp(addDllDirectory, L"kernel32.dll", "AddDllDirectory");
        found.searchSystem32 = addDllDirectory != nullptr;
        found.modernFolderDialog = true;
        return found;
    }();
    return calls;
}

UINT systemDpi()
{
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : 96;
}

UINT windowDpi(HWND window)
{
    const auto getDpiForWindow = newerSystemCalls().getDpiForWindow;
    const UINT dpi = getDpiForWindow ? getDpiForWindow(window) : 0;
    return dpi ? dpi : systemDpi();
}

void adjustFrameForDpi(RECT& rect, DWORD style, bool menu, UINT dpi)
{
    if (const auto adjust = newerSystemCalls().adjustWindowRectExForDpi)
        adjust(&rect, style, menu, 0, dpi);
    else  // frames at the system's DPI: the only one such a system has
        AdjustWindowRectEx(&rect, style, menu, 0);
}

HMODULE loadSystemLibrary(const wchar_t* name)
{
    if (newerSystemCalls().searchSystem32)
        return LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    std::wstring path(MAX_PATH, L'\0');
    const UINT length = GetSystemDirectoryW(path.data(), static_cast<UINT>(path.size()));
    if (length == 0 || length >= path.size())
        return nullptr;
    path.resize(length);
    path += L'\\';
    path += name;
    // Its own dependencies are looked for beside it first.
    return LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

}  // namespace varnix
