#include "ui/name_list_model.h"

namespace varnix {

void NameListModel::setNames(std::vector<std::string> names)
{
    beginResetModel();
    m_names = std::move(names);
    endResetModel();
}

int NameListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_names.size());
}

QVariant NameListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) {
        const auto& name = nameAt(index.row());
        return QString::fromLocal8Bit(name.data(), static_cast<qsizetype>(name.size()));
    }
    return {};
}

}  // namespace varnix
