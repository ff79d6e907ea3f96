#pragma once

#include <windows.h>
#include <windowsx.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace varnix {

// What a list row shows of `name` in `width` pixels of `dc`'s font: the whole
// name, or, where it is wider, its start, an ellipsis and its end.
std::string shownRowText(HDC dc, const std::string& name, int width);

// A list's own device context with the list's font in it, for measuring;
// given back when it goes.
class ListFontDc {
public:
    explicit ListFontDc(HWND list)
        : m_list(list)
        , m_dc(GetDC(list))
        , m_previous(SelectObject(m_dc, GetWindowFont(list)))
    {
    }
    ~ListFontDc()
    {
        SelectObject(m_dc, m_previous);
        ReleaseDC(m_list, m_dc);
    }
    ListFontDc(const ListFontDc&) = delete;
    ListFontDc& operator=(const ListFontDc&) = delete;
    HDC get() const { return m_dc; }

private:
    HWND m_list;
    HDC m_dc;
    HGDIOBJ m_previous;
};

// Where a row's text may go: from `textLeft` to a pixel before the row's end.
int rowTextWidth(const RECT& row, int textLeft);

// Draws a row of an owner-drawn list: its background, `name` from `textLeft`
// in the list's font, cut in the middle where it is wider than the row, and
// the focus cue. A null name draws an empty row.
void paintListRow(
    const DRAWITEMSTRUCT& item, HWND list, const std::string* name, int textLeft, COLORREF text, HBRUSH background);

// Shows the whole name of a row that its list draws cut in a tooltip while
// the pointer rests on it, and none for a row drawn whole. The tooltip
// control's DLL (comctl32) is loaded when a cut row is first pointed at.
class CutRowTips {
public:
    // The whole name of `row` where the list draws it cut; nothing else.
    using CutName = std::function<std::optional<std::string>(int row)>;

    CutRowTips() = default;
    CutRowTips(const CutRowTips&) = delete;
    CutRowTips& operator=(const CutRowTips&) = delete;
    ~CutRowTips();

    // Watches the pointer over `list` for as long as both live.
    void watch(HWND list, CutName cutName);
    // The tooltip control, once made.
    HWND tooltip() const { return m_tooltip; }

private:
    struct Watched {
        CutRowTips* owner;
        HWND list;
        WNDPROC previous;
        CutName cutName;
        int row = -1; // the row the tooltip is for
    };
    static LRESULT CALLBACK listProcedure(HWND list, UINT message, WPARAM wParam, LPARAM lParam);
    void pointerMoved(Watched& watched, const MSG& move);
    bool makeTooltip(HWND list);

    std::vector<std::unique_ptr<Watched>> m_lists;
    HWND m_tooltip = nullptr;
};

} // namespace varnix
