#include "logstore/LogFile.h"

#include "logstore/Cp1252.h"
#include "logstore/QsoRecord.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <cstring>

LogFile::Content LogFile::read(const QString &path)
{
    Content c;
    const Bytes bytes = readBytes(path);
    c.exists = bytes.exists;
    c.error = bytes.error;
    if (c.error.isEmpty())
        c.lines = Cp1252::splitLines(bytes.content);
    return c;
}

QString LogFile::notRegularMessage()
{
    return QCoreApplication::translate("LogFile", "ce n'est pas un fichier ordinaire (un tube, un périphérique ou un dossier porte "
                          "ce nom) : il n'a pas été lu.");
}

#ifdef Q_OS_UNIX

namespace {

LogFile::Stamp stampFrom(const struct stat &sb)
{
    LogFile::Stamp st;
    st.exists = true;
    st.inode = quint64(sb.st_ino);
    st.size = qint64(sb.st_size);
    st.modifiedNs = qint64(sb.st_mtim.tv_sec) * 1000000000 + sb.st_mtim.tv_nsec;
    st.changedNs = qint64(sb.st_ctim.tv_sec) * 1000000000 + sb.st_ctim.tv_nsec;
    return st;
}

// Opens a regular file for reading without ever waiting on anything else: -1 with
// *missing set when nothing is there, -1 with error set when it cannot be read.
int openRegular(const QString &path, struct stat *sb, bool *missing, QString *error)
{
    *missing = false;
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int why = errno;
        if (why == ENOENT)
            *missing = true;
        else
            *error = qt_error_string(why);
        return -1;
    }
    if (::fstat(fd, sb) != 0 || !S_ISREG(sb->st_mode)) {
        ::close(fd);
        *error = LogFile::notRegularMessage();
        return -1;
    }
    return fd;
}

// Reads up to size bytes; fewer only at the end of the file or on an error (-1).
qint64 readFully(int fd, char *to, qint64 size)
{
    qint64 done = 0;
    while (done < size) {
        const ssize_t n = ::read(fd, to + done, size_t(size - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        done += n;
    }
    return done;
}

} // namespace

LogFile::Bytes LogFile::readBytes(const QString &path)
{
    Bytes b;
    struct stat sb;
    bool missing = false;
    const int fd = openRegular(path, &sb, &missing, &b.error);
    if (fd < 0) {
        b.exists = !missing;
        return b;
    }
    b.exists = true;
    b.stamp = stampFrom(sb);
    // The size read first; a file that grew meanwhile is read to its end all the same.
    qint64 capacity = qMax<qint64>(sb.st_size, 0) + 1;
    b.content.resize(capacity);
    qint64 filled = 0;
    for (;;) {
        const qint64 n = readFully(fd, b.content.data() + filled, capacity - filled);
        if (n < 0) {
            b.error = qt_error_string(errno);
            b.content.clear();
            break;
        }
        filled += n;
        if (filled < capacity)
            break;
        capacity = capacity * 2;
        b.content.resize(capacity);
    }
    ::close(fd);
    if (b.error.isEmpty())
        b.content.truncate(filled);
    return b;
}

LogFile::Match LogFile::compare(const QString &path, const QByteArray &content, QString *error)
{
    struct stat sb;
    bool missing = false;
    QString why;
    const int fd = openRegular(path, &sb, &missing, &why);
    if (error)
        *error = why;
    if (fd < 0)
        return Match::Different;
    if (qint64(sb.st_size) != content.size()) {
        ::close(fd);
        return Match::Different;
    }
    // Read in pieces the size of a fast disk's burst: the comparison holds little beside the log.
    constexpr qint64 Piece = 256 << 10;
    QByteArray buffer(int(qMin<qint64>(Piece, content.size() + 1)), Qt::Uninitialized);
    qint64 at = 0;
    Match result = Match::Same;
    for (;;) {
        const qint64 n = readFully(fd, buffer.data(), buffer.size());
        if (n < 0) {
            if (error)
                *error = qt_error_string(errno);
            result = Match::Different;
            break;
        }
        if (n > content.size() - at || std::memcmp(buffer.constData(), content.constData() + at, size_t(n)) != 0) {
            result = Match::Different;
            break;
        }
        at += n;
        if (n < buffer.size()) {
            if (at != content.size())
                result = Match::Different;
            break;
        }
    }
    ::close(fd);
    return result;
}

#else

LogFile::Bytes LogFile::readBytes(const QString &path)
{
    Bytes b;
    QFile f(path);
    if (!f.exists())
        return b;
    b.exists = true;
    b.stamp = stampOf(path);
    if (!f.open(QIODevice::ReadOnly)) {
        b.error = f.errorString();
        return b;
    }
    b.content = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        b.error = f.errorString();
        b.content.clear();
    }
    return b;
}

LogFile::Match LogFile::compare(const QString &path, const QByteArray &content, QString *error)
{
    const Bytes b = readBytes(path);
    if (error)
        *error = b.error;
    return b.exists && b.error.isEmpty() && b.content == content ? Match::Same : Match::Different;
}

#endif

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
    return stampFrom(sb);
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

QByteArray LogFile::baseCallsign(QByteArrayView callsign)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; };
    QByteArrayView best;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= callsign.size(); ++i) {
        if (i == callsign.size() || callsign[i] == '/' || callsign[i] == '_') {
            QByteArrayView part = callsign.sliced(start, i - start);
            while (!part.isEmpty() && blank(part.front()))
                part = part.sliced(1);
            while (!part.isEmpty() && blank(part.back()))
                part.chop(1);
            if (part.size() > best.size())
                best = part;
            start = i + 1;
        }
    }
    QByteArray out = best.toByteArray();
    for (char &c : out) {
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    }
    return out;
}

QString LogFile::baseCallsign(const QString &callsign)
{
    // A callsign is ASCII; any other character is kept as it is, in its part.
    return QString::fromUtf8(baseCallsign(QByteArrayView(callsign.toUtf8())));
}
