#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace varnix {

// Without a key for this long, the next letter typed into a list starts a
// new search: long enough for a slow typist's next letter, short enough that
// a name typed after a look at the list is looked for afresh.
inline constexpr std::uint32_t kTypingPauseMs = 1000;

// A list's row names, by row.
using RowName = std::function<std::string_view(std::size_t row)>;

// The row that `typed` finds among `count` rows: the first whose name starts
// with it, from the selected row on and then from the top. ASCII letters
// match without regard to case, as the lists' order ignores it; other
// characters match whole, so a text that ends inside a character finds no
// name. A text of one character, typed once or again and again, steps: the
// first row after the selected one that starts with that character. Nothing
// where no row matches.
std::optional<std::size_t> typedRow(std::size_t count, const RowName& nameAt, std::optional<std::size_t> selected,
                                    std::string_view typed);

// The letters typed into a list in a row.
class TypedText {
public:
    // Adds `characters`, typed at `timeMs` on the events' own clock (it may
    // wrap); after a pause they begin a new text. Text that comes whole (an
    // input method's) has no time and always begins one.
    const std::string& add(std::string_view characters, std::optional<std::uint32_t> timeMs);
    void clear() { m_text.clear(); }

private:
    std::string m_text;
    std::uint32_t m_lastMs = 0;
};

}  // namespace varnix
