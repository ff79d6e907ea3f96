#pragma once

#include "core/directory_rows.h"

#include <QListView>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace varnix {

class DirectoryRowsModel;
class NameListModel;

// A ROM list: one row selectable; the characters typed into it are reported,
// not searched for here.
class RomListBox : public QListView {
    Q_OBJECT
public:
    explicit RomListBox(QWidget* parent = nullptr);

    std::optional<std::size_t> selectedRow() const;
    // Selects `row`, as a click on it would, and scrolls it into view.
    void selectRow(std::size_t row);

signals:
    // Printable characters typed at `timeMs`, the key's own time; none for
    // an input method's text, which comes whole.
    void typed(const QString& characters, std::optional<std::uint32_t> timeMs);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
};

// The ROM file list: shows the names it is given.
class FileListBox final : public RomListBox {
    Q_OBJECT
public:
    explicit FileListBox(QWidget* parent = nullptr);

    void setNames(std::shared_ptr<const std::vector<std::string>> names);

private:
    NameListModel* m_model;
};

// The directory list: shows the rows it is given and reports a
// double-click on one of them.
class DirListBox final : public RomListBox {
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
