#include "import/AdifReader.h"

#include "import/AsciiBytes.h"

#include "logstore/Cp1252.h"

#include <cstring>

namespace {

using AsciiBytes::isAscii;
using AsciiBytes::sameWord;
using AsciiBytes::upper;

struct Known {
    const char *name;
    int size;
    AdifReader::Field field;
};

// Upper-case names of the fields the log uses.
constexpr Known KnownFields[] = {
    {"CALL", 4, AdifReader::Call},           {"QSO_DATE", 8, AdifReader::QsoDate},
    {"TIME_ON", 7, AdifReader::TimeOn},      {"BAND", 4, AdifReader::Band},
    {"FREQ", 4, AdifReader::Freq},           {"MODE", 4, AdifReader::Mode},
    {"SUBMODE", 7, AdifReader::Submode},     {"RST_RCVD", 8, AdifReader::RstRcvd},
    {"RST_SENT", 8, AdifReader::RstSent},    {"NAME", 4, AdifReader::Name},
    {"GRIDSQUARE", 10, AdifReader::Gridsquare}, {"SIG", 3, AdifReader::Sig},
    {"SIG_INFO", 8, AdifReader::SigInfo},    {"COMMENT", 7, AdifReader::Comment},
    {"NOTES", 5, AdifReader::Notes},         {"QSLMSG", 6, AdifReader::QslMsg},
    {"QSL_RCVD", 8, AdifReader::QslRcvd},    {"LOTW_QSL_RCVD", 13, AdifReader::LotwQslRcvd},
    {"EQSL_QSL_RCVD", 13, AdifReader::EqslQslRcvd}, {"STATION_CALLSIGN", 16, AdifReader::StationCallsign},
    {"OPERATOR", 8, AdifReader::Operator},   {"APP_EQSL_SWL", 12, AdifReader::AppEqslSwl},
};

// Which bytes may stand in a field name: letters, digits and "_", and the few more
// a user-defined name may hold. Never a blank, a control code, a byte above ASCII,
// or a separator of the tag itself.
constexpr std::array<bool, 256> NameChars = [] {
    std::array<bool, 256> t{};
    for (int c = '!'; c < 0x80; ++c)
        t[c] = c != '<' && c != '>' && c != ':';
    return t;
}();

inline bool isNameChar(char c) { return NameChars[static_cast<unsigned char>(c)]; }

inline bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// A name of up to 16 characters as two numbers, letters in capitals: a name is then
// compared with the known ones in two comparisons.
//
// This key and the table below are the reader's one hand-tuned piece, kept for what
// bench/import_hostile.sh shows: its 200 MB general log has some 16 million field
// names, which this finds in about 5 ns each; upper-casing each into a buffer and
// looking it up in a QHash<QByteArray, int> took 1.7 s for as many (more than the
// 1.4 s the reader takes for the whole file). A name read a byte at a time, and the
// encoding check below, cost nothing a Qt call would save.
struct NameKey {
    quint64 a = 0, b = 0;
    qsizetype size = 0;
    bool operator==(const NameKey &o) const { return a == o.a && b == o.b && size == o.size; }
};

// Letters to capitals, eight at a time: clear bit 5 of every byte in a-z.
inline quint64 capitals(quint64 x)
{
    const quint64 heptets = x & 0x7F7F7F7F7F7F7F7FULL;
    const quint64 aboveA = heptets + 0x1F1F1F1F1F1F1F1FULL; // bit 7 set from 'a' (0x61) up
    const quint64 aboveZ = heptets + 0x0505050505050505ULL; // bit 7 set from '{' (0x7B) up
    const quint64 lower = aboveA & ~aboveZ & ~x & 0x8080808080808080ULL;
    return x & ~(lower >> 2);
}

// name may be read 16 bytes at a time when wide is set (the file goes on that far).
inline NameKey nameKey(const char *name, qsizetype size, bool wide)
{
    NameKey k;
    k.size = size;
    if (size > 16)
        return k;
    quint64 a = 0, b = 0;
    if (wide && Q_BYTE_ORDER == Q_LITTLE_ENDIAN) {
        // Two plain loads, the bytes past the name masked away (a key built a byte
        // at a time and loaded whole stalls the processor).
        std::memcpy(&a, name, 8);
        std::memcpy(&b, name + 8, 8);
        if (size < 8) {
            a &= (quint64(1) << (8 * size)) - 1;
            b = 0;
        } else if (size < 16) {
            b &= (quint64(1) << (8 * (size - 8))) - 1;
        }
    } else {
        char bytes[16] = {};
        for (qsizetype i = 0; i < size; ++i)
            bytes[i] = name[i];
        std::memcpy(&a, bytes, 8);
        std::memcpy(&b, bytes + 8, 8);
    }
    k.a = capitals(a);
    k.b = capitals(b);
    return k;
}

// The known names spread over 64 slots by one multiplication, with a multiplier
// found once that puts each in a slot of its own: a name is then looked up with
// one multiplication and one comparison.
struct FieldTable {
    quint64 multiplier = 0;
    std::array<NameKey, 64> keys{};
    std::array<int, 64> fields{};

    static quint64 mix(const NameKey &k) { return k.a ^ (k.b * 0x9E3779B97F4A7C15ULL) ^ quint64(k.size); }
    int slot(const NameKey &k) const { return int((mix(k) * multiplier) >> 58); }

    FieldTable()
    {
        quint64 m = 0x2545F4914F6CDD1DULL;
        for (int attempt = 0; attempt < 100000; ++attempt) {
            m = m * 6364136223846793005ULL + 1442695040888963407ULL;
            multiplier = m | 1;
            quint64 used = 0;
            bool distinct = true;
            for (const Known &f : KnownFields) {
                const quint64 bit = quint64(1) << slot(nameKey(f.name, f.size, false));
                distinct = distinct && !(used & bit);
                used |= bit;
            }
            if (distinct)
                break;
        }
        fields.fill(-1);
        for (const Known &f : KnownFields) {
            const NameKey k = nameKey(f.name, f.size, false);
            keys[slot(k)] = k;
            fields[slot(k)] = f.field;
        }
    }
};

int knownField(QByteArrayView name, bool wide)
{
    static const FieldTable table;
    if (name.size() > 16)
        return -1;
    const NameKey k = nameKey(name.data(), name.size(), wide);
    const int at = table.slot(k);
    return table.keys[at] == k ? table.fields[at] : -1;
}

} // namespace

AdifReader::AdifReader(QByteArray data) : m_data(std::move(data))
{
    m_encoding = detect(m_data);
    if (m_data.startsWith("\xEF\xBB\xBF"))
        m_pos = 3;
    // A file whose first character is "<" has no header; any other starts with one,
    // ended by <eoh>. Without <eoh> the whole file is read for records.
    if (m_pos < m_data.size() && m_data.at(m_pos) != '<') {
        for (qsizetype p = find(m_pos, '<'); p >= 0; p = find(p + 1, '<')) {
            const Tag t = tagAt(p);
            if (t.kind == Tag::EndOfHeader) {
                m_header = QByteArrayView(m_data.constData() + m_pos, p - m_pos);
                m_pos = t.end;
                break;
            }
            // A field of the header (ADIF_VER...) is read past by its length.
            if (t.kind == Tag::Value || t.kind == Tag::Other) {
                if (sameWord(t.name, "PROGRAMID") && m_programId.isEmpty())
                    m_programId = QByteArrayView(m_data.constData() + t.end,
                                                 qMin(t.end + t.length, m_data.size()) - t.end);
                p = qMin(t.end + t.length, m_data.size()) - 1;
            }
        }
    } else if (m_pos < m_data.size()) {
        // A header that starts with a field, against the standard: fields up to an
        // <eoh> that comes before any <eor>, looked for over the first few tags.
        QByteArrayView programId;
        qsizetype p = m_pos;
        for (int i = 0; i < 64 && p >= 0; ++i) {
            const Tag t = tagAt(p);
            if (t.kind == Tag::EndOfHeader) {
                m_header = QByteArrayView(m_data.constData() + m_pos, p - m_pos);
                m_programId = programId;
                m_pos = t.end;
                break;
            }
            if (t.kind == Tag::EndOfRecord)
                break;
            if (t.kind == Tag::Value || t.kind == Tag::Other) {
                const qsizetype end = qMin(t.end + t.length, m_data.size());
                if (sameWord(t.name, "PROGRAMID") && programId.isEmpty())
                    programId = QByteArrayView(m_data.constData() + t.end, end - t.end);
                p = find(end, '<');
            } else {
                p = find(p + 1, '<');
            }
        }
    }
}

AdifReader::Encoding AdifReader::detect(QByteArrayView data)
{
    // Checked in place: QStringDecoder would build a UTF-16 copy twice the file's
    // size just to say whether it decodes (400 MB for bench/import_hostile.sh's
    // 200 MB log, which this reads in 130 ms).
    switch (Cp1252::textKind(data)) {
    case Cp1252::TextKind::Ascii: return Encoding::Ascii;
    case Cp1252::TextKind::Utf8: return Encoding::Utf8;
    case Cp1252::TextKind::Windows1252: break;
    }
    return Encoding::Windows1252;
}

qsizetype AdifReader::find(qsizetype from, char c) const
{
    if (from >= m_data.size())
        return -1;
    const void *at = std::memchr(m_data.constData() + from, c, size_t(m_data.size() - from));
    return at ? static_cast<const char *>(at) - m_data.constData() : -1;
}

AdifReader::Tag AdifReader::tagAt(qsizetype at) const
{
    Tag t;
    const char *d = m_data.constData();
    const qsizetype n = m_data.size();
    qsizetype i = at + 1;
    while (i < n && i - at <= 64 && isNameChar(d[i]))
        ++i;
    if (i >= n || i == at + 1)
        return t;
    t.name = QByteArrayView(d + at + 1, i - at - 1);
    if (d[i] == '>') {
        if (sameWord(t.name, "EOR"))
            t.kind = Tag::EndOfRecord;
        else if (sameWord(t.name, "EOH"))
            t.kind = Tag::EndOfHeader;
        else
            return Tag{};
        t.end = i + 1;
        return t;
    }
    if (d[i] != ':')
        return Tag{};
    ++i;
    qsizetype length = 0;
    const qsizetype digits = i;
    while (i < n && d[i] >= '0' && d[i] <= '9' && i - digits < 9)
        length = length * 10 + (d[i++] - '0');
    if (i == digits || i >= n)
        return Tag{};
    if (d[i] == ':') {
        // The data type indicator: a letter or two.
        ++i;
        const qsizetype type = i;
        while (i < n && i - type < 4 && ((d[i] >= 'A' && d[i] <= 'Z') || (d[i] >= 'a' && d[i] <= 'z')))
            ++i;
        if (i >= n)
            return Tag{};
    }
    if (d[i] != '>')
        return Tag{};
    t.end = i + 1;
    t.length = length;
    t.field = knownField(t.name, at + 1 + 16 <= n);
    t.kind = t.field >= 0 ? Tag::Value : Tag::Other;
    return t;
}

bool AdifReader::cleanEnd(qsizetype at) const
{
    const qsizetype n = m_data.size();
    if (at > n)
        return false;
    const char *d = m_data.constData();
    while (at < n && isBlank(d[at]))
        ++at;
    return at == n || (d[at] == '<' && tagAt(at).kind != Tag::None);
}

qsizetype AdifReader::utf8End(qsizetype from, qsizetype chars, qsizetype limit) const
{
    const auto *d = reinterpret_cast<const unsigned char *>(m_data.constData());
    limit = qMin(limit, m_data.size());
    qsizetype at = from;
    for (qsizetype k = 0; k < chars; ++k) {
        if (at >= limit)
            return limit + 1;
        const unsigned char c = d[at];
        at += c < 0xC0 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    }
    return at;
}

qsizetype AdifReader::nextEndOfRecord(qsizetype from) const
{
    if (from >= m_eorFrom && from <= m_eorAt)
        return m_eorAt;
    qsizetype q = from;
    for (q = find(q, '<'); q >= 0; q = find(q + 1, '<')) {
        if (tagAt(q).kind == Tag::EndOfRecord)
            break;
    }
    m_eorFrom = from;
    m_eorAt = q < 0 ? m_data.size() : q;
    return m_eorAt;
}

qsizetype AdifReader::nextHigh(qsizetype from) const
{
    if (from >= m_highFrom && from <= m_highAt)
        return m_highAt;
    const char *d = m_data.constData();
    const qsizetype n = m_data.size();
    qsizetype i = from;
    while (i < n && static_cast<unsigned char>(d[i]) < 0x80) {
        if (i + 8 <= n && AsciiBytes::isAscii(d + i, 8))
            i += 8;
        else
            ++i;
    }
    m_highFrom = from;
    m_highAt = qMin(i, n);
    return m_highAt;
}

bool AdifReader::readRecord(qsizetype &pos, Record *record) const
{
    const qsizetype n = m_data.size();
    bool started = false;
    auto fail = [&](Record::Fault fault, const Tag &t, qsizetype resume) {
        record->fault = fault;
        record->faultField = t.name;
        record->faultLength = t.length;
        record->error = faultText(*record, Wording::File);
        pos = resume;
        record->size = pos - record->offset;
        return true;
    };
    while (true) {
        // Most fields follow the one before without a gap.
        const qsizetype p = pos < n && m_data.constData()[pos] == '<' ? pos : find(pos, '<');
        if (p < 0) {
            if (!started) {
                pos = n;
                return false;
            }
            record->truncated = true;
            return fail(Record::Fault::EndsBeforeEor, Tag{}, n);
        }
        const Tag t = tagAt(p);
        if (t.kind == Tag::None) {
            // Not a tag: text between fields, ignored.
            pos = p + 1;
            continue;
        }
        if (t.kind == Tag::EndOfHeader) {
            // A header that starts with a field, against the standard: what came
            // before was the header, not a record.
            *record = Record{};
            started = false;
            pos = t.end;
            continue;
        }
        if (t.kind == Tag::EndOfRecord) {
            pos = t.end;
            if (!started)
                continue; // an <eor> with no field before it is no record
            record->size = pos - record->offset;
            return true;
        }
        if (!started) {
            started = true;
            record->offset = p;
        }
        const qsizetype start = t.end;
        const qsizetype byteEnd = start + t.length;
        qsizetype end = byteEnd;
        // A value whose bytes are all ASCII is as long in characters as in bytes.
        if (m_encoding == Encoding::Utf8 && nextHigh(start) < qMin(byteEnd, n)) {
            // Here a value never holds the record's <eor>: neither count goes past it,
            // so a damaged length costs no more than the record's own bytes.
            const qsizetype recordEnd = nextEndOfRecord(start);
            const qsizetype charEnd = utf8End(start, t.length, recordEnd);
            if (charEnd != byteEnd) {
                // The standard's count (characters) first, then the bytes many programs count.
                if (charEnd <= recordEnd && cleanEnd(charEnd)) {
                    end = charEnd;
                } else if (byteEnd <= recordEnd && cleanEnd(byteEnd)) {
                    end = byteEnd;
                } else {
                    // Reading goes on after the record's <eor>.
                    if (recordEnd < n)
                        return fail(Record::Fault::LengthUnreadable, t, tagAt(recordEnd).end);
                    record->truncated = true;
                    return fail(Record::Fault::LengthUnreadable, t, n);
                }
            }
        }
        if (t.length > 0 && nextEndOfRecord(start) < qMin(end, n)) {
            // The declared length runs past the record's <eor>: what follows in the
            // record cannot be trusted, nor what came before it be taken alone.
            const qsizetype recordEnd = nextEndOfRecord(start);
            return fail(Record::Fault::LengthPastRecord, t, tagAt(recordEnd).end);
        }
        if (end > n) {
            record->truncated = true;
            return fail(Record::Fault::EndsInField, t, n);
        }
        if (t.field >= 0)
            record->fields[t.field] = QByteArrayView(m_data.constData() + start, end - start);
        pos = end;
    }
}

bool AdifReader::next(Record *record)
{
    *record = Record{};
    if (!readRecord(m_pos, record))
        return false;
    record->number = ++m_count;
    return true;
}

AdifReader::Record AdifReader::recordAt(qsizetype offset, int number) const
{
    Record r;
    qsizetype pos = offset;
    readRecord(pos, &r);
    r.number = number;
    return r;
}

QString AdifReader::decode(QByteArrayView value) const
{
    if (m_encoding == Encoding::Utf8)
        return QString::fromUtf8(value);
    return Cp1252::decode(value);
}

const char *AdifReader::fieldName(Field f)
{
    for (const Known &k : KnownFields) {
        if (k.field == f)
            return k.name;
    }
    return "";
}

QString AdifReader::faultText(const Record &record, Wording reader)
{
    const auto say = [reader](const char *source) { return worded(reader, "AdifReader", source); };
    const QString field = QString::fromLatin1(record.faultField);
    const QString length = QString::number(record.faultLength);
    switch (record.fault) {
    case Record::Fault::None: return {};
    case Record::Fault::EndsBeforeEor:
        return say(QT_TRANSLATE_NOOP("AdifReader", "enregistrement incomplet : le fichier se termine avant <eor>"));
    case Record::Fault::LengthUnreadable:
        return say(QT_TRANSLATE_NOOP("AdifReader", "longueur du champ %1 illisible (%2), ni en caractères ni en octets"))
            .arg(field, length);
    case Record::Fault::LengthPastRecord:
        return say(QT_TRANSLATE_NOOP("AdifReader", "longueur du champ %1 (%2) au-delà de la fin de l'enregistrement"))
            .arg(field, length);
    case Record::Fault::EndsInField:
        return say(QT_TRANSLATE_NOOP("AdifReader", "enregistrement incomplet : le fichier se termine dans le champ %1"))
            .arg(field);
    }
    return {};
}
