#include "logstore/LogFile.h"

#include "logstore/Cp1252.h"
#include "logstore/QsoRecord.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

#include <algorithm>
#include <cstring>

LogFile::Content LogFile::read(const QString &path)
{
    Content c;
    QFile f(path);
    if (!f.exists())
        return c;
    c.exists = true;
    if (!f.open(QIODevice::ReadOnly)) {
        c.error = f.errorString();
        return c;
    }
    const QByteArray content = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        c.error = f.errorString();
        return c;
    }
    c.lines = Cp1252::splitLines(content);
    return c;
}

bool LogFile::isWellFormed(QByteArrayView line)
{
    if (line.size() != QsoRecord::LogLineLength)
        return false;
    // No control character (a byte below 0x20): eight bytes at a time, since every
    // line of a long log is checked at each load.
    constexpr quint64 ones = 0x0101010101010101ULL;
    constexpr quint64 highs = 0x8080808080808080ULL;
    const char *p = line.data();
    const qsizetype words = line.size() / 8;
    quint64 seen = 0;
    for (qsizetype i = 0; i < words; ++i) {
        quint64 w;
        std::memcpy(&w, p + i * 8, 8);
        // A byte below 0x20 that is not above 0x7F sets its high bit here.
        seen |= (w - ones * 0x20) & ~w & highs;
    }
    if (seen)
        return false;
    for (qsizetype i = words * 8; i < line.size(); ++i) {
        if (static_cast<unsigned char>(p[i]) < 0x20)
            return false;
    }
    return true;
}

QList<int> LogFile::malformedLines(const QList<QByteArray> &lines)
{
    QList<int> bad;
    for (int i = 0; i < lines.size(); ++i) {
        if (!isWellFormed(lines.at(i)))
            bad.append(i + 1);
    }
    return bad;
}

bool LogFile::isValidCallsign(const QString &callsign)
{
    if (callsign.isEmpty() || callsign.size() > 12)
        return false;
    for (const QChar c : callsign) {
        const bool allowed = (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            || (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('_');
        if (!allowed)
            return false;
    }
    return true;
}

QString LogFile::Indicatif_Affiche(const QString &callsign)
{
    QString shown = callsign;
    shown.replace(QLatin1Char('_'), QLatin1Char('/'));
    return shown;
}

LogFile::Stamp LogFile::stampOf(const QString &path)
{
    Stamp st;
#ifdef Q_OS_UNIX
    struct stat sb;
    if (::stat(QFile::encodeName(path).constData(), &sb) != 0)
        return st;
    st.exists = true;
    st.inode = quint64(sb.st_ino);
    st.size = qint64(sb.st_size);
    st.modifiedNs = qint64(sb.st_mtim.tv_sec) * 1000000000 + sb.st_mtim.tv_nsec;
#else
    const QFileInfo info(path);
    if (!info.exists())
        return st;
    st.exists = true;
    st.size = info.size();
    st.modifiedNs = info.lastModified().toMSecsSinceEpoch() * 1000000;
#endif
    return st;
}
