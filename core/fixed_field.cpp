#include "core/fixed_field.h"

#include "core/characters.h"

namespace varnix {

// Where a cut at `width` must move back to so that a UTF-8 character is not
// split. Only a well-formed sequence that straddles the cut is moved; stray
// bytes from a foreign file stay bytes.
std::size_t utf8BoundaryAtOrBefore(std::string_view text, std::size_t width)
{
    if (width >= text.size())
        return width;  // no character straddles a cut at or past the end
    std::size_t start = width;
    while (start > 0 && width - start < 3 && (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80)
        --start;
    if (start == width)
        return width;
    const auto lead = static_cast<unsigned char>(text[start]);
    std::size_t length = 0;
    if ((lead & 0xE0) == 0xC0)
        length = 2;
    else if ((lead & 0xF0) == 0xE0)
        length = 3;
    else if ((lead & 0xF8) == 0xF0)
        length = 4;
    if (length == 0 || start + length <= width || start + length > text.size())
        return width;
    for (std::size_t i = start + 1; i < start + length; ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            return width;
    }
    return start;
}

std::size_t characterBoundaryAtOrBefore(std::string_view text, std::size_t width)
{
    if (!hasCharacterLength())
        return utf8BoundaryAtOrBefore(text, width);
    std::size_t at = 0;
    while (at < width && at < text.size()) {
        const auto next = nextCharacter(text, at);
        if (next > width)
            break;
        at = next;
    }
    return at;
}

std::string fitToWidth(std::string_view text, std::size_t width)
{
    std::string field(width, ' ');
    const std::size_t length =
        text.size() <= width ? text.size() : characterBoundaryAtOrBefore(text, width);
    field.replace(0, length, text.substr(0, length));
    return field;
}

bool isBlankField(std::string_view field)
{
    return field.find_first_not_of(' ') == std::string_view::npos;
}

std::string withoutTrailingBlanks(std::string_view text)
{
    const auto last = text.find_last_not_of(' ');
    return std::string(last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1));
}

std::string CutAtNul(const std::string& text)
{
    return text.substr(0, text.find('\0'));
}

}  // namespace varnix
