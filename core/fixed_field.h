#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace varnix {

// Fits a text into a field of `width` bytes: blank-padded on the right, or cut
// to the field's width. A cut never splits a multi-byte character; the bytes
// the character would have used are blanks instead.
std::string fitToWidth(std::string_view text, std::size_t width);

// A field is "not set" only when it is exactly `width` blanks; any other byte,
// a zero byte included, makes it set.
bool isBlankField(std::string_view field);

// Where a cut of `text` at `width` bytes moves back to so that no character
// of the system's 8-bit encoding is split: by the characters the system
// installed (core/characters.h), otherwise by UTF-8's rule.
std::size_t characterBoundaryAtOrBefore(std::string_view text, std::size_t width);
// Only a well-formed sequence that straddles the cut moves it.
std::size_t utf8BoundaryAtOrBefore(std::string_view text, std::size_t width);

// Removes trailing blanks, which padded fields carry but file names never do.
// A name made of blanks only becomes empty.
std::string withoutTrailingBlanks(std::string_view text);

// The characters of `text` before its first NUL; the whole text when it
// holds none.
std::string CutAtNul(const std::string& text);

}  // namespace varnix
