#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>

class LogSession;

// What the operator is told about a log that cannot be read, or that holds lines
// this program did not write as they stand (a hand edit, another program's
// conversion). Those lines are shown in the list and kept byte for byte.
class LogProblems
{
public:
    // "Le journal ... ne peut pas être lu" with the reason; empty when it was read.
    static QString readErrorNotice(const LogSession &session);
    // The notice for the lines that are not QSO lines as the program writes them
    // (138 characters, no control character): file name, count, line numbers (30 at
    // most, then "..."), and, when those lines read as UTF-8, that the file seems to
    // be in UTF-8 rather than Windows-1252. Empty when every line is a QSO line.
    static QString malformedNotice(const LogSession &session);
    static QString malformedNotice(const QString &fileName, const QList<int> &malformed,
                                   bool looksUtf8);

    // True when some of the lines hold UTF-8 multibyte characters and every byte
    // above 127 on them belongs to one: a file converted to UTF-8.
    static bool looksUtf8(const QList<QByteArrayView> &lines);
    // One line: at least one UTF-8 multibyte character and nothing UTF-8 forbids.
    static bool isUtf8WithMultibyte(QByteArrayView line);
};
