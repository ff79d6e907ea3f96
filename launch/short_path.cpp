#include "launch/short_path.h"

#include "launch/command_line.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace varnix {

std::string CutAtNul(const std::string& text)
{
    return text.substr(0, text.find('\0'));
}

#ifdef _WIN32

std::string ShortPath(std::string path)
{
    constexpr DWORD kBufferSize = 300;
    std::string buffer(kBufferSize, '\0');
    // A short form longer than the buffer is not provided for: the call then
    // returns the size it needs and leaves the buffer empty.
    if (GetShortPathNameA(path.c_str(), buffer.data(), kBufferSize) == 0)
        return {};
    // A volume without short names gives the long name back, blanks and all.
    return quotedWhereNeeded(CutAtNul(buffer));
}

#else

std::string ShortPath(std::string path)
{
    struct stat status {};
    if (path.empty() || path.find('\0') != std::string::npos || stat(path.c_str(), &status) != 0)
        return {};
    return asOneArgument(path);
}

#endif

}  // namespace varnix
