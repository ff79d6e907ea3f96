// The Windows window: the focus, kept across boxes, dialogs and other programs.
#include "win32/win32_view.h"

#include "core/form1_layout.h"
#include "win32/controls.h"

#include <windowsx.h>

namespace varnix {

void Win32View::keepingFocus(const std::function<void()>& show)
{
    HWND focus = GetFocus();
    show();
    if (focus && IsChild(m_window, focus) && IsWindowEnabled(focus) && IsWindowVisible(focus))
        SetFocus(focus);
}

void Win32View::keepOneOptionTabStop()
{
    const auto stop = optionTabStop(
        m_emulators.size(), [&](std::size_t i) { return IsWindowEnabled(m_emulators[i].option) != FALSE; },
        [&](std::size_t i) { return Button_GetCheck(m_emulators[i].option) == BST_CHECKED; });
    for (std::size_t i = 0; i < m_emulators.size(); ++i) {
        HWND option = m_emulators[i].option;
        const auto style = GetWindowLongPtrA(option, GWL_STYLE);
        const auto wanted = stop == i ? style | WS_TABSTOP : style & ~LONG_PTR(WS_TABSTOP);
        if (wanted != style)  // a style change is a round trip to the system
            SetWindowLongPtrA(option, GWL_STYLE, wanted);
    }
}

void Win32View::moveFocusOnFrom(HWND control)
{
    if (GetFocus() != control)
        return;
    // Not onto an unchecked option button: taking the focus can check it.
    const auto uncheckedOption = [this](HWND candidate) {
        const ControlSpec* spec = specOf(candidate);
        return spec && spec->kind == ControlKind::OptionButton && Button_GetCheck(candidate) != BST_CHECKED;
    };
    HWND next = control;
    for (std::size_t step = 0; step <= m_emulators.size(); ++step) {
        next = GetNextDlgTabItem(m_window, next, FALSE);
        if (!next || next == control || !uncheckedOption(next))
            break;
    }
    SetFocus(next && next != control ? next : m_window);
}

void Win32View::onActivate(HWND window, UINT state, HWND other, BOOL minimized)
{
    // As a dialog does: the control that had the focus gets it back when the
    // window is active again (after a modal box, or another program).
    HWND focus = GetFocus();
    if (state == WA_INACTIVE) {
        if (focus && IsChild(window, focus))
            m_focusWhileInactive = focus;
        return;
    }
    if (!minimized && IsWindow(m_focusWhileInactive) && IsWindowEnabled(m_focusWhileInactive))
        SetFocus(m_focusWhileInactive);
    else
        FORWARD_WM_ACTIVATE(window, state, other, minimized, DefWindowProcA);
}

}  // namespace varnix
