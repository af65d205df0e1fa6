#pragma once

#include "kit/Clock.h"
#include "spots/SpotStanding.h"
#include "spots/Spot.h"

#include <QAbstractTableModel>
#include <QDateTime>
#include <QHash>
#include <QList>

class AbbeyTable;
class LogIndex;

// The abbeys on the air: the last spots of abbeys, at most Capacity, the same call,
// abbey and band replacing its older spot. Spots the operator needs come first,
// then the others, newest first in each group by the spot's own time (a node's
// listing of its recent spots after a reconnection does not bury the live ones).
// Each spot's award status comes from the index and follows the log without the
// list being reset; its abbey's name follows the abbey list, and a reference the
// list does not hold is said "hors liste".
//
// While the operator aims at a spot (held), new spots wait aside and the rows stay
// where they are; they come in when the hold ends or on release().
class SpotModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { ColTime, ColKHz, ColBand, ColCall, ColReference, ColAbbey, ColRegion, ColSpotter,
                  ColComment, ColStatus, ColumnCount };
    static constexpr int Capacity = 500;
    // The spot's needed flag, for the filter.
    static constexpr int NeededRole = Qt::UserRole + 1;

    // The statuses follow the index: each change of the log updates the rows
    // whose status it changed, in place.
    SpotModel(LogIndex &index, QObject *parent = nullptr);

    // Where the present time comes from, to place a spot's "HHMM" in a day
    // (the system's UTC time unless set; tests set theirs).
    void setClock(const Clock *clock) { m_clock = clock; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Reads node lines; the spots of abbeys among them join the list. Returns the
    // live spots of needed abbeys on the log's bands that were not on the list
    // (nor waiting for it) before, to announce, held or not.
    QList<Spot> addLines(const QList<QByteArray> &lines, const AbbeyTable &abbeys);
    // Adds spots already read (the same rules); `abbeys` says which references the
    // list holds (without it, all of them).
    QList<Spot> addSpots(const QList<Spot> &spots, const AbbeyTable *abbeys = nullptr);

    // The abbey list changed: every spot takes the new list's name and status.
    void relist(const AbbeyTable &abbeys);

    // Holds the rows where they stand (the operator aims at one) or lets them move.
    // Ending the hold lets the waiting spots in.
    void setHeld(bool held);
    bool isHeld() const { return m_held; }
    // The spots waiting for the hold to end.
    int waitingCount() const { return int(m_waiting.size()); }
    // Lets the waiting spots in now, the hold going on.
    void release();

    const Spot &spot(int row) const { return m_rows.at(row).spot; }
    SpotStanding::Status status(int row) const { return m_rows.at(row).status; }
    bool isOffList(int row) const { return m_rows.at(row).offList; }
    // "Nouvelle abbaye", "Contactée (hors liste)", "hors liste"...
    QString statusText(int row) const;
    // The row of a spot by its key (-1: gone).
    int rowOf(const QString &key) const;
    // A sentence a screen reader reads for the whole spot, comment included.
    QString spokenText(int row) const;

    // The moment of a spot's "HH:MM": the latest such time not after now (a node's
    // clock a few minutes ahead of ours still gives today's).
    static QDateTime timeOf(const QString &hhmm, const QDateTime &nowUtc);

signals:
    // The number of spots waiting changed.
    void waitingChanged(int count);

private:
    struct Row
    {
        Spot spot;
        SpotStanding::Status status = SpotStanding::Status::NewAbbey;
        bool offList = false; // the abbey list does not hold the reference
        qint64 when = 0;      // the spot's time, ms since the epoch
        qint64 order = 0;     // arrival, larger is newer: breaks ties of time
    };
    static bool before(const Row &a, const Row &b);
    static bool needed(const Row &r) { return !r.offList && SpotStanding::needed(r.status); }
    static QString statusText(const Row &r);
    void merge(QList<Row> rows);
    void insertSorted(Row row);
    void removeAt(int row);
    void restatus();
    void restatusRows(const AbbeyTable *abbeys, bool touchedOnly = false);
    // Puts moved rows back in order (a layout change: the selection follows).
    void resort();

    const LogIndex &m_logIndex;
    SpotStanding m_index;
    SystemClock m_systemClock;
    const Clock *m_clock = &m_systemClock;
    QList<Row> m_rows;
    QList<Row> m_waiting;
    bool m_held = false;
    bool m_unsorted = false;
    qint64 m_arrivals = 0;
    qint64 m_listings = 0;
};
