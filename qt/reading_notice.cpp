#include "qt/reading_notice.h"

#include "core/reading_notice.h"

namespace varnix {

ReadingNotice::ReadingNotice(QWidget* window, QWidget* client) : QLabel(client), m_window(window)
{
    setObjectName(QStringLiteral("readingNotice"));
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
    setAutoFillBackground(true);
    hide();
    m_delay.setSingleShot(true);
    m_delay.setInterval(kReadingNoticeDelayMs);
    m_refresh.setInterval(kReadingNoticeRefreshMs);
    connect(&m_delay, &QTimer::timeout, this, &ReadingNotice::showOverList);
    connect(&m_refresh, &QTimer::timeout, this, &ReadingNotice::refresh);
}

void ReadingNotice::start(QWidget* list, std::shared_ptr<const ReadProgress> progress)
{
    stop();
    m_list = list;
    m_progress = std::move(progress);
    // The list keeps what it drew until the notice covers it.
    list->setUpdatesEnabled(false);
    m_delay.start();
}

void ReadingNotice::stop()
{
    m_delay.stop();
    m_refresh.stop();
    m_progress.reset();
    if (m_list)
        m_list->setUpdatesEnabled(true);
    m_list = nullptr;
    if (!isHidden()) {  // shown, even in a window that is minimized now
        hide();
        m_window->unsetCursor();
    }
}

void ReadingNotice::showOverList()
{
    if (!m_list)
        return;
    m_list->setUpdatesEnabled(true);
    // In the list's own colours and font, over its whole area.
    QPalette colours = palette();
    colours.setColor(QPalette::Window, m_list->palette().color(QPalette::Base));
    colours.setColor(QPalette::WindowText, m_list->palette().color(QPalette::Text));
    setPalette(colours);
    setFont(m_list->font());
    setGeometry(m_list->geometry());
    refresh();
    raise();
    show();
    m_window->setCursor(Qt::BusyCursor);
    m_refresh.start();
}

void ReadingNotice::refresh()
{
    setText(QString::fromLocal8Bit(readingNotice(m_progress ? m_progress->load(std::memory_order_relaxed) : 0)));
}

}  // namespace varnix
