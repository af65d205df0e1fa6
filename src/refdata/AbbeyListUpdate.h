#pragma once

#include "refdata/AbbeyListFile.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QList>
#include <QString>

#include <functional>

class LogIndex;

// What a new abbey list changes, against the list in use and the current
// station's log: abbeys added, names or locators corrected, references withdrawn
// (and the QSOs of the log that hold them), the new file's unusable lines and
// references written twice, and the log QSOs whose abbey name can follow a
// corrected name. Nothing here writes: the operator reads it first.
class AbbeyListUpdate
{
public:
    struct Added
    {
        QString reference, name, locator;
        int line = 0;
    };
    struct Corrected
    {
        QString reference;
        QString oldName, newName;
        QString oldLocator, newLocator;
        bool nameChanged() const { return oldName != newName; }
        bool locatorChanged() const { return oldLocator != newLocator; }
    };
    struct Withdrawn
    {
        QString reference, name, locator;
        int qsos = 0;      // QSOs of the log with this reference
        int confirmed = 0; // of which confirmed
    };
    // A QSO whose abbey name is still the old list's name, and the line it becomes.
    struct Rename
    {
        int row = 0; // 0-based line of the log
        QByteArray oldLine, newLine;
        QString reference, callsign, date, oldName, newName;
    };

    // current: the list in use; chosen: the new one; log: the current station's
    // log, one view per line.
    AbbeyListUpdate(const AbbeyListFile &current, const AbbeyListFile &chosen, const QList<QByteArrayView> &log);
    // The same with the log as its file's bytes (lines end with LF or CR LF), read
    // in one pass without listing its lines first.
    AbbeyListUpdate(const AbbeyListFile &current, const AbbeyListFile &chosen, const QByteArray &log);
    // The same asked of the log index: only the QSOs of the abbeys concerned are
    // read (references compared as the index compares them, hand-edited lines included).
    AbbeyListUpdate(const AbbeyListFile &current, const AbbeyListFile &chosen, const LogIndex &index);

    const QList<Added> &added() const { return m_added; }
    const QList<Corrected> &corrected() const { return m_corrected; }
    const QList<Withdrawn> &withdrawn() const { return m_withdrawn; }
    int withdrawnInLog() const { return m_withdrawnInLog; }
    // QSOs of the log whose reference the new list no longer holds.
    int qsosWithdrawn() const { return m_qsosWithdrawn; }
    int confirmedWithdrawn() const { return m_confirmedWithdrawn; }
    const QList<Rename> &renames() const { return m_renames; }

    // What the saved report says besides the changes.
    struct Context
    {
        QDate day;
        QString listName;     // "Liste_Abbayes.txt"
        QString chosenName;   // the file the new list came from
        QString station;      // shown callsign, empty without a station
        bool revert = false;  // going back to the previous list
        bool replaced = false;
        bool namesRewritten = false; // the renames were written into the log
        bool namesAsked = false;     // the option is ticked (not yet written)
    };
    QString reportText(const AbbeyListFile &current, const AbbeyListFile &chosen, const Context &context) const;
    // The report as it is saved: Windows-1252, CR LF.
    QByteArray report(const AbbeyListFile &current, const AbbeyListFile &chosen, const Context &context) const;

    // "Liste_Abbayes_Mise_a_jour_JJ_MM_AA.txt", then "..._2.txt" and so on: the
    // first name not taken in dir (taken tells whether a name is).
    static QString reportFileName(const QDate &day, const std::function<bool(const QString &)> &taken);

    static QString encodingName(AbbeyListFile::Encoding encoding);

private:
    template <typename EachLine> void compare(const AbbeyListFile &current, const AbbeyListFile &chosen,
                                              const EachLine &eachLine);

    QList<Added> m_added;
    QList<Corrected> m_corrected;
    QList<Withdrawn> m_withdrawn;
    QList<Rename> m_renames;
    int m_withdrawnInLog = 0;
    int m_qsosWithdrawn = 0;
    int m_confirmedWithdrawn = 0;
};
