#pragma once

#include "core/directory_rows.h"

#include <QListView>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace varnix {

class DirectoryRowsModel;
class NameListModel;

// The ROM file list: shows the names it is given, one of them selectable.
class FileListBox final : public QListView {
    Q_OBJECT
public:
    explicit FileListBox(QWidget* parent = nullptr);

    void setNames(std::shared_ptr<const std::vector<std::string>> names);
    std::optional<std::size_t> selectedRow() const;

private:
    NameListModel* m_model;
};

// The directory list: shows the rows it is given and reports a
// double-click on one of them.
class DirListBox final : public QListView {
    Q_OBJECT
public:
    explicit DirListBox(QWidget* parent = nullptr);

    void setRows(std::shared_ptr<const DirectoryRows> rows);

signals:
    void rowOpened(std::size_t row);

private:
    DirectoryRowsModel* m_model;
};

}  // namespace varnix
