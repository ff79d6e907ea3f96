#include "ui/dir_list_box.h"

#include "config/fixed_field.h"

#include <QAbstractListModel>
#include <QDir>
#include <QFileInfo>

#include <system_error>
#include <utility>
#include <vector>

namespace varnix {

// The chain from the root down to the directory, then its sub-directories.
// Indents and full paths are made only for the rows that are asked for, so a
// directory of thousands of games costs one text per game.
class DirectoryChainModel final : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    void set(QString root, QStringList chain, std::vector<QString> subdirectories)
    {
        beginResetModel();
        m_root = std::move(root);
        m_chain = std::move(chain);
        m_subdirectories = std::move(subdirectories);
        endResetModel();
    }

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(1 + m_chain.size() + m_subdirectories.size());
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || index.row() >= rowCount() ||
            (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
            return {};
        const int row = index.row();
        if (row == 0)
            return QDir::toNativeSeparators(m_root);
        const int depth = std::min<int>(row, static_cast<int>(m_chain.size()) + 1);
        return QString(depth * kIndentWidth, QLatin1Char(' ')) + nameAt(row);
    }

    QString pathAt(int row) const
    {
        QString path = m_root;
        const int chainRows = std::min<int>(row, static_cast<int>(m_chain.size()));
        for (int i = 0; i < chainRows; ++i)
            path = join(path, m_chain.at(i));
        return row > m_chain.size() ? join(path, nameAt(row)) : path;
    }

private:
    static constexpr int kIndentWidth = 3;

    const QString& nameAt(int row) const
    {
        return row <= m_chain.size() ? m_chain.at(row - 1)
                                     : m_subdirectories[static_cast<std::size_t>(row - 1 - m_chain.size())];
    }

    static QString join(const QString& directory, const QString& name)
    {
        return directory.endsWith(QLatin1Char('/')) ? directory + name : directory + QLatin1Char('/') + name;
    }

    QString m_root;
    QStringList m_chain;
    std::vector<QString> m_subdirectories;
};

namespace {

// `name` made absolute and clean, in Qt's separators; an empty name is no
// directory, not the current one.
QString absoluteDirectory(const QString& name)
{
    return name.isEmpty() ? QString() : QDir::cleanPath(QFileInfo(name).absoluteFilePath());
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

void DirListBox::setPathWhenShown(const QString& directory)
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

void DirListBox::setPath(const QString& directory)
{
    const auto name = QString::fromLocal8Bit(withoutTrailingBlanks(directory.toLocal8Bit().toStdString()));
    const auto absolute = absoluteDirectory(name);
    const auto native = QDir::toNativeSeparators(absolute).toLocal8Bit().toStdString();
    const auto stamp = directoryStamp(native);
    if (absolute == m_path && stamp == m_stamp) {
        m_pendingPath.reset();
        return;
    }
    const auto names = listSubdirectories(native);

    std::vector<QString> subdirectories;
    subdirectories.reserve(names.size());
    for (const auto& subdirectory : names)
        subdirectories.push_back(QString::fromLocal8Bit(subdirectory.data(), static_cast<qsizetype>(subdirectory.size())));
    auto chain = absolute.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString root = QStringLiteral("/");
    if (!absolute.startsWith(QLatin1Char('/')) && !chain.isEmpty())  // a drive such as "C:"
        root = chain.takeFirst() + QLatin1Char('/');

    m_path = absolute;
    m_stamp = stamp;
    m_pendingPath.reset();
    m_model->set(std::move(root), std::move(chain), std::move(subdirectories));
}

QString DirListBox::path() const
{
    // A directory not yet read is the list's directory all the same.
    return QDir::toNativeSeparators(m_pendingPath ? absoluteDirectory(*m_pendingPath) : m_path);
}

QString DirListBox::entryPath(int row) const
{
    return m_model->pathAt(row);
}

int DirListBox::count() const
{
    return m_model->rowCount();
}

}  // namespace varnix
