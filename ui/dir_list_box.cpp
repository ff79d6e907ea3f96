#include "ui/dir_list_box.h"

#include "config/fixed_field.h"
#include "launch/directory_listing.h"
#include "launch/path_names.h"

#include <QAbstractListModel>

#include <system_error>
#include <utility>
#include <vector>

namespace varnix {

// The chain from the root down to the directory, then its sub-directories.
// Indents and display texts are made only for the rows that are asked for,
// so a directory of thousands of games costs one name per game.
class DirectoryChainModel final : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    void set(PathChain chain, std::vector<std::string> subdirectories)
    {
        beginResetModel();
        m_chain = std::move(chain);
        m_subdirectories = std::move(subdirectories);
        endResetModel();
    }

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(1 + m_chain.names.size() + m_subdirectories.size());
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || index.row() >= rowCount() ||
            (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
            return {};
        const auto row = static_cast<std::size_t>(index.row());
        if (row == 0)
            return display(m_chain.root);
        const auto depth = std::min(row, m_chain.names.size() + 1);
        return QString(static_cast<qsizetype>(depth) * kIndentWidth, QLatin1Char(' ')) + display(nameAt(row));
    }

    std::string directory() const { return m_chain.path(); }

    std::string pathAt(int row) const
    {
        const auto index = static_cast<std::size_t>(row);
        if (index <= m_chain.names.size())
            return m_chain.pathOf(index);
        return pathInDirectory(m_chain.path(), nameAt(index));
    }

private:
    static constexpr int kIndentWidth = 3;

    static QString display(const std::string& bytes)
    {
        return QString::fromLocal8Bit(bytes.data(), static_cast<qsizetype>(bytes.size()));
    }

    const std::string& nameAt(std::size_t row) const
    {
        return row <= m_chain.names.size() ? m_chain.names[row - 1] : m_subdirectories[row - 1 - m_chain.names.size()];
    }

    PathChain m_chain;
    std::vector<std::string> m_subdirectories;
};

namespace {

// The list's directory taken apart; trailing blanks are no part of its name.
PathChain chainOf(const std::string& directory)
{
    return splitAbsolutePath(withoutTrailingBlanks(directory));
}

}  // namespace

DirListBox::DirListBox(QWidget* parent) : QListView(parent), m_model(new DirectoryChainModel(this))
{
    setModel(m_model);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        try {
            setPath(entryPath(index.row()));
        } catch (const std::system_error&) {
            // A directory that vanished since it was listed stays unopened.
        }
    });
}

void DirListBox::setPathWhenShown(const std::string& directory)
{
    m_pendingPath = directory;
}

void DirListBox::showEvent(QShowEvent* event)
{
    if (const auto pending = std::exchange(m_pendingPath, std::nullopt)) {
        try {
            setPath(*pending);
        } catch (const std::system_error&) {
            // An unreadable directory leaves the list empty.
        }
    }
    QListView::showEvent(event);
}

void DirListBox::setPath(const std::string& directory)
{
    auto chain = chainOf(directory);
    auto subdirectories = listSubdirectories(chain.path());  // the empty name is no directory
    m_pendingPath.reset();
    m_model->set(std::move(chain), std::move(subdirectories));
}

std::string DirListBox::path() const
{
    // A directory not yet read is the list's directory all the same.
    return m_pendingPath ? chainOf(*m_pendingPath).path() : m_model->directory();
}

std::string DirListBox::entryPath(int row) const
{
    return m_model->pathAt(row);
}

int DirListBox::count() const
{
    return m_model->rowCount();
}

}  // namespace varnix
