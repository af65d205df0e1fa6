#include "entry/QsoEntry.h"

#include "kit/Clock.h"
#include "kit/ClockText.h"
#include "entry/EntryChecks.h"
#include "kit/Messages.h"
#include "refdata/ProgramDir.h"
#include "logstore/BandPlan.h"
#include "logstore/Cp1252.h"
#include "logstore/LogSession.h"
#include "logstore/QsoLabels.h"
#include "logstore/QsoRecord.h"
#include "logstore/Settings.h"
#include "refdata/AbbeyList.h"
#include "refdata/FirstNameList.h"
#include "refdata/LogLookups.h"

#include <QScopeGuard>

namespace {

// The log field each entry field fills, in the same order.
constexpr QsoRecord::Field kRecordField[QsoEntry::FieldCount] = {
    QsoRecord::Indicatif, QsoRecord::Prenom, QsoRecord::Reference, QsoRecord::Locator,
    QsoRecord::Date,      QsoRecord::Heure,  QsoRecord::Mode,      QsoRecord::Bande,
    QsoRecord::RstRecu,   QsoRecord::RstEnvoye, QsoRecord::NomAbbaye, QsoRecord::Qsl,
};

// A QSO worked from a CW spot: the report a CW contact usually gives.
const QString CwSpotReport = QStringLiteral("599");

} // namespace

QsoEntry::QsoEntry(LogSession &session, Settings &settings, Messages &messages, Clock &clock,
                   QObject *parent)
    : QObject(parent), m_session(session), m_settings(settings), m_messages(messages), m_clock(clock),
      m_firstNames(std::make_unique<FirstNameList>(session.filePath(ProgramDir::firstNameListName())))
{
    // A new station's log is another log: nothing of the previous one stays selected.
    connect(&session, &LogSession::stationChanged, this, [this] {
        clearSelection();
        reset();
    });
}

QsoEntry::~QsoEntry() = default;

QsoEntry::State QsoEntry::state() const
{
    if (m_modification)
        return State::Modification;
    return m_insertion ? State::Insertion : State::Saisie;
}

QString QsoEntry::stateText() const
{
    switch (state()) {
    case State::Modification:
        return tr("Modification QSO");
    case State::Insertion:
        return tr("Insertion QSO");
    case State::Saisie:
        break;
    }
    return tr("Saisie QSO");
}

QString QsoEntry::check(Field field, const Values &v)
{
    // A character the log's code page cannot hold would be lost or move the columns.
    if (field < Qsl) {
        const QString refused = Cp1252::refusal(v[field]);
        if (!refused.isEmpty())
            return refused;
    }
    switch (field) {
    case Ind:
        return EntryChecks::callsign(v[Ind]);
    case Prenom:
        return EntryChecks::firstName(v[Prenom]);
    case Ref:
        return EntryChecks::reference(v[Ref]);
    case Loc:
        return EntryChecks::locator(v[Loc]);
    case Date:
        return EntryChecks::date(v[Date]);
    case Heure:
        return EntryChecks::time(v[Heure]);
    case Mode:
        return EntryChecks::mode(v[Mode]);
    case Bande:
        return EntryChecks::band(v[Bande]);
    case RstR:
    case RstE:
        return EntryChecks::report(v[field]);
    case Nom:
        return EntryChecks::abbeyName(v[Nom]);
    default:
        return {};
    }
}

QsoEntry::Answer QsoEntry::enter(Field field, const Values &typed)
{
    Answer a;
    Values values = typed;
    if (field == Bande || field == Mode) {
        // "14 mhz" is the list's "14 Mhz": the log, the export and the tallies know it.
        values[field] = listLabel(field, typed[field]);
        if (values[field] != typed[field])
            a.fill.insert(field, values[field]);
    }
    const QString problem = check(field, values);
    if (!problem.isEmpty()) {
        m_messages.notice(problem);
        a.fill.clear();
        return a;
    }
    if (field == Ref)
        return referenceSteps(values);
    a.accepted = true;
    if (field == Ind) {
        if (state() == State::Saisie)
            m_callsignAccepted = true;
        const FirstNameList::Lookup found = m_firstNames->Cherche_Prenom(values[Ind]);
        if (found.found)
            a.fill.insert(Prenom, found.firstName);
        if (state() == State::Saisie && !m_startTaken) {
            m_startTaken = true;
            const QHash<Field, QString> start = startValues();
            for (auto it = start.cbegin(); it != start.cend(); ++it) {
                if (!a.fill.contains(it.key()))
                    a.fill.insert(it.key(), it.value());
            }
        }
    }
    // The offered reference waits in its field, selected: Enter accepts it, typing replaces it.
    if (field == Prenom && !m_offer.reference.isEmpty() && values[Ref].trimmed().isEmpty()
        && state() == State::Saisie) {
        a.fill.insert(Ref, m_offer.reference);
        m_offer.reference.clear();
    }
    if (field == Date || field == Mode)
        emit newRegionDone();
    a.next = next(field);
    return a;
}

QHash<QsoEntry::Field, QString> QsoEntry::startValues() const
{
    QHash<Field, QString> values;
    if (m_offered) {
        // A QSO worked from a spot is on the spot's band and mode, whatever the radio
        // read before (it may not have moved); once the radio was tuned there, its
        // reading on that band gives the mode as the radio is set.
        values.insert(Bande, m_offer.band);
        QString mode = m_offer.mode;
        if (m_offerTuned && m_radioKnown && m_radioBand == m_offer.band && !m_radioMode.isEmpty())
            mode = m_radioMode;
        if (!mode.isEmpty())
            values.insert(Mode, mode);
        if (m_offer.mode == QLatin1String("CW")) {
            values.insert(RstR, CwSpotReport);
            values.insert(RstE, CwSpotReport);
        }
        return values;
    }
    if (m_radioKnown) {
        values.insert(Bande, m_radioBand);
        if (!m_radioMode.isEmpty())
            values.insert(Mode, m_radioMode);
    }
    return values;
}

QsoEntry::Answer QsoEntry::referenceSteps(const Values &values)
{
    Answer a;
    const QString reference = values[Ref];
    // Another copy of the program, or a hand edit, may have changed the log since it was read.
    m_session.refreshIfChanged();
    QString error;
    const QString contacted = alreadyContacted(reference, &error);
    if (!error.isEmpty()) {
        // A log that could not be read says nothing about the abbey: never accept a duplicate.
        m_messages.notice(error);
        return a;
    }
    if (!contacted.isEmpty()) {
        m_messages.notice(contacted);
        // A QSO being changed keeps what was typed: only its reference is refused.
        if (m_modification)
            return a;
        reset();
        a.restart = true;
        return a;
    }
    const LogLookups::Region region = m_index ? LogLookups::Cherche_Region(*m_index, reference.left(2))
                                                  : LogLookups::Cherche_Region(m_session, reference.left(2));
    if (!region.error.isEmpty()) {
        m_messages.notice(region.error);
        return a;
    }
    a.accepted = true;
    a.newRegion = !region.found;
    if (a.newRegion)
        emit newRegion(reference);

    const AbbeyList::Lookup abbey =
        AbbeyList::Cherche_Abbaye(m_session.filePath(ProgramDir::abbeyListName()), reference);
    if (abbey.found) {
        // The list pads names to 60 columns; the log pads them again, so the
        // field shows the name alone and the operator can still add to it.
        QString name = abbey.name;
        while (name.endsWith(QLatin1Char(' ')))
            name.chop(1);
        a.fill.insert(Loc, abbey.locator);
        a.fill.insert(Nom, name);
        a.open << Loc << Nom;
    } else {
        // A list gone missing is not an abbey missing from the list.
        m_messages.notice(abbey.error.isEmpty() ? AbbeyList::notReferencedMessage() : abbey.error);
        a.open << Loc;
    }

    if (m_modification || m_insertion) {
        a.next = Loc;
    } else {
        // A QSO typed as it happens takes the clock's date and time; the cursor
        // goes straight to the mode.
        const QDateTime utc = m_clock.utcNow();
        a.fill.insert(Date, ClockText::utcDate(utc));
        a.fill.insert(Heure, ClockText::utcTime(utc).left(5));
        a.next = Mode;
    }
    return a;
}

QString QsoEntry::alreadyContacted(const QString &reference, QString *error) const
{
    int except = -1;
    if (m_modification) {
        // Each abbey once in the log: a QSO changed to an abbey that another line
        // holds would count it twice. Its own line is not another one, and a QSO
        // that keeps its reference is not checked (a log edited by hand may hold
        // an abbey twice already, and such a QSO must still take its QSL).
        if (reference == selectedValues()[Ref])
            return {};
        except = editedRow();
    }
    const LogLookups::Contact done = m_index ? LogLookups::Deja_Contacte(*m_index, reference, except)
                                              : LogLookups::Deja_Contacte(m_session, reference, except);
    *error = done.error;
    if (!done.found)
        return {};
    return tr("%1 Abbaye deja contacté le %2").arg(reference, done.date);
}

int QsoEntry::editedRow() const
{
    if (m_selectedRow >= 0 && m_selectedRow < m_session.lineCount()
        && m_session.line(m_selectedRow) == m_selectedLogLine)
        return m_selectedRow;
    // The log was read again meanwhile: the QSO is found by its line.
    for (int row = 0; row < m_session.lineCount(); ++row) {
        if (m_session.line(row) == m_selectedLogLine)
            return row;
    }
    return -1;
}

int QsoEntry::position(Field field, const QString &text)
{
    if (field == Bande)
        return BandPlan::positionOfTyped(text);
    if (field == Mode)
        return QsoLabels::typedIndex(QsoLabels::modes(), text);
    return -1;
}

QString QsoEntry::listLabel(Field field, const QString &text)
{
    const int at = position(field, text);
    if (at < 0)
        return text;
    return field == Bande ? QsoLabels::bands().at(at) : QsoLabels::modes().at(at);
}

void QsoEntry::rememberPosition(Field field, const QString &text)
{
    if (m_modification || (field != Bande && field != Mode))
        return;
    m_settings.writePosition(m_session.callsign(), field == Bande ? Settings::KeyBand : Settings::KeyMode,
                             position(field, text));
}

int QsoEntry::storedPosition(Field field) const
{
    const int count = int(field == Bande ? QsoLabels::bands().size() : QsoLabels::modes().size());
    const int stored =
        m_settings.position(m_session.callsign(), field == Bande ? Settings::KeyBand : Settings::KeyMode);
    // -1 is a text typed by hand that no item holds: the field starts empty. Any
    // other number outside the list (a hand-edited settings file) picks the first item.
    if (stored == -1)
        return -1;
    return stored >= 0 && stored < count ? stored : 0;
}

bool QsoEntry::select(int row)
{
    if (m_editing || row < 0 || row >= m_session.lineCount())
        return false;
    m_selectedRow = row;
    m_selectedListLine = m_session.listLine(row);
    m_selectedLogLine = m_session.line(row).toByteArray();
    m_session.setSelectedRow(row);
    m_modification = true;
    return true;
}

bool QsoEntry::edit(int row)
{
    if (m_editing || row < 0 || row >= m_session.lineCount())
        return false;
    m_editing = true;
    if (m_selectedListLine.isEmpty()) {
        m_messages.notice(tr("Cliquez sur une ligne pour l'editer"));
        return false;
    }
    return true;
}

void QsoEntry::clearSelection()
{
    m_selectedRow = -1;
    m_selectedListLine.clear();
    m_selectedLogLine.clear();
    m_session.setSelectedRow(-1);
}

void QsoEntry::startInsert()
{
    m_insertion = true;
    m_modification = false;
}

QsoEntry::Values QsoEntry::selectedValues() const
{
    const QsoRecord r = QsoRecord::fromListLine(m_selectedListLine);
    Values v;
    for (int f = 0; f < FieldCount; ++f) {
        const QString text = r.field(kRecordField[f]);
        v[f] = (f == Date || f == Heure) ? text : text.trimmed();
    }
    v[Qsl] = qslValue(r.confirmed());
    return v;
}

QString QsoEntry::qslValue(bool ticked)
{
    QsoRecord r;
    r.setConfirmed(ticked);
    return r.field(QsoRecord::Qsl);
}

bool QsoEntry::qslTicked(const QString &value)
{
    return !value.isEmpty() && value == qslValue(true);
}

QsoRecord::Encoded QsoEntry::logLine(const Values &values) const
{
    QsoRecord r;
    for (int f = 0; f < FieldCount; ++f)
        r.setField(kRecordField[f], values[f]);
    r.setConfirmed(qslTicked(values[Qsl]));
    return r.toLogBytes();
}

QsoEntry::Answer QsoEntry::commit(Values values, Field *failing)
{
    m_busy = true;
    const auto ended = qScopeGuard([this] { leaveBusy(); });
    Answer a;
    *failing = None;
    // A QSO typed before any station exists would go to a log that is never shown.
    if (!m_session.hasStation()) {
        m_messages.notice(LogSession::noStationMessage());
        return a;
    }
    values[Bande] = listLabel(Bande, values[Bande]);
    values[Mode] = listLabel(Mode, values[Mode]);
    // A QSO opened for editing can reach the commit without passing the chain:
    // every value must still fit the log's columns, and its abbey be no other line's.
    for (int f = 0; f < FieldCount; ++f) {
        const QString message = check(Field(f), values);
        if (!message.isEmpty()) {
            m_messages.notice(message);
            *failing = Field(f);
            return a;
        }
    }
    if (m_modification) {
        // The reference may have been changed without Enter: checked on the log as it now stands.
        m_session.refreshIfChanged();
        QString error;
        const QString contacted = alreadyContacted(values[Ref], &error);
        if (!error.isEmpty() || !contacted.isEmpty()) {
            m_messages.notice(error.isEmpty() ? contacted : error);
            *failing = Ref;
            return a;
        }
    }
    if (m_messages.question(tr("Voulez vous enregistrer ces données ?"))) {
        values[Prenom] = values[Prenom].toUpper();
        const QsoRecord::Encoded line = logLine(values);
        if (!line.ok()) {
            // Only a line of exactly 138 columns may reach the log.
            m_messages.notice(line.error);
            return a;
        }
        emit writing();
        AtomicFile::Result r;
        const Values before = selectedValues();
        // The log stays in order of time (the first QSO with an abbey is its
        // earliest): a QSO given another date or time moves to its place.
        const bool moved = values[Date] != before[Date] || values[Heure] != before[Heure];
        if (m_modification && moved)
            r = m_session.replaceInOrder(line.bytes, m_selectedLogLine);
        else if (m_modification)
            r = m_session.replace(line.bytes, m_selectedLogLine);
        else if (m_insertion)
            r = m_session.insert(line.bytes);
        else
            r = m_session.append(line.bytes);
        if (!r.ok) {
            // The entry stays as typed, so nothing is lost.
            m_messages.notice(r.error);
            return a;
        }
        // The first name is learnt only once its QSO is in the log.
        const AtomicFile::Result names =
            m_firstNames->Maj_Liste_Prenom(FirstNameList::record(values[Ind], values[Prenom]));
        if (!names.ok) {
            m_messages.notice(tr("La liste des prénoms n'a pas pu être mise à jour :\r\n%1").arg(names.error));
        }
    }
    a.accepted = true;
    return a;
}

void QsoEntry::setRadioReading(const QString &band, const QString &mode)
{
    m_radioKnown = true;
    m_radioBand = band;
    m_radioMode = mode;
}

void QsoEntry::clearRadioReading()
{
    m_radioKnown = false;
    m_radioBand.clear();
    m_radioMode.clear();
}

void QsoEntry::operatorTyped(Field field, const QString &text)
{
    if (field < 0 || field >= FieldCount)
        return;
    // A band or mode chosen by hand is his choice even when the box is left empty.
    if (field == Bande || field == Mode || !text.trimmed().isEmpty())
        m_typed.insert(field);
    else
        m_typed.remove(field);
}

bool QsoEntry::entryInProgress() const
{
    return m_editing || m_insertion || m_callsignAccepted || !m_typed.isEmpty();
}

void QsoEntry::whenIdle(std::function<void()> work)
{
    if (!m_busy && m_afterBusy.isEmpty()) {
        work();
        return;
    }
    m_afterBusy.append(std::move(work));
}

void QsoEntry::leaveBusy()
{
    m_busy = false;
    if (m_afterBusy.isEmpty())
        return;
    // Queued behind what the window does with the outcome (the fields cleared after a commit).
    QMetaObject::invokeMethod(this, [this] {
        while (!m_busy && !m_afterBusy.isEmpty())
            m_afterBusy.takeFirst()();
    }, Qt::QueuedConnection);
}

bool QsoEntry::backToPlainEntry()
{
    if (entryInProgress())
        return false;
    clearSelection();
    emit restartRequested();
    reset();
    return true;
}

bool QsoEntry::mayQuit()
{
    return !entryInProgress()
        || m_messages.question(tr("Une saisie est en cours : elle sera perdue.\r\n"
                                  "Quitter KVR_ZEL quand même ?"));
}

bool QsoEntry::startNew(const Offer &offer)
{
    // Asked once, before anything moves: "Non" leaves the entry exactly as it was.
    if (entryInProgress()
        && !m_messages.question(tr("Une saisie est en cours : elle sera perdue.\r\n"
                                   "Commencer un nouveau QSO avec %1 ?")
                                    .arg(offer.callsign)))
        return false;
    emit restartRequested();
    reset();
    m_offer = offer;
    if (position(Bande, m_offer.band) < 0)
        m_offer.band.clear();
    if (position(Mode, m_offer.mode) < 0)
        m_offer.mode.clear();
    m_offered = true;
    emit callsignOffered(offer.callsign);
    return true;
}

void QsoEntry::offerTuned(const QString &callsign)
{
    if (m_offered && m_offer.callsign == callsign)
        m_offerTuned = true;
}

void QsoEntry::endCommit()
{
    reset();
}

QsoEntry::Removal QsoEntry::removeSelected()
{
    if (m_selectedListLine.isEmpty()) {
        m_messages.notice(tr("Cliquez sur une ligne pour l'effacerer"));
        return Removal::NothingSelected;
    }
    m_busy = true;
    const auto ended = qScopeGuard([this] { leaveBusy(); });
    if (!m_messages.question(tr("Voulez vous Supprimer ce QSO ?")))
        return Removal::Kept;
    emit writing();
    const AtomicFile::Result r = m_session.remove(m_selectedLogLine);
    if (!r.ok) {
        m_messages.notice(r.error);
        return Removal::Kept;
    }
    return Removal::Removed;
}

void QsoEntry::reset()
{
    m_startTaken = false;
    m_callsignAccepted = false;
    m_typed.clear();
    m_offer = {};
    m_offered = false;
    m_offerTuned = false;
    m_editing = false;
    m_modification = false;
    m_insertion = false;
}
