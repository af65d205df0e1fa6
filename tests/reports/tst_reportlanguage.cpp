// The report windows in another language than French: their words follow the
// translations, the score chart's picture too, while the saved and printed lists
// stay French byte for byte.

#include "app/Harness.h"
#include "common/BracketTranslator.h"
#include "SampleLog.h"
#include "Revision.h"

#include "reports/AwardChart.h"
#include "reports/AwardProgress.h"
#include "reports/ListingModel.h"
#include "reports/ReportText.h"
#include "reports/ui/ScoreWindow.h"

#include <QAction>
#include <QRadioButton>
#include <QTableView>
#include <QtTest>

using zeltest::BracketTranslator;
using zeltest::MainHarness;

namespace {

QWidget *open(MainHarness &h, const char *item, const char *window)
{
    QAction *a = h.window->findChild<QAction *>(QLatin1String(item));
    if (!a)
        return nullptr;
    a->trigger();
    return h.window->findChild<QWidget *>(QLatin1String(window));
}

} // namespace

class TestReportLanguage : public QObject
{
    Q_OBJECT
private slots:
    void savedListsStayFrench_data();
    void savedListsStayFrench();
    void printedLinesStayFrench();
    void scorePictureFollowsTheLanguage();
};

void TestReportLanguage::savedListsStayFrench_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("confirmedOnly");
    QTest::addColumn<QString>("golden");
    QTest::newRow("contacted abbeys") << "Mnu_C_Contacte" << "Aff_Contacte" << false
                                      << QStringLiteral("TEST1_Liste_alaphanumerique_Abbayes_14_03_07.txt");
    QTest::newRow("award, confirmed") << "Mnu_Abbayes_Contactees" << "Aff_Contacte_ZEL" << true
                                      << QStringLiteral("TEST1_Abbayes_confirmees_au 14_03_07.txt");
}

void TestReportLanguage::savedListsStayFrench()
{
    QFETCH(QString, item);
    QFETCH(QString, name);
    QFETCH(bool, confirmedOnly);
    QFETCH(QString, golden);
    MainHarness h;
    QVERIFY(h.prepare(reportstest::sampleLog()));
    QVERIFY(h.start());
    BracketTranslator translator;
    QWidget *w = open(h, item.toLatin1(), name.toLatin1());
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QStringLiteral("[ZEL Contactés]"));
    if (confirmedOnly)
        QTest::mouseClick(w->findChild<QRadioButton *>(QStringLiteral("Option1(2)")), Qt::LeftButton);
    // The columns are titled in the operator's language, and wide enough for it.
    auto *list = w->findChild<QTableView *>(QStringLiteral("Liste_QSO_Contacte"));
    auto *model = qobject_cast<ListingModel *>(list->model());
    QVERIFY(model);
    QCOMPARE(model->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("[REF]"));
    for (int c = 0; c < model->columnCount(); ++c)
        QVERIFY(model->columnChars(c) >= model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString().size());

    h.messages.clear();
    QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("Enregistrer")), Qt::LeftButton);
    QCOMPARE(h.messages.notices,
             QStringList(QStringLiteral("[Le log a été enregistré sous le nom : ") + golden + QLatin1Char(']')));
    QCOMPARE(zeltest::readBytes(h.path(golden)),
             zeltest::goldenBytes(QStringLiteral(ZEL_FIXTURES "/reports/") + golden, Revision::text()));
}

void TestReportLanguage::printedLinesStayFrench()
{
    MainHarness h;
    QVERIFY(h.prepare(reportstest::sampleLog()));
    QVERIFY(h.start());
    const QDate today(2007, 3, 14);
    for (auto kind : {ReportListing::Kind::Alphanumeric, ReportListing::Kind::AwardContacted,
                      ReportListing::Kind::AwardConfirmed}) {
        const ReportListing listing = ReportListing::fromSession(kind, *h.session);
        const QStringList french = ReportText::printedLines(listing, QStringLiteral("TEST1"), today);
        const QByteArray saved = ReportText::savedFile(listing, QStringLiteral("TEST1"), today);
        const QString frenchHeader = ReportText::screenHeader(kind);
        BracketTranslator translator;
        QCOMPARE(ReportText::printedLines(listing, QStringLiteral("TEST1"), today), french);
        QCOMPARE(ReportText::savedFile(listing, QStringLiteral("TEST1"), today), saved);
        QCOMPARE(ReportText::fileName(kind, QStringLiteral("TEST1"), today).contains(QLatin1Char('[')), false);
        QCOMPARE(ReportText::screenHeader(kind), BracketTranslator::marked(frenchHeader));
    }
    // The way to the next level reads in the operator's language, its count in it.
    BracketTranslator translator;
    QCOMPARE(AwardProgress::of(7).text, QStringLiteral("[Encore 3 QSL pour le diplôme de base]"));
    QCOMPARE(AwardProgress::of(260).text, QStringLiteral("[Encore 240 QSL pour le niveau Excellence 2]"));
}

void TestReportLanguage::scorePictureFollowsTheLanguage()
{
    MainHarness h;
    QVERIFY(h.prepare(reportstest::sampleLog()));
    QVERIFY(h.start());
    BracketTranslator translator;
    auto *score = qobject_cast<ScoreWindow *>(open(h, "Mnu_Scores_ZEL", "Scores_ZEL"));
    QVERIFY(score);
    QCOMPARE(score->windowTitle(), QStringLiteral("[Scores]"));
    if (!score->findChild<QWidget *>(QStringLiteral("Graphique")))
        QSKIP("the chart's plugin is not built");
    const QString answer = h.path(QStringLiteral("graphique.png"));
    score->setImageFileChooser([&](QWidget *, const QString &) { return answer; });
    h.messages.clear();
    score->saveImage();
    QCOMPARE(h.messages.notices.size(), 1);
    QVERIFY2(h.messages.notices.first().startsWith(QStringLiteral("[L'image a été enregistrée")),
             qPrintable(h.messages.notices.first()));
    QImage image;
    QVERIFY(image.loadFromData(zeltest::readBytes(answer), "PNG"));
    // The title above the chart, as the window's words, in the operator's language.
    QCOMPARE(image.text(QStringLiteral("Title")), QStringLiteral("[TEST1 - Diplôme ZEL - 14/03/2007]"));
}

QTEST_MAIN(TestReportLanguage)
#include "tst_reportlanguage.moc"
