#include "import/AdifMapping.h"

#include "import/AsciiBytes.h"

#include "logstore/Cp1252.h"
#include "logstore/QsoLabels.h"
#include "logstore/QsoRecord.h"

#include <QDate>
#include <QFile>

#include <cstring>

namespace {

using AsciiBytes::isAscii;
using AsciiBytes::sameWord;
using AsciiBytes::upper;

inline bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
inline bool isWordChar(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

QByteArrayView trimmed(QByteArrayView v)
{
    qsizetype b = 0, e = v.size();
    while (b < e && isBlank(v[b]))
        ++b;
    while (e > b && isBlank(v[e - 1]))
        --e;
    return v.sliced(b, e - b);
}

int digits(QByteArrayView v, qsizetype from, qsizetype count)
{
    int n = 0;
    for (qsizetype i = from; i < from + count; ++i) {
        if (v[i] < '0' || v[i] > '9')
            return -1;
        n = n * 10 + (v[i] - '0');
    }
    return n;
}

// ADIF band names in the order of the log's band labels.
constexpr const char *AdifBands[] = {"160M", "80M", "40M", "30M", "20M", "17M",
                                     "15M",  "12M", "10M", "6M",  "2M",  "70CM"};
// The same bands as frequency ranges in MHz (the ADIF band table).
constexpr double BandLimits[][2] = {{1.8, 2.0},     {3.5, 4.0},      {7.0, 7.3},    {10.1, 10.15},
                                    {14.0, 14.35},  {18.068, 18.168}, {21.0, 21.45}, {24.89, 24.99},
                                    {28.0, 29.7},   {50.0, 54.0},    {144.0, 148.0}, {420.0, 450.0}};

// Letters the decomposition does not bring back to a letter of the code page.
QChar closestLetter(QChar c)
{
    switch (c.unicode()) {
    case 0x0141: return QLatin1Char('L'); // Ł
    case 0x0142: return QLatin1Char('l');
    case 0x0110: return QLatin1Char('D'); // Đ
    case 0x0111: return QLatin1Char('d');
    case 0x0126: return QLatin1Char('H'); // Ħ
    case 0x0127: return QLatin1Char('h');
    case 0x0131: return QLatin1Char('i'); // ı
    case 0x013F: return QLatin1Char('L'); // Ŀ
    case 0x0140: return QLatin1Char('l');
    case 0x014A: return QLatin1Char('N'); // Ŋ
    case 0x014B: return QLatin1Char('n');
    case 0x0166: return QLatin1Char('T'); // Ŧ
    case 0x0167: return QLatin1Char('t');
    case 0x0138: return QLatin1Char('k'); // ĸ
    default: return QChar();
    }
}

bool fitsCodePage(QChar c)
{
    const QByteArray b = Cp1252::encode(QStringView(&c, 1));
    return b.size() == 1 && (b.at(0) != 0x1A || c.unicode() == 0x1A);
}

} // namespace

quint64 ImportAbbeys::key(QByteArrayView word)
{
    if (word.size() != 6)
        return 0;
    quint64 k = 0;
    for (const char c : word)
        k = (k << 8) | static_cast<unsigned char>(upper(c));
    return k;
}

ImportAbbeys ImportAbbeys::fromBytes(const QByteArray &content)
{
    ImportAbbeys list;
    const int nameStart = 7;
    for (const QByteArrayView line : Cp1252::lineViews(content)) {
        const QByteArrayView ref = trimmed(line.first(qMin<qsizetype>(6, line.size())));
        const quint64 k = key(ref);
        if (k == 0)
            continue;
        // As the main window fills it in: capitals, 60 columns, and no name on a line
        // whose locator is just two blanks. On a reference listed twice the last wins.
        QByteArray name;
        const QByteArrayView locator = line.size() > 68 ? line.sliced(68) : QByteArrayView();
        if (locator != QByteArrayView("  ") && line.size() > nameStart) {
            const QString text = Cp1252::decode(line.sliced(nameStart, qMin<qsizetype>(60, line.size() - nameStart)));
            name = Cp1252::encode(text.toUpper()).left(60);
            while (name.endsWith(' '))
                name.chop(1);
        }
        if (const auto at = list.m_index.constFind(k); at != list.m_index.cend()) {
            list.m_names[*at] = name;
        } else {
            list.m_index.insert(k, int(list.m_names.size()));
            list.m_names.append(name);
        }
    }
    return list;
}

ImportAbbeys ImportAbbeys::read(const QString &path, QString *error)
{
    QFile f(path);
    if (!f.exists())
        return {};
    QByteArray bytes;
    if (f.open(QIODevice::ReadOnly))
        bytes = f.readAll();
    if (error && f.error() != QFileDevice::NoError)
        *error = f.errorString();
    return fromBytes(bytes);
}

QByteArrayView ImportAbbeys::name(QByteArrayView reference) const
{
    const auto at = m_index.constFind(key(reference));
    return at == m_index.cend() ? QByteArrayView() : QByteArrayView(m_names.at(*at));
}

int AdifMapping::bandOfAdif(QByteArrayView band)
{
    for (int i = 0; i < int(std::size(AdifBands)); ++i) {
        if (sameWord(band, AdifBands[i]))
            return i;
    }
    return -1;
}

int AdifMapping::bandOfFrequency(QByteArrayView megahertz)
{
    QByteArray text = megahertz.toByteArray();
    text.replace(',', '.');
    bool ok = false;
    const double f = text.toDouble(&ok);
    if (!ok)
        return -1;
    for (int i = 0; i < int(std::size(BandLimits)); ++i) {
        if (f >= BandLimits[i][0] && f <= BandLimits[i][1])
            return i;
    }
    return -1;
}

QByteArray AdifMapping::toLogCodePage(const QString &text, bool *changed)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            // Outside the basic plane: no letter of the code page is close.
            ++i;
            out += QLatin1Char('?');
            *changed = true;
            continue;
        }
        if (c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() <= 0x9F)) {
            out += QLatin1Char(' ');
            continue;
        }
        if (fitsCodePage(c)) {
            out += c;
            continue;
        }
        *changed = true;
        if (const QChar l = closestLetter(c); !l.isNull()) {
            out += l;
            continue;
        }
        // A letter with marks ("ő", "ș"): the letter itself, or the accented
        // letter the code page has ("ǻ" -> "å").
        const QString parts = QString(c).normalized(QString::NormalizationForm_D);
        QString kept;
        for (const QChar p : parts) {
            if (fitsCodePage(p) && !(p.unicode() >= 0x300 && p.unicode() < 0x370))
                kept += p;
        }
        const QString composed = kept.normalized(QString::NormalizationForm_C);
        bool fits = !composed.isEmpty();
        for (const QChar p : composed)
            fits = fits && fitsCodePage(p);
        out += fits ? composed : (kept.isEmpty() ? QStringLiteral("?") : kept);
    }
    return Cp1252::encode(out);
}

QByteArray AdifMapping::text(QByteArrayView value, const AdifReader &reader, bool capitals, bool *changed) const
{
    value = trimmed(value);
    if (isAscii(value.data(), value.size())) {
        QByteArray out(value.data(), value.size());
        for (char &c : out) {
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
                c = ' ';
            else if (capitals)
                c = upper(c);
        }
        return out;
    }
    QString t = reader.decode(value);
    if (capitals)
        t = t.toUpper();
    return toLogCodePage(t, changed);
}

QByteArray AdifMapping::findReference(const AdifReader::Record &record) const
{
    // The first word of these fields that the abbey list knows.
    for (const AdifReader::Field f : {AdifReader::SigInfo, AdifReader::Comment, AdifReader::Notes}) {
        const QByteArrayView v = record[f];
        qsizetype i = 0;
        while (i < v.size()) {
            while (i < v.size() && !isWordChar(v[i]))
                ++i;
            const qsizetype start = i;
            while (i < v.size() && isWordChar(v[i]))
                ++i;
            if (i - start == 6 && m_abbeys.contains(v.sliced(start, 6))) {
                QByteArray ref = v.sliced(start, 6).toByteArray();
                for (char &c : ref)
                    c = upper(c);
                return ref;
            }
        }
    }
    return {};
}

AdifMapping::Result AdifMapping::map(const AdifReader::Record &record, const AdifReader &reader) const
{
    Result r;
    if (!record.error.isEmpty()) {
        r.status = Unreadable;
        r.detail = record.error;
        return r;
    }
    // The award's QSOs first: the others of a general log are only counted.
    const QByteArrayView sigInfo = trimmed(record[AdifReader::SigInfo]);
    if (sameWord(trimmed(record[AdifReader::Sig]), "ZEL") && !sigInfo.isEmpty()) {
        bool changed = false;
        r.reference = text(sigInfo, reader, true, &changed);
        if (r.reference.size() != 6 || changed || r.reference.contains(' ')) {
            r.status = BadReference;
            r.detail = reader.decode(sigInfo);
            return r;
        }
    } else {
        r.reference = findReference(record);
        if (r.reference.isEmpty()) {
            r.status = NoReference;
            return r;
        }
    }

    bool changed = false;
    const QByteArray call = text(record[AdifReader::Call], reader, true, &changed);
    if (call.isEmpty()) {
        r.status = NoCall;
        return r;
    }
    if (call.size() > 12) {
        r.status = CallTooLong;
        r.detail = Cp1252::decode(call);
        return r;
    }

    const QByteArrayView d = trimmed(record[AdifReader::QsoDate]);
    const int year = d.size() == 8 ? digits(d, 0, 4) : -1;
    const int month = year >= 0 ? digits(d, 4, 2) : -1;
    const int day = year >= 0 ? digits(d, 6, 2) : -1;
    if (year < 0 || month < 0 || day < 0 || !QDate(year, month, day).isValid()) {
        r.status = BadDate;
        r.detail = reader.decode(d);
        return r;
    }
    if (year < 1950 || year > 2049) {
        r.status = DateOutOfRange;
        r.detail = QString::number(year);
        return r;
    }
    const QByteArrayView t = trimmed(record[AdifReader::TimeOn]);
    const int hour = (t.size() == 4 || t.size() == 6) ? digits(t, 0, 2) : -1;
    const int minute = hour >= 0 ? digits(t, 2, 2) : -1;
    const int second = t.size() == 6 ? digits(t, 4, 2) : 0;
    if (hour < 0 || minute < 0 || second < 0 || hour > 23 || minute > 59 || second > 59) {
        r.status = BadTime;
        r.detail = reader.decode(t);
        return r;
    }

    int band = -1;
    const QByteArrayView adifBand = trimmed(record[AdifReader::Band]);
    const QByteArrayView freq = trimmed(record[AdifReader::Freq]);
    if (!adifBand.isEmpty()) {
        band = bandOfAdif(adifBand);
        if (band < 0) {
            r.status = BandNotProvided;
            r.detail = reader.decode(adifBand);
            return r;
        }
    } else if (!freq.isEmpty()) {
        band = bandOfFrequency(freq);
        if (band < 0) {
            r.status = BandNotProvided;
            r.detail = reader.decode(freq) + QStringLiteral(" MHz");
            return r;
        }
    } else {
        r.status = NoBand;
        return r;
    }

    const QByteArrayView mode = trimmed(record[AdifReader::Mode]);
    int modeIndex = -1;
    if (sameWord(mode, "SSB") || sameWord(mode, "USB") || sameWord(mode, "LSB"))
        modeIndex = 0;
    else if (sameWord(mode, "CW"))
        modeIndex = 1;
    else if (sameWord(mode, "FM"))
        modeIndex = 2;
    if (modeIndex < 0) {
        r.status = mode.isEmpty() ? NoMode : ModeNotProvided;
        r.detail = reader.decode(mode);
        const QByteArrayView sub = trimmed(record[AdifReader::Submode]);
        if (!sub.isEmpty())
            r.detail += QLatin1Char('/') + reader.decode(sub);
        return r;
    }

    QByteArray reports[2];
    const AdifReader::Field reportFields[2] = {AdifReader::RstRcvd, AdifReader::RstSent};
    for (int i = 0; i < 2; ++i) {
        reports[i] = text(record[reportFields[i]], reader, false, &changed);
        if (reports[i].isEmpty())
            reports[i] = QsoLabels::DefaultReport.toLatin1();
        if (reports[i].size() > 3) {
            r.status = ReportTooLong;
            r.detail = Cp1252::decode(reports[i]);
            return r;
        }
    }

    QByteArray name = text(record[AdifReader::Name], reader, true, &changed);
    if (name.size() > 15) {
        name.truncate(15);
        r.notes |= NameCut;
    }
    QByteArray grid = text(record[AdifReader::Gridsquare], reader, true, &changed);
    grid = grid.size() >= 4 ? grid.left(4) : QByteArray();

    // The abbey's name: what this program's own export puts after the reference in
    // the comment, else the abbey list's.
    QByteArray typed;
    QByteArrayView abbey;
    const QByteArrayView comment = trimmed(record[AdifReader::Comment]);
    if (comment.size() >= 6 && ImportAbbeys::key(comment.first(6)) == ImportAbbeys::key(r.reference)
        && (comment.size() == 6 || isBlank(comment[6]))) {
        typed = text(comment.sliced(6), reader, false, &changed);
        abbey = typed;
    } else {
        abbey = m_abbeys.name(r.reference);
    }
    if (abbey.size() > 60) {
        abbey = abbey.first(60);
        r.notes |= AbbeyCut;
    }
    if (changed)
        r.notes |= LettersReplaced;

    const QByteArrayView qsl = trimmed(record[AdifReader::QslRcvd]);

    char line[QsoRecord::LogLineLength];
    std::memset(line, ' ', sizeof line);
    const QsoRecord::Layout &at = QsoRecord::logLayout();
    const auto put = [&](QsoRecord::Field f, QByteArrayView v) {
        std::memcpy(line + at[f].start - 1, v.data(), size_t(qMin<qsizetype>(v.size(), at[f].width)));
    };
    put(QsoRecord::Indicatif, call);
    put(QsoRecord::Locator, grid);
    put(QsoRecord::Prenom, name);
    put(QsoRecord::Reference, r.reference);
    const char date[8] = {d[6], d[7], '/', d[4], d[5], '/', d[2], d[3]};
    put(QsoRecord::Date, QByteArrayView(date, 8));
    const char time[5] = {t[0], t[1], ':', t[2], t[3]};
    put(QsoRecord::Heure, QByteArrayView(time, 5));
    put(QsoRecord::Mode, QsoLabels::modes().at(modeIndex).toLatin1());
    put(QsoRecord::Bande, QsoLabels::bands().at(band).toLatin1());
    put(QsoRecord::RstRecu, reports[0]);
    put(QsoRecord::RstEnvoye, reports[1]);
    put(QsoRecord::NomAbbaye, abbey);
    if (sameWord(qsl, "Y"))
        line[QsoRecord::LogLineLength - 1] = '*';
    r.line = QByteArray(line, QsoRecord::LogLineLength);
    return r;
}

QString AdifMapping::reason(Status status, quint8 notes, const QString &detail, const QString &other)
{
    const auto with = [&](const QString &text) {
        return detail.isEmpty() ? text : text + QStringLiteral(" (") + detail + QLatin1Char(')');
    };
    switch (status) {
    case Imported: {
        QStringList said;
        if (notes & NameCut)
            said << QStringLiteral("prénom coupé à 15 caractères");
        if (notes & AbbeyCut)
            said << QStringLiteral("nom de l'abbaye coupé à 60 caractères");
        if (notes & LettersReplaced)
            said << QStringLiteral("caractères remplacés par les lettres les plus proches");
        return said.isEmpty() ? QStringLiteral("importé")
                              : QStringLiteral("importé (") + said.join(QStringLiteral(", ")) + QLatin1Char(')');
    }
    case NoReference: return QStringLiteral("pas de référence d'abbaye");
    case Unreadable: return QStringLiteral("illisible : ") + detail;
    case NoCall: return QStringLiteral("pas d'indicatif");
    case CallTooLong: return with(QStringLiteral("indicatif de plus de 12 caractères"));
    case BadReference: return with(QStringLiteral("référence d'abbaye invalide"));
    case BadDate: return with(QStringLiteral("date absente ou illisible"));
    case DateOutOfRange:
        return with(QStringLiteral("date hors de 1950 à 2049, que l'année sur deux chiffres du log ne peut pas écrire"));
    case BadTime: return with(QStringLiteral("heure absente ou illisible"));
    case NoBand: return QStringLiteral("bande absente");
    case BandNotProvided: return with(QStringLiteral("bande non prévue"));
    case NoMode: return QStringLiteral("mode absent");
    case ModeNotProvided: return with(QStringLiteral("mode non prévu"));
    case ReportTooLong: return with(QStringLiteral("report de plus de 3 caractères"));
    case AlreadyInLog: return QStringLiteral("déjà dans le log");
    case AlreadyContacted: return QStringLiteral("déjà contactée le ") + other;
    case DuplicateInFile:
        return QStringLiteral("abbaye en double dans le fichier, n° %1 importé").arg(other);
    }
    return {};
}
