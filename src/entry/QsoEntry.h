#pragma once

#include "logstore/QsoRecord.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

#include <array>
#include <functional>
#include <memory>

class LogIndex;
class Clock;
class FirstNameList;
class LogSession;
class Messages;
class Settings;

// The entry of one QSO as the operator types it in the main window, field by field:
// the check Enter runs in each field, the look-ups that fill other fields, the
// field that comes next, and the commit, edit, insert and delete of a QSO. It
// knows no widget: the window hands it the fields' texts and shows its answer.
class QsoEntry : public QObject
{
    Q_OBJECT
public:
    // The entry fields in the order Enter walks them; Valide is the commit button.
    enum Field { Ind, Prenom, Ref, Loc, Date, Heure, Mode, Bande, RstR, RstE, Nom, Qsl, Valide, None };
    static constexpr int FieldCount = Qsl + 1;
    // What the fields hold; Qsl holds "*" when ticked.
    using Values = std::array<QString, FieldCount>;

    // How the entry stands: typing a new QSO, editing one of the list, or inserting
    // a QSO at its date. Shown in the window as "Saisie QSO" and so on.
    enum class State { Saisie, Modification, Insertion };

    // What the window does after Enter or a button: put texts in fields, then open
    // and focus `next` (None: the focus stays), or go back to the idle entry.
    struct Answer
    {
        bool accepted = false;
        QHash<Field, QString> fill;
        Field next = None;
        // The cursor jumps over the fields filled by the clock and the lists.
        // Fields that open, filled or not (the next one always opens).
        QList<Field> open;
        // The reference opens a new region: say so again once the cursor has moved.
        bool newRegion = false;
        bool restart = false;
    };

    enum class Removal { NothingSelected, Kept, Removed };

    QsoEntry(LogSession &session, Settings &settings, Messages &messages, Clock &clock,
             QObject *parent = nullptr);
    ~QsoEntry() override;
    // The award standing the already-contacted and new-region checks ask (built in
    // the composition root); without one, each check indexes the log for itself.
    void useIndex(const LogIndex &index) { m_index = &index; }

    State state() const;
    QString stateText() const;
    bool editing() const { return m_editing; }
    // The QSO of the list shown in the fields (-1: none).
    int selectedRow() const { return m_selectedRow; }
    QString selectedListLine() const { return m_selectedListLine; }

    // Enter in a field: its check, then its look-ups. A refused value shows its message.
    Answer enter(Field field, const Values &values);
    // The check Enter runs in a field: the message to show, or empty.
    static QString check(Field field, const Values &values);
    static Field next(Field field) { return field >= Qsl ? Valide : Field(field + 1); }

    // The list position a band or mode text stands for (-1: a text of no list item).
    // A typed text names an item when it differs only in blanks, case and "Mhz".
    static int position(Field field, const QString &text);
    // The band or mode as the log keeps it: the label of the item the text names,
    // or the text itself when it names none (a band the list lacks).
    static QString listLabel(Field field, const QString &text);
    // Remembers the band or mode shown for the station, except while editing a QSO.
    void rememberPosition(Field field, const QString &text);
    // The station's band and mode positions for a new QSO (-1: the field stays empty).
    int storedPosition(Field field) const;

    // A click on a list line shows that QSO; a double click opens it for editing.
    // Each returns false when the entry cannot take it (a QSO is being edited).
    bool select(int row);
    bool edit(int row);
    // The list is empty: nothing is shown any more.
    void clearSelection();
    void startInsert();
    // The values of the selected QSO, as the fields show them.
    Values selectedValues() const;

    // "Valider le QSO": checks every field again, asks, writes the log, then the
    // first-name list. `failing` is the field to reopen when a check refuses.
    Answer commit(Values values, Field *failing);
    // After a commit the list shows its last QSO again; the entry starts a new QSO.
    void endCommit();
    // "Supprimer un QSO": asks, then removes the selected QSO from the log.
    Removal removeSelected();
    // Back to the idle entry: nothing selected, nothing edited.
    void reset();

    // Values a new QSO typed as it happens takes when its callsign is first accepted
    // (the band and mode a transceiver is on, for one). Never used while inserting or
    // editing: those QSOs are old ones. Fields left out keep what they hold, and so
    // does a field the operator changed before going back to the callsign.
    using StartValues = std::function<QHash<Field, QString>()>;
    void setStartValues(StartValues values) { m_startValues = std::move(values); }

    // Whether the window's fields hold text the operator typed (the window knows
    // which texts it put there itself).
    using TypedProbe = std::function<bool()>;
    void setTypedProbe(TypedProbe probe) { m_typed = std::move(probe); }
    // An entry is in progress when a field holds text the operator typed, a new
    // QSO's callsign has been accepted, or a QSO is open for modification or
    // insertion. Such an entry is never dropped without asking.
    bool entryInProgress() const;

    // A new QSO offered from outside the entry (a station heard on the air): its
    // callsign, the reference offered once the cursor reaches it, and the band and
    // mode a new QSO takes as a radio's would (empty: the radio's or the field's own).
    struct Offer
    {
        QString callsign;
        QString reference;
        QString band;
        QString mode;
    };
    // Makes way for a new QSO: with an entry in progress the operator is asked
    // first, and false means he keeps it. The window goes back to a plain entry.
    bool makeRoom(const QString &callsign);
    // After a change made from outside the entry (an import): back to a plain entry,
    // fields cleared and the cursor in the callsign, unless an entry is in progress,
    // which is kept as it was. True when it went back.
    bool backToPlainEntry();
    // Quitting: with an entry in progress the operator is asked first; true: quit.
    bool mayQuit();
    // Starts a new QSO with the offer (makeRoom() first): the callsign in its field
    // with the cursor there; the usual checks run as each field is accepted.
    bool startNew(const Offer &offer);

    // Says again that the reference opens a new region, once the cursor has moved on.
    void announceNewRegion(const QString &reference) { emit newRegion(reference); }

signals:
    // The reference just accepted opens a region of which the log holds no QSO yet.
    // Said once when the reference is accepted and again after the cursor has moved
    // on, so the announcement comes back to the front.
    void newRegion(const QString &reference);
    // The QSO's date or mode was accepted: the announcement has done its work.
    void newRegionDone();
    // The operator said yes: the log is about to be rewritten (on a large log, a
    // moment the window says it is busy).
    void writing();
    // The window goes back to its idle entry (makeRoom()).
    void restartRequested();
    // The window puts this callsign in its field, with the cursor there, and comes forward.
    void callsignOffered(const QString &callsign);

private:
    Answer referenceSteps(const Values &values);
    // The message for an abbey the log already holds on another line than the QSO
    // being changed; empty when it does not. error: the log could not be read.
    QString alreadyContacted(const QString &reference, QString *error) const;
    // The row the QSO being changed stands on now (-1: gone from the log).
    int editedRow() const;
    QsoRecord::Encoded logLine(const Values &values) const;

    LogSession &m_session;
    const LogIndex *m_index = nullptr;
    Settings &m_settings;
    Messages &m_messages;
    Clock &m_clock;
    std::unique_ptr<FirstNameList> m_firstNames;
    StartValues m_startValues;
    bool m_startTaken = false; // this QSO has had its start values
    TypedProbe m_typed;
    bool m_callsignAccepted = false; // a new QSO is under way
    Offer m_offer;                   // what is left of an offered QSO

    int m_selectedRow = -1;
    QString m_selectedListLine;
    QByteArray m_selectedLogLine; // the selected QSO's line exactly as in the file
    bool m_modification = false;
    bool m_insertion = false;
    bool m_editing = false;
};
