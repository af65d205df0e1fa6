// What the main window does to the log file: chronological insertion, viewing a
// QSO, editing it, deleting it, and keeping hand-edited lines as they were.

#include "Harness.h"
#include "app/QsoListModel.h"

#include "entry/EntryChecks.h"

using namespace zeltest;

static const QString kModeTooLong = QStringLiteral(
    "Le log ne garde que 3 caractères pour le Mode : choisissez SSB, CW ou FM, ou un mode de 3 caractères au plus");

namespace {

Qso jean()
{
    Qso q = qso("F1ABC", "AZ0001", "10/01/07", "12:00");
    q.loc = "JN62";
    q.name = "JEAN";
    q.abbey = "ABBAZIA DI SAN CLEMENTE A CASAURIA";
    return q;
}

Qso marco()
{
    Qso q = qso("IK0AAA", "TO0007", "20/01/07", "08:30");
    q.loc = "JN53";
    q.name = "MARCO";
    q.mode = "FM";
    q.band = "144 Mhz";
    q.rstR = "57";
    q.rstE = "599";
    q.abbey = "ABBAZIA DI SANT'ANTIMO";
    q.qsl = true;
    return q;
}

} // namespace

class LogEditTest : public QObject
{
    Q_OBJECT

private slots:
    void insertion_data();
    void insertion();
    void clickShowsQsoReadOnly();
    void qslOnlyEdit();
    void keyboardOnlyEdit();
    void editedDateOrTimeMoves_data();
    void editedDateOrTimeMoves();
    void editedDuplicateRefusedAtEnter();
    void editedFirstNameUpdatesList();
    void numberColumnWidensWithTheLog();
    void editRefusedAtCommit_data();
    void editRefusedAtCommit();
    void answerNo();
    void deleteEveryCopy_data();
    void deleteEveryCopy();
    void effacerDuringEdit();
    void clickAnotherLineWhileEditing();
    void emptyListClicks();
    void malformedLinesKept();
};

void LogEditTest::insertion_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");
    QTest::addColumn<int>("position");

    QTest::newRow("between") << "15/01/07" << "10:00" << 1;
    QTest::newRow("same day, a minute earlier") << "10/01/07" << "11:59" << 0;
    QTest::newRow("same timestamp goes before") << "20/01/07" << "08:30" << 1;
    QTest::newRow("year 99 is 1999") << "31/12/99" << "23:59" << 0;
    QTest::newRow("year 49 is 2049") << "01/01/49" << "00:00" << 2;
    QTest::newRow("after the last") << "20/01/07" << "08:31" << 2;
}

void LogEditTest::insertion()
{
    QFETCH(QString, date);
    QFETCH(QString, time);
    QFETCH(int, position);

    MainHarness h;
    Qso earlier = jean();
    Qso later = marco();
    later.mode = "SSB";
    later.band = "14 Mhz";
    QVERIFY(h.prepare({earlier.line(), later.line()}));
    QVERIFY(h.start());

    QTest::mouseClick(h.button("Ajout_QSO"), Qt::LeftButton);
    QCOMPARE(h.modeShown(), QStringLiteral("Insertion QSO"));
    QVERIFY(h.edit("Ind_A")->hasFocus());
    MainHarness::type(h.edit("Ind_A"), QStringLiteral("i2xyz"));
    QVERIFY(h.walkTo(h.edit("Ref_A")));
    MainHarness::type(h.edit("Ref_A"), QStringLiteral("mr0005"));
    QVERIFY(h.walkTo(h.edit("Date_A")));
    QVERIFY(h.edit("Date_A")->text().isEmpty()); // no clock date when inserting
    MainHarness::type(h.edit("Date_A"), date);
    MainHarness::enter(h.edit("Date_A"));
    MainHarness::type(h.edit("Heure_A"), time);
    QVERIFY(h.walkTo(h.button("Valide_A")));
    QTest::keyClick(h.button("Valide_A"), Qt::Key_Return);
    QCOMPARE(h.messages.shown, QStringList{QStringLiteral("Voulez vous enregistrer ces données ?")});

    Qso inserted = qso("I2XYZ", "MR0005", date.toLatin1(), time.toLatin1());
    inserted.loc = "JN63";
    inserted.abbey = "ABBAZIA DI SANTA MARIA A PI\xC8 DI CHIENTI";
    QList<QByteArray> expected{earlier.line(), later.line()};
    expected.insert(position, inserted.line());
    QCOMPARE(h.log(), crlf(expected));
    QCOMPARE(h.modeShown(), QStringLiteral("Saisie QSO"));
    // An unknown station joins the first-name list, with no name.
    QCOMPARE(readBytes(h.path("Liste_Prenom.txt")), firstNameList() + "I2XYZ           \r\n");
}

void LogEditTest::clickShowsQsoReadOnly()
{
    MainHarness h;
    QVERIFY(h.prepare({jean().line(), marco().line()}));
    QVERIFY(h.start());

    struct Shown { const char *field; QString text; };
    const QList<QList<Shown>> rows{
        {{"Ind_A", "F1ABC"}, {"Prenom_A", "JEAN"}, {"Loc_A", "JN62"}, {"Ref_A", "AZ0001"},
         {"Date_A", "10/01/07"}, {"Heure_A", "12:00"}, {"Mode_A", "SSB"}, {"Bande_A", "14 Mhz"},
         {"RST_A", "59"}, {"RSTE_A", "59"}, {"Rem_A", "ABBAZIA DI SAN CLEMENTE A CASAURIA"}},
        {{"Ind_A", "IK0AAA"}, {"Prenom_A", "MARCO"}, {"Loc_A", "JN53"}, {"Ref_A", "TO0007"},
         {"Date_A", "20/01/07"}, {"Heure_A", "08:30"}, {"Mode_A", "FM"}, {"Bande_A", "144 Mhz"},
         {"RST_A", "57"}, {"RSTE_A", "599"}, {"Rem_A", "ABBAZIA DI SANT'ANTIMO"}},
    };
    for (int row : {1, 0}) {
        h.clickRow(row);
        QCOMPARE(h.modeShown(), QStringLiteral("Modification QSO"));
        for (const Shown &s : rows[row])
            QCOMPARE(MainHarness::text(h.get(s.field)), s.text);
        QCOMPARE(h.get<QCheckBox>("QSL_A")->isChecked(), row == 1);
        QVERIFY(!h.edit("Ind_A")->isEnabled());
        QVERIFY(!h.edit("Ref_A")->isEnabled());
        QVERIFY(!h.button("Valide_A")->isEnabled());
        QVERIFY(h.button("Annule_Saisie")->isEnabled());
        QVERIFY(!h.entry->editing());
    }
    QVERIFY(h.messages.shown.isEmpty());
}

void LogEditTest::qslOnlyEdit()
{
    MainHarness h;
    const Qso third = qso("DL1AA", "MR0005", "21/01/07", "09:00");
    QVERIFY(h.prepare({jean().line(), marco().line(), third.line()}));
    const QByteArray before = h.log();
    QVERIFY(h.start());

    h.doubleClickRow(0);
    QVERIFY(h.entry->editing());
    QVERIFY(h.edit("Ind_A")->isEnabled());
    QVERIFY(h.edit("Ind_A")->hasFocus());
    QVERIFY(h.button("Valide_A")->isEnabled());
    QVERIFY(!h.button("Annule_Saisie")->isEnabled());
    QTest::keyClick(h.get<QCheckBox>("QSL_A"), Qt::Key_Space);
    QVERIFY(h.get<QCheckBox>("QSL_A")->isChecked());
    QTest::mouseClick(h.button("Valide_A"), Qt::LeftButton);

    QCOMPARE(h.messages.shown, QStringList{QStringLiteral("Voulez vous enregistrer ces données ?")});
    QByteArray expected = before;
    expected[137] = '*';
    QCOMPARE(h.log(), expected);
    QCOMPARE(readBytes(h.path("Liste_Prenom.txt")), firstNameList());
    QCOMPARE(h.modeShown(), QStringLiteral("Saisie QSO"));
    QVERIFY(!h.entry->editing());
    QVERIFY(!h.button("Valide_A")->isEnabled());
}

void LogEditTest::keyboardOnlyEdit()
{
    // Arrows walk the list showing each QSO; Enter opens the one shown for editing.
    MainHarness h;
    const QByteArray first = jean().line();
    const QByteArray second = marco().line();
    QVERIFY(h.prepare({first, second}));
    QVERIFY(h.start());

    h.list()->setFocus();
    QTest::keyClick(h.list(), Qt::Key_Up);
    QCOMPARE(h.edit("Ind_A")->text(), QStringLiteral("F1ABC"));
    QCOMPARE(h.modeShown(), QStringLiteral("Modification QSO"));
    QVERIFY(!h.entry->editing());
    QTest::keyClick(h.list(), Qt::Key_Return);
    QVERIFY(h.entry->editing());
    QVERIFY(h.edit("Ind_A")->hasFocus());
    QVERIFY(h.walkTo(h.get<QCheckBox>("QSL_A")));
    QTest::keyClick(h.get<QCheckBox>("QSL_A"), Qt::Key_Space);
    MainHarness::enter(h.get<QCheckBox>("QSL_A"));
    QVERIFY(h.button("Valide_A")->hasFocus());
    QTest::keyClick(h.button("Valide_A"), Qt::Key_Return);

    QByteArray confirmed = first;
    confirmed[137] = '*';
    QCOMPARE(h.log(), crlf({confirmed, second}));
}

void LogEditTest::editedDateOrTimeMoves_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QList<int>>("order"); // where the QSOs 0, 1, 2 stand afterwards

    QTest::newRow("first to the end") << 0 << "25/01/07" << "12:00" << QList<int>{1, 2, 0};
    QTest::newRow("last to the start") << 2 << "01/01/07" << "09:00" << QList<int>{2, 0, 1};
    QTest::newRow("year 99 is 1999") << 1 << "20/01/99" << "08:30" << QList<int>{1, 0, 2};
    QTest::newRow("later time, same place") << 1 << "20/01/07" << "08:45" << QList<int>{0, 1, 2};
    QTest::newRow("time past the next QSO") << 1 << "21/01/07" << "09:01" << QList<int>{0, 2, 1};
    QTest::newRow("same time as the next QSO") << 1 << "21/01/07" << "09:00" << QList<int>{0, 1, 2};
}

void LogEditTest::editedDateOrTimeMoves()
{
    // The log stays in order of time, so the first QSO with an abbey is its earliest.
    QFETCH(int, row);
    QFETCH(QString, date);
    QFETCH(QString, time);
    QFETCH(QList<int>, order);

    MainHarness h;
    QList<Qso> qsos{jean(), marco(), qso("DL1AA", "MR0005", "21/01/07", "09:00")};
    QVERIFY(h.prepare({qsos[0].line(), qsos[1].line(), qsos[2].line()}));
    QVERIFY(h.start());

    h.doubleClickRow(row);
    MainHarness::retype(h.edit("Date_A"), date);
    MainHarness::retype(h.edit("Heure_A"), time);
    QTest::mouseClick(h.button("Valide_A"), Qt::LeftButton);
    QCOMPARE(h.messages.shown, QStringList{QStringLiteral("Voulez vous enregistrer ces données ?")});
    qsos[row].date = date.toLatin1();
    qsos[row].time = time.toLatin1();
    QList<QByteArray> expected;
    for (int i : order)
        expected << qsos[i].line();
    QCOMPARE(h.log(), crlf(expected));
    QCOMPARE(h.session->lineCount(), 3);
}

void LogEditTest::editedDuplicateRefusedAtEnter()
{
    // Each abbey once in the log: a QSO changed to another line's abbey is refused
    // with that line's date, and the edit goes on with the reference to change.
    MainHarness h;
    QVERIFY(h.prepare({jean().line(), marco().line()}));
    const QByteArray before = h.log();
    QVERIFY(h.start());

    h.doubleClickRow(0);
    QLineEdit *ref = h.edit("Ref_A");
    QVERIFY(h.walkTo(ref));
    // Its own reference is no duplicate.
    MainHarness::enter(ref);
    QVERIFY(h.messages.shown.isEmpty());
    QCOMPARE(h.focused(), h.edit("Loc_A"));

    ref->setFocus();
    MainHarness::retype(ref, QStringLiteral("to0007"));
    MainHarness::enter(ref);
    QCOMPARE(h.messages.shown, QStringList{QStringLiteral("TO0007 Abbaye deja contacté le 20/01/07")});
    QCOMPARE(h.focused(), ref);
    QVERIFY(h.entry->editing());
    QCOMPARE(h.edit("Ind_A")->text(), QStringLiteral("F1ABC"));
    QCOMPARE(h.log(), before);
}

void LogEditTest::editedFirstNameUpdatesList()
{
    MainHarness h;
    QVERIFY(h.prepare({jean().line(), marco().line()}));
    QVERIFY(h.start());

    h.doubleClickRow(0);
    QVERIFY(h.walkTo(h.edit("Prenom_A")));
    MainHarness::retype(h.edit("Prenom_A"), QStringLiteral("paul"));
    QVERIFY(h.walkTo(h.button("Valide_A")));
    QTest::keyClick(h.button("Valide_A"), Qt::Key_Return);

    Qso renamed = jean();
    renamed.name = "PAUL";
    QCOMPARE(h.log(), crlf({renamed.line(), marco().line()}));
    QCOMPARE(readBytes(h.path("Liste_Prenom.txt")), crlf({"F1ABC           PAUL", "IK0AAA          MARCO"}));
}

void LogEditTest::editRefusedAtCommit_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("message");

    QTest::newRow("date emptied") << "Date_A" << "" << "Entrez une date";
    QTest::newRow("callsign 13") << "Ind_A" << "ABCDEFGHIJKLM" << "12 caracteres maxi pour l'indicatif";
    QTest::newRow("time 25:00") << "Heure_A" << "25:00" << "Le format de l'heure doit etre HH:MM";
    QTest::newRow("mode 4") << "Mode_A" << "RTTY" << kModeTooLong;
    QTest::newRow("date 31/02/07") << "Date_A" << "31/02/07" << "Le format de la date doit etre JJ/MM/AA";
    QTest::newRow("abbey of another QSO") << "Ref_A" << "TO0007" << "TO0007 Abbaye deja contacté le 20/01/07";
}

void LogEditTest::editRefusedAtCommit()
{
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(QString, message);

    MainHarness h;
    QVERIFY(h.prepare({jean().line(), marco().line()}));
    const QByteArray before = h.log();
    QVERIFY(h.start());

    h.doubleClickRow(0);
    QWidget *target = h.get(qPrintable(field));
    // Changed without Enter, so only the commit can catch it.
    if (auto *combo = qobject_cast<QComboBox *>(target))
        combo->setEditText(value);
    else
        static_cast<QLineEdit *>(target)->setText(value);
    QTest::mouseClick(h.button("Valide_A"), Qt::LeftButton);

    QCOMPARE(h.messages.shown, QStringList{message});
    QCOMPARE(h.log(), before);
    QCOMPARE(h.focused(), target);
    QVERIFY(h.entry->editing());
    QVERIFY(h.button("Valide_A")->isEnabled());
}

void LogEditTest::answerNo()
{
    MainHarness h;
    QVERIFY(h.prepare({jean().line(), marco().line()}));
    const QByteArray before = h.log();
    QVERIFY(h.start());

    h.doubleClickRow(1);
    QCOMPARE(h.combo("Bande_A")->currentText(), QStringLiteral("144 Mhz"));
    QCOMPARE(h.combo("Mode_A")->currentText(), QStringLiteral("FM"));
    MainHarness::retype(h.edit("Heure_A"), QStringLiteral("08:45"));
    h.messages.answers << false;
    QTest::mouseClick(h.button("Valide_A"), Qt::LeftButton);

    QCOMPARE(h.messages.questions, QStringList{QStringLiteral("Voulez vous enregistrer ces données ?")});
    QCOMPARE(h.log(), before);
    QCOMPARE(h.combo("Bande_A")->currentText(), QStringLiteral("14 Mhz"));
    QCOMPARE(h.combo("Mode_A")->currentText(), QStringLiteral("SSB"));
    QCOMPARE(h.modeShown(), QStringLiteral("Saisie QSO"));
    QVERIFY(!h.entry->editing());
}

void LogEditTest::deleteEveryCopy_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("yes") << true;
    QTest::newRow("no") << false;
}

void LogEditTest::deleteEveryCopy()
{
    QFETCH(bool, yes);

    MainHarness h;
    QVERIFY(h.prepare({jean().line(), marco().line(), jean().line()}));
    const QByteArray before = h.log();
    QVERIFY(h.start());

    h.clickRow(2);
    h.messages.answers << yes;
    QTest::mouseClick(h.button("Annule_Saisie"), Qt::LeftButton);

    QCOMPARE(h.messages.shown, QStringList{QStringLiteral("Voulez vous Supprimer ce QSO ?")});
    QCOMPARE(h.log(), yes ? crlf({marco().line()}) : before);
    QCOMPARE(h.list()->model()->rowCount(), yes ? 1 : 3);
    QCOMPARE(h.modeShown(), QStringLiteral("Saisie QSO"));
    QVERIFY(!h.button("Annule_Saisie")->isEnabled());
    QVERIFY(h.edit("Ind_A")->isEnabled());
}

void LogEditTest::effacerDuringEdit()
{
    MainHarness h;
    QVERIFY(h.prepare({jean().line(), marco().line()}));
    const QByteArray before = h.log();
    QVERIFY(h.start());

    h.doubleClickRow(0);
    QVERIFY(h.button("Valide_A")->isEnabled());
    QTest::mouseClick(h.button("Efface_A"), Qt::LeftButton);
    QVERIFY(!h.button("Valide_A")->isEnabled());
    QVERIFY(!h.entry->editing());
    QCOMPARE(h.modeShown(), QStringLiteral("Saisie QSO"));
    QVERIFY(h.edit("Ind_A")->isEnabled());
    QVERIFY(h.edit("Ind_A")->text().isEmpty());
    QVERIFY(!h.edit("Date_A")->isEnabled());
    QCOMPARE(h.log(), before);
    QVERIFY(h.messages.shown.isEmpty());
}

void LogEditTest::clickAnotherLineWhileEditing()
{
    MainHarness h;
    QVERIFY(h.prepare({jean().line(), marco().line()}));
    QVERIFY(h.start());

    h.doubleClickRow(0);
    h.clickRow(1);
    QCOMPARE(h.edit("Ind_A")->text(), QStringLiteral("F1ABC"));
    QVERIFY(!h.get<QCheckBox>("QSL_A")->isChecked());
    QCOMPARE(h.modeShown(), QStringLiteral("Modification QSO"));
    QVERIFY(h.button("Valide_A")->isEnabled());
    QVERIFY(h.entry->editing());

    // The commit still replaces the QSO being edited.
    QTest::keyClick(h.get<QCheckBox>("QSL_A"), Qt::Key_Space);
    QTest::mouseClick(h.button("Valide_A"), Qt::LeftButton);
    Qso confirmed = jean();
    confirmed.qsl = true;
    QCOMPARE(h.log(), crlf({confirmed.line(), marco().line()}));
}

void LogEditTest::emptyListClicks()
{
    MainHarness h;
    QVERIFY(h.prepare({}));
    QVERIFY(h.start());

    QWidget *viewport = h.list()->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, viewport->rect().center());
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, viewport->rect().center());
    QVERIFY(h.messages.shown.isEmpty());
    QCOMPARE(h.modeShown(), QStringLiteral("Saisie QSO"));
    QVERIFY(!h.entry->editing());
    QVERIFY(!(h.entry->state() == QsoEntry::State::Modification));
    QVERIFY(h.edit("Ind_A")->isEnabled());
    QVERIFY(!h.edit("Prenom_A")->isEnabled());
    QVERIFY(!h.button("Valide_A")->isEnabled());
    QVERIFY(!h.button("Annule_Saisie")->isEnabled());
}

void LogEditTest::malformedLinesKept()
{
    MainHarness h;
    QByteArray odd = marco().line();
    odd.replace(77, 3, "\x81\x8D\x81");
    const QList<QByteArray> lines{
        jean().line(),
        "F1XYZ short line",
        jean().line() + "   trailing",
        "\r",
        odd,
    };
    QVERIFY(h.prepare(lines));
    const QByteArray before = h.log();
    QVERIFY(h.start());

    QCOMPARE(h.list()->model()->rowCount(), 5);
    QCOMPARE(h.messages.notices.size(), 1);
    const QString notice = h.messages.notices.first();
    QVERIFY2(notice.contains(QStringLiteral("TEST1_ZEL.log")), qPrintable(notice));
    QVERIFY2(notice.contains(QStringLiteral("2, 3, 4.")), qPrintable(notice));

    MainHarness::type(h.edit("Ind_A"), QStringLiteral("i2xyz"));
    QVERIFY(h.walkTo(h.edit("Ref_A")));
    MainHarness::type(h.edit("Ref_A"), QStringLiteral("mr0005"));
    QVERIFY(h.walkTo(h.button("Valide_A")));
    QTest::mouseClick(h.button("Valide_A"), Qt::LeftButton);

    Qso added = qso("I2XYZ", "MR0005", "14/03/07", "09:05");
    added.loc = "JN63";
    added.abbey = "ABBAZIA DI SANTA MARIA A PI\xC8 DI CHIENTI";
    QCOMPARE(h.log(), before + added.line() + "\r\n");
    QCOMPARE(h.list()->model()->rowCount(), 6);
    // Said once: the same lines are not reported again after the commit.
    QCOMPARE(h.messages.notices.size(), 1);
}

void LogEditTest::numberColumnWidensWithTheLog()
{
    // The 100,000th QSO's number has six digits: the N° column makes room for it
    // as the QSO comes in, and the 100,001st changes nothing more.
    QList<QByteArray> log;
    log.reserve(99999);
    const Qso q = qso("F1ABC", "AZ0001", "20/01/07", "10:00");
    for (int i = 0; i < 99999; ++i)
        log << q.line();
    MainHarness h;
    QVERIFY(h.prepare(log));
    QVERIFY(h.start());
    QTableView *list = h.list();
    const int five = list->columnWidth(QsoListModel::ColNumero);
    const QFontMetrics fm(list->font());
    QVERIFY(list->columnWidth(QsoListModel::ColNumero) >= fm.horizontalAdvance(QStringLiteral("99999")));
    QVERIFY(h.session->append(qso("F1ABC", "AZ0002", "20/01/07", "10:05").line()).ok);
    const int six = list->columnWidth(QsoListModel::ColNumero);
    QVERIFY(six > five);
    QVERIFY(six >= fm.horizontalAdvance(QStringLiteral("100000")));
    QVERIFY(h.session->append(qso("F1ABC", "AZ0003", "20/01/07", "10:10").line()).ok);
    QCOMPARE(list->columnWidth(QsoListModel::ColNumero), six);
}

QTEST_MAIN(LogEditTest)
#include "tst_logedit.moc"
