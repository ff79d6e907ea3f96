#include "win32/list_keys.h"

namespace varnix {
namespace {

// The property that finds a watched list's state: its user data is the
// tooltips'.
constexpr const char* kProperty = "Varnix.TypedKeys";

}  // namespace

TypedKeys::~TypedKeys()
{
    for (const auto& watched : m_lists) {
        if (IsWindow(watched->list)) {
            SetWindowLongPtrA(watched->list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(watched->previous));
            RemovePropA(watched->list, kProperty);
        }
    }
}

void TypedKeys::watch(HWND list, Typed typed)
{
    auto watched = std::make_unique<Watched>(Watched{list, nullptr, std::move(typed), std::nullopt});
    SetPropA(list, kProperty, watched.get());
    watched->previous =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrA(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(listProcedure)));
    m_lists.push_back(std::move(watched));
}

LRESULT CALLBACK TypedKeys::listProcedure(HWND list, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto& watched = *static_cast<Watched*>(GetPropA(list, kProperty));
    if (message == WM_KEYDOWN)
        watched.keyDownMs = static_cast<DWORD>(GetMessageTime());
    else if (message == WM_KEYUP)
        watched.keyDownMs.reset();
    const DWORD timeMs = watched.keyDownMs.value_or(static_cast<DWORD>(GetMessageTime()));
    // An ANSI window is sent the code page's bytes: one character of a
    // double-byte code page comes whole, lead byte first, or as two
    // characters of one byte each.
    if ((message == WM_CHAR || message == WM_IME_CHAR) && wParam > 0xFF) {
        const char character[] = {static_cast<char>(wParam >> 8), static_cast<char>(wParam & 0xFF)};
        watched.typed(list, std::string(character, 2), timeMs);
        return 0;
    }
    // Control characters come with Tab, Enter, Escape, Backspace and Ctrl.
    if ((message == WM_CHAR || message == WM_IME_CHAR) && wParam >= 0x20 && wParam != 0x7F) {
        watched.typed(list, std::string(1, static_cast<char>(wParam)), timeMs);
        return 0;
    }
    return CallWindowProcA(watched.previous, list, message, wParam, lParam);
}

}  // namespace varnix
