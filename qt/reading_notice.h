#pragma once

#include "core/system.h"

#include <QLabel>
#include <QPointer>
#include <QTimer>

#include <memory>

namespace varnix {

// What a list's area shows while its folder is read: for a moment nothing
// new (the list keeps what it drew, so a quick read does not flash), then,
// over the list, that the folder is being read and how many names have
// come, and the busy pointer over the whole window.
class ReadingNotice final : public QLabel {
    Q_OBJECT
public:
    explicit ReadingNotice(QWidget* window, QWidget* client);

    void start(QWidget* list, std::shared_ptr<const ReadProgress> progress);
    void stop();

private:
    void showOverList();
    void refresh();

    QWidget* m_window;
    QPointer<QWidget> m_list;
    std::shared_ptr<const ReadProgress> m_progress;
    QTimer m_delay;
    QTimer m_refresh;
};

}  // namespace varnix
