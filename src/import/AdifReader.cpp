#include "import/AdifReader.h"

#include "logstore/Cp1252.h"

#include <cstring>

namespace {

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
    {"NOTES", 5, AdifReader::Notes},         {"QSL_RCVD", 8, AdifReader::QslRcvd},
};

inline char upper(char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; }

inline bool isNameChar(char c)
{
    // Field names are letters, digits and "_"; user-defined names may hold a few
    // more. Never a blank, a separator of the tag itself, or a control code.
    return c > ' ' && c != '<' && c != '>' && c != ':' && c != ',' && c != '{' && c != '}'
        && static_cast<unsigned char>(c) < 0x7F;
}

inline bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

int knownField(QByteArrayView name)
{
    if (name.size() > 10)
        return -1;
    char up[10];
    for (qsizetype i = 0; i < name.size(); ++i)
        up[i] = upper(name[i]);
    for (const Known &k : KnownFields) {
        if (k.size == name.size() && std::memcmp(k.name, up, size_t(k.size)) == 0)
            return k.field;
    }
    return -1;
}

bool sameWord(QByteArrayView name, const char *word)
{
    const qsizetype n = qsizetype(std::strlen(word));
    if (name.size() != n)
        return false;
    for (qsizetype i = 0; i < n; ++i) {
        if (upper(name[i]) != word[i])
            return false;
    }
    return true;
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
                m_pos = t.end;
                break;
            }
            // A field of the header (ADIF_VER...) is read past by its length.
            if (t.kind == Tag::Value || t.kind == Tag::Other)
                p = qMin(t.end + t.length, m_data.size()) - 1;
        }
    }
}

AdifReader::Encoding AdifReader::detect(QByteArrayView data)
{
    if (data.startsWith("\xEF\xBB\xBF"))
        return Encoding::Utf8;
    const auto *p = reinterpret_cast<const unsigned char *>(data.data());
    const qsizetype n = data.size();
    bool high = false;
    qsizetype i = 0;
    while (i < n) {
        // Plain ASCII, eight bytes at a time.
        if (i + 8 <= n) {
            quint64 w;
            std::memcpy(&w, p + i, 8);
            if ((w & 0x8080808080808080ULL) == 0) {
                i += 8;
                continue;
            }
        }
        const unsigned char c = p[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        high = true;
        int more = 0;
        unsigned int min = 0;
        if ((c & 0xE0) == 0xC0) {
            more = 1;
            min = 0x80;
        } else if ((c & 0xF0) == 0xE0) {
            more = 2;
            min = 0x800;
        } else if ((c & 0xF8) == 0xF0) {
            more = 3;
            min = 0x10000;
        } else {
            return Encoding::Windows1252;
        }
        if (i + more >= n)
            return Encoding::Windows1252;
        unsigned int cp = c & (0x3F >> more);
        for (int k = 1; k <= more; ++k) {
            if ((p[i + k] & 0xC0) != 0x80)
                return Encoding::Windows1252;
            cp = (cp << 6) | (p[i + k] & 0x3F);
        }
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return Encoding::Windows1252;
        i += more + 1;
    }
    return high ? Encoding::Utf8 : Encoding::Ascii;
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
    t.field = knownField(t.name);
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

qsizetype AdifReader::utf8End(qsizetype from, qsizetype chars) const
{
    const auto *d = reinterpret_cast<const unsigned char *>(m_data.constData());
    const qsizetype n = m_data.size();
    qsizetype at = from;
    for (qsizetype k = 0; k < chars; ++k) {
        if (at >= n)
            return n + 1;
        const unsigned char c = d[at];
        at += c < 0xC0 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    }
    return at;
}

bool AdifReader::readRecord(qsizetype &pos, Record *record) const
{
    const qsizetype n = m_data.size();
    bool started = false;
    auto fail = [&](const QString &why, qsizetype resume) {
        record->error = why;
        pos = resume;
        record->size = pos - record->offset;
        return true;
    };
    while (true) {
        const qsizetype p = find(pos, '<');
        if (p < 0) {
            if (!started) {
                pos = n;
                return false;
            }
            record->truncated = true;
            return fail(QStringLiteral("enregistrement incomplet : le fichier se termine avant <eor>"), n);
        }
        const Tag t = tagAt(p);
        if (t.kind == Tag::None || t.kind == Tag::EndOfHeader) {
            // Not a tag: text between fields, ignored.
            pos = p + 1;
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
        if (m_encoding == Encoding::Utf8) {
            const qsizetype charEnd = utf8End(start, t.length);
            if (charEnd != byteEnd) {
                // The standard's count (characters) first, then the bytes many programs count.
                if (cleanEnd(charEnd)) {
                    end = charEnd;
                } else if (cleanEnd(byteEnd)) {
                    end = byteEnd;
                } else {
                    const QString why = QStringLiteral("longueur du champ %1 illisible (%2), "
                                                       "ni en caractères ni en octets")
                                            .arg(QString::fromLatin1(t.name), QString::number(t.length));
                    // Reading goes on after the record's <eor>.
                    for (qsizetype q = find(start, '<'); q >= 0; q = find(q + 1, '<')) {
                        const Tag e = tagAt(q);
                        if (e.kind == Tag::EndOfRecord)
                            return fail(why, e.end);
                    }
                    record->truncated = true;
                    return fail(why, n);
                }
            }
        }
        if (end > n) {
            record->truncated = true;
            return fail(QStringLiteral("enregistrement incomplet : le fichier se termine dans le champ %1")
                            .arg(QString::fromLatin1(t.name)),
                        n);
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
