#include "launch/windows_error.h"

#ifdef _WIN32

#include <windows.h>

namespace varnix {

std::string windowsErrorText(unsigned long code)
{
    char* buffer = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
        0, reinterpret_cast<LPSTR>(&buffer), 0, nullptr);
    std::string text = length ? std::string(buffer, length) : "error " + std::to_string(code);
    LocalFree(buffer);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ' || text.back() == '.'))
        text.pop_back();
    return text;
}

namespace {

// Keeps the system's text, which libstdc++'s category may not know.
class WindowsCategory final : public std::error_category {
public:
    const char* name() const noexcept override { return "windows"; }
    std::string message(int code) const override { return windowsErrorText(static_cast<unsigned long>(code)); }
};

}  // namespace

std::system_error windowsError(unsigned long code, const std::string& what)
{
    static const WindowsCategory category;
    return std::system_error(static_cast<int>(code), category, what);
}

}  // namespace varnix

#endif
