#pragma once

#include "system/windows_error.h"
#include "win32/system_calls.h"

#include <windows.h>

namespace varnix {

// A function of a system DLL that the window needs only now and then (the
// Open dialog, the shell), loaded when it is asked for, so that the window
// comes up without the DLL. Only from the system's own folder: the current
// directory is a ROM folder. Throws Failure when it cannot be had.
template <class Function>
Function* systemFunction(const wchar_t* library, const char* name)
{
    HMODULE module = loadSystemLibrary(library);
    const auto found = module ? reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(module, name)))
                              : nullptr;
    if (!found)
        throw windowsFailure(GetLastError(), std::string("cannot load ") + name);
    return found;
}

}  // namespace varnix
