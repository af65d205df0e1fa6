#include "logstore/LogRewriter.h"

#include "logstore/Cp1252.h"

#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QLoggingCategory>
#include <QSaveFile>

Q_LOGGING_CATEGORY(lcLogStore, "zel.logstore")

namespace {

QString failure(const QString &path, const QString &why)
{
    return QStringLiteral("Impossible d'enregistrer le journal %1 :\r\n%2\r\n\r\n"
                          "Le journal n'a pas été modifié et la saisie est conservée.")
        .arg(QFileInfo(path).fileName(), why);
}

int digits(const QByteArray &line, int from, int count, bool *ok)
{
    int v = 0;
    for (int i = from; i < from + count; ++i) {
        if (i >= line.size() || line.at(i) < '0' || line.at(i) > '9') {
            *ok = false;
            return 0;
        }
        v = v * 10 + (line.at(i) - '0');
    }
    return v;
}

} // namespace

LogRewriter::LogRewriter(QString logPath) : m_path(std::move(logPath)) {}

QList<QByteArray> LogRewriter::appended(QList<QByteArray> lines, const QByteArray &newLine)
{
    // A plain-entry QSO carries the clock's date and time, so it belongs after
    // every QSO already logged: always at the end.
    lines.append(newLine);
    return lines;
}

QList<QByteArray> LogRewriter::replaced(QList<QByteArray> lines, const QByteArray &newLine,
                                        const QByteArray &oldLine)
{
    const qsizetype at = lines.indexOf(oldLine);
    if (at >= 0)
        lines[at] = newLine;
    else
        lines.append(newLine);
    return lines;
}

QList<QByteArray> LogRewriter::removed(const QList<QByteArray> &lines, const QByteArray &line)
{
    QList<QByteArray> out;
    out.reserve(lines.size());
    for (const QByteArray &l : lines) {
        if (l != line)
            out.append(l);
    }
    return out;
}

QList<QByteArray> LogRewriter::inserted(const QList<QByteArray> &lines, const QByteArray &newLine)
{
    const qint64 when = timestamp(newLine);
    QList<QByteArray> out;
    out.reserve(lines.size() + 1);
    bool written = false;
    for (const QByteArray &l : lines) {
        if (!written && timestamp(l) >= when) {
            out.append(newLine);
            written = true;
        }
        out.append(l);
    }
    if (!written)
        out.append(newLine);
    return out;
}

qint64 LogRewriter::timestamp(const QByteArray &line)
{
    bool ok = true;
    const int day = digits(line, 41, 2, &ok);
    const int month = digits(line, 44, 2, &ok);
    const int yy = digits(line, 47, 2, &ok);
    const int hour = digits(line, 50, 2, &ok);
    const int minute = digits(line, 53, 2, &ok);
    if (!ok)
        return -1;
    const int year = yy >= 50 ? 1900 + yy : 2000 + yy;
    // Dates such as 31/02/07 pass the entry check; count them from the first of
    // the month so they still order sensibly.
    const QDate first(year, qBound(1, month, 12), 1);
    const qint64 days = QDate(1950, 1, 1).daysTo(first) + qMax(day, 1) - 1;
    return days * 1440 + hour * 60 + minute;
}

LogRewriter::Result LogRewriter::writeAtomically(const QString &path, const QByteArray &content)
{
    QSaveFile out(path);
    out.setDirectWriteFallback(false);
    if (!out.open(QIODevice::WriteOnly))
        return {false, out.errorString()};
    if (out.write(content) != content.size()) {
        const QString why = out.errorString();
        out.cancelWriting();
        return {false, why};
    }
    if (!out.commit())
        return {false, out.errorString()};
    return {};
}

LogRewriter::Result LogRewriter::rewrite(const std::function<QList<QByteArray>(QList<QByteArray>)> &change)
{
    QLockFile lock(m_path + QStringLiteral(".lock"));
    lock.setStaleLockTime(30000);
    if (!lock.tryLock(5000)) {
        return {false, failure(m_path, QStringLiteral("le journal est en cours de modification "
                                                      "par une autre copie de KVR_ZEL."))};
    }
    QList<QByteArray> lines;
    QFile in(m_path);
    if (in.exists()) {
        if (!in.open(QIODevice::ReadOnly))
            return {false, failure(m_path, in.errorString())};
        lines = Cp1252::splitLines(in.readAll());
        in.close();
    }
    const Result r = writeAtomically(m_path, Cp1252::joinLines(change(std::move(lines))));
    if (!r.ok) {
        qCWarning(lcLogStore) << "rewrite of" << m_path << "failed:" << r.error;
        return {false, failure(m_path, r.error)};
    }
    return r;
}

LogRewriter::Result LogRewriter::Ajoute_QSO_Log(const QByteArray &newLine)
{
    return rewrite([&](QList<QByteArray> l) { return appended(std::move(l), newLine); });
}

LogRewriter::Result LogRewriter::Remplace_QSO_Log(const QByteArray &newLine, const QByteArray &oldLine)
{
    return rewrite([&](QList<QByteArray> l) { return replaced(std::move(l), newLine, oldLine); });
}

LogRewriter::Result LogRewriter::Supprime_QSO_Log(const QByteArray &line)
{
    return rewrite([&](QList<QByteArray> l) { return removed(l, line); });
}

LogRewriter::Result LogRewriter::Insere_QSO_Log(const QByteArray &newLine)
{
    return rewrite([&](QList<QByteArray> l) { return inserted(l, newLine); });
}
