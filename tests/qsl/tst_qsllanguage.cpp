// "QSL à recevoir" in another language than French: the window's words follow the
// translations, the saved and printed listing stays French byte for byte, and the
// question before marking reads the same in French with or without them.

#include "app/Harness.h"
#include "common/BracketTranslator.h"

#include "qsl/PendingQsl.h"
#include "qsl/QslMarking.h"

#include <QAction>

using namespace zeltest;

namespace {

QList<QByteArray> sampleLog()
{
    QList<QByteArray> log;
    for (const QByteArray &ref : {"TO0007", "AZ0001", "MR0005"}) {
        Qso q = qso("IK0AAA", ref, "02/01/08", "10:00");
        q.abbey = "Abbazia di Sant'Antimo";
        log << q.line();
    }
    return log;
}

QWidget *openPending(MainHarness &h)
{
    QAction *a = h.window->findChild<QAction *>(QStringLiteral("Mnu_QSL_A_Recevoir"));
    if (!a)
        return nullptr;
    a->trigger();
    return h.window->findChild<QWidget *>(QStringLiteral("QSL_A_Recevoir"));
}

} // namespace

class TestQslLanguage : public QObject
{
    Q_OBJECT
private slots:
    void listingStaysFrenchWhateverTheLanguage();
    void frenchQuestionWithoutTranslations();
};

void TestQslLanguage::listingStaysFrenchWhateverTheLanguage()
{
    MainHarness h;
    QVERIFY(h.prepare(sampleLog()));
    QVERIFY(h.start());
    const QString path = h.path(QStringLiteral("TEST1_QSL_a_recevoir_14_03_07.txt"));
    const QList<int> rows = PendingQsl::rows(*h.session);
    const QDate today(2007, 3, 14);

    // The listing as French writes it, before any translation is installed.
    QVERIFY(PendingQsl::save(*h.session, rows, today).ok);
    const QByteArray french = readBytes(path);
    const QStringList frenchPrinted = PendingQsl::printedLines(*h.session, rows, today);
    QVERIFY(QFile::remove(path));
    QVERIFY(french.contains("3 QSL \xE0 recevoir\r\n"));

    BracketTranslator translator;
    QWidget *w = openPending(h);
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QStringLiteral("[QSL à recevoir]"));
    // The count on screen is translated; the same count in the file is not.
    QCOMPARE(w->findChild<QLabel *>(QStringLiteral("Nb_QSL"))->text(), QStringLiteral("[3 QSL à recevoir]"));
    QCOMPARE(PendingQsl::countText(3), QStringLiteral("3 QSL à recevoir"));

    h.messages.clear();
    QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("Enregistrer")), Qt::LeftButton);
    QCOMPARE(h.messages.notices.size(), 1);
    QVERIFY2(h.messages.notices.first().startsWith(QStringLiteral("[La liste des QSL à recevoir")),
             qPrintable(h.messages.notices.first()));
    QCOMPARE(readBytes(path), french);
    QCOMPARE(PendingQsl::printedLines(*h.session, rows, today), frenchPrinted);

    // Marking without a tick says so in the operator's language.
    h.messages.clear();
    QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("Marquer")), Qt::LeftButton);
    QCOMPARE(h.messages.notices, QStringList(QStringLiteral("[Selectionnez un ou plusieurs QSO]")));
}

void TestQslLanguage::frenchQuestionWithoutTranslations()
{
    // The French forms come from the program itself: the singular and the plural,
    // the QSOs hidden by the filter one or several.
    QCOMPARE(PendingQsl::markQuestion(1, 1), QStringLiteral("Marquer la QSL reçue pour le QSO coché ?\r\n\r\n"
                                                            "Ce QSO est caché par le filtre."));
    QCOMPARE(PendingQsl::markQuestion(5, 0), QStringLiteral("Marquer la QSL reçue pour les 5 QSO cochés ?"));
    QCOMPARE(PendingQsl::markQuestion(5, 3), QStringLiteral("Marquer la QSL reçue pour les 5 QSO cochés ?\r\n\r\n"
                                                            "3 de ces QSO sont cachés par le filtre."));
    BracketTranslator translator;
    QCOMPARE(PendingQsl::markQuestion(5, 3), QStringLiteral("[Marquer la QSL reçue pour les 5 QSO cochés ?]\r\n\r\n"
                                                            "[3 de ces QSO sont cachés par le filtre.]"));
}

QTEST_MAIN(TestQslLanguage)
#include "tst_qsllanguage.moc"
