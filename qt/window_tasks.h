#pragma once

#include <QObject>

#include <deque>
#include <functional>
#include <mutex>

class QSocketNotifier;

namespace varnix {

// Hands tasks from any thread to the window's thread: each is queued under
// a standard mutex and a byte down a pipe wakes the window's event loop,
// which runs them. Tasks still queued go with it, unrun.
class WindowTasks final : public QObject {
    Q_OBJECT
public:
    explicit WindowTasks(QObject* parent = nullptr);
    ~WindowTasks() override;

    void post(std::function<void()> task);

private:
    void runQueued();

    std::mutex m_mutex;
    std::deque<std::function<void()>> m_queued;
    int m_pipe[2] = {-1, -1};
    QSocketNotifier* m_notifier = nullptr;
};

}  // namespace varnix
