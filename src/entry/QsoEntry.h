#pragma once

#include "logstore/QsoRecord.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
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
    // What the fields hold; Qsl holds qslValue(ticked).
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

    // The QSL field's value: ticked, or not (the log's flag).
    static QString qslValue(bool ticked);
    static bool qslTicked(const QString &value);
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

    // What a transceiver in use reads now: a new QSO typed as it happens takes its
    // band and mode when its callsign is first accepted. band: the log's label, empty
    // outside the log's bands (no band is then chosen rather than keep the last QSO's);
    // mode: the log's, empty when the log does not keep the radio's mode (the field
    // stays as it is). Never used while inserting or editing: those QSOs are old ones,
    // and a field the operator changed before going back to the callsign keeps his value.
    void setRadioReading(const QString &band, const QString &mode);
    // The radio is off or does not answer: nothing to take.
    void clearRadioReading();

    // The operator typed in a field (or chose a band or mode, or ticked the QSL):
    // text is what the field now holds. The window tells only of his own changes,
    // never of what it put in a field itself.
    void operatorTyped(Field field, const QString &text);
    // An entry is in progress when something of this QSO came from the operator: a
    // field he typed that still holds text, a band or mode he chose since the last
    // reset, a new QSO's callsign accepted with Enter (one prepared from a spot once
    // he pressed Enter in it), or a QSO open for modification or insertion. It ends
    // with a commit, "Effacer saisie en cours", a deletion, the refusal of an abbey
    // already contacted and a change of station. Such an entry is never dropped
    // without asking.
    bool entryInProgress() const;

    // A commit or a deletion is under way (its questions, the lock wait and the
    // busy notice included): what comes from outside the entry (the radio, the
    // cluster) and would ask a question or change the entry waits for its end.
    bool busy() const { return m_busy; }
    // Runs work now, or once the commit or deletion under way has ended and the
    // window has shown its outcome.
    void whenIdle(std::function<void()> work);

    // A new QSO offered from outside the entry (a station heard on the air): its
    // callsign, the reference offered once the cursor reaches it, and the band and
    // mode the QSO takes (the log's labels; an empty band: none chosen).
    struct Offer
    {
        QString callsign;
        QString reference;
        QString band;
        QString mode;
    };
    // After an import: back to a plain entry, fields cleared and the cursor in the
    // callsign, unless an entry is in progress, which is kept as it was without a
    // question. True when it went back.
    bool backToPlainEntry();
    // Quitting: with an entry in progress the operator is asked first; true: quit.
    bool mayQuit();
    // Starts a new QSO with the offer: with an entry in progress the operator is
    // asked once, and false means he keeps it, untouched. Otherwise the window goes
    // back to a plain entry with the callsign in its field and the cursor there;
    // the usual checks run as each field is accepted. The offer's band and mode
    // (and 599 both ways for CW) are put in when the callsign is accepted.
    bool startNew(const Offer &offer);
    // The radio was tuned to the offered QSO's frequency: once the callsign is
    // accepted the radio's reading confirms the band and gives the mode, when it
    // reads that band. Without it the offer's band and mode stay.
    void offerTuned(const QString &callsign);

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
    // The window goes back to its idle entry (a QSO offered from outside, an import).
    void restartRequested();
    // The window puts this callsign in its field, with the cursor there, and comes forward.
    void callsignOffered(const QString &callsign);

private:
    Answer referenceSteps(const Values &values);
    // The band and mode (and reports) a new QSO takes when its callsign is accepted:
    // an offered QSO's, else the radio's.
    QHash<Field, QString> startValues() const;
    // The message for an abbey the log already holds on another line than the QSO
    // being changed; empty when it does not. error: the log could not be read.
    QString alreadyContacted(const QString &reference, QString *error) const;
    // The row the QSO being changed stands on now (-1: gone from the log).
    int editedRow() const;
    QsoRecord::Encoded logLine(const Values &values) const;
    // The commit or deletion has ended: what waited runs once the window is done.
    void leaveBusy();

    LogSession &m_session;
    const LogIndex *m_index = nullptr;
    Settings &m_settings;
    Messages &m_messages;
    Clock &m_clock;
    std::unique_ptr<FirstNameList> m_firstNames;
    // The transceiver's reading (m_radioKnown: there is one).
    bool m_radioKnown = false;
    QString m_radioBand;
    QString m_radioMode;
    bool m_startTaken = false;       // this QSO has had its start values
    QSet<Field> m_typed;             // fields holding what the operator typed
    bool m_callsignAccepted = false; // a new QSO is under way
    // What is left of an offered QSO; tuned: the radio went to its frequency.
    Offer m_offer;
    bool m_offered = false;
    bool m_offerTuned = false;
    bool m_busy = false;
    QList<std::function<void()>> m_afterBusy;

    int m_selectedRow = -1;
    QString m_selectedListLine;
    QByteArray m_selectedLogLine; // the selected QSO's line exactly as in the file
    bool m_modification = false;
    bool m_insertion = false;
    bool m_editing = false;
};
