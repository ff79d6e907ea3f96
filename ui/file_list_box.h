#pragma once

#include <QListView>

#include <string>

namespace varnix {

class NameListModel;

// The ROM file list: the files of one directory that match a ";"-separated
// wildcard pattern, one of them selectable. Names are the system's bytes.
class FileListBox final : public QListView {
    Q_OBJECT
public:
    explicit FileListBox(QWidget* parent = nullptr);

    // Points the list at `directory` and lists its files that match
    // `pattern`, reading the directory afresh every time. Throws
    // std::system_error when the directory cannot be read; the list then
    // keeps its directory, pattern and entries.
    void setPathAndPattern(const std::string& directory, const std::string& pattern);

    const std::string& path() const { return m_path; }
    const std::string& pattern() const { return m_pattern; }
    // The selected file's name, or the empty text while none is selected.
    std::string fileName() const;
    int count() const;

private:
    NameListModel* m_model;
    std::string m_path;
    std::string m_pattern;
};

}  // namespace varnix
