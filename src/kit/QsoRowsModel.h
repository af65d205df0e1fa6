#pragma once

#include "logstore/QsoRecord.h"

#include <QAbstractTableModel>
#include <QList>
#include <QSet>

class LogSession;

// Some QSOs of the session's log, one row each, in the order given: each cell is
// cut out of the log line when it is drawn, so a list of 100,000 QSOs costs only
// their row numbers. The first column may carry a tick box; ticks belong to log
// rows, so they stay when the rows shown change (a filter), until clearChecks().
class QsoRowsModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    // A column that is not a log field: the QSO's number (log row + 1).
    static constexpr int Number = -1;
    // The log row of a model row, for every column.
    static constexpr int LogRowRole = Qt::UserRole + 1;

    QsoRowsModel(const LogSession &session, QList<int> columns, bool checkable, QObject *parent = nullptr);

    void setRows(QList<int> rows);
    // One more log row shown, at a model row.
    void insertRow(int at, int logRow);
    const QList<int> &rows() const { return m_rows; }
    int logRow(int modelRow) const { return m_rows.value(modelRow, -1); }

    // Ticked log rows, in the order of the rows shown (ticked rows hidden by a
    // filter are not included).
    QList<int> checkedRows() const;
    bool isChecked(int logRow) const { return m_checked.contains(logRow); }
    void setChecked(int logRow, bool checked);
    void clearChecks();

    static QString title(int column);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString cell(int logRow, int column) const;

    const LogSession &m_session;
    QList<int> m_columns;
    bool m_checkable;
    QList<int> m_rows;
    QSet<int> m_checked;
};
