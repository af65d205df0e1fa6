#pragma once

#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringView>

#include <vector>

class LogSession;

// Where each abbey stands in the current station's log, kept as a reference → status
// index built in one pass over the log each time the log changes, so that the
// status of a spot is one look-up. References are compared in capitals.
class AwardIndex : public QObject
{
    Q_OBJECT
public:
    enum class Status {
        NewRegion,  // no QSO with the abbey, none in its region either
        NewAbbey,   // no QSO with the abbey
        Worked,     // in the log, QSL not received
        Confirmed,  // in the log with its QSL
        Unknown,    // the log could not be read: nothing can be said
    };

    explicit AwardIndex(LogSession &session, QObject *parent = nullptr);

    Status status(const QString &reference) const;
    // The spots the operator needs: no QSO with the abbey yet.
    static bool needed(Status s) { return s == Status::NewRegion || s == Status::NewAbbey; }
    // "Nouvelle abbaye", "Nouvelle abbaye, Nouvelle région", "Contactée", "Confirmée".
    static QString text(Status s);

    // Builds the index again from the session's log. Otherwise it is built at the
    // first status asked after the log changed, so a logbook whose cluster is not in
    // use never reads its log for it (start-up and every commit stay as they were).
    void rebuild();

signals:
    // The index was built again: statuses may have changed.
    void changed();

private:
    void note(const QString &reference, bool confirmed) const;

    // A region code of two ASCII characters as an index (-1: another code).
    static int codeIndex(QStringView code);
    bool regionWorked(QStringView code) const;

    void build() const;
    void invalidate();

    LogSession &m_session;
    mutable bool m_stale = true;           // the log changed since the last build
    mutable QHash<QString, bool> m_abbeys; // reference → confirmed
    mutable QSet<int> m_regions;           // region slots with a QSO
    mutable QSet<QString> m_otherCodes;    // region codes of no award region, as found
    // Per two-character code: whether its region has a QSO (-1: not judged yet), so
    // a spot's region costs no text work.
    mutable std::vector<signed char> m_codeWorked;
    mutable bool m_unreadable = false;
};
