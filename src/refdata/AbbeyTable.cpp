#include "refdata/AbbeyTable.h"

#include "logstore/LogFile.h"
#include "refdata/AbbeyListFile.h"


namespace {

constexpr int ReferenceWidth = 6;
constexpr int NameStart = 7;     // 0-based column 8
constexpr int NameWidth = 60;
constexpr int LocatorStart = 68; // 0-based column 69
constexpr int LocatorWidth = 4;

} // namespace

AbbeyTable::Entry AbbeyTable::cut(QStringView line)
{
    Entry e;
    e.reference = line.left(ReferenceWidth).trimmed().toString();
    if (e.reference.isEmpty())
        return e;
    e.locator = line.mid(LocatorStart, LocatorWidth).toString();
    // Upper-casing may lengthen a name (ß): cut afterwards so it still fits.
    if (e.locator != QLatin1String("  ")) {
        e.name = line.mid(NameStart, NameWidth).toString().toUpper().left(NameWidth);
        while (e.name.endsWith(QLatin1Char(' ')))
            e.name.chop(1);
    }
    return e;
}

AbbeyTable AbbeyTable::fromBytes(const QByteArray &content)
{
    AbbeyTable table;
    // Read in the code page the list update reads it in: a list saved in UTF-8 by an
    // editor gives the same names here as there.
    const AbbeyListFile::Encoding encoding = AbbeyListFile::encodingOf(content);
    int number = 0;
    for (const QByteArrayView raw : AbbeyListFile::lineViews(content, encoding)) {
        ++number;
        Entry e = cut(AbbeyListFile::decode(raw, encoding));
        if (e.reference.isEmpty())
            continue;
        e.line = number;
        const QString k = key(e.reference);
        if (const auto at = table.m_index.constFind(k); at != table.m_index.cend()) {
            table.m_entries[*at] = e;
        } else {
            table.m_index.insert(k, table.m_entries.size());
            table.m_entries.append(e);
        }
    }
    return table;
}

AbbeyTable AbbeyTable::read(const QString &path, QString *error)
{
    if (error)
        error->clear();
    const LogFile::Bytes list = LogFile::readBytes(path);
    if (!list.exists)
        return {};
    if (!list.error.isEmpty()) {
        if (error)
            *error = list.error;
        return {};
    }
    return fromBytes(list.content);
}

const AbbeyTable &AbbeyTable::current(const QString &path, QString *error)
{
    struct Cached
    {
        QString path;
        LogFile::Stamp stamp;
        bool valid = false;
        QString error;
        AbbeyTable table;
    };
    static Cached cached;
    const LogFile::Stamp stamp = LogFile::stampOf(path);
    if (!cached.valid || cached.path != path || cached.stamp != stamp || !stamp.exists) {
        cached.path = path;
        cached.stamp = stamp;
        cached.valid = true;
        cached.table = read(path, &cached.error);
        ++s_reads;
    }
    if (error)
        *error = cached.error;
    return cached.table;
}

const AbbeyTable::Entry *AbbeyTable::find(QStringView reference) const
{
    const auto at = m_index.constFind(key(reference));
    return at == m_index.cend() ? nullptr : &m_entries.at(*at);
}
