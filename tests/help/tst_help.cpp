// The rules and user-guide windows: the pages shipped with the program, opened
// from their menu items, the rules at their section, in the interface's language.

#include "app/Harness.h"

#include "common/PrefixTranslator.h"
#include "help/HelpPages.h"
#include "kit/Language.h"
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

// Every link of a document, inside it or not, in page order.
QStringList linksOf(const QString &html)
{
    QStringList out;
    const QRegularExpression href(QStringLiteral("href=\"([^\"]*)\""));
    for (auto it = href.globalMatch(html); it.hasNext();)
        out << it.next().captured(1);
    return out;
}

QStringList anchorsOfPage(const QUrl &page)
{
    QTextDocument doc;
    doc.setHtml(HelpPages::html(page));
    return anchorsOf(&doc);
}

QString plainTextOf(const QUrl &page)
{
    QTextDocument doc;
    doc.setHtml(HelpPages::html(page));
    return doc.toPlainText();
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
    void everyLanguageHasBothPages_data();
    void everyLanguageHasBothPages();
    void otherLanguagesReadFrench();
    void windowTitlesAreTranslated();
    // Last: it changes the run's language.
    void pagesFollowTheInterfaceLanguage();
    void historyInEveryLanguage();
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

void HelpTest::everyLanguageHasBothPages_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("rulesWord"); // the rules' title in that language
    QTest::addColumn<QString>("guideWord"); // a guide section in that language
    QTest::newRow("it") << QStringLiteral("it") << QStringLiteral("Regolamento")
                        << QStringLiteral("Esportare il log in formato ADIF");
    QTest::newRow("en") << QStringLiteral("en") << QStringLiteral("Rules")
                        << QStringLiteral("Exporting the log as ADIF");
}

void HelpTest::everyLanguageHasBothPages()
{
    QFETCH(QString, code);
    QFETCH(QString, rulesWord);
    QFETCH(QString, guideWord);
    const QList<QPair<QUrl, QUrl>> pairs = {{HelpPages::rules(code), HelpPages::rules(QStringLiteral("fr"))},
                                            {HelpPages::guide(code), HelpPages::guide(QStringLiteral("fr"))}};
    for (const auto &[page, french] : pairs) {
        const QString html = HelpPages::html(page);
        QVERIFY2(!html.isEmpty(), qPrintable(page.toString()));
        QVERIFY(page.path() != french.path());
        QVERIFY(html.contains(QStringLiteral("<html lang=\"%1\">").arg(code)));
        // The same sections and the same links as the French page, in the same
        // order: a link of the contents or of the text leads where it does in French.
        QCOMPARE(anchorsOfPage(page), anchorsOfPage(french));
        QCOMPARE(linksOf(html), linksOf(HelpPages::html(french)));
        const QString text = plainTextOf(page);
        QVERIFY(text != plainTextOf(french));
        // Translated whole: no French heading is left.
        const QRegularExpression heading(QStringLiteral("<h[1-3]>(?:<a name=\"[^\"]*\"></a>)?([^<]+)</h"));
        int headings = 0;
        for (auto it = heading.globalMatch(HelpPages::html(french)); it.hasNext(); ++headings) {
            const QString title = it.next().captured(1);
            QVERIFY2(!html.contains(title), qPrintable(title));
        }
        QVERIFY(headings >= 5);
    }
    QCOMPARE(HelpPages::rules(code).fragment(), HelpPages::rulesAnchor());
    QVERIFY(plainTextOf(HelpPages::rules(code)).contains(rulesWord));
    QVERIFY(plainTextOf(HelpPages::guide(code)).contains(guideWord));

    // The award's tables: the 21 region codes in slot order, the 12 levels.
    const QString rules = plainTextOf(HelpPages::rules(code));
    int from = 0;
    for (int slot = 1; slot <= RegionTable::SlotCount; ++slot) {
        const QString row = QString::number(slot) + QLatin1Char('\n') + RegionTable::code(slot) + QLatin1Char('\n');
        const int at = rules.indexOf(row, from);
        QVERIFY2(at >= 0, qPrintable(RegionTable::code(slot)));
        from = at + row.size();
    }
    for (int level = 1; level <= 12; ++level) {
        const QString row = QString::number(level) + QLatin1Char('\n') + QString::number(level * 250);
        QVERIFY2(rules.contains(row), qPrintable(row));
    }
}

void HelpTest::otherLanguagesReadFrench()
{
    const QUrl rules = HelpPages::rules(QStringLiteral("fr"));
    QCOMPARE(rules.toString(), QStringLiteral("qrc:/help/reglement.html#Français"));
    QCOMPARE(HelpPages::guide(QStringLiteral("fr")).toString(), QStringLiteral("qrc:/help/mode_emploi.html"));
    for (const QString &code : {QStringLiteral("de"), QString(), QStringLiteral("../it")}) {
        QCOMPARE(HelpPages::rules(code), rules);
        QCOMPARE(HelpPages::guide(code), HelpPages::guide(QStringLiteral("fr")));
    }
    // Before any language is chosen the pages are the French ones.
    QCOMPARE(HelpPages::rules(), rules);
}

void HelpTest::windowTitlesAreTranslated()
{
    const PrefixTranslator translation;
    MainHarness h;
    QVERIFY(h.start());
    QWidget *rules = openFromMenu(h, "Mnu_Reglement", "Reglement");
    QCOMPARE(rules->windowTitle(), PrefixTranslator::marked(QStringLiteral("Règlement")));
    QCOMPARE(rules->findChild<QTextBrowser *>()->accessibleName(), rules->windowTitle());
    QWidget *guide = openFromMenu(h, "Mnu_Mode_Emploi", "Mode_Emploi");
    QCOMPARE(guide->windowTitle(), PrefixTranslator::marked(QStringLiteral("Mode d'emploi")));
    // The page itself is a whole page per language, never run through the translation.
    QVERIFY(!guide->findChild<QTextBrowser *>()->toPlainText().contains(PrefixTranslator::mark()));
}

void HelpTest::pagesFollowTheInterfaceLanguage()
{
    for (const QString &code : {QStringLiteral("it"), QStringLiteral("en")}) {
        Language::install(code);
        QCOMPARE(HelpPages::rules(), HelpPages::rules(code));
        QCOMPARE(HelpPages::guide(), HelpPages::guide(code));
        MainHarness h;
        QVERIFY(h.start());
        QWidget *w = openFromMenu(h, "Mnu_Reglement", "Reglement");
        auto *browser = w->findChild<QTextBrowser *>();
        QCOMPARE(browser->source(), HelpPages::rules(code));
        QVERIFY(anchorsOf(browser->document()).contains(HelpPages::rulesAnchor()));
        QVERIFY(!browser->toPlainText().contains(QStringLiteral("Règlement")));
        w = openFromMenu(h, "Mnu_Mode_Emploi", "Mode_Emploi");
        QCOMPARE(w->findChild<QTextBrowser *>()->source(), HelpPages::guide(code));
    }
    Language::install(QStringLiteral("fr"));
    QCOMPARE(HelpPages::rules(), HelpPages::rules(QStringLiteral("fr")));
}

// Each language's history tells the same versions on the same dates, line for line,
// so that a version added to the French history and forgotten elsewhere shows here.
void HelpTest::historyInEveryLanguage()
{
    const auto versions = [](const QString &history) {
        static const QRegularExpression head(QStringLiteral("^(V\\S+)\\s+\\S+\\s+(\\S+)\\s+\\S"));
        QStringList out;
        const QStringList lines = history.split(QStringLiteral("\r\n"));
        for (const QString &line : lines) {
            if (line.isEmpty())
                continue;
            const auto m = head.match(line);
            out << (m.hasMatch() ? m.captured(1) + QLatin1Char(' ') + m.captured(2) : QStringLiteral("? ") + line);
        }
        return out;
    };
    const QString french = HelpPages::history(QStringLiteral("fr"));
    QVERIFY(french.endsWith(QStringLiteral("\r\n")));
    QCOMPARE(versions(french).size(), 10);
    for (const QString &code : {QStringLiteral("it"), QStringLiteral("en")}) {
        const QString other = HelpPages::history(code);
        QVERIFY2(other != french, qPrintable(code));
        QVERIFY(other.endsWith(QStringLiteral("\r\n")) && !other.contains(QStringLiteral("\r\r")));
        QCOMPARE(versions(other), versions(french));
    }
    // Through the menu, in the language installed.
    Language::install(QStringLiteral("it"));
    {
        MainHarness h;
        QVERIFY(h.start());
        h.messages.shown.clear();
        h.window->findChild<QAction *>(QStringLiteral("Mnu_Historique"))->trigger();
        QCOMPARE(h.messages.shown, QStringList{HelpPages::history(QStringLiteral("it"))});
    }
    Language::install(QStringLiteral("fr"));
}

QTEST_MAIN(HelpTest)
#include "tst_help.moc"
