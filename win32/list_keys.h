#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace varnix {

// Takes the characters typed into a list box from it, which would look for
// each letter on its own, and reports them with their message's time. Every
// other key, and Alt with a letter (the window's access keys), stays the
// list's and the window's own.
class TypedKeys {
public:
    using Typed = std::function<void(HWND list, const std::string& characters, DWORD timeMs)>;

    TypedKeys() = default;
    TypedKeys(const TypedKeys&) = delete;
    TypedKeys& operator=(const TypedKeys&) = delete;
    ~TypedKeys();

    // Watches `list` for as long as both live.
    void watch(HWND list, Typed typed);

private:
    struct Watched {
        HWND list;
        WNDPROC previous;
        Typed typed;
        // The time of the key pressed last, until it is let go: the
        // character it types is posted for it later.
        std::optional<DWORD> keyDownMs;
    };
    static LRESULT CALLBACK listProcedure(HWND list, UINT message, WPARAM wParam, LPARAM lParam);

    std::vector<std::unique_ptr<Watched>> m_lists;
};

}  // namespace varnix
