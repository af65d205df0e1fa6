// A full disk while the log, the first-name list or a new station's log is
// written: the old file stays byte for byte, the operator reads that the disk is
// full, and nothing is claimed saved. Two ways to fill the disk: a 64 KB tmpfs
// (root only, skipped where mounting is not allowed) and a file-size limit in a
// child process (any user).

#include "app/Harness.h"
#include "logstore/Faults.h"
#include "logstore/LogRewriter.h"
#include "logstore/LogSession.h"
#include "logstore/Settings.h"
#include "refdata/FirstNameList.h"
#include "station/StationService.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace zeltest;

namespace {

const QByteArray A = qso("I1AAA", "PM0001", "10/01/07", "10:00").line();
const QByteArray B = qso("I2BBB", "LB0001", "14/01/07", "09:05").line();
const QByteArray C = qso("I3CCC", "VN0001", "20/02/07", "18:30").line();
const QByteArray D = qso("I4DDD", "TO0007", "21/02/07", "08:00").line();
const QByteArray E = qso("F6NEW", "AZ0001", "22/02/07", "11:15").line();
const QByteArray Log = crlf({A, B, C, D});
const QByteArray Names = firstNameList();
// A template as large as a small log, so that the new log cannot fit either.
const QByteArray Template = crlf({A, B, C, D, A});

QString outcome(bool ok, const QString &error) { return ok ? QStringLiteral("ok") : error; }

} // namespace

class TestFullDisk : public QObject
{
    Q_OBJECT
private slots:
    void fullDisk_data();
    void fullDisk();
    void laterBlockFails();
};

void TestFullDisk::fullDisk_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("file");     // the file that must stay as it was
    QTest::addColumn<QString>("expected"); // what the message must say
    for (const char *way : {"tmpfs", "rlimit"}) {
        QTest::addRow("%s: log append", way) << way << "append" << "TEST1_ZEL.log"
                                             << "Impossible d'enregistrer le journal TEST1_ZEL.log";
        QTest::addRow("%s: log insert", way) << way << "insert" << "TEST1_ZEL.log"
                                             << "Impossible d'enregistrer le journal TEST1_ZEL.log";
        QTest::addRow("%s: log replace", way) << way << "replace" << "TEST1_ZEL.log"
                                              << "Impossible d'enregistrer le journal TEST1_ZEL.log";
        QTest::addRow("%s: first-name list", way) << way << "names" << "Liste_Prenom.txt"
                                                  << "Impossible d'enregistrer la liste des prénoms";
        QTest::addRow("%s: new station", way) << way << "station" << "TEST1_ZEL.log"
                                              << "Impossible de créer le journal TEST2_ZEL.log";
    }
}

void TestFullDisk::fullDisk()
{
    QFETCH(QString, way);
    QFETCH(QString, target);
    QFETCH(QString, file);
    QFETCH(QString, expected);

    QTemporaryDir base;
    QTemporaryDir conf;
    QVERIFY(base.isValid() && conf.isValid());
    const QString dir = base.filePath(QStringLiteral("disk"));
    SmallTmpfs tmpfs(dir);
    if (way == QLatin1String("tmpfs") && !tmpfs.isMounted())
        QSKIP("no tmpfs here (not root, or mounting is not allowed): the file-size limit runs instead");
    const QString ini = conf.filePath(QStringLiteral("zel.ini"));
    Settings(ini).write(Settings::CommonSection, Settings::KeyCallsign, QStringLiteral("TEST1"));

    const QString log = QDir(dir).filePath(QStringLiteral("TEST1_ZEL.log"));
    const QString names = QDir(dir).filePath(QStringLiteral("Liste_Prenom.txt"));
    QVERIFY(writeBytes(log, Log));
    QVERIFY(writeBytes(names, Names));
    QVERIFY(writeBytes(QDir(dir).filePath(QStringLiteral("FXXXX.txt")), Template));
    const QStringList before = QDir(dir).entryList(QDir::Files | QDir::Hidden);
    const QByteArray old = readBytes(QDir(dir).filePath(file));

    // Each operation answers with "ok" or its message, then what else it claimed.
    auto run = [&]() -> QByteArray {
        QString said;
        QString claimed;
        if (target == QLatin1String("names")) {
            FirstNameList list(names);
            list.Cherche_Prenom(QStringLiteral("F6NEW"));
            const AtomicFile::Result r =
                list.Maj_Liste_Prenom(FirstNameList::record(QStringLiteral("F6NEW"), QStringLiteral("Jean-Pierre")));
            said = outcome(r.ok, r.error);
            claimed = list.Prenom_A_Ajouter() ? QString() : QStringLiteral("name recorded");
        } else if (target == QLatin1String("station")) {
            Settings settings(ini);
            const StationService::Result r = StationService(settings, dir).validate(QStringLiteral("TEST2"));
            said = outcome(r.ok, r.message);
            if (settings.stationCallsign() != QLatin1String("TEST1") || r.created)
                claimed = QStringLiteral("station changed");
        } else if (target == QLatin1String("replace")) {
            const LogRewriter::Result r = LogRewriter(log).Remplace_QSO_Log(E, B);
            said = outcome(r.ok, r.error);
        } else {
            Settings settings(ini);
            LogSession session(settings, dir);
            session.openStation();
            QSignalSpy changed(&session, &LogSession::logChanged);
            const AtomicFile::Result r =
                target == QLatin1String("append") ? session.append(E) : session.insert(E);
            said = outcome(r.ok, r.error);
            if (session.lineCount() != 4 || !changed.isEmpty())
                claimed = QStringLiteral("session changed");
        }
        return (said + QLatin1Char('\n') + claimed).toUtf8();
    };

    QByteArray answer;
    if (way == QLatin1String("tmpfs")) {
        tmpfs.fill();
        answer = run();
        QFile::remove(QDir(dir).filePath(QStringLiteral("filler")));
    } else {
        // No room for a new copy of the file, even one of the same size.
        answer = inChild(fileSizeLimit(old.size() - 10), run);
    }
    const QString said = QString::fromUtf8(answer).section(QLatin1Char('\n'), 0, -2);
    const QString claimed = QString::fromUtf8(answer).section(QLatin1Char('\n'), -1);

    QVERIFY2(said.contains(expected), qPrintable(said));
    QVERIFY2(said.contains(QStringLiteral("le disque est plein")), qPrintable(said));
    QCOMPARE(claimed, QString());
    QCOMPARE(readBytes(QDir(dir).filePath(file)), old);
    QCOMPARE(readBytes(log), Log);
    QCOMPARE(readBytes(names), Names);
    // No half-written copy, no lock and no new log left behind.
    QCOMPARE(QDir(dir).entryList(QDir::Files | QDir::Hidden), before);
    QCOMPARE(Settings(ini).stationCallsign(), QStringLiteral("TEST1"));
}

// A file written a block at a time: the disk fills after the first blocks went
// out. The old file stays, no copy is left, and the producer is told to stop.
void TestFullDisk::laterBlockFails()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("F6ABC_ZEL.adi"));
    const QByteArray old("the export of yesterday\r\n");
    QVERIFY(writeBytes(path, old));
    const QByteArray block(256 * 1024, 'x');
    const QByteArray answer = inChild(fileSizeLimit(3 * block.size() + 100), [&] {
        int handed = 0;
        const AtomicFile::Result r = AtomicFile::write(path, [&](const AtomicFile::Sink &sink) {
            for (int i = 0; i < 8; ++i) {
                ++handed;
                if (!sink(block))
                    return false;
            }
            return true;
        });
        return (outcome(r.ok, r.error) + QLatin1Char('\n') + QString::number(handed)).toUtf8();
    });
    const QString said = QString::fromUtf8(answer).section(QLatin1Char('\n'), 0, 0);
    QVERIFY2(said.contains(QStringLiteral("le disque est plein")), qPrintable(said));
    QCOMPARE(QString::fromUtf8(answer).section(QLatin1Char('\n'), 1), QStringLiteral("4"));
    QCOMPARE(readBytes(path), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("F6ABC_ZEL.adi")});

    // A producer that stops on its own (a log that could not be read on) replaces nothing.
    const AtomicFile::Result stopped =
        AtomicFile::write(path, [&](const AtomicFile::Sink &sink) {
            sink(block);
            return false;
        });
    QVERIFY(!stopped.ok);
    QCOMPARE(readBytes(path), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("F6ABC_ZEL.adi")});
}

QTEST_GUILESS_MAIN(TestFullDisk)
#include "tst_fulldisk.moc"
