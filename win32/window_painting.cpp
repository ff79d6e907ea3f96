// The Windows window: its colours, pictures, list rows, focus cue and pointer.
#include "win32/win32_view.h"

#include "core/form1_layout.h"
#include "win32/controls.h"
#include "win32/list_rows.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

namespace varnix {
namespace {

constexpr int kDirectoryIndentPixels = 12;

}  // namespace

HBRUSH Win32View::onCtlColor(HWND window, HDC dc, HWND control, int type)
{
    const ControlSpec* spec = specOf(control);
    if (!spec || !spec->background)  // the system's colours
        return reinterpret_cast<HBRUSH>(DefWindowProcA(window, WM_CTLCOLORMSGBOX + type,
                                                       reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
    SetTextColor(dc, colourRef(spec->foreground.value_or(0)));
    SetBkColor(dc, colourRef(*spec->background));
    return brushFor(*spec->background);
}

BOOL Win32View::onEraseBkgnd(HWND window, HDC dc)
{
    RECT client;
    GetClientRect(window, &client);
    FillRect(dc, &client, brushFor(0x000000));
    // At its natural size, scaled for the monitor; the part beyond the
    // client area is cut off.
    drawAtNaturalSize(m_background, dc, 0, 0);
    return TRUE;
}

void Win32View::onDrawItem(HWND, const DRAWITEMSTRUCT* item)
{
    if (item->hwndItem == Dir1 || item->hwndItem == fileRoms) {
        drawListRow(*item);
    } else if (item->hwndItem == m_readingNotice->control()) {
        const ControlSpec& list = *specOf(fileRoms);  // in the lists' colours
        m_readingNotice->draw(*item, colourRef(list.background.value_or(0xFFFFFF)),
                                   colourRef(list.foreground.value_or(0)));
    }
    else if (const ControlSpec* spec = specOf(item->hwndItem); spec && spec->kind == ControlKind::Picture)
        drawPicture(*item, *spec);
}

LRESULT Win32View::onNotify(HWND, int, NMHDR* header)
{
    const ControlSpec* spec = specOf(header->hwndFrom);
    if (header->code != NM_CUSTOMDRAW || !spec || spec->kind != ControlKind::OptionButton)
        return 0;
    // The button draws its circle; its own focus cue would go round its
    // label, which is empty: a dot or a thin line beside the circle. The
    // window draws one round the circle instead.
    const auto& draw = *reinterpret_cast<const NMCUSTOMDRAW*>(header);
    if (draw.dwDrawStage == CDDS_PREPAINT)
        return CDRF_SKIPPOSTPAINT | CDRF_NOTIFYPOSTPAINT;
    if (draw.dwDrawStage != CDDS_POSTPAINT)
        return CDRF_DODEFAULT;
    const bool cuesShown = !(SendMessageA(draw.hdr.hwndFrom, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS);
    if (GetFocus() == draw.hdr.hwndFrom && cuesShown) {
        RECT client;
        GetClientRect(draw.hdr.hwndFrom, &client);
        const RECT cue = optionFocusCue(client, m_dpi);
        DrawFocusRect(draw.hdc, &cue);
    }
    return CDRF_SKIPPOSTPAINT;
}

void Win32View::drawPicture(const DRAWITEMSTRUCT& item, const ControlSpec& spec) const
{
    FillRect(item.hDC, &item.rcItem, brushFor(0x000000));
    const auto found = std::find_if(m_pictures.begin(), m_pictures.end(),
                                    [&](const auto& picture) { return picture.first == spec.picture; });
    if (found != m_pictures.end())
        drawAtNaturalSize(found->second, item.hDC, item.rcItem.left, item.rcItem.top);
}

void Win32View::drawAtNaturalSize(const ResourcePicture& picture, HDC dc, int x, int y) const
{
    if (picture)
        picture.draw(dc, x, y, scaledPixels(picture.width(), m_dpi), scaledPixels(picture.height(), m_dpi));
}

Win32View::RowText Win32View::rowText(HWND list, UINT row) const
{
    RowText text{nullptr, 1};  // where the system's own list puts it, at every DPI
    if (list == fileRoms && m_files && row < m_files->size()) {
        text.name = &(*m_files)[row];
    } else if (list == Dir1 && m_directories && row < m_directories->count()) {
        text.name = &m_directories->nameAt(row);
        text.left = scaledPixels(2 + kDirectoryIndentPixels * static_cast<int>(m_directories->depthOf(row)), m_dpi);
    }
    return text;
}

void Win32View::drawListRow(const DRAWITEMSTRUCT& item) const
{
    const ControlSpec& spec = *specOf(item.hwndItem);
    const RowText text = rowText(item.hwndItem, item.itemID);
    paintListRow(item, item.hwndItem, text.name, item.rcItem.left + text.left,
                 colourRef(spec.foreground.value_or(0)), brushFor(spec.background.value_or(0xFFFFFF)));
}

std::optional<std::string> Win32View::cutName(HWND list, int row) const
{
    const RowText text = rowText(list, static_cast<UINT>(row));
    RECT rect{};
    if (!text.name || ListBox_GetItemRect(list, row, &rect) == LB_ERR)
        return std::nullopt;
    const bool cut =
        shownRowText(ListFontDc(list).get(), *text.name, rowTextWidth(rect, rect.left + text.left)) != *text.name;
    return cut ? std::optional<std::string>(*text.name) : std::nullopt;
}

BOOL Win32View::onSetCursor(HWND window, HWND under, UINT hitTest, UINT mouseMessage)
{
    // Working, still usable: over the whole window while a slow read lasts.
    if (hitTest == HTCLIENT && m_readingNotice && m_readingNotice->isShown()) {
        SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32650)));  // IDC_APPSTARTING
        return TRUE;
    }
    const ControlSpec* spec = specOf(under);
    if (spec && spec->pointingHand && m_hand) {
        SetCursor(m_hand);
        return TRUE;
    }
    return static_cast<BOOL>(DefWindowProcA(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(under),
                                            MAKELPARAM(hitTest, mouseMessage)));
}

void Win32View::updatePointer() const
{
    POINT at;
    GetCursorPos(&at);
    HWND under = WindowFromPoint(at);
    if (under && (under == m_window || IsChild(m_window, under)))
        SendMessageA(under, WM_SETCURSOR, reinterpret_cast<WPARAM>(under), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
}

HBRUSH Win32View::brushFor(Rgb colour) const
{
    for (const auto& [rgb, brush] : m_brushes)
        if (rgb == colour)
            return brush.get();
    return nullptr;
}

const ControlSpec* Win32View::specOf(HWND control) const
{
    const auto found = std::find(m_controls.begin(), m_controls.end(), control);
    return found == m_controls.end() || !control ? nullptr : &kControls[static_cast<std::size_t>(found - m_controls.begin())];
}

}  // namespace varnix
