// The rules and user-guide windows: the pages shipped with the program, opened
// from their menu items, the rules at their French section.

#include "app/Harness.h"

#include "help/HelpPages.h"
#include "refdata/RegionTable.h"

#include <QAction>
#include <QPointer>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

using namespace zeltest;

namespace {

// Every anchor name a document defines.
QStringList anchorsOf(const QTextDocument *doc)
{
    QStringList out;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it)
            out << it.fragment().charFormat().anchorNames();
    }
    return out;
}

// Every link of a document that points inside it ("#name").
QStringList internalLinksOf(const QString &html)
{
    QStringList out;
    const QRegularExpression href(QStringLiteral("href=\"#([^\"]+)\""));
    for (auto it = href.globalMatch(html); it.hasNext();)
        out << it.next().captured(1);
    return out;
}

QWidget *openFromMenu(const MainHarness &h, const char *item, const char *window)
{
    h.window->findChild<QAction *>(QLatin1String(item))->trigger();
    return h.window->findChild<QWidget *>(QLatin1String(window));
}

} // namespace

class HelpTest : public QObject
{
    Q_OBJECT

private slots:
    void rulesWindowOpensAtTheFrenchSection();
    void rulesListTheRegionsAndLevels();
    void guideWindow();
    void guideLinksLeadSomewhere();
    void oneWindowEach();
};

void HelpTest::rulesWindowOpensAtTheFrenchSection()
{
    MainHarness h;
    QVERIFY(h.start());
    QWidget *w = openFromMenu(h, "Mnu_Reglement", "Reglement");
    QVERIFY(w);
    QVERIFY(w->isVisible());
    QCOMPARE(w->windowTitle(), QStringLiteral("Règlement"));
    auto *browser = w->findChild<QTextBrowser *>(QStringLiteral("WebBrowser1"));
    QVERIFY(browser);
    QCOMPARE(browser->source().fragment(), QStringLiteral("Français"));
    QCOMPARE(browser->source().scheme(), QStringLiteral("qrc"));
    QVERIFY(anchorsOf(browser->document()).contains(QStringLiteral("Français")));
    QVERIFY(browser->toPlainText().contains(QStringLiteral("Règlement")));
    const QRect screen(0, 0, 1024, 768);
    QVERIFY(w->frameGeometry().width() <= screen.width() && w->frameGeometry().height() <= screen.height());
}

void HelpTest::rulesListTheRegionsAndLevels()
{
    QTextDocument doc;
    doc.setHtml(HelpPages::html(HelpPages::rules()));
    const QString text = doc.toPlainText();
    QVERIFY(!text.isEmpty());
    // The region table: the 21 codes in the order of the program's region slots.
    int from = 0;
    for (int slot = 1; slot <= RegionTable::SlotCount; ++slot) {
        const QString row = QString::number(slot) + QLatin1Char('\n') + RegionTable::code(slot) + QLatin1Char('\n');
        const int at = text.indexOf(row, from);
        QVERIFY2(at >= 0, qPrintable(RegionTable::code(slot)));
        from = at + row.size();
    }
    QVERIFY(text.contains(QStringLiteral("10 abbayes")));
    QVERIFY(text.contains(QStringLiteral("12 niveaux")));
    QVERIFY(text.contains(QStringLiteral("un seul QSO par abbaye")));
    for (int level = 1; level <= 12; ++level) {
        const QString row = QString::number(level) + QLatin1Char('\n') + QString::number(level * 250);
        QVERIFY2(text.contains(row), qPrintable(row));
    }
}

void HelpTest::guideWindow()
{
    MainHarness h;
    QVERIFY(h.start());
    h.messages.clear();
    QWidget *w = openFromMenu(h, "Mnu_Mode_Emploi", "Mode_Emploi");
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QStringLiteral("Mode d'emploi"));
    QVERIFY(h.messages.shown.isEmpty());
    const QString text = w->findChild<QTextBrowser *>()->toPlainText();
    for (const char *topic : {"Première installation", "Saisir un QSO", "Insérer un QSO", "modifier",
                              "Rechercher un QSO", "QSL reçues", "Scores ZEL", "Carte",
                              "Exporter le log au format ADIF", "Abbayes sur l'air", "Annoncer",
                              "Nouvelle abbaye", "Contactée", "Confirmée", "hors liste",
                              "QSL sans QSO correspondant", "Mettre à jour la liste des abbayes",
                              "Revenir à la liste précédente", "règle le poste sur sa fréquence"}) {
        QVERIFY2(text.contains(QString::fromUtf8(topic)), topic);
    }
}

void HelpTest::guideLinksLeadSomewhere()
{
    for (const QUrl &page : {HelpPages::guide(), HelpPages::rules()}) {
        const QString html = HelpPages::html(page);
        QTextDocument doc;
        doc.setHtml(html);
        const QStringList anchors = anchorsOf(&doc);
        const QStringList links = internalLinksOf(html);
        QVERIFY(!links.isEmpty());
        for (const QString &link : links)
            QVERIFY2(anchors.contains(link), qPrintable(page.toString() + QLatin1Char(' ') + link));
    }
}

void HelpTest::oneWindowEach()
{
    MainHarness h;
    QVERIFY(h.start());
    QWidget *rules = openFromMenu(h, "Mnu_Reglement", "Reglement");
    auto *browser = rules->findChild<QTextBrowser *>();
    QWidget *guide = openFromMenu(h, "Mnu_Mode_Emploi", "Mode_Emploi");
    QVERIFY(guide != rules);
    QCOMPARE(openFromMenu(h, "Mnu_Reglement", "Reglement"), rules);
    QCOMPARE(h.window->findChildren<QWidget *>(QStringLiteral("Reglement")).size(), 1);
    QCOMPARE(rules->findChild<QTextBrowser *>(), browser);

    QPointer<QWidget> closing = rules;
    rules->close();
    QTRY_VERIFY(closing.isNull());
    QVERIFY(openFromMenu(h, "Mnu_Reglement", "Reglement"));
}

QTEST_MAIN(HelpTest)
#include "tst_help.moc"
