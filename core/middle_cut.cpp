#include "core/middle_cut.h"

#include "core/characters.h"

#include <algorithm>
#include <cstddef>
#include <string_view>
#include <vector>

namespace varnix {
namespace {

// Every place between two characters, the ends included.
std::vector<std::size_t> characterBoundaries(const std::string& text)
{
    std::vector<std::size_t> boundaries{ 0 };
    for (std::size_t at = 0; at < text.size();) {
        at = nextWholeCharacter(text, at);
        boundaries.push_back(at);
    }
    return boundaries;
}

// Where the end that must stay readable begins: at the last bracketed group
// before the extension, or else at the extension; the name's length when it
// has neither. Only whole characters are looked at: a double-byte
// character's second byte can be the byte of "[".
std::size_t readableEndStart(const std::string& name, const std::vector<std::size_t>& boundaries, bool withGroup)
{
    const auto isCharacter = [&](std::size_t i, const char* which) {
        return boundaries[i + 1] - boundaries[i] == 1
            && std::string_view(which).find(name[boundaries[i]]) != std::string_view::npos;
    };
    // The last dot starts the extension, unless a blank or a bracket follows
    // it ("Game (v1.1)" has none); a leading dot starts none.
    std::size_t extension = name.size();
    for (std::size_t i = 1; i + 1 < boundaries.size(); ++i) {
        if (isCharacter(i, "."))
            extension = boundaries[i];
        else if (isCharacter(i, " ()[]"))
            extension = name.size();
    }
    std::size_t group = extension;
    for (std::size_t i = 0; withGroup && boundaries[i] < extension; ++i) {
        if (isCharacter(i, "(["))
            group = boundaries[i];
    }
    return group;
}

// The longest start, or end, of `text` at character boundaries whose width
// is at most `room`: the boundaries' index. Widths grow with the piece, so
// the search halves.
std::size_t longestPiece(const std::string& text, const std::vector<std::size_t>& boundaries, bool fromStart, int room,
    const TextWidth& textWidth)
{
    std::size_t fits = 0, tooWide = boundaries.size();
    while (tooWide - fits > 1) {
        const auto middle = (fits + tooWide) / 2;
        const auto piece
            = fromStart ? text.substr(0, boundaries[middle]) : text.substr(boundaries[boundaries.size() - 1 - middle]);
        (textWidth(piece) <= room ? fits : tooWide) = middle;
    }
    return fits;
}

} // namespace

std::string cutInTheMiddle(const std::string& name, const std::string& ellipsis, int width, const TextWidth& textWidth)
{
    if (textWidth(name) <= width)
        return name;
    const auto boundaries = characterBoundaries(name);
    const auto last = boundaries.size() - 1;
    const int room = width - textWidth(ellipsis);

    // The end that must stay: with its group where that fits, the extension
    // alone where only that fits, nothing where not even that does.
    std::size_t endStart = name.size();
    for (const bool withGroup : { true, false }) {
        const auto start = readableEndStart(name, boundaries, withGroup);
        if (start < name.size() && textWidth(name.substr(start)) <= room) {
            endStart = start;
            break;
        }
    }
    // The end takes half the room, or what must stay if that is more; the
    // start takes what is left, and the end then grows into any rest.
    std::size_t endCharacters = longestPiece(name, boundaries, false, room / 2, textWidth);
    std::size_t mustStay = 0;
    while (mustStay < last && boundaries[last - mustStay] > endStart)
        ++mustStay;
    if (endCharacters < mustStay)
        endCharacters = mustStay;
    const auto endOf = [&](std::size_t characters) { return name.substr(boundaries[last - characters]); };
    auto startCharacters = longestPiece(name, boundaries, true, room - textWidth(endOf(endCharacters)), textWidth);
    const auto start = name.substr(0, boundaries[startCharacters]);
    endCharacters = longestPiece(name, boundaries, false, room - textWidth(start), textWidth);
    endCharacters = std::min(std::max(endCharacters, mustStay), last - startCharacters);
    // Widths of pieces need not add up to the width of the whole (kerning,
    // rounding): the whole is measured, and given up a character at a time.
    std::size_t startEnd = boundaries[startCharacters];
    auto shown = start + ellipsis + endOf(endCharacters);
    while (textWidth(shown) > width && (startCharacters > 0 || endCharacters > 0)) {
        if (startCharacters > 0 && (endCharacters <= mustStay || startCharacters >= endCharacters))
            startEnd = boundaries[--startCharacters];
        else
            --endCharacters;
        shown = name.substr(0, startEnd) + ellipsis + endOf(endCharacters);
    }
    return shown;
}

} // namespace varnix
