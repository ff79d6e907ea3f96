#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace varnix {

// Fills list boxes that hold their strings in slices, between the window's
// messages: 50,000 names never keep the window from answering for more than
// a moment. A list is filled with its redraw off; the first slice goes in at
// once, so a short list is filled before start returns.
class ListFill {
public:
    using TextAt = std::function<const std::string&(std::size_t row)>;
    // Told when a list holds all its texts.
    using Filled = std::function<void(HWND list)>;

    // `window` is sent `message` to go on with the next slices.
    ListFill(HWND window, UINT message, Filled filled);

    // Fills `list` anew with `count` texts; a fill of it under way is given
    // up, what it had put in goes.
    void start(HWND list, std::size_t count, TextAt textAt);
    // On `message`, or WM_TIMER for timerId(): the next slice of each fill
    // under way.
    void goOn();
    UINT_PTR timerId() const { return reinterpret_cast<UINT_PTR>(this); }
    bool filling(HWND list) const;

private:
    struct Fill {
        HWND list;
        WNDPROC procedure;
        std::size_t count;
        std::size_t next;
        TextAt textAt;
    };
    // Adds texts to `fill` for about one slice's time; true when all are in.
    static bool addSlice(Fill& fill);
    void askToGoOn();

    HWND m_window;
    UINT m_message;
    Filled m_filled;
    std::vector<Fill> m_fills;
    bool m_asked = false;
};

}  // namespace varnix
