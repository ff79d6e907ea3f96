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

// Removes trailing blanks, which padded fields carry but file names never do.
// A name made of blanks only becomes empty.
std::string withoutTrailingBlanks(std::string_view text);

}  // namespace varnix
