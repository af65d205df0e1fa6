// "Mettre à jour la liste des abbayes" and "Revenir à la liste précédente" from the
// main window's Diplome ZEL menu, with the file dialog answered by the test: the
// counts and lists of the "Nouvelle liste des abbayes" window, Escape, the
// replacement with the log's names, the reports, the look-up of the entry chain,
// and the way back.

#include "app/Harness.h"

#include "logstore/Cp1252.h"
#include "refdata/ui/AbbeyListWindows.h"

#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QTreeWidget>

using namespace zeltest;

namespace {

Qso named(const QByteArray &call, const QByteArray &ref, const QByteArray &date, const QByteArray &abbey, bool qsl)
{
    Qso q = qso(call, ref, date, "10:00");
    q.abbey = abbey;
    q.qsl = qsl;
    return q;
}

const QByteArray Clemente = named("I1AAA", "AZ0001", "10/01/07", "ABBAZIA DI SAN CLEMENTE A CASAURIA", false).line();
const QByteArray Antimo = named("I2BBB", "TO0007", "11/01/07", "ABBAZIA DI SANT'ANTIMO", true).line();
const QByteArray ClementeRenamed =
    named("I1AAA", "AZ0001", "10/01/07", "ABBAZIA DI SAN CLEMENTE A CASAURIA (PESCARA)", false).line();

// The award's new list as a modern editor saves it (UTF-8): San Clemente's name
// corrected, Sant'Antimo withdrawn, Piona added (twice), one line malformed.
QByteArray newList()
{
    const QList<QByteArray> lines = {
        abbeyLine("AZ0001", "Abbazia di San Clemente a Casauria (Pescara)", "JN62"),
        abbeyLine("MR0005", PieDiChienti, "JN63"),
        abbeyLine("LB0001", "Abbazia di Piona", "JN45"),
        "XX12 ligne abimee",
        abbeyLine("LB0001", "Abbazia di Piona", "JN46"),
    };
    return Cp1252::decode(crlf(lines)).toUtf8();
}

} // namespace

class TestAbbeyListWindow : public QObject
{
    Q_OBJECT
private slots:
    void updateThenGoBack();
    void refusesWhatIsNoList();

private:
    static void answerDialog(MainHarness &h, const QString &file)
    {
        auto *controller = h.window->findChild<AbbeyListController *>();
        QVERIFY(controller);
        controller->setFileChooser([file](QWidget *, const QString &) { return file; });
    }
    static QDialog *listWindow(MainHarness &h) { return h.window->findChild<QDialog *>("Nouvelle_Liste_Abbayes"); }
    static QString label(QDialog *w, const char *name) { return w->findChild<QLabel *>(name)->text(); }
    // Whether 'Revenir à la liste précédente' is enabled once the menu opens.
    static bool canGoBack(MainHarness &h)
    {
        emit h.get<QMenu>("Mnu_Diplome_ZEL")->aboutToShow();
        return h.get<QAction>("Mnu_Abbayes_Precedentes")->isEnabled();
    }
};

void TestAbbeyListWindow::updateThenGoBack()
{
    MainHarness h;
    QVERIFY(h.prepare({Clemente, Antimo}));
    QVERIFY(h.start());
    const QByteArray oldList = abbeyList();
    QTemporaryDir elsewhere;
    const QString file = elsewhere.filePath(QStringLiteral("ZEL_liste_2008.TXT"));
    QVERIFY(writeBytes(file, newList()));
    answerDialog(h, file);

    auto *update = h.get<QAction>("Mnu_Maj_Abbayes");
    QCOMPARE(update->text(), QStringLiteral("&Mettre à jour la liste des abbayes"));
    QCOMPARE(h.get<QAction>("Mnu_Abbayes_Precedentes")->text(), QStringLiteral("Re&venir à la liste précédente"));
    QVERIFY(h.get<QMenu>("Mnu_Diplome_ZEL")->actions().contains(update));
    QVERIFY(!canGoBack(h));
    auto *controller = h.window->findChild<AbbeyListController *>();
    QSignalSpy replacedSpy(controller, &AbbeyListController::listReplaced);

    // The comparison, then Escape: nothing changes.
    update->trigger();
    QDialog *w = listWindow(h);
    QVERIFY(w);
    QTRY_VERIFY(w->isVisible());
    QCOMPARE(w->windowTitle(), QStringLiteral("Nouvelle liste des abbayes"));
    QVERIFY(w->frameGeometry().width() <= 1024 && w->frameGeometry().height() <= 768);
    QCOMPARE(label(w, "Nb_Ajoutees"), QStringLiteral("abbayes ajoutées : 1"));
    QCOMPARE(label(w, "Nb_Corrigees"), QStringLiteral("noms ou locators corrigés : 1"));
    QCOMPARE(label(w, "Nb_Retirees"), QStringLiteral("références retirées : 1, dont 1 dans le log"));
    QCOMPARE(label(w, "Nb_Illisibles"), QStringLiteral("lignes illisibles : 1"));
    QCOMPARE(label(w, "Nb_Doubles"), QStringLiteral("références en double : 1"));
    QVERIFY(label(w, "QSO_Retires").contains(QStringLiteral("1 contacté, 1 confirmé")));
    QVERIFY(label(w, "Fichier").contains(QStringLiteral("lue en UTF-8")));
    auto *tree = w->findChild<QTreeWidget *>("Detail");
    QTRY_VERIFY(tree->hasFocus());
    QCOMPARE(tree->topLevelItem(2)->text(0), QStringLiteral("références retirées : 1"));
    QCOMPARE(tree->topLevelItem(2)->child(0)->text(0), QStringLiteral("TO0007"));
    QVERIFY(tree->topLevelItem(2)->child(0)->text(1).startsWith(QStringLiteral("DANS LE LOG (1 QSO, 1 confirmé)")));
    QCOMPARE(tree->topLevelItem(3)->child(0)->text(0), QStringLiteral("ligne 4"));
    // The arrows open a list from the keyboard; Enter there replaces nothing.
    QVERIFY(!tree->topLevelItem(0)->isExpanded());
    QTest::keyClick(tree, Qt::Key_Right);
    QVERIFY(tree->topLevelItem(0)->isExpanded());
    QTest::keyClick(tree, Qt::Key_Return);
    auto *names = w->findChild<QCheckBox *>("Maj_Noms");
    QVERIFY(!names->isChecked() && names->isEnabled());
    QCOMPARE(label(w, "Nb_Noms"), QStringLiteral("QSO dont le nom suit la correction : 1"));
    QTest::keyClick(w, Qt::Key_Escape);
    QTRY_VERIFY(!listWindow(h));
    QCOMPARE(readBytes(h.path(QStringLiteral("Liste_Abbayes.txt"))), oldList);
    QVERIFY(!QFile::exists(h.path(QStringLiteral("Liste_Abbayes.txt.Precedente"))));
    QCOMPARE(h.log(), crlf({Clemente, Antimo}));
    QCOMPARE(replacedSpy.count(), 0);

    // Again: names ticked (Alt+M), the list replaced (Alt+R), two reports.
    update->trigger();
    w = listWindow(h);
    QVERIFY(w);
    QTRY_VERIFY(w->isActiveWindow());
    QTest::keyClick(w->windowHandle(), Qt::Key_M, Qt::AltModifier);
    // A mnemonic clicks its button a moment later, as a click is shown.
    QTRY_VERIFY(w->findChild<QCheckBox *>("Maj_Noms")->isChecked());
    h.messages.clear();
    QTest::keyClick(w->windowHandle(), Qt::Key_R, Qt::AltModifier);
    QTRY_COMPARE(h.messages.notices.size(), 1);
    QVERIFY2(h.messages.notices.first().contains(QStringLiteral("Le nom d'abbaye de 1 QSO du log a été mis à jour.")),
             qPrintable(h.messages.notices.first()));
    QCOMPARE(readBytes(h.path(QStringLiteral("Liste_Abbayes.txt.Precedente"))), oldList);
    const QByteArray replaced = readBytes(h.path(QStringLiteral("Liste_Abbayes.txt")));
    QCOMPARE(replaced.count("\r\n"), 4);
    QVERIFY(replaced.contains("MR0005 " + PieDiChienti));
    QVERIFY(!replaced.contains("XX12"));
    QCOMPARE(h.log(), crlf({ClementeRenamed, Antimo}));
    QCOMPARE(replacedSpy.count(), 1);
    // The header now says which list is in use.
    QVERIFY2(label(w, "Fichier").startsWith(QStringLiteral("Liste en service : la nouvelle liste (ZEL_liste_2008.TXT), "
                                                            "3 abbayes ; celle qu'elle remplace (")),
             qPrintable(label(w, "Fichier")));
    QVERIFY(label(w, "Fichier").endsWith(QStringLiteral("est gardée sous le nom Liste_Abbayes.txt.Precedente")));
    QCOMPARE(w->findChild<QPushButton *>("Annuler")->text(), QStringLiteral("&Fermer"));
    QVERIFY(!w->findChild<QPushButton *>("Remplacer")->isEnabled());
    auto *save = w->findChild<QPushButton *>("Enregistrer_Rapport");
    save->click();
    save->click();
    const QString day = h.clock.localNow().date().toString(QStringLiteral("dd_MM_yy"));
    const QString first = QStringLiteral("Liste_Abbayes_Mise_a_jour_%1.txt").arg(day);
    const QString second = QStringLiteral("Liste_Abbayes_Mise_a_jour_%1_2.txt").arg(day);
    QCOMPARE(h.messages.notices.mid(1), (QStringList{QStringLiteral("Le rapport a été enregistré sous le nom : ") + first,
                                                      QStringLiteral("Le rapport a été enregistré sous le nom : ") + second}));
    const QString report = Cp1252::decode(readBytes(h.path(first)));
    QVERIFY(report.contains(QStringLiteral("Noms d'abbaye mis à jour dans le log : 1")));
    QVERIFY(report.contains(QStringLiteral("I1AAA")));
    QCOMPARE(readBytes(h.path(second)), readBytes(h.path(first)));
    QTest::keyClick(w, Qt::Key_Escape);
    QTRY_VERIFY(!listWindow(h));

    // The entry chain looks the added abbey up in the new list at once.
    h.messages.clear();
    QVERIFY(h.walkTo(h.edit("Ref_A")));
    h.type(h.edit("Ref_A"), QStringLiteral("lb0001"));
    h.enter(h.edit("Ref_A"));
    QCOMPARE(h.messages.notices, QStringList());
    QCOMPARE(h.edit("Rem_A")->text().trimmed(), QStringLiteral("ABBAZIA DI PIONA"));
    QCOMPARE(h.edit("Loc_A")->text(), QStringLiteral("JN46"));
    h.button("Annule_Saisie")->click();

    // Back to the previous list: its own caption and button, the two files swapped,
    // and the names put back when asked.
    QVERIFY(canGoBack(h));
    h.get<QAction>("Mnu_Abbayes_Precedentes")->trigger();
    w = listWindow(h);
    QVERIFY(w);
    QTRY_VERIFY(w->isVisible());
    QCOMPARE(w->windowTitle(), QStringLiteral("Revenir à la liste précédente"));
    QCOMPARE(w->findChild<QPushButton *>("Remplacer")->text(), QStringLiteral("&Revenir à cette liste"));
    QCOMPARE(label(w, "Nb_Retirees"), QStringLiteral("références retirées : 1, dont 0 dans le log"));
    names = w->findChild<QCheckBox *>("Maj_Noms");
    QVERIFY(names->isVisible() && names->isEnabled() && !names->isChecked());
    names->setChecked(true);
    w->findChild<QPushButton *>("Remplacer")->click();
    QCOMPARE(readBytes(h.path(QStringLiteral("Liste_Abbayes.txt"))), oldList);
    QCOMPARE(readBytes(h.path(QStringLiteral("Liste_Abbayes.txt.Precedente"))), replaced);
    QCOMPARE(h.log(), crlf({Clemente, Antimo}));
    QCOMPARE(replacedSpy.count(), 2);
    QVERIFY2(label(w, "Fichier").startsWith(QStringLiteral("Liste en service : la liste précédente, ")),
             qPrintable(label(w, "Fichier")));
    w->close();
    QTRY_VERIFY(!listWindow(h));

    // The list in use chosen again: no name would change, so the option is not
    // shown, and nothing is there to replace (the previous list stays).
    const QString same = elsewhere.filePath(QStringLiteral("meme.txt"));
    QVERIFY(writeBytes(same, oldList));
    answerDialog(h, same);
    update->trigger();
    w = listWindow(h);
    QVERIFY(w);
    QTRY_VERIFY(w->isVisible());
    QVERIFY(!w->findChild<QCheckBox *>("Maj_Noms")->isVisible());
    QVERIFY(!w->findChild<QLabel *>("Nb_Noms")->isVisible());
    QVERIFY(!w->findChild<QPushButton *>("Remplacer")->isEnabled());
    QCOMPARE(label(w, "Etat"), QStringLiteral("Cette liste est déjà celle en service : rien à remplacer."));
    QVERIFY(label(w, "QSO_Retires").contains(QStringLiteral("0 contacté, 0 confirmé")));
    w->close();
    QTRY_VERIFY(!listWindow(h));
    QCOMPARE(readBytes(h.path(QStringLiteral("Liste_Abbayes.txt.Precedente"))), replaced);
}

void TestAbbeyListWindow::refusesWhatIsNoList()
{
    MainHarness h;
    QVERIFY(h.prepare({Clemente, Antimo}));
    QVERIFY(h.start());
    // The log chosen by mistake, then an empty file.
    answerDialog(h, h.logPath(QStringLiteral("TEST1")));
    h.get<QAction>("Mnu_Maj_Abbayes")->trigger();
    QVERIFY(!listWindow(h));
    QCOMPARE(h.messages.notices.size(), 1);
    QVERIFY2(h.messages.notices.first().startsWith(QStringLiteral("Le fichier TEST1_ZEL.log n'est pas une liste des abbayes")),
             qPrintable(h.messages.notices.first()));
    const QString empty = h.path(QStringLiteral("vide.txt"));
    QVERIFY(writeBytes(empty, QByteArray()));
    answerDialog(h, empty);
    h.get<QAction>("Mnu_Maj_Abbayes")->trigger();
    QVERIFY(!listWindow(h));
    QVERIFY(h.messages.notices.last().contains(QStringLiteral("le fichier est vide")));
    QCOMPARE(readBytes(h.path(QStringLiteral("Liste_Abbayes.txt"))), abbeyList());
    // With no previous list, the item says so if it is reached anyway (the file
    // went after the menu opened).
    auto *back = h.get<QAction>("Mnu_Abbayes_Precedentes");
    back->setEnabled(true);
    back->trigger();
    QVERIFY(!listWindow(h));
    QVERIFY(h.messages.notices.last().startsWith(QStringLiteral("Il n'y a pas de liste précédente")));
}

QTEST_MAIN(TestAbbeyListWindow)
#include "tst_abbeylistwindow.moc"
