#include "core/characters.h"

#include <algorithm>

namespace varnix {
namespace {

CharacterLength g_characterLength = nullptr;

}  // namespace

void setCharacterLength(CharacterLength rule)
{
    g_characterLength = rule;
}

bool hasCharacterLength()
{
    return g_characterLength != nullptr;
}

std::size_t nextCharacter(std::string_view text, std::size_t at)
{
    if (!g_characterLength)
        return at + 1;
    return at + std::clamp<std::size_t>(g_characterLength(text, at), 1, text.size() - at);
}

std::size_t nextWholeCharacter(std::string_view text, std::size_t at)
{
    return g_characterLength ? nextCharacter(text, at) : at + utf8CharacterLength(text, at);
}

std::size_t utf8CharacterLength(std::string_view text, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = (lead & 0xE0) == 0xC0 ? 2 : (lead & 0xF0) == 0xE0 ? 3 : (lead & 0xF8) == 0xF0 ? 4 : 1;
    if (at + length > text.size())
        return 1;
    for (std::size_t i = at + 1; i < at + length; ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            return 1;
    }
    return length;
}

}  // namespace varnix
