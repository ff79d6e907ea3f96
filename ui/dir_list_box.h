#pragma once

#include <QListView>

#include <optional>
#include <string>

namespace varnix {

class DirectoryChainModel;

// The directory list: the chain of directories from the root down to its
// directory, indented, followed by that directory's sub-directories. A
// double-click opens an entry. Paths are the system's bytes.
class DirListBox final : public QListView {
    Q_OBJECT
public:
    explicit DirListBox(QWidget* parent = nullptr);

    // Makes the absolute `directory` (trailing blanks are no part of it) the
    // list's directory and lists it afresh. Throws std::system_error when it
    // cannot be read; the list then stays as it was.
    void setPath(const std::string& directory);
    // Makes `directory` the list's directory, to be read when the list is
    // first shown; a list that is never shown never reads it.
    void setPathWhenShown(const std::string& directory);
    // The list's directory, in the platform's separators.
    std::string path() const;
    // The full path of the entry in `row`.
    std::string entryPath(int row) const;
    int count() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    DirectoryChainModel* m_model;
    std::optional<std::string> m_pendingPath;
};

}  // namespace varnix
