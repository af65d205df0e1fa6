// What each spot is worth for the award, from the log as it stands: new abbey, new
// region, worked, confirmed; the list the window shows (needed first, bounded, one
// line per call, abbey and band); the settings of the cluster; the "DX" command.

#include "app/Fakes.h"
#include "common/LogLines.h"

#include "logstore/LogSession.h"
#include "logstore/Settings.h"
#include "refdata/AbbeyTable.h"
#include "refdata/LogIndex.h"
#include "spots/SpotStanding.h"
#include "spots/ClusterSettings.h"
#include "spots/SpotFeed.h"
#include "spots/SpotModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace zeltest;

namespace {

AbbeyTable abbeys()
{
    return AbbeyTable::fromBytes(crlf({abbeyLine("AZ0001", "Abbazia di San Clemente a Casauria", "JN62"),
                                       abbeyLine("AZ0002", "Abbazia di San Giovanni in Venere", "JN72"),
                                       abbeyLine("LZ0012", "Abbazia di Montecassino", "JN61"),
                                       abbeyLine("TC0003", "Abbazia di Sant'Antimo", "JN53")}));
}

QByteArray spot(const QByteArray &call, const QByteArray &kHz, const QByteArray &comment,
                const QByteArray &time = "1234Z")
{
    return "DX de F5XYZ:  " + kHz + "  " + call + "  " + comment + "  " + time;
}

} // namespace

class SpotStatusTest : public QObject
{
    Q_OBJECT
private slots:
    void newestFirstAcrossMidnight();
    void heldWhileAimed();
    void offTheList();
    void init();
    void statusFromTheLog();
    void statusFollowsTheLog();
    void unreadableLog();
    void neededFirstAndAnnounced();
    void boundedAndReplaced();
    void settings();
    void dxCommand_data();
    void dxCommand();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<LogSession> m_session;
    FakeClock m_clock;

    bool open(const QList<QByteArray> &log)
    {
        // The spots of the tests (12:00 to 12:40) are of this afternoon.
        m_clock.utc = QDateTime(QDate(2026, 12, 7), QTime(13, 0), Qt::UTC);
        m_settings->write(Settings::CommonSection, Settings::KeyCallsign, QStringLiteral("TEST1"));
        if (!writeBytes(m_dir->filePath(QStringLiteral("TEST1_ZEL.log")), crlf(log)))
            return false;
        m_session = std::make_unique<LogSession>(*m_settings, m_dir->path());
        m_session->openStation();
        return m_session->loadError().isEmpty();
    }
};

void SpotStatusTest::init()
{
    m_session.reset();
    m_dir = std::make_unique<QTemporaryDir>();
    m_settings = std::make_unique<Settings>(m_dir->filePath(QStringLiteral("zel.ini")));
}

void SpotStatusTest::statusFromTheLog()
{
    Qso confirmed = qso("I0ABC", "LZ0012", "01/05/24", "10:00");
    confirmed.qsl = true;
    // The same abbey worked again without a card still counts as confirmed.
    QVERIFY(open({qso("IK1ABC", "az0001", "01/05/24", "09:00").line(), confirmed.line(),
                  qso("I0XYZ", "LZ0012", "02/05/24", "10:00").line(),
                  // A line edited by hand still names its abbey.
                  "IK2AAA JN45 MARIO TC0003 03/05/24 11:00 CW 7 Mhz 599 599 Abbazia"}));
    LogIndex logIndex(*m_session);
    SpotStanding index(logIndex);
    QCOMPARE(index.status(QStringLiteral("AZ0001")), SpotStanding::Status::Worked);
    QCOMPARE(index.status(QStringLiteral("az0001 ")), SpotStanding::Status::Worked);
    QCOMPARE(index.status(QStringLiteral("LZ0012")), SpotStanding::Status::Confirmed);
    QCOMPARE(index.status(QStringLiteral("TC0003")), SpotStanding::Status::Worked);
    // Abruzzo has a QSO: a new abbey there opens no region.
    QCOMPARE(index.status(QStringLiteral("AZ0002")), SpotStanding::Status::NewAbbey);
    QCOMPARE(index.status(QStringLiteral("SC0001")), SpotStanding::Status::NewRegion);
    // Veneto's two codes are one region.
    QCOMPARE(index.status(QStringLiteral("VN0001")), SpotStanding::Status::NewRegion);
    QCOMPARE(SpotStanding::text(SpotStanding::Status::NewRegion), QStringLiteral("Nouvelle abbaye, Nouvelle région"));
    QVERIFY(SpotStanding::needed(SpotStanding::Status::NewRegion));
    QVERIFY(!SpotStanding::needed(SpotStanding::Status::Worked));
}

void SpotStatusTest::statusFollowsTheLog()
{
    QVERIFY(open({qso("IK1ABC", "AZ0001", "01/05/24", "09:00").line()}));
    LogIndex logIndex(*m_session);
    SpotStanding index(logIndex);
    SpotModel model(logIndex);
    model.setClock(&m_clock);
    QAbstractItemModelTester tester(&model);
    model.addLines({spot("IK5AAA", "14025.0", "TC0003"), spot("IK1ABC", "7020.0", "AZ0001")}, abbeys());
    QCOMPARE(model.status(0), SpotStanding::Status::NewRegion);
    QCOMPARE(model.spot(0).reference, QStringLiteral("TC0003"));

    // The QSO is logged: the spot moves down among the worked ones.
    Qso q = qso("IK5AAA", "TC0003", "02/05/24", "10:00");
    QVERIFY(m_session->append(q.line()).ok);
    QCOMPARE(model.spot(0).reference, QStringLiteral("AZ0001"));
    QCOMPARE(model.status(1), SpotStanding::Status::Worked);
    QCOMPARE(model.data(model.index(1, SpotModel::ColStatus)).toString(), QStringLiteral("Contactée"));
    // Its card comes back.
    QVERIFY(m_session->markConfirmed({1}).ok);
    QCOMPARE(model.status(1), SpotStanding::Status::Confirmed);
    QVERIFY(model.data(model.index(1, 0), Qt::AccessibleDescriptionRole).toString().startsWith(QStringLiteral("Confirmée")));
}

void SpotStatusTest::unreadableLog()
{
    QVERIFY(open({}));
    QFile::remove(m_dir->filePath(QStringLiteral("TEST1_ZEL.log")));
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("TEST1_ZEL.log")));
    m_session->reload();
    QVERIFY(!m_session->loadError().isEmpty());
    LogIndex logIndex(*m_session);
    SpotStanding index(logIndex);
    // A log that cannot be read says nothing: no abbey is called new on a guess.
    QCOMPARE(index.status(QStringLiteral("AZ0001")), SpotStanding::Status::Unknown);
    QVERIFY(!SpotStanding::needed(index.status(QStringLiteral("AZ0001"))));
}

void SpotStatusTest::neededFirstAndAnnounced()
{
    QVERIFY(open({qso("IK1ABC", "AZ0001", "01/05/24", "09:00").line()}));
    LogIndex logIndex(*m_session);
    SpotStanding index(logIndex);
    SpotModel model(logIndex);
    model.setClock(&m_clock);
    QAbstractItemModelTester tester(&model);
    const QList<Spot> first = model.addLines(
        {spot("IK1ABC", "14025.0", "AZ0001", "1200Z"), spot("IK2BBB", "14030.0", "AZ0002", "1201Z"),
         spot("IK3CCC", "7030.0", "LZ0012", "1202Z"), "  14040.0  IK4DDD  7-Dec-2026 1100Z  TC0003  <F5XYZ>",
         "To ALL de F5XYZ: AZ0002 is loud", spot("IK9ZZZ", "14050.0", "no abbey")},
        abbeys());
    QCOMPARE(model.rowCount(), 4);
    // Needed first (new region before new abbey), newest first within; worked last.
    QCOMPARE(model.spot(0).call, QStringLiteral("IK3CCC"));
    QCOMPARE(model.spot(1).call, QStringLiteral("IK4DDD"));
    QCOMPARE(model.spot(2).call, QStringLiteral("IK2BBB"));
    QCOMPARE(model.spot(3).call, QStringLiteral("IK1ABC"));
    QVERIFY(model.data(model.index(0, 0), SpotModel::NeededRole).toBool());
    QVERIFY(!model.data(model.index(3, 0), SpotModel::NeededRole).toBool());
    QVERIFY(model.data(model.index(0, 0), Qt::BackgroundRole).isValid());
    QVERIFY(!model.data(model.index(3, 0), Qt::BackgroundRole).isValid());
    // Only live spots of needed abbeys are announced: not the listed one, not the worked one.
    QCOMPARE(first.size(), 2);
    QCOMPARE(first.at(0).call, QStringLiteral("IK2BBB"));
    QCOMPARE(first.at(1).call, QStringLiteral("IK3CCC"));
    // Announced again: no new announcement.
    QVERIFY(model.addLines({spot("IK2BBB", "14031.0", "AZ0002 QSX up", "1210Z")}, abbeys()).isEmpty());
    QCOMPARE(model.rowCount(), 4);
    const int row = model.rowOf(QStringLiteral("IK2BBB|AZ0002|14 Mhz"));
    QCOMPARE(model.spot(row).comment, QStringLiteral("AZ0002 QSX up"));
    QCOMPARE(model.spot(row).time, QStringLiteral("12:10"));
    // On another band it is another spot, announced.
    QCOMPARE(model.addLines({spot("IK2BBB", "7031.0", "AZ0002", "1211Z")}, abbeys()).size(), 1);
    QCOMPARE(model.rowCount(), 5);
    // Outside the log's bands: greyed, not announced.
    QVERIFY(model.addLines({spot("IK7EEE", "5354.0", "AZ0002", "1212Z")}, abbeys()).isEmpty());
    const int outside = model.rowOf(QStringLiteral("IK7EEE|AZ0002|"));
    QVERIFY(outside >= 0);
    QVERIFY(model.data(model.index(outside, SpotModel::ColBand), Qt::ForegroundRole).isValid());
}

void SpotStatusTest::boundedAndReplaced()
{
    QVERIFY(open({}));
    LogIndex logIndex(*m_session);
    SpotStanding index(logIndex);
    SpotModel model(logIndex);
    model.setClock(&m_clock);
    // No model tester here: it checks the whole model at each of the thousand rows coming in.
    // A flood of distinct spots in several batches, then one that repeats.
    for (int batch = 0; batch < 3; ++batch) {
        QList<QByteArray> lines;
        for (int i = 0; i < 400; ++i)
            lines << spot("IK" + QByteArray::number(batch) + "A" + QByteArray::number(i), "14025.0", "AZ0001");
        model.addLines(lines, abbeys());
    }
    QCOMPARE(model.rowCount(), SpotModel::Capacity);
    // The newest stay: the last batch whole, the oldest batch gone.
    QVERIFY(model.rowOf(QStringLiteral("IK2A399|AZ0001|14 Mhz")) >= 0);
    QVERIFY(model.rowOf(QStringLiteral("IK2A0|AZ0001|14 Mhz")) >= 0);
    QCOMPARE(model.rowOf(QStringLiteral("IK0A399|AZ0001|14 Mhz")), -1);
    QCOMPARE(model.spot(0).call, QStringLiteral("IK2A399"));

    QList<QByteArray> same;
    for (int i = 0; i < 2000; ++i)
        same << spot("IK9ZZZ", QByteArray::number(14000 + i % 300) + ".0", "AZ0001");
    model.addLines(same, abbeys());
    QCOMPARE(model.rowCount(), SpotModel::Capacity);
    const int row = model.rowOf(QStringLiteral("IK9ZZZ|AZ0001|14 Mhz"));
    QVERIFY(row >= 0);
    QCOMPARE(model.spot(row).kHz, 14000.0 + 1999 % 300);
}

void SpotStatusTest::settings()
{
    QVERIFY(open({}));
    // Nothing stored: off, no node, port 7300 proposed, sound off.
    ClusterSettings c = ClusterSettings::load(*m_settings);
    QVERIFY(!c.on);
    QVERIFY(c.host.isEmpty());
    QCOMPARE(c.port, 7300);
    QVERIFY(!c.sound);
    QCOMPARE(c.loginFor(QStringLiteral("F6ABC_P")), QStringLiteral("F6ABC"));
    QCOMPARE(c.loginFor(QStringLiteral("IT9/F6ABC/P")), QStringLiteral("F6ABC"));
    c.login = QStringLiteral("f6abc-2");
    QCOMPARE(c.loginFor(QStringLiteral("F6ABC_P")), QStringLiteral("F6ABC-2"));

    c.host = QStringLiteral("127.0.0.1");
    c.port = 7373;
    c.on = true;
    c.sound = true;
    QVERIFY(c.save(*m_settings));
    const ClusterSettings back = ClusterSettings::load(Settings(m_dir->filePath(QStringLiteral("zel.ini"))));
    QVERIFY(back.on);
    QCOMPARE(back.port, 7373);
    QCOMPARE(back.login, QStringLiteral("F6ABC-2"));
    QVERIFY(back.sound);

    // A damaged port: not connected, 7300 proposed again; no crash on any value.
    m_settings->write(ClusterSettings::Section, ClusterSettings::KeyPort, QStringLiteral("73x0"));
    QVERIFY(!ClusterSettings::load(*m_settings).on);
    QCOMPARE(ClusterSettings::load(*m_settings).port, 7300);
    m_settings->write(ClusterSettings::Section, ClusterSettings::KeyPort, QStringLiteral("99999"));
    QVERIFY(!ClusterSettings::load(*m_settings).on);
    m_settings->write(ClusterSettings::Section, ClusterSettings::KeyPort, QStringLiteral("7373"));
    m_settings->write(ClusterSettings::Section, ClusterSettings::KeyHost, QStringLiteral("  "));
    QVERIFY(!ClusterSettings::load(*m_settings).on);
}

void SpotStatusTest::dxCommand_data()
{
    QTest::addColumn<QString>("kHz");
    QTest::addColumn<QString>("call");
    QTest::addColumn<QString>("comment");
    QTest::addColumn<QString>("command");
    QTest::newRow("plain") << "14025" << "ik1abc/p" << "ZEL AZ0001" << "DX 14025.0 IK1ABC/P ZEL AZ0001";
    QTest::newRow("comma") << "7012,5" << "I0ABC" << "ZEL LZ0012 " << "DX 7012.5 I0ABC ZEL LZ0012";
    QTest::newRow("line end in comment") << "14025.0" << "IK1ABC" << "ZEL AZ0001\r\nbye"
                                         << "DX 14025.0 IK1ABC ZEL AZ0001 bye";
    QTest::newRow("no comment") << "14025.0" << "IK1ABC" << "" << "DX 14025.0 IK1ABC";
    QTest::newRow("no frequency") << "" << "IK1ABC" << "ZEL AZ0001" << "";
    QTest::newRow("frequency in words") << "14 MHz" << "IK1ABC" << "ZEL AZ0001" << "";
    QTest::newRow("no callsign") << "14025.0" << "" << "ZEL AZ0001" << "";
    QTest::newRow("callsign with a blank") << "14025.0" << "IK1 ABC" << "ZEL AZ0001" << "";
}

void SpotStatusTest::dxCommand()
{
    QFETCH(QString, kHz);
    QFETCH(QString, call);
    QFETCH(QString, comment);
    QTEST(SpotFeed::dxCommand(kHz, call, comment), "command");
}

void SpotStatusTest::newestFirstAcrossMidnight()
{
    QVERIFY(open({}));
    const QDateTime now(QDate(2026, 12, 8), QTime(0, 10), Qt::UTC);
    // The latest such time not in the future: 23:58 is yesterday's, 00:05 today's.
    QCOMPARE(SpotModel::timeOf(QStringLiteral("23:58"), now), QDateTime(QDate(2026, 12, 7), QTime(23, 58), Qt::UTC));
    QCOMPARE(SpotModel::timeOf(QStringLiteral("00:05"), now), QDateTime(QDate(2026, 12, 8), QTime(0, 5), Qt::UTC));
    QCOMPARE(SpotModel::timeOf(QStringLiteral("00:10"), now), now);
    // A node's clock a little ahead is not a day behind.
    QCOMPARE(SpotModel::timeOf(QStringLiteral("00:12"), now).date(), now.date());

    m_clock.utc = now;
    LogIndex logIndex(*m_session);
    SpotModel model(logIndex);
    model.setClock(&m_clock);
    QAbstractItemModelTester tester(&model);
    model.addLines({spot("IK1AAA", "14025.0", "AZ0002", "2358Z"), spot("IK2BBB", "14030.0", "AZ0002", "0005Z"),
                    spot("IK3CCC", "14035.0", "AZ0002", "2350Z")},
                   abbeys());
    QCOMPARE(model.spot(0).call, QStringLiteral("IK2BBB"));
    QCOMPARE(model.spot(1).call, QStringLiteral("IK1AAA"));
    QCOMPARE(model.spot(2).call, QStringLiteral("IK3CCC"));

    // After a reconnection the node lists its recent spots: older ones go below the live ones.
    model.addLines({"  14040.0  IK4DDD      7-Dec-2026 2355Z  AZ0002 <F5XYZ>",
                    "  14045.0  IK5EEE      8-Dec-2026 0001Z  AZ0002 <F5XYZ>"},
                   abbeys());
    QCOMPARE(model.spot(0).call, QStringLiteral("IK2BBB"));
    QCOMPARE(model.spot(1).call, QStringLiteral("IK5EEE"));
    QCOMPARE(model.spot(2).call, QStringLiteral("IK1AAA"));
    QCOMPARE(model.spot(3).call, QStringLiteral("IK4DDD"));
    QCOMPARE(model.spot(4).call, QStringLiteral("IK3CCC"));
}

void SpotStatusTest::heldWhileAimed()
{
    QVERIFY(open({qso("IK1ABC", "AZ0001", "01/05/24", "09:00").line()}));
    LogIndex logIndex(*m_session);
    SpotModel model(logIndex);
    model.setClock(&m_clock);
    QAbstractItemModelTester tester(&model);
    QSignalSpy resets(&model, &QAbstractItemModel::modelAboutToBeReset);
    QSignalSpy waiting(&model, &SpotModel::waitingChanged);
    model.addLines({spot("IK1ABC", "14025.0", "AZ0001", "1200Z"), spot("IK2BBB", "14030.0", "AZ0002", "1201Z")},
                   abbeys());
    QCOMPARE(model.spot(0).call, QStringLiteral("IK2BBB"));

    // Held: the rows stay as they are, the new spots wait and are counted, a needed one announced all the same.
    model.setHeld(true);
    QCOMPARE(model.addLines({spot("IK3CCC", "14035.0", "LZ0012", "1202Z")}, abbeys()).size(), 1);
    model.addLines({spot("IK4DDD", "7030.0", "AZ0002", "1203Z"), spot("IK3CCC", "14036.0", "LZ0012", "1204Z")},
                   abbeys());
    // Announced again while waiting: not announced twice.
    QVERIFY(model.addLines({spot("IK4DDD", "7031.0", "AZ0002", "1205Z")}, abbeys()).isEmpty());
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.waitingCount(), 2);
    QCOMPARE(waiting.last().at(0).toInt(), 2);
    // The log changes: the statuses follow in place, nothing moves yet.
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QVERIFY(m_session->append(qso("IK2BBB", "AZ0002", "02/05/24", "10:00").line()).ok);
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.at(0).at(0).value<QModelIndex>().row(), 0);
    QCOMPARE(model.spot(0).call, QStringLiteral("IK2BBB"));
    QCOMPARE(model.statusText(0), QStringLiteral("Contactée"));

    // Let go: they come in, in order, and the rows take their places.
    model.setHeld(false);
    QCOMPARE(model.waitingCount(), 0);
    QCOMPARE(waiting.last().at(0).toInt(), 0);
    QCOMPARE(model.rowCount(), 4);
    QCOMPARE(model.spot(0).call, QStringLiteral("IK3CCC"));
    QCOMPARE(model.spot(0).kHz, 14036.0);
    QCOMPARE(model.spot(1).call, QStringLiteral("IK4DDD")); // AZ0002 is worked now, on another band: still a spot of it
    QCOMPARE(model.spot(3).call, QStringLiteral("IK1ABC"));
    // The release button while still held.
    model.setHeld(true);
    model.addLines({spot("IK5EEE", "14040.0", "TC0003", "1206Z")}, abbeys());
    QCOMPARE(model.waitingCount(), 1);
    model.release();
    QCOMPARE(model.waitingCount(), 0);
    QVERIFY(model.rowOf(QStringLiteral("IK5EEE|TC0003|14 Mhz")) >= 0);
    QCOMPARE(resets.size(), 0);
}

void SpotStatusTest::offTheList()
{
    QVERIFY(open({qso("IK1ABC", "AZ0001", "01/05/24", "09:00").line()}));
    LogIndex logIndex(*m_session);
    SpotModel model(logIndex);
    model.setClock(&m_clock);
    QAbstractItemModelTester tester(&model);
    model.addLines({spot("IK1ABC", "14025.0", "AZ0001", "1200Z"), spot("IK2BBB", "14030.0", "AZ0002", "1201Z"),
                    spot("IK3CCC", "14035.0", "LZ0012", "1202Z")},
                   abbeys());
    // The new list drops AZ0001 and AZ0002 and renames LZ0012.
    const AbbeyTable next = AbbeyTable::fromBytes(crlf({abbeyLine("LZ0012", "Abbazia di Monte Cassino", "JN61"),
                                                        abbeyLine("TC0003", "Abbazia di Sant'Antimo", "JN53")}));
    model.relist(next);
    const int gone = model.rowOf(QStringLiteral("IK2BBB|AZ0002|14 Mhz"));
    const int worked = model.rowOf(QStringLiteral("IK1ABC|AZ0001|14 Mhz"));
    const int renamed = model.rowOf(QStringLiteral("IK3CCC|LZ0012|14 Mhz"));
    QCOMPARE(model.data(model.index(gone, SpotModel::ColStatus)).toString(), QStringLiteral("hors liste"));
    QVERIFY(!model.data(model.index(gone, 0), SpotModel::NeededRole).toBool());
    QVERIFY(!model.data(model.index(gone, 0), Qt::BackgroundRole).isValid());
    QCOMPARE(model.data(model.index(worked, SpotModel::ColStatus)).toString(), QStringLiteral("Contactée (hors liste)"));
    QVERIFY(model.spot(gone).abbey.isEmpty());
    QCOMPARE(model.spot(renamed).abbey, QStringLiteral("ABBAZIA DI MONTE CASSINO"));
    QCOMPARE(renamed, 0);
    // A spot of it coming again is not announced.
    QVERIFY(model.addLines({spot("IK2BBB", "7030.0", "ZEL AZ0002", "1203Z")}, next).isEmpty());
    QCOMPARE(model.data(model.index(model.rowOf(QStringLiteral("IK2BBB|AZ0002|7.0 Mhz")), SpotModel::ColStatus)).toString(),
             QStringLiteral("hors liste"));
    // Back to the first list: a new abbey again.
    model.relist(abbeys());
    QCOMPARE(model.data(model.index(model.rowOf(QStringLiteral("IK2BBB|AZ0002|14 Mhz")), SpotModel::ColStatus)).toString(),
             QStringLiteral("Nouvelle abbaye"));
    QCOMPARE(model.data(model.index(model.rowOf(QStringLiteral("IK1ABC|AZ0001|14 Mhz")), SpotModel::ColStatus)).toString(),
             QStringLiteral("Contactée"));
    QVERIFY(model.data(model.index(0, 0), Qt::ToolTipRole).toString().contains(model.spot(0).comment.trimmed()));
}

QTEST_GUILESS_MAIN(SpotStatusTest)
#include "tst_spotstatus.moc"
