#include "refdata/FirstNameList.h"

#include "logstore/Cp1252.h"
#include "refdata/FirstNameWriter.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstring>

namespace {

// An index entry: 28 bits of the callsign's hash above 36 bits of the line's offset
// (lists up to 64 GiB), so that sorting the entries groups a callsign's lines in
// file order.
constexpr int OffsetBits = 36;
constexpr quint64 OffsetMask = (quint64(1) << OffsetBits) - 1;

quint64 hashUnits(QStringView s)
{
    quint64 h = 1469598103934665603ULL; // FNV-1a
    for (const QChar c : s) {
        h ^= c.unicode();
        h *= 1099511628211ULL;
    }
    return h;
}

// The hash of a line's columns 1-12 as the look-up compares them: decoded, trimmed.
quint64 hashOfColumns(QByteArrayView columns)
{
    bool plain = true;
    for (const char c : columns) {
        if (uchar(c) < 0x20 || uchar(c) > 0x7E) {
            plain = false;
            break;
        }
    }
    if (!plain)
        return hashUnits(Cp1252::decode(columns).trimmed());
    // The usual line, printable ASCII: its bytes are its characters.
    qsizetype from = 0, to = columns.size();
    while (from < to && columns[from] == ' ')
        ++from;
    while (to > from && columns[to - 1] == ' ')
        --to;
    quint64 h = 1469598103934665603ULL;
    for (qsizetype i = from; i < to; ++i) {
        h ^= uchar(columns[i]);
        h *= 1099511628211ULL;
    }
    return h;
}

quint64 entry(quint64 hash, qint64 offset) { return (hash >> OffsetBits << OffsetBits) | (quint64(offset) & OffsetMask); }

} // namespace

FirstNameList::FirstNameList(QString path) : m_path(std::move(path)) {}

quint64 FirstNameList::hashOf(QStringView callsign) { return hashUnits(callsign); }

void FirstNameList::refresh()
{
    const LogFile::Stamp stamp = LogFile::stampOf(m_path);
    if (m_indexed && stamp == m_stamp)
        return;
    m_indexed = true;
    m_stamp = stamp;
    m_index.clear();
    if (!stamp.exists || !QFileInfo(m_path).isFile())
        return; // a missing list (or a pipe, never read) holds nobody
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    ++m_reads;
    // A line of the list is at least a callsign and four blanks: reserved once.
    m_index.reserve(size_t(stamp.size / 18 + 1));
    // Read a block at a time: only the first 12 bytes of each line are kept, with
    // the line's offset, never the list itself.
    constexpr qint64 Block = 1 << 20;
    QByteArray block(Block, Qt::Uninitialized);
    QByteArray columns; // the first bytes of the line being read
    qint64 lineStart = 0;
    qint64 at = 0; // offset of block[0]
    bool inLine = false;
    for (;;) {
        const qint64 n = file.read(block.data(), Block);
        if (n <= 0)
            break;
        const char *data = block.constData();
        qint64 i = 0;
        while (i < n) {
            const void *hit = std::memchr(data + i, '\n', size_t(n - i));
            const qint64 end = hit ? static_cast<const char *>(hit) - data : n;
            if (!inLine && hit) {
                // The usual line, whole within the block: hashed where it lies.
                m_index.push_back(entry(hashOfColumns(QByteArrayView(data + i, std::min<qint64>(end - i, CallsignWidth))),
                                        at + i));
                i = end + 1;
                continue;
            }
            if (!inLine) {
                inLine = true;
                lineStart = at + i;
                columns.clear();
            }
            if (columns.size() < CallsignWidth)
                columns.append(data + i, std::min<qint64>(end - i, CallsignWidth - columns.size()));
            if (!hit) {
                i = n;
                break;
            }
            m_index.push_back(entry(hashOfColumns(columns), lineStart));
            inLine = false;
            i = end + 1;
        }
        at += n;
    }
    if (inLine)
        m_index.push_back(entry(hashOfColumns(columns), lineStart));
    std::sort(m_index.begin(), m_index.end());
    if (m_index.capacity() > m_index.size() + m_index.size() / 4 + 1024)
        m_index.shrink_to_fit();
}

QList<QByteArray> FirstNameList::candidates(QStringView callsign)
{
    refresh();
    QList<QByteArray> lines;
    const quint64 low = entry(hashOf(callsign), 0);
    const quint64 high = low | OffsetMask;
    const auto first = std::lower_bound(m_index.cbegin(), m_index.cend(), low);
    const auto last = std::upper_bound(first, m_index.cend(), high);
    if (first == last)
        return lines;
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return lines;
    for (auto it = last; it != first;) {
        --it;
        if (!file.seek(qint64(*it & OffsetMask)))
            continue;
        QByteArray line = file.readLine();
        if (line.endsWith('\n')) {
            line.chop(1);
            if (line.endsWith('\r'))
                line.chop(1);
        }
        lines.append(line);
    }
    return lines;
}

FirstNameList::Lookup FirstNameList::Cherche_Prenom(const QString &callsign)
{
    Lookup result;
    m_prenomAAjouter = true;
    // Lines that only share the callsign's hash are told apart here.
    for (const QByteArray &raw : candidates(callsign)) {
        const QString line = Cp1252::decode(raw);
        if (line.mid(0, CallsignWidth).trimmed() != callsign)
            continue;
        result.found = true;
        result.firstName = line.mid(FirstNameStart - 1).toUpper();
        m_prenomAAjouter = false;
        break; // the candidates come last line first
    }
    return result;
}

AtomicFile::Result FirstNameList::Maj_Liste_Prenom(const QString &record)
{
    // A name the list cannot hold would come back as another name (or break the
    // line): say which character, and keep the list as it is.
    const QString refused = Cp1252::refusal(record);
    if (!refused.isEmpty())
        return {false, refused};
    const QByteArray encoded = Cp1252::encode(record);
    const QByteArray key = encoded.left(CallsignWidth);
    // The usual case, a station already listed with this name, needs neither the lock
    // nor a rewrite: the index finds the station's lines.
    if (key.size() == CallsignWidth) {
        bool listed = false;
        bool same = true;
        for (const QByteArray &raw : candidates(Cp1252::decode(key).trimmed())) {
            if (raw.startsWith(key)) {
                listed = true;
                same = same && raw == encoded;
            }
        }
        if (listed && same) {
            m_prenomAAjouter = false;
            return {};
        }
    }
    FirstNameWriter writer(m_path);
    const FirstNameWriter::Status status = writer.open(m_lockTimeout);
    if (status == FirstNameWriter::Status::Unreadable)
        return {false, tr("Impossible de lire la liste des prénoms %1 :\r\n%2")
                           .arg(QFileInfo(m_path).fileName(), writer.reason())};
    if (status != FirstNameWriter::Status::Ready) {
        const QString why = status == FirstNameWriter::Status::HeldByOther
            ? tr("la liste est en cours de modification par une autre copie de KVR_ZEL.")
            : writer.reason();
        return {false, tr("Impossible d'enregistrer la liste des prénoms %1 :\r\n%2")
                           .arg(QFileInfo(m_path).fileName(), why)};
    }
    // The flag says the last lookup missed this callsign; but a QSO opened for
    // editing is committed without a lookup, so the list itself has the last word:
    // a callsign is appended only when no line holds it yet, and never twice.
    writer.put(encoded, FirstNameWriter::EmptyName::Replaces);
    const AtomicFile::Result r = writer.commit();
    if (!r.ok) {
        return {false, tr("Impossible d'enregistrer la liste des prénoms %1 :\r\n%2")
                           .arg(QFileInfo(m_path).fileName(), r.error)};
    }
    m_prenomAAjouter = false;
    return r;
}

QString FirstNameList::record(const QString &callsign, const QString &firstName)
{
    return callsign.leftJustified(CallsignWidth, QLatin1Char(' '), true) + QStringLiteral("    ")
         + firstName.toUpper();
}
