#include "win32/reading_notice.h"

#include "core/reading_notice.h"
#include "win32/controls.h"

namespace varnix {
namespace {

// The timers' ids: this notice's address, which is even, and one past it.
UINT_PTR delayTimer(const ReadingNotice* notice) { return reinterpret_cast<UINT_PTR>(notice); }
UINT_PTR refreshTimer(const ReadingNotice* notice) { return reinterpret_cast<UINT_PTR>(notice) + 1; }

}  // namespace

ReadingNotice::ReadingNotice(HWND window, HINSTANCE instance, std::function<void()> shownChanged)
    : m_window(window),
      m_control(CreateWindowExA(0, "STATIC", "", WS_CHILD | SS_OWNERDRAW, 0, 0, 0, 0, window,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(kReadingNoticeId)), instance, nullptr)),
      m_shownChanged(std::move(shownChanged))
{
}

ReadingNotice::~ReadingNotice()
{
    KillTimer(m_window, delayTimer(this));
    KillTimer(m_window, refreshTimer(this));
}

void ReadingNotice::start(HWND list, std::shared_ptr<const ReadProgress> progress)
{
    stop();
    m_list = list;
    m_progress = std::move(progress);
    // The list box draws nothing new until the notice takes its place.
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SetTimer(m_window, delayTimer(this), kReadingNoticeDelayMs, onTimer);
}

void ReadingNotice::stop()
{
    KillTimer(m_window, delayTimer(this));
    KillTimer(m_window, refreshTimer(this));
    if (m_list && !m_shown) {
        SendMessageA(m_list, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(m_list, nullptr, TRUE);
    }
    m_list = nullptr;
    m_progress.reset();
    if (m_shown) {
        m_shown = false;
        ShowWindow(m_control, SW_HIDE);
        m_shownChanged();
    }
}

void ReadingNotice::show()
{
    KillTimer(m_window, delayTimer(this));
    if (!m_list)
        return;
    SendMessageA(m_list, WM_SETREDRAW, TRUE, 0);
    RECT rect;
    GetWindowRect(m_list, &rect);
    MapWindowPoints(nullptr, m_window, reinterpret_cast<POINT*>(&rect), 2);
    SetWindowPos(m_control, HWND_TOP, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOACTIVATE);
    SendMessageA(m_control, WM_SETFONT, SendMessageA(m_list, WM_GETFONT, 0, 0), FALSE);
    refresh();
    m_shown = true;
    m_shownChanged();
    ShowWindow(m_control, SW_SHOWNA);
    SetTimer(m_window, refreshTimer(this), kReadingNoticeRefreshMs, onTimer);
}

void CALLBACK ReadingNotice::onTimer(HWND, UINT, UINT_PTR id, DWORD)
{
    // The notice outlives neither timer: it kills both when it goes.
    if (id % 2 == 0)
        reinterpret_cast<ReadingNotice*>(id)->show();
    else
        reinterpret_cast<ReadingNotice*>(id - 1)->refresh();
}

void ReadingNotice::refresh()
{
    // Its text is the window text too, for screen readers.
    const auto notice = readingNotice(m_progress ? m_progress->load(std::memory_order_relaxed) : 0);
    SetWindowTextA(m_control, notice.c_str());
    InvalidateRect(m_control, nullptr, FALSE);
}

void ReadingNotice::draw(const DRAWITEMSTRUCT& item, COLORREF background, COLORREF text) const
{
    HDC dc = item.hDC;
    const HBRUSH brush = CreateSolidBrush(background);
    FillRect(dc, &item.rcItem, brush);
    DeleteObject(brush);
    char notice[64] = {};
    GetWindowTextA(item.hwndItem, notice, sizeof notice);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, text);
    const HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(item.hwndItem, WM_GETFONT, 0, 0)));
    // Both lines centred in the area, across and down.
    RECT measured = item.rcItem;
    DrawTextA(dc, notice, -1, &measured, DT_CENTER | DT_WORDBREAK | DT_CALCRECT);
    RECT placed = item.rcItem;
    placed.top += (item.rcItem.bottom - item.rcItem.top - (measured.bottom - measured.top)) / 2;
    DrawTextA(dc, notice, -1, &placed, DT_CENTER | DT_WORDBREAK);
    SelectObject(dc, oldFont);
}

}  // namespace varnix
