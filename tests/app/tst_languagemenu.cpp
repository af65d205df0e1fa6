// Afficher > Langue over a real main window: the three languages named in their own
// language, the one kept in the settings ticked, a choice kept in section
// "Interface" and confirmed once in the language chosen, a choice that cannot be
// kept leaving the previous one ticked.

#include "Harness.h"

#include "app/LanguageChoice.h"
#include "kit/Language.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QScopeGuard>
#include <QTranslator>

using namespace zeltest;

namespace {

const QString NextStartFrench =
    QStringLiteral("La langue choisie sera utilisée au prochain démarrage du programme.");

QMenu *languageMenu(const MainHarness &h)
{
    return h.window->findChild<QMenu *>(QStringLiteral("Mnu_Langue"));
}

QAction *languageItem(const MainHarness &h, const QString &code)
{
    return h.window->findChild<QAction *>(QStringLiteral("Mnu_Langue_") + code);
}

// The codes of the ticked items, in menu order.
QStringList ticked(const MainHarness &h)
{
    QStringList out;
    for (QAction *a : languageMenu(h)->actions()) {
        if (a->isChecked())
            out << a->data().toString();
    }
    return out;
}

QChar accessLetter(const QString &text)
{
    const int at = text.indexOf(QLatin1Char('&'));
    return at >= 0 && at + 1 < text.size() ? text.at(at + 1).toLower() : QChar();
}

// Replaces the settings file by a folder of the same name: every write fails.
bool blockSettings(const MainHarness &h)
{
    return QFile::remove(h.iniPath()) && QDir().mkdir(h.iniPath());
}

} // namespace

class LanguageMenuTest : public QObject
{
    Q_OBJECT
private slots:
    void listsTheLanguagesAndTicksTheStoredOne_data();
    void listsTheLanguagesAndTicksTheStoredOne();
    void aChoiceIsKeptAndConfirmedOnce();
    void aChoiceThatCannotBeKeptKeepsThePreviousOne();
    void theConfirmationSpeaksTheLanguageChosen();
    void accessLettersStayUniqueInEachLanguage_data();
    void accessLettersStayUniqueInEachLanguage();
};

void LanguageMenuTest::listsTheLanguagesAndTicksTheStoredOne_data()
{
    QTest::addColumn<QString>("stored"); // "" : no setting at all
    QTest::addColumn<QString>("expected");
    QTest::newRow("none") << QString() << QStringLiteral("fr");
    QTest::newRow("it") << QStringLiteral("it") << QStringLiteral("it");
    QTest::newRow("en") << QStringLiteral("en") << QStringLiteral("en");
    QTest::newRow("fr") << QStringLiteral("fr") << QStringLiteral("fr");
    QTest::newRow("hand-typed") << QStringLiteral(" EN ") << QStringLiteral("en");
    QTest::newRow("unknown") << QStringLiteral("de") << QStringLiteral("fr");
}

void LanguageMenuTest::listsTheLanguagesAndTicksTheStoredOne()
{
    QFETCH(QString, stored);
    QFETCH(QString, expected);
    MainHarness h;
    QVERIFY(h.prepare({}));
    if (!stored.isNull())
        h.settings->write(QStringLiteral("Interface"), QStringLiteral("Langue"), stored);
    QVERIFY(h.start());
    h.messages.clear();

    QMenu *menu = languageMenu(h);
    QVERIFY(menu);
    // In the Afficher menu, under its own title.
    QVERIFY(h.window->findChild<QMenu *>(QStringLiteral("Mnu_Affichage"))->actions().contains(menu->menuAction()));
    QCOMPARE(menu->title(), QStringLiteral("&Langue"));
    QStringList names;
    for (QAction *a : menu->actions()) {
        QVERIFY(a->isCheckable());
        names << a->text().remove(QLatin1Char('&'));
    }
    QCOMPARE(names, (QStringList{QStringLiteral("Français"), QStringLiteral("Italiano"), QStringLiteral("English")}));
    QCOMPARE(ticked(h), QStringList{expected});
    // Looking is not choosing: nothing said, nothing written.
    QVERIFY(h.messages.shown.isEmpty());
    QCOMPARE(h.stored(QStringLiteral("Interface"), QStringLiteral("Langue")),
             stored.isNull() ? QStringLiteral("<absent>") : stored);
}

void LanguageMenuTest::aChoiceIsKeptAndConfirmedOnce()
{
    MainHarness h;
    QVERIFY(h.prepare({}));
    QVERIFY(h.start());
    h.messages.clear();
    const QString callsign = h.stored(Settings::CommonSection, Settings::KeyCallsign);

    languageItem(h, QStringLiteral("it"))->trigger();
    QCOMPARE(h.stored(QStringLiteral("Interface"), QStringLiteral("Langue")), QStringLiteral("it"));
    QCOMPARE(h.messages.notices, QStringList{LanguageChoice::notice(QStringLiteral("it"))});
    QVERIFY(h.messages.questions.isEmpty());
    QCOMPARE(ticked(h), QStringList{QStringLiteral("it")});

    // The language already kept: nothing more is said or written.
    languageItem(h, QStringLiteral("it"))->trigger();
    QCOMPARE(h.messages.notices.size(), 1);
    QCOMPARE(ticked(h), QStringList{QStringLiteral("it")});

    // Back to French, said in French; the other sections are left as they were.
    h.messages.clear();
    languageItem(h, QStringLiteral("fr"))->trigger();
    QCOMPARE(h.stored(QStringLiteral("Interface"), QStringLiteral("Langue")), QStringLiteral("fr"));
    QCOMPARE(h.messages.notices, QStringList{NextStartFrench});
    QCOMPARE(ticked(h), QStringList{QStringLiteral("fr")});
    QCOMPARE(h.stored(Settings::CommonSection, Settings::KeyCallsign), callsign);
    QCOMPARE(h.stored(Settings::stationSection(QStringLiteral("TEST1")), Settings::KeyBand), QStringLiteral("4"));
    // The running interface does not change with the choice.
    QCOMPARE(h.button("Valide_A")->text(), QStringLiteral("&Valider le QSO"));
}

void LanguageMenuTest::aChoiceThatCannotBeKeptKeepsThePreviousOne()
{
    MainHarness h;
    QVERIFY(h.prepare({}));
    h.settings->write(QStringLiteral("Interface"), QStringLiteral("Langue"), QStringLiteral("it"));
    QVERIFY(h.start());
    h.messages.clear();
    QVERIFY(blockSettings(h));

    languageItem(h, QStringLiteral("en"))->trigger();
    // The write failure is told as every other one, and the choice is not confirmed.
    QCOMPARE(h.messages.notices.size(), 1);
    QVERIFY2(h.messages.notices.first().startsWith(QStringLiteral("Les réglages n'ont pas pu être enregistrés dans ")),
             qPrintable(h.messages.notices.first()));
    QCOMPARE(ticked(h), QStringList{QStringLiteral("it")});

    // Trying the same language again tries the write again rather than taking it as kept.
    h.messages.clear();
    languageItem(h, QStringLiteral("en"))->trigger();
    QCOMPARE(h.messages.notices.size(), 1);
    QVERIFY2(h.messages.notices.first().startsWith(QStringLiteral("Les réglages n'ont pas pu être enregistrés")), qPrintable(h.messages.notices.first()));
    QCOMPARE(ticked(h), QStringList{QStringLiteral("it")});

    // Once the file can be written again, the choice goes through.
    QVERIFY(QDir().rmdir(h.iniPath()));
    h.messages.clear();
    languageItem(h, QStringLiteral("en"))->trigger();
    QCOMPARE(h.messages.notices, QStringList{LanguageChoice::notice(QStringLiteral("en"))});
    QCOMPARE(h.stored(QStringLiteral("Interface"), QStringLiteral("Langue")), QStringLiteral("en"));
    QCOMPARE(ticked(h), QStringList{QStringLiteral("en")});
}

void LanguageMenuTest::theConfirmationSpeaksTheLanguageChosen()
{
    // French is the source text itself, whatever the running language.
    QCOMPARE(LanguageChoice::notice(QStringLiteral("fr")), NextStartFrench);
    QCOMPARE(Language::translated(QStringLiteral("fr"), "LanguageChoice",
                                  "La langue choisie sera utilisée au prochain démarrage du programme."),
             NextStartFrench);
    // Italian and English differ from it once their translations are built in.
    for (const QString &code : {QStringLiteral("it"), QStringLiteral("en")}) {
        QTranslator t;
        if (!t.load(QStringLiteral(":/i18n/kvr_zel_") + code + QStringLiteral(".qm")))
            continue;
        const QString notice = LanguageChoice::notice(code);
        QVERIFY2(!notice.isEmpty() && notice != NextStartFrench, qPrintable(code + QStringLiteral(": ") + notice));
    }
}

void LanguageMenuTest::accessLettersStayUniqueInEachLanguage_data()
{
    QTest::addColumn<QString>("code");
    for (const QString &code : Language::codes())
        QTest::newRow(qPrintable(code)) << code;
}

void LanguageMenuTest::accessLettersStayUniqueInEachLanguage()
{
    QFETCH(QString, code);
    QTranslator translator;
    if (code != Language::French) {
        if (!translator.load(QStringLiteral(":/i18n/kvr_zel_") + code + QStringLiteral(".qm")))
            QSKIP("this test program carries no translation for this language");
        QCoreApplication::installTranslator(&translator);
    }
    const auto removeTranslator = qScopeGuard([&] { QCoreApplication::removeTranslator(&translator); });
    MainHarness h;
    QVERIFY(h.prepare({}));
    QVERIFY(h.start());
    // Within the Afficher menu and within the language menu, each item its own letter.
    for (const char *name : {"Mnu_Affichage", "Mnu_Langue"}) {
        QString letters;
        for (QAction *a : h.window->findChild<QMenu *>(QLatin1String(name))->actions()) {
            const QChar c = accessLetter(a->text());
            QVERIFY2(!c.isNull(), qPrintable(a->text()));
            QVERIFY2(!letters.contains(c), qPrintable(code + QLatin1Char(' ') + a->text()));
            letters += c;
        }
    }
}

QTEST_MAIN(LanguageMenuTest)
#include "tst_languagemenu.moc"
