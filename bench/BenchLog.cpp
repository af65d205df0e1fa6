#include "BenchLog.h"

#include "logstore/Cp1252.h"
#include "logstore/LogFile.h"
#include "logstore/QsoRecord.h"

#include <QDateTime>
#include <QFile>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <memory>
#include <random>

namespace {

template<typename T, std::size_t N>
const T &pick(std::mt19937 &rng, const T (&from)[N])
{
    return from[std::uniform_int_distribution<std::size_t>(0, N - 1)(rng)];
}

QByteArray makeLine(std::mt19937 &rng, const QDateTime &when)
{
    static const char *const prefixes[] = {"F", "F4", "F5", "F6", "F8", "TM", "ON4", "ON7",
                                           "DL1", "DK5", "G3", "EA3", "I2", "HB9", "LX1"};
    static const QString firstNames[] = {
        QStringLiteral("Jean-François"), QStringLiteral("Hélène"), QStringLiteral("Gérard"),
        QStringLiteral("Cécile"), QStringLiteral("Benoît"), QStringLiteral("Zoé"),
        QStringLiteral("Jérôme"), QStringLiteral("Noël"), QStringLiteral("André"),
        QStringLiteral("Michel"), QStringLiteral("Françoise"), QStringLiteral("Raphaël")};
    // Blank reference and name: a QSO with no abbey on the air.
    static const QString abbeys[] = {
        QString(), QString(), QString(),
        QStringLiteral("Abbaye Notre-Dame de Sénanque"), QStringLiteral("Abbaye de Cîteaux"),
        QStringLiteral("Abbaye de Saint-Benoît-sur-Loire"), QStringLiteral("Abbaye de Fontenay"),
        QStringLiteral("Prieuré de Ganagobie"), QStringLiteral("Abbaye de Sainte-Marie-du-Désert"),
        QStringLiteral("Abbaye d'Hautecombe"), QStringLiteral("Abbaye Notre-Dame de Lérins"),
        QStringLiteral("Abbaye Saint-Étienne de Caen (Abbaye aux Hommes), Calvados"),
        QStringLiteral("Abbaye de Noirlac"), QStringLiteral("Abbaye de Sylvanès")};
    static const char *const modes[] = {"SSB", "CW", "FM", "FT8", "RTY"};
    static const char *const bands[] = {"80m", "40m", "20m", "17m", "15m", "10m", "2m", "70cm"};

    std::uniform_int_distribution<int> letter('A', 'Z');
    QString call = QString::fromLatin1(pick(rng, prefixes));
    for (int i = 0, n = 2 + int(rng() % 2); i < n; ++i)
        call += QChar(letter(rng));
    if (rng() % 20 == 0)
        call += QStringLiteral("/P");

    const QString locator = QString(QChar('A' + int(rng() % 18))) + QChar('A' + int(rng() % 18))
                            + QString::number(rng() % 100).rightJustified(2, QLatin1Char('0'));
    const std::size_t abbey = rng() % std::size(abbeys);
    const QString reference = abbeys[abbey].isEmpty()
        ? QString() : QStringLiteral("FA-%1").arg(abbey * 37, 3, 10, QLatin1Char('0'));
    const bool cw = rng() % 4 == 0;

    QsoRecord r;
    r.setField(QsoRecord::Indicatif, call);
    r.setField(QsoRecord::Locator, locator);
    r.setField(QsoRecord::Prenom, pick(rng, firstNames));
    r.setField(QsoRecord::Reference, reference);
    r.setField(QsoRecord::Date, when.toString(QStringLiteral("dd/MM/yy")));
    r.setField(QsoRecord::Heure, when.toString(QStringLiteral("HH:mm")));
    r.setField(QsoRecord::Mode, QString::fromLatin1(cw ? "CW" : pick(rng, modes)));
    r.setField(QsoRecord::Bande, QString::fromLatin1(pick(rng, bands)));
    r.setField(QsoRecord::RstRecu, QString::fromLatin1(cw ? "599" : "59"));
    r.setField(QsoRecord::RstEnvoye, QString::fromLatin1(cw ? "579" : "57"));
    r.setField(QsoRecord::NomAbbaye, abbeys[abbey]);
    r.setField(QsoRecord::Qsl, QString::fromLatin1(rng() % 3 ? "*" : " "));

    const QByteArray line = Cp1252::encode(r.toLogLine());
    if (line.size() != QsoRecord::LogLineLength) {
        std::fprintf(stderr, "generated line is %lld bytes long\n", qlonglong(line.size()));
        std::abort();
    }
    return line;
}

} // namespace

// Writes the file beside `path`, syncs it and renames it over `path`: the plain
// version of what every rewrite does.
bool writeSynced(const QString &path, const QByteArray &content)
{
    const QByteArray target = QFile::encodeName(path);
    const QByteArray tmp = target + ".copy";
    const int fd = ::open(tmp.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    const char *p = content.constData();
    qsizetype left = content.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, size_t(left));
        if (n <= 0) {
            ::close(fd);
            return false;
        }
        p += n;
        left -= n;
    }
    const bool synced = ::fsync(fd) == 0;
    return ::close(fd) == 0 && synced && ::rename(tmp.constData(), target.constData()) == 0;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// One chronological log per size, generated once and shared by every benchmark.
BenchLog &benchLog(int count)
{
    static std::map<int, std::unique_ptr<BenchLog>> logs;
    std::unique_ptr<BenchLog> &log = logs[count];
    if (log)
        return *log;
    log = std::make_unique<BenchLog>();
    log->count = count;
    log->path = log->dir.filePath(LogFile::fileName(QStringLiteral("F4ZEL")));

    std::mt19937 rng(count);
    std::uniform_int_distribution<int> gap(3, 240); // minutes; never two QSOs in the same minute
    QDateTime when(QDate(1996, 3, 1), QTime(8, 0), Qt::UTC);
    QList<QByteArray> lines;
    lines.reserve(count);
    for (int i = 0; i < count; ++i) {
        lines.append(makeLine(rng, when));
        if (i == count / 2) {
            log->middle = lines.last();
            log->between = makeLine(rng, when.addSecs(60));
        }
        when = when.addSecs(60 * gap(rng));
    }
    log->edited = log->middle;
    log->edited[QsoRecord::LogLineLength - 1] = log->middle.endsWith('*') ? ' ' : '*';
    log->content = Cp1252::joinLines(lines);
    if (!writeSynced(log->path, log->content)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(log->path));
        std::abort();
    }
    return *log;
}

