#include "qt/middle_cut_delegate.h"

#include "core/middle_cut.h"
#include "qt/name_list_model.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QToolTip>

#include <cmath>

namespace varnix {
namespace {

const QStyle* styleOf(const QStyleOptionViewItem& row)
{
    return row.widget ? row.widget->style() : QApplication::style();
}

// Each level of a row's depth is indented by the width of this many blanks.
constexpr int kIndentBlanks = 3;

std::string bytes(const QString& text)
{
    return text.toLocal8Bit().toStdString();
}

} // namespace

QString MiddleCutDelegate::shownText(const QStyleOptionViewItem& row) const
{
    const QStyle* style = styleOf(row);
    // The style draws the text inside this rectangle, less a margin each side.
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, row.widget) + 1;
    const int width = style->subElementRect(QStyle::SE_ItemViewItemText, &row, row.widget).width() - 2 * margin;
    // Fractional widths, rounded up, as the style's own layout decides whether
    // a text fits.
    const QFontMetricsF metrics(row.font);
    const auto textWidth
        = [&metrics](const QString& text) { return static_cast<int>(std::ceil(metrics.horizontalAdvance(text))); };
    if (textWidth(row.text) <= width)
        return row.text;
    const QString ellipsis = metrics.inFont(QChar(0x2026)) ? QString(QChar(0x2026)) : QStringLiteral("...");
    const auto shown = cutInTheMiddle(bytes(row.text), bytes(ellipsis), width, [&](const std::string& text) {
        return textWidth(QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size())));
    });
    return QString::fromLocal8Bit(shown.data(), static_cast<qsizetype>(shown.size()));
}

QStyleOptionViewItem MiddleCutDelegate::textRow(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem row(option);
    initStyleOption(&row, index);
    if (const int depth = index.data(kDepthRole).toInt(); depth > 0)
        row.rect.setLeft(row.rect.left() +
                         depth * kIndentBlanks * QFontMetrics(row.font).horizontalAdvance(QLatin1Char(' ')));
    return row;
}

void MiddleCutDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem row = textRow(option, index);
    const QStyle* style = styleOf(row);
    if (row.rect != option.rect) {
        // The indent is part of the row: its background, selection and focus
        // cue span the whole row, and the text is drawn over them.
        QStyleOptionViewItem whole(row);
        whole.rect = option.rect;
        whole.text.clear();
        style->drawControl(QStyle::CE_ItemViewItem, &whole, painter, row.widget);
        row.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
    }
    row.text = shownText(row);
    style->drawControl(QStyle::CE_ItemViewItem, &row, painter, row.widget);
}

bool MiddleCutDelegate::helpEvent(
    QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option, const QModelIndex& index)
{
    if (!event || !view || event->type() != QEvent::ToolTip || !index.isValid())
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    const QStyleOptionViewItem row = textRow(option, index);
    if (shownText(row) == row.text) {
        QToolTip::hideText();
        event->ignore();
        return false;
    }
    QToolTip::showText(event->globalPos(), index.data(Qt::ToolTipRole).toString(), view->viewport(), option.rect);
    return true;
}

} // namespace varnix
