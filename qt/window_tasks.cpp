#include "qt/window_tasks.h"

#include <QSocketNotifier>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace varnix {

WindowTasks::WindowTasks(QObject* parent) : QObject(parent)
{
    // Non-blocking: a full pipe already holds a wake-up.
    if (pipe2(m_pipe, O_CLOEXEC | O_NONBLOCK) == 0) {
        m_notifier = new QSocketNotifier(m_pipe[0], QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, [this] {
            char drained[64];
            while (read(m_pipe[0], drained, sizeof drained) > 0) {
            }
            m_queue->runQueued();
        });
    }
    const int wakeEnd = m_pipe[1];
    m_queue = std::make_shared<WindowQueue>([wakeEnd] {
        const char wake = 1;
        ssize_t written;
        while ((written = write(wakeEnd, &wake, 1)) < 0 && errno == EINTR) {
        }
        return written == 1 || (written < 0 && errno == EAGAIN);
    });
}

WindowTasks::~WindowTasks()
{
    // No worker writes to the pipe once the queue is closed.
    m_queue->close();
    for (int end : m_pipe)
        if (end >= 0)
            close(end);
}

}  // namespace varnix
