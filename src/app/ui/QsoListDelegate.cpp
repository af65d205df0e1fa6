#include "app/ui/QsoListDelegate.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

void QsoListDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette::ColorGroup group = !(option.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : (option.state & QStyle::State_Active)  ? QPalette::Active
                                                                                : QPalette::Inactive;
    if (selected) {
        painter->fillRect(option.rect, option.palette.brush(group, QPalette::Highlight));
    } else {
        const QVariant background = index.data(Qt::BackgroundRole);
        if (background.canConvert<QBrush>())
            painter->fillRect(option.rect, qvariant_cast<QBrush>(background));
    }

    const QString text = index.data(Qt::DisplayRole).toString();
    if (text.isEmpty())
        return;
    const QVariant alignment = index.data(Qt::TextAlignmentRole);
    const bool right = alignment.isValid() && (alignment.toInt() & Qt::AlignRight);
    // The same margin as the style's own item text.
    const QStyle *style = option.widget ? option.widget->style() : QApplication::style();
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, option.widget) + 1;
    const QRect area = option.rect.adjusted(margin, 0, -margin, 0);
    const QFontMetrics &fm = option.fontMetrics;
    // One line, centred in the row; drawn from its base line, which spares the
    // line layout that drawing into a rectangle does.
    const int x = right ? area.right() + 1 - fm.horizontalAdvance(text) : area.left();
    const int baseline = area.top() + (area.height() - fm.height()) / 2 + fm.ascent();

    painter->save();
    painter->setClipRect(option.rect);
    painter->setFont(option.font);
    painter->setPen(option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(QPoint(x, baseline), text);
    painter->restore();
}
