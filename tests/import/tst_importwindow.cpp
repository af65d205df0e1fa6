// "Importer un fichier ADIF" from the main window's menu, with the file dialog
// answered by the test: the preview, Escape, the import itself and a large file
// whose reading is cancelled.

#include "app/Harness.h"
#include "common/AdifFields.h"

#include "import/ImportPlan.h"
#include "import/ui/ImportWindow.h"
#include "import/ui/ImportWindows.h"

#include <QAction>
#include <QMenu>
#include <QProgressDialog>
#include <QTimer>

using namespace zeltest;

namespace {

QByteArray adifRecord(const QByteArray &call, const QByteArray &date, const QByteArray &time, const QByteArray &ref,
                      const QByteArray &mode = "SSB")
{
    constexpr auto f = &adifField;
    return f("call", call) + f("qso_date", date) + f("time_on", time) + f("band", "20m") + f("mode", mode)
        + (ref.isEmpty() ? QByteArray() : f("sig", "ZEL") + f("sig_info", ref)) + "<eor>\n";
}

} // namespace

class TestImportWindow : public QObject
{
    Q_OBJECT
private slots:
    void previewThenImport();
    void largeFileCanBeCancelled();
    void refusedWithoutStationOrRecords();
    void confirmationsOnlyFromAnotherStation();
    void marksFollowTheirQsoWhileAsked();

private:
    // Chooses `file`, remembering the folder the dialog would have opened in.
    static void answerDialog(MainHarness &h, const QString &file, QStringList *folders)
    {
        auto *controller = h.window->findChild<ImportController *>();
        QVERIFY(controller);
        controller->setFileChooser([file, folders](QWidget *, const QString &folder) {
            *folders << folder;
            return file;
        });
    }
    static QDialog *importWindow(MainHarness &h) { return h.window->findChild<QDialog *>("Importation_ADIF"); }
};

void TestImportWindow::previewThenImport()
{
    MainHarness h;
    const QByteArray logged = qso("I1AAA", "AZ0001", "10/01/07", "10:00").line();
    QVERIFY(h.prepare({logged}));
    QVERIFY(h.start());
    QTemporaryDir elsewhere;
    const QString file = elsewhere.filePath(QStringLiteral("journal.ADI"));
    QVERIFY(writeBytes(file, "Export\r\n<eoh>\r\n" + adifRecord("I1AAA", "20070110", "1000", "AZ0001")
                                 + adifRecord("i2bbb", "20070305", "0930", "mr0005")
                                 + adifRecord("I3CCC", "20070306", "0930", "TO0007", "FT8")
                                 + adifRecord("I4DDD", "20070307", "0930", "")));
    QStringList folders;
    answerDialog(h, file, &folders);

    // The item stands above the export in Fichier.
    auto *item = h.get<QAction>("Mnu_Import_ADIF");
    const QList<QAction *> fichier = h.get<QMenu>("Mnu_Fichier")->actions();
    QCOMPARE(fichier.indexOf(item) + 1, fichier.indexOf(h.get<QAction>("Mnu_ADIF")));
    QCOMPARE(item->text(), QStringLiteral("&Importer un fichier ADIF"));

    // Escape leaves everything as it was.
    item->trigger();
    QDialog *window = importWindow(h);
    QVERIFY(window);
    QTRY_VERIFY(window->isVisible());
    QCOMPARE(window->windowTitle(), QStringLiteral("Importation ADIF"));
    QCOMPARE(window->findChild<QLabel *>("A_Importer")->text(), QStringLiteral("QSO à importer : 1"));
    QCOMPARE(window->findChild<QLabel *>("Deja_Dans_Log")->text(), QStringLiteral("déjà dans le log : 1"));
    QCOMPARE(window->findChild<QLabel *>("Refuses")->text(), QStringLiteral("refusés : 1"));
    auto *list = window->findChild<QTableView *>("Liste_Import");
    QCOMPARE(list->model()->rowCount(), 3);
    QCOMPARE(list->model()->index(2, 7).data().toString(), QStringLiteral("mode non prévu (FT8)"));
    window->findChild<QCheckBox *>("Tout_Afficher")->click();
    QCOMPARE(list->model()->rowCount(), 4);
    QVERIFY(window->geometry().width() <= 1024 && window->geometry().height() <= 768);
    QTest::keyClick(window, Qt::Key_Escape);
    QTRY_VERIFY(!importWindow(h));
    QCOMPARE(h.log(), crlf({logged}));

    // Again, from the folder used last time: this time "Importer", with a QSO of the
    // list shown in the fields.
    h.clickRow(0);
    QCOMPARE(h.edit("Ind_A")->text(), QStringLiteral("I1AAA"));
    item->trigger();
    QCOMPARE(folders, (QStringList{QDir::homePath(), elsewhere.path()}));
    window = importWindow(h);
    QVERIFY(window);
    window->findChild<QPushButton *>("Importer")->click();
    Qso added = qso("I2BBB", "MR0005", "05/03/07", "09:30");
    added.abbey = "ABBAZIA DI SANTA MARIA A PI\xC8 DI CHIENTI";
    added.loc = "JN63"; // the abbey list's, as a typed QSO gets it
    QCOMPARE(h.log(), crlf({logged, added.line()}));
    QCOMPARE(h.messages.notices.last(), QStringLiteral("1 QSO a été ajouté au log TEST1_ZEL.log."));
    QTRY_VERIFY(!importWindow(h));
    // The main list follows the session; the entry is back to a plain one, cursor in
    // the callsign.
    QCOMPARE(h.list()->model()->rowCount(), 2);
    QVERIFY(h.edit("Ind_A")->text().isEmpty());
    QCOMPARE(h.modeShown(), QStringLiteral("Saisie QSO"));
    QTRY_COMPARE(h.window->focusWidget(), static_cast<QWidget *>(h.edit("Ind_A")));
    QVERIFY(readBytes(h.path(QStringLiteral("Liste_Prenom.txt"))).endsWith("I2BBB           \r\n"));
}

void TestImportWindow::largeFileCanBeCancelled()
{
    MainHarness h;
    QVERIFY(h.prepare({}));
    QVERIFY(h.start());
    QByteArray big;
    for (int i = 0; i < 60000; ++i)
        big += adifRecord("I1ABC", "20070110", "1000", "", "FT8");
    const QString file = h.path(QStringLiteral("big.adi"));
    QVERIFY(writeBytes(file, big));
    QStringList folders;
    answerDialog(h, file, &folders);
    bool sawProgress = false;
    QTimer::singleShot(0, [&] {
        auto *progress = h.window->findChild<QProgressDialog *>("Progression_Import");
        sawProgress = progress && progress->isVisible();
        if (progress)
            progress->cancel();
    });
    h.get<QAction>("Mnu_Import_ADIF")->trigger();
    QVERIFY(sawProgress);
    QVERIFY(!importWindow(h));
    QCOMPARE(h.log(), QByteArray());
}

void TestImportWindow::confirmationsOnlyFromAnotherStation()
{
    MainHarness h;
    const QList<QByteArray> log = {qso("I1AAA", "AZ0001", "10/01/07", "10:00").line(),
                                   qso("I2BBB", "MR0005", "11/01/07", "10:00").line()};
    QVERIFY(h.prepare(log));
    QVERIFY(h.start());
    constexpr auto f = &adifField;
    // A LoTW report of another station confirming one logged QSO.
    const QString file = h.path(QStringLiteral("lotwreport.adi"));
    QVERIFY(writeBytes(file, "ARRL Logbook of the World Status Report\n<eoh>\n" + f("STATION_CALLSIGN", "IK2OTH")
                                 + f("CALL", "I2BBB/P") + f("BAND", "20M") + f("MODE", "FT8")
                                 + f("QSO_DATE", "20070111") + f("TIME_ON", "101500") + f("QSL_RCVD", "Y")
                                 + "<eor>\n"));
    QStringList folders;
    answerDialog(h, file, &folders);
    h.get<QAction>("Mnu_Import_ADIF")->trigger();
    QDialog *window = importWindow(h);
    QVERIFY(window);
    QTRY_VERIFY(window->isVisible());
    auto *other = window->findChild<QLabel *>("Autre_Station");
    QVERIFY(other->isVisible());
    QCOMPARE(other->text(), QStringLiteral("QSO faits par une autre station que TEST1 : IK2OTH"));
    QCOMPARE(window->findChild<QLabel *>("Qsl_A_Marquer")->text(), QStringLiteral("QSL à marquer : 1"));
    auto *list = window->findChild<QTableView *>("Liste_Import");
    QCOMPARE(list->model()->rowCount(), 1);
    QCOMPARE(list->model()->index(0, 6).data().toString(), QStringLiteral("MR0005"));
    QCOMPARE(list->model()->index(0, 7).data().toString(), QStringLiteral("QSL à marquer"));

    // "Enregistrer le rapport" twice: the second gets its own name.
    auto *save = window->findChild<QPushButton *>("Enregistrer_Rapport");
    save->click();
    save->click();
    const QString day = h.clock.localNow().date().toString(QStringLiteral("dd_MM_yy"));
    QVERIFY(QFileInfo::exists(h.path(QStringLiteral("TEST1_Import_ADIF_%1.txt").arg(day))));
    QVERIFY(QFileInfo::exists(h.path(QStringLiteral("TEST1_Import_ADIF_%1_2.txt").arg(day))));
    QVERIFY(h.messages.notices.last().endsWith(QStringLiteral("_2.txt")));

    // Only a QSL to mark, and "Importer" asks first: No leaves the log as it was.
    auto *importer = window->findChild<QPushButton *>("Importer");
    QVERIFY(importer->isEnabled());
    h.messages.clear();
    h.messages.answers = {false};
    importer->click();
    QCOMPARE(h.messages.questions.size(), 1);
    QCOMPARE(h.messages.questions.first(),
             QStringLiteral("Ce fichier est celui de la station IK2OTH, pas de TEST1.\r\n\r\n"
                            "Voulez-vous vraiment marquer 1 QSL reçue dans le log de TEST1 ?"));
    QCOMPARE(h.log(), crlf(log));
    QVERIFY(importWindow(h));
    // Yes: only the QSL column of the confirmed QSO changes.
    importer->click();
    QList<QByteArray> after = log;
    after[1][137] = '*';
    QCOMPARE(h.log(), crlf(after));
    QCOMPARE(h.messages.notices.last(), QStringLiteral("1 QSL a été marquée reçue dans le log TEST1_ZEL.log."));
    QTRY_VERIFY(!importWindow(h));
}

// Messages whose question lets something happen while it is open.
class AskingMessages : public FakeMessages
{
public:
    bool question(const QString &text) override
    {
        if (meanwhile)
            std::exchange(meanwhile, {})();
        return FakeMessages::question(text);
    }
    std::function<void()> meanwhile;
};

void TestImportWindow::marksFollowTheirQsoWhileAsked()
{
    MainHarness h;
    const QList<QByteArray> log = {qso("I1AAA", "AZ0001", "10/01/07", "10:00").line(),
                                   qso("I2BBB", "MR0005", "11/01/07", "10:00").line(),
                                   qso("I3CCC", "TO0007", "12/01/07", "10:00").line()};
    QVERIFY(h.prepare(log));
    QVERIFY(h.start());
    const auto f = [](const char *n, const QByteArray &v) {
        return '<' + QByteArray(n) + ':' + QByteArray::number(v.size()) + '>' + v;
    };
    // Another station's report confirming the last QSO: "Importer" asks first.
    const QByteArray file = "ARRL Logbook of the World Status Report\n<eoh>\n" + f("STATION_CALLSIGN", "IK2OTH")
        + f("CALL", "I3CCC") + f("BAND", "20M") + f("MODE", "SSB") + f("QSO_DATE", "20070112")
        + f("TIME_ON", "100500") + f("QSL_RCVD", "Y") + "<eor>\n";
    auto plan = std::make_unique<ImportPlan>(file, QStringLiteral("lotwreport.adi"), AbbeyTable());
    while (!plan->read(100)) {
    }
    plan->resolve(*h.index);
    QCOMPARE(plan->markRows(), QList<int>{2});
    AskingMessages messages;
    auto *window = new ImportWindow(std::move(plan), *h.session, *h.index, messages, QDate(2007, 3, 14));
    window->show();
    // While the question is open, another copy commits an earlier QSO (the rows after
    // it move down) and this copy reads the log again, as its file watch would.
    const QByteArray earlier = qso("I9ZZZ", "PM0001", "10/01/07", "12:00").line();
    messages.meanwhile = [&] {
        LogSession other(*h.settings, h.dir.path());
        other.openStation();
        QVERIFY(other.insert(earlier).ok);
        QVERIFY(h.session->refreshIfChanged());
    };
    window->findChild<QPushButton *>("Importer")->click();
    QCOMPARE(messages.questions.size(), 1);
    QList<QByteArray> after = log;
    after.insert(1, earlier);
    after[3][137] = '*';
    QCOMPARE(h.log(), crlf(after));
    QCOMPARE(messages.notices.last(), QStringLiteral("1 QSL a été marquée reçue dans le log TEST1_ZEL.log."));
}

void TestImportWindow::refusedWithoutStationOrRecords()
{
    MainHarness h;
    QVERIFY(h.prepare({}, QStringLiteral("FXXXX")));
    QVERIFY(h.start());
    QStringList folders;
    const QString file = h.path(QStringLiteral("notes.adi"));
    QVERIFY(writeBytes(file, "Not an ADIF file\r\n"));
    answerDialog(h, file, &folders);
    h.messages.clear();
    h.get<QAction>("Mnu_Import_ADIF")->trigger();
    QVERIFY(folders.isEmpty());
    QCOMPARE(h.messages.notices.size(), 1);
    QVERIFY(h.messages.notices.first().startsWith(QStringLiteral("Aucune station n'est encore choisie")));

    // With a station, a file without any record says so instead of an empty window.
    h.setStation(QStringLiteral("TEST1"));
    h.session->openStation();
    h.get<QAction>("Mnu_Import_ADIF")->trigger();
    QCOMPARE(h.messages.notices.last(), QStringLiteral("Le fichier notes.adi ne contient aucun QSO au format ADIF."));
    QVERIFY(!importWindow(h));
}

QTEST_MAIN(TestImportWindow)
#include "tst_importwindow.moc"
