#pragma once

#include <QAbstractListModel>

#include <string>
#include <vector>

namespace varnix {

// A flat list of names, kept as the system's bytes and replaced as a whole;
// each is converted for display only when a view asks for its row.
class NameListModel final : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    void setNames(std::vector<std::string> names);
    const std::string& nameAt(int row) const { return m_names[static_cast<std::size_t>(row)]; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    std::vector<std::string> m_names;
};

}  // namespace varnix
