#include "ui/file_list_box.h"

#include "launch/directory_listing.h"
#include "ui/name_list_model.h"

namespace varnix {

FileListBox::FileListBox(QWidget* parent) : QListView(parent), m_model(new NameListModel(this))
{
    setModel(m_model);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void FileListBox::setPathAndPattern(const std::string& directory, const std::string& pattern)
{
    auto files = listFiles(directory);
    const auto patterns = splitPatterns(pattern);
    std::erase_if(files, [&patterns](const std::string& file) { return !matchesAnyWildcard(file, patterns); });
    m_path = directory;
    m_pattern = pattern;
    m_model->setNames(std::move(files));
}

std::string FileListBox::fileName() const
{
    const auto selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? std::string() : m_model->nameAt(selected.constFirst().row());
}

int FileListBox::count() const
{
    return m_model->rowCount();
}

}  // namespace varnix
