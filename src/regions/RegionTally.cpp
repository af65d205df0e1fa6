#include "regions/RegionTally.h"

#include "logstore/Cp1252.h"
#include "logstore/LogSession.h"
#include "logstore/QsoLabels.h"
#include "logstore/QsoRecord.h"

#include <QByteArrayView>

#include <cstring>

namespace {

// Slot of every pair of capitals, so a line's code is looked up without decoding it.
class CodeIndex
{
public:
    CodeIndex()
    {
        m_slots.fill(0);
        for (int slot = 1; slot <= RegionTable::SlotCount; ++slot)
            add(RegionTable::code(slot), slot);
        // Veneto is found under either of its codes.
        add(QStringLiteral("VN"), RegionTable::VenetoSlot);
        add(QStringLiteral("VE"), RegionTable::VenetoSlot);
    }

    // The slot of two bytes of a log line once upper-cased; 0 for no region. A blank
    // in either byte leaves a single letter, which is no code.
    int slotOf(char a, char b) const
    {
        const int i = letter(a);
        const int j = letter(b);
        return i < 0 || j < 0 ? 0 : m_slots[i * 26 + j];
    }

private:
    static int letter(char c)
    {
        if (c >= 'a' && c <= 'z')
            return c - 'a';
        if (c >= 'A' && c <= 'Z')
            return c - 'A';
        return -1;
    }

    void add(const QString &code, int slot)
    {
        const QByteArray b = code.toLatin1();
        m_slots[letter(b.at(0)) * 26 + letter(b.at(1))] = slot;
    }

    std::array<int, 26 * 26> m_slots;
};

const CodeIndex &codeIndex()
{
    static const CodeIndex index;
    return index;
}

// Columns of a line, leading and trailing blanks removed; a short line gives what it has.
QByteArrayView trimmedColumns(QByteArrayView line, const QsoRecord::Column &c)
{
    const qsizetype start = c.start - 1;
    if (line.size() <= start)
        return {};
    QByteArrayView v = line.sliced(start, qMin<qsizetype>(c.width, line.size() - start));
    while (!v.isEmpty() && v.front() == ' ')
        v = v.sliced(1);
    while (!v.isEmpty() && v.back() == ' ')
        v.chop(1);
    return v;
}

// Whether a line's band column, blanks trimmed, holds the band asked for.
class BandFilter
{
public:
    BandFilter(const QsoRecord::Column &column, bool allBands, const QByteArray &wanted)
        : m_column(column), m_at(column.start - 1), m_allBands(allBands), m_wanted(wanted)
    {
        // The writer puts the band at the start of its column, padded with blanks:
        // such a column is checked with one masked 8-byte comparison. Any other
        // (leading blanks, a line ending in the column) is trimmed first.
        m_fast = column.width <= 8 && !wanted.isEmpty() && wanted.size() <= column.width
            && wanted.front() != ' ' && wanted.back() != ' ';
        const int kept = column.width <= 8 ? column.width : 8;
        const QByteArray mask = QByteArray(kept, char(0xFF)) + QByteArray(8 - kept, '\0');
        std::memcpy(&m_mask, mask.constData(), sizeof m_mask);
        std::memcpy(&m_padded, wanted.leftJustified(8, ' ').constData(), sizeof m_padded);
        m_padded &= m_mask;
    }

    bool matches(QByteArrayView line) const
    {
        if (m_allBands)
            return true;
        // Eight bytes from the column's start: the byte after it must exist.
        if (m_fast && line.size() >= m_at + 8 && line[m_at] != ' ') {
            quint64 field;
            std::memcpy(&field, line.data() + m_at, sizeof field);
            return (field & m_mask) == m_padded;
        }
        return trimmedColumns(line, m_column) == QByteArrayView(m_wanted);
    }

private:
    QsoRecord::Column m_column;
    qsizetype m_at;
    bool m_allBands;
    QByteArray m_wanted;
    bool m_fast = false;
    quint64 m_mask = 0;
    quint64 m_padded = 0;
};

} // namespace

RegionStatus RegionTally::status(int slot) const
{
    if (slot < 1 || slot > RegionTable::SlotCount)
        return RegionStatus::NotWorked;
    return statuses[slot - 1];
}

int RegionTally::countOf(RegionStatus wanted) const
{
    int n = 0;
    for (RegionStatus s : statuses)
        n += s == wanted ? 1 : 0;
    return n;
}

RegionTally Compte_Regions(const LogSession &session, const QString &band, const QString &mode)
{
    RegionTally t;
    t.band = band;
    t.mode = mode;
    t.statuses.fill(RegionStatus::NotWorked);

    const bool allBands = band == QsoLabels::AllBands;
    // The log is Windows-1252; a band that cannot be written in it matches no line.
    const QByteArray wanted = Cp1252::encode(band);
    const bool comparable = allBands || Cp1252::decode(wanted) == band;

    const QsoRecord::Layout &layout = QsoRecord::logLayout();
    const qsizetype codeAt = layout[QsoRecord::Reference].start - 1;
    const CodeIndex &codes = codeIndex();
    const BandFilter onBand(layout[QsoRecord::Bande], allBands, wanted);

    if (comparable) {
        for (int row = 0, n = session.lineCount(); row < n; ++row) {
            const QByteArrayView line = session.line(row);
            if (line.size() < codeAt + 2 || !onBand.matches(line))
                continue; // too short for a code, or another band
            const int slot = codes.slotOf(line[codeAt], line[codeAt + 1]);
            if (slot == 0)
                continue;
            RegionStatus &s = t.statuses[slot - 1];
            if (QsoRecord::isConfirmedLine(line))
                s = RegionStatus::Confirmed;
            else if (s == RegionStatus::NotWorked)
                s = RegionStatus::Worked;
        }
    }

    for (int slot = 1; slot <= RegionTable::SlotCount; ++slot) {
        if (t.marked(slot)) {
            ++t.count;
            t.lines << RegionTable::listLine(slot);
        }
    }
    return t;
}

QList<int> regionRows(const LogSession &session, int slot, const QString &band)
{
    QList<int> rows;
    const bool allBands = band == QsoLabels::AllBands;
    const QByteArray wanted = Cp1252::encode(band);
    if (slot < 1 || slot > RegionTable::SlotCount || (!allBands && Cp1252::decode(wanted) != band))
        return rows;
    const QsoRecord::Layout &layout = QsoRecord::logLayout();
    const qsizetype codeAt = layout[QsoRecord::Reference].start - 1;
    const CodeIndex &codes = codeIndex();
    const BandFilter onBand(layout[QsoRecord::Bande], allBands, wanted);
    for (int row = 0, n = session.lineCount(); row < n; ++row) {
        const QByteArrayView line = session.line(row);
        if (line.size() >= codeAt + 2 && codes.slotOf(line[codeAt], line[codeAt + 1]) == slot
            && onBand.matches(line))
            rows.append(row);
    }
    return rows;
}
