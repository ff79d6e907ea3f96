#pragma once

#include "launch/directory_listing.h"

#include <QListView>
#include <QString>

#include <optional>
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

    // Points the list at `directory` and lists its files that match
    // `pattern`. Throws std::system_error when the directory cannot be read;
    // the list then keeps its directory, pattern and entries.
    void setPathAndPattern(const QString& directory, const QString& pattern);

    QString path() const { return m_path; }
    QString pattern() const { return m_pattern; }
    // The selected file's name, or the empty text while none is selected.
    QString fileName() const;
    int count() const;

private:
    NameListModel* m_model;
    QString m_path;
    QString m_pattern;
    // Every file of the directory as last read, sorted, and the directory's
    // stamp then: pointing the list at the same unchanged directory again
    // does not read it a second time.
    std::vector<std::string> m_files;
    std::optional<DirectoryStamp> m_stamp;
};

}  // namespace varnix
