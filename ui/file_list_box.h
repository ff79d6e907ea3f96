#pragma once

#include <QListView>
#include <QString>

#include <string>
#include <vector>

namespace varnix {

class NameListModel;

// The ROM file list: the files of one directory that match a ";"-separated
// wildcard pattern, one of them selectable.
class FileListBox final : public QListView {
    Q_OBJECT
public:
    explicit FileListBox(QWidget* parent = nullptr);

    // Reads `directory` and lists its matching files. Throws
    // std::system_error when it cannot be read; the list then stays as it was.
    void setPath(const QString& directory);
    // Lists the files of the current directory that match `pattern`.
    void setPattern(const QString& pattern);

    QString path() const { return m_path; }
    QString pattern() const { return m_pattern; }
    // The selected file's name, or the empty text while none is selected.
    QString fileName() const;
    int count() const;

private:
    void showMatching();

    NameListModel* m_model;
    QString m_path;
    QString m_pattern;
    // Every file of the directory, sorted: a new pattern filters these again
    // instead of reading the directory a second time.
    std::vector<std::string> m_files;
};

}  // namespace varnix
