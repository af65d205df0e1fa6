#pragma once

#include "spots/AwardIndex.h"
#include "spots/Spot.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QList>

class AbbeyTable;

// The abbeys on the air: the last spots of abbeys, at most Capacity, the same call,
// abbey and band replacing its older spot. Spots the operator needs come first,
// then the others, newest first in each group (a node lists its recent spots newest
// first, and before the live ones). Each spot's award status comes from
// the index and follows the log.
class SpotModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { ColTime, ColKHz, ColBand, ColCall, ColReference, ColAbbey, ColRegion, ColSpotter,
                  ColComment, ColStatus, ColumnCount };
    static constexpr int Capacity = 500;
    // The spot's needed flag, for the filter.
    static constexpr int NeededRole = Qt::UserRole + 1;

    SpotModel(AwardIndex &index, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Reads node lines; the spots of abbeys among them join the list. Returns the
    // live spots of needed abbeys on the log's bands that were not on the list
    // before (to announce).
    QList<Spot> addLines(const QList<QByteArray> &lines, const AbbeyTable &abbeys);
    // Adds spots already read (the same rules).
    QList<Spot> addSpots(const QList<Spot> &spots);

    const Spot &spot(int row) const { return m_rows.at(row).spot; }
    AwardIndex::Status status(int row) const { return m_rows.at(row).status; }
    // The row of a spot by its key (-1: gone).
    int rowOf(const QString &key) const;
    // A sentence a screen reader reads for the whole spot.
    QString spokenText(int row) const;

private:
    struct Row
    {
        Spot spot;
        AwardIndex::Status status = AwardIndex::Status::NewAbbey;
        qint64 order = 0; // larger is newer
    };
    void sortRows();
    void restatus();

    AwardIndex &m_index;
    QList<Row> m_rows;
    qint64 m_arrivals = 0;
    qint64 m_listings = 0;
};
