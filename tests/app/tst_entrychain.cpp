// Typing a QSO field after field with Enter: look-ups, refusals, and the band and
// mode the window remembers.

#include "Harness.h"

#include "entry/EntryChecks.h"

using namespace zeltest;

static const QString kModeTooLong = QStringLiteral(
    "Le log ne garde que 3 caractères pour le Mode : choisissez SSB, CW ou FM, ou un mode de 3 caractères au plus");

class EntryChainTest : public QObject
{
    Q_OBJECT

private slots:
    void plainEntryWithEnterOnly();
    void newStationWithAccents();
    void refusals_data();
    void refusals();
    void alreadyContacted();
    void unlistedAbbey();
    void modeTypedInCapitals();
    void typingReplacesWhatTheFieldHolds();
    void bandAndModeRemembered_data();
    void bandAndModeRemembered();
    void refusedEnterStoresNothing();
    void modificationStoresNothing();
};

void EntryChainTest::plainEntryWithEnterOnly()
{
    MainHarness h;
    const QByteArray earlier = qso("IK0AAA", "TO0007", "05/01/07", "10:00").line();
    QVERIFY(h.prepare({earlier}));
    QVERIFY(h.start());
    const QByteArray names = readBytes(h.path("Liste_Prenom.txt"));

    QLineEdit *ind = h.edit("Ind_A");
    QVERIFY(ind->hasFocus());
    MainHarness::type(ind, QStringLiteral("f1abc"));
    QCOMPARE(ind->text(), QStringLiteral("F1ABC"));
    MainHarness::enter(ind);

    QLineEdit *prenom = h.edit("Prenom_A");
    QVERIFY(prenom->hasFocus());
    QCOMPARE(prenom->text(), QStringLiteral("JEAN"));
    QCOMPARE(prenom->palette().color(QPalette::Base), QColor(0xC0, 0xFF, 0xC0));
    QCOMPARE(ind->palette().color(QPalette::Base), QColor(0xFF, 0xFF, 0xC0));
    MainHarness::enter(prenom);

    QLineEdit *ref = h.edit("Ref_A");
    QVERIFY(ref->hasFocus());
    MainHarness::type(ref, QStringLiteral("az0001"));
    MainHarness::enter(ref);

    // The abbey list and the clock fill the rest; the cursor jumps to the mode.
    QCOMPARE(h.edit("Loc_A")->text(), QStringLiteral("JN62"));
    QCOMPARE(h.edit("Rem_A")->text().trimmed(), QStringLiteral("ABBAZIA DI SAN CLEMENTE A CASAURIA"));
    QCOMPARE(h.edit("Date_A")->text(), QStringLiteral("14/03/07"));
    QCOMPARE(h.edit("Heure_A")->text(), QStringLiteral("09:05"));
    QCOMPARE(h.focused(), h.combo("Mode_A"));

    for (const char *next : {"Bande_A", "RST_A", "RSTE_A", "Rem_A", "QSL_A", "Valide_A"}) {
        MainHarness::enter(h.focused());
        QCOMPARE(h.focused(), h.get(next));
    }
    QVERIFY(h.messages.shown.isEmpty());
    QVERIFY(h.button("Valide_A")->isEnabled());
    QTest::keyClick(h.button("Valide_A"), Qt::Key_Return);

    QCOMPARE(h.messages.shown, QStringList{QStringLiteral("Voulez vous enregistrer ces données ?")});
    Qso q = qso("F1ABC", "AZ0001", "14/03/07", "09:05");
    q.loc = "JN62";
    q.name = "JEAN";
    q.abbey = "ABBAZIA DI SAN CLEMENTE A CASAURIA";
    QCOMPARE(q.line().size(), 138);
    QCOMPARE(h.log(), crlf({earlier, q.line()}));
    // A listed station keeps its line as it was.
    QCOMPARE(readBytes(h.path("Liste_Prenom.txt")), names);

    QCOMPARE(h.modeShown(), QStringLiteral("Saisie QSO"));
    QCOMPARE(h.list()->currentIndex().row(), 1);
    QCOMPARE(h.entry->selectedListLine().mid(7, 12), QStringLiteral("F1ABC       "));
    QVERIFY(h.button("Annule_Saisie")->isEnabled());
    QVERIFY(!h.button("Valide_A")->isEnabled());
    QVERIFY(ind->isEnabled());
    QVERIFY(ind->text().isEmpty());
    QVERIFY(ind->hasFocus());
    QVERIFY(!ref->isEnabled());
    QVERIFY(ref->text().isEmpty());
}

void EntryChainTest::newStationWithAccents()
{
    MainHarness h;
    QVERIFY(h.prepare({}));
    QVERIFY(h.start());

    QLineEdit *ind = h.edit("Ind_A");
    MainHarness::type(ind, QStringLiteral("f5new"));
    MainHarness::enter(ind);
    QLineEdit *prenom = h.edit("Prenom_A");
    QVERIFY(prenom->text().isEmpty());
    MainHarness::type(prenom, QStringLiteral("rené"));
    QCOMPARE(prenom->text(), QStringLiteral("RENé"));
    MainHarness::enter(prenom);
    MainHarness::type(h.edit("Ref_A"), QStringLiteral("mr0005"));
    QVERIFY(h.walkTo(h.button("Valide_A")));
    QTest::keyClick(h.button("Valide_A"), Qt::Key_Return);

    Qso q = qso("F5NEW", "MR0005", "14/03/07", "09:05");
    q.loc = "JN63";
    q.name = "REN\xC9";
    q.abbey = "ABBAZIA DI SANTA MARIA A PI\xC8 DI CHIENTI";
    QCOMPARE(h.log(), crlf({q.line()}));
    QCOMPARE(readBytes(h.path("Liste_Prenom.txt")), firstNameList() + "F5NEW           REN\xC9\r\n");
}

void EntryChainTest::refusals_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message"); // empty: the value passes

    QTest::newRow("callsign empty") << "Ind_A" << "" << "Entrez un indicatif";
    QTest::newRow("callsign 13") << "Ind_A" << "abcdefghijklm" << "12 caracteres maxi pour l'indicatif";
    QTest::newRow("callsign 12") << "Ind_A" << "abcdefghijkl" << "";
    QTest::newRow("first name 16") << "Prenom_A" << "abcdefghijklmnop" << "15 caracteres maxi pour le Prenom";
    QTest::newRow("first name 15") << "Prenom_A" << "abcdefghijklmno" << "";
    QTest::newRow("reference empty") << "Ref_A" << "" << "Entrez une Reference";
    QTest::newRow("reference 5") << "Ref_A" << "az001" << "6 caracteres pour la reference";
    QTest::newRow("reference 7") << "Ref_A" << "az00001" << "6 caracteres pour la reference";
    QTest::newRow("locator 3") << "Loc_A" << "jn6" << "4 caracteres pour le Locator ou rien";
    QTest::newRow("locator empty") << "Loc_A" << "" << "";
    QTest::newRow("date empty") << "Date_A" << "" << "Entrez une date";
    const QString badDate = QStringLiteral("Le format de la date doit etre JJ/MM/AA");
    QTest::newRow("date 1/02/07") << "Date_A" << "1/02/07" << badDate;
    QTest::newRow("date 01-02-07") << "Date_A" << "01-02-07" << badDate;
    QTest::newRow("date 32/01/07") << "Date_A" << "32/01/07" << badDate;
    QTest::newRow("date 01/13/07") << "Date_A" << "01/13/07" << badDate;
    QTest::newRow("date 01/02/2007") << "Date_A" << "01/02/2007" << badDate;
    // Only days of the calendar; the year's pivot (50-99: 19xx, 00-49: 20xx) decides 29 February.
    QTest::newRow("date 00/00/00") << "Date_A" << "00/00/00" << badDate;
    QTest::newRow("date 31/02/25") << "Date_A" << "31/02/25" << badDate;
    QTest::newRow("date 31/04/07") << "Date_A" << "31/04/07" << badDate;
    QTest::newRow("date 00/03/07") << "Date_A" << "00/03/07" << badDate;
    QTest::newRow("date 29/02/07") << "Date_A" << "29/02/07" << badDate;
    QTest::newRow("date 29/02/08") << "Date_A" << "29/02/08" << "";
    QTest::newRow("date 29/02/00") << "Date_A" << "29/02/00" << "";
    QTest::newRow("date 29/02/50") << "Date_A" << "29/02/50" << badDate;
    QTest::newRow("date 29/02/52") << "Date_A" << "29/02/52" << "";
    QTest::newRow("date 31/12/49") << "Date_A" << "31/12/49" << "";
    QTest::newRow("time empty") << "Heure_A" << "" << "Entrez une Heure";
    const QString badTime = QStringLiteral("Le format de l'heure doit etre HH:MM");
    QTest::newRow("time 24:00") << "Heure_A" << "24:00" << badTime;
    QTest::newRow("time 12:60") << "Heure_A" << "12:60" << badTime;
    QTest::newRow("time 1200") << "Heure_A" << "1200" << badTime;
    QTest::newRow("time 23:59") << "Heure_A" << "23:59" << "";
    QTest::newRow("mode empty") << "Mode_A" << "" << "Entrez un Mode";
    QTest::newRow("mode 4") << "Mode_A" << "rtty" << kModeTooLong;
    QTest::newRow("mode 6") << "Mode_A" << "olivia" << kModeTooLong;
    QTest::newRow("mode 7") << "Mode_A" << "pactor3" << "6 caracteres maxi pour le Mode";
    QTest::newRow("mode 3") << "Mode_A" << "psk" << "";
    QTest::newRow("band empty") << "Bande_A" << "" << "Entrez une QRG";
    QTest::newRow("band 8") << "Bande_A" << "1296 MHz" << "7 caracteres maxi pour la QRG";
    QTest::newRow("band 7") << "Bande_A" << "1296Mhz" << "";
    QTest::newRow("report empty") << "RST_A" << "" << "Entrez un Report";
    QTest::newRow("report 4") << "RST_A" << "5999" << "3 caracteres maxi pour le Report";
    const QString badR = QStringLiteral("R (de RST)doit etre compris entre 0 et 5");
    QTest::newRow("report 6") << "RST_A" << "6" << badR;
    QTest::newRow("report A9") << "RST_A" << "a9" << badR;
    QTest::newRow("report 599") << "RST_A" << "599" << "";
    QTest::newRow("report 59") << "RST_A" << "59" << "";
    QTest::newRow("report 5") << "RST_A" << "5" << "";
    QTest::newRow("sent report A9") << "RSTE_A" << "a9" << badR;
    QTest::newRow("sent report empty") << "RSTE_A" << "" << "Entrez un Report";
    QTest::newRow("abbey name 61") << "Rem_A" << QString(61, QLatin1Char('x'))
                                   << "60 caracteres maxi pour le nom de l'Abbaye";
    QTest::newRow("abbey name 60") << "Rem_A" << QString(60, QLatin1Char('x')) << "";
}

void EntryChainTest::refusals()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, message);

    MainHarness h;
    QVERIFY(h.prepare({}));
    QVERIFY(h.start());
    // Inserting goes through every field, date and time included.
    QTest::mouseClick(h.button("Ajout_QSO"), Qt::LeftButton);
    QCOMPARE(h.modeShown(), QStringLiteral("Insertion QSO"));
    QWidget *target = h.get(qPrintable(field));
    QVERIFY(h.walkTo(target));
    h.messages.clear();

    MainHarness::retype(target, typed);
    const QString shown = MainHarness::text(target);
    QCOMPARE(shown, typed.toUpper());
    MainHarness::enter(target);

    if (message.isEmpty()) {
        QVERIFY2(h.messages.shown.isEmpty(), qPrintable(h.messages.shown.join(QLatin1Char('|'))));
        QVERIFY(h.focused() != target);
    } else {
        QCOMPARE(h.messages.shown, QStringList{message});
        QCOMPARE(h.focused(), target);
        QCOMPARE(MainHarness::text(target), shown);
    }
    QVERIFY(h.messages.questions.isEmpty());
}

void EntryChainTest::alreadyContacted()
{
    MainHarness h;
    QVERIFY(h.prepare({qso("IK0AAA", "TO0007", "02/01/07", "08:00").line(),
                       qso("F1ABC", "AZ0001", "05/01/07", "10:00").line(),
                       qso("F6XYZ", "AZ0001", "01/01/07", "09:00").line()}));
    const QByteArray before = h.log();
    QVERIFY(h.start());

    MainHarness::type(h.edit("Ind_A"), QStringLiteral("i2xyz"));
    QVERIFY(h.walkTo(h.edit("Ref_A")));
    MainHarness::type(h.edit("Ref_A"), QStringLiteral("az0001"));
    MainHarness::enter(h.edit("Ref_A"));

    // The date of the first QSO in the log, not the earliest one.
    QCOMPARE(h.messages.shown, QStringList{QStringLiteral("AZ0001 Abbaye deja contacté le 05/01/07")});
    QVERIFY(h.edit("Ind_A")->hasFocus());
    QVERIFY(h.edit("Ind_A")->text().isEmpty());
    QVERIFY(!h.edit("Ref_A")->isEnabled());
    QVERIFY(h.edit("Ref_A")->text().isEmpty());
    QCOMPARE(h.modeShown(), QStringLiteral("Saisie QSO"));
    QCOMPARE(h.log(), before);
}

void EntryChainTest::unlistedAbbey()
{
    MainHarness h;
    QVERIFY(h.prepare({}));
    QVERIFY(h.start());

    MainHarness::type(h.edit("Ind_A"), QStringLiteral("i2xyz"));
    QVERIFY(h.walkTo(h.edit("Ref_A")));
    MainHarness::type(h.edit("Ref_A"), QStringLiteral("zz9999"));
    MainHarness::enter(h.edit("Ref_A"));
    QCOMPARE(h.messages.shown, QStringList{QStringLiteral("ATTENTION cette Abbaye n'est pas referencée")});
    QCOMPARE(h.focused(), h.combo("Mode_A"));
    QVERIFY(h.edit("Rem_A")->text().isEmpty());

    QVERIFY(h.walkTo(h.button("Valide_A")));
    QTest::mouseClick(h.button("Valide_A"), Qt::LeftButton);
    Qso q = qso("I2XYZ", "ZZ9999", "14/03/07", "09:05");
    QCOMPARE(h.log(), crlf({q.line()}));
}

void EntryChainTest::modeTypedInCapitals()
{
    MainHarness h;
    QVERIFY(h.prepare({}));
    QVERIFY(h.start());
    MainHarness::type(h.edit("Ind_A"), QStringLiteral("i2xyz"));
    QComboBox *mode = h.combo("Mode_A");
    QVERIFY(h.walkTo(mode));
    mode->lineEdit()->selectAll();
    MainHarness::type(mode, QStringLiteral("sSb"));
    QCOMPARE(mode->currentText(), QStringLiteral("SSB"));
    MainHarness::enter(mode);
    QCOMPARE(h.focused(), h.combo("Bande_A"));
}

void EntryChainTest::typingReplacesWhatTheFieldHolds()
{
    // The default report and the listed first name are selected on arrival.
    MainHarness h;
    QVERIFY(h.prepare({}));
    QVERIFY(h.start());
    MainHarness::type(h.edit("Ind_A"), QStringLiteral("f1abc"));
    MainHarness::enter(h.edit("Ind_A"));
    MainHarness::type(h.edit("Prenom_A"), QStringLiteral("luc"));
    QCOMPARE(h.edit("Prenom_A")->text(), QStringLiteral("LUC"));
    QVERIFY(h.walkTo(h.edit("RST_A")));
    MainHarness::type(h.edit("RST_A"), QStringLiteral("57"));
    QCOMPARE(h.edit("RST_A")->text(), QStringLiteral("57"));
    MainHarness::enter(h.edit("RST_A"));
    QVERIFY(h.messages.shown.isEmpty());
    QCOMPARE(h.focused(), h.get("RSTE_A"));
}

void EntryChainTest::bandAndModeRemembered_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed"); // empty: the item is picked from the list
    QTest::addColumn<int>("choice");
    QTest::addColumn<QString>("key");

    QTest::newRow("band 144") << "Bande_A" << "" << 10 << "bande Utilisee";
    QTest::newRow("mode FM") << "Mode_A" << "" << 2 << "Mode Utilise";
    // A typed text naming an item (blanks, case and "Mhz" aside) is that item.
    QTest::newRow("band typed 28 mhz") << "Bande_A" << "28 mhz" << 8 << "bande Utilisee";
    QTest::newRow("band typed 144MHZ") << "Bande_A" << "144MHZ" << 10 << "bande Utilisee";
    QTest::newRow("band typed 21") << "Bande_A" << "21" << 6 << "bande Utilisee";
    QTest::newRow("band typed 7") << "Bande_A" << "7" << 2 << "bande Utilisee";
    QTest::newRow("mode typed cw") << "Mode_A" << "cw" << 1 << "Mode Utilise";
}

void EntryChainTest::bandAndModeRemembered()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(int, choice);
    QFETCH(QString, key);

    MainHarness h;
    QVERIFY(h.prepare({}));
    QVERIFY(h.start());
    auto *combo = h.get<QComboBox>(qPrintable(field));
    MainHarness::type(h.edit("Ind_A"), QStringLiteral("i2xyz"));
    QVERIFY(h.walkTo(combo));
    if (typed.isEmpty())
        combo->setCurrentIndex(choice);
    else
        MainHarness::retype(combo, typed);
    MainHarness::enter(combo);
    QVERIFY(h.messages.shown.isEmpty());
    const QString label = combo->itemText(choice);
    QCOMPARE(combo->currentText(), label);
    QCOMPARE(combo->currentIndex(), choice);
    QCOMPARE(h.stored(QStringLiteral("Setup TEST1"), key), QString::number(choice));

    // The next QSO starts on the same choice; the log holds the item's label.
    QVERIFY(h.walkTo(h.button("Valide_A")));
    QTest::mouseClick(h.button("Valide_A"), Qt::LeftButton);
    QCOMPARE(h.log().size(), 140);
    const int at = field == QLatin1String("Bande_A") ? 60 : 56;
    QCOMPARE(QString::fromLatin1(h.log().mid(at, label.size())), label);
    QCOMPARE(combo->currentIndex(), choice);
}

void EntryChainTest::refusedEnterStoresNothing()
{
    MainHarness h;
    QVERIFY(h.prepare({}));
    h.settings->write(QStringLiteral("Setup TEST1"), QStringLiteral("bande Utilisee"), QStringLiteral("3"));
    QVERIFY(h.start());
    QComboBox *band = h.combo("Bande_A");
    QCOMPARE(band->currentText(), QStringLiteral("10 Mhz"));
    MainHarness::type(h.edit("Ind_A"), QStringLiteral("i2xyz"));
    QVERIFY(h.walkTo(band));
    band->setEditText(QStringLiteral("1296 MHz"));
    MainHarness::enter(band);
    QCOMPARE(h.messages.shown, QStringList{QStringLiteral("7 caracteres maxi pour la QRG")});
    QCOMPARE(h.stored(QStringLiteral("Setup TEST1"), QStringLiteral("bande Utilisee")), QStringLiteral("3"));
}

void EntryChainTest::modificationStoresNothing()
{
    MainHarness h;
    QVERIFY(h.prepare({qso("F1ABC", "AZ0001", "05/01/07", "10:00").line()}));
    QVERIFY(h.start());
    h.doubleClickRow(0);
    QVERIFY(h.entry->editing());
    QComboBox *band = h.combo("Bande_A");
    QVERIFY(h.walkTo(band));
    band->setCurrentIndex(10);
    MainHarness::enter(band);
    QCOMPARE(h.focused(), h.edit("RST_A"));
    QCOMPARE(h.stored(QStringLiteral("Setup TEST1"), QStringLiteral("bande Utilisee")), QStringLiteral("4"));
}

QTEST_MAIN(EntryChainTest)
#include "tst_entrychain.moc"
