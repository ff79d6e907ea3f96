#pragma once

#include <cstddef>
#include <string_view>

namespace varnix {

// The characters of the system's 8-bit encoding. On a double-byte code page
// the second byte of a character can be the byte of "\", so every rule that
// looks for a separator, splits or joins a path, counts characters or cuts a
// field walks characters, never single bytes.

// The bytes of the character that starts at `text[at]`: at least one, never
// past the end of `text`.
using CharacterLength = std::size_t (*)(std::string_view text, std::size_t at);

// Installed once at start by the system. Without one, text is walked byte by
// byte, which finds the same separators in UTF-8, and a field cut keeps
// UTF-8 characters whole.
void setCharacterLength(CharacterLength rule);
bool hasCharacterLength();

// Where the character after the one at `at` starts.
std::size_t nextCharacter(std::string_view text, std::size_t at);

// Where the character after the one at `at` starts, as a reader sees it: by
// the installed rule, or else a well-formed UTF-8 sequence whole.
std::size_t nextWholeCharacter(std::string_view text, std::size_t at);

// An ASCII capital letter lowered; every other byte as it is.
inline char lowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// A well-formed UTF-8 sequence is one character; any other byte is one.
std::size_t utf8CharacterLength(std::string_view text, std::size_t at);

}  // namespace varnix
