#pragma once

#include <QAbstractListModel>
#include <QString>

#include <vector>

namespace varnix {

// A flat list of display names, replaced as a whole.
class NameListModel final : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    void setNames(std::vector<QString> names);
    const QString& nameAt(int row) const { return m_names[static_cast<std::size_t>(row)]; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    std::vector<QString> m_names;
};

}  // namespace varnix
