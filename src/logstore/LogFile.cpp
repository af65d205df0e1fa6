#include "logstore/LogFile.h"

#include "logstore/Cp1252.h"
#include "logstore/QsoRecord.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

#include <algorithm>

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
    // No control character: the smallest byte of the line, taken without an early
    // exit so the loop stays cheap on long logs.
    unsigned char smallest = 0xFF;
    for (char ch : line)
        smallest = std::min(smallest, static_cast<unsigned char>(ch));
    return smallest >= 0x20;
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
