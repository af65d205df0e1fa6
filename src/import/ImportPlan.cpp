#include "import/ImportPlan.h"

#include "logstore/Cp1252.h"
#include "logstore/LogRewriter.h"
#include "logstore/QsoRecord.h"
#include "logstore/LogFile.h"
#include "logstore/LogSession.h"
#include "refdata/LogIndex.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <cstring>
#include <limits>
#include <optional>

namespace {

QByteArrayView column(QByteArrayView line, QsoRecord::Field f) { return QsoRecord::fieldOf(line, f); }

QString trimmedText(QByteArrayView v) { return Cp1252::decode(v).trimmed(); }

// Callsign, date and time, as the log's columns hold them: the QSO itself.
QByteArray qsoKey(QByteArrayView line)
{
    return column(line, QsoRecord::Indicatif).toByteArray() + column(line, QsoRecord::Date).toByteArray()
        + column(line, QsoRecord::Heure).toByteArray();
}

bool confirmed(const QByteArray &line) { return QsoRecord::isConfirmedLine(line); }

// A confirmation without an abbey reference is listed when the log holds its callsign.
bool listed(AdifMapping::Status s) { return s != AdifMapping::NoReference && s != AdifMapping::CallNotInLog; }

} // namespace

ImportPlan::ImportPlan(QByteArray fileBytes, QString fileName, AbbeyTable abbeys)
    : m_reader(std::move(fileBytes)), m_fileName(std::move(fileName)), m_abbeys(std::move(abbeys)),
      m_mapping(m_abbeys)
{
    m_eqslInbox = AdifMapping::isEqslInbox(m_reader);
    m_mapping.setEqslInbox(m_eqslInbox);
}

bool ImportPlan::read(int maxRecords, qsizetype maxBytes)
{
    AdifReader::Record record;
    const qsizetype from = m_reader.position();
    for (int i = 0; i < maxRecords && !m_finished; ++i) {
        if (maxBytes >= 0 && m_reader.position() - from >= maxBytes)
            break;
        if (!m_reader.next(&record)) {
            m_finished = true;
            break;
        }
        ++m_recordCount;
        noteStation(record);
        AdifMapping::Result m = m_mapping.map(record, m_reader);
        const bool confirms = AdifMapping::carriesConfirmation(record, m_eqslInbox);
        if (m.status == AdifMapping::NoReference && confirms) {
            // A LoTW or eQSL report names no abbey: its records are kept until the
            // log says whether they confirm one of its QSOs.
            const AdifMapping::Sighting seen = AdifMapping::sighting(record, m_reader);
            if (seen.minutes >= 0 && seen.band >= 0 && !seen.baseCall.isEmpty() && seen.baseCall.size() <= 12) {
                m_sighted.emplace_back(record.offset, record.number);
                continue;
            }
        }
        if (m.status == AdifMapping::NoReference) {
            ++m_withoutReference;
            if (m_outside.size() < MaxOutsideListed)
                m_outside.append({record.offset, record.number});
            continue;
        }
        if (m.line.isEmpty() && m.status != AdifMapping::NoReference) {
            // Whatever they carry: a record refused confirms nothing.
            if (m_refusedListed >= MaxRefusedListed) {
                ++m_refusedNotListed;
                continue;
            }
            ++m_refusedListed;
        }
        Entry e;
        e.offset = record.offset;
        e.number = record.number;
        e.status = e.mapped = m.status;
        e.notes = m.notes;
        e.line = std::move(m.line);
        e.reference = std::move(m.reference);
        e.detail = std::move(m.detail);
        if (confirms) {
            e.confirms = true;
            e.sighting = AdifMapping::sighting(record, m_reader);
        }
        m_entries.append(std::move(e));
    }
    return m_finished;
}

void ImportPlan::noteStation(const AdifReader::Record &record)
{
    constexpr int Kept = 8;
    const auto note = [&](AdifReader::Field f, QStringList &into) {
        if (record[f].isEmpty() || into.size() >= Kept)
            return;
        const QString call = m_reader.decode(record[f]).simplified().toUpper();
        if (!call.isEmpty() && !into.contains(call))
            into.append(call);
    };
    note(AdifReader::StationCallsign, m_stations);
    note(AdifReader::Operator, m_operators);
}

QList<int> ImportPlan::listedRows() const
{
    QList<int> rows;
    rows.reserve(m_entries.size());
    size_t c = 0;
    for (int i = 0; i < m_entries.size(); ++i) {
        for (; c < m_sighted.size() && m_sighted.at(c).number < m_entries.at(i).number; ++c) {
            if (listed(m_sighted.at(c).status))
                rows.append(SightedRow + int(c));
        }
        rows.append(i);
    }
    for (; c < m_sighted.size(); ++c) {
        if (listed(m_sighted.at(c).status))
            rows.append(SightedRow + int(c));
    }
    return rows;
}

bool ImportPlan::resolve(const LogIndex &log, const std::function<bool()> &carryOn)
{
    // Asked every few thousand records, so stopping is never far away.
    constexpr int Step = 4096;
    const auto stopped = [&](qsizetype i) { return carryOn && i % Step == Step - 1 && !carryOn(); };
    const LogSession &session = log.session();
    // The log's QSOs of each station the file names, asked of the index once each.
    QHash<QByteArray, QList<LogIndex::Qso>> byCall;
    const auto qsosOf = [&](const QByteArray &baseCall) -> const QList<LogIndex::Qso> & {
        auto at = byCall.find(baseCall);
        if (at == byCall.end())
            at = byCall.insert(baseCall, log.qsosOf(baseCall));
        return *at;
    };
    // A QSO already logged: same callsign, date and time as the log's columns hold them.
    const auto logged = [&](const QByteArray &line) {
        const qint64 minute = QsoRecord::utcMinute(line);
        if (minute < 0)
            return false;
        const QByteArray key = qsoKey(line);
        for (const LogIndex::Qso &q : qsosOf(LogFile::baseCallsign(column(line, QsoRecord::Indicatif)))) {
            if (q.minute == minute && qsoKey(session.line(q.row)) == key)
                return true;
        }
        return false;
    };
    // Each abbey the file names, with the date of its first QSO when the log holds it.
    QHash<QByteArray, std::optional<QString>> contacted;
    const auto firstContact = [&](const QByteArray &reference) -> const std::optional<QString> & {
        auto at = contacted.find(reference);
        if (at == contacted.end()) {
            const QString ref = Cp1252::decode(reference);
            const int row = log.firstRow(ref);
            at = contacted.insert(reference, row < 0 ? std::nullopt : std::optional<QString>(log.dateOf(row, ref)));
        }
        return *at;
    };

    // The best QSO of each abbey among those the log does not hold yet.
    QHash<QByteArray, int> kept;
    for (int i = 0; i < m_entries.size(); ++i) {
        if (stopped(i))
            return false;
        Entry &e = m_entries[i];
        e.status = e.mapped;
        e.logRow = -1;
        e.logReference.clear();
        if (e.confirms) {
            const Match m = matchConfirmation(e.sighting, e.reference, qsosOf(e.sighting.baseCall), session);
            if (m.status != AdifMapping::NoReference && m.status != AdifMapping::NoMatchingQso
                && m.status != AdifMapping::CallNotInLog) {
                e.status = m.status;
                e.logRow = m.row;
                e.logReference = m.logReference;
                continue;
            }
        }
        if (e.line.isEmpty())
            continue;
        e.status = AdifMapping::Imported;
        e.detail.clear();
        if (logged(e.line)) {
            e.status = AdifMapping::AlreadyInLog;
            continue;
        }
        if (const std::optional<QString> &date = firstContact(e.reference)) {
            e.status = AdifMapping::AlreadyContacted;
            e.detail = *date;
            continue;
        }
        const auto best = kept.find(e.reference);
        if (best == kept.end()) {
            kept.insert(e.reference, i);
            continue;
        }
        const Entry &b = m_entries.at(*best);
        const bool better = confirmed(e.line) != confirmed(b.line)
            ? confirmed(e.line)
            : LogRewriter::timestamp(e.line) < LogRewriter::timestamp(b.line);
        if (better)
            *best = i;
    }
    m_toImport = m_alreadyInLog = m_notInAbbeyList = m_noMatchingQso = m_callNotInLog = 0;
    m_nearQsos.clear();
    m_refused = m_refusedNotListed;
    QSet<int> marked;
    for (Entry &e : m_entries) {
        if (e.status == AdifMapping::Imported && !e.line.isEmpty()) {
            const int best = kept.value(e.reference);
            if (m_entries.at(best).number != e.number) {
                e.status = AdifMapping::DuplicateInFile;
                e.detail = QString::number(m_entries.at(best).number);
            }
        }
        switch (e.status) {
        case AdifMapping::Imported:
            ++m_toImport;
            if (e.notes & AdifMapping::NotListed)
                ++m_notInAbbeyList;
            break;
        case AdifMapping::AlreadyInLog:
        case AdifMapping::QslAlreadyMarked: ++m_alreadyInLog; break;
        case AdifMapping::QslToMark: marked.insert(e.logRow); break;
        case AdifMapping::NoReference:
        case AdifMapping::NoMatchingQso:
        case AdifMapping::CallNotInLog: break;
        default: ++m_refused; break;
        }
    }
    m_matchedReferences.clear();
    for (size_t i = 0; i < m_sighted.size(); ++i) {
        if (stopped(i))
            return false;
        Sighted &c = m_sighted[i];
        const AdifMapping::Sighting seen = AdifMapping::sighting(m_reader.recordAt(c.offset(), c.number), m_reader);
        const Match m = matchConfirmation(seen, {}, qsosOf(seen.baseCall), session);
        c.status = m.status;
        c.logRow = m.row;
        c.gap = quint16(qMin<qint64>(qAbs(qint64(m.gap)), 65535));
        if (c.logRow >= 0 && !m.logReference.isEmpty() && c.status != AdifMapping::NoMatchingQso)
            m_matchedReferences.insert(c.logRow, m.logReference);
        switch (c.status) {
        case AdifMapping::NoReference: break; // never kept so
        case AdifMapping::CallNotInLog: ++m_callNotInLog; break;
        case AdifMapping::NoMatchingQso: {
            ++m_noMatchingQso;
            if (!m_nearQsos.contains(c.logRow)) {
                const QByteArrayView line = session.line(c.logRow);
                m_nearQsos.insert(c.logRow, {trimmedText(column(line, QsoRecord::Date)),
                                             trimmedText(column(line, QsoRecord::Bande)),
                                             qint16(AdifMapping::bandOfLabel(column(line, QsoRecord::Bande)))});
            }
            break;
        }
        case AdifMapping::QslToMark: marked.insert(c.logRow); break;
        case AdifMapping::QslAlreadyMarked: ++m_alreadyInLog; break;
        default: ++m_refused; break;
        }
    }
    QList<int> rows(marked.cbegin(), marked.cend());
    std::sort(rows.begin(), rows.end());
    m_marks.clear();
    m_marks.reserve(rows.size());
    for (const int row : rows)
        m_marks.append({row, session.line(row).toByteArray()});
    return true;
}

ImportPlan::Match ImportPlan::matchConfirmation(const AdifMapping::Sighting &s, const QByteArray &reference,
                                                const QList<LogIndex::Qso> &qsos, const LogSession &session)
{
    constexpr qint32 Window = 30; // minutes either way
    Match m;
    if (s.minutes < 0 || s.band < 0 || s.baseCall.isEmpty())
        return m;
    if (qsos.isEmpty()) {
        m.status = AdifMapping::CallNotInLog;
        return m;
    }
    int best = -1;
    qint32 bestGap = Window + 1;
    bool tie = false;
    // The nearest QSO in time whatever its band, said when none matches.
    int nearest = -1;
    qint32 nearestGap = std::numeric_limits<qint32>::max();
    for (const LogIndex::Qso &q : qsos) {
        const qint32 gap = qAbs(q.minute - s.minutes);
        if (gap < nearestGap) {
            nearest = q.row;
            nearestGap = gap;
            m.gap = q.minute - s.minutes;
        }
        if (q.band != s.band || gap > Window)
            continue;
        if (gap < bestGap) {
            best = q.row;
            bestGap = gap;
            tie = false;
        } else if (gap == bestGap) {
            tie = true;
        }
    }
    if (best < 0) {
        m.status = AdifMapping::NoMatchingQso;
        m.row = nearest;
        return m;
    }
    m.gap = 0;
    if (tie) {
        m.status = AdifMapping::SeveralQsos;
        return m;
    }
    const QByteArrayView line = session.line(best);
    m.row = best;
    m.logReference = column(line, QsoRecord::Reference).trimmed().toByteArray();
    if (!reference.isEmpty() && reference.trimmed().toUpper() != m.logReference.toUpper())
        m.status = AdifMapping::OtherReference;
    else if (QsoRecord::isConfirmedLine(line))
        m.status = AdifMapping::QslAlreadyMarked;
    else
        m.status = AdifMapping::QslToMark;
    return m;
}

QList<int> ImportPlan::markRows() const
{
    QList<int> rows;
    rows.reserve(m_marks.size());
    for (const LogRewriter::Mark &m : m_marks)
        rows.append(m.row);
    return rows;
}

QList<QByteArray> ImportPlan::acceptedLines() const
{
    QList<QByteArray> lines;
    lines.reserve(m_toImport);
    for (const Entry &e : m_entries) {
        if (e.status == AdifMapping::Imported)
            lines.append(e.line);
    }
    return lines;
}

QString ImportPlan::outcome(const Entry &e, Wording reader) const
{
    if (e.status == AdifMapping::OtherReference)
        return AdifMapping::reason(
            e.status, 0,
            worded(reader, "ImportPlan", QT_TRANSLATE_NOOP("ImportPlan", "%1 dans le log")).arg(Cp1252::decode(e.logReference)),
            {}, reader);
    if (e.logRow >= 0 || e.status == AdifMapping::SeveralQsos)
        return AdifMapping::reason(e.status, 0, {}, {}, reader);
    QString detail = e.detail;
    if (e.status == AdifMapping::Unreadable && reader == Wording::Screen) {
        // The entry keeps the reader's reason as a file writes it: a window words it
        // again from the record, read once more.
        const AdifReader::Record r = m_reader.recordAt(e.offset, e.number);
        if (r.fault != AdifReader::Record::Fault::None)
            detail = AdifReader::faultText(r, reader);
    }
    return AdifMapping::reason(e.status, e.notes, e.status == AdifMapping::AlreadyContacted
                                                       || e.status == AdifMapping::DuplicateInFile
                                                   ? QString()
                                                   : detail,
                               e.detail, reader);
}

ImportPlan::Shown ImportPlan::shown(int index, Wording reader) const
{
    const Entry &e = m_entries.at(index);
    // A confirmation shows the reference of the log QSO it confirms.
    const QByteArray &reference =
        e.logRow >= 0 && e.status != AdifMapping::OtherReference ? e.logReference : e.reference;
    if (e.line.isEmpty())
        return shownFromFile(e.offset, e.number, outcome(e, reader), Cp1252::decode(reference));
    Shown s;
    s.number = QString::number(e.number);
    s.outcome = outcome(e, reader);
    s.reference = Cp1252::decode(reference);
    s.call = trimmedText(column(e.line, QsoRecord::Indicatif));
    s.date = trimmedText(column(e.line, QsoRecord::Date));
    s.time = trimmedText(column(e.line, QsoRecord::Heure));
    s.band = trimmedText(column(e.line, QsoRecord::Bande));
    s.mode = trimmedText(column(e.line, QsoRecord::Mode));
    return s;
}

ImportPlan::Shown ImportPlan::shownFromFile(qsizetype offset, int number, const QString &outcome,
                                            const QString &reference) const
{
    // A record that could not become a log line: its values as the file has them.
    Shown s;
    s.number = QString::number(number);
    s.outcome = outcome;
    s.reference = reference;
    const AdifReader::Record r = m_reader.recordAt(offset, number);
    const auto value = [&](AdifReader::Field f) { return m_reader.decode(r[f]).simplified(); };
    s.call = value(AdifReader::Call).toUpper();
    const QString d = value(AdifReader::QsoDate);
    s.date = d.size() == 8 ? d.mid(6, 2) + QLatin1Char('/') + d.mid(4, 2) + QLatin1Char('/') + d.mid(2, 2) : d;
    const QString t = value(AdifReader::TimeOn);
    s.time = t.size() >= 4 ? t.left(2) + QLatin1Char(':') + t.mid(2, 2) : t;
    // The log's labels ("21 Mhz"), as every row shows them.
    s.band = AdifMapping::bandLabel(r, m_reader);
    s.mode = value(AdifReader::Mode).toUpper();
    if (const QString sub = value(AdifReader::Submode); !sub.isEmpty())
        s.mode += QLatin1Char('/') + sub.toUpper();
    if (s.reference.isEmpty())
        s.reference = value(AdifReader::SigInfo);
    return s;
}

QList<int> ImportPlan::allRows() const
{
    QList<int> rows;
    rows.reserve(m_entries.size() + m_outside.size() + m_sighted.size());
    qsizetype e = 0, o = 0, c = 0;
    constexpr int None = std::numeric_limits<int>::max();
    for (;;) {
        const int ne = e < m_entries.size() ? m_entries.at(e).number : None;
        const int no = o < m_outside.size() ? m_outside.at(o).number : None;
        const int nc = size_t(c) < m_sighted.size() ? m_sighted[size_t(c)].number : None;
        const int first = qMin(ne, qMin(no, nc));
        if (first == None)
            break;
        if (first == ne)
            rows.append(int(e++));
        else if (first == no)
            rows.append(int(-1 - o++));
        else
            rows.append(SightedRow + int(c++));
    }
    return rows;
}

ImportPlan::Shown ImportPlan::shownRow(int row, Wording reader) const
{
    if (row >= SightedRow) {
        const Sighted &c = m_sighted[size_t(row - SightedRow)];
        Shown s = shownFromFile(c.offset(), c.number, AdifMapping::reason(c.status, 0, {}, {}, reader),
                                c.status == AdifMapping::NoMatchingQso
                                    ? QString()
                                    : Cp1252::decode(m_matchedReferences.value(c.logRow)));
        if (c.status == AdifMapping::NoMatchingQso) {
            const int band = AdifMapping::sighting(m_reader.recordAt(c.offset(), c.number), m_reader).band;
            s.outcome = AdifMapping::reason(c.status, 0, nearMiss(c, band, s.band, reader), {}, reader);
        }
        return s;
    }
    if (row >= 0)
        return shown(row, reader);
    const Outside &o = m_outside.at(-1 - row);
    return shownFromFile(o.offset, o.number, AdifMapping::reason(AdifMapping::NoReference, 0, {}, {}, reader), {});
}

QString ImportPlan::nearMiss(const Sighted &c, int recordBand, const QString &recordLabel, Wording reader) const
{
    const auto say = [reader](const char *source) { return worded(reader, "ImportPlan", source); };
    constexpr qint32 Window = 30;
    constexpr qint32 Day = 24 * 60;
    const NearQso q = m_nearQsos.value(c.logRow);
    const qint32 gap = c.gap;
    const QString time = gap < Day ? say(QT_TRANSLATE_NOOP("ImportPlan", "heure : %1 min d'écart")).arg(gap)
                                   : say(QT_TRANSLATE_NOOP("ImportPlan", "autre jour : %1")).arg(q.date);
    if (q.bandIndex == recordBand)
        return time;
    const QString band = say(QT_TRANSLATE_NOOP("ImportPlan", "bande : %1, log %2")).arg(recordLabel, q.band);
    return gap > Window ? band + QStringLiteral(", ") + time : band;
}

QString ImportPlan::refusedCount(int refused, int notListed, Wording reader)
{
    const auto say = [reader](const char *source) { return worded(reader, "ImportPlan", source); };
    return notListed > 0 ? say(QT_TRANSLATE_NOOP("ImportPlan", "refusés : %1 (%2 non listés)")).arg(refused).arg(notListed)
                         : say(QT_TRANSLATE_NOOP("ImportPlan", "refusés : %1")).arg(refused);
}

QString ImportPlan::reportFileName(const QString &callsign, const QDate &day, int n)
{
    return callsign + QStringLiteral("_Import_ADIF_") + day.toString(QStringLiteral("dd_MM_yy"))
        + (n > 1 ? QStringLiteral("_%1").arg(n) : QString()) + QStringLiteral(".txt");
}

QByteArray ImportPlan::report(const QString &station, const QDate &day, bool all) const
{
    QStringList out;
    out << QStringLiteral("Importation ADIF dans le log de la station %1 le %2")
               .arg(station, day.toString(QStringLiteral("dd/MM/yy")));
    out << QStringLiteral("Fichier : %1 (%2 enregistrements)").arg(m_fileName).arg(m_recordCount);
    out << QString();
    out << QStringLiteral("QSO à importer : %1").arg(m_toImport);
    if (!m_marks.isEmpty())
        out << QStringLiteral("QSL à marquer : %1").arg(m_marks.size());
    out << QStringLiteral("déjà dans le log : %1").arg(m_alreadyInLog);
    out << refusedCount(m_refused, m_refusedNotListed);
    if (m_notInAbbeyList > 0)
        out << QStringLiteral("référence absente de la liste des abbayes : %1").arg(m_notInAbbeyList);
    out << QStringLiteral("pas de référence d'abbaye : %1%2")
               .arg(withoutReference())
               .arg(all ? QString() : QStringLiteral(" (non listés)"));
    if (hasConfirmations()) {
        out << QStringLiteral("QSL sans QSO correspondant : %1").arg(m_noMatchingQso);
        out << QStringLiteral("QSL d'un indicatif absent du log : %1%2")
                   .arg(m_callNotInLog)
                   .arg(all || m_callNotInLog == 0 ? QString() : QStringLiteral(" (non listés)"));
    }
    out << QString();
    const auto row = [](const Shown &s) {
        return s.number.rightJustified(6) + QLatin1Char(' ') + s.call.leftJustified(12) + QLatin1Char(' ')
            + s.date.leftJustified(8) + QLatin1Char(' ') + s.time.leftJustified(5) + QLatin1Char(' ')
            + s.band.leftJustified(7) + QLatin1Char(' ') + s.mode.leftJustified(4) + QLatin1Char(' ')
            + s.reference.leftJustified(6) + QLatin1Char(' ') + s.outcome;
    };
    out << row({QStringLiteral("N°"), QStringLiteral("Indicatif"), QStringLiteral("Date"), QStringLiteral("Heure"),
                QStringLiteral("Bande"), QStringLiteral("Mode"), QStringLiteral("Réf."), QStringLiteral("Résultat")});
    if (all) {
        for (const int r : allRows())
            out << row(shownRow(r));
    } else {
        for (const int i : listedRows())
            out << row(shownRow(i));
    }
    QByteArray bytes;
    for (const QString &l : out) {
        bool changed = false;
        bytes += AdifMapping::toLogCodePage(l, &changed);
        bytes += "\r\n";
    }
    return bytes;
}
