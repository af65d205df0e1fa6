// One key to work a spot, seen from the windows: the QSO prepared in the main
// window (callsign, reference offered, band and mode), the usual checks of the
// chain, an entry in progress never lost, the radio tuned through rigctld, the
// announcement in the status area, and the window read as a screen reader reads it.

#include "app/Harness.h"
#include "spots/SpotHarness.h"
#include "radio/Rigctld.h"

#include "radio/RadioConfig.h"
#include "radio/RadioPoller.h"
#include "spots/ClusterSettings.h"
#include "spots/SpotFeed.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QScreen>
#include <QScrollBar>
#include <QSpinBox>
#include <QStatusBar>

using namespace zeltest;

namespace {


QTableView *spotList(QWidget *w) { return w->findChild<QTableView *>(QStringLiteral("Liste_Spots")); }

// Enter on a row of the spots list, as the operator presses it.
void enterOnRow(QWidget *w, int row)
{
    QTableView *list = spotList(w);
    list->setFocus();
    list->setCurrentIndex(list->model()->index(row, 0));
    QTest::keyClick(list, Qt::Key_Return);
}

int rowOfCall(QWidget *w, const QString &call)
{
    QAbstractItemModel *m = spotList(w)->model();
    for (int r = 0; r < m->rowCount(); ++r) {
        if (m->index(r, 3).data().toString() == call)
            return r;
    }
    return -1;
}

QString announcement(const MainHarness &h)
{
    auto *l = h.window->findChild<QLabel *>(QStringLiteral("Annonce_Cluster"));
    return l && l->isVisible() ? l->text() : QString();
}

// rigctl's answer for the radio's frequency.
qint64 radioHertz(int port)
{
    QProcess p;
    p.start(QStringLiteral("rigctl"), {QStringLiteral("-m"), QStringLiteral("2"), QStringLiteral("-r"),
                                       QStringLiteral("127.0.0.1:%1").arg(port), QStringLiteral("f")});
    if (!p.waitForFinished(10000))
        return -1;
    return p.readAllStandardOutput().trimmed().toLongLong();
}

const QList<QByteArray> Log = {qso("IK1ABC", "AZ0001", "01/05/24", "09:00").line()};

} // namespace

class SpotEntryTest : public QObject
{
    Q_OBJECT
private slots:
    void neededSpotBecomesTheNextQso();
    void checksOfTheChainRun();
    void entryInProgressIsKept();
    void radioTunedThroughRigctld();
    void radioThatFailsStillPrepares();
    void windowAndAnnouncement();
    void listHoldsStillWhileAimed();
};

void SpotEntryTest::neededSpotBecomesTheNextQso()
{
    MainHarness h;
    QVERIFY(h.prepare(Log));
    QVERIFY(h.start());
    QWidget *w = openSpots(h);
    QVERIFY(w);
    feed(h)->read({dxLine("IK0XYZ", "7025.0", "MR0005 cq"), dxLine("IK1ABC", "14250.0", "AZ0001")});
    QCOMPARE(spotList(w)->model()->rowCount(), 2);
    enterOnRow(w, rowOfCall(w, QStringLiteral("IK0XYZ")));

    // The main window forward in plain entry, the callsign there with the cursor.
    QTRY_VERIFY(h.edit("Ind_A")->hasFocus());
    QCOMPARE(h.edit("Ind_A")->text(), QStringLiteral("IK0XYZ"));
    QCOMPARE(h.modeShown(), QStringLiteral("Saisie QSO"));
    QVERIFY(h.messages.questions.isEmpty());
    // Without the radio the spot's band and mode stand where the radio's would; a CW
    // spot gives 599 both ways.
    h.enter(h.edit("Ind_A"));
    QCOMPARE(h.combo("Bande_A")->currentText(), QStringLiteral("7.0 Mhz"));
    QCOMPARE(h.combo("Mode_A")->currentText(), QStringLiteral("CW"));
    QCOMPARE(h.edit("RST_A")->text(), QStringLiteral("599"));
    QCOMPARE(h.edit("RSTE_A")->text(), QStringLiteral("599"));
    QCOMPARE(h.focused(), h.edit("Prenom_A"));
    h.enter(h.edit("Prenom_A"));
    // The reference waits, selected: Enter accepts it.
    QCOMPARE(h.focused(), h.edit("Ref_A"));
    QCOMPARE(h.edit("Ref_A")->text(), QStringLiteral("MR0005"));
    QCOMPARE(h.edit("Ref_A")->selectedText(), QStringLiteral("MR0005"));
    h.enter(h.edit("Ref_A"));
    // The usual look-ups: the abbey's name and locator from the list, a new region said.
    QCOMPARE(h.edit("Rem_A")->text(), QString::fromLatin1(PieDiChienti).toUpper());
    QVERIFY(h.walkTo(h.button("Valide_A")));
    QTest::keyClick(h.button("Valide_A"), Qt::Key_Return);
    Qso q = qso("IK0XYZ", "MR0005", "14/03/07", "09:05");
    q.loc = "JN63";
    q.abbey = QString::fromLatin1(PieDiChienti).toUpper().toLatin1();
    q.mode = "CW";
    q.band = "7.0 Mhz";
    q.rstR = "599";
    q.rstE = "599";
    QCOMPARE(h.log(), crlf({Log.first(), q.line()}));
    // The spot now stands among the worked abbeys.
    QCOMPARE(spotList(w)->model()->index(rowOfCall(w, QStringLiteral("IK0XYZ")), 9).data().toString(),
             QStringLiteral("Contactée"));
}

void SpotEntryTest::checksOfTheChainRun()
{
    MainHarness h;
    QVERIFY(h.prepare(Log));
    QVERIFY(h.start());
    QWidget *w = openSpots(h);
    feed(h)->read({dxLine("IK1ABC", "14250.0", "AZ0001"), dxLine("IK0XYZ", "7025.0", "MR0005")});
    // A worked abbey can be worked too: the chain says it is already in the log.
    enterOnRow(w, rowOfCall(w, QStringLiteral("IK1ABC")));
    QTRY_COMPARE(h.edit("Ind_A")->text(), QStringLiteral("IK1ABC"));
    h.enter(h.edit("Ind_A"));
    h.enter(h.edit("Prenom_A"));
    QCOMPARE(h.edit("Ref_A")->text(), QStringLiteral("AZ0001"));
    h.enter(h.edit("Ref_A"));
    QVERIFY(h.messages.notices.last().startsWith(QStringLiteral("AZ0001 Abbaye deja contacté le 01/05/24")));
    QCOMPARE(h.focused(), h.edit("Ind_A"));

    // Typing replaces the reference offered.
    h.messages.clear();
    enterOnRow(w, rowOfCall(w, QStringLiteral("IK0XYZ")));
    QTRY_COMPARE(h.edit("Ind_A")->text(), QStringLiteral("IK0XYZ"));
    h.enter(h.edit("Ind_A"));
    h.enter(h.edit("Prenom_A"));
    h.type(h.edit("Ref_A"), QStringLiteral("to0007"));
    QCOMPARE(h.edit("Ref_A")->text(), QStringLiteral("TO0007"));
    // A spot on a band outside the log's chooses no band rather than keep the last
    // QSO's: the entry asks for one. A spot's phone QSO keeps 59.
    h.window->findChild<QPushButton *>(QStringLiteral("Efface_A"))->click();
    QVERIFY(!h.combo("Bande_A")->currentText().isEmpty());
    feed(h)->read({dxLine("IK2QQQ", "5354.0", "ZEL TC0003 usb")});
    enterOnRow(w, rowOfCall(w, QStringLiteral("IK2QQQ")));
    QTRY_COMPARE(h.edit("Ind_A")->text(), QStringLiteral("IK2QQQ"));
    h.enter(h.edit("Ind_A"));
    QCOMPARE(h.combo("Bande_A")->currentIndex(), -1);
    QCOMPARE(h.combo("Bande_A")->currentText(), QString());
    QCOMPARE(h.combo("Mode_A")->currentText(), QStringLiteral("SSB"));
    QCOMPARE(h.edit("RST_A")->text(), QStringLiteral("59"));
}

void SpotEntryTest::entryInProgressIsKept()
{
    MainHarness h;
    QVERIFY(h.prepare(Log));
    QVERIFY(h.start());
    QWidget *w = openSpots(h);
    feed(h)->read({dxLine("IK0XYZ", "7025.0", "MR0005")});
    QVERIFY(!h.entry->entryInProgress());

    // A callsign typed: asked first; "Non" keeps every field as it was.
    h.type(h.edit("Ind_A"), QStringLiteral("f1abc"));
    QVERIFY(h.entry->entryInProgress());
    h.messages.answers = {false};
    enterOnRow(w, 0);
    QCOMPARE(h.messages.questions.size(), 1);
    QVERIFY(h.messages.questions.first().contains(QStringLiteral("Une saisie est en cours")));
    QCOMPARE(h.edit("Ind_A")->text(), QStringLiteral("F1ABC"));

    // Further on in the chain, with fields the window filled: still the operator's QSO.
    h.enter(h.edit("Ind_A"));
    QCOMPARE(h.edit("Prenom_A")->text(), QStringLiteral("JEAN"));
    h.messages.answers = {false};
    enterOnRow(w, 0);
    QCOMPARE(h.messages.questions.size(), 2);
    QCOMPARE(h.edit("Prenom_A")->text(), QStringLiteral("JEAN"));
    QCOMPARE(h.edit("Ind_A")->text(), QStringLiteral("F1ABC"));

    // "Oui": the spot's QSO takes its place.
    h.messages.answers = {true};
    enterOnRow(w, 0);
    QTRY_COMPARE(h.edit("Ind_A")->text(), QStringLiteral("IK0XYZ"));
    QVERIFY(h.edit("Prenom_A")->text().isEmpty());
    QVERIFY(!h.entry->entryInProgress());

    // A QSO of the list opened for editing, or an insertion begun, is an entry in progress too.
    h.window->findChild<QPushButton *>(QStringLiteral("Efface_A"))->click();
    h.doubleClickRow(0);
    QCOMPARE(h.modeShown(), QStringLiteral("Modification QSO"));
    QVERIFY(h.entry->entryInProgress());
    h.messages.answers = {false};
    enterOnRow(w, 0);
    QCOMPARE(h.modeShown(), QStringLiteral("Modification QSO"));
    QCOMPARE(h.edit("Ind_A")->text(), QStringLiteral("IK1ABC"));
    QCOMPARE(h.log(), crlf(Log));
    h.window->findChild<QPushButton *>(QStringLiteral("Efface_A"))->click();
    h.window->findChild<QPushButton *>(QStringLiteral("Ajout_QSO"))->click();
    QVERIFY(h.entry->entryInProgress());
    // A QSO merely shown (one click on the list) is no entry.
    h.window->findChild<QPushButton *>(QStringLiteral("Efface_A"))->click();
    h.clickRow(0);
    QVERIFY(!h.entry->entryInProgress());
}

void SpotEntryTest::radioTunedThroughRigctld()
{
    Rigctld rigctld;
    QVERIFY(rigctld.start());
    QVERIFY(rigctld.tune(7150000, QStringLiteral("LSB")));
    MainHarness h;
    QVERIFY(h.prepare(Log));
    RadioConfig c;
    c.enabled = true;
    c.port = rigctld.port();
    c.save(*h.settings);
    QVERIFY(h.start());
    auto *radio = h.window->findChild<RadioPoller *>(QStringLiteral("Poste_Radio_Lecture"));
    QVERIFY(radio);
    QTRY_VERIFY(radio->latest().ok);
    QWidget *w = openSpots(h);
    feed(h)->read({dxLine("IK0XYZ", "14025.0", "MR0005"), dxLine("IK3SSB", "21200.0", "ZEL TC0003")});

    enterOnRow(w, rowOfCall(w, QStringLiteral("IK0XYZ")));
    QTRY_COMPARE(h.edit("Ind_A")->text(), QStringLiteral("IK0XYZ"));
    QTRY_COMPARE(radioHertz(rigctld.port()), qint64(14025000));
    // The radio's reading, once tuned, confirms the spot's band and mode.
    QTRY_COMPARE(radio->latest().hertz, 14025000.0);
    QTRY_VERIFY(announcement(h).contains(QStringLiteral("réglé sur 14025,0 kHz CW")));
    h.enter(h.edit("Ind_A"));
    QCOMPARE(h.combo("Bande_A")->currentText(), QStringLiteral("14 Mhz"));
    QCOMPARE(h.combo("Mode_A")->currentText(), QStringLiteral("CW"));

    // The comment's mode goes to the radio on the band plan's sideband.
    h.window->findChild<QPushButton *>(QStringLiteral("Efface_A"))->click();
    enterOnRow(w, rowOfCall(w, QStringLiteral("IK3SSB")));
    QTRY_COMPARE(h.edit("Ind_A")->text(), QStringLiteral("IK3SSB"));
    QTRY_COMPARE(radioHertz(rigctld.port()), qint64(21200000));
    QTRY_COMPARE(radio->latest().mode, QStringLiteral("USB"));
}

void SpotEntryTest::radioThatFailsStillPrepares()
{
    MainHarness h;
    QVERIFY(h.prepare(Log));
    RadioConfig c;
    c.enabled = true;
    c.port = freePort(); // nothing answers there
    c.save(*h.settings);
    QVERIFY(h.start());
    QWidget *w = openSpots(h);
    // The last QSO was on 7 MHz SSB: nothing of it may reach the spot's QSO.
    h.combo("Bande_A")->setCurrentIndex(2);
    feed(h)->read({dxLine("IK0XYZ", "14025.0", "MR0005")});
    enterOnRow(w, 0);
    // Prepared at once, the radio's answer said when it comes.
    QTRY_COMPARE(h.edit("Ind_A")->text(), QStringLiteral("IK0XYZ"));
    QTRY_VERIFY_WITH_TIMEOUT(announcement(h).contains(QStringLiteral("n'a pas pu être réglé")), 30000);
    QVERIFY(h.window->statusBar()->isVisible());
    // The spot's band and mode stay, with the CW report.
    h.enter(h.edit("Ind_A"));
    QCOMPARE(h.combo("Bande_A")->currentText(), QStringLiteral("14 Mhz"));
    QCOMPARE(h.combo("Mode_A")->currentText(), QStringLiteral("CW"));
    QCOMPARE(h.edit("RST_A")->text(), QStringLiteral("599"));
    QCOMPARE(h.edit("RSTE_A")->text(), QStringLiteral("599"));
}

void SpotEntryTest::windowAndAnnouncement()
{
    MainHarness h;
    QVERIFY(h.prepare(Log));
    QVERIFY(h.start());
    // Nothing to say yet: the status area stays hidden.
    QVERIFY(!h.window->statusBar()->isVisible());
    feed(h)->read({dxLine("IK0XYZ", "7025.0", "MR0005"), dxLine("IK1ABC", "14250.0", "AZ0001")});
    // A needed abbey comes on the air: its reference and frequency at the foot of the main window.
    QVERIFY(h.window->statusBar()->isVisible());
    QCOMPARE(announcement(h), QStringLiteral("abbaye à contacter MR0005 sur 7025,0 kHz (IK0XYZ), 12:34"));

    QWidget *w = openSpots(h);
    QVERIFY(w->width() <= 1024 && w->height() <= 768);
    QCOMPARE(w->windowTitle(), QStringLiteral("Abbayes sur l'air"));
    QVERIFY(w->findChild<QGroupBox *>()->title() == QStringLiteral("Réglages du cluster"));
    // Off by default, no node preset, port 7300 proposed, the station's callsign.
    QVERIFY(w->findChild<QLineEdit *>(QStringLiteral("Noeud_Cluster"))->text().isEmpty());
    QCOMPARE(w->findChild<QSpinBox *>(QStringLiteral("Port_Cluster"))->value(), 7300);
    QCOMPARE(w->findChild<QLineEdit *>(QStringLiteral("Indicatif_Cluster"))->placeholderText(), QStringLiteral("TEST1"));
    QVERIFY(w->findChild<QLabel *>(QStringLiteral("Etat_Cluster"))->text().contains(QStringLiteral("Non connecté")));
    QVERIFY(!w->findChild<QPushButton *>(QStringLiteral("Annoncer"))->isEnabled());
    for (QWidget *c : w->findChildren<QWidget *>()) {
        if (qobject_cast<QLineEdit *>(c) && !qobject_cast<QSpinBox *>(c->parentWidget()))
            QVERIFY2(!c->accessibleName().isEmpty(), qPrintable(c->objectName()));
    }
    // Status in words beside the colour, read by a screen reader on each line.
    QAbstractItemModel *m = spotList(w)->model();
    QCOMPARE(m->index(0, 9).data().toString(), QStringLiteral("Nouvelle abbaye, Nouvelle région"));
    QVERIFY(m->index(0, 0).data(Qt::AccessibleDescriptionRole).toString().startsWith(QStringLiteral("Nouvelle abbaye")));
    QCOMPARE(m->index(1, 9).data().toString(), QStringLiteral("Contactée"));

    // The filter keeps the abbeys to contact, and is remembered.
    w->findChild<QCheckBox *>(QStringLiteral("Seulement_A_Contacter"))->click();
    QCOMPARE(m->rowCount(), 1);
    QCOMPARE(h.stored(ClusterSettings::Section, ClusterSettings::KeyNeededOnly), QStringLiteral("Oui"));
    // Connecting without a node asks for one; nothing is stored as connected.
    w->findChild<QPushButton *>(QStringLiteral("Se_Connecter"))->click();
    QVERIFY(h.messages.notices.last().contains(QStringLiteral("nœud")));
    QVERIFY(h.stored(ClusterSettings::Section, ClusterSettings::KeyOn) != QStringLiteral("Oui"));
}

void SpotEntryTest::listHoldsStillWhileAimed()
{
    MainHarness h;
    QVERIFY(h.prepare(Log));
    QVERIFY(h.start());
    QWidget *w = openSpots(h);
    QVERIFY(w);
    feed(h)->read({dxLine("IK0XYZ", "7025.0", "MR0005"), dxLine("IK1ABC", "14250.0", "AZ0001")});
    QTableView *list = spotList(w);
    auto *waiting = w->findChild<QLabel *>(QStringLiteral("Spots_En_Attente"));
    auto *letIn = w->findChild<QPushButton *>(QStringLiteral("Voir_Nouveaux_Spots"));
    QVERIFY(!waiting->isVisible() && !letIn->isVisible());
    auto needed = [](int from, int count) {
        QList<QByteArray> lines;
        for (int i = from; i < from + count; ++i)
            lines << dxLine("IK" + QByteArray::number(i % 9) + "N" + QByteArray::number(i), "14025.0", "MR0005");
        return lines;
    };

    // The pointer over the list: the new spots wait, counted.
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(list->viewport(), &enter);
    feed(h)->read(needed(0, 12));
    QCOMPARE(list->model()->rowCount(), 2);
    QCOMPARE(waiting->text(), QStringLiteral("12 nouveaux spots en attente"));
    QVERIFY(waiting->isVisible() && letIn->isVisible());
    // It leaves, nothing selected: they come in.
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(list->viewport(), &leave);
    QCOMPARE(list->model()->rowCount(), 14);
    QVERIFY(!waiting->isVisible());

    // A row selected holds the list too; the button lets them in at once.
    list->selectRow(rowOfCall(w, QStringLiteral("IK0XYZ")));
    feed(h)->read(needed(20, 1));
    QCOMPARE(waiting->text(), QStringLiteral("1 nouveau spot en attente"));
    QCOMPARE(list->model()->rowCount(), 14);
    letIn->click();
    QCOMPARE(list->model()->rowCount(), 15);
    QVERIFY(!letIn->isVisible());
    list->clearSelection();

    // A double click works the spot aimed at, spots coming between the press and the release.
    const int row = rowOfCall(w, QStringLiteral("IK1ABC"));
    const QPoint at = list->visualRect(list->model()->index(row, SpotModel::ColCall)).center();
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, at);
    feed(h)->read(needed(30, 5));
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
    feed(h)->read(needed(40, 5));
    QCOMPARE(rowOfCall(w, QStringLiteral("IK1ABC")), row);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    QTRY_COMPARE(h.edit("Ind_A")->text(), QStringLiteral("IK1ABC"));
    // The aim taken, the list moves again once the pointer is away.
    QTRY_COMPARE(list->model()->rowCount(), 25);

    // At its first size the abbey shows 28 characters, the comment 30, the status whole, all in the window.
    const QFontMetrics fm = list->fontMetrics();
    QVERIFY(w->width() <= 1024);
    QVERIFY(list->columnWidth(SpotModel::ColAbbey) >= fm.horizontalAdvance(QStringLiteral("ABBAZIA DI SANTA MARIA IN VA")));
    QVERIFY(list->columnWidth(SpotModel::ColComment) >= fm.horizontalAdvance(QStringLiteral("ZEL AZ0001 CW up 2 tnx Mario 5")));
    QVERIFY(list->columnWidth(SpotModel::ColStatus)
            >= fm.horizontalAdvance(QStringLiteral("Nouvelle abbaye, Nouvelle région")));
    QVERIFY(list->columnWidth(SpotModel::ColRegion) >= fm.horizontalAdvance(QStringLiteral("Emilie Romagne")));
    // On a screen 1024 wide (the offscreen one is narrower: run under Xvfb to see it).
    if (w->screen()->availableGeometry().width() >= 1024) {
        list->horizontalScrollBar()->setValue(0);
        QVERIFY(list->horizontalHeader()->sectionViewportPosition(SpotModel::ColStatus)
                    + list->columnWidth(SpotModel::ColStatus)
                <= list->viewport()->width());
    }
    QVERIFY(list->model()->index(0, 0).data(Qt::ToolTipRole).toString().contains(QStringLiteral("« MR0005 »")));

    // Alt+D stays the main window's award menu.
    QVERIFY(!w->findChild<QPushButton *>(QStringLiteral("Se_Deconnecter"))->text().contains(QStringLiteral("&d"),
                                                                                         Qt::CaseInsensitive));
    // A host of digits only is refused before any connection.
    auto *host = w->findChild<QLineEdit *>(QStringLiteral("Noeud_Cluster"));
    host->setText(QStringLiteral("4599"));
    w->findChild<QPushButton *>(QStringLiteral("Se_Connecter"))->click();
    QCOMPARE(h.messages.notices.last(), QStringLiteral("Hôte introuvable : « 4599 » n'est ni un nom ni une adresse"));
    QCOMPARE(feed(h)->connection().state(), ClusterConnection::State::Off);
}

QTEST_MAIN(SpotEntryTest)
#include "tst_spotentry.moc"
