#include "export/AdifExport.h"

#include "app/Revision.h"
#include "logstore/AtomicFile.h"
#include "logstore/Cp1252.h"
#include "logstore/LogSession.h"
#include "logstore/QsoLabels.h"
#include "logstore/QsoRecord.h"

#include <QBuffer>
#include <QFile>

#include <array>

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

bool plain(char c) { return c >= 0x20 && c <= 0x7E; }

QByteArrayView trimmed(QByteArrayView v)
{
    qsizetype b = 0, e = v.size();
    while (b < e && (v[b] == ' ' || v[b] == '\t'))
        ++b;
    while (e > b && (v[e - 1] == ' ' || v[e - 1] == '\t'))
        --e;
    return v.sliced(b, e - b);
}

// A field of a log line, blanks trimmed; a field past the end of a short line is empty.
QByteArrayView fieldOf(QByteArrayView line, QsoRecord::Field f)
{
    const QsoRecord::Column c = QsoRecord::logLayout()[f];
    if (line.size() < c.start)
        return {};
    return trimmed(line.sliced(c.start - 1, qMin<qsizetype>(c.width, line.size() - c.start + 1)));
}

void appendNumber(QByteArray &out, qsizetype n)
{
    char digits[20];
    int i = 0;
    do {
        digits[i++] = char('0' + n % 10);
        n /= 10;
    } while (n > 0);
    while (i > 0)
        out.append(digits[--i]);
}

// "<tag:" + length + ">" + value, the value already ASCII.
void appendField(QByteArray &out, QByteArrayView tag, QByteArrayView value)
{
    out.append(tag);
    appendNumber(out, value.size());
    out.append('>');
    out.append(value);
}

// The same for a value from the log, written in ASCII.
void appendText(QByteArray &out, QByteArrayView tag, QByteArrayView value)
{
    for (const char c : value) {
        if (!plain(c)) {
            appendField(out, tag, AdifExport::ascii(value));
            return;
        }
    }
    appendField(out, tag, value);
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isDigits(QByteArrayView v, qsizetype from, qsizetype count)
{
    for (qsizetype i = from; i < from + count; ++i) {
        if (!isDigit(v[i]))
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

QByteArray time(QByteArrayView hhmm)
{
    if (hhmm.size() != 5 || hhmm[2] != ':' || !isDigits(hhmm, 0, 2) || !isDigits(hhmm, 3, 2))
        return {};
    QByteArray out = hhmm.first(2).toByteArray();
    out.append(hhmm.last(2));
    return out;
}

} // namespace

AdifExport::AdifExport(QString displayCallsign)
    : m_station(trimmed(ascii(Cp1252::encode(displayCallsign))).toByteArray())
{
}

QByteArray AdifExport::ascii(QByteArrayView cp1252)
{
    QByteArray out;
    out.reserve(cp1252.size() + 8);
    for (const char c : cp1252) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (u >= 0x80)
            out.append(HighAscii[u - 0x80]);
        else if (plain(c))
            out.append(c);
        else
            out.append(c == '\t' ? ' ' : '?');
    }
    return out;
}

QByteArray AdifExport::band(QByteArrayView label)
{
    // In the order of the band list the operator picks from.
    static const char *const adif[] = {"160m", "80m", "40m", "30m", "20m", "17m",
                                       "15m",  "12m", "10m", "6m",  "2m",  "70cm"};
    static const QList<QByteArray> labels = [] {
        QList<QByteArray> l;
        for (const QString &b : QsoLabels::bands())
            l.append(b.toLatin1());
        return l;
    }();
    for (qsizetype i = 0; i < labels.size() && i < qsizetype(std::size(adif)); ++i) {
        if (label == labels.at(i))
            return QByteArray(adif[i]);
    }
    return {};
}

QByteArray AdifExport::date(QByteArrayView d)
{
    if (d.size() != 8 || d[2] != '/' || d[5] != '/' || !isDigits(d, 0, 2) || !isDigits(d, 3, 2)
        || !isDigits(d, 6, 2))
        return {};
    // The log's own pivot: a QSO of 1999 is not one of 2099.
    const QByteArrayView century = d[6] >= '5' ? "19" : "20";
    QByteArray out;
    out.reserve(8);
    out.append(century).append(d.sliced(6, 2)).append(d.sliced(3, 2)).append(d.first(2));
    return out;
}

QByteArray AdifExport::header() const
{
    const QByteArray version = Revision::text().trimmed().toLatin1();
    QByteArray credit("Exporte par KVR_ZEL, carnet de trafic du diplome des Abbayes italiennes (ZEL) ");
    appendField(credit, "<ADIF_VER:", "3.1.6");
    credit.append(' ');
    appendField(credit, "<PROGRAMID:", "KVR_ZEL");
    credit.append(' ');
    appendField(credit, "<PROGRAMVERSION:", version);
    return "Exportation du log de la station " + m_station + " au format ADIF\r\n"
        + "\r\n"
        + credit + "\r\n"
        + "\r\n"
        + "\r\n"
        + "<eoh>\r\n";
}

void AdifExport::appendRecord(QByteArray &out, QByteArrayView line) const
{
    appendText(out, "<call:", fieldOf(line, QsoRecord::Indicatif));
    appendText(out, "<name:", fieldOf(line, QsoRecord::Prenom));
    appendField(out, "<band:", band(fieldOf(line, QsoRecord::Bande)));
    appendText(out, "<mode:", fieldOf(line, QsoRecord::Mode));
    appendField(out, "<qso_date:", date(fieldOf(line, QsoRecord::Date)));
    appendField(out, "<time_on:", time(fieldOf(line, QsoRecord::Heure)));
    appendText(out, "<rst_rcvd:", fieldOf(line, QsoRecord::RstRecu));
    appendText(out, "<rst_sent:", fieldOf(line, QsoRecord::RstEnvoye));
    const QByteArrayView reference = fieldOf(line, QsoRecord::Reference);
    QByteArray comment;
    comment.reserve(80);
    comment.append(reference).append(' ').append(fieldOf(line, QsoRecord::NomAbbaye));
    appendText(out, "<comment:", comment);

    // Beyond the nine fields: what else the log knows, for the logbooks that read it.
    appendField(out, "<station_callsign:", m_station);
    const QByteArrayView locator = fieldOf(line, QsoRecord::Locator);
    if (isGridSquare(locator))
        appendField(out, "<gridsquare:", locator.toByteArray().toUpper());
    appendField(out, "<qsl_rcvd:", fieldOf(line, QsoRecord::Qsl) == "*" ? "Y" : "N");
    if (!reference.isEmpty()) {
        appendField(out, "<sig:", "ZEL");
        appendText(out, "<sig_info:", reference);
    }
    out.append("<eor>");
}

QString AdifExport::ADIF_SP(const QString &Poubelle) const
{
    QByteArray out;
    appendRecord(out, Cp1252::encode(Poubelle));
    return QString::fromLatin1(out);
}

QByteArray AdifExport::document(const QList<QByteArrayView> &logLines) const
{
    QByteArray out = header();
    out.reserve(out.size() + logLines.size() * 240);
    for (const QByteArrayView line : logLines) {
        // A blank line is no QSO: it would give a record without a callsign.
        if (trimmed(line).isEmpty())
            continue;
        appendRecord(out, line);
        out.append("\r\n");
    }
    return out;
}

bool AdifExport::write(QIODevice &out, const QList<QByteArrayView> &logLines) const
{
    const QByteArray bytes = document(logLines);
    return out.write(bytes) == bytes.size();
}

AdifExport::Result AdifExport::exportLog(const LogSession &session)
{
    if (!session.hasStation()) {
        return {false, QStringLiteral("Aucune station n'est encore choisie : il n'y a pas de log à exporter.\r\n"
                                      "Choisissez d'abord votre indicatif dans Station, Nouvel Indicatif.")};
    }
    const QString name = fileName(session.callsign());
    // The file on disk is the log: another copy of the program may have written it.
    QByteArray log;
    QFile in(session.logPath());
    if (in.exists()) {
        bool read = in.open(QIODevice::ReadOnly);
        if (read) {
            log = in.readAll();
            read = in.error() == QFileDevice::NoError;
        }
        if (!read) {
            return {false, QStringLiteral("Le log %1 n'a pas pu être lu :\r\n%2\r\n\r\nLe fichier %3 n'a pas "
                                          "été enregistré.")
                               .arg(session.logFileName(), AtomicFile::reason(in.errorString()), name)};
        }
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    AdifExport(session.displayCallsign()).write(buffer, Cp1252::lineViews(log));
    buffer.close();
    const AtomicFile::Result written = AtomicFile::write(session.filePath(name), bytes);
    if (!written.ok) {
        return {false, QStringLiteral("Le fichier %1 n'a pas pu être enregistré :\r\n%2")
                           .arg(name, written.error)};
    }
    return {true, QStringLiteral("Le fichier a été enregistré sous le nom : ") + name};
}
