#include "ui/dir_list_box.h"

#include "config/fixed_field.h"
#include "ui/directory_listing.h"
#include "ui/name_list_model.h"

#include <QDir>
#include <QFileInfo>

#include <system_error>

namespace varnix {
namespace {

const QString kIndent = QStringLiteral("   ");

}  // namespace

DirListBox::DirListBox(QWidget* parent) : QListView(parent), m_model(new NameListModel(this))
{
    setModel(m_model);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        try {
            setPath(m_entryPaths.at(index.row()));
        } catch (const std::system_error&) {
            // A directory that vanished since it was listed stays unopened.
        }
    });
}

void DirListBox::setPath(const QString& directory)
{
    const auto name = QString::fromLocal8Bit(withoutTrailingBlanks(directory.toLocal8Bit().toStdString()));
    // An empty name is no directory, not the current one.
    const auto absolute = name.isEmpty() ? QString() : QDir::cleanPath(QFileInfo(name).absoluteFilePath());
    const auto native = QDir::toNativeSeparators(absolute).toLocal8Bit().toStdString();
    const auto stamp = directoryStamp(native);
    if (absolute == m_path && stamp == m_stamp)
        return;
    const auto subdirectories = listSubdirectories(native);

    std::vector<QString> display;
    QStringList paths;
    // The chain: the root, then each directory down to this one.
    auto parts = absolute.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString chain = absolute.startsWith(QLatin1Char('/')) ? QStringLiteral("/") : QString();
    if (chain.isEmpty() && !parts.isEmpty())  // a drive such as "C:"
        chain = parts.takeFirst() + QLatin1Char('/');
    display.push_back(QDir::toNativeSeparators(chain));
    paths.push_back(chain);
    QString indent;
    for (const auto& part : parts) {
        indent += kIndent;
        chain = chain.endsWith(QLatin1Char('/')) ? chain + part : chain + QLatin1Char('/') + part;
        display.push_back(indent + part);
        paths.push_back(chain);
    }
    indent += kIndent;
    for (const auto& subdirectory : subdirectories) {
        const auto sub = QString::fromLocal8Bit(subdirectory);
        display.push_back(indent + sub);
        paths.push_back(chain.endsWith(QLatin1Char('/')) ? chain + sub : chain + QLatin1Char('/') + sub);
    }
    m_path = absolute;
    m_stamp = stamp;
    m_entryPaths = paths;
    m_model->setNames(std::move(display));
}

QString DirListBox::path() const
{
    return QDir::toNativeSeparators(m_path);
}

}  // namespace varnix
