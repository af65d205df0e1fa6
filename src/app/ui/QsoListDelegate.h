#pragma once

#include <QStyledItemDelegate>

// Draws a cell of the QSO list as one run of text in the list's fixed-width font,
// on the selection colour or the row's own background: the style's general item
// drawing lays each cell's text out three times (size, elision, drawing), which
// made the first drawing of the main window noticeably slower. Text wider than its
// column is cut at the column's edge.
class QsoListDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};
