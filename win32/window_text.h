#pragma once

#include <windows.h>

#include <string>

namespace varnix {

// A window's text as the system's 8-bit bytes.
inline std::string windowText(HWND window)
{
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace varnix
