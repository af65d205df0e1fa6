// The already-contacted and new-region lookups made at every reference typed:
// on the lines the session holds, next to reading the log and decoding every line
// as each lookup used to, on logs of 9,999 and 99,999 QSOs. The reference looked
// up is in no QSO, so every line is visited.

#include "logstore/Cp1252.h"
#include "logstore/LogFile.h"
#include "logstore/LogSession.h"
#include "logstore/QsoRecord.h"
#include "logstore/Settings.h"
#include "refdata/LogLookups.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

namespace {

struct OpenLog {
    QTemporaryDir dir;
    std::unique_ptr<Settings> settings;
    std::unique_ptr<LogSession> session;
};

OpenLog &openLog(int count)
{
    static std::map<int, std::unique_ptr<OpenLog>> logs;
    std::unique_ptr<OpenLog> &log = logs[count];
    if (log)
        return *log;
    log = std::make_unique<OpenLog>();
    static const char *const refs[] = {"PM0001", "LB0002", "VN0004", "TO0007", "AZ0001", "LZ0010"};
    QList<QByteArray> lines;
    for (int i = 0; i < count; ++i) {
        QsoRecord r;
        r.setField(QsoRecord::Indicatif, QStringLiteral("I%1ABC").arg(i % 10));
        r.setField(QsoRecord::Prenom, QStringLiteral("GÉRARD"));
        r.setField(QsoRecord::Reference, QString::fromLatin1(refs[i % 6]));
        r.setField(QsoRecord::Date, QStringLiteral("12/03/07"));
        r.setField(QsoRecord::Heure, QStringLiteral("10:00"));
        r.setField(QsoRecord::NomAbbaye, QStringLiteral("ABBAZIA DI SAN NICOLÒ"));
        r.setField(QsoRecord::Qsl, QStringLiteral("*"));
        lines << r.toLogBytes().bytes;
    }
    QFile f(log->dir.filePath(QStringLiteral("F4ZEL_ZEL.log")));
    if (!f.open(QIODevice::WriteOnly) || f.write(Cp1252::joinLines(lines)) < 0)
        std::abort();
    f.close();
    log->settings = std::make_unique<Settings>(log->dir.filePath(QStringLiteral("zel.ini")));
    log->settings->write(Settings::CommonSection, Settings::KeyCallsign, QStringLiteral("F4ZEL"));
    log->session = std::make_unique<LogSession>(*log->settings, log->dir.path());
    log->session->openStation();
    if (log->session->lineCount() != count)
        std::abort();
    return *log;
}

// Each lookup as it used to be: the log read, every line decoded and cut.
void BM_Baseline_ReadDecodeLookups(benchmark::State &state)
{
    OpenLog &log = openLog(int(state.range(0)));
    const QString path = log.session->logPath();
    for (auto _ : state) {
        bool found = false;
        for (int pass = 0; pass < 2; ++pass) {
            for (const QByteArray &raw : LogFile::read(path).lines) {
                const QString line = Cp1252::decode(raw);
                found = found || (pass == 0 ? line.mid(34, 6) == QLatin1String("SD9999")
                                            : line.mid(34, 2) == QLatin1String("SD"));
            }
        }
        if (found)
            state.SkipWithError("the reference should not be in the log");
    }
}

void BM_Lookups(benchmark::State &state)
{
    OpenLog &log = openLog(int(state.range(0)));
    for (auto _ : state) {
        const LogLookups::Contact c = LogLookups::Deja_Contacte(*log.session, QStringLiteral("SD9999"));
        const LogLookups::Region r = LogLookups::Cherche_Region(*log.session, QStringLiteral("SD"));
        if (c.found || r.found)
            state.SkipWithError("the reference should not be in the log");
    }
}

BENCHMARK(BM_Baseline_ReadDecodeLookups)->Arg(9999)->Arg(99999)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Lookups)->Arg(9999)->Arg(99999)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
