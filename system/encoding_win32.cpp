#include "system/encoding.h"

#include "core/characters.h"

#include <windows.h>

namespace varnix {
namespace {

// ANSI code pages are single-byte but for the East Asian double-byte ones,
// where a lead byte and the byte after it are one character.
std::size_t ansiCharacterLength(std::string_view text, std::size_t at)
{
    return IsDBCSLeadByte(static_cast<BYTE>(text[at])) ? 2 : 1;
}

}  // namespace

void useSystemEncoding()
{
    setCharacterLength(GetACP() == CP_UTF8 ? utf8CharacterLength : ansiCharacterLength);
}

}  // namespace varnix
