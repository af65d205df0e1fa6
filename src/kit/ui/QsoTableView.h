#pragma once

#include <QTableView>

#include <initializer_list>

class QAbstractItemModel;

// A table of QSOs that repaints only what a new row changes. A plain QTableView
// lays itself out again and repaints all it shows whenever its row count changes;
// on a long log each commit would then redraw every visible QSO, though a row added
// below the view changes nothing on screen but the scroll bar, and a row added
// inside it only the rows from there down.
class QsoTableView : public QTableView
{
    Q_OBJECT
public:
    explicit QsoTableView(QWidget *parent = nullptr);

    void setModel(QAbstractItemModel *model) override;

private:
    void rowCountFollows(int oldCount, int newCount);
    int rowTop(int row) const;
    bool uniformRows() const;

    QList<QMetaObject::Connection> m_coming;
    int m_comingAt = -1;
};

// Sets up a read-only table of QSOs, one row each: whole rows selected one at a
// time, fixed row height, no row numbers, the columns as wide as the given number of
// characters; the column whose width is 0 takes the room left.
void setUpQsoTable(QTableView *view, QAbstractItemModel *model, std::initializer_list<int> widthsInChars);
