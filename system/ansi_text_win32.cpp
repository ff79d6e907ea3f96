#include "system/ansi_text.h"

#include <algorithm>

#include <windows.h>

namespace varnix {
namespace {

bool isAscii(std::wstring_view wide)
{
    return std::all_of(wide.begin(), wide.end(), [](wchar_t c) { return c < 0x80; });
}

// The plain conversion; best fit off where the page allows flags at all.
std::string convert(std::wstring_view wide)
{
    if (wide.empty())
        return {};
    const bool utf8 = GetACP() == CP_UTF8;
    const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    const char* fallback = utf8 ? nullptr : "?";
    const int size = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(CP_ACP, flags, wide.data(), size, nullptr, 0, fallback, nullptr);
    std::string text(static_cast<std::size_t>(std::max(length, 0)), '\0');
    WideCharToMultiByte(CP_ACP, flags, wide.data(), size, text.data(), length, fallback, nullptr);
    return text;
}

// One code point: a character or a surrogate pair.
std::size_t codePointLength(std::wstring_view wide, std::size_t at)
{
    return at + 1 < wide.size() && IS_HIGH_SURROGATE(wide[at]) && IS_LOW_SURROGATE(wide[at + 1]) ? 2 : 1;
}

// The short form of `path`, the empty text when the system gives none.
std::wstring shortPathOf(const std::wstring& path)
{
    std::wstring buffer(32768, L'\0');
    const DWORD length = GetShortPathNameW(path.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
    buffer.resize(length < buffer.size() ? length : 0);
    return buffer;
}

}  // namespace

std::wstring wideFromAnsi(std::string_view text)
{
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(std::max(length, 0)), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.data(), length);
    return wide;
}

AnsiText ansiFromWide(std::wstring_view wide)
{
    if (isAscii(wide))
        return {std::string(wide.begin(), wide.end()), true};
    auto text = convert(wide);
    if (wideFromAnsi(text) == wide)
        return {std::move(text), true};
    // Character by character, so that only what the page lacks becomes "?"
    // whatever best fit the system would otherwise make.
    text.clear();
    for (std::size_t at = 0; at < wide.size();) {
        const auto character = wide.substr(at, codePointLength(wide, at));
        const auto piece = convert(character);
        text += wideFromAnsi(piece) == character ? piece : "?";
        at += character.size();
    }
    return {std::move(text), false};
}

std::optional<std::string> heldAnsiPath(const std::wstring& path)
{
    auto converted = ansiFromWide(path);
    if (converted.exact)
        return std::move(converted.text);
    auto shortForm = ansiFromWide(shortPathOf(path));
    if (shortForm.exact && !shortForm.text.empty())
        return std::move(shortForm.text);
    return std::nullopt;
}

std::string ansiPath(const std::wstring& path)
{
    auto held = heldAnsiPath(path);
    return held ? std::move(*held) : ansiFromWide(path).text;
}

std::string ansiEntryName(const std::wstring& directory, const std::wstring& name)
{
    auto converted = ansiFromWide(name);
    if (converted.exact)
        return std::move(converted.text);
    std::wstring path = directory;
    if (!path.empty() && path.back() != L'\\' && path.back() != L'/')
        path += L'\\';
    const auto shortPath = shortPathOf(path + name);
    // The short form's last name is the entry's.
    auto shortName = ansiFromWide(std::wstring_view(shortPath).substr(shortPath.find_last_of(L"\\/") + 1));
    return shortName.exact && !shortName.text.empty() ? std::move(shortName.text) : std::move(converted.text);
}

}  // namespace varnix
