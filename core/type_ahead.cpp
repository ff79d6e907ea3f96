#include "core/type_ahead.h"

#include "core/characters.h"

namespace varnix {
namespace {

// Whether `a` and `b` hold the same character at `at`, where it ends in both.
// A single byte is lowered; the bytes of a longer character are compared as
// they are, since its second byte can be that of a capital letter.
bool sameCharacterAt(std::string_view a, std::string_view b, std::size_t at, std::size_t& end)
{
    // An ASCII byte where a character starts is a character of its own in
    // every code page: most names are told apart without asking the rule.
    if (at < b.size() && static_cast<unsigned char>(a[at]) < 0x80 && static_cast<unsigned char>(b[at]) < 0x80) {
        end = at + 1;
        return lowerAscii(a[at]) == lowerAscii(b[at]);
    }
    end = nextWholeCharacter(a, at);
    if (at >= b.size() || nextWholeCharacter(b, at) != end)
        return false;
    if (end - at == 1)
        return lowerAscii(a[at]) == lowerAscii(b[at]);
    return a.substr(at, end - at) == b.substr(at, end - at);
}

bool startsWith(std::string_view name, std::string_view typed)
{
    for (std::size_t at = 0, end = 0; at < typed.size(); at = end)
        if (!sameCharacterAt(typed, name, at, end))
            return false;
    return true;
}

// The typed text's first character, where the whole text repeats it.
std::optional<std::string_view> repeatedCharacter(std::string_view typed)
{
    const auto first = typed.substr(0, nextWholeCharacter(typed, 0));
    for (std::size_t at = first.size(); at < typed.size(); at += first.size())
        if (!startsWith(typed.substr(at), first))
            return std::nullopt;
    return first;
}

}  // namespace

std::optional<std::size_t> typedRow(std::size_t count, const RowName& nameAt, std::optional<std::size_t> selected,
                                    std::string_view typed)
{
    if (typed.empty() || count == 0)
        return std::nullopt;
    const auto repeated = repeatedCharacter(typed);
    const auto wanted = repeated.value_or(typed);
    const std::size_t from = selected && *selected < count ? *selected + (repeated ? 1 : 0) : 0;
    for (std::size_t i = 0; i < count; ++i) {
        const auto row = (from + i) % count;
        if (startsWith(nameAt(row), wanted))
            return row;
    }
    return std::nullopt;
}

const std::string& TypedText::add(std::string_view characters, std::optional<std::uint32_t> timeMs)
{
    // Unsigned differences: a clock that wrapped still measures the pause.
    if (!timeMs || static_cast<std::uint32_t>(*timeMs - m_lastMs) >= kTypingPauseMs)
        m_text.clear();
    m_text += characters;
    m_lastMs = timeMs.value_or(0);
    return m_text;
}

}  // namespace varnix
