#pragma once

#include <windows.h>

namespace varnix {

// Points `function` at `name` in `library`, a DLL the process has loaded
// already; leaves it null where the system lacks the function.
template <class Function>
void lookUp(Function*& function, const wchar_t* library, const char* name)
{
    if (HMODULE module = GetModuleHandleW(library))
        function = reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// The kernel's calls and arguments newer than Windows XP that Varnix and the
// thread library linked into it use, found out when first needed. A call the
// system lacks is null and an argument it refuses is off: the functions that
// use them take XP's way. A test empties the table to take it on any system.
struct NewerKernelCalls {
    DWORD(WINAPI* getFinalPathNameByHandleA)(HANDLE, LPSTR, DWORD, DWORD) = nullptr;  // Vista
    ULONGLONG(WINAPI* getTickCount64)() = nullptr;                                      // Vista
    // FindFirstFileExW takes FindExInfoBasic and FIND_FIRST_EX_LARGE_FETCH:
    // Windows 7. XP and Vista refuse either with ERROR_INVALID_PARAMETER.
    bool basicLargeFind = false;
};
NewerKernelCalls& newerKernelCalls();

// Milliseconds since the system started, in 64 bits: GetTickCount64 where
// the system has it; on XP its 32-bit count, carried on past each wrap (every
// 49.7 days). The thread library's waits measure their time with it.
ULONGLONG WINAPI tickCount64();

}  // namespace varnix
