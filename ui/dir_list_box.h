#pragma once

#include "launch/directory_listing.h"

#include <QListView>
#include <QString>

#include <optional>

namespace varnix {

class DirectoryChainModel;

// The directory list: the chain of directories from the root down to its
// directory, indented, followed by that directory's sub-directories. A
// double-click opens an entry.
class DirListBox final : public QListView {
    Q_OBJECT
public:
    explicit DirListBox(QWidget* parent = nullptr);

    // Makes `directory` the list's directory and lists it. Throws
    // std::system_error when it cannot be read; the list then stays as it was.
    void setPath(const QString& directory);
    // Makes `directory` the list's directory, to be read when the list is
    // first shown; a list that is never shown never reads it.
    void setPathWhenShown(const QString& directory);
    // The list's directory, absolute, in the platform's separators.
    QString path() const;
    // The full path of the entry in `row`, in Qt's separators.
    QString entryPath(int row) const;
    int count() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    DirectoryChainModel* m_model;
    std::optional<QString> m_pendingPath;
    QString m_path;
    // The directory's stamp when last listed: the same unchanged directory
    // is not read a second time.
    std::optional<DirectoryStamp> m_stamp;
};

}  // namespace varnix
