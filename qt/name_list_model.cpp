#include "qt/name_list_model.h"

namespace varnix {
namespace {

QString display(const std::string& bytes)
{
    return QString::fromLocal8Bit(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// The tooltip's whole name is asked for only for a row drawn cut.
bool isTextRole(int role)
{
    return role == Qt::DisplayRole || role == Qt::AccessibleTextRole || role == Qt::ToolTipRole;
}

}  // namespace

void NameListModel::setNames(std::shared_ptr<const std::vector<std::string>> names)
{
    beginResetModel();
    m_names = std::move(names);
    endResetModel();
}

int NameListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || !m_names ? 0 : static_cast<int>(m_names->size());
}

QVariant NameListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || !isTextRole(role))
        return {};
    return display((*m_names)[static_cast<std::size_t>(index.row())]);
}

void DirectoryRowsModel::setRows(std::shared_ptr<const DirectoryRows> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

int DirectoryRowsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || !m_rows ? 0 : static_cast<int>(m_rows->count());
}

QVariant DirectoryRowsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const auto row = static_cast<std::size_t>(index.row());
    if (role == kDepthRole)
        return static_cast<int>(m_rows->depthOf(row));
    return isTextRole(role) ? display(m_rows->nameAt(row)) : QVariant();
}

}  // namespace varnix
