#include "system/short_path.h"

#include "core/command_line.h"
#include "core/fixed_field.h"

#include <windows.h>

namespace varnix {

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

}  // namespace varnix
