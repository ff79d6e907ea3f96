#include "fuzz/fuzz_support.h"

#include <algorithm>

namespace fuzz {

std::vector<std::string> pieces(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> result(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            result.emplace_back();
        else
            result.back() += static_cast<char>(data[i]);
    }
    return result;
}

std::size_t cp932CharacterLength(std::string_view text, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    const bool isLead = (lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC);
    return isLead && at + 1 < text.size() ? 2 : 1;
}

bool isCharacterStart(std::string_view text, std::size_t at)
{
    std::size_t i = 0;
    while (i < at)
        i = varnix::nextCharacter(text, i);
    return i == at;
}

bool DirectoriesOnly::isDirectory(const std::string& path) const
{
    return std::find(m_directories.begin(), m_directories.end(), path) != m_directories.end();
}

}  // namespace fuzz
