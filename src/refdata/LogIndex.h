#pragma once

#include "logstore/LogChange.h"
#include "logstore/QsoRecord.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringView>

#include <utility>
#include <vector>

class LogSession;

// The standing of the award, kept beside the log: which abbeys and regions the log
// holds and which are confirmed, the QSOs of each station for matching
// confirmations, the QSOs still waiting for their card, and the counts of the
// score. Every room asks it rather than reading the log's lines.
//
// It is built from the session's log at its first question (so a logbook that
// asks nothing spends nothing on it), then follows each change the session
// reports: only the lines added, removed or replaced are read. A log read anew
// is indexed again at the next question.
//
// The rules, each written here once:
//  - a line's reference is its reference column, blanks trimmed, in capitals; a
//    line that is not a 138-character QSO line (edited by hand) gives the
//    references LogLookups::recognise finds on it instead, or, when none is found
//    and the line holds the whole reference column, that column;
//  - its region is the first two characters of that reference (VN and VE are
//    both Veneto);
//  - for the regions, its band is the band column, blanks trimmed, compared
//    exactly with the label asked; a hand-edited line whose columns are shifted
//    (its recognised reference is not the one in its column) counts for "Toutes"
//    only;
//  - it is confirmed when its 138th character is "*", markable when it is a
//    138-character line not confirmed yet;
//  - for confirmations, a 138-character line gives its station's base callsign
//    (LogFile::baseCallsign), its band through the band plan
//    (BandPlan::bandOfLabel) and its UTC minute (QsoRecord::utcMinute).
class LogIndex : public QObject
{
    Q_OBJECT
public:
    explicit LogIndex(const LogSession &session, QObject *parent = nullptr);
    ~LogIndex() override;

    const LogSession &session() const { return m_session; }
    // False when the session could not read its log: nothing can then be said
    // (session().loadError() says why).
    bool readable() const;

    // --- Abbeys ---------------------------------------------------------------
    // Where an abbey stands: read trimmed and in capitals.
    struct Reference {
        bool contacted = false;
        bool confirmed = false;
        QList<int> rows; // 0-based, in log order
    };
    Reference reference(QStringView reference) const;
    bool contacted(QStringView reference) const;
    bool confirmed(QStringView reference) const;
    // The first row (log order) holding the abbey, leaving exceptRow out; -1: none.
    int firstRow(QStringView reference, int exceptRow = -1) const;
    // The date "JJ/MM/AA" a row gives for an abbey it holds (its date column, or
    // on a hand-edited line the date found beside the reference).
    QString dateOf(int row, QStringView reference) const;

    // --- Regions --------------------------------------------------------------
    enum class Standing { NotWorked, Worked, Confirmed };
    // A region slot (1..21) on a band label ("Toutes": every band) and a mode
    // label (empty: every mode).
    Standing region(int slot, const QString &band, const QString &mode = {}) const;
    // The rows a region counts on a band, in log order.
    QList<int> regionRows(int slot, const QString &band) const;
    // Whether any QSO, on any band, is in the region of a code (a region of the
    // award, VN and VE alike, or any other code, compared in capitals).
    bool regionWorked(const QString &code) const;

    // --- Score ----------------------------------------------------------------
    // Every line of the log, and those with "*" in their QSL column.
    int lineCount() const;
    int confirmedLines() const;
    // Lines by the month of their date (as read where the date column stands):
    // month slot = (year - 1950) * 12 + month - 1, 0..1199; -1 when unreadable.
    static constexpr int MonthSlots = QsoRecord::MonthSlots;
    int contactedInMonth(int monthSlot) const;
    int confirmedInMonth(int monthSlot) const;
    // Lines by the day of their date (a date that exists), for the days that have
    // any, in date order: the score draws a short log day by day from them.
    struct Day {
        QDate date;
        int lines = 0;
        int confirmed = 0;
    };
    QList<Day> days() const;

    // --- Confirmations --------------------------------------------------------
    struct Qso {
        int row = -1;
        qint32 minute = -1; // UTC minute since 01/01/1950
        qint16 band = -1;   // index into BandPlan::bands()
        bool confirmed = false;
        bool markable = false;
    };
    // The QSOs of a base callsign (as LogFile::baseCallsign gives it, capitals),
    // in log order; only lines with a readable date, time and band.
    QList<Qso> qsosOf(QByteArrayView baseCallsign) const;
    QList<Qso> qsosOf(const QByteArray &baseCallsign) const { return qsosOf(QByteArrayView(baseCallsign)); }
    QList<Qso> qsosOf(const QString &baseCallsign) const;

    // --- Cards still to come --------------------------------------------------
    // The markable rows, in log order.
    QList<int> unconfirmedRows() const;
    // The same ordered by abbey reference, one abbey's QSOs in log order.
    QList<int> unconfirmedByReference() const;
    int unconfirmedCount() const;
    // One row's part of it: whether it waits for its card, and its reference as
    // one number that sorts as unconfirmedByReference() sorts them.
    bool isUnconfirmed(int row) const;
    quint64 referenceKeyOf(int row) const;

    // --- What the last change touched -----------------------------------------
    // False when the last change the index followed can have left the standing of
    // this abbey as it was: no line of it, nor of its region, came, went or
    // changed. True after a log read anew, or before the index is built.
    bool mayHaveChanged(QStringView reference) const;

    // Drops what is built; the next question builds it again (tests, benchmarks).
    void invalidate();
    bool isBuilt() const { return m_built; }

signals:
    // The index followed a change of the log (or will be built again for a log
    // read anew): answers may have changed. Windows refresh from here, after the
    // index, rather than from the session directly.
    void changed(const LogChange &change);

private:
    // What the counts need of a line, 16 bytes a QSO. What only the confirmations
    // ask (the UTC minute, the band, the callsign) is read from the line itself
    // when they ask; a second abbey on a hand-edited line sits in m_seconds.
    struct Row {
        quint64 ref = 0;
        qint16 label = -1;
        qint16 month = -1;
        qint8 day = -1; // of the month, when the month is read and the date exists
        qint8 mode = -1;
        quint8 flags = 0;
    };
    enum Flag : quint8 { Confirmed = 1, Markable = 2, InPlace = 4, Usable = 8, Second = 16 };
    struct Count {
        int lines = 0;
        int confirmed = 0;
    };

    void onLogChanged(const LogChange &change);
    void ensure() const;
    void build() const;
    Row rowOf(QByteArrayView line, quint64 *second) const;
    void count(const Row &r, quint64 second, int sign) const;
    quint64 secondOf(size_t row) const;
    void setSecond(size_t row, quint64 key) const;
    void shiftSeconds(size_t from, int by) const;
    bool holds(size_t row, quint64 key) const;
    void countRef(quint64 ref, int slot, const Row &r, int sign) const;
    qint16 labelId(QByteArrayView label) const;
    qint16 modeId(QByteArrayView mode) const;
    int findLabel(const QString &band) const;
    int findMode(const QString &mode) const;
    void dropCalls() const;
    void buildCalls() const;

    static quint64 keyOf(QStringView reference);
    static quint64 keyOfColumn(QByteArrayView column);
    static int slotOfKey(quint64 key);
    static quint16 codeOfKey(quint64 key);
    static quint64 tallyKey(int slot, int label, int mode);

    const LogSession &m_session;
    mutable bool m_built = false;
    mutable std::vector<Row> m_rows;
    // The abbeys the last change counted in or out; m_touchedAll: it cannot say.
    std::vector<quint64> m_touched;
    bool m_touchedAll = true;
    void recount(const Row &r, quint64 second, int sign);
    // The second abbey of the few rows that name two (flag Second), by row.
    mutable std::vector<std::pair<quint32, quint64>> m_seconds;
    mutable QHash<quint64, Count> m_refs;
    mutable QHash<quint64, Count> m_tally;  // slot x band label x mode (-1: every)
    mutable QHash<quint16, int> m_codes;    // region code (two bytes) → lines
    mutable std::vector<Count> m_months;
    mutable QHash<qint32, Count> m_days; // month slot * 32 + day
    mutable int m_confirmedLines = 0;
    mutable int m_markable = 0;
    mutable QList<QByteArray> m_labels;
    mutable QHash<QByteArray, qint16> m_labelIds;
    mutable QList<QByteArray> m_modes;
    mutable QHash<QByteArray, qint8> m_modeIds;
    mutable bool m_callsBuilt = false;
    // Base callsign hash and row of each usable QSO, in that order: 8 bytes a QSO.
    mutable std::vector<std::pair<quint32, int>> m_calls;
};
