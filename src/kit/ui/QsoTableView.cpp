#include "kit/ui/QsoTableView.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QScrollBar>

#include <utility>

QsoTableView::QsoTableView(QWidget *parent) : QTableView(parent)
{
    // The vertical header tells the view its new row count; the view's own answer
    // (lay everything out again, repaint it all) is kept for what this one cannot
    // place: rows removed, rows added above what is shown, a model reset.
    QHeaderView *rows = verticalHeader();
    if (!disconnect(rows, SIGNAL(sectionCountChanged(int,int)), this, SLOT(rowCountChanged(int,int))))
        disconnect(rows, &QHeaderView::sectionCountChanged, this, &QsoTableView::rowCountChanged);
    connect(rows, &QHeaderView::sectionCountChanged, this, &QsoTableView::rowCountFollows);
    // A scroll bar paints all of its surface: its range moving with each new QSO
    // then repaints the scroll bar alone, not the frames behind it.
    verticalScrollBar()->setAttribute(Qt::WA_OpaquePaintEvent);
    horizontalScrollBar()->setAttribute(Qt::WA_OpaquePaintEvent);
}

void QsoTableView::setModel(QAbstractItemModel *model)
{
    for (const QMetaObject::Connection &c : m_coming)
        disconnect(c);
    m_coming.clear();
    QTableView::setModel(model);
    m_comingAt = -1;
    if (model) {
        // Heard before the header counts the new rows: where they go. Anything else
        // that changes the count leaves the place unknown.
        m_coming << connect(model, &QAbstractItemModel::rowsAboutToBeInserted, this,
                            [this](const QModelIndex &parent, int first) {
                                if (!parent.isValid())
                                    m_comingAt = first;
                            });
        const auto unknown = [this] { m_comingAt = -1; };
        m_coming << connect(model, &QAbstractItemModel::modelAboutToBeReset, this, unknown);
        m_coming << connect(model, &QAbstractItemModel::layoutAboutToBeChanged, this, unknown);
        m_coming << connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, this, unknown);
    }
}

int QsoTableView::rowTop(int row) const
{
    // Rows of one fixed height, none hidden or moved: where a row stands is a
    // product. The header would otherwise work out the place of each of its rows
    // again after an insertion, a pass over the whole log's rows.
    const QHeaderView *rows = verticalHeader();
    if (uniformRows() && rows->sectionSize(row) == rows->defaultSectionSize())
        return row * rows->defaultSectionSize() - rows->offset();
    return rowViewportPosition(row);
}

bool QsoTableView::uniformRows() const
{
    const QHeaderView *rows = verticalHeader();
    return rows->sectionResizeMode(0) == QHeaderView::Fixed && rows->hiddenSectionCount() == 0
        && !rows->sectionsMoved();
}

void QsoTableView::rowCountFollows(int oldCount, int newCount)
{
    const int at = std::exchange(m_comingAt, -1);
    const int top = at >= 0 && newCount > oldCount ? rowTop(at) : -1;
    if (top < 0) {
        QTableView::rowCountChanged(oldCount, newCount);
        return;
    }
    // The rows shown above the new one stay where they are.
    const QRect shown = viewport()->rect();
    QScrollBar *bar = verticalScrollBar();
    if (top >= shown.height() && verticalScrollMode() == ScrollPerItem && bar->maximum() > 0 && uniformRows()) {
        // Below the view of a list that already scrolls: the scroll bar reaches one
        // row further for each new one, and nothing else moves. (Laying the view
        // out again would have the header place each of the log's rows anew.)
        bar->setMaximum(bar->maximum() + newCount - oldCount);
        return;
    }
    updateGeometries();
    if (top < shown.height())
        viewport()->update(QRect(0, top, shown.width(), shown.height() - top));
}

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
