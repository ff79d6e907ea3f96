// The Windows window: the tasks carried to its thread, and its lists' fills.
#include "win32/window_tasks.h"

#include "win32/win32_view.h"

#include <windowsx.h>

#include <utility>

namespace varnix {

void Win32View::createQueue()
{
    // The wake carries no task: the tasks wait in the queue, and a wake that
    // is lost (a full message queue) loses none of them.
    HWND window = m_window;
    m_queue = std::make_shared<WindowQueue>([window] { return PostMessageA(window, kWakeMessage, 0, 0) != FALSE; });
    m_fill = std::make_unique<ListFill>(m_window, kFillMessage, [this](HWND list) { listFilled(list); });
}

void Win32View::closeQueue()
{
    if (m_queue)
        m_queue->close();
}

void Win32View::listFilled(HWND list)
{
    if (m_rowToSelect && m_rowToSelect->first == list)
        ListBox_SetCurSel(list, static_cast<int>(std::exchange(m_rowToSelect, std::nullopt)->second));
    if (m_readingNotice && m_readingNotice->holds(list))
        return;
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

void Win32View::onTimer(HWND, UINT id)
{
    if (id == kQueuePollTimer)
        m_queue->runQueued();
    else if (m_fill && id == m_fill->timerId())
        m_fill->goOn();
}

}  // namespace varnix
