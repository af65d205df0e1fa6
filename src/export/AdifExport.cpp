#include "export/AdifExport.h"

#include "Revision.h"
#include "logstore/AtomicFile.h"
#include "logstore/BandPlan.h"
#include "logstore/Cp1252.h"
#include "logstore/LogFile.h"
#include "logstore/LogSession.h"
#include "logstore/QsoRecord.h"

#include <QFile>
#include <QFileInfo>
#include <QIODevice>

#include <array>
#include <cstring>
#include <functional>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

// The closest ASCII of each Windows-1252 character from 0x80 up. Bytes the code
// page leaves undefined become "?".
constexpr std::array<const char *, 128> HighAscii = {
    "EUR", "?", ",", "f", "\"", "...", "+", "+", "^", "%", "S", "<", "OE", "?", "Z", "?",   // 80
    "?", "'", "'", "\"", "\"", "*", "-", "-", "~", "TM", "s", ">", "oe", "?", "z", "Y",     // 90
    " ", "!", "c", "GBP", "$", "Y", "|", "S", "\"", "(C)", "a", "\"", "-", "-", "(R)", "-", // A0
    "o", "+/-", "2", "3", "'", "u", "P", ".", ",", "1", "o", "\"", "1/4", "1/2", "3/4", "?", // B0
    "A", "A", "A", "A", "A", "A", "AE", "C", "E", "E", "E", "E", "I", "I", "I", "I",       // C0
    "D", "N", "O", "O", "O", "O", "O", "x", "O", "U", "U", "U", "U", "Y", "TH", "ss",      // D0
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i",       // E0
    "d", "n", "o", "o", "o", "o", "o", "/", "o", "u", "u", "u", "u", "y", "th", "y",      // F0
};

// What each byte of the log is written as: itself for printable ASCII, the table
// above for the upper half, a blank for a tab and "?" for other control codes.
// (Every spelling is one to three letters: they are kept four bytes wide, so a
// writer can copy four and move on by the size.)
struct Spelling {
    char text[4];
    int size;
};

const std::array<Spelling, 256> &spellings()
{
    static const std::array<Spelling, 256> table = [] {
        std::array<Spelling, 256> t{};
        for (int c = 0; c < 256; ++c) {
            const char *text = c >= 0x80 ? HighAscii[c - 0x80] : nullptr;
            char self[2] = {char(c), 0};
            if (!text)
                text = (c >= 0x20 && c <= 0x7E) ? self : (c == '\t' ? " " : "?");
            t[c].size = int(std::strlen(text));
            std::memcpy(t[c].text, text, size_t(t[c].size));
        }
        return t;
    }();
    return table;
}

// Eight bytes at a time, where no wider registers are at hand.
constexpr quint64 Ones = 0x0101010101010101ULL;
constexpr quint64 Highs = 0x8080808080808080ULL;
constexpr quint64 Blanks = 0x2020202020202020ULL;

inline quint64 load8(const char *p)
{
    quint64 w;
    std::memcpy(&w, p, 8);
    return w;
}

Q_ALWAYS_INLINE QByteArrayView trimmed(QByteArrayView v)
{
    const char *d = v.data();
    qsizetype b = 0, e = v.size();
    while (b < e && (d[b] == ' ' || d[b] == '\t'))
        ++b;
    while (e - b >= 8 && load8(d + e - 8) == Blanks)
        e -= 8;
    while (e > b && (d[e - 1] == ' ' || d[e - 1] == '\t'))
        --e;
    return v.sliced(b, e - b);
}

bool isBlank(QByteArrayView line)
{
    for (const char c : line) {
        if (c != ' ' && c != '\t')
            return false;
    }
    return true;
}

// One look at the 138 columns of a log line, a block of bytes at a time: which
// bytes are blanks and which are not printable ASCII, as bit masks. A field is then
// trimmed and checked with a few bit operations instead of a loop per field.
class LineScan
{
public:
    struct Field {
        QByteArrayView text; // blanks trimmed at both ends
        bool plain = true;   // printable ASCII only
    };

    explicit LineScan(QByteArrayView line)
    {
        // The 138 columns are copied, blanks after the end of a short line (every
        // field trims them away): a field can then be read sixteen bytes at a time.
        std::memset(m_bytes, ' ', sizeof m_bytes);
        const char *from = line.data();
        const qsizetype n = qMin<qsizetype>(line.size(), Bytes);
        if (n == Bytes) {
            std::memcpy(m_bytes, from, Bytes);
        } else if (n >= 128) {
            // Two fixed-size copies, the second ending at the line's end.
            std::memcpy(m_bytes, from, 128);
            std::memcpy(m_bytes + n - 16, from + n - 16, 16);
        } else {
            std::memcpy(m_bytes, from, size_t(n));
        }
        const char *bytes = m_bytes;
#ifdef __SSE2__
        const __m128i space = _mm_set1_epi8(' '), tab = _mm_set1_epi8('\t');
        const __m128i printable = _mm_set1_epi8(0x20), del = _mm_set1_epi8(0x7F);
        for (int i = 0; i < Bytes / 16; ++i) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(bytes + 16 * i));
            const quint64 blank = quint16(_mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(v, space),
                                                                          _mm_cmpeq_epi8(v, tab))));
            // Signed: 0x80-0xFF are below 0x20 too.
            const quint64 odd = quint16(_mm_movemask_epi8(_mm_or_si128(_mm_cmplt_epi8(v, printable),
                                                                        _mm_cmpeq_epi8(v, del))));
            m_blank[i / 4] |= blank << (16 * (i % 4));
            m_odd[i / 4] |= odd << (16 * (i % 4));
        }
#else
        for (int i = 0; i < Words; ++i) {
            const quint64 w = load8(bytes + 8 * i);
            const quint64 blank = zeroBytes(w ^ Blanks) | zeroBytes(w ^ (Ones * '\t'));
            const quint64 below = ~(((w & ~Highs) + Ones * (0x80 - 0x20)) | w) & Highs; // under 0x20
            const quint64 odd = (w & Highs) | below | zeroBytes(w ^ (Ones * 0x7F));
            m_blank[i / 8] |= gather(blank) << (8 * (i % 8));
            m_odd[i / 8] |= gather(odd) << (8 * (i % 8));
        }
#endif
    }

    // Where a field's bits stand in the masks, worked out once per field.
    struct Spot {
        int start = 0;       // 0-based column
        int word = 0;        // mask word holding its first bit
        int offset = 0;      // that bit within the word
        bool spans = false;  // the field runs on into the next word
        quint64 width = 0;   // as many low bits as the field has columns
    };
    static Spot spot(QsoRecord::Field f)
    {
        const QsoRecord::Column c = QsoRecord::logLayout()[f];
        Spot s;
        s.start = c.start - 1;
        s.word = s.start / 64;
        s.offset = s.start % 64;
        s.spans = s.offset != 0 && s.offset + c.width > 64;
        s.width = c.width >= 64 ? ~0ULL : (1ULL << c.width) - 1;
        return s;
    }

    Field field(const Spot &s) const
    {
        const quint64 filled = ~window(m_blank, s) & s.width;
        if (filled == 0)
            return {};
        const int first = qCountTrailingZeroBits(filled);
        const int end = 64 - qCountLeadingZeroBits(filled);
        const quint64 kept = (end >= 64 ? ~0ULL : (1ULL << end) - 1) & ~((1ULL << first) - 1);
        return {QByteArrayView(m_bytes + s.start + first, end - first), (window(m_odd, s) & kept) == 0};
    }

private:
    // Whole 16-byte blocks over the 138 columns.
    static constexpr int Words = (QsoRecord::LogLineLength + 15) / 16 * 2;
    static constexpr qsizetype Bytes = Words * 8;
    static constexpr int MaskWords = (Words * 8 + 63) / 64 + 1; // one spare word for windows

    // 0x80 in each byte of x that is zero, nothing elsewhere.
    static quint64 zeroBytes(quint64 x) { return ~(((x & ~Highs) + ~Highs) | x | ~Highs); }
    // The top bit of each byte of t (0x80 or 0), as eight bits in byte order.
    static quint64 gather(quint64 t) { return ((t >> 7) * 0x0102040810204080ULL) >> 56; }
    // The field's bits, from its first column on.
    static quint64 window(const quint64 (&mask)[MaskWords], const Spot &s)
    {
        const quint64 bits = mask[s.word] >> s.offset;
        return s.spans ? bits | mask[s.word + 1] << (64 - s.offset) : bits;
    }

    // A field read sixteen bytes at a time from its first column stays inside.
    char m_bytes[Bytes + 16];
    quint64 m_blank[MaskWords] = {};
    quint64 m_odd[MaskWords] = {};
};

bool isDigits(QByteArrayView v, qsizetype from, qsizetype count)
{
    for (qsizetype i = from; i < from + count; ++i) {
        if (v[i] < '0' || v[i] > '9')
            return false;
    }
    return true;
}

// A four-character Maidenhead square ("JN62"): field letters A-R, then two digits.
bool isGridSquare(QByteArrayView v)
{
    const auto field = [](char c) { return (c >= 'A' && c <= 'R') || (c >= 'a' && c <= 'r'); };
    return v.size() == 4 && field(v[0]) && field(v[1]) && isDigits(v, 2, 2);
}

// "JJ/MM/AA" as "YYYYMMDD" into to (8 characters); false when the date cannot be read.
bool dateOf(QByteArrayView d, char *to)
{
    if (d.size() != 8 || d[2] != '/' || d[5] != '/' || !isDigits(d, 0, 2) || !isDigits(d, 3, 2)
        || !isDigits(d, 6, 2))
        return false;
    // The log's own pivot: a QSO of 1999 is not one of 2099.
    const int century = QsoRecord::fullYear((d[6] - '0') * 10 + (d[7] - '0')) / 100;
    const char out[8] = {char('0' + century / 10), char('0' + century % 10), d[6], d[7], d[3], d[4], d[0], d[1]};
    std::memcpy(to, out, 8);
    return true;
}

const std::array<LineScan::Spot, QsoRecord::FieldCount> &spots()
{
    static const std::array<LineScan::Spot, QsoRecord::FieldCount> table = [] {
        std::array<LineScan::Spot, QsoRecord::FieldCount> t;
        for (int f = 0; f < QsoRecord::FieldCount; ++f)
            t[f] = LineScan::spot(QsoRecord::Field(f));
        return t;
    }();
    return table;
}

// Turns log lines into record lines straight into one buffer, without an
// allocation per field. Writing to memory, the buffer is the whole file; writing
// to a device, full chunks are handed over as they fill.
class RecordWriter
{
public:
    using Sink = std::function<bool(QByteArrayView)>;

    // sink empty: everything stays in the buffer (see take()).
    RecordWriter(QByteArrayView station, Sink sink, qsizetype expectedSize)
        : m_sink(std::move(sink)),
          m_buffer(qMax(m_sink ? ChunkSize + RecordRoom : expectedSize, qsizetype(RecordRoom)), Qt::Uninitialized)
    {
        // The same in every record: made once.
        m_stationField = "<station_callsign:" + QByteArray::number(station.size()) + '>' + station.toByteArray();
        m_roomNeeded = RecordRoom + m_stationField.size();
        m_p = m_buffer.data();
    }

    bool record(QByteArrayView line)
    {
        makeRoom(m_roomNeeded);

        const LineScan::Spot *at = spots().data();
        const LineScan scan(line);
        text("<call:", scan.field(at[QsoRecord::Indicatif]));
        text("<name:", scan.field(at[QsoRecord::Prenom]));
        const QByteArrayView bandLabel = scan.field(at[QsoRecord::Bande]).text;
        const QByteArrayView band = BandPlan::adifOfLabel(bandLabel);
        if (band.isEmpty())
            missed(bandLabel);
        ascii("<band:", band);
        text("<mode:", scan.field(at[QsoRecord::Mode]));
        char date[8];
        ascii("<qso_date:", dateOf(scan.field(at[QsoRecord::Date]).text, date) ? QByteArrayView(date, 8)
                                                                                   : QByteArrayView());
        const QByteArrayView t = scan.field(at[QsoRecord::Heure]).text;
        if (t.size() == 5 && t[2] == ':' && isDigits(t, 0, 2) && isDigits(t, 3, 2)) {
            const char hhmm[4] = {t[0], t[1], t[3], t[4]};
            ascii("<time_on:", QByteArrayView(hhmm, 4));
        } else {
            tag("<time_on:0>");
        }
        text("<rst_rcvd:", scan.field(at[QsoRecord::RstRecu]));
        text("<rst_sent:", scan.field(at[QsoRecord::RstEnvoye]));
        // The reference, one blank, the abbey name.
        const LineScan::Field ref = scan.field(at[QsoRecord::Reference]);
        const LineScan::Field abbey = scan.field(at[QsoRecord::NomAbbaye]);
        const QByteArrayView reference = ref.text;
        const QByteArrayView name = abbey.text;
        tag("<comment:");
        if (ref.plain && abbey.plain) {
            number(reference.size() + 1 + name.size());
            put('>');
            copyField(reference);
            put(' ');
            copyField(name);
        } else {
            number(spelledSize(reference) + 1 + spelledSize(name));
            put('>');
            spell(reference);
            put(' ');
            spell(name);
        }

        // Beyond the nine fields: what else the log knows, for the logbooks that read it.
        copy(m_stationField);
        const QByteArrayView locator = scan.field(at[QsoRecord::Locator]).text;
        if (isGridSquare(locator)) {
            tag("<gridsquare:4>");
            for (const char c : locator)
                put(c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c);
        }
        if (QsoRecord::isConfirmedLine(line))
            tag("<qsl_rcvd:1>Y");
        else
            tag("<qsl_rcvd:1>N");
        if (!reference.isEmpty()) {
            tag("<sig:3>ZEL");
            text("<sig_info:", ref);
        }
        tag("<eor>\r\n");
        return !m_sink || used() < ChunkSize || flush();
    }

    void raw(QByteArrayView bytes)
    {
        makeRoom(bytes.size());
        std::memcpy(m_p, bytes.data(), size_t(bytes.size()));
        m_p += bytes.size();
    }

    // Hands what is written to the sink.
    bool flush()
    {
        const qsizetype n = used();
        m_p = m_buffer.data();
        return n == 0 || m_sink(QByteArrayView(m_buffer.constData(), n));
    }

    // The QSOs that went out without a band, and a few of the labels that gave none.
    int withoutBand() const { return m_withoutBand; }
    const QList<QByteArray> &unknownBands() const { return m_unknownBands; }

    // Everything written, when writing to memory.
    QByteArray take()
    {
        m_buffer.truncate(used());
        m_p = nullptr;
        return std::move(m_buffer);
    }

private:
    // Room one record can take: its tags and lengths, and every byte of a log
    // line spelled out in at most three letters.
    static constexpr qsizetype RecordRoom = 1024;
    static constexpr qsizetype ChunkSize = 256 * 1024;

    qsizetype used() const { return m_p - m_buffer.constData(); }

    void missed(QByteArrayView label)
    {
        ++m_withoutBand;
        if (!label.isEmpty() && m_unknownBands.size() < 5 && !m_unknownBands.contains(label))
            m_unknownBands.append(label.toByteArray());
    }

    void makeRoom(qsizetype n)
    {
        if (m_buffer.size() - used() >= n)
            return;
        const qsizetype at = used();
        m_buffer.resize(qMax(m_buffer.size() * 2, at + n));
        m_p = m_buffer.data() + at;
    }

    void put(char c) { *m_p++ = c; }
    template <std::size_t N> void tag(const char (&t)[N])
    {
        std::memcpy(m_p, t, N - 1);
        m_p += N - 1;
    }
    // The loops below write through a local pointer: a store through m_p could
    // change m_p itself as far as the compiler knows, which would cost a reload a byte.
    void copy(QByteArrayView v)
    {
        // Short values: a plain loop beats a call to memcpy.
        char *p = m_p;
        const char *from = v.data();
        for (qsizetype i = 0, n = v.size(); i < n; ++i)
            p[i] = from[i];
        m_p = p + v.size();
    }
    // A field of the scanned line, sixteen bytes at a time: the scan's copy of the
    // line and the record's room both allow the bytes read and written past its end.
    void copyField(QByteArrayView v)
    {
        char *p = m_p;
        const char *from = v.data();
        for (qsizetype i = 0, n = v.size(); i < n; i += 16)
            std::memcpy(p + i, from + i, 16);
        m_p = p + v.size();
    }

    void number(qsizetype n)
    {
        if (n < 10) {
            put(char('0' + n));
            return;
        }
        if (n < 100) {
            put(char('0' + n / 10));
            put(char('0' + n % 10));
            return;
        }
        char digits[20];
        int i = 0;
        do {
            digits[i++] = char('0' + n % 10);
            n /= 10;
        } while (n > 0);
        char *p = m_p;
        while (i > 0)
            *p++ = digits[--i];
        m_p = p;
    }

    static qsizetype spelledSize(QByteArrayView v)
    {
        const auto &s = spellings();
        qsizetype n = 0;
        for (const char c : v)
            n += s[static_cast<unsigned char>(c)].size;
        return n;
    }

    void spell(QByteArrayView v)
    {
        const auto &s = spellings();
        char *p = m_p;
        // The record's room allows the one or two bytes written past each spelling.
        for (const char c : v) {
            const Spelling &sp = s[static_cast<unsigned char>(c)];
            std::memcpy(p, sp.text, 4);
            p += sp.size;
        }
        m_p = p;
    }

    // A field whose value is ASCII already.
    template <std::size_t N> void ascii(const char (&t)[N], QByteArrayView value)
    {
        tag(t);
        number(value.size());
        put('>');
        copy(value);
    }

    // A field whose value comes from the log: written in ASCII, its length counted as written.
    template <std::size_t N> void text(const char (&t)[N], const LineScan::Field &field)
    {
        const QByteArrayView value = field.text;
        if (field.plain) {
            tag(t);
            number(value.size());
            put('>');
            copyField(value);
            return;
        }
        tag(t);
        number(spelledSize(value));
        put('>');
        spell(value);
    }

    Sink m_sink;
    QByteArray m_buffer;
    QByteArray m_stationField;
    qsizetype m_roomNeeded = RecordRoom;
    char *m_p = nullptr;
    int m_withoutBand = 0;
    QList<QByteArray> m_unknownBands;
};

} // namespace

AdifExport::AdifExport(QString displayCallsign)
    : m_station(trimmed(ascii(Cp1252::encode(displayCallsign))).toByteArray())
{
}

QByteArray AdifExport::ascii(QByteArrayView cp1252)
{
    const auto &s = spellings();
    QByteArray out;
    out.reserve(cp1252.size() + 8);
    for (const char c : cp1252) {
        const Spelling &sp = s[static_cast<unsigned char>(c)];
        out.append(sp.text, sp.size);
    }
    return out;
}

QByteArray AdifExport::band(QByteArrayView label) { return BandPlan::adifOfLabel(label).toByteArray(); }

QByteArray AdifExport::date(QByteArrayView jjmmaa)
{
    char out[8];
    return dateOf(jjmmaa, out) ? QByteArray(out, 8) : QByteArray();
}

QByteArray AdifExport::header() const
{
    const QByteArray version = Revision::text().trimmed().toLatin1();
    return "Exportation du log de la station " + m_station + " au format ADIF\r\n"
        + "\r\n"
        + "Exporte par KVR_ZEL, carnet de trafic du diplome des Abbayes italiennes (ZEL) "
        + "<ADIF_VER:5>3.1.6 <PROGRAMID:7>KVR_ZEL <PROGRAMVERSION:" + QByteArray::number(version.size()) + ">"
        + version + "\r\n"
        + "\r\n"
        + "\r\n"
        + "<eoh>\r\n";
}

void AdifExport::appendRecord(QByteArray &out, QByteArrayView line) const
{
    RecordWriter w(m_station, {}, 0);
    w.record(line);
    QByteArray record = w.take();
    record.chop(2); // the record alone, without its line end
    out.append(record);
}

QString AdifExport::ADIF_SP(const QString &logLine) const
{
    QByteArray out;
    appendRecord(out, Cp1252::encode(logLine));
    return QString::fromLatin1(out);
}

namespace {
// The header, then every QSO line of the log as one record line.
bool produce(RecordWriter &w, const QByteArray &header, const QList<QByteArrayView> &logLines)
{
    w.raw(header);
    for (const QByteArrayView line : logLines) {
        // A blank line is no QSO: it would give a record without a callsign.
        if (isBlank(line))
            continue;
        if (!w.record(line))
            return false;
    }
    return true;
}
} // namespace

namespace {
void report(const RecordWriter &w, AdifExport::Unbanded *unbanded)
{
    if (!unbanded)
        return;
    unbanded->count = w.withoutBand();
    unbanded->labels.clear();
    for (const QByteArray &label : w.unknownBands())
        unbanded->labels.append(Cp1252::decode(label));
}
} // namespace

QByteArray AdifExport::document(const QList<QByteArrayView> &logLines, Unbanded *unbanded) const
{
    const QByteArray head = header();
    // Records are about 220 bytes: room for 320 a line is never all touched, and
    // it spares the copy a growing buffer would make near the end of a long log.
    RecordWriter w(m_station, {}, head.size() + logLines.size() * 320);
    produce(w, head, logLines);
    report(w, unbanded);
    return w.take();
}

bool AdifExport::write(QIODevice &out, const QList<QByteArrayView> &logLines, Unbanded *unbanded) const
{
    RecordWriter w(m_station, [&out](QByteArrayView chunk) {
        return out.write(chunk.data(), chunk.size()) == chunk.size();
    }, 0);
    const bool ok = produce(w, header(), logLines) && w.flush();
    report(w, unbanded);
    return ok;
}

QString AdifExport::unbandedNotice(const Unbanded &unbanded)
{
    if (unbanded.count == 0)
        return {};
    // The singular is a text of its own, so that it reads right with no translation
    // loaded; the plural counts through %n for the languages that have several forms.
    QString text = unbanded.count == 1
        ? tr("1 QSO a été exporté sans bande : sa bande n'est pas une bande ADIF reconnue")
        : tr("%n QSO ont été exportés sans bande : leur bande n'est pas une bande ADIF reconnue", nullptr,
             unbanded.count);
    if (!unbanded.labels.isEmpty()) {
        QStringList quoted;
        for (const QString &label : unbanded.labels)
            quoted << tr("« %1 »").arg(label);
        text += QStringLiteral(" (") + quoted.join(QStringLiteral(", ")) + QLatin1Char(')');
    }
    return text + QLatin1Char('.');
}

namespace {
// Reads a file a block at a time and hands over each line without its line end,
// as Cp1252::lineViews() finds them, without ever holding the whole file. False
// when the file could not be read to its end, or when take() refused a line.
bool readLines(QFile &in, const std::function<bool(QByteArrayView)> &take, bool *readFailed)
{
    constexpr qsizetype Block = 256 * 1024;
    QByteArray buffer(Block, Qt::Uninitialized);
    qsizetype held = 0; // bytes of a line not yet ended, at the buffer's start
    for (;;) {
        if (buffer.size() - held < Block / 2)
            buffer.resize(buffer.size() * 2); // a line longer than a block
        const qint64 got = in.read(buffer.data() + held, buffer.size() - held);
        if (got < 0) {
            *readFailed = true;
            return false;
        }
        const char *data = buffer.constData();
        const qsizetype end = held + got;
        if (got == 0) {
            // The last line, without its line end.
            return held == 0 || take(QByteArrayView(data, held));
        }
        qsizetype start = 0;
        while (const void *hit = std::memchr(data + start, '\n', size_t(end - start))) {
            const qsizetype at = static_cast<const char *>(hit) - data;
            qsizetype length = at - start;
            if (length > 0 && data[at - 1] == '\r')
                --length;
            if (!take(QByteArrayView(data + start, length)))
                return false;
            start = at + 1;
        }
        held = end - start;
        std::memmove(buffer.data(), data + start, size_t(held));
    }
}
} // namespace

AdifExport::Result AdifExport::exportLog(const LogSession &session)
{
    if (!session.hasStation()) {
        return {false, tr("Aucune station n'est encore choisie : il n'y a pas de log à exporter.\r\n"
                          "Choisissez d'abord votre indicatif dans Station, Nouvel Indicatif.")};
    }
    const QString name = fileName(session.callsign());
    // The file on disk is the log: another copy of the program may have written it.
    // It is read and the export written a block at a time, neither held whole.
    QFile in(session.logPath());
    const auto readFailure = [&] {
        return Result{false, tr("Le log %1 n'a pas pu être lu :\r\n%2\r\n\r\nLe fichier %3 n'a pas "
                                "été enregistré.")
                                 .arg(session.logFileName(), AtomicFile::reason(in.errorString()), name)};
    };
    const bool exists = in.exists();
    // A pipe or a device named like the log would hold the export forever: not read.
    if (exists && !QFileInfo(in.fileName()).isFile()) {
        return {false, tr("Le log %1 n'a pas pu être lu :\r\n%2\r\n\r\nLe fichier %3 n'a pas "
                          "été enregistré.")
                           .arg(session.logFileName(), LogFile::notRegularMessage(), name)};
    }
    if (exists && !in.open(QIODevice::ReadOnly))
        return readFailure();
    const AdifExport adif(session.displayCallsign());
    bool readFailed = false;
    Unbanded unbanded;
    const AtomicFile::Result written = AtomicFile::write(session.filePath(name), [&](const AtomicFile::Sink &sink) {
        RecordWriter w(adif.m_station, sink, 0);
        w.raw(adif.header());
        // A blank line is no QSO: it would give a record without a callsign.
        const auto record = [&w](QByteArrayView line) { return isBlank(line) || w.record(line); };
        const bool ok = (!exists || readLines(in, record, &readFailed)) && w.flush();
        report(w, &unbanded);
        return ok;
    });
    if (readFailed)
        return readFailure();
    if (!written.ok) {
        return {false, tr("Le fichier %1 n'a pas pu être enregistré :\r\n%2")
                           .arg(name, written.error)};
    }
    QString message = tr("Le fichier a été enregistré sous le nom : %1").arg(name);
    // Another logbook would take such QSOs without a band: the operator is told how many.
    if (unbanded.count > 0)
        message += QStringLiteral("\r\n\r\n") + unbandedNotice(unbanded);
    return {true, message};
}
