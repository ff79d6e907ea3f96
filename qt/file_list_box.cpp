#include "qt/file_list_box.h"

#include "qt/middle_cut_delegate.h"
#include "qt/name_list_model.h"

namespace varnix {
namespace {

void setUpList(QListView* list, QAbstractItemModel* model)
{
    list->setModel(model);
    list->setUniformItemSizes(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setItemDelegate(new MiddleCutDelegate(list));
}

}  // namespace

FileListBox::FileListBox(QWidget* parent) : QListView(parent), m_model(new NameListModel(this))
{
    setUpList(this, m_model);
}

void FileListBox::setNames(std::shared_ptr<const std::vector<std::string>> names)
{
    m_model->setNames(std::move(names));
}

std::optional<std::size_t> FileListBox::selectedRow() const
{
    const auto selected = selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return std::nullopt;
    return static_cast<std::size_t>(selected.constFirst().row());
}

DirListBox::DirListBox(QWidget* parent) : QListView(parent), m_model(new DirectoryRowsModel(this))
{
    setUpList(this, m_model);
    connect(this, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { emit rowOpened(static_cast<std::size_t>(index.row())); });
}

void DirListBox::setRows(std::shared_ptr<const DirectoryRows> rows)
{
    m_model->setRows(std::move(rows));
}

}  // namespace varnix
