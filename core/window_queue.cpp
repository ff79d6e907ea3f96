#include "core/window_queue.h"

#include <utility>

namespace varnix {

WindowQueue::WindowQueue(Wake wake) : m_wake(std::move(wake)) {}

bool WindowQueue::post(Task task)
{
    std::lock_guard lock(m_mutex);
    if (m_closed)
        return false;
    m_tasks.push_back(std::move(task));
    // One wake between two runs: a window's message queue is never flooded.
    if (!m_wakeAsked) {
        m_wakeAsked = m_wake && m_wake();
        if (!m_wakeAsked)
            ++m_failedWakes;
    }
    return true;
}

void WindowQueue::runQueued()
{
    for (;;) {
        Task task;
        {
            std::lock_guard lock(m_mutex);
            m_wakeAsked = false;
            if (m_tasks.empty())
                return;
            task = std::move(m_tasks.front());
            m_tasks.pop_front();
        }
        task();
    }
}

void WindowQueue::close()
{
    std::deque<Task> unrun;
    {
        std::lock_guard lock(m_mutex);
        m_closed = true;
        m_wake = nullptr;
        unrun.swap(m_tasks);
    }
}

std::size_t WindowQueue::failedWakes() const
{
    std::lock_guard lock(m_mutex);
    return m_failedWakes;
}

}  // namespace varnix
