// The keys every window shares, over a real main window: each button and option has
// its own Alt letter, Tab leaves the lists, Escape closes each tool window, Enter
// presses the focused button; and a message box leaves the window that raised it
// in front with its focus where it was.

#include "Harness.h"

#include "kit/ui/QtMessages.h"

#include <QAbstractItemView>
#include <QAction>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

using namespace zeltest;

namespace {

// The letter after the '&' of a caption (none: a null character).
QChar accessLetter(const QString &text)
{
    const int at = text.indexOf(QLatin1Char('&'));
    return at >= 0 && at + 1 < text.size() ? text.at(at + 1).toLower() : QChar();
}

// The access letters of a window's buttons, options and labels.
QString letters(QWidget *window)
{
    QString out;
    for (QAbstractButton *b : window->findChildren<QAbstractButton *>()) {
        if (b->window() == window && !b->text().isEmpty())
            out += accessLetter(b->text()).isNull() ? QStringLiteral("?") + b->text() : QString(accessLetter(b->text()));
    }
    for (QLabel *l : window->findChildren<QLabel *>()) {
        if (l->window() == window && l->buddy() && !accessLetter(l->text()).isNull())
            out += accessLetter(l->text());
    }
    return out;
}

QWidget *openFrom(MainHarness &h, const char *opener, const char *name)
{
    if (auto *a = h.window->findChild<QAction *>(QLatin1String(opener)))
        a->trigger();
    else if (auto *b = h.window->findChild<QPushButton *>(QLatin1String(opener)))
        b->click();
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String(name) && w->isVisible())
            return w;
    }
    return nullptr;
}

} // namespace

class WindowKeysTest : public QObject
{
    Q_OBJECT

private slots:
    void everyWindow_data();
    void everyWindow();
    void mainWindow();
    void tabOutOfTheListToItsButtons();
    void messageStaysWithItsWindow();
};

void WindowKeysTest::everyWindow_data()
{
    QTest::addColumn<QString>("opener");
    QTest::addColumn<QString>("name");
    const char *const windows[][2] = {
        {"Mnu_C_Contacte", "Aff_Contacte"},      {"Mnu_Abbayes_Contactees", "Aff_Contacte_ZEL"},
        {"Mnu_Scores_ZEL", "Scores_ZEL"},        {"Mnu_Region_Contact", "Regions_Contacte"},
        {"Mnu_Carte_HB", "Carte_Acti_ZEL"},      {"Mnu_Reglement", "Reglement"},
        {"Mnu_Mode_Emploi", "Mode_Emploi"},      {"Recherche", "Recherche_Indicatif"},
        {"Mnu_New_Indicatif", "Station"},        {"QSL", "Multi_QSL"},
        {"Mnu_QSL_A_Recevoir", "QSL_A_Recevoir"}, {"Mnu_Poste_Radio", "Poste_Radio"},
    };
    for (const auto &w : windows)
        QTest::newRow(w[1]) << QString::fromLatin1(w[0]) << QString::fromLatin1(w[1]);
    QTest::newRow("Mini_Carte") << QString() << QStringLiteral("Mini_Carte");
}

void WindowKeysTest::everyWindow()
{
    QFETCH(QString, opener);
    QFETCH(QString, name);
    MainHarness h;
    QVERIFY(h.prepare({qso("F1ABC", "LZ0001", "05/01/07", "10:00").line()}));
    QVERIFY(h.start());
    QPointer<QWidget> w;
    if (opener.isEmpty()) {
        h.entry->announceNewRegion(QStringLiteral("AZ0001"));
        for (QWidget *t : QApplication::topLevelWidgets())
            if (t->objectName() == name && t->isVisible())
                w = t;
    } else {
        w = openFrom(h, opener.toLatin1().constData(), name.toLatin1().constData());
    }
    QVERIFY(w);
    QVERIFY(QTest::qWaitForWindowExposed(w));

    // Every button and option has an Alt letter of its own in the window.
    const QString l = letters(w);
    QVERIFY2(!l.contains(QLatin1Char('?')), qPrintable(l));
    for (const QChar c : l)
        QVERIFY2(l.count(c) == 1, qPrintable(name + QStringLiteral(": ") + l));
    // Tab leaves every list.
    for (QAbstractItemView *view : w->findChildren<QAbstractItemView *>())
        QVERIFY2(!view->tabKeyNavigation(), qPrintable(view->objectName()));

    // Escape closes the window, wherever the focus stands in it.
    w->activateWindow();
    QWidget *target = w->focusWidget() ? w->focusWidget() : w.data();
    QTest::keyClick(target, Qt::Key_Escape);
    QTRY_VERIFY(!w || !w->isVisible());
    QVERIFY(h.messages.shown.isEmpty());
}

void WindowKeysTest::mainWindow()
{
    MainHarness h;
    QVERIFY(h.prepare({qso("F1ABC", "LZ0001", "05/01/07", "10:00").line()}));
    QVERIFY(h.start());
    // The buttons' letters stay clear of the menu bar's.
    QString menus;
    for (QAction *a : h.window->menuBar()->actions())
        menus += accessLetter(a->text());
    const QString buttons = letters(h.window.get());
    QCOMPARE(buttons.size(), 7);
    for (const QChar c : buttons)
        QVERIFY2(buttons.count(c) == 1 && !menus.contains(c), qPrintable(menus + QStringLiteral(" / ") + buttons));
    QVERIFY(!h.get<QTableView>("Liste_QSO")->tabKeyNavigation());
    // Escape is not the logbook's way out.
    QTest::keyClick(h.get<QLineEdit>("Ind_A"), Qt::Key_Escape);
    QVERIFY(h.window->isVisible());
}

void WindowKeysTest::tabOutOfTheListToItsButtons()
{
    MainHarness h;
    QVERIFY(h.prepare({qso("F1ABC", "LZ0001", "05/01/07", "10:00").line(),
                       qso("F2ABC", "AZ0001", "06/01/07", "10:00").line()}));
    QVERIFY(h.start());
    QPointer<QWidget> w = openFrom(h, "Mnu_Abbayes_Contactees", "Aff_Contacte_ZEL");
    QVERIFY(w);
    w->activateWindow();
    QTRY_VERIFY(w->isActiveWindow());
    auto *list = w->findChild<QTableView *>(QStringLiteral("Liste_QSO_Contacte"));
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    QVERIFY(list->hasFocus());
    QTest::keyClick(list, Qt::Key_Tab);
    auto *save = w->findChild<QPushButton *>(QStringLiteral("Enregistrer"));
    QTRY_VERIFY(save->hasFocus());
    QTest::keyClick(save, Qt::Key_Tab);
    QVERIFY(w->findChild<QPushButton *>(QStringLiteral("Imprimer"))->hasFocus());
    // Enter presses the button that has the focus.
    QTest::keyClick(save, Qt::Key_Backtab);
    QVERIFY(save->hasFocus());
    QTest::keyClick(save, Qt::Key_Return);
    QCOMPARE(h.messages.notices.size(), 1);
    QVERIFY(h.messages.notices.first().startsWith(QStringLiteral("Le log a été enregistré sous le nom : ")));
}

void WindowKeysTest::messageStaysWithItsWindow()
{
    MainHarness h;
    QVERIFY(h.prepare({}));
    QVERIFY(h.start());
    QPointer<QWidget> w = openFrom(h, "Recherche", "Recherche_Indicatif");
    QVERIFY(w);
    w->activateWindow();
    QTRY_VERIFY(w->isActiveWindow());
    auto *date = w->findChild<QLineEdit *>(QStringLiteral("Data"));
    date->setFocus();
    QVERIFY(date->hasFocus());

    QtMessages messages(h.window.get());
    QPointer<QWidget> parentOfBox;
    QTimer::singleShot(50, [&parentOfBox] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        parentOfBox = box->parentWidget();
        box->accept();
    });
    messages.notice(QStringLiteral("Attention le format date doit etre JJ/MM/AA"));
    QCOMPARE(parentOfBox.data(), w.data());
    QTRY_VERIFY(w->isActiveWindow());
    QVERIFY(date->hasFocus());
}

QTEST_MAIN(WindowKeysTest)
#include "tst_windowkeys.moc"
