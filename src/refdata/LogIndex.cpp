#include "refdata/LogIndex.h"

#include "logstore/BandPlan.h"
#include "logstore/Cp1252.h"
#include "logstore/LogFile.h"
#include "logstore/LogSession.h"
#include "logstore/QsoLabels.h"
#include "logstore/QsoRecord.h"
#include "refdata/LogLookups.h"
#include "refdata/RegionTable.h"

#include <algorithm>
#include <array>

namespace {

// A reference is at most eight bytes of the code page (the column holds six).
constexpr int KeyBytes = 8;

bool blank(char c) { return c == ' ' || c == '\t'; }

QByteArrayView trimmedBytes(QByteArrayView v)
{
    while (!v.isEmpty() && blank(v.front()))
        v = v.sliced(1);
    while (!v.isEmpty() && blank(v.back()))
        v.chop(1);
    return v;
}

// Slot of every pair of capitals, so a reference's region is found without text work.
class CodeSlots
{
public:
    CodeSlots()
    {
        m_slots.fill(0);
        for (int slot = 1; slot <= RegionTable::SlotCount; ++slot)
            add(RegionTable::code(slot), slot);
        add(QStringLiteral("VN"), RegionTable::VenetoSlot);
        add(QStringLiteral("VE"), RegionTable::VenetoSlot);
    }
    int slotOf(char a, char b) const
    {
        return a < 'A' || a > 'Z' || b < 'A' || b > 'Z' ? 0 : m_slots[(a - 'A') * 26 + (b - 'A')];
    }

private:
    void add(const QString &code, int slot)
    {
        const QByteArray b = code.toLatin1();
        m_slots[(b.at(0) - 'A') * 26 + (b.at(1) - 'A')] = slot;
    }
    std::array<int, 26 * 26> m_slots;
};

const CodeSlots &codeSlots()
{
    static const CodeSlots table;
    return table;
}

quint64 packed(QByteArrayView bytes)
{
    if (bytes.isEmpty() || bytes.size() > KeyBytes)
        return 0;
    quint64 key = 0;
    for (int i = 0; i < KeyBytes; ++i)
        key = (key << 8) | (i < bytes.size() ? quint8(bytes[i]) : 0);
    return key;
}

QString columnText(QByteArrayView line, QsoRecord::Field field)
{
    return Cp1252::decode(QsoRecord::fieldOf(line, field));
}

} // namespace

LogIndex::LogIndex(const LogSession &session, QObject *parent) : QObject(parent), m_session(session)
{
    connect(&session, &LogSession::logChanged, this, &LogIndex::onLogChanged);
}

LogIndex::~LogIndex() = default;

bool LogIndex::readable() const { return m_session.loadError().isEmpty(); }

quint64 LogIndex::keyOf(QStringView reference)
{
    // A reference is most often a few ASCII characters: read without a copy.
    bool ascii = true;
    for (const QChar c : reference)
        ascii = ascii && c.unicode() < 0x80;
    if (ascii) {
        const auto blank = [](QChar c) { return c == u' ' || (c.unicode() >= 0x09 && c.unicode() <= 0x0D); };
        qsizetype from = 0;
        qsizetype to = reference.size();
        while (from < to && blank(reference[from]))
            ++from;
        while (to > from && blank(reference[to - 1]))
            --to;
        if (to == from || to - from > KeyBytes)
            return 0;
        char up[KeyBytes];
        for (qsizetype i = from; i < to; ++i) {
            const char c = char(reference[i].unicode());
            up[i - from] = c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
        }
        return packed(QByteArrayView(up, to - from));
    }
    const QString key = reference.trimmed().toString().toUpper();
    if (key.isEmpty() || !Cp1252::firstUnencodable(key).isEmpty())
        return 0;
    return packed(Cp1252::encode(key));
}

quint64 LogIndex::keyOfColumn(QByteArrayView column)
{
    const QByteArrayView v = trimmedBytes(column);
    if (v.isEmpty() || v.size() > KeyBytes)
        return 0;
    bool ascii = true;
    for (const char c : v)
        ascii = ascii && quint8(c) < 0x80;
    if (!ascii)
        return keyOf(Cp1252::decode(v));
    char up[KeyBytes];
    for (qsizetype i = 0; i < v.size(); ++i)
        up[i] = v[i] >= 'a' && v[i] <= 'z' ? char(v[i] - 'a' + 'A') : v[i];
    return packed(QByteArrayView(up, v.size()));
}

int LogIndex::slotOfKey(quint64 key)
{
    if (key == 0)
        return 0;
    return codeSlots().slotOf(char(key >> 56), char((key >> 48) & 0xFF));
}

quint16 LogIndex::codeOfKey(quint64 key) { return quint16(key >> 48); }

quint64 LogIndex::tallyKey(int slot, int label, int mode)
{
    return quint64(quint32(slot)) << 40 | quint64(quint16(label)) << 16 | quint16(mode);
}

qint16 LogIndex::labelId(QByteArrayView label) const
{
    const QByteArray key = trimmedBytes(label).toByteArray();
    const auto at = m_labelIds.constFind(key);
    if (at != m_labelIds.cend())
        return *at;
    const qint16 id = qint16(m_labels.size());
    m_labels.append(key);
    m_labelIds.insert(key, id);
    return id;
}

qint16 LogIndex::modeId(QByteArrayView mode) const
{
    const QByteArray key = trimmedBytes(mode).toByteArray();
    const auto at = m_modeIds.constFind(key);
    if (at != m_modeIds.cend())
        return *at;
    if (m_modes.size() >= 127)
        return 127; // more modes than anyone types: counted together
    const qint8 id = qint8(m_modes.size());
    m_modes.append(key);
    m_modeIds.insert(key, id);
    return id;
}

LogIndex::Row LogIndex::rowOf(QByteArrayView line, quint64 *second) const
{
    Row r;
    quint64 ref2 = 0;
    if (QsoRecord::isConfirmedLine(line))
        r.flags |= Confirmed;
    if (QsoRecord::isMarkableLine(line))
        r.flags |= Markable;
    if (line.size() == QsoRecord::LogLineLength) {
        r.ref = keyOfColumn(QsoRecord::fieldOf(line, QsoRecord::Reference));
        r.flags |= InPlace;
        const qint64 minute = QsoRecord::utcMinute(line);
        const int band = BandPlan::bandOfLabel(QsoRecord::fieldOf(line, QsoRecord::Bande));
        const QByteArray call = LogFile::baseCallsign(QsoRecord::fieldOf(line, QsoRecord::Indicatif));
        if (minute >= 0 && minute <= 0x7FFFFFFF && band >= 0 && !call.isEmpty())
            r.flags |= Usable;
    } else {
        // A line edited by hand still names its abbey when it can be recognised; its
        // band counts only when the reference stands in its own column.
        const QList<LogLookups::Recognised> found = LogLookups::recognise(line);
        const quint64 column = keyOfColumn(QsoRecord::fieldOf(line, QsoRecord::Reference));
        for (const LogLookups::Recognised &f : found) {
            const quint64 key = keyOf(f.reference);
            if (key == 0 || key == r.ref || key == ref2)
                continue;
            if (r.ref == 0)
                r.ref = key;
            else if (ref2 == 0)
                ref2 = key;
            if (key == column)
                r.flags |= InPlace;
        }
        if (ref2 != 0 && ref2 == column)
            std::swap(r.ref, ref2);
        // Nothing recognised (a line cut before its time): the reference column as
        // it stands, when the line holds all of it, so the abbey is never taken for
        // a new one.
        const QsoRecord::Column ref = QsoRecord::logColumn(QsoRecord::Reference);
        if (found.isEmpty() && column != 0 && line.size() >= ref.start - 1 + ref.width) {
            r.ref = column;
            r.flags |= InPlace;
        }
    }
    if (r.flags & InPlace) {
        r.label = labelId(QsoRecord::fieldOf(line, QsoRecord::Bande));
        r.mode = modeId(QsoRecord::fieldOf(line, QsoRecord::Mode));
    }
    // The month where the date column stands, as the history reads it, and its day.
    r.month = qint16(QsoRecord::monthSlot(line));
    const QDate day = QsoRecord::dayOfLine(line);
    if (day.isValid())
        r.day = qint8(day.day());
    if (ref2 != 0)
        r.flags |= Second;
    *second = ref2;
    return r;
}

quint64 LogIndex::secondOf(size_t row) const
{
    if (!(m_rows[row].flags & Second))
        return 0;
    const auto at = std::lower_bound(m_seconds.cbegin(), m_seconds.cend(), std::make_pair(quint32(row), quint64(0)));
    return at != m_seconds.cend() && at->first == row ? at->second : 0;
}

void LogIndex::setSecond(size_t row, quint64 key) const
{
    const auto at = std::lower_bound(m_seconds.begin(), m_seconds.end(), std::make_pair(quint32(row), quint64(0)));
    const bool there = at != m_seconds.end() && at->first == row;
    if (key == 0 && there)
        m_seconds.erase(at);
    else if (key != 0 && there)
        at->second = key;
    else if (key != 0)
        m_seconds.insert(at, {quint32(row), key});
}

void LogIndex::shiftSeconds(size_t from, int by) const
{
    for (auto &s : m_seconds) {
        if (s.first >= from)
            s.first = quint32(qint64(s.first) + by);
    }
}

bool LogIndex::holds(size_t row, quint64 key) const
{
    return m_rows[row].ref == key || secondOf(row) == key;
}

void LogIndex::countRef(quint64 ref, int slot, const Row &r, int sign) const
{
    const int confirmed = (r.flags & Confirmed) ? sign : 0;
    Count &c = m_refs[ref];
    c.lines += sign;
    c.confirmed += confirmed;
    if (c.lines == 0)
        m_refs.remove(ref);
    if (slot == 0) {
        int &n = m_codes[codeOfKey(ref)];
        n += sign;
        if (n == 0)
            m_codes.remove(codeOfKey(ref));
        return;
    }
    const auto add = [&](quint64 key) {
        Count &t = m_tally[key];
        t.lines += sign;
        t.confirmed += confirmed;
        if (t.lines == 0)
            m_tally.remove(key);
    };
    add(tallyKey(slot, -1, -1));
    if (r.label >= 0) {
        add(tallyKey(slot, r.label, -1));
        add(tallyKey(slot, r.label, r.mode));
    }
}

void LogIndex::count(const Row &r, quint64 second, int sign) const
{
    if (r.flags & Confirmed)
        m_confirmedLines += sign;
    if (r.flags & Markable)
        m_markable += sign;
    if (r.month >= 0) {
        m_months[size_t(r.month)].lines += sign;
        if (r.flags & Confirmed)
            m_months[size_t(r.month)].confirmed += sign;
    }
    if (r.day >= 0) {
        const qint32 key = qint32(r.month) * 32 + r.day;
        Count &c = m_days[key];
        c.lines += sign;
        if (r.flags & Confirmed)
            c.confirmed += sign;
        if (c.lines == 0)
            m_days.remove(key);
    }
    if (r.ref != 0)
        countRef(r.ref, slotOfKey(r.ref), r, sign);
    if (second != 0 && slotOfKey(second) != slotOfKey(r.ref))
        countRef(second, slotOfKey(second), r, sign);
    else if (second != 0) {
        // Same region as the first: the abbey counts, the region once.
        Count &c = m_refs[second];
        c.lines += sign;
        c.confirmed += (r.flags & Confirmed) ? sign : 0;
        if (c.lines == 0)
            m_refs.remove(second);
    }
}

void LogIndex::build() const
{
    static_assert(sizeof(Row) == 16, "a QSO costs the index 16 bytes");
    m_rows.clear();
    m_refs.clear();
    m_tally.clear();
    m_codes.clear();
    m_months.assign(MonthSlots, Count{});
    m_days.clear();
    m_confirmedLines = m_markable = 0;
    dropCalls();
    const int n = m_session.lineCount();
    // Room for the QSOs of the coming sessions too: growing later would hold the old
    // rows and the new ones at once.
    m_rows.reserve(size_t(n) + size_t(n) / 8 + 64);
    m_seconds.clear();
    for (int row = 0; row < n; ++row) {
        quint64 second = 0;
        m_rows.push_back(rowOf(m_session.line(row), &second));
        count(m_rows.back(), second, 1);
        if (second != 0)
            m_seconds.emplace_back(quint32(row), second);
    }
    m_built = true;
}

void LogIndex::ensure() const
{
    if (!m_built || m_rows.size() != size_t(m_session.lineCount()))
        build();
}

void LogIndex::invalidate()
{
    m_built = false;
    m_touchedAll = true;
    m_rows = {};
    m_seconds = {};
    m_refs = {};
    m_tally = {};
    m_codes = {};
    m_months = {};
    m_days = {};
    dropCalls();
}

void LogIndex::dropCalls() const
{
    m_callsBuilt = false;
    m_calls = {};
}

void LogIndex::recount(const Row &r, quint64 second, int sign)
{
    // Counted in or out while following a change: its abbeys are touched.
    for (const quint64 key : {r.ref, second}) {
        if (key != 0 && std::find(m_touched.cbegin(), m_touched.cend(), key) == m_touched.cend())
            m_touched.push_back(key);
    }
    count(r, second, sign);
}

bool LogIndex::mayHaveChanged(QStringView reference) const
{
    if (m_touchedAll || !m_built)
        return true;
    const quint64 key = keyOf(reference);
    if (key == 0)
        return false;
    // The abbey, or another of its region (its new-region standing follows them).
    const int slot = slotOfKey(key);
    for (const quint64 t : m_touched) {
        if (t == key || (slot != 0 ? slotOfKey(t) == slot : codeOfKey(t) == codeOfKey(key)))
            return true;
    }
    return false;
}

void LogIndex::onLogChanged(const LogChange &change)
{
    m_touched.clear();
    m_touchedAll = !m_built || !change.isEdit();
    if (m_built && change.isEdit()) {
        for (const int before : change.replaced) {
            const int after = change.rowAfter(before);
            if (before < 0 || size_t(before) >= m_rows.size() || after < 0 || after >= m_session.lineCount()) {
                invalidate();
                break;
            }
            Row &r = m_rows[size_t(before)];
            recount(r, secondOf(size_t(before)), -1);
            quint64 second = 0;
            r = rowOf(m_session.line(after), &second);
            recount(r, second, 1);
            setSecond(size_t(before), second);
        }
        for (auto it = change.removed.crbegin(); m_built && it != change.removed.crend(); ++it) {
            if (*it < 0 || size_t(*it) >= m_rows.size()) {
                invalidate();
                break;
            }
            recount(m_rows[size_t(*it)], secondOf(size_t(*it)), -1);
            setSecond(size_t(*it), 0);
            m_rows.erase(m_rows.begin() + *it);
            shiftSeconds(size_t(*it), -1);
        }
        for (const int row : change.added) {
            if (!m_built)
                break;
            if (row < 0 || size_t(row) > m_rows.size() || row >= m_session.lineCount()) {
                invalidate();
                break;
            }
            quint64 second = 0;
            const Row r = rowOf(m_session.line(row), &second);
            recount(r, second, 1);
            // Grown by an eighth at a time, not doubled: a QSO added to a long log
            // must not set aside room for as many again.
            if (m_rows.size() == m_rows.capacity())
                m_rows.reserve(m_rows.size() + m_rows.size() / 8 + 64);
            m_rows.insert(m_rows.begin() + row, r);
            shiftSeconds(size_t(row), 1);
            setSecond(size_t(row), second);
        }
        if (m_built && m_rows.size() != size_t(m_session.lineCount()))
            invalidate();
        // A callsign may have changed with any line: the callsigns are read again
        // at the next question about one.
        if (m_built)
            dropCalls();
    } else if (m_built) {
        invalidate();
    }
    emit changed(change);
}

LogIndex::Reference LogIndex::reference(QStringView reference) const
{
    Reference out;
    const quint64 key = keyOf(reference);
    if (key == 0 || !readable())
        return out;
    ensure();
    const auto at = m_refs.constFind(key);
    if (at == m_refs.cend())
        return out;
    out.contacted = true;
    out.confirmed = at->confirmed > 0;
    out.rows.reserve(at->lines);
    for (size_t row = 0; row < m_rows.size() && out.rows.size() < at->lines; ++row) {
        if (holds(row, key))
            out.rows.append(int(row));
    }
    return out;
}

bool LogIndex::contacted(QStringView reference) const
{
    const quint64 key = keyOf(reference);
    if (key == 0 || !readable())
        return false;
    ensure();
    return m_refs.contains(key);
}

bool LogIndex::confirmed(QStringView reference) const
{
    const quint64 key = keyOf(reference);
    if (key == 0 || !readable())
        return false;
    ensure();
    const auto at = m_refs.constFind(key);
    return at != m_refs.cend() && at->confirmed > 0;
}

int LogIndex::firstRow(QStringView reference, int exceptRow) const
{
    const quint64 key = keyOf(reference);
    if (key == 0 || !readable())
        return -1;
    ensure();
    const auto at = m_refs.constFind(key);
    if (at == m_refs.cend())
        return -1;
    for (size_t row = 0; row < m_rows.size(); ++row) {
        if (int(row) != exceptRow && holds(row, key))
            return int(row);
    }
    return -1;
}

QString LogIndex::dateOf(int row, QStringView reference) const
{
    if (row < 0 || row >= m_session.lineCount())
        return {};
    const QByteArrayView line = m_session.line(row);
    if (line.size() == QsoRecord::LogLineLength)
        return columnText(line, QsoRecord::Date);
    const quint64 key = keyOf(reference);
    for (const LogLookups::Recognised &r : LogLookups::recognise(line)) {
        if (keyOf(r.reference) == key)
            return r.date;
    }
    // Found by its column alone: the date column, what the line holds of it.
    return columnText(line, QsoRecord::Date);
}

int LogIndex::findLabel(const QString &band) const
{
    // The log is Windows-1252: a label it cannot hold is on no line.
    const QByteArray wanted = Cp1252::encode(band);
    if (Cp1252::decode(wanted) != band)
        return -2;
    return m_labelIds.value(wanted, -2);
}

int LogIndex::findMode(const QString &mode) const
{
    if (mode.isEmpty())
        return -1;
    const QByteArray wanted = Cp1252::encode(mode);
    if (Cp1252::decode(wanted) != mode)
        return -2;
    return m_modeIds.value(wanted, -2);
}

LogIndex::Standing LogIndex::region(int slot, const QString &band, const QString &mode) const
{
    if (slot < 1 || slot > RegionTable::SlotCount || !readable())
        return Standing::NotWorked;
    ensure();
    const bool allBands = band == QsoLabels::AllBands;
    const int label = allBands ? -1 : findLabel(band);
    const int m = findMode(mode);
    if (label == -2 || m == -2)
        return Standing::NotWorked;
    if (allBands && m >= 0) {
        // Every band in one mode: the in-place lines of each band.
        Standing best = Standing::NotWorked;
        for (int l = 0; l < m_labels.size(); ++l) {
            const auto at = m_tally.constFind(tallyKey(slot, l, m));
            if (at == m_tally.cend())
                continue;
            if (at->confirmed > 0)
                return Standing::Confirmed;
            best = Standing::Worked;
        }
        return best;
    }
    const auto at = m_tally.constFind(tallyKey(slot, label, m));
    if (at == m_tally.cend())
        return Standing::NotWorked;
    return at->confirmed > 0 ? Standing::Confirmed : Standing::Worked;
}

QList<int> LogIndex::regionRows(int slot, const QString &band) const
{
    QList<int> rows;
    if (slot < 1 || slot > RegionTable::SlotCount || !readable())
        return rows;
    ensure();
    const bool allBands = band == QsoLabels::AllBands;
    const int label = allBands ? -1 : findLabel(band);
    if (label == -2)
        return rows;
    for (size_t row = 0; row < m_rows.size(); ++row) {
        const Row &r = m_rows[row];
        if (!allBands && r.label != label)
            continue;
        const quint64 second = secondOf(row);
        if ((r.ref != 0 && slotOfKey(r.ref) == slot) || (second != 0 && slotOfKey(second) == slot))
            rows.append(int(row));
    }
    return rows;
}

bool LogIndex::regionWorked(const QString &code) const
{
    if (!readable())
        return false;
    ensure();
    const int slot = RegionTable::slotOfTallyCode(code);
    if (slot != 0)
        return m_tally.contains(tallyKey(slot, -1, -1));
    const QString wanted = code.trimmed().toUpper();
    if (wanted.size() != 2 || !Cp1252::firstUnencodable(wanted).isEmpty())
        return false;
    const QByteArray bytes = Cp1252::encode(wanted);
    return m_codes.contains(quint16(quint8(bytes[0]) << 8 | quint8(bytes[1])));
}

int LogIndex::lineCount() const
{
    return m_session.lineCount();
}

int LogIndex::confirmedLines() const
{
    ensure();
    return m_confirmedLines;
}

int LogIndex::contactedInMonth(int monthSlot) const
{
    ensure();
    return monthSlot < 0 || monthSlot >= MonthSlots ? 0 : m_months[size_t(monthSlot)].lines;
}

QList<LogIndex::Day> LogIndex::days() const
{
    ensure();
    QList<qint32> keys = m_days.keys();
    std::sort(keys.begin(), keys.end());
    QList<Day> out;
    out.reserve(keys.size());
    for (const qint32 key : std::as_const(keys)) {
        const int month = key / 32;
        const Count &c = m_days[key];
        out.append({QsoRecord::monthOfSlot(month).addDays(key % 32 - 1), c.lines, c.confirmed});
    }
    return out;
}

int LogIndex::confirmedInMonth(int monthSlot) const
{
    ensure();
    return monthSlot < 0 || monthSlot >= MonthSlots ? 0 : m_months[size_t(monthSlot)].confirmed;
}

void LogIndex::buildCalls() const
{
    m_calls.clear();
    for (size_t row = 0; row < m_rows.size(); ++row) {
        if (m_rows[row].flags & Usable) {
            const QByteArray call = LogFile::baseCallsign(QsoRecord::fieldOf(m_session.line(int(row)), QsoRecord::Indicatif));
            m_calls.emplace_back(quint32(qHash(call)) | 1u, int(row));
        }
    }
    m_calls.shrink_to_fit();
    std::sort(m_calls.begin(), m_calls.end());
    m_callsBuilt = true;
}

QList<LogIndex::Qso> LogIndex::qsosOf(QByteArrayView baseCallsign) const
{
    QList<Qso> out;
    if (baseCallsign.isEmpty() || !readable())
        return out;
    ensure();
    if (!m_callsBuilt)
        buildCalls();
    const quint32 key = quint32(qHash(baseCallsign.toByteArray())) | 1u;
    const auto first = std::lower_bound(m_calls.cbegin(), m_calls.cend(), std::make_pair(key, -1));
    for (auto it = first; it != m_calls.cend() && it->first == key; ++it) {
        const int row = it->second;
        // Two callsigns may share a hash: the line says which it is.
        const QByteArrayView line = m_session.line(row);
        if (LogFile::baseCallsign(QsoRecord::fieldOf(line, QsoRecord::Indicatif)) != baseCallsign)
            continue;
        const Row &r = m_rows[size_t(row)];
        const qint32 minute = qint32(QsoRecord::utcMinute(line));
        const qint16 band = qint16(BandPlan::bandOfLabel(QsoRecord::fieldOf(line, QsoRecord::Bande)));
        out.append({row, minute, band, (r.flags & Confirmed) != 0, (r.flags & Markable) != 0});
    }
    return out;
}

QList<LogIndex::Qso> LogIndex::qsosOf(const QString &baseCallsign) const
{
    return qsosOf(QByteArrayView(baseCallsign.toLatin1()));
}

QList<int> LogIndex::unconfirmedRows() const
{
    QList<int> rows;
    if (!readable())
        return rows;
    ensure();
    rows.reserve(m_markable);
    for (size_t row = 0; row < m_rows.size(); ++row) {
        if (m_rows[row].flags & Markable)
            rows.append(int(row));
    }
    return rows;
}

QList<int> LogIndex::unconfirmedByReference() const
{
    const QList<int> inLog = unconfirmedRows();
    std::vector<std::pair<quint64, int>> keyed;
    keyed.reserve(size_t(inLog.size()));
    for (const int row : inLog)
        keyed.emplace_back(m_rows[size_t(row)].ref, row);
    std::sort(keyed.begin(), keyed.end());
    QList<int> rows;
    rows.reserve(inLog.size());
    for (const auto &k : keyed)
        rows.append(k.second);
    return rows;
}

bool LogIndex::isUnconfirmed(int row) const
{
    if (!readable())
        return false;
    ensure();
    return row >= 0 && size_t(row) < m_rows.size() && (m_rows[size_t(row)].flags & Markable);
}

quint64 LogIndex::referenceKeyOf(int row) const
{
    ensure();
    return row >= 0 && size_t(row) < m_rows.size() ? m_rows[size_t(row)].ref : 0;
}

int LogIndex::unconfirmedCount() const
{
    if (!readable())
        return 0;
    ensure();
    return m_markable;
}
