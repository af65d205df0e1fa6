#pragma once

#include "import/AdifReader.h"
#include "refdata/Wording.h"

#include <QByteArray>
#include <QSet>
#include <QString>

class AbbeyTable;

// One ADIF record turned into one log line, filled as a QSO typed in the main window
// would be (capitals, the abbey's locator and name from the abbey list, the default
// reports), or the reason it cannot be.
class AdifMapping
{
public:
    enum Status : quint8 {
        Imported,
        NoReference,      // a QSO of the general log, not one of the award
        Unreadable,       // the reader's reason in detail
        NoCall,           // absent, or nothing left once control characters are removed
        CallTooLong,
        BadReference,
        EmptyReference,   // SIG ZEL with a SIG_INFO of blanks or control characters only
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
        // A confirmation of a QSO the log holds.
        QslToMark,
        QslAlreadyMarked,
        SeveralQsos,      // several log QSOs as near in time: none is marked
        OtherReference,   // the record names another abbey than the log QSO's
        NoMatchingQso,    // the callsign is in the log, but no QSO of it is near enough
        CallNotInLog,     // a confirmation of a callsign the log does not hold
    };
    enum Note : quint8 {
        NameCut = 1,       // the first name was longer than its 15 columns
        AbbeyCut = 2,      // the abbey name was longer than its 60 columns
        LettersReplaced = 4, // characters the log cannot hold became their closest letters
        NotListed = 8,     // a well-formed reference the abbey list does not hold
    };

    struct Result {
        Status status = Imported;
        quint8 notes = 0;
        QByteArray line;      // the 138-byte log line, when the record could be mapped
        QByteArray reference; // the abbey reference, once one was found
        QString detail;       // the value refused, for the reason
    };

    // What a confirmation record says of its QSO, to find it in the log.
    struct Sighting {
        QByteArray baseCall; // capitals, empty when the record has no callsign
        qint32 minutes = -1; // UTC, since 01/01/1950 00:00 as the log counts; -1 unreadable
        qint16 band = -1;    // index in BandPlan::bands(), -1 none
    };

    // The table must outlive the mapping.
    explicit AdifMapping(const AbbeyTable &abbeys);

    Result map(const AdifReader::Record &record, const AdifReader &reader) const;

    // The operator's words for what happens to a record ("importé", or why not).
    // `other` is the date of the QSO already logged, or the number of the record kept.
    // A file (the import report) keeps the French words; a window shows them translated.
    static QString reason(Status status, quint8 notes, const QString &detail, const QString &other,
                          Wording reader = Wording::File);

    // Text the log can hold: characters outside Windows-1252 become their closest
    // letters ("Ł" -> "L"), control characters blanks. *changed says whether any did.
    static QByteArray toLogCodePage(const QString &text, bool *changed);

    // A reference the file gives is six characters, each a letter, a digit or a
    // character the abbey list itself uses in its references.
    bool isWellFormedReference(QStringView reference) const;

    // The first word of SIG_INFO, COMMENT, NOTES or QSLMSG, punctuation around it
    // removed, that the abbey list holds (as the list writes it), or empty.
    QString findReference(const AdifReader::Record &record, const AdifReader &reader) const;

    // QSL_RCVD, LOTW_QSL_RCVD or EQSL_QSL_RCVD says "Y" or "V", in any case; in an
    // eQSL inbox, every record but a listener's card (APP_EQSL_SWL=Y). A record that
    // could not be read whole confirms nothing, whatever its first fields say.
    static bool carriesConfirmation(const AdifReader::Record &record, bool eqslInbox = false);
    // Whether a file is an eQSL inbox: its PROGRAMID or its header says so. Its
    // records carry QSL_SENT=Y and QSL_SENT_VIA=E, not a received flag.
    static bool isEqslInbox(const AdifReader &reader);
    // Records are read as an eQSL inbox's.
    void setEqslInbox(bool inbox) { m_eqslInbox = inbox; }
    // The record's band as the log labels it ("21 Mhz"), else as the file gives it.
    static QString bandLabel(const AdifReader::Record &record, const AdifReader &reader);
    static Sighting sighting(const AdifReader::Record &record, const AdifReader &reader);
    // The longest part between slashes ("IT9/IK1ABC/P" -> "IK1ABC"), in capitals.
    static QByteArray baseCallsign(QByteArrayView callsign);
    // The band of a log line's band column (a label typed by hand included) as an
    // index in BandPlan::bands(), -1 when it names none.
    static int bandOfLabel(QByteArrayView label);

private:
    const AbbeyTable &m_abbeys;
    QSet<QChar> m_referenceChars; // the characters the list's references use
    bool m_eqslInbox = false;
};
