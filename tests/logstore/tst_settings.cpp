#include "logstore/Settings.h"

#include "Revision.h"
#include "logstore/Faults.h"

#include <QElapsedTimer>
#include <QtTest>

class TestSettings : public QObject
{
    Q_OBJECT
private slots:
    void defaultsOnAnEmptyStore();
    void sectionsAndKeysAreKeptApart();
    void positions_data();
    void positions();
    void readOnlyStoreSaysSo();
    void fullDiskSaysSo();
    void aFailedWriteDoesNotSpoilTheNext();
    void aValueThatFailedIsNotTakenAsStored();
    void severalKeysAllOrNone();
    void outOfProportionIsSetAside_data();
    void outOfProportionIsSetAside();
};

void TestSettings::defaultsOnAnEmptyStore()
{
    QTemporaryDir dir;
    Settings s(dir.filePath(QStringLiteral("zel.ini")));
    QCOMPARE(s.stationCallsign(), QStringLiteral("FXXXX"));
    QCOMPARE(s.position(QStringLiteral("FXXXX"), Settings::KeyBand), 0);
    QCOMPARE(s.read(QStringLiteral("Setup "), QStringLiteral("Chemin Repertoire"), QStringLiteral("-")),
             QStringLiteral("-"));
}

void TestSettings::sectionsAndKeysAreKeptApart()
{
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("zel.ini"));
    {
        Settings s(ini);
        s.write(QStringLiteral("Setup "), QStringLiteral("Indicatif Station"), QStringLiteral("TEST1_P"));
        s.write(QStringLiteral("Setup TEST1_P"), QStringLiteral("bande Utilisee"), QStringLiteral("11"));
        s.write(QStringLiteral("Setup TEST2"), QStringLiteral("bande Utilisee"), QStringLiteral("3"));
        s.write(QStringLiteral("Setup TEST1_P"), QStringLiteral("Revision"), Revision::text());
    }
    Settings again(ini);
    QCOMPARE(again.stationCallsign(), QStringLiteral("TEST1_P"));
    QCOMPARE(again.position(QStringLiteral("TEST1_P"), Settings::KeyBand), 11);
    QCOMPARE(again.position(QStringLiteral("TEST2"), Settings::KeyBand), 3);
    // Key names are case-sensitive: "Mode Utilise" was never written.
    QCOMPARE(again.position(QStringLiteral("TEST1_P"), Settings::KeyMode), 0);
    // The leading blank of the revision is kept.
    QCOMPARE(again.read(QStringLiteral("Setup TEST1_P"), QStringLiteral("Revision"), QString()),
             Revision::text());
    // The common section is "Setup " with its blank, not "Setup".
    QCOMPARE(again.read(QStringLiteral("Setup"), QStringLiteral("Indicatif Station"), QStringLiteral("none")),
             QStringLiteral("none"));
}

void TestSettings::positions_data()
{
    QTest::addColumn<int>("written");
    QTest::addColumn<QString>("stored");
    QTest::newRow("band 10") << 10 << "10";
    QTest::newRow("nothing selected") << -1 << "-1";
    QTest::newRow("zero") << 0 << "0";
}

void TestSettings::positions()
{
    QFETCH(int, written);
    QFETCH(QString, stored);
    QTemporaryDir dir;
    Settings s(dir.filePath(QStringLiteral("zel.ini")));
    s.writePosition(QStringLiteral("TEST1"), Settings::KeyMode, written);
    QCOMPARE(s.read(QStringLiteral("Setup TEST1"), QStringLiteral("Mode Utilise"), QString()), stored);
    QCOMPARE(s.position(QStringLiteral("TEST1"), Settings::KeyMode), written);
    // A hand-edited value counts for the number it begins with, or 0 without one.
    const QList<QPair<QString, int>> edited{{"abc", 0}, {"", 0}, {"4abc", 4}, {"1x", 1}, {" 2", 2},
                                            {"-1 ", -1}, {"x4", 0}, {"-", 0}, {"11.5", 11}};
    for (const auto &[text, number] : edited) {
        s.write(QStringLiteral("Setup TEST1"), QStringLiteral("Mode Utilise"), text);
        QCOMPARE(s.position(QStringLiteral("TEST1"), Settings::KeyMode), number);
    }
}

void TestSettings::fullDiskSaysSo()
{
    QTemporaryDir dir;
    zeltest::SmallTmpfs disk(dir.filePath(QStringLiteral("disk")));
    if (!disk.isMounted())
        QSKIP("no tmpfs here (not root, or mounting is not allowed)");
    const QString ini = dir.filePath(QStringLiteral("disk/zel.ini"));
    Settings(ini).write(Settings::CommonSection, Settings::KeyCallsign, QStringLiteral("TEST1"));
    disk.fill();
    Settings s(ini);
    const AtomicFile::Result r = s.write(Settings::CommonSection, Settings::KeyDirectory, QString(3000, 'x'));
    QVERIFY(!r.ok);
    QVERIFY2(r.error.contains(QStringLiteral("le disque est plein")), qPrintable(r.error));
    QVERIFY(!r.error.contains(QStringLiteral("protégé")));
    QCOMPARE(Settings(ini).stationCallsign(), QStringLiteral("TEST1"));
}

void TestSettings::readOnlyStoreSaysSo()
{
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("zel.ini"));
    Settings(ini).write(Settings::CommonSection, Settings::KeyCallsign, QStringLiteral("TEST1"));
    const QByteArray before = [&] { QFile f(ini); f.open(QIODevice::ReadOnly); return f.readAll(); }();
    QVERIFY(QFile::setPermissions(ini, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    zeltest::openToAll(dir.path());
    // Root writes through any permission: the write is made by a child that is not root.
    int status = 0;
    const QString error = QString::fromUtf8(zeltest::inChild(zeltest::notRoot(), [&] {
        Settings s(ini);
        const AtomicFile::Result r = s.write(Settings::CommonSection, Settings::KeyCallsign, QStringLiteral("TEST2"));
        return r.ok ? QByteArray("ok") : r.error.toUtf8();
    }, &status));
    if (zeltest::couldNotDropRoot(status))
        QSKIP("root cannot become another user here");
    QVERIFY2(error.startsWith(QStringLiteral("Les réglages n'ont pas pu être enregistrés dans ")), qPrintable(error));
    QVERIFY(error.contains(QStringLiteral("protégé en écriture")));
    QFile f(ini);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), before);
}

void TestSettings::aFailedWriteDoesNotSpoilTheNext()
{
    // A store that cannot be written (its folder is a file), then can be: each
    // write is judged on its own.
    QTemporaryDir dir;
    const QString blocker = dir.filePath(QStringLiteral("conf"));
    QFile b(blocker);
    QVERIFY(b.open(QIODevice::WriteOnly));
    b.close();
    Settings s(blocker + QStringLiteral("/zel.ini"));
    QVERIFY(!s.write(Settings::CommonSection, Settings::KeyCallsign, QStringLiteral("TEST1")).ok);
    QVERIFY(!s.writePosition(QStringLiteral("TEST1"), Settings::KeyBand, 3).ok);
    QVERIFY(QFile::remove(blocker));
    QVERIFY(s.write(Settings::CommonSection, Settings::KeyCallsign, QStringLiteral("TEST2")).ok);
    QCOMPARE(Settings(blocker + QStringLiteral("/zel.ini")).stationCallsign(), QStringLiteral("TEST2"));
}

void TestSettings::aValueThatFailedIsNotTakenAsStored()
{
    // The same value written again after a failure is written again, not taken as
    // already there because the store kept it in memory.
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("zel.ini"));
    Settings s(ini);
    QVERIFY(s.write(Settings::CommonSection, Settings::KeyCallsign, QStringLiteral("TEST1")).ok);
    QVERIFY(QFile::remove(ini));
    QVERIFY(QDir().mkdir(ini)); // a folder where the file was: nothing can be written
    QVERIFY(!s.write(Settings::CommonSection, Settings::KeyCallsign, QStringLiteral("TEST2")).ok);
    QVERIFY(!s.write(Settings::CommonSection, Settings::KeyCallsign, QStringLiteral("TEST2")).ok);
    QVERIFY(!s.writePosition(QStringLiteral("TEST2"), Settings::KeyBand, 3).ok);
    QVERIFY(QDir().rmdir(ini));
    QVERIFY(s.write(Settings::CommonSection, Settings::KeyCallsign, QStringLiteral("TEST2")).ok);
    Settings again(ini);
    QCOMPARE(again.stationCallsign(), QStringLiteral("TEST2"));
    // Once the disk has it, an unchanged value is left alone again.
    QVERIFY(s.write(Settings::CommonSection, Settings::KeyCallsign, QStringLiteral("TEST2")).ok);
}

void TestSettings::severalKeysAllOrNone()
{
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("zel.ini"));
    const QString section = QStringLiteral("Poste radio");
    Settings(ini).write(Settings::CommonSection, Settings::KeyCallsign, QStringLiteral("TEST1"));
    const QByteArray before = [&] { QFile f(ini); f.open(QIODevice::ReadOnly); return f.readAll(); }();
    // The first key alone fits under the limit, all three do not: written one by one,
    // the first would reach the disk without the others.
    const QList<QPair<QString, QString>> values{{QStringLiteral("Actif"), QStringLiteral("Oui")},
                                                {QStringLiteral("Hote"), QString(400, 'h')},
                                                {QStringLiteral("Port"), QStringLiteral("4532")}};
    const rlim_t limit = rlim_t(before.size() + 40);
    const QByteArray failed = zeltest::inChild(zeltest::fileSizeLimit(limit), [&] {
        Settings s(ini);
        return s.write(section, values).ok ? QByteArray("ok") : QByteArray("failed");
    });
    QCOMPARE(failed, QByteArray("failed"));
    QFile f(ini);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), before);
    f.close();

    Settings s(ini);
    QVERIFY(s.write(section, values).ok);
    Settings again(ini);
    for (const auto &[key, value] : values)
        QCOMPARE(again.read(section, key, QStringLiteral("<absent>")), value);
    QCOMPARE(again.stationCallsign(), QStringLiteral("TEST1"));
    // Nothing changed, nothing written: the file keeps its time.
    const QDateTime written = QFileInfo(ini).lastModified();
    QVERIFY(again.write(section, values).ok);
    QCOMPARE(QFileInfo(ini).lastModified(), written);
}




void TestSettings::outOfProportionIsSetAside_data()
{
    QTest::addColumn<QByteArray>("content");
    QByteArray keys = "[Setup%20]\nIndicatif%20Station=TEST1\n";
    keys.reserve(16 * 1000 * 1000);
    for (int i = 0; i < 1000 * 1000; ++i)
        keys += "k" + QByteArray::number(i) + "=v\n";
    QTest::newRow("a million keys") << keys;
    QTest::newRow("a 100 MB value") << "[Setup%20]\nIndicatif%20Station=TEST1\nRevision=" + QByteArray(100 * 1000 * 1000, 'x') + "\n";
}

void TestSettings::outOfProportionIsSetAside()
{
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("zel.ini"));
    {
        QFile f(ini);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(content) == content.size());
    }
    QElapsedTimer timer;
    timer.start();
    Settings s(ini);
    // Not read: the first installation, as for any file that holds no station.
    QCOMPARE(s.stationCallsign(), QStringLiteral("FXXXX"));
    QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
    QVERIFY(s.damage().contains(QStringLiteral("endommagé")));
    QVERIFY(s.damage().contains(QStringLiteral("zel.ini.endommage")));
    // Kept as it was, beside the new store, which starts empty and takes writes.
    QCOMPARE(QFileInfo(ini + QStringLiteral(".endommage")).size(), content.size());
    QVERIFY(s.write(Settings::CommonSection, Settings::KeyCallsign, QStringLiteral("TEST2")).ok);
    QVERIFY(QFileInfo(ini).size() < 100);
    Settings again(ini);
    QCOMPARE(again.damage(), QString());
    QCOMPARE(again.stationCallsign(), QStringLiteral("TEST2"));

    // A store as large as settings ever get is read as it stands.
    QByteArray many = "[Setup%20]\nIndicatif%20Station=TEST3\n";
    for (int i = 0; i < 2000; ++i)
        many += "[Setup%20F" + QByteArray::number(i) + "]\nbande%20Utilisee=4\nMode%20Utilise=1\n";
    QFile f(ini);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(many) == many.size());
    f.close();
    Settings large(ini);
    QCOMPARE(large.damage(), QString());
    QCOMPARE(large.stationCallsign(), QStringLiteral("TEST3"));
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
