#pragma once

#include <QByteArrayView>
#include <QList>
#include <QCoreApplication>
#include <QString>

class LogIndex;
class LogSession;

// Questions asked of the current station's log while a QSO is being entered,
// answered by the log index (its rules: reference trimmed and in capitals, region
// by its first two characters). A missing log reads as empty.
//
// A line that is not a 138-byte QSO line still counts when its reference can be
// recognised (recognise below): at its columns once the line is read as UTF-8 (a
// log converted by another program), or by the fields around it (reference,
// blank, "JJ/MM/AA", blank, "HH:MM"). So an abbey logged on such a line is never
// taken for a new one.
class LogLookups
{
    Q_DECLARE_TR_FUNCTIONS(LogLookups)

public:
    struct Contact {
        bool found = false;
        QString date;  // "JJ/MM/AA" of the first QSO with the abbey
        QString error; // French: the log could not be read, nothing can be said
    };
    struct Region {
        bool found = false;
        QString error;
    };

    // On the log the session holds in memory: no file is read. When the session
    // could not read the log, error says so and found is false: the entry must
    // stop, as "not contacted" would be a guess.
    // exceptRow: a row (0-based) left out, the QSO being changed (-1: none).
    static Contact Deja_Contacte(const LogIndex &index, const QString &reference, int exceptRow = -1);
    static Region Cherche_Region(const LogIndex &index, const QString &code);
    // The same on a session without an index of its own: the log is indexed for
    // the question (tests, tools).
    static Contact Deja_Contacte(const LogSession &session, const QString &reference, int exceptRow = -1);
    static Region Cherche_Region(const LogSession &session, const QString &code);

    // A reference and its date found on a line that is not a 138-byte QSO line
    // (see above); nothing when none can be recognised.
    struct Recognised {
        QString reference;
        QString date;
    };
    static QList<Recognised> recognise(QByteArrayView line);
};
