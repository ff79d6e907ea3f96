#include "win32/list_rows.h"

#include "core/middle_cut.h"
#include "win32/system_calls.h"

#include <commctrl.h>
#include <windowsx.h>

namespace varnix {
namespace {

// The code page's ellipsis where it has one and the font draws it, else "...".
std::string ellipsisFor(HDC dc)
{
    char bytes[8] = {};
    BOOL lacking = FALSE;
    const int length
        = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, L"\x2026", 1, bytes, sizeof bytes, nullptr, &lacking);
    WORD glyph = 0xFFFF;
    if (length <= 0 || lacking || GetGlyphIndicesW(dc, L"\x2026", 1, &glyph, GGI_MARK_NONEXISTING_GLYPHS) != 1
        || glyph == 0xFFFF)
        return "...";
    return std::string(bytes, static_cast<std::size_t>(length));
}

int widthIn(HDC dc, const std::string& text)
{
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

} // namespace

int rowTextWidth(const RECT& row, int textLeft)
{
    return row.right - textLeft - 1;
}

std::string shownRowText(HDC dc, const std::string& name, int width)
{
    if (widthIn(dc, name) <= width)
        return name;
    return cutInTheMiddle(name, ellipsisFor(dc), width, [dc](const std::string& text) { return widthIn(dc, text); });
}

void paintListRow(
    const DRAWITEMSTRUCT& item, HWND list, const std::string* name, int textLeft, COLORREF text, HBRUSH background)
{
    const bool selected = name && (item.itemState & ODS_SELECTED);
    FillRect(item.hDC, &item.rcItem, selected ? GetSysColorBrush(COLOR_HIGHLIGHT) : background);
    if (name) {
        const auto previous = SelectObject(item.hDC, GetWindowFont(list));
        SetBkMode(item.hDC, TRANSPARENT);
        SetTextColor(item.hDC, selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : text);
        RECT area = item.rcItem;
        area.left = textLeft;
        const auto shown = shownRowText(item.hDC, *name, rowTextWidth(item.rcItem, textLeft));
        DrawTextA(item.hDC, shown.c_str(), static_cast<int>(shown.size()), &area,
            DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_NOCLIP);
        SelectObject(item.hDC, previous);
    }
    if (item.itemState & ODS_FOCUS)
        DrawFocusRect(item.hDC, &item.rcItem);
}

CutRowTips::~CutRowTips()
{
    for (const auto& watched : m_lists)
        if (IsWindow(watched->list))
            SetWindowLongPtrA(watched->list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(watched->previous));
    if (m_tooltip)
        DestroyWindow(m_tooltip);
}

void CutRowTips::watch(HWND list, CutName cutName)
{
    auto watched = std::make_unique<Watched>(Watched{ this, list, nullptr, std::move(cutName) });
    SetWindowLongPtrA(list, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(watched.get()));
    watched->previous
        = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(listProcedure)));
    m_lists.push_back(std::move(watched));
}

LRESULT CALLBACK CutRowTips::listProcedure(HWND list, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto& watched = *reinterpret_cast<Watched*>(GetWindowLongPtrA(list, GWLP_USERDATA));
    if (message == WM_MOUSEMOVE) {
        const DWORD position = GetMessagePos();
        const MSG move{ list, message, wParam, lParam, static_cast<DWORD>(GetMessageTime()),
            { GET_X_LPARAM(position), GET_Y_LPARAM(position) } };
        watched.owner->pointerMoved(watched, move);
    }
    return CallWindowProcA(watched.previous, list, message, wParam, lParam);
}

void CutRowTips::pointerMoved(Watched& watched, const MSG& move)
{
    const LRESULT found = SendMessageA(watched.list, LB_ITEMFROMPOINT, 0, move.lParam);
    const int row = HIWORD(found) ? -1 : static_cast<int>(LOWORD(found));
    if (row != watched.row) {
        watched.row = row;
        const auto name = row < 0 ? std::nullopt : watched.cutName(row);
        if (!name && !m_tooltip)
            return; // nothing to show, and nothing loaded for it
        if (!m_tooltip && !makeTooltip(watched.list))
            return;
        // The tool is the row: leaving it hides the tip; a row drawn whole
        // has an empty one, and so no tip.
        TOOLINFOA tool{};
        tool.cbSize = TTTOOLINFOA_V2_SIZE;
        tool.hwnd = watched.list;
        tool.uId = 1;
        if (name)
            SendMessageA(watched.list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&tool.rect));
        tool.lpszText = const_cast<char*>(name ? name->c_str() : "");
        SendMessageA(m_tooltip, TTM_POP, 0, 0);
        SendMessageA(m_tooltip, TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&tool));
        SendMessageA(m_tooltip, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
    }
    if (m_tooltip)
        SendMessageA(m_tooltip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&move));
}

bool CutRowTips::makeTooltip(HWND list)
{
    // The window class comes with the DLL, which registers it when loaded.
    HMODULE controls = loadSystemLibrary(L"comctl32.dll");
    const auto initialise = controls ? reinterpret_cast<decltype(&InitCommonControlsEx)>(
                                reinterpret_cast<void*>(GetProcAddress(controls, "InitCommonControlsEx")))
                                     : nullptr;
    const INITCOMMONCONTROLSEX classes{ sizeof classes, ICC_BAR_CLASSES };
    if (!initialise || !initialise(&classes))
        return false;
    m_tooltip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, GetParent(list), nullptr,
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(list, GWLP_HINSTANCE)), nullptr);
    if (!m_tooltip)
        return false;
    for (const auto& watched : m_lists) {
        TOOLINFOA tool{};
        tool.cbSize = TTTOOLINFOA_V2_SIZE;
        tool.hwnd = watched->list;
        tool.uId = 1;
        tool.lpszText = const_cast<char*>("");
        SendMessageA(m_tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
    return true;
}

} // namespace varnix
