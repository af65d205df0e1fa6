#pragma once

#include "import/AdifMapping.h"
#include "import/AdifReader.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

// What an ADIF file would bring into the log: every record with its number in the
// file and what would happen to it. Reading goes a batch of records at a time, so a
// window can show its progress and stay responsive on a large file; the award's rules
// (each abbey once, a QSO already logged) are then applied against the log's lines.
class ImportPlan
{
public:
    struct Entry {
        qsizetype offset = 0; // the record in the file, read again to be shown
        int number = 0;       // 1-based, in file order
        AdifMapping::Status status = AdifMapping::Imported;
        quint8 notes = 0;
        QByteArray line;      // the log line, when the record could be mapped
        QByteArray reference;
        QString detail;       // refused value, date already contacted, or record kept
    };

    // One record as the list shows it.
    struct Shown {
        QString number, call, date, time, band, mode, reference, outcome;
    };

    ImportPlan(QByteArray fileBytes, QString fileName, ImportAbbeys abbeys);

    // Reads up to maxRecords more records; true once the whole file is read.
    bool read(int maxRecords);
    bool finished() const { return m_finished; }
    qsizetype position() const { return m_reader.position(); }
    qsizetype size() const { return m_reader.size(); }
    int recordCount() const { return int(m_entries.size()); }
    AdifReader::Encoding encoding() const { return m_reader.encoding(); }
    QString fileName() const { return m_fileName; }

    // Applies the award's rules against the log as it stands (its lines, in file
    // order): a QSO already logged (same callsign, date and time), an abbey already
    // contacted, the same abbey several times in the file (a confirmed QSO before
    // an unconfirmed one, then the earliest). May be run again when the log changes.
    void resolve(const QList<QByteArrayView> &logLines);

    int toImport() const { return m_toImport; }
    int alreadyInLog() const { return m_alreadyInLog; }
    // Refused for any reason other than having no abbey reference.
    int refused() const { return m_refused; }
    int withoutReference() const { return m_withoutReference; }

    const QList<Entry> &entries() const { return m_entries; }
    // The QSOs that would be added, in file order.
    QList<QByteArray> acceptedLines() const;

    QString outcome(const Entry &e) const;
    Shown shown(int index) const;

    // The list as a text file (Windows-1252, CR LF): the counts, then every record
    // (or every one with an abbey reference when all is false).
    QByteArray report(const QString &station, const QDate &day, bool all) const;
    // "<INDICATIF>_Import_ADIF_JJ_MM_AA.txt".
    static QString reportFileName(const QString &callsign, const QDate &day);

private:
    AdifReader m_reader;
    QString m_fileName;
    ImportAbbeys m_abbeys;
    AdifMapping m_mapping;
    QList<Entry> m_entries;
    bool m_finished = false;
    int m_toImport = 0;
    int m_alreadyInLog = 0;
    int m_refused = 0;
    int m_withoutReference = 0;
};

// Entries move as plain bytes when the list grows.
Q_DECLARE_TYPEINFO(ImportPlan::Entry, Q_RELOCATABLE_TYPE);
