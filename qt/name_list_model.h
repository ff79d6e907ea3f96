#pragma once

#include "core/directory_rows.h"

#include <QAbstractListModel>

#include <memory>
#include <string>
#include <vector>

namespace varnix {

// The file list's names, kept as the system's bytes and shared with the
// window's behaviour; each is converted for display only when a view asks
// for its row.
class NameListModel final : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    void setNames(std::shared_ptr<const std::vector<std::string>> names);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    std::shared_ptr<const std::vector<std::string>> m_names;
};

// How deep a row is indented, for the rows that are: an int.
inline constexpr int kDepthRole = Qt::UserRole;

// The directory list's rows, converted for display only when asked for. A
// row's text is its directory's name; its depth is drawn as its indent.
class DirectoryRowsModel final : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    void setRows(std::shared_ptr<const DirectoryRows> rows);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    std::shared_ptr<const DirectoryRows> m_rows;
};

}  // namespace varnix
