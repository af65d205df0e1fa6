#pragma once

#include "import/AdifReader.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

// The abbey list as the import needs it: is a word a listed reference, and the
// abbey's name as the main window would fill it in (capitals, 60 columns, none when
// the line's locator is two blanks), already in the log's code page.
class ImportAbbeys
{
public:
    // "Liste_Abbayes.txt"; a missing list gives an empty one (error says why when unreadable).
    static ImportAbbeys read(const QString &path, QString *error = nullptr);
    static ImportAbbeys fromBytes(const QByteArray &content);

    bool contains(QByteArrayView reference) const { return m_index.contains(key(reference)); }
    // A view into the list, valid as long as it.
    QByteArrayView name(QByteArrayView reference) const;
    int size() const { return int(m_names.size()); }

    // A six-character reference as one number, letters in capitals (0: not six characters).
    static quint64 key(QByteArrayView word);

private:
    QHash<quint64, int> m_index;
    QList<QByteArray> m_names;
};

// One ADIF record turned into one log line (the log's twelve columns, band and
// mode labels, Windows-1252), or the reason it cannot be.
class AdifMapping
{
public:
    enum Status : quint8 {
        Imported,
        NoReference,      // a QSO of the general log, not one of the award
        Unreadable,       // the reader's reason in detail
        NoCall,
        CallTooLong,
        BadReference,
        BadDate,
        DateOutOfRange,
        BadTime,
        NoBand,
        BandNotProvided,
        NoMode,
        ModeNotProvided,
        ReportTooLong,
        // Decided against the log and the rest of the file (ImportPlan).
        AlreadyInLog,
        AlreadyContacted,
        DuplicateInFile,
    };
    enum Note : quint8 {
        NameCut = 1,       // the first name was longer than its 15 columns
        AbbeyCut = 2,      // the abbey name was longer than its 60 columns
        LettersReplaced = 4, // characters the log cannot hold became their closest letters
    };

    struct Result {
        Status status = Imported;
        quint8 notes = 0;
        QByteArray line;      // the 138-byte log line, when the record could be mapped
        QByteArray reference; // the abbey reference, once one was found
        QString detail;       // the value refused, for the reason
    };

    explicit AdifMapping(const ImportAbbeys &abbeys) : m_abbeys(abbeys) {}

    Result map(const AdifReader::Record &record, const AdifReader &reader) const;

    // The operator's words for what happens to a record ("importé", or why not).
    // `other` is the date of the QSO already logged, or the number of the record kept.
    static QString reason(Status status, quint8 notes, const QString &detail, const QString &other);

    // The log's band label of an ADIF band ("20m", any case) or of a frequency in MHz;
    // -1 when it is none of the twelve bands.
    static int bandOfAdif(QByteArrayView band);
    static int bandOfFrequency(QByteArrayView megahertz);

    // Text the log can hold: characters outside Windows-1252 become their closest
    // letters ("Ł" -> "L"), control characters blanks. *changed says whether any did.
    static QByteArray toLogCodePage(const QString &text, bool *changed);

private:
    QByteArray text(QByteArrayView value, const AdifReader &reader, bool capitals, bool *changed) const;
    QByteArray findReference(const AdifReader::Record &record) const;

    const ImportAbbeys &m_abbeys;
};
