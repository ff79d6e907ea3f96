#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace varnix {

// Windows names and paths come from the wide calls and reach the core once,
// here, as bytes of the ANSI code page.

// `text`'s bytes of the code page as the wide text the system takes.
std::wstring wideFromAnsi(std::string_view text);

// `wide` in the code page; `exact` only when it converts back unchanged:
// neither the default character nor a best-fit look-alike ("l" for "ł")
// stands in. A character the page lacks is "?", never a look-alike.
struct AnsiText {
    std::string text;
    bool exact;
};
AnsiText ansiFromWide(std::wstring_view wide);

// `path` as the code page holds it exactly, itself or in its short form;
// nothing where neither is held.
std::optional<std::string> heldAnsiPath(const std::wstring& path);

// A path for the core: itself when the code page holds it, otherwise its
// short form, which is plain ASCII and opens the same file, and where the
// volume keeps no short names the text with "?" for what the page lacks.
std::string ansiPath(const std::wstring& path);

// The name of the entry `name` of `directory` by the same rule.
std::string ansiEntryName(const std::wstring& directory, const std::wstring& name);

}  // namespace varnix
