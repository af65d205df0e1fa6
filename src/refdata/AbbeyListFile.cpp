#include "refdata/AbbeyListFile.h"

#include "logstore/Cp1252.h"
#include "logstore/QsoRecord.h"
#include "refdata/AbbeyTable.h"

#include <cstring>

namespace {

constexpr int ReferenceWidth = 6;

bool isBlank(QStringView line)
{
    for (const QChar c : line) {
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t'))
            return false;
    }
    return true;
}

QString rightTrimmed(QString s)
{
    while (s.endsWith(QLatin1Char(' ')))
        s.chop(1);
    return s;
}

// The five bytes Windows-1252 leaves unassigned decode to these.
bool isUnassigned(char16_t c) { return c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D; }

QString code(char32_t c) { return QStringLiteral("U+%1").arg(uint(c), 4, 16, QLatin1Char('0')).toUpper(); }

// Why a decoded line holds a character the list cannot hold, or empty.
QString characterProblem(QStringView line)
{
    const QString outside = Cp1252::firstUnencodable(line);
    if (!outside.isEmpty()) {
        return QStringLiteral("caractère hors Windows-1252 %1").arg(Cp1252::describe(outside));
    }
    for (const QChar c : line) {
        if (isUnassigned(c.unicode()))
            return QStringLiteral("caractère hors Windows-1252 (octet 0x%1)")
                .arg(QString::number(c.unicode(), 16).toUpper());
        // A tab or another control character would move the columns behind it.
        if (c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() <= 0x9F))
            return QStringLiteral("caractère de contrôle (%1)").arg(code(c.unicode()));
    }
    return {};
}

bool looksLikeQso(QStringView line)
{
    if (line.size() < QsoRecord::LogLineLength - 1 || line.size() > QsoRecord::LogLineLength)
        return false;
    const QsoRecord::Column date = QsoRecord::logLayout()[QsoRecord::Date];
    const QsoRecord::Column time = QsoRecord::logLayout()[QsoRecord::Heure];
    return QsoRecord::dateOf(line.mid(date.start - 1, date.width)).isValid()
        && QsoRecord::minutesOf(line.mid(time.start - 1, time.width)) >= 0;
}

} // namespace

bool AbbeyListFile::isUtf8Text(QByteArrayView data)
{
    if (data.startsWith("\xEF\xBB\xBF"))
        return true;
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
            return false;
        }
        if (i + more >= n)
            return false;
        unsigned int cp = c & (0x3F >> more);
        for (int k = 1; k <= more; ++k) {
            if ((p[i + k] & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (p[i + k] & 0x3F);
        }
        // Overlong forms, surrogates and values past Unicode are no UTF-8.
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += more + 1;
    }
    return high;
}

QString AbbeyListFile::referenceProblem(QStringView line)
{
    const QStringView reference = line.left(ReferenceWidth).trimmed();
    bool alnum = reference.size() == ReferenceWidth;
    for (const QChar c : reference) {
        const char16_t u = c.unicode();
        if (!((u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z')))
            alnum = false;
    }
    if (!alnum)
        return QStringLiteral("pas de référence de 6 lettres ou chiffres en colonnes 1 à 6");
    // "AB12345 ..." has a seventh character the look-ups would cut off.
    if (line.size() > ReferenceWidth && line.at(ReferenceWidth) != QLatin1Char(' '))
        return QStringLiteral("référence de plus de 6 caractères (colonne 7 non vide)");
    return {};
}

AbbeyListFile AbbeyListFile::fromBytes(const QByteArray &bytes)
{
    AbbeyListFile list;
    QByteArray content = bytes;
    if (isUtf8Text(content)) {
        list.m_encoding = Encoding::Utf8;
        if (content.startsWith("\xEF\xBB\xBF"))
            content.remove(0, 3);
    }
    QHash<QString, QList<int>> linesOf;
    int number = 0;
    for (const QByteArrayView raw : Cp1252::lineViews(content)) {
        ++number;
        const QString text = list.m_encoding == Encoding::Utf8 ? QString::fromUtf8(raw) : Cp1252::decode(raw);
        // Empty lines (often one at the end) carry nothing: neither read nor written.
        if (isBlank(text))
            continue;
        if (looksLikeQso(text))
            ++list.m_logLike;
        QString problem = referenceProblem(text);
        if (problem.isEmpty())
            problem = characterProblem(text);
        if (!problem.isEmpty()) {
            list.m_unreadable.append({number, problem, text});
            continue;
        }
        const AbbeyTable::Entry cut = AbbeyTable::cut(text);
        Line line;
        line.number = number;
        line.text = text;
        line.reference = cut.reference;
        line.name = rightTrimmed(text.mid(7, 60));
        line.locator = rightTrimmed(text.mid(68, 4));
        line.nameShown = cut.name;
        const int at = int(list.m_lines.size());
        list.m_lines.append(line);

        const QString key = AbbeyTable::key(line.reference);
        QList<int> &all = linesOf[key];
        all.append(number);
        if (const auto found = list.m_index.constFind(key); found != list.m_index.cend()) {
            list.m_entries[*found] = at;
        } else {
            list.m_index.insert(key, int(list.m_entries.size()));
            list.m_entries.append(at);
        }
    }
    for (const int at : std::as_const(list.m_entries)) {
        const Line &l = list.m_lines.at(at);
        const QList<int> &all = linesOf.value(AbbeyTable::key(l.reference));
        if (all.size() > 1)
            list.m_duplicates.append({l.reference, all});
    }
    return list;
}

const AbbeyListFile::Line *AbbeyListFile::find(QStringView reference) const
{
    const auto at = m_index.constFind(AbbeyTable::key(reference));
    return at == m_index.cend() ? nullptr : &m_lines.at(m_entries.at(*at));
}

QString AbbeyListFile::notAList() const
{
    const qsizetype read = m_lines.size() + m_unreadable.size();
    if (read > 0 && m_logLike * 2 >= read)
        return QStringLiteral("ses lignes sont des QSO d'un log, pas des abbayes.");
    if (m_lines.isEmpty())
        return read == 0 ? QStringLiteral("le fichier est vide.")
                         : QStringLiteral("aucune de ses %1 lignes n'est une ligne d'abbaye "
                                          "(référence en colonnes 1 à 6, nom en colonnes 8 à 67, "
                                          "locator en colonnes 69 à 72).")
                               .arg(read);
    if (m_unreadable.size() > m_lines.size())
        return QStringLiteral("%1 de ses %2 lignes sont illisibles ; seules %3 sont des lignes d'abbaye.")
            .arg(m_unreadable.size())
            .arg(read)
            .arg(m_lines.size());
    return {};
}

QByteArray AbbeyListFile::toListBytes() const
{
    QByteArray out;
    for (const Line &l : m_lines) {
        out += Cp1252::encode(l.text);
        out += "\r\n";
    }
    return out;
}
