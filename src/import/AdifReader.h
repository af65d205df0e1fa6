#pragma once

#include "refdata/Wording.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QCoreApplication>
#include <QString>

#include <array>

// Reads an ADIF file in its text form (ADI) as other logbooks write it: an optional
// header ended by <eoh> (none when the file starts with "<"), then records of fields
// <NAME:LENGTH> or <NAME:LENGTH:TYPE> ended by <eor>, names in any case, anything
// between fields ignored.
//
// Values are sliced out of the raw bytes by their declared length and never split on
// "<" or line ends. ADIF counts characters, but many programs writing UTF-8 count
// bytes: in a UTF-8 file, when a value sliced one way is not followed by a field, a
// record end or the end of the file, the other count is tried. A value never holds
// its record's <eor>: a record whose declared length runs past it, or that cannot be
// read either way, is refused with its reason, and reading goes on after its <eor>.
//
// Reading is linear in the file's size whatever the declared lengths say: a length
// running past the end of the file is decided at once, the search for the record's
// end and for bytes above ASCII go forward from where they last stopped, and the
// count in characters never walks past the record's <eor>.
class AdifReader
{
    Q_DECLARE_TR_FUNCTIONS(AdifReader)

public:
    enum class Encoding {
        Ascii,       // no byte above 127: both readings agree
        Utf8,        // with or without a byte order mark
        Windows1252, // anything that is not valid UTF-8 (Latin-1 included)
    };

    // The fields the log has a column for or the import reads; every other field (APP_..., user-defined,
    // the many a general logbook writes) is read past and forgotten.
    enum Field {
        Call, QsoDate, TimeOn, Band, Freq, Mode, Submode, RstRcvd, RstSent,
        Name, Gridsquare, Sig, SigInfo, Comment, Notes, QslMsg, QslRcvd,
        // What says a QSO is confirmed, and whose log the file is.
        LotwQslRcvd, EqslQslRcvd, StationCallsign, Operator,
        // An eQSL inbox's record of a listener's card, not a QSO's confirmation.
        AppEqslSwl,
        FieldCount
    };

    struct Record {
        int number = 0;       // 1-based, in file order
        qsizetype offset = 0; // where the record starts in the file
        qsizetype size = 0;   // its bytes, <eor> included
        // Values as bytes of the file's encoding, views into the file; empty when absent.
        std::array<QByteArrayView, FieldCount> fields{};
        QString error; // French, as a report writes it: why the record cannot be read; empty when it was read
        bool truncated = false; // the file ends inside it
        // Why, as faultText words it for a window.
        enum class Fault : quint8 { None, EndsBeforeEor, LengthUnreadable, LengthPastRecord, EndsInField };
        Fault fault = Fault::None;
        QByteArrayView faultField; // the field's name as the file writes it
        qsizetype faultLength = 0; // its declared length

        QByteArrayView operator[](Field f) const { return fields[f]; }
    };

    explicit AdifReader(QByteArray data);

    Encoding encoding() const { return m_encoding; }
    static Encoding detect(QByteArrayView data);

    // The next record; false once the file holds no more.
    bool next(Record *record);
    // The one record starting at offset, read again (the list shows records on demand).
    Record recordAt(qsizetype offset, int number) const;

    // The header's bytes before <eoh> (empty when the file has none), and its
    // PROGRAMID value.
    QByteArrayView header() const { return m_header; }
    QByteArrayView programId() const { return m_programId; }

    qsizetype position() const { return m_pos; }
    qsizetype size() const { return m_data.size(); }
    const QByteArray &data() const { return m_data; }

    // A value as text, from the file's encoding.
    QString decode(QByteArrayView value) const;

    static const char *fieldName(Field f);
    // Why a record cannot be read, worded for reader (error holds it for a file);
    // empty when it was read.
    static QString faultText(const Record &record, Wording reader);

private:
    struct Tag {
        enum Kind { None, Value, EndOfRecord, EndOfHeader, Other } kind = None;
        qsizetype end = 0;    // just past ">"
        qsizetype length = 0; // declared length of a value
        int field = -1;       // a Field, or -1 for one the log does not use
        QByteArrayView name;
    };
    Tag tagAt(qsizetype at) const;
    // What follows a value ending at `at` is a tag, or only blanks to the end of the file.
    bool cleanEnd(qsizetype at) const;
    // Where `chars` UTF-8 characters from `from` end, walking no further than
    // `limit`; limit + 1 when they do not end by then.
    qsizetype utf8End(qsizetype from, qsizetype chars, qsizetype limit) const;
    bool readRecord(qsizetype &pos, Record *record) const;
    qsizetype find(qsizetype from, char c) const;
    // The first <eor> tag at or after `from` (its "<"), or the file's size.
    qsizetype nextEndOfRecord(qsizetype from) const;
    // The first byte above ASCII at or after `from`, or the file's size.
    qsizetype nextHigh(qsizetype from) const;

    QByteArray m_data;
    QByteArrayView m_header, m_programId;
    Encoding m_encoding = Encoding::Ascii;
    qsizetype m_pos = 0;
    int m_count = 0;
    // What the two forward searches last found: no match in [from, at).
    mutable qsizetype m_eorFrom = -1, m_eorAt = -1;
    mutable qsizetype m_highFrom = -1, m_highAt = -1;
};
