#include "ui/file_list_box.h"

#include "ui/name_list_model.h"

namespace varnix {

FileListBox::FileListBox(QWidget* parent) : QListView(parent), m_model(new NameListModel(this))
{
    setModel(m_model);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void FileListBox::setPathAndPattern(const QString& directory, const QString& pattern)
{
    const auto name = directory.toLocal8Bit().toStdString();
    const auto stamp = directoryStamp(name);
    const bool filesChanged = stamp != m_stamp;
    if (filesChanged)
        m_files = listFiles(name);
    m_path = directory;
    m_stamp = stamp;
    if (!filesChanged && pattern == m_pattern)
        return;  // the same entries: keep them and their selection
    m_pattern = pattern;

    const auto patterns = splitPatterns(pattern.toLocal8Bit().toStdString());
    std::vector<QString> names;
    names.reserve(m_files.size());
    for (const auto& file : m_files) {
        if (matchesAnyWildcard(file, patterns))
            names.push_back(QString::fromLocal8Bit(file.data(), static_cast<qsizetype>(file.size())));
    }
    m_model->setNames(std::move(names));
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

}  // namespace varnix
