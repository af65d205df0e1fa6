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

// The five bytes Windows-1252 leaves unassigned decode to these.
bool isUnassigned(char16_t c) { return c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D; }

QString code(char32_t c) { return QStringLiteral("U+%1").arg(uint(c), 4, 16, QLatin1Char('0')).toUpper(); }

// Why a decoded line holds a character the list cannot hold, or empty. Text decoded
// from Windows-1252 holds only characters of the code page, so only the bytes it
// leaves unassigned and the control characters are looked for.
QString characterProblem(QStringView line, Wording reader)
{
    const auto say = [reader](const char *source) { return worded(reader, "AbbeyListFile", source); };
    bool wide = false;
    for (const QChar c : line) {
        const char16_t u = c.unicode();
        if ((u >= 0x20 && u < 0x7F) || (u >= 0xA0 && u <= 0xFF))
            continue;
        if (isUnassigned(u))
            return say(QT_TRANSLATE_NOOP("AbbeyListFile", "caractère hors Windows-1252 (octet 0x%1)")).arg(QString::number(u, 16).toUpper());
        // A tab or another control character would move the columns behind it.
        if (u < 0x20 || (u >= 0x7F && u <= 0x9F))
            return say(QT_TRANSLATE_NOOP("AbbeyListFile", "caractère de contrôle (%1)")).arg(code(u));
        wide = true;
    }
    // Beyond Latin-1: the code page holds a few (€, Œ, Š...), UTF-8 many more.
    if (wide) {
        const QString outside = Cp1252::firstUnencodable(line);
        if (!outside.isEmpty())
            return say(QT_TRANSLATE_NOOP("AbbeyListFile", "caractère hors Windows-1252 %1")).arg(Cp1252::describe(outside));
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
    return Cp1252::textKind(data) == Cp1252::TextKind::Utf8;
}

QString AbbeyListFile::referenceProblem(QStringView line, Wording reader)
{
    const auto say = [reader](const char *source) { return worded(reader, "AbbeyListFile", source); };
    const QStringView reference = line.left(ReferenceWidth).trimmed();
    bool alnum = reference.size() == ReferenceWidth;
    for (const QChar c : reference) {
        const char16_t u = c.unicode();
        if (!((u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z')))
            alnum = false;
    }
    if (!alnum)
        return say(QT_TRANSLATE_NOOP("AbbeyListFile", "pas de référence de 6 lettres ou chiffres en colonnes 1 à 6"));
    // "AB12345 ..." has a seventh character the look-ups would cut off.
    if (line.size() > ReferenceWidth && line.at(ReferenceWidth) != QLatin1Char(' '))
        return say(QT_TRANSLATE_NOOP("AbbeyListFile", "référence de plus de 6 caractères (colonne 7 non vide)"));
    return {};
}

QString AbbeyListFile::lineProblem(QStringView line, Wording reader)
{
    const QString problem = referenceProblem(line, reader);
    return problem.isEmpty() ? characterProblem(line, reader) : problem;
}

namespace {

QStringView rightTrimmedView(QStringView s)
{
    while (!s.isEmpty() && s.back() == QLatin1Char(' '))
        s.chop(1);
    return s;
}

template <typename Chars> quint64 pack(const Chars &reference)
{
    // Blanks around the reference are not part of it.
    qsizetype from = 0, to = reference.size();
    while (from < to && reference[from] == ' ')
        ++from;
    while (to > from && reference[to - 1] == ' ')
        --to;
    if (to - from != ReferenceWidth)
        return 0;
    quint64 v = 0;
    for (qsizetype i = from; i < to; ++i) {
        const auto u = static_cast<char16_t>(reference[i]);
        char16_t up = u;
        if (u >= 'a' && u <= 'z')
            up = char16_t(u - 'a' + 'A');
        else if (!((u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z')))
            return 0;
        v = (v << 8) | quint8(up);
    }
    return v;
}

} // namespace

quint64 AbbeyListFile::keyOf(QStringView reference)
{
    struct Units
    {
        QStringView s;
        qsizetype size() const { return s.size(); }
        char16_t operator[](qsizetype i) const { return s[i].unicode(); }
    };
    return pack(Units{reference});
}

quint64 AbbeyListFile::keyOfSlow(QByteArrayView reference)
{
    struct Bytes
    {
        QByteArrayView s;
        qsizetype size() const { return s.size(); }
        char16_t operator[](qsizetype i) const { return char16_t(uchar(s[i])); }
    };
    return pack(Bytes{reference});
}

QStringView AbbeyListFile::Line::name() const { return rightTrimmedView(QStringView(text).mid(7, 60)); }

QStringView AbbeyListFile::Line::locator() const { return rightTrimmedView(QStringView(text).mid(68, 4)); }

QString AbbeyListFile::Line::nameShown() const { return AbbeyTable::cut(text).name; }

QString AbbeyListFile::decode(QByteArrayView line, Encoding encoding)
{
    return encoding == Encoding::Utf8 ? QString::fromUtf8(line) : Cp1252::decode(line);
}

QList<QByteArrayView> AbbeyListFile::lineViews(const QByteArray &bytes, Encoding encoding)
{
    QList<QByteArrayView> lines = Cp1252::lineViews(bytes);
    if (encoding == Encoding::Utf8 && !lines.isEmpty() && lines.front().startsWith("\xEF\xBB\xBF"))
        lines.front() = lines.front().sliced(3);
    return lines;
}

AbbeyListFile AbbeyListFile::fromBytes(const QByteArray &bytes)
{
    AbbeyListFile list;
    list.m_encoding = encodingOf(bytes);
    const QList<QByteArrayView> raws = lineViews(bytes, list.m_encoding);
    list.m_lines.reserve(raws.size());
    list.m_entries.reserve(raws.size());
    list.m_index.reserve(raws.size());
    // The lines of each reference written more than once (rare).
    QHash<quint64, int> doubled;
    int number = 0;
    for (const QByteArrayView raw : raws) {
        ++number;
        QString text = decode(raw, list.m_encoding);
        // Empty lines (often one at the end) carry nothing: neither read nor written.
        if (isBlank(text))
            continue;
        if (looksLikeQso(text))
            ++list.m_logLike;
        QString problem = lineProblem(text, Wording::File);
        if (!problem.isEmpty()) {
            list.m_unreadable.append({number, problem, std::move(text)});
            continue;
        }
        const quint64 key = keyOf(QStringView(text).left(ReferenceWidth));
        const int at = int(list.m_lines.size());
        list.m_lines.append({number, std::move(text), key});
        const auto found = list.m_index.constFind(key);
        if (found == list.m_index.cend()) {
            list.m_index.insert(key, int(list.m_entries.size()));
            list.m_entries.append(at);
            continue;
        }
        int &entry = list.m_entries[*found];
        const auto d = doubled.constFind(key);
        if (d == doubled.cend()) {
            doubled.insert(key, int(list.m_duplicates.size()));
            list.m_duplicates.append(
                {list.m_lines.at(entry).reference().toString(), {list.m_lines.at(entry).number}});
        }
        list.m_duplicates[doubled.value(key)].lines.append(number);
        entry = at;
    }
    return list;
}

const AbbeyListFile::Line *AbbeyListFile::find(quint64 key) const
{
    if (key == 0)
        return nullptr;
    const auto at = m_index.constFind(key);
    return at == m_index.cend() ? nullptr : &m_lines.at(m_entries.at(*at));
}

const AbbeyListFile::Line *AbbeyListFile::find(QStringView reference) const { return find(keyOf(reference)); }

QString AbbeyListFile::notAList() const
{
    const qsizetype read = m_lines.size() + m_unreadable.size();
    if (read > 0 && m_logLike * 2 >= read)
        return tr("ses lignes sont des QSO d'un log, pas des abbayes.");
    if (m_lines.isEmpty())
        return read == 0 ? tr("le fichier est vide.")
                         : tr("aucune de ses %1 lignes n'est une ligne d'abbaye "
                              "(référence en colonnes 1 à 6, nom en colonnes 8 à 67, "
                              "locator en colonnes 69 à 72).")
                               .arg(read);
    if (m_unreadable.size() > m_lines.size())
        return tr("%1 de ses %2 lignes sont illisibles ; seules %3 sont des lignes d'abbaye.")
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
