#pragma once

#include "import/AdifMapping.h"
#include "import/AdifReader.h"
#include "logstore/LogRewriter.h"
#include "refdata/AbbeyTable.h"
#include "refdata/LogIndex.h"
#include "refdata/Wording.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>

// What an ADIF file would bring into the log: the records of the award with their
// number in the file and what would happen to them, and counts for the rest. Reading
// goes a batch of records at a time, so a window can show its progress, stay
// responsive and stop on a large file; the award's rules (each abbey once, a QSO
// already logged) are then applied against the log, as its index tells it.
//
// What is held stays small beside the file: a general log's QSOs outside the award
// are counted (those carrying a confirmation are kept, small, until the log says
// whether they confirm one of its QSOs), and only the first MaxOutsideListed of them are kept (as their place
// in the file) for "Tout afficher"; refused records beyond MaxRefusedListed are
// counted, not listed.
class ImportPlan
{
    Q_DECLARE_TR_FUNCTIONS(ImportPlan)

public:
    struct Entry {
        qsizetype offset = 0; // the record in the file, read again to be shown
        int number = 0;       // 1-based, in file order
        AdifMapping::Status status = AdifMapping::Imported;
        quint8 notes = 0;
        QByteArray line;      // the log line, when the record could be mapped
        QByteArray reference;
        QString detail;       // refused value, date already contacted, or record kept
        AdifMapping::Status mapped = AdifMapping::Imported; // before the log was looked at
        bool confirms = false;  // the record says the QSO is confirmed
        AdifMapping::Sighting sighting; // a confirmation's QSO, to find it in the log
        int logRow = -1;        // the log QSO a confirmation matched (0-based)
        QByteArray logReference; // its abbey reference
    };

    // One record as the list shows it.
    struct Shown {
        QString number, call, date, time, band, mode, reference, outcome;
    };

    static constexpr int MaxRefusedListed = 10000;
    static constexpr int MaxOutsideListed = 20000;

    ImportPlan(QByteArray fileBytes, QString fileName, AbbeyTable abbeys);
    // The mapping refers to the plan's own abbey table.
    ImportPlan(const ImportPlan &) = delete;
    ImportPlan &operator=(const ImportPlan &) = delete;

    // Reads up to maxRecords more records, stopping after the record that passes
    // maxBytes more of the file when given; true once the whole file is read.
    bool read(int maxRecords, qsizetype maxBytes = -1);
    bool finished() const { return m_finished; }
    qsizetype position() const { return m_reader.position(); }
    qsizetype size() const { return m_reader.size(); }
    // Every record read, listed or only counted.
    int recordCount() const { return m_recordCount; }
    AdifReader::Encoding encoding() const { return m_reader.encoding(); }
    QString fileName() const { return m_fileName; }

    // Applies the award's rules against the log as it stands, asking its index (the
    // file's records in file order): a confirmation of a QSO the log holds (same base callsign, same band,
    // at most 30 minutes apart; the nearest; several as near are left alone), a QSO
    // already logged (same callsign, date and time), an abbey already contacted, the
    // same abbey several times in the file (a confirmed QSO before an unconfirmed
    // one, then the earliest). May be run again when the log changes.
    // carryOn is asked now and then; when it says no, resolving stops and false is
    // returned (the outcomes are then not to be used).
    bool resolve(const LogIndex &log, const std::function<bool()> &carryOn = {});

    int toImport() const { return m_toImport; }
    int alreadyInLog() const { return m_alreadyInLog; }
    // Refused for any reason other than having no abbey reference.
    int refused() const { return m_refused; }
    // QSO records without an abbey reference (a confirmation is never one of them).
    int withoutReference() const { return m_withoutReference; }
    // Confirmations of a callsign the log holds that match none of its QSOs, and
    // confirmations of callsigns the log does not hold.
    int noMatchingQso() const { return m_noMatchingQso; }
    int callNotInLog() const { return m_callNotInLog; }
    // Whether the file carries confirmations naming no abbey (a LoTW or eQSL report).
    bool hasConfirmations() const { return !m_sighted.empty(); }
    // Refused records counted but not kept for the list.
    int refusedNotListed() const { return m_refusedNotListed; }
    // QSOs to import whose reference the abbey list does not hold.
    int notInAbbeyList() const { return m_notInAbbeyList; }
    // Log QSOs whose QSL the file confirms and the log does not mark yet.
    int qslToMark() const { return int(m_marks.size()); }
    // Their rows in the log the plan was last matched against (0-based, ascending)
    // with their lines as they were then: the import marks these lines.
    const QList<LogRewriter::Mark> &marks() const { return m_marks; }
    QList<int> markRows() const;
    // Who made the file's QSOs: its STATION_CALLSIGN values, else its OPERATOR ones
    // (capitals, each once, the first few).
    QStringList fileStations() const { return m_stations.isEmpty() ? m_operators : m_stations; }

    // The award's records, the refused ones, and the confirmations naming an abbey.
    const QList<Entry> &entries() const { return m_entries; }
    // What the list shows when it does not show every record, as shownRow takes it:
    // the entries and the confirmations of log QSOs, in file order.
    QList<int> listedRows() const;
    // The QSOs that would be added, in file order.
    QList<QByteArray> acceptedLines() const;

    // What happens to a record, worded for a window (translated) or a file (French).
    QString outcome(const Entry &e, Wording reader = Wording::File) const;
    Shown shown(int index, Wording reader = Wording::File) const;

    // Every record kept, in file order: an entry's index, -1 - i for the i-th
    // record outside the award that is kept, or SightedRow + i for the i-th
    // confirmation without an abbey reference.
    static constexpr int SightedRow = 1 << 30;
    QList<int> allRows() const;
    Shown shownRow(int row, Wording reader = Wording::File) const;

    // "refusés : N", with how many of them the list leaves out when it does.
    static QString refusedCount(int refused, int notListed, Wording reader = Wording::File);

    // The list as a text file (Windows-1252, CR LF): the counts, then every record
    // (or every one with an abbey reference when all is false).
    QByteArray report(const QString &station, const QDate &day, bool all) const;
    // "<INDICATIF>_Import_ADIF_JJ_MM_AA.txt", or "..._AA_<n>.txt" for the n-th of the day.
    static QString reportFileName(const QString &callsign, const QDate &day, int n = 1);

private:
    struct Outside {
        qsizetype offset;
        int number;
    };
    // A confirmation without an abbey reference (a LoTW or eQSL report's records),
    // kept in 16 bytes whatever the record carries: a general log may hold millions.
    // What it says of its QSO (callsign, band, time) is read again from the file.
    struct Sighted {
        quint32 offsetLow = 0;
        qint32 number = 0;
        qint32 logRow = -1;   // the QSO matched, or the nearest one when none is
        quint16 gap = 0;      // minutes to the nearest QSO, at most 65535
        quint8 offsetHigh = 0;
        AdifMapping::Status status = AdifMapping::NoReference;

        Sighted(qsizetype offset, int n)
            : offsetLow(quint32(offset)), number(n), offsetHigh(quint8(quint64(offset) >> 32)) {}
        qsizetype offset() const { return qsizetype(quint64(offsetHigh) << 32 | offsetLow); }
    };
    struct Match {
        AdifMapping::Status status = AdifMapping::NoReference; // none found
        int row = -1;     // the QSO matched, or the nearest one (NoMatchingQso)
        qint32 gap = 0;   // the nearest QSO's time less the record's
        QByteArray logReference;
    };
    // What a near miss shows of the nearest QSO: its date and band as the log has them.
    struct NearQso {
        QString date, band;
        qint16 bandIndex = -1;
    };
    void noteStation(const AdifReader::Record &record);
    // The log QSO a confirmation names, if any.
    static Match matchConfirmation(const AdifMapping::Sighting &s, const QByteArray &reference,
                                   const QList<LogIndex::Qso> &qsos, const LogSession &session);
    // What differs from the nearest QSO, as a near miss says it.
    QString nearMiss(const Sighted &c, int recordBand, const QString &recordLabel, Wording reader) const;
    Shown shownFromFile(qsizetype offset, int number, const QString &outcome, const QString &reference) const;

    AdifReader m_reader;
    QString m_fileName;
    AbbeyTable m_abbeys;
    AdifMapping m_mapping;
    QList<Entry> m_entries;
    QList<Outside> m_outside;
    // In blocks: growing never holds two copies of a large list at once.
    std::deque<Sighted> m_sighted;
    QHash<int, QByteArray> m_matchedReferences; // by row, of QSOs a confirmation matched
    int m_recordCount = 0;
    int m_refusedListed = 0;
    int m_refusedNotListed = 0;
    int m_notInAbbeyList = 0;
    bool m_finished = false;
    int m_toImport = 0;
    int m_alreadyInLog = 0;
    int m_refused = 0;
    int m_withoutReference = 0;
    int m_noMatchingQso = 0;
    int m_callNotInLog = 0;
    bool m_eqslInbox = false;
    QList<LogRewriter::Mark> m_marks;
    QHash<int, NearQso> m_nearQsos; // by row, the nearest QSOs of near misses
    QStringList m_stations, m_operators;
};

// Entries move as plain bytes when the list grows.
Q_DECLARE_TYPEINFO(ImportPlan::Entry, Q_RELOCATABLE_TYPE);
