// The abbey list's words in another language: an unusable line's reason and the
// update's report stay French in the files, while the update window shows them
// translated, whole sentences with their values.

#include "app/Harness.h"
#include "common/BracketTranslator.h"

#include "logstore/Cp1252.h"
#include "refdata/AbbeyListFile.h"
#include "refdata/AbbeyListUpdate.h"
#include "refdata/ui/AbbeyListWindows.h"

#include <QAction>
#include <QDialog>
#include <QPushButton>
#include <QTreeWidget>

using namespace zeltest;

namespace {

const QByteArray Antimo = [] {
    Qso q = qso("I2BBB", "TO0007", "11/01/07", "10:00");
    q.qsl = true;
    return q.line();
}();

// Sant'Antimo withdrawn, Piona added, a line without a reference, one with a tab.
QByteArray newList()
{
    return crlf({abbeyLine("AZ0001", SanClemente, "JN62"), abbeyLine("MR0005", PieDiChienti, "JN63"),
                 "XX12 ligne abimee", abbeyLine("LB0001", "Abbazia\tdi Piona", "JN45"),
                 abbeyLine("LB0002", "Abbazia di Piona", "JN46")});
}

} // namespace

class TestListWords : public QObject
{
    Q_OBJECT
private slots:
    void reasonsAndReportStayFrench();
    void windowTranslatedReportFrench();
};

void TestListWords::reasonsAndReportStayFrench()
{
    const AbbeyListFile current = AbbeyListFile::fromBytes(abbeyList());
    const QByteArray bytes = newList();
    const QList<QByteArrayView> log{Antimo};
    AbbeyListUpdate::Context context;
    context.day = QDate(2008, 2, 1);
    context.listName = QStringLiteral("Liste_Abbayes.txt");
    context.chosenName = QStringLiteral("nouvelle.txt");
    context.station = QStringLiteral("TEST1");
    const QByteArray french = AbbeyListUpdate(current, AbbeyListFile::fromBytes(bytes), log)
                                  .report(current, AbbeyListFile::fromBytes(bytes), context);

    BracketTranslator translator;
    const AbbeyListFile chosen = AbbeyListFile::fromBytes(bytes);
    QCOMPARE(chosen.unreadable().size(), 2);
    const QString noReference = QStringLiteral("pas de référence de 6 lettres ou chiffres en colonnes 1 à 6");
    QCOMPARE(chosen.unreadable().at(0).reason, noReference);
    QCOMPARE(chosen.unreadable().at(1).reason, QStringLiteral("caractère de contrôle (U+0009)"));
    // The window's wording of the same lines: the code put in after the translation.
    QCOMPARE(AbbeyListFile::lineProblem(chosen.unreadable().at(0).text, Wording::Screen),
             QLatin1Char('[') + noReference + QLatin1Char(']'));
    QCOMPARE(AbbeyListFile::lineProblem(chosen.unreadable().at(1).text, Wording::Screen),
             QStringLiteral("[caractère de contrôle (U+0009)]"));
    QCOMPARE(AbbeyListFile::lineProblem(chosen.lines().first().text, Wording::Screen), QString());
    QCOMPARE(AbbeyListFile::lineProblem(chosen.unreadable().at(1).text, Wording::File),
             chosen.unreadable().at(1).reason);

    // The report: the same bytes as without any translation.
    const AbbeyListUpdate update(current, chosen, log);
    QCOMPARE(update.report(current, chosen, context), french);
    QVERIFY(!french.contains('['));
    QVERIFY(french.contains("  ligne 3 : pas de r\xE9" "f\xE9rence de 6 lettres ou chiffres en colonnes 1 \xE0 6 : XX12"));
}

void TestListWords::windowTranslatedReportFrench()
{
    MainHarness h;
    QVERIFY(h.prepare({Antimo}));
    QVERIFY(h.start());
    QTemporaryDir elsewhere;
    const QString file = elsewhere.filePath(QStringLiteral("nouvelle.txt"));
    QVERIFY(writeBytes(file, newList()));
    h.window->findChild<AbbeyListController *>()->setFileChooser(
        [file](QWidget *, const QString &) { return file; });

    BracketTranslator translator;
    h.get<QAction>("Mnu_Maj_Abbayes")->trigger();
    auto *w = h.window->findChild<QDialog *>("Nouvelle_Liste_Abbayes");
    QVERIFY(w);
    QTRY_VERIFY(w->isVisible());
    const auto label = [w](const char *name) { return w->findChild<QLabel *>(name)->text(); };
    QCOMPARE(w->windowTitle(), QStringLiteral("[Nouvelle liste des abbayes]"));
    QCOMPARE(label("Nb_Ajoutees"), QStringLiteral("[abbayes ajoutées : 1]"));
    QCOMPARE(label("Nb_Illisibles"), QStringLiteral("[lignes illisibles : 2]"));
    // Counts are whole sentences in their language, the French forms chosen as before.
    QVERIFY2(label("QSO_Retires").contains(QStringLiteral("[1 contacté], [1 confirmé]")), qPrintable(label("QSO_Retires")));
    QVERIFY2(label("Fichier").contains(QStringLiteral("[3 abbayes]")), qPrintable(label("Fichier")));
    auto *tree = w->findChild<QTreeWidget *>("Detail");
    QTreeWidgetItem *unreadable = tree->topLevelItem(3);
    QCOMPARE(unreadable->text(0), QStringLiteral("[[lignes illisibles] : 2]"));
    QCOMPARE(unreadable->child(0)->text(0), QStringLiteral("[ligne 3]"));
    QCOMPARE(unreadable->child(0)->text(1),
             QStringLiteral("[[pas de référence de 6 lettres ou chiffres en colonnes 1 à 6] : XX12 ligne abimee]"));
    QCOMPARE(tree->topLevelItem(2)->child(0)->text(1),
             QStringLiteral("[DANS LE LOG (1 QSO, [1 confirmé]) : Abbazia di Sant'Antimo]"));

    // The report saved from the translated window is the French one.
    h.messages.clear();
    w->findChild<QPushButton *>("Enregistrer_Rapport")->click();
    QCOMPARE(h.messages.notices.size(), 1);
    const QString name =
        QStringLiteral("Liste_Abbayes_Mise_a_jour_%1.txt").arg(h.clock.localNow().date().toString(QStringLiteral("dd_MM_yy")));
    QCOMPARE(h.messages.notices.first(), QStringLiteral("[Le rapport a été enregistré sous le nom : %1]").arg(name));
    const QByteArray report = readBytes(h.path(name));
    QVERIFY(!report.contains('['));
    QVERIFY(report.contains("lignes illisibles : 2 (non reprises)\r\n"));
    QVERIFY(report.contains("  ligne 4 : caract\xE8re de contr\xF4le (U+0009) : LB0001"));
    QVERIFY(report.contains("DANS LE LOG : 1 QSO, 1 confirm\xE9"));
    QTest::keyClick(w, Qt::Key_Escape);
}

QTEST_MAIN(TestListWords)
#include "tst_listwords.moc"
