#pragma once

// Log lines and files as the tests write them by hand: 138 Windows-1252 bytes per
// QSO, fields where the log's columns put them, CR LF line ends.

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>

namespace zeltest {

inline QByteArray readBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A golden file of tests/fixtures as the program writes it: the program's version,
// which the files do not carry, put in where they hold "@VERSION@" (its length where
// they hold "@VERSION_LENGTH@").
inline QByteArray goldenBytes(const QString &path, const QString &revision)
{
    const QByteArray version = revision.trimmed().toLatin1();
    return readBytes(path)
        .replace("@VERSION_LENGTH@", QByteArray::number(version.size()))
        .replace("@VERSION@", version);
}

inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

inline QByteArray crlf(const QList<QByteArray> &lines)
{
    QByteArray out;
    for (const QByteArray &l : lines)
        out += l + "\r\n";
    return out;
}

inline QByteArray pad(const QByteArray &value, int width) { return value.leftJustified(width, ' '); }

// One QSO as the log holds it: 138 Windows-1252 bytes, fields separated by one blank.
struct Qso
{
    QByteArray call, loc, name, ref, date, time;
    QByteArray mode = "SSB", band = "14 Mhz", rstR = "59", rstE = "59", abbey;
    bool qsl = false;

    QByteArray line() const
    {
        return pad(call, 12) + ' ' + pad(loc, 4) + ' ' + pad(name, 15) + ' ' + pad(ref, 6) + ' '
            + pad(date, 8) + ' ' + pad(time, 5) + ' ' + pad(mode, 3) + ' ' + pad(band, 7) + ' '
            + pad(rstR, 3) + ' ' + pad(rstE, 3) + ' ' + pad(abbey, 60) + ' ' + (qsl ? '*' : ' ');
    }
};

inline Qso qso(const QByteArray &call, const QByteArray &ref, const QByteArray &date,
               const QByteArray &time)
{
    Qso q;
    q.call = call;
    q.ref = ref;
    q.date = date;
    q.time = time;
    return q;
}

// "Liste_Abbayes.txt": reference 1-6, name 8-67, locator 69-72.
inline QByteArray abbeyLine(const QByteArray &ref, const QByteArray &name, const QByteArray &loc)
{
    return pad(ref, 6) + ' ' + pad(name, 60) + ' ' + loc;
}

} // namespace zeltest
