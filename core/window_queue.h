#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>

namespace varnix {

// Carries tasks from any thread to the window's thread, in the order they
// came. The window's side owns it: it runs the queued tasks on its thread and
// closes the queue when the window goes. A task holds plain data only (names,
// a weak handle): one posted after the close is destroyed where it was
// posted, so nothing of the window's thread is ever destroyed on a worker.
class WindowQueue {
public:
    using Task = std::function<void()>;
    // Asks the window's thread to run the queue soon; false where it could
    // not ask. Called with the queue locked, once between two runs.
    using Wake = std::function<bool()>;

    explicit WindowQueue(Wake wake);
    WindowQueue(const WindowQueue&) = delete;
    WindowQueue& operator=(const WindowQueue&) = delete;

    // Any thread: false once the queue is closed. A task whose wake fails
    // stays queued all the same: the window's next run takes it.
    bool post(Task task);
    // The window's thread: runs the queued tasks one at a time, in order. A
    // task may open a modal box whose loop runs the queue again; that run
    // goes on where this one is, so the order still holds.
    void runQueued();
    // The window's thread: later posts fail, and the tasks still queued are
    // freed here, unrun.
    void close();

    // How many wakes could not be asked: their tasks waited for a run the
    // window made on its own.
    std::size_t failedWakes() const;

private:
    mutable std::mutex m_mutex;
    std::deque<Task> m_tasks;
    Wake m_wake;  // empty once closed
    bool m_closed = false;
    bool m_wakeAsked = false;
    std::size_t m_failedWakes = 0;
};

}  // namespace varnix
