#include "kit/ui/QsoTableView.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QTableView>

void setUpQsoTable(QTableView *view, QAbstractItemModel *model, std::initializer_list<int> widthsInChars)
{
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setWordWrap(false);
    view->verticalHeader()->setVisible(false);
    const QFontMetrics fm(view->font());
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(fm.height() + 6);
    const int w = fm.horizontalAdvance(QLatin1Char('M'));
    int column = 0;
    for (const int chars : widthsInChars) {
        if (chars)
            view->setColumnWidth(column, w * chars + 16);
        else
            view->horizontalHeader()->setSectionResizeMode(column, QHeaderView::Stretch);
        ++column;
    }
    view->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}
