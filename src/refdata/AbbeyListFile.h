#pragma once

#include "refdata/Wording.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringView>

// An abbey list read line by line with everything the look-ups pass over in
// silence: the lines that cannot be used and why, the references written on
// several lines, and the code page the file was saved in. A list saved by a
// modern editor in UTF-8 is read as UTF-8 (when it is valid UTF-8 holding letters
// outside ASCII); anything else as Windows-1252, like the list in use.
class AbbeyListFile
{
    Q_DECLARE_TR_FUNCTIONS(AbbeyListFile)

public:
    enum class Encoding { Windows1252, Utf8 };

    // A line the look-ups can use: a reference of six letters or digits, then
    // whatever the line holds (it may stop before the name or the locator).
    struct Line
    {
        int number = 0;   // 1-based line of the file
        QString text;     // the line as read, without its line end
        quint64 key = 0;  // the reference packed in capitals (see keyOf)

        // Columns 1-6 without blanks.
        QStringView reference() const { return QStringView(text).left(6).trimmed(); }
        // Columns 8-67 and 69-72 without the blanks that pad them.
        QStringView name() const;
        QStringView locator() const;
        // What the main window puts in the abbey-name field.
        QString nameShown() const;
    };
    struct Unreadable
    {
        int number = 0;
        QString reason; // French, as the update's report writes it (lineProblem shows it)
        QString text;   // the line as read
    };
    struct Duplicate
    {
        QString reference;
        QList<int> lines; // every line of the reference; the last one counts
    };

    static AbbeyListFile fromBytes(const QByteArray &bytes);

    Encoding encoding() const { return m_encoding; }
    // Every usable line, in file order (a reference listed twice has both).
    const QList<Line> &lines() const { return m_lines; }
    const QList<Unreadable> &unreadable() const { return m_unreadable; }
    const QList<Duplicate> &duplicates() const { return m_duplicates; }
    // The line that counts for each reference (the last of its lines), in the order
    // of the references' first lines.
    const QList<int> &entries() const { return m_entries; }
    const Line &entry(qsizetype i) const { return m_lines.at(m_entries.at(i)); }
    qsizetype abbeyCount() const { return m_entries.size(); }
    // The line that counts for a reference (compared in capitals), or null.
    const Line *find(QStringView reference) const;
    // Lines that look like QSOs of a log (a log chosen by mistake).
    int logLikeLines() const { return m_logLike; }

    // Why the file is no abbey list at all (for the operator), or empty when it is one: no
    // usable line, mostly unusable lines, or a log's lines.
    QString notAList() const;

    // The list as the program writes it: the usable lines as they were read, in
    // Windows-1252, each followed by CR LF.
    QByteArray toListBytes() const;

    // How a list's bytes are read, by every reader of the list (the look-ups' table
    // as well): the code page they are written in, and one line decoded in it.
    static Encoding encodingOf(QByteArrayView bytes) { return isUtf8Text(bytes) ? Encoding::Utf8 : Encoding::Windows1252; }
    static QString decode(QByteArrayView line, Encoding encoding);
    // The bytes' lines, without a UTF-8 byte order mark, as views into bytes.
    static QList<QByteArrayView> lineViews(const QByteArray &bytes, Encoding encoding);

    // Whether bytes are valid UTF-8 holding at least one character outside ASCII
    // (or starting with its byte order mark).
    static bool isUtf8Text(QByteArrayView bytes);
    // A usable reference (six ASCII letters or digits, blanks around it allowed)
    // packed in capitals into one number, so that a long log is looked up without
    // building strings; 0 for anything else.
    static quint64 keyOf(QStringView reference);
    static quint64 keyOf(QByteArrayView reference)
    {
        // The usual case, six capitals or digits without blanks, without a loop
        // over blanks: a log's every QSO goes through here.
        if (reference.size() == 6) {
            quint64 v = 0;
            for (int i = 0; i < 6; ++i) {
                const char c = reference[i];
                if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
                    v = (v << 8) | quint8(c);
                else
                    return keyOfSlow(reference);
            }
            return v;
        }
        return keyOfSlow(reference);
    }
    const Line *find(quint64 key) const;

    // Why a reference cut from columns 1-6 (and what follows) cannot be one, or empty.
    static QString referenceProblem(QStringView line, Wording reader = Wording::File);
    // Why a line is unusable (its reference, then its characters), or empty: what
    // Unreadable::reason holds, worded for reader.
    static QString lineProblem(QStringView line, Wording reader);

private:
    static quint64 keyOfSlow(QByteArrayView reference);

    Encoding m_encoding = Encoding::Windows1252;
    QList<Line> m_lines;
    QList<Unreadable> m_unreadable;
    QList<Duplicate> m_duplicates;
    QList<int> m_entries;
    QHash<quint64, int> m_index; // key -> position in m_entries
    int m_logLike = 0;
};
