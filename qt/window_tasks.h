#pragma once

#include "core/window_queue.h"

#include <QObject>

#include <memory>

class QSocketNotifier;

namespace varnix {

// The window's queue on Qt: a byte down a pipe wakes the window's event
// loop, which runs the queued tasks; no data of ours crosses threads through
// Qt's own locks, which ThreadSanitizer cannot see. Closed when it goes, with
// the tasks still queued freed unrun.
class WindowTasks final : public QObject {
    Q_OBJECT
public:
    explicit WindowTasks(QObject* parent = nullptr);
    ~WindowTasks() override;

    const std::shared_ptr<WindowQueue>& queue() const { return m_queue; }
    // Runs what is queued; also where no wake could come (the poll while a
    // read is under way).
    void runQueued() { m_queue->runQueued(); }

private:
    int m_pipe[2] = {-1, -1};
    QSocketNotifier* m_notifier = nullptr;
    std::shared_ptr<WindowQueue> m_queue;
};

}  // namespace varnix
