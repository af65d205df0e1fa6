// A new abbey list read and compared with the one in use and the station's log:
// usable and unusable lines, UTF-8 against Windows-1252, references written twice,
// files that are no list at all, each kind of change, and the report's name.

#include "common/LogLines.h"

#include "logstore/Cp1252.h"
#include "refdata/AbbeyListFile.h"
#include "refdata/AbbeyListUpdate.h"

#include <QtTest>

using namespace zeltest;

namespace {

QList<QByteArrayView> views(const QList<QByteArray> &lines)
{
    QList<QByteArrayView> out;
    for (const QByteArray &l : lines)
        out << QByteArrayView(l);
    return out;
}

QStringList reasons(const AbbeyListFile &f)
{
    QStringList out;
    for (const AbbeyListFile::Unreadable &u : f.unreadable())
        out << QStringLiteral("%1 %2").arg(u.number).arg(u.reason);
    return out;
}

} // namespace

class TestAbbeyListUpdate : public QObject
{
    Q_OBJECT
private slots:
    void lines_data();
    void lines();
    void utf8AndWindows1252ReadAlike();
    void doubledReferenceLastLineCounts();
    void notAList_data();
    void notAList();
    void comparison();
    void typedNamesAndUnstorableNamesStay();
    void reportNamesNeverRepeat();
    void reportHoldsEveryChange();
};

void TestAbbeyListUpdate::lines_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("reason"); // empty: usable; "-": not read at all
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("locator");
    QTest::newRow("whole line") << abbeyLine("AZ0001", "Abbazia di San Clemente", "JN62") << QString()
                                << "Abbazia di San Clemente" << "JN62";
    QTest::newRow("reference only") << QByteArray("AZ0001") << QString() << QString() << QString();
    QTest::newRow("ends in the name") << QByteArray("AZ0001 Abbazia") << QString() << "Abbazia" << QString();
    QTest::newRow("locator cut") << QByteArray(abbeyLine("AZ0001", "Badia", "JN")) << QString() << "Badia" << "JN";
    QTest::newRow("small letters") << abbeyLine("az0001", "Badia", "JN62") << QString() << "Badia" << "JN62";
    QTest::newRow("accented name") << abbeyLine("MR0005", "Santa Maria a pi\xE8 di Chienti", "JN63") << QString()
                                   << QString::fromUtf8("Santa Maria a piè di Chienti") << "JN63";
    QTest::newRow("five characters") << abbeyLine("AZ001", "Badia", "JN62") << "pas de référence" << "" << "";
    QTest::newRow("shifted right") << QByteArray(" AZ0001 Badia") << "pas de référence" << "" << "";
    QTest::newRow("not alphanumeric") << abbeyLine("AZ-001", "Badia", "JN62") << "pas de référence" << "" << "";
    QTest::newRow("seven characters") << QByteArray("AZ00012 Badia") << "plus de 6 caractères" << "" << "";
    QTest::newRow("name only") << QByteArray("       Abbazia senza riferimento") << "pas de référence" << ""
                               << "";
    QTest::newRow("unassigned byte") << abbeyLine("AZ0001", "Badia\x81", "JN62") << "hors Windows-1252" << ""
                                     << "";
    QTest::newRow("tab") << QByteArray("AZ0001 Badia\tJN62") << "caractère de contrôle" << "" << "";
    QTest::newRow("blank line") << QByteArray("      ") << "-" << "" << "";
}

void TestAbbeyListUpdate::lines()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, reason);
    QFETCH(QString, name);
    QFETCH(QString, locator);
    // After a usable line, so that the line number is seen to count every line.
    const AbbeyListFile f = AbbeyListFile::fromBytes(crlf({abbeyLine("TO0007", "Sant'Antimo", "JN53"), line}));
    if (reason == QLatin1String("-")) {
        QCOMPARE(f.lines().size(), 1);
        QVERIFY(f.unreadable().isEmpty());
        QCOMPARE(f.toListBytes(), crlf({abbeyLine("TO0007", "Sant'Antimo", "JN53")}));
        return;
    }
    if (!reason.isEmpty()) {
        QCOMPARE(f.lines().size(), 1);
        QCOMPARE(f.unreadable().size(), 1);
        QCOMPARE(f.unreadable().first().number, 2);
        QVERIFY2(f.unreadable().first().reason.contains(reason), qPrintable(f.unreadable().first().reason));
        // None of it is taken into the list written.
        QCOMPARE(f.toListBytes(), crlf({abbeyLine("TO0007", "Sant'Antimo", "JN53")}));
        return;
    }
    QVERIFY2(f.unreadable().isEmpty(), qPrintable(reasons(f).join(QLatin1Char('\n'))));
    QCOMPARE(f.abbeyCount(), 2);
    const AbbeyListFile::Line &l = f.entry(1);
    QCOMPARE(l.number, 2);
    QCOMPARE(l.name().toString(), name);
    QCOMPARE(l.locator().toString(), locator);
    // Found in capitals, written back as it was read.
    QVERIFY(f.find(l.reference().toString().toUpper()));
    QCOMPARE(f.toListBytes(), crlf({abbeyLine("TO0007", "Sant'Antimo", "JN53"), line}));
}

void TestAbbeyListUpdate::utf8AndWindows1252ReadAlike()
{
    const QByteArray ansi = crlf({abbeyLine("MR0005", "Santa Maria a pi\xE8 di Chienti", "JN63"),
                                  abbeyLine("AZ0001", "Abbazia \x80 San Clemente", "JN62")});
    const QString text = Cp1252::decode(ansi);
    const QByteArray utf8 = text.toUtf8();
    const AbbeyListFile a = AbbeyListFile::fromBytes(ansi);
    const AbbeyListFile u = AbbeyListFile::fromBytes(utf8);
    const AbbeyListFile bom = AbbeyListFile::fromBytes("\xEF\xBB\xBF" + utf8);
    QCOMPARE(a.encoding(), AbbeyListFile::Encoding::Windows1252);
    QCOMPARE(u.encoding(), AbbeyListFile::Encoding::Utf8);
    QCOMPARE(bom.encoding(), AbbeyListFile::Encoding::Utf8);
    // A list saved again by a modern editor changes nothing, and is written back in
    // the list's own code page.
    for (const AbbeyListFile *other : {&u, &bom}) {
        const AbbeyListUpdate same(a, *other, QList<QByteArrayView>());
        QVERIFY(same.corrected().isEmpty() && same.added().isEmpty() && same.withdrawn().isEmpty());
        QCOMPARE(other->toListBytes(), ansi);
    }
    // Plain ASCII is either: read as the list in use is.
    QCOMPARE(AbbeyListFile::fromBytes(abbeyLine("AZ0001", "Badia", "JN62")).encoding(),
             AbbeyListFile::Encoding::Windows1252);
    // A stray Windows-1252 byte in an otherwise UTF-8 file makes it Windows-1252.
    QCOMPARE(AbbeyListFile::fromBytes(utf8 + abbeyLine("PM0001", "Badia \xE9", "JN45")).encoding(),
             AbbeyListFile::Encoding::Windows1252);
    // In UTF-8, a letter Windows-1252 lacks makes its line unusable, not the file.
    const AbbeyListFile polish = AbbeyListFile::fromBytes(utf8 + abbeyLine("PM0001", "\xC5\x81\xC3\xB3" "dz", "JN45"));
    QCOMPARE(polish.encoding(), AbbeyListFile::Encoding::Utf8);
    QCOMPARE(polish.abbeyCount(), 2);
    QCOMPARE(reasons(polish).size(), 1);
    QVERIFY(reasons(polish).first().startsWith(QStringLiteral("3 caractère hors Windows-1252")));
}

void TestAbbeyListUpdate::doubledReferenceLastLineCounts()
{
    const AbbeyListFile f = AbbeyListFile::fromBytes(crlf({
        abbeyLine("AZ0001", "Prima", "JN62"),
        abbeyLine("TO0007", "Sant'Antimo", "JN53"),
        abbeyLine("AZ0002", "Badia", "JN62"),
        abbeyLine("az0001", "Seconda", "JN63"),
        abbeyLine("AZ0001", "Terza", "JN64"),
    }));
    QCOMPARE(f.abbeyCount(), 3);
    QCOMPARE(f.duplicates().size(), 1);
    QCOMPARE(f.duplicates().first().lines, (QList<int>{1, 4, 5}));
    QCOMPARE(f.find(u"AZ0001")->name().toString(), QStringLiteral("Terza"));
    QCOMPARE(f.find(u"AZ0001")->nameShown(), QStringLiteral("TERZA"));
    // The references keep the order of their first line; every line is written.
    QCOMPARE(f.entry(0).number, 5);
    QCOMPARE(f.entry(1).reference().toString(), QStringLiteral("TO0007"));
    QCOMPARE(f.lines().size(), 5);
}

void TestAbbeyListUpdate::notAList_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("why"); // empty: it is a list
    const QByteArray good = abbeyLine("AZ0001", "Badia", "JN62");
    QTest::newRow("empty file") << QByteArray() << "vide";
    QTest::newRow("blank lines") << QByteArray("\r\n   \r\n\r\n") << "vide";
    QTest::newRow("a log") << crlf({qso("IK0AAA", "AZ0001", "10/01/07", "10:00").line(),
                                    qso("I2BBB", "TO0007", "11/01/07", "10:00").line(), good})
                           << "QSO d'un log";
    QTest::newRow("an ADIF file") << QByteArray("<call:5>I1AAA<qso_date:8>20070110<eor>\n<call:5>I2BBB<eor>\n")
                                  << "aucune de ses 2 lignes";
    QTest::newRow("mostly unreadable") << crlf({good, "-- 1 --", "-- 2 --"}) << "2 de ses 3 lignes";
    QTest::newRow("a few unreadable") << crlf({good, "-- 1 --", abbeyLine("TO0007", "Sant'Antimo", "JN53")})
                                      << QString();
    QTest::newRow("one abbey") << good << QString();
}

void TestAbbeyListUpdate::notAList()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, why);
    const QString said = AbbeyListFile::fromBytes(content).notAList();
    if (why.isEmpty())
        QCOMPARE(said, QString());
    else
        QVERIFY2(said.contains(why), qPrintable(said));
}

void TestAbbeyListUpdate::comparison()
{
    const AbbeyListFile current = AbbeyListFile::fromBytes(crlf({
        abbeyLine("AZ0001", "Abbazia di San Clemente", "JN62"),
        abbeyLine("MR0005", "Santa Maria a pie di Chienti", "JN63"),
        abbeyLine("TO0007", "Sant'Antimo", "JN53"),
        abbeyLine("VN0001", "Abbazia di Praglia", "JN55"),
        abbeyLine("PM0001", "Staffarda", "JN34"),
    }));
    const AbbeyListFile chosen = AbbeyListFile::fromBytes(crlf({
        abbeyLine("AZ0001", "Abbazia di San Clemente", "JN62"),         // same
        abbeyLine("MR0005", "Santa Maria a pi\xE8 di Chienti", "JN63"), // name corrected
        abbeyLine("TO0007", "Sant'Antimo", "JN52"),                     // locator corrected
        abbeyLine("LB0001", "Abbazia di Piona", "JN46"),                // added
        "garbage",                                                      // unreadable
    }));

    Qso clemente = qso("I1AAA", "AZ0001", "10/01/07", "10:00");
    clemente.abbey = "ABBAZIA DI SAN CLEMENTE";
    Qso chienti = qso("I2BBB", "MR0005", "11/01/07", "10:00");
    chienti.abbey = "SANTA MARIA A PIE DI CHIENTI";
    Qso praglia = qso("I3CCC", "VN0001", "12/01/07", "10:00");
    praglia.qsl = true;
    Qso praglia2 = qso("I4DDD", "VN0001", "13/01/07", "10:00");
    Qso staffarda = qso("I5EEE", "PM0001", "14/01/07", "10:00");
    staffarda.qsl = true;
    Qso unknown = qso("I6FFF", "XX9999", "15/01/07", "10:00");
    const QList<QByteArray> log = {clemente.line(), chienti.line(), praglia.line(), praglia2.line(),
                                   staffarda.line(), unknown.line(), "a line edited by hand"};
    const AbbeyListUpdate u(current, chosen, views(log));

    QCOMPARE(u.added().size(), 1);
    QCOMPARE(u.added().first().reference, QStringLiteral("LB0001"));
    QCOMPARE(u.added().first().locator, QStringLiteral("JN46"));
    QCOMPARE(u.corrected().size(), 2);
    QCOMPARE(u.corrected().at(0).reference, QStringLiteral("MR0005"));
    QVERIFY(u.corrected().at(0).nameChanged() && !u.corrected().at(0).locatorChanged());
    QCOMPARE(u.corrected().at(0).newName, QString::fromUtf8("Santa Maria a piè di Chienti"));
    QCOMPARE(u.corrected().at(1).reference, QStringLiteral("TO0007"));
    QVERIFY(!u.corrected().at(1).nameChanged() && u.corrected().at(1).locatorChanged());
    QCOMPARE(u.withdrawn().size(), 2);
    QCOMPARE(u.withdrawn().at(0).reference, QStringLiteral("VN0001"));
    QCOMPARE(u.withdrawn().at(0).qsos, 2);
    QCOMPARE(u.withdrawn().at(0).confirmed, 1);
    QCOMPARE(u.withdrawn().at(1).qsos, 1);
    QCOMPARE(u.withdrawnInLog(), 2);
    // A reference that neither list knew is not "no longer" in the list.
    QCOMPARE(u.qsosWithdrawn(), 3);
    QCOMPARE(u.confirmedWithdrawn(), 2);

    // Only the name column of the QSO still carrying the old name changes.
    QCOMPARE(u.renames().size(), 1);
    const AbbeyListUpdate::Rename &r = u.renames().first();
    QCOMPARE(r.row, 1);
    QCOMPARE(r.oldLine, chienti.line());
    Qso renamed = chienti;
    renamed.abbey = "SANTA MARIA A PI\xC8 DI CHIENTI";
    QCOMPARE(r.newLine, renamed.line());
    QCOMPARE(r.callsign, QStringLiteral("I2BBB"));

    // The log read from its file's bytes (LF or CR LF) counts the same QSOs on the same rows.
    QByteArray bytes = crlf(log);
    bytes.replace(crlf({praglia.line()}), praglia.line() + "\n");
    bytes.chop(2);
    const AbbeyListUpdate fromFile(current, chosen, bytes);
    QCOMPARE(fromFile.qsosWithdrawn(), 3);
    QCOMPARE(fromFile.confirmedWithdrawn(), 2);
    QCOMPARE(fromFile.renames().size(), 1);
    QCOMPARE(fromFile.renames().first().row, 1);
    QCOMPARE(fromFile.renames().first().newLine, renamed.line());

    // Nothing in the log, nothing to count; the same list changes nothing.
    const AbbeyListUpdate none(current, current, QByteArray());
    QVERIFY(none.added().isEmpty() && none.corrected().isEmpty() && none.withdrawn().isEmpty());
    QCOMPARE(none.qsosWithdrawn(), 0);
}

void TestAbbeyListUpdate::typedNamesAndUnstorableNamesStay()
{
    const AbbeyListFile current = AbbeyListFile::fromBytes(crlf({
        abbeyLine("AZ0001", "Badia vecchia", "JN62"),
        abbeyLine("TO0007", "Sant'Antimo", "JN53"),
        abbeyLine("PM0001", "Staffarda", "JN34"),
    }));
    const AbbeyListFile chosen = AbbeyListFile::fromBytes(QString::fromUtf8(
        crlf({abbeyLine("AZ0001", "Badia nuova", "JN62"),
              // Upper-cased, µ becomes a Greek letter the log cannot hold.
              abbeyLine("TO0007", "Sant'Antimo \xC2\xB5", "JN53"),
              // A line without its locator shows no name: there is none to put in.
              abbeyLine("PM0001", "Staffarda nuova", "  ")})).toUtf8());
    QCOMPARE(chosen.unreadable().size(), 0);
    Qso typed = qso("I1AAA", "AZ0001", "10/01/07", "10:00");
    typed.abbey = "BADIA VECCHIA (RUDERI)";
    Qso small = qso("I2AAA", "AZ0001", "11/01/07", "10:00");
    small.abbey = "Badia vecchia";
    Qso antimo = qso("I3AAA", "TO0007", "12/01/07", "10:00");
    antimo.abbey = "SANT'ANTIMO";
    Qso staffarda = qso("I4AAA", "PM0001", "13/01/07", "10:00");
    staffarda.abbey = "STAFFARDA";
    Qso listed = qso("I5AAA", "az0001", "14/01/07", "10:00");
    listed.abbey = "BADIA VECCHIA";
    const QList<QByteArray> log = {typed.line(), small.line(), antimo.line(), staffarda.line(), listed.line()};
    const AbbeyListUpdate u(current, chosen, views(log));
    QCOMPARE(u.corrected().size(), 3);
    QCOMPARE(u.renames().size(), 1);
    QCOMPARE(u.renames().first().row, 4);
    QCOMPARE(u.renames().first().newName, QStringLiteral("BADIA NUOVA"));
}

void TestAbbeyListUpdate::reportNamesNeverRepeat()
{
    QStringList taken;
    const auto isTaken = [&taken](const QString &n) { return taken.contains(n); };
    const QDate day(2007, 3, 14);
    QCOMPARE(AbbeyListUpdate::reportFileName(day, isTaken), QStringLiteral("Liste_Abbayes_Mise_a_jour_14_03_07.txt"));
    taken << QStringLiteral("Liste_Abbayes_Mise_a_jour_14_03_07.txt");
    QCOMPARE(AbbeyListUpdate::reportFileName(day, isTaken), QStringLiteral("Liste_Abbayes_Mise_a_jour_14_03_07_2.txt"));
    taken << QStringLiteral("Liste_Abbayes_Mise_a_jour_14_03_07_2.txt");
    QCOMPARE(AbbeyListUpdate::reportFileName(day, isTaken), QStringLiteral("Liste_Abbayes_Mise_a_jour_14_03_07_3.txt"));
}

void TestAbbeyListUpdate::reportHoldsEveryChange()
{
    const AbbeyListFile current =
        AbbeyListFile::fromBytes(crlf({abbeyLine("AZ0001", "Badia", "JN62"), abbeyLine("VN0001", "Praglia", "JN55")}));
    const QByteArray utf8 = QString::fromUtf8("AZ0001 Badia nuova\r\nPM0001 Staffarda\r\nPM0001 Staffarda bis\r\n"
                                              "AB\xC5\x81 x\r\n")
                                .toUtf8();
    const AbbeyListFile chosen = AbbeyListFile::fromBytes(utf8);
    Qso praglia = qso("I3CCC", "VN0001", "12/01/07", "10:00");
    praglia.qsl = true;
    const QList<QByteArray> log = {praglia.line()};
    const AbbeyListUpdate u(current, chosen, views(log));
    AbbeyListUpdate::Context c;
    c.day = QDate(2007, 3, 14);
    c.listName = QStringLiteral("Liste_Abbayes.txt");
    c.chosenName = QStringLiteral("nuova.txt");
    c.station = QStringLiteral("F6ABC/P");
    const QByteArray report = u.report(current, chosen, c);
    const QString text = Cp1252::decode(report);
    for (const char *expected : {"abbayes ajoutées : 1", "noms ou locators corrigés : 1",
                                 "références retirées : 1, dont 1 dans le log", "DANS LE LOG : 1 QSO, 1 confirmé",
                                 "lignes illisibles : 1", "ligne 4 : pas de référence", "références en double : 1",
                                 "PM0001  lignes 2, 3 (la ligne 3 compte)", "lue en UTF-8", "1 contacté, 1 confirmé",
                                 "nom : Badia -> Badia nuova", "du 14/03/07"})
        QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
    // The counts agree in number: 0 and 1 take the singular.
    QVERIFY(!text.contains(QStringLiteral("contactés")));
    const QList<QByteArray> two = {praglia.line(), qso("I4DDD", "VN0001", "13/01/07", "10:00").line()};
    QVERIFY(Cp1252::decode(AbbeyListUpdate(current, chosen, views(two)).report(current, chosen, c))
                .contains(QStringLiteral("2 contactés, 1 confirmé")));
    QVERIFY(Cp1252::decode(AbbeyListUpdate(current, chosen, views({})).report(current, chosen, c))
                .contains(QStringLiteral("0 contacté, 0 confirmé")));
    // Windows-1252 with CR LF, the letter it lacks shown as "?".
    QVERIFY(report.contains("AB? x"));
    QVERIFY(!report.contains('\x1A'));
    QCOMPARE(report.count("\r\n"), report.count('\n'));
}

QTEST_GUILESS_MAIN(TestAbbeyListUpdate)
#include "tst_abbeylistupdate.moc"
