// The three report windows over a real main window: opened from their menu items
// once each, read through the accessibility interface, following the log, saving
// byte for byte and printing through the printer dialog to a PDF file.

#include "app/Harness.h"
#include "SampleLog.h"
#include "Revision.h"

#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QButtonGroup>
#include <QPrintDialog>
#include <QProcess>
#include <QProgressDialog>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>

using zeltest::MainHarness;
using zeltest::Qso;

namespace {

using reportstest::make;
using reportstest::sampleLog;

QWidget *open(MainHarness &h, const char *item, const char *window)
{
    QAction *a = h.window->findChild<QAction *>(QLatin1String(item));
    if (!a)
        return nullptr;
    a->trigger();
    return h.window->findChild<QWidget *>(QLatin1String(window));
}

// A list's rows as a screen reader reads them, cell by cell.
QList<QStringList> readList(QWidget *list)
{
    QList<QStringList> rows;
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(list);
    QAccessibleTableInterface *table = iface ? iface->tableInterface() : nullptr;
    if (!table)
        return rows;
    for (int r = 0; r < table->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < table->columnCount(); ++c) {
            QAccessibleInterface *cell = table->cellAt(r, c);
            cells << (cell ? cell->text(QAccessible::Name) : QStringLiteral("<none>"));
        }
        rows << cells;
    }
    // Without a screen reader (offscreen) the view does not tell its accessible
    // table that its rows changed; the next read starts afresh, as a reader would.
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
    return rows;
}

QString accessibleName(QWidget *w)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
    return iface ? iface->text(QAccessible::Name) : QString();
}

// Answers the printer dialog once it is up: accepted or cancelled.
void answerPrintDialog(bool accept)
{
    auto *timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, accept] {
        auto *dialog = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget());
        if (!dialog || dialog->objectName() != QLatin1String("CommonDialog1"))
            return;
        timer->stop();
        timer->deleteLater();
        if (accept)
            dialog->accept();
        else
            dialog->reject();
    });
    timer->start();
}

QString pdfText(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-enc"),
                                          QStringLiteral("UTF-8"), path, QStringLiteral("-")});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput()).simplified();
}

QColor textColour(QLabel *l) { return l->palette().color(QPalette::WindowText); }

} // namespace

class TestReportWindows : public QObject
{
    Q_OBJECT
private slots:
    void opensOnce_data();
    void opensOnce();
    void contactList();
    void awardList();
    void score();
    void followsTheLog();
    void save_data();
    void save();
    void saveFails();
    void unreadableLog();
    void print_data();
    void print();
    void printCancelled();
    void longPrintCancelled();
};

void TestReportWindows::opensOnce_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::newRow("contacted abbeys") << "Mnu_C_Contacte" << "Aff_Contacte" << QStringLiteral("ZEL Contactés");
    QTest::newRow("award list") << "Mnu_Abbayes_Contactees" << "Aff_Contacte_ZEL" << QStringLiteral("ZEL Contactés");
    QTest::newRow("score") << "Mnu_Scores_ZEL" << "Scores_ZEL" << QStringLiteral("Scores");
}

void TestReportWindows::opensOnce()
{
    QFETCH(QString, item);
    QFETCH(QString, name);
    QFETCH(QString, caption);
    MainHarness h;
    QVERIFY(h.prepare(sampleLog()));
    QVERIFY(h.start());

    QPointer<QWidget> w = open(h, item.toLatin1(), name.toLatin1());
    QVERIFY(w);
    QVERIFY(w->isVisible());
    QVERIFY(!w->isModal());
    QCOMPARE(w->windowTitle(), caption);
    QVERIFY(w->width() <= 1024 && w->height() <= 768);
    const QRect screen = w->screen()->availableGeometry();
    // Centred before it is shown, so within the frame the platform adds.
    QVERIFY(qAbs(w->frameGeometry().center().x() - screen.center().x()) <= 8);
    if (w->frameGeometry().height() < screen.height())
        QVERIFY(qAbs(w->frameGeometry().center().y() - screen.center().y()) <= 8);

    // Asked again while open: the same window, in front.
    h.window->activateWindow();
    open(h, item.toLatin1(), name.toLatin1());
    QCOMPARE(h.window->findChildren<QWidget *>(name).size(), 1);
    QTRY_VERIFY(w->isActiveWindow());

    // Closed, it is gone; asked again, a new one opens.
    w->close();
    QTRY_VERIFY(!w);
    QVERIFY(open(h, item.toLatin1(), name.toLatin1()));
}

void TestReportWindows::contactList()
{
    MainHarness h;
    QVERIFY(h.prepare(sampleLog()));
    QVERIFY(h.start());
    QWidget *w = open(h, "Mnu_C_Contacte", "Aff_Contacte");
    QVERIFY(w);
    auto *title = w->findChild<QLabel *>(QStringLiteral("Label1"));
    QCOMPARE(title->text(), QStringLiteral("Liste alphanumerique des Abbayes contactées"));
    QVERIFY(title->font().bold());
    QCOMPARE(title->font().pointSize(), 12);
    QCOMPARE(w->findChild<QLabel *>(QStringLiteral("Label_Entete"))->text(),
             QStringLiteral("      REF     Indicatif         Date    Heure               Nom de l'Abbaye"
                            "                                                           QSL"));

    QWidget *list = w->findChild<QWidget *>(QStringLiteral("Liste_QSO_Contacte"));
    QCOMPARE(list->palette().color(QPalette::Base), QColor(255, 255, 192));
    QCOMPARE(accessibleName(list), QStringLiteral("Liste des Abbayes contactées"));
    const QList<QStringList> rows = readList(list);
    QCOMPARE(rows.size(), 5);
    QCOMPARE(rows.at(0), QStringList({"", "", "", "", "", ""}));
    QCOMPARE(rows.at(1), QStringList({"AZ0001", "F1ABC", "02/01/08", "08:00", "Abbazia di San Clemente a Casauria", "*"}));
    QCOMPARE(rows.at(2), QStringList({"AZ0001", "F1ABC", "15/12/07", "09:05", "Abbazia di San Clemente a Casauria", ""}));
    QCOMPARE(rows.at(3), QStringList({"MR0005", "DL1ABCDEFG", "01/02/08", "23:59",
                                      QStringLiteral("Abbazia di Santa Maria a piè di Chienti"), "*"}));
    QCOMPARE(rows.at(4).first(), QStringLiteral("TO0007"));
}

void TestReportWindows::awardList()
{
    MainHarness h;
    QVERIFY(h.prepare(sampleLog()));
    QVERIFY(h.start());
    QWidget *w = open(h, "Mnu_Abbayes_Contactees", "Aff_Contacte_ZEL");
    QVERIFY(w);
    auto *count = w->findChild<QLabel *>(QStringLiteral("Nb_C"));
    auto *contacted = w->findChild<QRadioButton *>(QStringLiteral("Option1(1)"));
    auto *confirmed = w->findChild<QRadioButton *>(QStringLiteral("Option1(2)"));
    QWidget *list = w->findChild<QWidget *>(QStringLiteral("Liste_QSO_Contacte"));
    // The captions as shown, one letter underlined for Alt + letter.
    QCOMPARE(QString(contacted->text()).remove(QLatin1Char('&')), QStringLiteral("contactées"));
    QCOMPARE(QString(confirmed->text()).remove(QLatin1Char('&')), QStringLiteral("Confirmées"));
    QVERIFY(contacted->isChecked());
    QCOMPARE(w->findChild<QButtonGroup *>(QStringLiteral("Option1"))->checkedId(), 1);

    // The count reads as its value, under its caption "Abbayes".
    QCOMPARE(count->text(), QStringLiteral("4"));
    QCOMPARE(accessibleName(count), QStringLiteral("4"));
    QVERIFY(count->font().bold());
    auto *caption = w->findChild<QLabel *>(QStringLiteral("Label1"));
    QCOMPARE(caption->text(), QStringLiteral("Abbayes"));
    QCOMPARE(caption->buddy(), count);

    QList<QStringList> rows = readList(list);
    QCOMPARE(rows.size(), 5);
    QCOMPARE(rows.at(0), QStringList({"", "", "", "", ""}));
    QCOMPARE(rows.at(3), QStringList({"MR0005", QStringLiteral("Abbazia di Santa Maria a piè di Chienti"),
                                      "01/02/08", "DL1ABCDEFGHI", "*"}));

    QTest::mouseClick(confirmed, Qt::LeftButton);
    QCOMPARE(count->text(), QStringLiteral("3"));
    rows = readList(list);
    QCOMPARE(rows.size(), 4);
    QCOMPARE(rows.at(1), QStringList({"AZ0001", "Abbazia di San Clemente a Casauria", "02/01/08", "F1ABC", "*"}));
    QCOMPARE(rows.at(3).first(), QStringLiteral("TO0007"));

    QTest::mouseClick(contacted, Qt::LeftButton);
    QCOMPARE(count->text(), QStringLiteral("4"));
    QCOMPARE(readList(list).size(), 5);

    // A screen reader's "Toggle" changes the option without a click: followed all the same.
    QAccessibleInterface *option = QAccessible::queryAccessibleInterface(confirmed);
    QVERIFY(option && option->actionInterface());
    QVERIFY(option->actionInterface()->actionNames().contains(QAccessibleActionInterface::toggleAction()));
    option->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QVERIFY(confirmed->isChecked());
    QCOMPARE(count->text(), QStringLiteral("3"));
    QCOMPARE(readList(list).size(), 4);
}

void TestReportWindows::score()
{
    // Nine confirmed QSOs with one abbey, then a tenth: the base level turns green.
    QList<QByteArray> log;
    for (int i = 0; i < 12; ++i)
        log << make("F1ABC", "AZ0001", "01/01/08", "10:00", zeltest::SanClemente, i < 9).line();
    MainHarness h;
    QVERIFY(h.prepare(log));
    QVERIFY(h.start());
    QWidget *w = open(h, "Mnu_Scores_ZEL", "Scores_ZEL");
    QVERIFY(w);
    auto *contacted = w->findChild<QLabel *>(QStringLiteral("NB_Contacte"));
    auto *confirmed = w->findChild<QLabel *>(QStringLiteral("NB_Confirme"));
    auto *base = w->findChild<QLabel *>(QStringLiteral("Label_Base"));
    auto *baseName = w->findChild<QLabel *>(QStringLiteral("Label_Diplome_Base"));
    auto *excellence = w->findChild<QLabel *>(QStringLiteral("Label_Excellence"));
    auto *excellenceName = w->findChild<QLabel *>(QStringLiteral("Label_Diplome_Excellence"));
    QCOMPARE(contacted->text(), QStringLiteral("12"));
    QCOMPARE(confirmed->text(), QStringLiteral("9"));
    QCOMPARE(accessibleName(confirmed), QStringLiteral("9"));
    QCOMPARE(w->findChild<QLabel *>(QStringLiteral("Label3"))->text(), QStringLiteral("Abbayes contactée(s)"));
    QCOMPARE(w->findChild<QLabel *>(QStringLiteral("Label4"))->text(), QStringLiteral("Abbayes confirmée(s)"));
    QCOMPARE(w->findChild<QLabel *>(QStringLiteral("Label4"))->buddy(), confirmed);
    QCOMPARE(base->text(), QStringLiteral("Vous ne pouvez pas encore obtenir"));
    QCOMPARE(baseName->text(), QStringLiteral("le diplome ZEL de base"));
    QCOMPARE(excellenceName->text(), QStringLiteral("le diplome ZEL Excellence"));
    for (QLabel *l : {base, baseName, excellence, excellenceName})
        QCOMPARE(textColour(l), QColor(255, 0, 0));

    QVERIFY(h.session->markConfirmed({10}).ok);
    QCOMPARE(confirmed->text(), QStringLiteral("10"));
    QCOMPARE(base->text(), QStringLiteral("Bravo, vous pouvez obtenir"));
    QCOMPARE(textColour(base), QColor(0, 128, 0));
    QCOMPARE(textColour(baseName), QColor(0, 128, 0));
    QCOMPARE(excellence->text(), QStringLiteral("Vous ne pouvez pas encore obtenir"));
    QCOMPARE(textColour(excellenceName), QColor(255, 0, 0));

    // A confirmed QSO of the same day committed while the window is open: the chart
    // whose points moved is the one a window opened afterwards draws.
    QVERIFY(h.session->append(make("F2XYZ", "AZ0002", "01/01/08", "11:00", zeltest::SanClemente, true).line()).ok);
    QWidget *chart = w->findChild<QWidget *>(QStringLiteral("Graphique"));
    if (!chart)
        return; // without the chart's plugin the table alone is shown
    const QSize size = chart->size();
    const QImage followed = chart->grab().toImage();
    QPointer<QWidget> old(w);
    w->close();
    QTRY_VERIFY(old.isNull());
    QWidget *again = open(h, "Mnu_Scores_ZEL", "Scores_ZEL");
    QVERIFY(again);
    QWidget *fresh = again->findChild<QWidget *>(QStringLiteral("Graphique"));
    QVERIFY(fresh);
    fresh->resize(size);
    QCOMPARE(fresh->grab().toImage(), followed);
}

void TestReportWindows::followsTheLog()
{
    MainHarness h;
    QVERIFY(h.prepare(sampleLog()));
    QVERIFY(h.start());
    QWidget *contact = open(h, "Mnu_C_Contacte", "Aff_Contacte");
    QWidget *award = open(h, "Mnu_Abbayes_Contactees", "Aff_Contacte_ZEL");
    QWidget *score = open(h, "Mnu_Scores_ZEL", "Scores_ZEL");
    QVERIFY(contact && award && score);
    auto *count = award->findChild<QLabel *>(QStringLiteral("Nb_C"));
    QTest::mouseClick(award->findChild<QRadioButton *>(QStringLiteral("Option1(2)")), Qt::LeftButton);
    QCOMPARE(count->text(), QStringLiteral("3"));

    // A QSO committed after the windows opened shows at once, in its sorted place.
    const QByteArray added = make("F5XYZ", "AB0001", "14/03/07", "09:05", "Abbazia nuova", false).line();
    QVERIFY(h.session->append(added).ok);
    QList<QStringList> rows = readList(contact->findChild<QWidget *>(QStringLiteral("Liste_QSO_Contacte")));
    QCOMPARE(rows.size(), 6);
    QCOMPARE(rows.at(1).mid(0, 2), QStringList({"AB0001", "F5XYZ"}));
    QCOMPARE(count->text(), QStringLiteral("3")); // not confirmed: the mode stays "Confirmées"
    QCOMPARE(score->findChild<QLabel *>(QStringLiteral("NB_Contacte"))->text(), QStringLiteral("5"));

    // Its QSL marked: in the confirmed list too.
    QVERIFY(h.session->markConfirmed({4}).ok);
    QCOMPARE(count->text(), QStringLiteral("4"));
    QCOMPARE(score->findChild<QLabel *>(QStringLiteral("NB_Confirme"))->text(), QStringLiteral("4"));

    // Deleted: gone again.
    QVERIFY(h.session->remove(h.session->line(4).toByteArray()).ok);
    QCOMPARE(readList(contact->findChild<QWidget *>(QStringLiteral("Liste_QSO_Contacte"))).size(), 5);
    QCOMPARE(count->text(), QStringLiteral("3"));

    // The saved listing is the log as it stands now, with the QSO committed since.
    QVERIFY(h.session->append(added).ok);
    h.messages.clear();
    QTest::mouseClick(contact->findChild<QPushButton *>(QStringLiteral("Enregistrer")), Qt::LeftButton);
    const QByteArray saved = zeltest::readBytes(h.path(QStringLiteral("TEST1_Liste_alaphanumerique_Abbayes_14_03_07.txt")));
    QVERIFY(saved.contains("    1   AB0001  F5XYZ      14/03/07 09:05 Abbazia nuova"));
    QVERIFY(saved.contains("\r\n    5   TO0007  IK0AAA "));
}

void TestReportWindows::save_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("confirmedOnly");
    QTest::addColumn<QString>("golden");
    QTest::newRow("contacted abbeys") << "Mnu_C_Contacte" << "Aff_Contacte" << false
                                      << QStringLiteral("TEST1_Liste_alaphanumerique_Abbayes_14_03_07.txt");
    QTest::newRow("award, contacted") << "Mnu_Abbayes_Contactees" << "Aff_Contacte_ZEL" << false
                                      << QStringLiteral("TEST1_Abbayes_contactees_au 14_03_07.txt");
    QTest::newRow("award, confirmed") << "Mnu_Abbayes_Contactees" << "Aff_Contacte_ZEL" << true
                                      << QStringLiteral("TEST1_Abbayes_confirmees_au 14_03_07.txt");
}

void TestReportWindows::save()
{
    QFETCH(QString, item);
    QFETCH(QString, name);
    QFETCH(bool, confirmedOnly);
    QFETCH(QString, golden);
    MainHarness h;
    QVERIFY(h.prepare(sampleLog()));
    QVERIFY(h.start());
    // Today is the local date: the UTC date is already the next day.
    h.clock.utc = QDateTime(QDate(2007, 3, 15), QTime(1, 0), Qt::UTC);
    h.clock.local = QDateTime(QDate(2007, 3, 14), QTime(23, 30));
    QWidget *w = open(h, item.toLatin1(), name.toLatin1());
    if (confirmedOnly)
        QTest::mouseClick(w->findChild<QRadioButton *>(QStringLiteral("Option1(2)")), Qt::LeftButton);
    h.messages.clear();
    QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("Enregistrer")), Qt::LeftButton);
    QCOMPARE(h.messages.notices, QStringList(QStringLiteral("Le log a été enregistré sous le nom : ") + golden));
    QCOMPARE(zeltest::readBytes(h.path(golden)),
             zeltest::goldenBytes(QStringLiteral(ZEL_FIXTURES "/reports/") + golden, Revision::text()));

    // Saved again the same day: the same file, overwritten.
    QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("Enregistrer")), Qt::LeftButton);
    QCOMPARE(QDir(h.dir.path()).entryList({QStringLiteral("*.txt")}).filter(QStringLiteral("TEST1_")).size(), 1);
}

void TestReportWindows::saveFails()
{
    MainHarness h;
    QVERIFY(h.prepare(sampleLog()));
    QVERIFY(h.start());
    const QString name = QStringLiteral("TEST1_Abbayes_contactees_au 14_03_07.txt");
    // Something the listing cannot replace stands under its name.
    QVERIFY(QDir(h.dir.path()).mkdir(name));
    QVERIFY(zeltest::writeBytes(h.path(name + QStringLiteral("/garder.txt")), "x"));
    QWidget *w = open(h, "Mnu_Abbayes_Contactees", "Aff_Contacte_ZEL");
    h.messages.clear();
    QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("Enregistrer")), Qt::LeftButton);
    QCOMPARE(h.messages.notices.size(), 1);
    QVERIFY2(h.messages.notices.first().startsWith(
                 QStringLiteral("La liste n'a pas pu être enregistrée sous le nom : ") + name),
             qPrintable(h.messages.notices.first()));
    QCOMPARE(zeltest::readBytes(h.path(name + QStringLiteral("/garder.txt"))), QByteArray("x"));
}

void TestReportWindows::unreadableLog()
{
    // A log that cannot be read is not saved or printed as an empty list.
    MainHarness h;
    QVERIFY(h.prepare({}));
    QFile::remove(h.logPath(QStringLiteral("TEST1")));
    QVERIFY(QDir(h.dir.path()).mkdir(QStringLiteral("TEST1_ZEL.log")));
    QVERIFY(h.start());
    QVERIFY(!h.session->loadError().isEmpty());
    QWidget *w = open(h, "Mnu_C_Contacte", "Aff_Contacte");
    h.messages.clear();
    QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("Enregistrer")), Qt::LeftButton);
    QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("Imprimer")), Qt::LeftButton);
    QCOMPARE(h.messages.notices.size(), 2);
    QVERIFY(h.messages.notices.at(0).startsWith(
        QStringLiteral("Le journal TEST1_ZEL.log ne peut pas être lu, la liste n'est pas enregistrée")));
    QVERIFY(h.messages.notices.at(1).startsWith(
        QStringLiteral("Le journal TEST1_ZEL.log ne peut pas être lu, la liste n'est pas imprimée")));
    QVERIFY(!QFile::exists(h.path(QStringLiteral("TEST1_Liste_alaphanumerique_Abbayes_14_03_07.txt"))));
}

void TestReportWindows::print_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("contacted abbeys") << "Mnu_C_Contacte" << "Aff_Contacte" << QStringList{
        QStringLiteral("TEST1 Liste alphanumerique des Abbayes contactés au 14/03/2007"),
        QStringLiteral("N° Ref Indicatif Date Heure Nom de L'Abbaye QSL"),
        QStringLiteral("1 AZ0001 F1ABC 02/01/08 08:00 Abbazia di San Clemente a Casauria *"),
        QStringLiteral("3 MR0005 DL1ABCDEFG 01/02/08 23:59 Abbazia di Santa Maria a piè di Chienti *"),
        QStringLiteral("4 TO0007 IK0AAA 02/01/08 10:00 Abbazia di Sant'Antimo *"),
        QStringLiteral("Liste établie avec KVR_ZEL Revision") + Revision::text(), QStringLiteral("Page 1 / 1")};
    QTest::newRow("award list") << "Mnu_Abbayes_Contactees" << "Aff_Contacte_ZEL" << QStringList{
        QStringLiteral("TEST1 Liste alphanumerique des Abbayes contactées au 14/03/2007"),
        QStringLiteral("N° Ref Nom de l'Abbaye Date Indicatif QSL"),
        QStringLiteral("2 AZ0001 Abbazia di San Clemente a Casauria 15/12/07 F1ABC"),
        QStringLiteral("3 MR0005 Abbazia di Santa Maria a piè di Chienti 01/02/08 DL1ABCDEFGHI *"),
        QStringLiteral("Liste établie avec KVR_ZEL Revision") + Revision::text(), QStringLiteral("Page 1 / 1")};
}

void TestReportWindows::print()
{
    QFETCH(QString, item);
    QFETCH(QString, name);
    QFETCH(QStringList, expected);
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is needed");
    MainHarness h;
    QVERIFY(h.prepare(sampleLog()));
    QVERIFY(h.start());
    QTemporaryDir out;
    const QString pdf = out.filePath(QStringLiteral("liste.pdf"));
    // The operator picks "print to a PDF file" in the printer dialog.
    h.printer.get().setOutputFormat(QPrinter::PdfFormat);
    h.printer.get().setOutputFileName(pdf);
    QWidget *w = open(h, item.toLatin1(), name.toLatin1());
    answerPrintDialog(true);
    QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("Imprimer")), Qt::LeftButton);
    QVERIFY(QFile::exists(pdf));
    const QString text = pdfText(pdf);
    for (const QString &line : expected)
        QVERIFY2(text.contains(line), qPrintable(line + QStringLiteral("\n  not in: ") + text));
    QVERIFY(h.messages.notices.isEmpty());
}

void TestReportWindows::printCancelled()
{
    MainHarness h;
    QVERIFY(h.prepare(sampleLog()));
    QVERIFY(h.start());
    QTemporaryDir out;
    const QString pdf = out.filePath(QStringLiteral("liste.pdf"));
    h.printer.get().setOutputFormat(QPrinter::PdfFormat);
    h.printer.get().setOutputFileName(pdf);
    QWidget *w = open(h, "Mnu_C_Contacte", "Aff_Contacte");
    answerPrintDialog(false);
    QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("Imprimer")), Qt::LeftButton);
    QVERIFY(!QFile::exists(pdf));
    QVERIFY(h.messages.notices.isEmpty());
}

void TestReportWindows::longPrintCancelled()
{
    // A long list shows its progress; Cancel there prints no page more.
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is needed");
    QList<QByteArray> log;
    for (int i = 0; i < 2000; ++i)
        log << zeltest::qso("F1ABC", "AZ" + QByteArray::number(1000 + i), "01/01/08", "10:00").line();
    MainHarness h;
    QVERIFY(h.prepare(log));
    QVERIFY(h.start());
    QTemporaryDir out;
    const QString pdf = out.filePath(QStringLiteral("liste.pdf"));
    h.printer.get().setOutputFormat(QPrinter::PdfFormat);
    h.printer.get().setOutputFileName(pdf);
    QWidget *w = open(h, "Mnu_Abbayes_Contactees", "Aff_Contacte_ZEL");
    answerPrintDialog(true);
    // The operator presses Annuler as soon as the progress is up.
    bool seen = false;
    auto *timer = new QTimer(w);
    timer->setInterval(0);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, &seen] {
        QProgressDialog *progress = nullptr;
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (top->objectName() == QLatin1String("Impression_En_Cours") && top->isVisible())
                progress = qobject_cast<QProgressDialog *>(top);
        }
        if (!progress)
            return;
        seen = true;
        timer->stop();
        auto *cancel = progress->findChild<QPushButton *>();
        QCOMPARE(cancel->text(), QStringLiteral("&Annuler"));
        QTest::mouseClick(cancel, Qt::LeftButton);
    });
    timer->start();
    QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("Imprimer")), Qt::LeftButton);
    QVERIFY(seen);
    QVERIFY(h.messages.notices.isEmpty());
    // What went out before Cancel stops well short of the end of the list.
    const QString text = pdfText(pdf);
    QVERIFY(!text.contains(QStringLiteral("AZ2999")));
    QVERIFY(!text.contains(QStringLiteral("Liste établie avec")));
}

QTEST_MAIN(TestReportWindows)
#include "tst_reportwindows.moc"
