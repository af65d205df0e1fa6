#pragma once

#include <QByteArrayView>
#include <QCoreApplication>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

class LogIndex;
class LogSession;

// "QSL à recevoir": the QSOs of the log whose card has not come back yet (a QSO
// line with no "*" in its QSL column), ordered by abbey reference and, for one
// abbey, in log order; and the listing of them that is saved or printed.
class PendingQsl
{
    Q_DECLARE_TR_FUNCTIONS(PendingQsl)

public:
    // The log rows (0-based) still waiting for a card, in list order.
    static QList<int> rows(const LogIndex &index);
    static QList<int> rows(const LogSession &session);
    static QList<int> rows(const QList<QByteArrayView> &lines);
    // Those of `rows` whose callsign or reference contains the text, capitals or
    // not; an empty text keeps them all.
    static QList<int> filter(const LogSession &session, const QList<int> &rows, const QString &text);

    // The question before marking `ticked` QSOs received, `hidden` of them out of
    // the filter's sight.
    static QString markQuestion(int ticked, int hidden);
    // "12 QSL à recevoir", as the saved and printed listing ends.
    static QString countText(int count);
    // The same count as the window shows it, in the operator's language.
    static QString shownCount(int count);
    // "<callsign>_QSL_a_recevoir_JJ_MM_AA.txt".
    static QString fileName(const QString &callsign, const QDate &today);
    // One listed QSO, as saved and printed: reference, abbey, callsign, date,
    // time, band and mode, in the log's columns (Windows-1252 bytes).
    static QByteArray entry(QByteArrayView logLine);
    // The saved listing: title, blank line, column header, blank line, numbered
    // entries, blank line, count, blank line, credit; every line ended by CR LF.
    static QByteArray savedFile(const LogSession &session, const QList<int> &rows, const QDate &today);
    // The same lines as printed.
    static QStringList printedLines(const LogSession &session, const QList<int> &rows, const QDate &today);

    struct Saved {
        bool ok = false;
        QString path;
        QString message; // for the operator, in the interface's language
    };
    // Writes the listing beside the log, through the checked atomic writer.
    static Saved save(const LogSession &session, const QList<int> &rows, const QDate &today);
};
