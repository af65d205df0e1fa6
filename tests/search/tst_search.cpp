// Finding QSOs by callsign, date or reference: the checks of the criterion boxes,
// the search rules on the main list, the result lines, and the window.

#include "app/Harness.h"

#include "common/PrefixTranslator.h"
#include "search/QsoSearch.h"

#include <QListWidget>
#include <QPointer>
#include <QRadioButton>

using namespace zeltest;

namespace {

const QByteArray Casauria = SanClemente;

QList<QByteArray> fixtureLog()
{
    Qso a = qso("F5ABC", "AZ0001", "01/05/07", "10:00");
    a.abbey = Casauria;
    Qso b = qso("F1XYZ", "MR0005", "01/05/07", "11:00");
    b.abbey = PieDiChienti;
    Qso c = qso("IK0AAA", "TO0007", "02/05/07", "09:00");
    c.qsl = true;
    Qso d = qso("F5AB/P", "AZ0002", "03/05/07", "08:30");
    Qso e = qso("DL5ABX", "LZ0010", "15/06/08", "17:45");
    return {a.line(), b.line(), c.line(), d.line(), e.line()};
}

QWidget *searchWindow(const MainHarness &h)
{
    return h.window->findChild<QWidget *>(QStringLiteral("Recherche_Indicatif"));
}

// Opens the window as the button does and waits until it has the keyboard.
QWidget *openSearch(const MainHarness &h)
{
    h.button("Recherche")->click();
    QWidget *w = searchWindow(h);
    // Waits for the window manager's answer, not for a time: the tests that type
    // into the window check that it took the keys.
    if (w && !w->isActiveWindow() && !QTest::qWaitFor([w] { return w->isActiveWindow(); }))
        qWarning("the search window did not become active");
    return w;
}

} // namespace

class SearchTest : public QObject
{
    Q_OBJECT

private slots:
    void checks_data();
    void checks();
    void search_data();
    void search();
    void emptyLogFindsNothing();
    void resultLine();

    void typedSearchListsAndEmptiesTheBoxes();
    void clickOnResultSelectsTheQsoAndCloses();
    void searchRunsOnTheChosenCriterion();
    void nothingFound();
    void boxesAndOptionsFollowEachOther();
    void checkFailureKeepsTheText();
    void oneWindowAtATime();
    void windowInTheInterfaceLanguage();
};

void SearchTest::checks_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("cleared");

    const QString tooLong = QStringLiteral("Attention 12 caracteres maxi pour l'indicatif");
    const QString format = QStringLiteral("Attention le format date doit etre JJ/MM/AA");
    const QString eight = QStringLiteral("Attention 8 caracteres maxi pour la date (format jj/mm/aa)");
    const QString six = QStringLiteral("Attention 6 caracteres pour la reference");

    QTest::newRow("callsign of 12") << 1 << "F5ABCDEFGHIJ" << QString() << false;
    QTest::newRow("callsign of 13") << 1 << "F5ABCDEFGHIJK" << tooLong << false;
    QTest::newRow("no callsign") << 1 << "" << "Entrez un indicatif" << true;
    QTest::newRow("date") << 2 << "01/05/07" << QString() << false;
    QTest::newRow("date without zeros") << 2 << "1/5/07" << format << false;
    QTest::newRow("one slash missing") << 2 << "01/0507" << format << false;
    QTest::newRow("dashes") << 2 << "01-05-07" << format << false;
    QTest::newRow("no date") << 2 << "" << format << false;
    QTest::newRow("four-digit year") << 2 << "01/05/2007" << eight << false;
    QTest::newRow("reference") << 3 << "AZ0001" << QString() << false;
    QTest::newRow("reference of 5") << 3 << "AZ001" << six << false;
    QTest::newRow("reference of 7") << 3 << "AZ00011" << six << false;
    QTest::newRow("no reference") << 3 << "" << six << false;
}

void SearchTest::checks()
{
    QFETCH(int, box);
    QFETCH(QString, text);
    QFETCH(QString, message);
    QFETCH(bool, cleared);
    const QsoSearch::Check c = QsoSearch::checkBox(QsoSearch::Criterion(box), text);
    QCOMPARE(c.message, message);
    QCOMPARE(c.clearBox, cleared);
}

void SearchTest::search_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("indica");
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("depa");
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<QString>("stop");

    using L = QList<int>;
    QTest::newRow("F5 anywhere") << 1 << "F5" << "" << "" << L{0, 3} << QString();
    QTest::newRow("5AB inside") << 1 << "5AB" << "" << "" << L{0, 3, 4} << QString();
    QTest::newRow("small letters") << 1 << "f5" << "" << "" << L{0, 3} << QString();
    QTest::newRow("portable") << 1 << "/P" << "" << "" << L{3} << QString();
    QTest::newRow("confirmed too") << 1 << "IK0" << "" << "" << L{2} << QString();
    QTest::newRow("no such callsign") << 1 << "ZZ9" << "" << "" << L{} << QString();
    QTest::newRow("date") << 2 << "" << "01/05/07" << "" << L{0, 1} << QString();
    QTest::newRow("date nobody") << 2 << "" << "01/05/08" << "" << L{} << QString();
    QTest::newRow("reference") << 3 << "" << "" << "TO0007" << L{2} << QString();
    QTest::newRow("reference typed small") << 3 << "" << "" << "to0007" << L{2} << QString();
    QTest::newRow("reference is exact") << 3 << "" << "" << "AZ000" << L{} << QString();
    QTest::newRow("the option decides") << 2 << "F5" << "02/05/07" << "AZ0001" << L{2} << QString();
    QTest::newRow("callsign box empty") << 1 << "" << "01/05/07" << "" << L{} << "Entrez un indicatif";
    QTest::newRow("date box empty") << 2 << "F5" << "" << "" << L{} << "Entrez une date";
    QTest::newRow("reference box empty") << 3 << "F5" << "" << "" << L{} << "Entrez un departement";
}

void SearchTest::search()
{
    QFETCH(int, option);
    QFETCH(QString, indica);
    QFETCH(QString, data);
    QFETCH(QString, depa);
    QFETCH(QList<int>, rows);
    QFETCH(QString, stop);

    MainHarness h;
    QVERIFY(h.prepare(fixtureLog()));
    QVERIFY(h.start());
    const QsoSearch::Outcome out =
        QsoSearch::Cherche_QSO(*h.session, QsoSearch::Criterion(option), {indica, data, depa});
    QCOMPARE(out.rows, rows);
    QCOMPARE(out.stopMessage, stop);
    QCOMPARE(out.nothingFound, stop.isEmpty() && rows.isEmpty());
    QCOMPARE(out.clearIndica, stop == QStringLiteral("Entrez un indicatif"));
    QCOMPARE(out.lines.size(), rows.size());
    for (int i = 0; i < rows.size(); ++i)
        QCOMPARE(out.lines.at(i), QsoSearch::resultLine(h.session->listLine(rows.at(i))));
}

void SearchTest::emptyLogFindsNothing()
{
    MainHarness h;
    QVERIFY(h.prepare({}));
    QVERIFY(h.start());
    // No line is looked at, so even an empty box gives "nothing found".
    for (int option = 1; option <= 3; ++option) {
        const QsoSearch::Outcome out = QsoSearch::Cherche_QSO(*h.session, QsoSearch::Criterion(option), {});
        QVERIFY(out.nothingFound);
        QVERIFY(out.stopMessage.isEmpty());
    }
}

void SearchTest::resultLine()
{
    MainHarness h;
    QList<QByteArray> log = fixtureLog();
    QVERIFY(h.prepare(log));
    QVERIFY(h.start());
    const QString expected = QStringLiteral("    3  IK0AAA       ") // number, callsign, blank
        + QStringLiteral("  02/05/07") + QStringLiteral("  TO0007") + QStringLiteral("  ")
        + QString(60, QLatin1Char(' ')) + QStringLiteral("  *");
    QCOMPARE(QsoSearch::resultLine(h.session->listLine(2)), expected);
    QCOMPARE(expected.size(), 103);

    const QString withName = QsoSearch::resultLine(h.session->listLine(1));
    QCOMPARE(withName.mid(40, 60).trimmed(), QString::fromLatin1(PieDiChienti));
    QCOMPARE(withName.left(20), QStringLiteral("    2  F1XYZ        "));
    QCOMPARE(withName.size(), 103);
}

// ------------------------------------------------------------------ the window

void SearchTest::typedSearchListsAndEmptiesTheBoxes()
{
    MainHarness h;
    QVERIFY(h.prepare(fixtureLog()));
    QVERIFY(h.start());
    QWidget *w = openSearch(h);
    QVERIFY(w);
    QVERIFY(w->isVisible());
    QCOMPARE(w->windowTitle(), QStringLiteral("Recherche QSO"));
    QVERIFY(w->findChild<QRadioButton *>(QStringLiteral("Option1(1)"))->isChecked());

    auto *indica = w->findChild<QLineEdit *>(QStringLiteral("Indica"));
    QTRY_VERIFY(indica->hasFocus());
    QTest::keyClicks(indica, QStringLiteral("f5"));
    QCOMPARE(indica->text(), QStringLiteral("F5")); // capitals as typed
    QTest::keyClick(indica, Qt::Key_Return);

    auto *results = w->findChild<QListWidget *>(QStringLiteral("QSO_Effectues"));
    QCOMPARE(results->count(), 2);
    QCOMPARE(results->item(0)->text(), QsoSearch::resultLine(h.session->listLine(0)));
    QCOMPARE(results->item(1)->text(), QsoSearch::resultLine(h.session->listLine(3)));
    QCOMPARE(results->toolTip(), QStringLiteral("Cliquez sur le QSO pour le selectionner"));
    QVERIFY(indica->text().isEmpty());
    QVERIFY(h.messages.notices.isEmpty());
    QCOMPARE(w->findChild<QLabel *>(QStringLiteral("Label13"))->text().size(), 149);
}

void SearchTest::clickOnResultSelectsTheQsoAndCloses()
{
    MainHarness h;
    QVERIFY(h.prepare(fixtureLog()));
    QVERIFY(h.start());
    QCOMPARE(h.session->selectedRow(), 4); // start-up selects the last QSO
    QPointer<QWidget> w = openSearch(h);
    auto *depa = w->findChild<QLineEdit *>(QStringLiteral("Depa"));
    w->findChild<QRadioButton *>(QStringLiteral("Option1(3)"))->click();
    QVERIFY(depa->hasFocus());
    QTest::keyClicks(depa, QStringLiteral("mr0005"));
    QTest::keyClick(depa, Qt::Key_Return);
    auto *results = w->findChild<QListWidget *>(QStringLiteral("QSO_Effectues"));
    QCOMPARE(results->count(), 1);

    const QRect at = results->visualItemRect(results->item(0));
    QTest::mouseClick(results->viewport(), Qt::LeftButton, {}, at.center());
    QCOMPARE(h.session->selectedRow(), 1);
    QCOMPARE(h.entry->selectedListLine(), h.session->listLine(1));
    QCOMPARE(h.modeShown(), QStringLiteral("Modification QSO"));
    QCOMPARE(h.edit("Ind_A")->text(), QStringLiteral("F1XYZ"));
    QTRY_VERIFY(w.isNull());
}

void SearchTest::searchRunsOnTheChosenCriterion()
{
    MainHarness h;
    QVERIFY(h.prepare(fixtureLog()));
    QVERIFY(h.start());
    QWidget *w = openSearch(h);
    w->findChild<QRadioButton *>(QStringLiteral("Option1(3)"))->click();
    auto *indica = w->findChild<QLineEdit *>(QStringLiteral("Indica"));
    indica->setText(QStringLiteral("F5ABC"));
    // Enter in the callsign box, but the reference is the criterion and its box is empty.
    QTest::keyClick(indica, Qt::Key_Return);
    QCOMPARE(h.messages.notices, QStringList{QStringLiteral("Entrez un departement")});
    QCOMPARE(w->findChild<QListWidget *>(QStringLiteral("QSO_Effectues"))->count(), 0);
    QCOMPARE(indica->text(), QStringLiteral("F5ABC"));
    QVERIFY(w->findChild<QRadioButton *>(QStringLiteral("Option1(3)"))->isChecked());
}

void SearchTest::nothingFound()
{
    MainHarness h;
    QVERIFY(h.prepare(fixtureLog()));
    QVERIFY(h.start());
    QWidget *w = openSearch(h);
    auto *data = w->findChild<QLineEdit *>(QStringLiteral("Data"));
    auto *depa = w->findChild<QLineEdit *>(QStringLiteral("Depa"));
    depa->setText(QStringLiteral("AZ0001"));
    QTest::mouseClick(data, Qt::LeftButton);
    QVERIFY(w->findChild<QRadioButton *>(QStringLiteral("Option1(2)"))->isChecked());
    QTest::keyClicks(data, QStringLiteral("24/12/99"));
    QTest::keyClick(data, Qt::Key_Return);
    QCOMPARE(h.messages.notices, QStringList{QStringLiteral("Pas de QSO trouvé")});
    QVERIFY(data->text().isEmpty());
    QVERIFY(depa->text().isEmpty()); // every box is emptied
    QCOMPARE(h.session->selectedRow(), 4);
}

void SearchTest::boxesAndOptionsFollowEachOther()
{
    MainHarness h;
    QVERIFY(h.prepare(fixtureLog()));
    QVERIFY(h.start());
    QWidget *w = openSearch(h);
    const char *const boxes[] = {"Indica", "Data", "Depa"};
    for (int i : {3, 1, 2}) {
        auto *option = w->findChild<QRadioButton *>(QStringLiteral("Option1(%1)").arg(i));
        option->click();
        QVERIFY(w->findChild<QLineEdit *>(QLatin1String(boxes[i - 1]))->hasFocus());
    }
    for (int i : {1, 3, 2}) {
        QTest::mouseClick(w->findChild<QLineEdit *>(QLatin1String(boxes[i - 1])), Qt::LeftButton);
        QVERIFY(w->findChild<QRadioButton *>(QStringLiteral("Option1(%1)").arg(i))->isChecked());
    }
    // The date box takes small letters as they are; the other two turn them into capitals.
    auto *data = w->findChild<QLineEdit *>(QStringLiteral("Data"));
    QTest::keyClicks(data, QStringLiteral("ab"));
    QCOMPARE(data->text(), QStringLiteral("ab"));
    auto *depa = w->findChild<QLineEdit *>(QStringLiteral("Depa"));
    QTest::keyClicks(depa, QStringLiteral("lz"));
    QCOMPARE(depa->text(), QStringLiteral("LZ"));
    QTest::sendKeyEvent(QTest::Click, depa, Qt::Key_unknown, QStringLiteral("é"), Qt::NoModifier);
    QCOMPARE(depa->text(), QStringLiteral("LZé"));
}

void SearchTest::checkFailureKeepsTheText()
{
    MainHarness h;
    QVERIFY(h.prepare(fixtureLog()));
    QVERIFY(h.start());
    QWidget *w = openSearch(h);
    auto *indica = w->findChild<QLineEdit *>(QStringLiteral("Indica"));
    QTest::keyClicks(indica, QStringLiteral("F5ABCDEFGHIJK"));
    QTest::keyClick(indica, Qt::Key_Return);
    QCOMPARE(h.messages.notices, QStringList{QStringLiteral("Attention 12 caracteres maxi pour l'indicatif")});
    QCOMPARE(indica->text(), QStringLiteral("F5ABCDEFGHIJK"));

    h.messages.clear();
    indica->clear();
    QTest::keyClick(indica, Qt::Key_Return);
    QCOMPARE(h.messages.notices, QStringList{QStringLiteral("Entrez un indicatif")});
}

void SearchTest::oneWindowAtATime()
{
    MainHarness h;
    QVERIFY(h.prepare(fixtureLog()));
    QVERIFY(h.start());
    h.button("Recherche")->click();
    QWidget *first = searchWindow(h);
    auto *data = first->findChild<QLineEdit *>(QStringLiteral("Data"));
    data->setText(QStringLiteral("01/05/07"));
    h.button("Recherche")->click();
    QCOMPARE(h.window->findChildren<QWidget *>(QStringLiteral("Recherche_Indicatif")).size(), 1);
    QCOMPARE(searchWindow(h), first);
    QCOMPARE(data->text(), QStringLiteral("01/05/07")); // shown again as it was

    QPointer<QWidget> closing = first;
    first->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    QTRY_VERIFY(closing.isNull());
    h.button("Recherche")->click();
    QVERIFY(searchWindow(h)->findChild<QLineEdit *>(QStringLiteral("Data"))->text().isEmpty());
}

void SearchTest::windowInTheInterfaceLanguage()
{
    const PrefixTranslator translation;
    const auto marked = [](const char *text) { return PrefixTranslator::marked(QString::fromUtf8(text)); };
    MainHarness h;
    QVERIFY(h.prepare(fixtureLog()));
    QVERIFY(h.start());
    QWidget *w = openSearch(h);
    QCOMPARE(w->windowTitle(), marked("Recherche QSO"));
    QCOMPARE(w->findChild<QRadioButton *>(QStringLiteral("Option1(1)"))->text(), marked("&Indicatif"));
    QCOMPARE(w->findChild<QRadioButton *>(QStringLiteral("Option1(3)"))->text(), marked("&Reference"));
    QCOMPARE(w->findChild<QPushButton *>(QStringLiteral("Command1"))->text(), marked("&Quitter"));
    auto *data = w->findChild<QLineEdit *>(QStringLiteral("Data"));
    QCOMPARE(data->placeholderText(), marked("JJ/MM/AA"));
    QCOMPARE(data->accessibleName(), marked("Date recherchée (JJ/MM/AA)"));
    auto *results = w->findChild<QListWidget *>(QStringLiteral("QSO_Effectues"));
    QCOMPARE(results->accessibleName(), marked("QSO trouvés"));
    QCOMPARE(results->toolTip(), marked("Cliquez sur le QSO pour le selectionner"));
    const QString header = w->findChild<QLabel *>(QStringLiteral("Entete_Resultats"))->text();
    // Titles longer than their columns stay whole, in order, a blank apart.
    qsizetype from = 0;
    for (const char *title : {"N°", "Indicatif", "Date", "N° ZEL", "Nom de l'activité"}) {
        const qsizetype at = header.indexOf(marked(title), from);
        QVERIFY2(at >= from && (from == 0 || header.at(at - 1) == QLatin1Char(' ')), title);
        from = at + marked(title).size();
    }

    // The criterion is the option chosen, whatever its caption reads.
    w->findChild<QRadioButton *>(QStringLiteral("Option1(2)"))->click();
    data->setText(QStringLiteral("01/05/07"));
    QTest::keyClick(data, Qt::Key_Return);
    QCOMPARE(results->count(), 2);
    QCOMPARE(results->item(0)->text(), QsoSearch::resultLine(h.session->listLine(0)));
    QVERIFY(h.messages.notices.isEmpty());
    data->setText(QStringLiteral("24/12/99"));
    QTest::keyClick(data, Qt::Key_Return);
    data->setText(QStringLiteral("1/5/07"));
    QTest::keyClick(data, Qt::Key_Return);
    QCOMPARE(h.messages.notices, (QStringList{marked("Pas de QSO trouvé"),
                                              marked("Attention le format date doit etre JJ/MM/AA")}));
}

QTEST_MAIN(SearchTest)
#include "tst_search.moc"
