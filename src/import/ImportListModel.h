#pragma once

#include <QAbstractTableModel>
#include <QList>

class ImportPlan;

// The records of an import as the preview lists them: number in the file, callsign,
// date, time, band, mode, reference and what will happen. The many QSOs without an
// abbey reference (a general log's daily traffic) are listed only on request.
// Cells are made from the plan when shown, so a file of 100,000 records costs a
// list of row numbers at most, built only when every record is asked for.
class ImportListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { Number, Call, Date, Time, Band, Mode, Reference, Outcome, ColumnCount };

    explicit ImportListModel(const ImportPlan &plan, QObject *parent = nullptr);

    // Lists every record (true) or only those with an abbey reference.
    void setShowAll(bool all);
    bool showAll() const { return m_all; }
    // The plan's outcomes changed (the log changed): every row again.
    void refresh();
    // What a row shows, as ImportPlan::shownRow takes it.
    int entryAt(int row) const { return m_rows.at(row); }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void rebuild();

    const ImportPlan &m_plan;
    bool m_all = false;
    QList<int> m_rows; // what each row shows, as ImportPlan::shownRow takes it
};
