#include "import/AdifMapping.h"

#include "import/AsciiBytes.h"

#include "logstore/BandPlan.h"
#include "logstore/Cp1252.h"
#include "logstore/LogFile.h"
#include "logstore/QsoLabels.h"
#include "logstore/QsoRecord.h"
#include "refdata/AbbeyTable.h"

#include <QDate>

#include <cmath>

namespace {

using AsciiBytes::isAscii;
using AsciiBytes::sameWord;

constexpr int ReferenceLength = 6;
constexpr int NameWidth = 15;
constexpr int AbbeyWidth = 60;
constexpr int LocatorWidth = 4;
constexpr int ReportWidth = 3;
constexpr int CallWidth = 12;

inline bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

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

inline bool isAsciiLetterOrDigit(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z');
}

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

// A value as the log can hold it: decoded, in capitals when asked, control
// characters as blanks and other characters as their closest letters, then without
// the blanks around it. Emptiness is decided on this, never on the raw bytes.
QString cleaned(QByteArrayView value, const AdifReader &reader, bool capitals, bool *changed)
{
    value = trimmed(value);
    if (value.isEmpty())
        return {};
    QString text = isAscii(value.data(), value.size()) ? QString::fromLatin1(value) : reader.decode(value);
    if (capitals)
        text = text.toUpper();
    return Cp1252::decode(AdifMapping::toLogCodePage(text, changed)).trimmed();
}

// The frequency in MHz ("7.05500", "7,055") in hertz; -1 when it is not a number.
qint64 hertzOf(QByteArrayView megahertz)
{
    QByteArray text = megahertz.toByteArray();
    text.replace(',', '.');
    bool ok = false;
    const double f = text.toDouble(&ok);
    if (!ok || !std::isfinite(f) || f < 0 || f > 1e6)
        return -1;
    return qRound64(f * 1e6);
}

} // namespace

namespace {

int bandIndex(QByteArrayView adifName)
{
    if (adifName.isEmpty())
        return -1;
    int count = 0;
    const BandPlan::Band *all = BandPlan::bands(&count);
    for (int i = 0; i < count; ++i) {
        if (adifName.compare(QByteArrayView(all[i].adif), Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

} // namespace

bool AdifMapping::carriesConfirmation(const AdifReader::Record &record, bool eqslInbox)
{
    if (!record.error.isEmpty())
        return false;
    if (eqslInbox)
        return !sameWord(trimmed(record[AdifReader::AppEqslSwl]), "Y");
    for (const AdifReader::Field f : {AdifReader::QslRcvd, AdifReader::LotwQslRcvd, AdifReader::EqslQslRcvd}) {
        const QByteArrayView v = trimmed(record[f]);
        if (sameWord(v, "Y") || sameWord(v, "V"))
            return true;
    }
    return false;
}

bool AdifMapping::isEqslInbox(const AdifReader &reader)
{
    const QByteArrayView id = trimmed(reader.programId());
    if (id.size() >= 4 && sameWord(id.first(4), "EQSL"))
        return true;
    // "Received eQSLs for F4XYZ..." opens the inbox's header.
    const QByteArrayView header = reader.header().first(qMin<qsizetype>(reader.header().size(), 4096));
    return QByteArray::fromRawData(header.data(), header.size()).toLower().contains("received eqsls");
}

QString AdifMapping::bandLabel(const AdifReader::Record &record, const AdifReader &reader)
{
    const QByteArrayView adifBand = trimmed(record[AdifReader::Band]);
    if (!adifBand.isEmpty()) {
        const int at = BandPlan::positionOfAdif(adifBand);
        return at >= 0 ? QsoLabels::bands().at(at) : reader.decode(adifBand).simplified();
    }
    const QByteArrayView freq = trimmed(record[AdifReader::Freq]);
    if (freq.isEmpty())
        return {};
    const int at = BandPlan::positionOfHertz(hertzOf(freq));
    return at >= 0 ? QsoLabels::bands().at(at) : reader.decode(freq).simplified() + QStringLiteral(" MHz");
}

QByteArray AdifMapping::baseCallsign(QByteArrayView callsign)
{
    return LogFile::baseCallsign(callsign);
}

int AdifMapping::bandOfLabel(QByteArrayView label)
{
    return BandPlan::bandOfLabel(label);
}

AdifMapping::Sighting AdifMapping::sighting(const AdifReader::Record &record, const AdifReader &reader)
{
    Sighting s;
    // A callsign of plain printable ASCII (nearly all of them) needs no decoding.
    const QByteArrayView call = trimmed(record[AdifReader::Call]);
    bool plain = true;
    for (const char c : call)
        plain = plain && c > ' ' && c < 0x7F;
    bool changed = false;
    s.baseCall = plain ? baseCallsign(call)
                       : baseCallsign(Cp1252::encode(cleaned(record[AdifReader::Call], reader, true, &changed)));
    const QByteArrayView adifBand = trimmed(record[AdifReader::Band]);
    const QByteArrayView freq = trimmed(record[AdifReader::Freq]);
    s.band = qint16(!adifBand.isEmpty() ? bandIndex(adifBand)
                                        : bandIndex(BandPlan::adifOfHertz(hertzOf(freq)).toLatin1()));
    const QByteArrayView d = trimmed(record[AdifReader::QsoDate]);
    const QByteArrayView t = trimmed(record[AdifReader::TimeOn]);
    if (d.size() != 8 || (t.size() != 4 && t.size() != 6))
        return s;
    const int year = digits(d, 0, 4), month = digits(d, 4, 2), day = digits(d, 6, 2);
    const int hour = digits(t, 0, 2), minute = digits(t, 2, 2);
    const QDate date = year < 0 || month < 0 || day < 0 ? QDate() : QDate(year, month, day);
    if (!date.isValid() || hour < 0 || hour > 23 || minute < 0 || minute > 59)
        return s;
    // The log's own count of UTC minutes, years 1950 to 2049.
    const qint64 at = QsoRecord::utcMinute(date, hour * 60 + minute);
    if (at < 0 || at > qint64(100) * 366 * 1440)
        return s;
    s.minutes = qint32(at);
    return s;
}

AdifMapping::AdifMapping(const AbbeyTable &abbeys) : m_abbeys(abbeys)
{
    for (const AbbeyTable::Entry &e : abbeys.entries()) {
        for (const QChar c : e.reference)
            m_referenceChars.insert(c.toUpper());
    }
}

bool AdifMapping::isWellFormedReference(QStringView reference) const
{
    if (reference.size() != ReferenceLength)
        return false;
    for (const QChar c : reference) {
        if (!isAsciiLetterOrDigit(c) && !m_referenceChars.contains(c.toUpper()))
            return false;
    }
    return true;
}

QString AdifMapping::findReference(const AdifReader::Record &record, const AdifReader &reader) const
{
    if (m_abbeys.isEmpty())
        return {};
    // A word is what stands between blanks; the punctuation around it is tried off
    // one character at a time on each side, so a reference made of any characters
    // is found, and only candidates no longer than a reference are looked up.
    const auto lookUp = [&](QStringView word) -> QString {
        qsizetype lead = 0;
        while (lead < word.size() && !word[lead].isLetterOrNumber())
            ++lead;
        qsizetype trail = 0;
        while (trail < word.size() - lead && !word[word.size() - 1 - trail].isLetterOrNumber())
            ++trail;
        const qsizetype n = word.size();
        for (qsizetype i = qMax<qsizetype>(0, n - trail - ReferenceLength); i <= lead && i < n; ++i) {
            for (qsizetype j = qMax<qsizetype>(0, n - i - ReferenceLength); j <= trail && n - i - j >= 1; ++j) {
                if (const AbbeyTable::Entry *e = m_abbeys.find(word.sliced(i, n - i - j)))
                    return e->reference.toUpper();
            }
        }
        return {};
    };
    for (const AdifReader::Field f :
         {AdifReader::SigInfo, AdifReader::Comment, AdifReader::Notes, AdifReader::QslMsg}) {
        const QByteArrayView v = record[f];
        if (v.isEmpty())
            continue;
        const QString text = reader.decode(v);
        qsizetype i = 0;
        while (i < text.size()) {
            while (i < text.size() && text[i].isSpace())
                ++i;
            const qsizetype start = i;
            while (i < text.size() && !text[i].isSpace())
                ++i;
            if (i > start) {
                const QString found = lookUp(QStringView(text).sliced(start, i - start));
                if (!found.isEmpty())
                    return found;
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
    bool changed = false;
    // The award's QSOs first: the others of a general log are only counted.
    QString reference;
    const QByteArrayView sigInfo = trimmed(record[AdifReader::SigInfo]);
    if (sameWord(trimmed(record[AdifReader::Sig]), "ZEL") && !sigInfo.isEmpty()) {
        bool replaced = false;
        reference = cleaned(sigInfo, reader, true, &replaced);
        if (reference.isEmpty()) {
            r.status = EmptyReference;
            return r;
        }
        if (const AbbeyTable::Entry *e = m_abbeys.find(reference)) {
            reference = e->reference.toUpper();
        } else if (!replaced && isWellFormedReference(reference)) {
            // Imported as a typed one would be, but said.
            r.notes |= NotListed;
        } else {
            r.status = BadReference;
            r.detail = reader.decode(sigInfo);
            return r;
        }
    } else {
        reference = findReference(record, reader);
        if (reference.isEmpty()) {
            r.status = NoReference;
            return r;
        }
    }
    // References go into the log in capitals, as the entry writes a typed one.
    r.reference = Cp1252::encode(reference.toUpper());

    const QString call = cleaned(record[AdifReader::Call], reader, true, &changed);
    if (call.isEmpty()) {
        r.status = NoCall;
        return r;
    }
    if (call.size() > CallWidth) {
        r.status = CallTooLong;
        r.detail = call;
        return r;
    }

    // The date as the log writes it, read back through the log's own two-digit years:
    // a year the log cannot write does not come back the same.
    const QByteArrayView d = trimmed(record[AdifReader::QsoDate]);
    const int year = d.size() == 8 ? digits(d, 0, 4) : -1;
    const int month = year >= 0 ? digits(d, 4, 2) : -1;
    const int day = year >= 0 ? digits(d, 6, 2) : -1;
    const QDate date = year < 0 || month < 0 || day < 0 ? QDate() : QDate(year, month, day);
    if (!date.isValid()) {
        r.status = BadDate;
        r.detail = reader.decode(d);
        return r;
    }
    const QString logDate = date.toString(QStringLiteral("dd/MM/yy"));
    if (QsoRecord::dateOf(logDate) != date) {
        r.status = DateOutOfRange;
        r.detail = QString::number(year);
        return r;
    }
    const QByteArrayView t = trimmed(record[AdifReader::TimeOn]);
    const int second = t.size() == 6 ? digits(t, 4, 2) : 0;
    const QString logTime = t.size() == 4 || t.size() == 6
        ? QString::fromLatin1(t.first(2)) + QLatin1Char(':') + QString::fromLatin1(t.sliced(2, 2))
        : QString();
    if (QsoRecord::minutesOf(logTime) < 0 || second < 0 || second > 59) {
        r.status = BadTime;
        r.detail = reader.decode(t);
        return r;
    }

    int band = -1;
    const QByteArrayView adifBand = trimmed(record[AdifReader::Band]);
    const QByteArrayView freq = trimmed(record[AdifReader::Freq]);
    if (!adifBand.isEmpty()) {
        band = BandPlan::positionOfAdif(adifBand);
        if (band < 0) {
            r.status = BandNotProvided;
            r.detail = reader.decode(adifBand);
            return r;
        }
    } else if (!freq.isEmpty()) {
        band = BandPlan::positionOfHertz(hertzOf(freq));
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
    const QByteArrayView sub = trimmed(record[AdifReader::Submode]);
    QString logMode = ModeMap::logMode(mode);
    if (logMode.isEmpty() && !sub.isEmpty())
        logMode = ModeMap::logMode(sub);
    if (logMode.isEmpty()) {
        r.status = mode.isEmpty() ? NoMode : ModeNotProvided;
        r.detail = reader.decode(mode);
        if (!sub.isEmpty())
            r.detail += QLatin1Char('/') + reader.decode(sub);
        return r;
    }

    // Reports the file leaves out (or that hold nothing once cleaned) are the ones
    // the main window proposes.
    const QString defaultReport = logMode == QLatin1String("CW") ? QStringLiteral("599") : QsoLabels::DefaultReport;
    QString reports[2];
    const AdifReader::Field reportFields[2] = {AdifReader::RstRcvd, AdifReader::RstSent};
    for (int i = 0; i < 2; ++i) {
        reports[i] = cleaned(record[reportFields[i]], reader, false, &changed);
        if (reports[i].isEmpty())
            reports[i] = defaultReport;
        if (reports[i].size() > ReportWidth) {
            r.status = ReportTooLong;
            r.detail = reports[i];
            return r;
        }
    }

    // The first name is the first word of NAME.
    const QString fullName = cleaned(record[AdifReader::Name], reader, true, &changed);
    QString name = fullName.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
    if (name.size() > NameWidth) {
        name.truncate(NameWidth);
        r.notes |= NameCut;
    }

    const AbbeyTable::Entry *listed = m_abbeys.find(reference);
    QString grid = cleaned(record[AdifReader::Gridsquare], reader, true, &changed);
    grid = grid.size() >= LocatorWidth ? grid.left(LocatorWidth) : QString();
    if (grid.isEmpty() && listed)
        grid = listed->locator.trimmed();

    // The abbey's name: what this program's own export puts after the reference in
    // the comment, else the abbey list's.
    QString abbey;
    const QString comment = cleaned(record[AdifReader::Comment], reader, false, &changed);
    if (comment.size() >= reference.size()
        && QStringView(comment).first(reference.size()).compare(reference, Qt::CaseInsensitive) == 0
        && (comment.size() == reference.size() || comment.at(reference.size()) == QLatin1Char(' '))) {
        abbey = comment.mid(reference.size()).trimmed();
    } else if (listed) {
        abbey = listed->name;
    }
    if (abbey.size() > AbbeyWidth) {
        abbey.truncate(AbbeyWidth);
        r.notes |= AbbeyCut;
    }
    if (changed)
        r.notes |= LettersReplaced;

    QsoRecord q;
    q.setField(QsoRecord::Indicatif, call);
    q.setField(QsoRecord::Locator, grid);
    q.setField(QsoRecord::Prenom, name);
    q.setField(QsoRecord::Reference, reference);
    q.setField(QsoRecord::Date, logDate);
    q.setField(QsoRecord::Heure, logTime);
    q.setField(QsoRecord::Mode, logMode);
    q.setField(QsoRecord::Bande, QsoLabels::bands().at(band));
    q.setField(QsoRecord::RstRecu, reports[0]);
    q.setField(QsoRecord::RstEnvoye, reports[1]);
    q.setField(QsoRecord::NomAbbaye, abbey);
    q.setField(QsoRecord::Qsl, carriesConfirmation(record, m_eqslInbox) ? QStringLiteral("*") : QString());
    QsoRecord::Encoded bytes = q.toLogBytes();
    if (!bytes.ok()) {
        // Every field was brought into the code page above: a safeguard only.
        r.status = Unreadable;
        r.detail = bytes.error;
        return r;
    }
    r.line = std::move(bytes.bytes);
    return r;
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

QString AdifMapping::reason(Status status, quint8 notes, const QString &detail, const QString &other, Wording reader)
{
    const auto say = [reader](const char *source) { return worded(reader, "AdifMapping", source); };
    const auto with = [&](const QString &text) {
        return detail.isEmpty() ? text : text + QStringLiteral(" (") + detail + QLatin1Char(')');
    };
    switch (status) {
    case Imported: {
        QStringList said;
        if (notes & NotListed)
            said << say(QT_TRANSLATE_NOOP("AdifMapping", "référence absente de la liste des abbayes"));
        if (notes & NameCut)
            said << say(QT_TRANSLATE_NOOP("AdifMapping", "prénom coupé à 15 caractères"));
        if (notes & AbbeyCut)
            said << say(QT_TRANSLATE_NOOP("AdifMapping", "nom de l'abbaye coupé à 60 caractères"));
        if (notes & LettersReplaced)
            said << say(QT_TRANSLATE_NOOP("AdifMapping", "caractères remplacés par les lettres les plus proches"));
        return said.isEmpty() ? say(QT_TRANSLATE_NOOP("AdifMapping", "à importer"))
                              : say(QT_TRANSLATE_NOOP("AdifMapping", "à importer (%1)"))
                                    .arg(said.join(QStringLiteral(", ")));
    }
    case NoReference: return say(QT_TRANSLATE_NOOP("AdifMapping", "pas de référence d'abbaye"));
    case Unreadable: return say(QT_TRANSLATE_NOOP("AdifMapping", "illisible : %1")).arg(detail);
    case NoCall: return say(QT_TRANSLATE_NOOP("AdifMapping", "pas d'indicatif"));
    case CallTooLong: return with(say(QT_TRANSLATE_NOOP("AdifMapping", "indicatif de plus de 12 caractères")));
    case BadReference: return with(say(QT_TRANSLATE_NOOP("AdifMapping", "référence d'abbaye invalide")));
    case EmptyReference: return say(QT_TRANSLATE_NOOP("AdifMapping", "référence d'abbaye vide"));
    case BadDate: return with(say(QT_TRANSLATE_NOOP("AdifMapping", "date absente ou illisible")));
    case DateOutOfRange:
        return with(say(QT_TRANSLATE_NOOP("AdifMapping", "date hors de 1950 à 2049, que l'année sur deux chiffres du log ne peut pas écrire")));
    case BadTime: return with(say(QT_TRANSLATE_NOOP("AdifMapping", "heure absente ou illisible")));
    case NoBand: return say(QT_TRANSLATE_NOOP("AdifMapping", "bande absente"));
    case BandNotProvided: return with(say(QT_TRANSLATE_NOOP("AdifMapping", "bande non prévue")));
    case NoMode: return say(QT_TRANSLATE_NOOP("AdifMapping", "mode absent"));
    case ModeNotProvided: return with(say(QT_TRANSLATE_NOOP("AdifMapping", "mode non prévu")));
    case ReportTooLong: return with(say(QT_TRANSLATE_NOOP("AdifMapping", "report de plus de 3 caractères")));
    case AlreadyInLog: return say(QT_TRANSLATE_NOOP("AdifMapping", "déjà dans le log"));
    case AlreadyContacted: return say(QT_TRANSLATE_NOOP("AdifMapping", "déjà contactée le %1")).arg(other);
    case DuplicateInFile:
        return say(QT_TRANSLATE_NOOP("AdifMapping", "abbaye en double dans le fichier, n° %1 importé")).arg(other);
    case QslToMark: return say(QT_TRANSLATE_NOOP("AdifMapping", "QSL à marquer"));
    case QslAlreadyMarked: return say(QT_TRANSLATE_NOOP("AdifMapping", "QSL déjà marquée"));
    case SeveralQsos: return say(QT_TRANSLATE_NOOP("AdifMapping", "plusieurs QSO possibles"));
    case OtherReference: return with(say(QT_TRANSLATE_NOOP("AdifMapping", "référence différente")));
    case NoMatchingQso: return with(say(QT_TRANSLATE_NOOP("AdifMapping", "QSL sans QSO correspondant")));
    case CallNotInLog: return say(QT_TRANSLATE_NOOP("AdifMapping", "QSL d'un indicatif absent du log"));
    }
    return {};
}
