#include "logstore/LogFile.h"

#include "logstore/Cp1252.h"
#include "logstore/QsoRecord.h"

#include <QFile>

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
    c.lines = Cp1252::splitLines(f.readAll());
    return c;
}

bool LogFile::isWellFormed(const QByteArray &line)
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
