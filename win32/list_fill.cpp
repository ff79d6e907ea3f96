#include "win32/list_fill.h"

#include <algorithm>

namespace varnix {
namespace {

// A slice takes at most about this long; a tick of GetTickCount is 10 to
// 16 ms, so the window answers within a few hundredths of a second.
constexpr DWORD kSliceMs = 25;
// The clock is looked at after this many texts.
constexpr std::size_t kTextsBetweenLooks = 256;

}  // namespace

ListFill::ListFill(HWND window, UINT message, Filled filled)
    : m_window(window), m_message(message), m_filled(std::move(filled))
{
}

void ListFill::start(HWND list, std::size_t count, TextAt textAt)
{
    std::erase_if(m_fills, [list](const Fill& fill) { return fill.list == list; });
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    std::size_t bytes = 0;
    for (std::size_t i = 0; i < count; ++i)
        bytes += textAt(i).size() + 1;
    SendMessageA(list, LB_INITSTORAGE, count, static_cast<LPARAM>(bytes));
    // The list box's own procedure, handed its texts wide: each of 50,000
    // texts then skips the send, the tooltips' subclass and the conversion
    // on the way in, a third of the fill under Wine. It holds them the same.
    const auto procedure = reinterpret_cast<WNDPROC>(GetClassLongPtrW(list, GCLP_WNDPROC));
    Fill fill{list, procedure, count, 0, std::move(textAt)};
    if (addSlice(fill))
        return m_filled(list);
    m_fills.push_back(std::move(fill));
    askToGoOn();
}

void ListFill::goOn()
{
    KillTimer(m_window, timerId());
    m_asked = false;
    // A list filled here is told of after the others have had their slice.
    std::vector<HWND> filled;
    for (auto fill = m_fills.begin(); fill != m_fills.end();) {
        if (addSlice(*fill)) {
            filled.push_back(fill->list);
            fill = m_fills.erase(fill);
        } else {
            ++fill;
        }
    }
    if (!m_fills.empty())
        askToGoOn();
    for (HWND list : filled)
        m_filled(list);
}

bool ListFill::filling(HWND list) const
{
    return std::any_of(m_fills.begin(), m_fills.end(), [list](const Fill& fill) { return fill.list == list; });
}

bool ListFill::addSlice(Fill& fill)
{
    const DWORD started = GetTickCount();
    std::wstring wide;
    while (fill.next < fill.count) {
        // A character of the code page is one byte or two, and never more
        // than one UTF-16 unit: the bytes' count is room enough.
        const std::string& text = fill.textAt(fill.next);
        wide.resize(text.size());
        const int length =
            MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), static_cast<int>(wide.size()));
        wide.resize(static_cast<std::size_t>(std::max(length, 0)));
        CallWindowProcW(fill.procedure, fill.list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
        ++fill.next;
        if (fill.next % kTextsBetweenLooks == 0 && GetTickCount() - started >= kSliceMs)
            break;
    }
    return fill.next == fill.count;
}

void ListFill::askToGoOn()
{
    if (m_asked)
        return;
    // A posted message comes before input and paint: where they wait, the
    // next slice comes on a timer, which comes after them.
    const bool waiting = HIWORD(GetQueueStatus(QS_INPUT | QS_PAINT)) != 0;
    m_asked = !waiting && PostMessageA(m_window, m_message, 0, 0) != FALSE;
    if (!m_asked)
        m_asked = SetTimer(m_window, timerId(), USER_TIMER_MINIMUM, nullptr) != 0;
}

}  // namespace varnix
