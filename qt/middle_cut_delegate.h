#pragma once

#include <QStyledItemDelegate>

namespace varnix {

// Draws a list row whose name is wider than the list cut in the middle (its
// start, an ellipsis, its end) and shows the whole name in a tooltip for such
// a row only. An indented row's text starts after its indent. A row that fits is drawn as the list always draws it; the list
// and its model keep every whole name.
class MiddleCutDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
        const QModelIndex& index) override;

    // The text the row shows: its whole text when that fits.
    QString shownText(const QStyleOptionViewItem& row) const;

private:
    // The row as its text is laid out: moved right by its indent, if any.
    QStyleOptionViewItem textRow(const QStyleOptionViewItem& option, const QModelIndex& index) const;
};

} // namespace varnix
