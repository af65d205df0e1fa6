#include "refdata/FirstNameList.h"
#include "refdata/FirstNameWriter.h"

#include <QElapsedTimer>

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Lines of the hand-made list, in cp1252, with the line ends they are written with.
const QByteArray Jean = "F6ABC           JEAN";
const QByteArray Rene = "F5XYZ           ren\xE9";        // lower case, accented
const QByteArray Hans = "DL1AA           HANS";
const QByteArray Odd = "\xFF\x81\x8D odd bytes \x80";     // not a station, kept as is
const QByteArray Peter = "G3ZZZ           PETER";        // written with LF only
const QByteArray Karl = "DL1AA           KARL";
const QByteArray Short = "I2SHORT";
const QByteArray NoName = "ON4AA           ";
const QByteArray Longer = "F6ABCD          MARC";         // starts like F6ABC

QByteArray handList()
{
    return Jean + "\r\n" + Rene + "\r\n" + Hans + "\r\n" + Odd + "\r\n" + Peter + "\n" + Karl
         + "\r\n" + Short + "\r\n" + NoName + "\r\n" + Longer; // last line without line end
}

} // namespace

class TestFirstNameList : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void lookup_data();
    void lookup();
    void lookupInMissingFile();
    void record_data();
    void record();
    void updateKnownStation();
    void updateStationListedTwice();
    void addUnknownStationWithoutFirstName();
    void firstAddCreatesTheFile();
    void writeFailureIsReported();
    void readOnceAndAgainWhenChanged();
    void bothWritersGiveTheSameList();
    void largeListLookedUpWithoutReadingItAgain();

private:
    QByteArray crlfList() const;

    QTemporaryDir m_dir;
    QString m_path;
};

void TestFirstNameList::init()
{
    QVERIFY(m_dir.isValid());
    m_path = m_dir.filePath(QStringLiteral("Liste_Prenom.txt"));
    writeBytes(m_path, handList());
}

// The hand-made list as it comes back from a rewrite: same lines, CR LF everywhere.
QByteArray TestFirstNameList::crlfList() const
{
    return Jean + "\r\n" + Rene + "\r\n" + Hans + "\r\n" + Odd + "\r\n" + Peter + "\r\n" + Karl
         + "\r\n" + Short + "\r\n" + NoName + "\r\n" + Longer + "\r\n";
}

void TestFirstNameList::lookup_data()
{
    QTest::addColumn<QString>("callsign");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("firstName");
    QTest::newRow("listed") << "F6ABC" << true << "JEAN";
    QTest::newRow("accented, put in capitals") << "F5XYZ" << true << QString::fromUtf8("RENÉ");
    QTest::newRow("listed twice: last wins") << "DL1AA" << true << "KARL";
    QTest::newRow("LF-only line") << "G3ZZZ" << true << "PETER";
    QTest::newRow("line shorter than the name column") << "I2SHORT" << true << "";
    QTest::newRow("no first name") << "ON4AA" << true << "";
    QTest::newRow("last line without line end") << "F6ABCD" << true << "MARC";
    QTest::newRow("unknown") << "F8NEW" << false << "";
    QTest::newRow("callsign is not trimmed") << "F6ABC " << false << "";
    QTest::newRow("case matters") << "f6abc" << false << "";
}

void TestFirstNameList::lookup()
{
    QFETCH(QString, callsign);
    QFETCH(bool, found);
    QFETCH(QString, firstName);
    FirstNameList list(m_path);
    QVERIFY(!list.Prenom_A_Ajouter());
    const FirstNameList::Lookup r = list.Cherche_Prenom(callsign);
    QCOMPARE(r.found, found);
    QCOMPARE(r.firstName, firstName);
    QCOMPARE(list.Prenom_A_Ajouter(), !found);
    QCOMPARE(readBytes(m_path), handList()); // a lookup never writes
}

void TestFirstNameList::lookupInMissingFile()
{
    FirstNameList list(m_dir.filePath(QStringLiteral("absent.txt")));
    const FirstNameList::Lookup r = list.Cherche_Prenom(QStringLiteral("F6ABC"));
    QVERIFY(!r.found);
    QVERIFY(list.Prenom_A_Ajouter());
}

void TestFirstNameList::record_data()
{
    QTest::addColumn<QString>("callsign");
    QTest::addColumn<QString>("firstName");
    QTest::addColumn<QString>("record");
    QTest::newRow("name") << "F6ABC" << "Jean" << "F6ABC           JEAN";
    QTest::newRow("no name") << "F6ABC" << "" << "F6ABC           ";
    QTest::newRow("accent") << "F5XYZ" << QString::fromUtf8("rené") << QString::fromUtf8("F5XYZ           RENÉ");
    QTest::newRow("12-character callsign") << "IK0ABC/P/MM1" << "x" << "IK0ABC/P/MM1    X";
    QTest::newRow("callsign cut to 12") << "IK0ABC/P/MM12" << "x" << "IK0ABC/P/MM1    X";
}

void TestFirstNameList::record()
{
    QFETCH(QString, callsign);
    QFETCH(QString, firstName);
    QFETCH(QString, record);
    QCOMPARE(FirstNameList::record(callsign, firstName), record);
}

void TestFirstNameList::updateKnownStation()
{
    FirstNameList list(m_path);
    QVERIFY(list.Cherche_Prenom(QStringLiteral("F6ABC")).found);
    const AtomicFile::Result r =
        list.Maj_Liste_Prenom(FirstNameList::record(QStringLiteral("F6ABC"), QString::fromUtf8("Jérôme")));
    QVERIFY2(r.ok, qPrintable(r.error));
    // Replaced in place (F6ABCD left alone), nothing appended, the other lines byte for byte.
    QByteArray expected = crlfList();
    expected.replace(0, Jean.size(), "F6ABC           J\xC9R\xD4ME");
    QCOMPARE(readBytes(m_path), expected);
    QCOMPARE(list.Cherche_Prenom(QStringLiteral("F6ABC")).firstName, QString::fromUtf8("JÉRÔME"));
}

void TestFirstNameList::updateStationListedTwice()
{
    FirstNameList list(m_path);
    QCOMPARE(list.Cherche_Prenom(QStringLiteral("DL1AA")).firstName, QStringLiteral("KARL"));
    QVERIFY(list.Maj_Liste_Prenom(FirstNameList::record(QStringLiteral("DL1AA"), QStringLiteral("Otto"))).ok);
    QByteArray expected = crlfList();
    expected.replace(Hans, "DL1AA           OTTO");
    expected.replace(Karl, "DL1AA           OTTO");
    QCOMPARE(readBytes(m_path), expected);
}

void TestFirstNameList::addUnknownStationWithoutFirstName()
{
    FirstNameList list(m_path);
    QVERIFY(!list.Cherche_Prenom(QStringLiteral("F1NEW")).found);
    QVERIFY(list.Maj_Liste_Prenom(FirstNameList::record(QStringLiteral("F1NEW"), QString())).ok);
    QCOMPARE(readBytes(m_path), crlfList() + "F1NEW           \r\n");

    // Found from now on, so the next update replaces it instead of adding it again.
    FirstNameList again(m_path);
    QVERIFY(again.Cherche_Prenom(QStringLiteral("F1NEW")).found);
    QVERIFY(again.Maj_Liste_Prenom(FirstNameList::record(QStringLiteral("F1NEW"), QStringLiteral("Luc"))).ok);
    QCOMPARE(readBytes(m_path), crlfList() + "F1NEW           LUC\r\n");
}

void TestFirstNameList::firstAddCreatesTheFile()
{
    const QString path = m_dir.filePath(QStringLiteral("new/Liste_Prenom.txt"));
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("new")));
    FirstNameList list(path);
    QVERIFY(!list.Cherche_Prenom(QStringLiteral("EA3XX")).found);
    QVERIFY(list.Maj_Liste_Prenom(FirstNameList::record(QStringLiteral("EA3XX"), QString::fromUtf8("José"))).ok);
    QCOMPARE(readBytes(path), QByteArray("EA3XX           JOS\xC9\r\n"));
}

void TestFirstNameList::writeFailureIsReported()
{
    FirstNameList list(m_dir.filePath(QStringLiteral("no/such/dir/Liste_Prenom.txt")));
    list.setPrenom_A_Ajouter(true);
    const AtomicFile::Result r =
        list.Maj_Liste_Prenom(FirstNameList::record(QStringLiteral("F6ABC"), QStringLiteral("Jean")));
    QVERIFY(!r.ok);
    QVERIFY(!r.error.isEmpty());
}

void TestFirstNameList::readOnceAndAgainWhenChanged()
{
    FirstNameList list(m_path);
    for (int i = 0; i < 20; ++i) {
        QCOMPARE(list.Cherche_Prenom(QStringLiteral("DL1AA")).firstName, QStringLiteral("KARL"));
        QVERIFY(!list.Cherche_Prenom(QStringLiteral("F8NEW")).found);
    }
    QCOMPARE(list.readsOfTheList(), 1);

    // Another copy (or a hand edit) changes the list between two Enters: read again.
    QFile f(m_path);
    QVERIFY(f.open(QIODevice::Append));
    f.write("\r\nF8NEW           ANNA\r\nDL1AA           OTTO\r\n");
    f.close();
    QCOMPARE(list.Cherche_Prenom(QStringLiteral("F8NEW")).firstName, QStringLiteral("ANNA"));
    QCOMPARE(list.Cherche_Prenom(QStringLiteral("DL1AA")).firstName, QStringLiteral("OTTO"));
    QCOMPARE(list.readsOfTheList(), 2);

    // Its own commit changes the file: the next Enter sees the new name.
    QVERIFY(list.Maj_Liste_Prenom(FirstNameList::record(QStringLiteral("F6ABC"), QStringLiteral("Luc"))).ok);
    QCOMPARE(list.Cherche_Prenom(QStringLiteral("F6ABC")).firstName, QStringLiteral("LUC"));
    QCOMPARE(list.readsOfTheList(), 3);
    // A commit of a station listed as typed writes nothing and reads nothing again.
    const QByteArray before = readBytes(m_path);
    QVERIFY(list.Maj_Liste_Prenom(FirstNameList::record(QStringLiteral("F6ABC"), QStringLiteral("Luc"))).ok);
    QCOMPARE(readBytes(m_path), before);
    QVERIFY(list.Cherche_Prenom(QStringLiteral("F6ABC")).found);
    QCOMPARE(list.readsOfTheList(), 3);

    QVERIFY(QFile::remove(m_path));
    QVERIFY(!list.Cherche_Prenom(QStringLiteral("F6ABC")).found);
    QVERIFY(list.Prenom_A_Ajouter());
}

void TestFirstNameList::bothWritersGiveTheSameList()
{
    // The entry's commit and the import write the list through the same writer: the
    // same records give the same bytes (a known station renamed in place on both its
    // lines, a new one appended). They differ only where the import is told to keep a
    // stored name that its QSO does not carry.
    const QList<QByteArray> records{"DL1AA           OTTO", "F1NEW           PAUL", "F5XYZ           REN\xC9"};
    FirstNameList entry(m_path);
    for (const QByteArray &r : records)
        QVERIFY(entry.Maj_Liste_Prenom(QString::fromLatin1(r)).ok);
    const QByteArray byEntry = readBytes(m_path);

    writeBytes(m_path, handList());
    FirstNameWriter import(m_path);
    QCOMPARE(import.open(1000), FirstNameWriter::Status::Ready);
    for (const QByteArray &r : records)
        import.put(r, FirstNameWriter::EmptyName::KeepsListed);
    QVERIFY(import.changes());
    QCOMPARE(import.size(), byEntry.size());
    QVERIFY(import.commit().ok);
    QCOMPARE(readBytes(m_path), byEntry);
    QByteArray expected = crlfList();
    expected.replace(Hans, "DL1AA           OTTO").replace(Karl, "DL1AA           OTTO").replace(Rene, "F5XYZ           REN\xC9");
    QCOMPARE(byEntry, expected + "F1NEW           PAUL\r\n");

    // A QSO without a name: the entry blanks the stored one, the import keeps it.
    FirstNameWriter keep(m_path);
    QCOMPARE(keep.open(1000), FirstNameWriter::Status::Ready);
    keep.put("F1NEW           ", FirstNameWriter::EmptyName::KeepsListed);
    QVERIFY(!keep.changes());
    QVERIFY(keep.commit().ok);
    QCOMPARE(readBytes(m_path), byEntry);
    QVERIFY(entry.Maj_Liste_Prenom(QStringLiteral("F1NEW           ")).ok);
    QCOMPARE(readBytes(m_path), QByteArray(byEntry).replace("F1NEW           PAUL", "F1NEW           "));
}

void TestFirstNameList::largeListLookedUpWithoutReadingItAgain()
{
    // Some 40 MB: a station per line, a few listed twice far apart.
    constexpr int Stations = 1500000;
    QByteArray big;
    big.reserve(qsizetype(Stations) * 28);
    const auto call = [](int i) { return QByteArray("S") + QByteArray::number(i, 36).toUpper(); };
    for (int i = 0; i < Stations; ++i)
        big += call(i).leftJustified(12, ' ') + "    NAME" + QByteArray::number(i) + "\r\n";
    for (int i = 0; i < Stations; i += 100000)
        big += call(i).leftJustified(12, ' ') + "    LATER" + QByteArray::number(i) + "\r\n";
    QVERIFY(big.size() > 30 * 1000 * 1000);
    writeBytes(m_path, big);
    big.clear();
    big.squeeze();

    FirstNameList list(m_path);
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(list.Cherche_Prenom(QString::fromLatin1(call(7))).firstName, QStringLiteral("NAME7"));
    const qint64 firstMs = clock.elapsed();
    clock.restart();
    for (int i = 1; i < Stations; i += 7919) {
        const FirstNameList::Lookup r = list.Cherche_Prenom(QString::fromLatin1(call(i)));
        QVERIFY(r.found);
        QCOMPARE(r.firstName, QString::fromLatin1(i % 100000 == 0 ? "LATER" : "NAME") + QString::number(i));
    }
    QCOMPARE(list.Cherche_Prenom(QString::fromLatin1(call(300000))).firstName, QStringLiteral("LATER300000"));
    QVERIFY(!list.Cherche_Prenom(QStringLiteral("S0NONE")).found);
    const qint64 laterMs = clock.elapsed();
    QCOMPARE(list.readsOfTheList(), 1);
    // Some 200 look-ups after the first cost less than reading the list once did.
    qInfo("first look-up (reads the list) %lld ms, next ~200 look-ups %lld ms", firstMs, laterMs);
    QVERIFY2(laterMs < std::max<qint64>(firstMs, 50), qPrintable(QString::number(laterMs)));
}

QTEST_APPLESS_MAIN(TestFirstNameList)
#include "tst_firstnamelist.moc"
