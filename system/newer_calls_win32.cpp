#include "system/newer_calls.h"

namespace varnix {
namespace {

// Whether the system is at least `major`.`minor`. Up to Windows 8 it tells
// its own version; later ones say 6.2 or 6.3 (the manifest names them),
// which is newer than anything asked here.
bool atLeast(unsigned major, unsigned minor)
{
    const DWORD version = GetVersion();
    const unsigned systemMajor = LOBYTE(LOWORD(version)), systemMinor = HIBYTE(LOWORD(version));
    return systemMajor > major || (systemMajor == major && systemMinor >= minor);
}

}  // namespace

NewerKernelCalls& newerKernelCalls()
{
    // Constant-initialized, so no guard: the thread library's waits reach
    // this through tickCount64, and a guarded static would wait in them. The
    // first caller looks the calls up; any other waits here until it is done.
    constinit static NewerKernelCalls calls{};
    constinit static volatile LONG state = 0;  // 0 not looked up, 1 looking, 2 ready
    if (state != 2) {
        if (InterlockedCompareExchange(&state, 1, 0) == 0) {
            lookUp(calls.getFinalPathNameByHandleA, L"kernel32.dll", "GetFinalPathNameByHandleA");
            lookUp(calls.getTickCount64, L"kernel32.dll", "GetTickCount64");
            calls.basicLargeFind = atLeast(6, 1);
            InterlockedExchange(&state, 2);
        }
        while (state != 2)
            Sleep(0);
    }
    return calls;
}

ULONGLONG WINAPI tickCount64()
{
    if (const auto getTickCount64 = newerKernelCalls().getTickCount64)
        return getTickCount64();
    // Threads wait in turn: each reads the count and carries it past a wrap
    // alone, or a count read just before another's would look wrapped.
    // Constant-initialized, like the table: no guard that would wait.
    constinit static volatile LONG busy = 0;
    constinit static DWORD last = 0;
    constinit static ULONGLONG wrapped = 0;
    while (InterlockedCompareExchange(&busy, 1, 0) != 0)
        Sleep(0);
    const DWORD now = GetTickCount();
    if (now < last)
        wrapped += 1ULL << 32;
    last = now;
    const ULONGLONG count = wrapped + now;
    InterlockedExchange(&busy, 0);
    return count;
}

}  // namespace varnix

// The thread library (winpthreads, built for Vista) imports GetTickCount64
// for its waits. This definition of the import's address comes first in the
// link, so the library calls tickCount64 and varnix.exe imports nothing XP
// lacks.
#ifdef _WIN64
extern "C" ULONGLONG(WINAPI* const varnixGetTickCount64Import)() __asm__("__imp_GetTickCount64");
#else
extern "C" ULONGLONG(WINAPI* const varnixGetTickCount64Import)() __asm__("__imp__GetTickCount64@0");
#endif
extern "C" ULONGLONG(WINAPI* const varnixGetTickCount64Import)() = varnix::tickCount64;
