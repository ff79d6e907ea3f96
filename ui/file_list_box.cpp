#include "ui/file_list_box.h"

#include "ui/directory_listing.h"
#include "ui/name_list_model.h"

namespace varnix {

FileListBox::FileListBox(QWidget* parent) : QListView(parent), m_model(new NameListModel(this))
{
    setModel(m_model);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void FileListBox::setPath(const QString& directory)
{
    m_files = listFiles(directory.toLocal8Bit().toStdString());
    m_path = directory;
    showMatching();
}

void FileListBox::setPattern(const QString& pattern)
{
    m_pattern = pattern;
    showMatching();
}

QString FileListBox::fileName() const
{
    const auto selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? QString() : m_model->nameAt(selected.constFirst().row());
}

int FileListBox::count() const
{
    return m_model->rowCount();
}

void FileListBox::showMatching()
{
    const auto patterns = splitPatterns(m_pattern.toLocal8Bit().toStdString());
    std::vector<QString> names;
    for (const auto& file : m_files) {
        if (matchesAnyWildcard(file, patterns))
            names.push_back(QString::fromLocal8Bit(file));
    }
    m_model->setNames(std::move(names));
}

}  // namespace varnix
