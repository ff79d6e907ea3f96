#include "qt/file_list_box.h"

#include "qt/middle_cut_delegate.h"
#include "qt/name_list_model.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

#include <algorithm>

namespace varnix {
namespace {

// Text a key types into the list, not a key of its own: Tab, Enter, Escape
// and Backspace type control characters, and Ctrl, Alt and Meta make the key
// a shortcut.
bool typesText(const QKeyEvent& key)
{
    const QString text = key.text();
    return !text.isEmpty() && !(key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c.isPrint(); });
}

}  // namespace

RomListBox::RomListBox(QWidget* parent) : QListView(parent)
{
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setItemDelegate(new MiddleCutDelegate(this));
}

std::optional<std::size_t> RomListBox::selectedRow() const
{
    const auto selected = selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return std::nullopt;
    return static_cast<std::size_t>(selected.constFirst().row());
}

void RomListBox::selectRow(std::size_t row)
{
    // The current row, once moved, is scrolled into view by the list itself.
    selectionModel()->setCurrentIndex(model()->index(static_cast<int>(row), 0), QItemSelectionModel::ClearAndSelect);
}

void RomListBox::keyPressEvent(QKeyEvent* event)
{
    if (!typesText(*event))
        return QListView::keyPressEvent(event);
    event->accept();
    emit typed(event->text(), static_cast<std::uint32_t>(event->timestamp()));
}

void RomListBox::inputMethodEvent(QInputMethodEvent* event)
{
    event->accept();
    if (!event->commitString().isEmpty())
        emit typed(event->commitString(), std::nullopt);
}

FileListBox::FileListBox(QWidget* parent) : RomListBox(parent), m_model(new NameListModel(this))
{
    setModel(m_model);
}

void FileListBox::setNames(std::shared_ptr<const std::vector<std::string>> names)
{
    m_model->setNames(std::move(names));
}

DirListBox::DirListBox(QWidget* parent) : RomListBox(parent), m_model(new DirectoryRowsModel(this))
{
    setModel(m_model);
    connect(this, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { emit rowOpened(static_cast<std::size_t>(index.row())); });
}

void DirListBox::setRows(std::shared_ptr<const DirectoryRows> rows)
{
    m_model->setRows(std::move(rows));
}

}  // namespace varnix
