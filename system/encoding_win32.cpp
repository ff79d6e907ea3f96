#include "system/encoding.h"

#include "core/fixed_field.h"

#include <windows.h>

namespace varnix {
namespace {

std::size_t ansiBoundaryAtOrBefore(std::string_view text, std::size_t width)
{
    if (GetACP() == CP_UTF8)
        return utf8BoundaryAtOrBefore(text, width);
    // Other ANSI code pages are single-byte except the East Asian double-byte
    // ones.
    std::size_t i = 0;
    while (i < width) {
        const std::size_t step = IsDBCSLeadByte(static_cast<BYTE>(text[i])) ? 2 : 1;
        if (i + step > width)
            return i;
        i += step;
    }
    return width;
}

}  // namespace

void useSystemEncoding()
{
    setCharacterBoundary(ansiBoundaryAtOrBefore);
}

}  // namespace varnix
