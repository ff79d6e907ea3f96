#include "qt/window_tasks.h"

#include <QSocketNotifier>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace varnix {

WindowTasks::WindowTasks(QObject* parent) : QObject(parent)
{
    // Non-blocking: a full pipe already holds a wake-up.
    if (pipe2(m_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_notifier = new QSocketNotifier(m_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &WindowTasks::runQueued);
}

WindowTasks::~WindowTasks()
{
    for (int end : m_pipe)
        if (end >= 0)
            close(end);
}

void WindowTasks::post(std::function<void()> task)
{
    {
        std::lock_guard lock(m_mutex);
        m_queued.push_back(std::move(task));
    }
    if (m_pipe[1] < 0)
        return;
    const char wake = 1;
    while (write(m_pipe[1], &wake, 1) < 0 && errno == EINTR) {
    }
}

void WindowTasks::runQueued()
{
    char drained[64];
    while (read(m_pipe[0], drained, sizeof drained) > 0) {
    }
    std::deque<std::function<void()>> tasks;
    {
        std::lock_guard lock(m_mutex);
        tasks.swap(m_queued);
    }
    // A task may open a modal box, whose loop runs the tasks queued meanwhile.
    for (auto& task : tasks)
        task();
}

}  // namespace varnix
