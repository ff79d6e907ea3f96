#include "win32/controls.h"

#include "core/emulator_table.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace varnix {
namespace {

struct WindowClass {
    const char* name;
    DWORD style;
    DWORD exStyle;
};

WindowClass windowClassFor(const ControlSpec& spec)
{
    constexpr DWORD kList = LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP;
    switch (spec.kind) {
    case ControlKind::PushButton:
        return {"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0};
    case ControlKind::DirectoryList:
    case ControlKind::FileList:  // both draw their rows, cutting long names in the middle
        return {"LISTBOX", kList | LBS_OWNERDRAWFIXED, WS_EX_CLIENTEDGE};
    case ControlKind::OptionButton:
        // BS_BITMAP without a bitmap: the emulator's name is the button's
        // text for screen readers, and drawn nowhere. BS_NOTIFY: its focus
        // changes are reported, since the window draws its focus cue.
        return {"BUTTON", BS_AUTORADIOBUTTON | BS_BITMAP | BS_NOTIFY | WS_TABSTOP, 0};
    case ControlKind::TextBox:
        return {"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case ControlKind::Picture:
        return {"STATIC", SS_OWNERDRAW | SS_NOTIFY, 0};
    case ControlKind::Label:
        return {"STATIC", DWORD(spec.centred ? SS_CENTER : SS_LEFT) | SS_NOTIFY | SS_NOPREFIX, 0};
    }
    return {"STATIC", 0, 0};
}

bool liesBelow(const ControlSpec& spec)
{
    return spec.kind == ControlKind::Picture || spec.kind == ControlKind::Label;
}

}  // namespace

int scaledPixels(int pixels, UINT dpi)
{
    return MulDiv(pixels, static_cast<int>(dpi), 96);
}

RECT controlRect(const ControlSpec& spec, UINT dpi)
{
    const int left = scaledPixels(spec.left / kTwipsPerPixel, dpi);
    const int top = scaledPixels(spec.top / kTwipsPerPixel, dpi);
    return {left, top, left + scaledPixels(spec.width / kTwipsPerPixel, dpi),
            top + scaledPixels(spec.height / kTwipsPerPixel, dpi)};
}

GdiObject<HFONT> createControlFont(const ControlSpec& spec, UINT dpi)
{
    const auto family = std::string(spec.font ? spec.font->family : kDefaultFontFamily);
    const double points = spec.font ? spec.font->points : kDefaultFontPoints;
    const int height = -static_cast<int>(std::lround(points * dpi / 72.0));
    return GdiObject<HFONT>(CreateFontA(height, 0, 0, 0, spec.font ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                                        DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                        DEFAULT_PITCH | FF_DONTCARE, family.c_str()));
}

RECT optionFocusCue(const RECT& client, UINT dpi)
{
    // The circle has the system's check-box size, at the left, centred up
    // and down; the cue leaves a pixel around it where the button has room.
    const int circle = scaledPixels(13, dpi);
    const int middle = (client.top + client.bottom) / 2;
    const int half = circle / 2 + 2;
    return {client.left, middle - half, std::min<LONG>(client.left + circle + 2, client.right), middle + half + 1};
}

COLORREF colourRef(Rgb colour)
{
    return RGB((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF);
}

std::vector<std::size_t> creationOrder()
{
    const auto groupTab = [](const ControlSpec& spec) {
        if (spec.kind != ControlKind::OptionButton)
            return std::pair(spec.tabIndex, spec.tabIndex);
        int first = spec.tabIndex;
        for (const auto& other : kControls)
            if (other.kind == ControlKind::OptionButton)
                first = std::min(first, other.tabIndex);
        return std::pair(first, spec.tabIndex);
    };
    std::vector<std::size_t> order(kControls.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const auto& left = kControls[a];
        const auto& right = kControls[b];
        if (liesBelow(left) != liesBelow(right))
            return liesBelow(right);
        return groupTab(left) < groupTab(right);
    });
    return order;
}

HWND createControl(std::size_t index, HWND parent, HINSTANCE instance, bool startsGroup, UINT dpi)
{
    const ControlSpec& spec = kControls[index];
    const auto windowClass = windowClassFor(spec);
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | windowClass.style;
    if (spec.kind != ControlKind::DirectoryList)
        style |= WS_VISIBLE;
    // Each focusable control is a group of its own but the option buttons,
    // which are one: arrow keys move between them and nowhere else.
    if ((style & WS_TABSTOP) && (spec.kind != ControlKind::OptionButton || startsGroup))
        style |= WS_GROUP;
    const auto text = std::string(spec.kind == ControlKind::TextBox ? std::string_view()
                                  : spec.text.empty()              ? spec.accessibleName
                                                                   : spec.text);
    const RECT rect = controlRect(spec, dpi);
    HWND control = CreateWindowExA(windowClass.exStyle, windowClass.name, text.c_str(), style, rect.left, rect.top,
                                   rect.right - rect.left, rect.bottom - rect.top, parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + index)),
                                   instance, nullptr);
    if (control && spec.kind == ControlKind::TextBox)
        SendMessageA(control, EM_LIMITTEXT, static_cast<WPARAM>(spec.maxLength), 0);
    return control;
}

HMENU createMenuBar()
{
    HMENU bar = CreateMenu();
    HMENU file = CreatePopupMenu();
    const auto entryText = [](std::string_view caption) { return std::string(caption); };
    AppendMenuA(file, MF_STRING, kSaveConfigId, entryText(kFileMenuEntries[0].caption).c_str());
    AppendMenuA(file, MF_STRING, kExitId, entryText(kFileMenuEntries[1].caption).c_str());
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), entryText(kFileMenu.caption).c_str());
    HMENU setup = CreatePopupMenu();
    for (std::size_t i = 0; i < kEmulators.size(); ++i)
        AppendMenuA(setup, MF_STRING | MF_CHECKED, kFirstSetupEntryId + i, kEmulators[i].setupCaption);
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(setup), entryText(kSetupMenu.caption).c_str());
    return bar;
}

}  // namespace varnix
