#include "common/LogLines.h"
#include "refdata/AbbeyList.h"
#include "refdata/AbbeyTable.h"

#include "logstore/Cp1252.h"
#include "refdata/RegionTable.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using zeltest::abbeyLine;

} // namespace

class TestAbbeyList : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void lookup_data();
    void lookup();
    void missingFile();
    void wholeTableReadsAsTheLookup();
    void currentTableFollowsTheFile();
    void upperCasedNameStaysWithinItsColumns();
    void listReadOnceAndAgainWhenChanged();
    void utf8ListReadAsTheUpdateReadsIt();
    void exampleList();

private:
    QTemporaryDir m_dir;
    QString m_list;
};

void TestAbbeyList::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_list = m_dir.filePath(QStringLiteral("Liste_Abbayes.txt"));
    const QByteArray content =
        abbeyLine("LZ0001", "Abbazia di Montecassino", "JN61") + "\r\n"
        // LF-only line end, accented name
        + abbeyLine("SC0004", "Monastero dei Benedettini di San Nicol\xF2 l'Arena", "JM77") + "\n"
        // reference written with blanks around it
        + abbeyLine(" TC01", "Abbazia di San Galgano", "JN53") + "\r\n"
        // the same abbey twice: the second line wins
        + abbeyLine("PM0001", "Sacra di San Michele (ancienne)", "JN34") + "\r\n"
        + abbeyLine("PM0001", "Sacra di San Michele", "JN35") + "\r\n"
        // a known abbey whose last line stops after the name
        + abbeyLine("EM0001", "Abbazia di Pomposa", "JN64") + "\r\n"
        + abbeyLine("EM0001", "Abbazia di Pomposa", "  ") + "\r\n"
        // the other way round: a line without locator, then a full one
        + abbeyLine("UM0001", "Abbazia di San Pietro", "  ") + "\r\n"
        + abbeyLine("UM0001", "Abbazia di San Pietro in Valle", "JN62") + "\r\n"
        + abbeyLine("KL0001", "Abbazia Florense", "  ") + "\r\n"
        // written in small letters by hand; the same abbey in small and in capitals
        + abbeyLine("to0002", "Abbazia di Sant'Antimo", "JN53") + "\r\n"
        + abbeyLine("MR0001", "Abbazia di Fiastra", "JN63") + "\r\n"
        + abbeyLine("mr0001", "Abbazia di Chiaravalle", "JN63") + "\r\n"
        // lines that end early
        + "AZ0001 Abbazia breve\r\n"
        + "BC01\r\n"
        + abbeyLine("ML0001", "Abbazia di San Vincenzo al Volturno", "JN7") + "\r\n"
        + "\r\n"
        + abbeyLine("VN0001", "Abbazia di Santa Maria di Follina", "JN65"); // no line end
    QFile f(m_list);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
}

void TestAbbeyList::lookup_data()
{
    QTest::addColumn<QString>("reference");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("locator");

    auto upper = [&](const char *utf8) { return QString::fromUtf8(utf8); };

    QTest::newRow("present") << "LZ0001" << true << upper("ABBAZIA DI MONTECASSINO") << "JN61";
    QTest::newRow("accents in capitals, LF line end")
        << "SC0004" << true << upper("MONASTERO DEI BENEDETTINI DI SAN NICOLÒ L'ARENA") << "JM77";
    QTest::newRow("reference trimmed in the list") << "TC01" << true << upper("ABBAZIA DI SAN GALGANO")
                                                   << "JN53";
    QTest::newRow("reference given with blanks") << " TC01" << false << "" << "";
    QTest::newRow("typed in small letters") << "lz0001" << true << upper("ABBAZIA DI MONTECASSINO") << "JN61";
    QTest::newRow("written in small letters") << "TO0002" << true << upper("ABBAZIA DI SANT'ANTIMO") << "JN53";
    QTest::newRow("small letters, twice: last wins") << "MR0001" << true << upper("ABBAZIA DI CHIARAVALLE")
                                                     << "JN63";
    QTest::newRow("absent") << "LZ9999" << false << "" << "";
    QTest::newRow("prefix of a reference") << "LZ000" << false << "" << "";
    QTest::newRow("twice: last wins") << "PM0001" << true << upper("SACRA DI SAN MICHELE") << "JN35";
    QTest::newRow("last line has no locator") << "EM0001" << true << "" << "  ";
    QTest::newRow("last line has a locator") << "UM0001" << true
                                             << upper("ABBAZIA DI SAN PIETRO IN VALLE") << "JN62";
    QTest::newRow("line ends at column 70") << "KL0001" << true << "" << "  ";
    QTest::newRow("line ends in the name") << "AZ0001" << true << "ABBAZIA BREVE" << "";
    QTest::newRow("reference only") << "BC01" << true << "" << "";
    QTest::newRow("line ends in the locator") << "ML0001" << true
                                              << upper("ABBAZIA DI SAN VINCENZO AL VOLTURNO") << "JN7";
    QTest::newRow("last line without line end") << "VN0001" << true
                                                << upper("ABBAZIA DI SANTA MARIA DI FOLLINA") << "JN65";
}

void TestAbbeyList::lookup()
{
    QFETCH(QString, reference);
    QFETCH(bool, found);
    QFETCH(QString, name);
    QFETCH(QString, locator);
    const AbbeyList::Lookup r = AbbeyList::Cherche_Abbaye(m_list, reference);
    QCOMPARE(r.found, found);
    QCOMPARE(r.name, name);
    QCOMPARE(r.locator, locator);
}

void TestAbbeyList::wholeTableReadsAsTheLookup()
{
    // The table read once gives what the main window's look-up gives, line by line,
    // and is searched in any case.
    QString error;
    const AbbeyTable table = AbbeyTable::read(m_list, &error);
    QCOMPARE(error, QString());
    QCOMPARE(table.size(), 13);
    for (const AbbeyTable::Entry &e : table.entries()) {
        const AbbeyList::Lookup r = AbbeyList::Cherche_Abbaye(m_list, e.reference);
        QVERIFY2(r.found, qPrintable(e.reference));
        QCOMPARE(e.name, r.name);
        QCOMPARE(e.locator, r.locator);
    }
    QVERIFY(table.find(u"pm0001"));
    QCOMPARE(table.find(u"pm0001")->locator, QStringLiteral("JN35"));
    QCOMPARE(table.find(u"PM0001")->line, 5);
    QVERIFY(!table.contains(u"LZ000"));
    QVERIFY(AbbeyTable::read(m_dir.filePath(QStringLiteral("none.txt")), &error).isEmpty());
    QCOMPARE(error, QString());
}

void TestAbbeyList::currentTableFollowsTheFile()
{
    const QString path = m_dir.filePath(QStringLiteral("changing.txt"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(abbeyLine("LZ0001", "Abbazia di Montecassino", "JN61") + "\r\n");
    f.close();
    QVERIFY(AbbeyTable::current(path).contains(u"LZ0001"));
    // Replaced by another file of the same size: read again all the same.
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(abbeyLine("LZ0002", "Abbazia di Casamari    ", "JN61") + "\r\n");
    f.close();
    QVERIFY(!AbbeyTable::current(path).contains(u"LZ0001"));
    QCOMPARE(AbbeyTable::current(path).find(u"LZ0002")->name, QStringLiteral("ABBAZIA DI CASAMARI"));
    QVERIFY(QFile::remove(path));
    QVERIFY(AbbeyTable::current(path).isEmpty());
}

void TestAbbeyList::missingFile()
{
    // The list gone while the program runs is not "not referenced": say it is missing.
    const AbbeyList::Lookup r = AbbeyList::Cherche_Abbaye(m_dir.filePath(QStringLiteral("none.txt")),
                                                          QStringLiteral("LZ0001"));
    QVERIFY(!r.found);
    QVERIFY2(r.error.startsWith(QStringLiteral("ATTENTION la liste des abbayes none.txt est introuvable")),
             qPrintable(r.error));
    QVERIFY(r.error.contains(QStringLiteral("sera recréée au prochain démarrage")));
    QCOMPARE(AbbeyList::Cherche_Abbaye(m_list, QStringLiteral("ZZ9999")).error, QString());
}

void TestAbbeyList::upperCasedNameStaysWithinItsColumns()
{
    // "ß" becomes "SS": the name must still be 60 characters at most.
    const QString path = m_dir.filePath(QStringLiteral("sharp-s.txt"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(abbeyLine("BB0003", QByteArray(59, 'a') + "\xDF", "JN56") + "\r\n");
    f.close();
    const AbbeyList::Lookup r = AbbeyList::Cherche_Abbaye(path, QStringLiteral("BB0003"));
    QVERIFY(r.found);
    QCOMPARE(r.name, QString(59, QLatin1Char('A')) + QLatin1Char('S'));
    QCOMPARE(r.locator, QStringLiteral("JN56"));
}

void TestAbbeyList::listReadOnceAndAgainWhenChanged()
{
    // Enter after Enter on an unchanged list reads it once; a list changed between two
    // Enters (a hand edit, a list update) is read again at the next one.
    const QString path = m_dir.filePath(QStringLiteral("entered.txt"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(abbeyLine("LZ0001", "Abbazia di Montecassino", "JN61") + "\r\n");
    f.close();
    QCOMPARE(AbbeyList::Cherche_Abbaye(path, QStringLiteral("LZ0001")).name, QStringLiteral("ABBAZIA DI MONTECASSINO"));
    const int reads = AbbeyTable::readsFromDisk();
    for (int i = 0; i < 50; ++i)
        QVERIFY(AbbeyList::Cherche_Abbaye(path, QStringLiteral("LZ0001")).found);
    QVERIFY(!AbbeyList::Cherche_Abbaye(path, QStringLiteral("LZ0002")).found);
    // The spots ask the same table: no reading of their own.
    QVERIFY(AbbeyTable::current(path).contains(u"lz0001"));
    QCOMPARE(AbbeyTable::readsFromDisk(), reads);

    QVERIFY(f.open(QIODevice::Append));
    f.write(abbeyLine("lz0002", "Abbazia di Casamari", "JN61") + "\r\n");
    f.write(abbeyLine("LZ0001", "Abbazia di Montecassino", "  ") + "\r\n");
    f.close();
    const AbbeyList::Lookup added = AbbeyList::Cherche_Abbaye(path, QStringLiteral("LZ0002"));
    QCOMPARE(AbbeyTable::readsFromDisk(), reads + 1);
    QVERIFY(added.found);
    QCOMPARE(added.name, QStringLiteral("ABBAZIA DI CASAMARI"));
    // The last line of LZ0001 now has a two-blank locator: known, its name emptied.
    const AbbeyList::Lookup emptied = AbbeyList::Cherche_Abbaye(path, QStringLiteral("LZ0001"));
    QVERIFY(emptied.found);
    QCOMPARE(emptied.name, QString());
    QCOMPARE(emptied.locator, QStringLiteral("  "));
    QCOMPARE(AbbeyTable::readsFromDisk(), reads + 1);

    // Gone while the program runs: said missing, and found again once it is back.
    QVERIFY(QFile::rename(path, path + QStringLiteral(".away")));
    QVERIFY(AbbeyList::Cherche_Abbaye(path, QStringLiteral("LZ0002")).error.contains(QStringLiteral("introuvable")));
    QVERIFY(QFile::rename(path + QStringLiteral(".away"), path));
    QVERIFY(AbbeyList::Cherche_Abbaye(path, QStringLiteral("LZ0002")).found);
}

void TestAbbeyList::utf8ListReadAsTheUpdateReadsIt()
{
    // A list saved in UTF-8 by an editor gives its names in the entry as the list
    // update shows them, not as Windows-1252 mojibake; columns count characters.
    const QString path = m_dir.filePath(QStringLiteral("utf8.txt"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    const QString name = QString::fromUtf8("Abbazia di San Nicolò");
    f.write("\xEF\xBB\xBF" + (QStringLiteral("SC0004 ") + name.leftJustified(60) + QStringLiteral(" JM77\r\n")).toUtf8());
    f.close();
    const AbbeyList::Lookup r = AbbeyList::Cherche_Abbaye(path, QStringLiteral("SC0004"));
    QVERIFY(r.found);
    QCOMPARE(r.name, name.toUpper());
    QCOMPARE(r.locator, QStringLiteral("JM77"));
}

void TestAbbeyList::exampleList()
{
    const QString path = QStringLiteral(ZEL_DATA "/Liste_Abbayes.txt");
    QFile f(path);
    QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(path));
    const QByteArray content = f.readAll();
    QVERIFY(content.endsWith("\r\n"));
    const QList<QByteArray> raw = content.split('\n');
    QVERIFY(raw.last().isEmpty()); // after the last CR LF

    static const QRegularExpression locator(QStringLiteral("^[A-R]{2}[0-9]{2}$"));
    QSet<QString> references;
    QSet<int> covered;
    for (int i = 0; i < raw.size() - 1; ++i) {
        const QByteArray &line = raw.at(i);
        QVERIFY2(line.endsWith('\r'), qPrintable(QStringLiteral("line %1").arg(i + 1)));
        QVERIFY2(line.size() == 73, qPrintable(QStringLiteral("line %1: %2 bytes").arg(i + 1).arg(line.size() - 1)));
        // A byte that is not Windows-1252 text would come back different.
        const QString text = Cp1252::decode(line.chopped(1));
        QCOMPARE(Cp1252::encode(text), line.chopped(1));
        QCOMPARE(text.at(6), QLatin1Char(' '));
        QCOMPARE(text.at(67), QLatin1Char(' '));
        const QString reference = text.left(6);
        QVERIFY2(!reference.contains(QLatin1Char(' ')), qPrintable(reference));
        QVERIFY2(!references.contains(reference), qPrintable(reference));
        references.insert(reference);
        const int slot = RegionTable::slotOfCode(reference.left(2));
        QVERIFY2(slot != 0, qPrintable(reference));
        covered.insert(slot);
        QVERIFY2(locator.match(text.mid(68)).hasMatch(), qPrintable(text));
    }
    QVERIFY(references.size() >= 40);
    QCOMPARE(covered.size(), RegionTable::SlotCount);

    const AbbeyList::Lookup r = AbbeyList::Cherche_Abbaye(path, QStringLiteral("LZ0001"));
    QVERIFY(r.found);
    QCOMPARE(r.name.trimmed(), QStringLiteral("ABBAZIA DI MONTECASSINO"));
    QCOMPARE(r.locator, QStringLiteral("JN61"));
}

QTEST_APPLESS_MAIN(TestAbbeyList)
#include "tst_abbeylist.moc"
