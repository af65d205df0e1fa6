// Every window of the program opened from the main window's menus, in French, then in
// Italian and in English: no visible text left in French (but for proper names and
// words both languages share), no label, button or column title narrower than its
// text, no Alt letter given twice in a window or a menu, every window within 1024x768.

#include "app/Harness.h"
#include "kit/Language.h"
#include "import/ui/ImportWindows.h"
#include "refdata/ui/AbbeyListWindows.h"

#include <QAbstractButton>
#include <QDialog>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStyle>
#include <QTabBar>
#include <QTextDocument>
#include <QTimer>

using namespace zeltest;

namespace {

// Texts that are the same in French and in the other language: names of the program,
// of the award and of services, amateur-radio words every language uses, and the
// example data the windows show.
const QStringList SameEverywhere = {
    QStringLiteral("KVR_ZEL"), QStringLiteral("ZEL"), QStringLiteral("Log"),
    QStringLiteral("Locator"), QStringLiteral("Cluster"), QStringLiteral("Spots"),
    QStringLiteral("Mode"), QStringLiteral("Modo"), QStringLiteral("Note"),
    QStringLiteral("Date"), QStringLiteral("Station"), QStringLiteral("Latitude"),
    QStringLiteral("Longitude"), QStringLiteral("Radio"), QStringLiteral("Total"),
    QStringLiteral("Nom"), QStringLiteral("Score"), QStringLiteral("Scores"),
    QStringLiteral("Molise"), QStringLiteral("Liguria"), QStringLiteral("Lazio"),
    QStringLiteral("Abbazia"), QStringLiteral("Version"), QStringLiteral("Port"),
    QStringLiteral("Login"), QStringLiteral("Report"), QStringLiteral("Region"),
    QStringLiteral("Reference"),
};

QString plain(QString text)
{
    if (Qt::mightBeRichText(text)) {
        QTextDocument doc;
        doc.setHtml(text);
        text = doc.toPlainText();
    }
    return text.simplified();
}

// A text made of words (a run of three small letters), not data such as a callsign,
// a count, a band or a date.
bool isWords(const QString &text)
{
    static const QRegularExpression word(QStringLiteral("\\p{Ll}{3,}"));
    QString t = text;
    t.remove(QLatin1Char('&'));
    return word.match(t).hasMatch();
}

bool sharedWord(const QString &text)
{
    QString t = text;
    t.remove(QLatin1Char('&'));
    t = t.trimmed();
    if (SameEverywhere.contains(t))
        return true;
    // Each language is offered under its own name, whatever the interface's.
    for (const QString &code : Language::codes())
        if (t == Language::nativeName(code))
            return true;
    // Names of the abbeys and of people in the example lists, file and folder names.
    static const QRegularExpression proper(
        QStringLiteral("^(Abbazia|Badia|Monastero|Sacra|Certosa|Eremo)\\b|^\\S*([/\\\\]\\S*|\\.(txt|log|adi|adif|png|pdf|html))$"),
        QRegularExpression::CaseInsensitiveOption);
    return proper.match(t).hasMatch();
}

QChar mnemonic(const QString &text)
{
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('&'))
            continue;
        if (text.at(i + 1) == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return text.at(i + 1).toLower();
    }
    return {};
}

// Where a widget is in its window, the same in every language.
QString pathOf(const QWidget *w)
{
    QStringList parts;
    for (const QWidget *at = w; at; at = at->isWindow() ? nullptr : at->parentWidget()) {
        QString part = at->objectName();
        if (part.isEmpty()) {
            part = QString::fromLatin1(at->metaObject()->className());
            if (const QWidget *parent = at->isWindow() ? nullptr : at->parentWidget()) {
                int index = 0;
                for (const QObject *sibling : parent->children()) {
                    if (sibling == at)
                        break;
                    if (sibling->metaObject() == at->metaObject())
                        ++index;
                }
                part += QLatin1Char('#') + QString::number(index);
            }
        }
        parts.prepend(part);
    }
    return parts.join(QLatin1Char('/'));
}

struct Window
{
    QString name;                 // what opened it, then its class
    QMap<QString, QString> texts; // path:what -> text
    QStringList faults;           // cut texts, doubled Alt letters, too large
};

bool qtOwnDialog(const QWidget *w)
{
    return qobject_cast<const QFileDialog *>(w) || w->inherits("QPrintDialog")
        || w->inherits("QPageSetupDialog");
}

// Reads one open window: its texts, and what is wrong with them as shown.
void read(QWidget *top, Window &out)
{
    out.texts.insert(pathOf(top) + QStringLiteral(":title"), top->windowTitle());
    if (top->width() > 1024 || top->height() > 768 || top->minimumSizeHint().width() > 1024
        || top->minimumSizeHint().height() > 768)
        out.faults << QStringLiteral("larger than 1024x768: %1x%2").arg(top->width()).arg(top->height());
    if (qtOwnDialog(top))
        return;

    QMap<QChar, QString> letters;
    auto letter = [&](const QWidget *w, const QString &text) {
        const QChar c = mnemonic(text);
        if (c.isNull() || !w->isVisibleTo(top))
            return;
        if (letters.contains(c))
            out.faults << QStringLiteral("Alt+%1 twice: \"%2\" and \"%3\"").arg(c, letters.value(c), text);
        else
            letters.insert(c, text);
    };

    QList<QWidget *> widgets = top->findChildren<QWidget *>();
    widgets.prepend(top);
    for (QWidget *w : widgets) {
        if (!w->isVisibleTo(top) || w->window() != top)
            continue;
        const QString at = pathOf(w);
        if (!w->accessibleName().isEmpty())
            out.texts.insert(at + QStringLiteral(":name"), w->accessibleName());
        if (!w->accessibleDescription().isEmpty())
            out.texts.insert(at + QStringLiteral(":description"), w->accessibleDescription());
        if (!w->toolTip().isEmpty())
            out.texts.insert(at + QStringLiteral(":tip"), w->toolTip());
        if (auto *label = qobject_cast<QLabel *>(w)) {
            if (label->text().isEmpty())
                continue;
            out.texts.insert(at + QStringLiteral(":text"), label->text());
            if (label->buddy())
                letter(label, label->text());
            if (!label->wordWrap() && label->pixmap().isNull()
                && label->width() < label->sizeHint().width())
                out.faults << QStringLiteral("label cut (%1 < %2): \"%3\"")
                                  .arg(label->width()).arg(label->sizeHint().width()).arg(plain(label->text()));
        } else if (auto *button = qobject_cast<QAbstractButton *>(w)) {
            if (button->text().isEmpty())
                continue;
            out.texts.insert(at + QStringLiteral(":text"), button->text());
            letter(button, button->text());
            if (button->width() < button->sizeHint().width())
                out.faults << QStringLiteral("button cut (%1 < %2): \"%3\"")
                                  .arg(button->width()).arg(button->sizeHint().width()).arg(button->text());
        } else if (auto *box = qobject_cast<QGroupBox *>(w)) {
            out.texts.insert(at + QStringLiteral(":title"), box->title());
            letter(box, box->title());
        } else if (auto *tabs = qobject_cast<QTabBar *>(w)) {
            for (int i = 0; i < tabs->count(); ++i) {
                out.texts.insert(at + QStringLiteral(":tab%1").arg(i), tabs->tabText(i));
                letter(tabs, tabs->tabText(i));
            }
        } else if (auto *header = qobject_cast<QHeaderView *>(w)) {
            if (!header->model() || header->orientation() != Qt::Horizontal)
                continue;
            const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
            for (int i = 0; i < header->count(); ++i) {
                const QString text = header->model()->headerData(i, Qt::Horizontal).toString();
                if (text.isEmpty() || header->isSectionHidden(i))
                    continue;
                out.texts.insert(at + QStringLiteral(":column%1").arg(i), text);
                const bool last = i == header->count() - 1 && header->stretchLastSection();
                const int needed = header->fontMetrics().horizontalAdvance(text) + 2 * margin;
                if (!last && header->sectionSize(i) < needed)
                    out.faults << QStringLiteral("column title cut (%1 < %2): \"%3\"")
                                      .arg(header->sectionSize(i)).arg(needed).arg(text);
            }
        }
    }
}

// The menus of a menu bar: titles and items, each Alt letter once per menu.
void readMenus(QMenuBar *bar, Window &out)
{
    QMap<QChar, QString> titles;
    std::function<void(QMenu *)> readMenu = [&](QMenu *menu) {
        QMap<QChar, QString> items;
        for (QAction *a : menu->actions()) {
            if (a->isSeparator() || !a->isVisible())
                continue;
            out.texts.insert(menu->objectName() + QLatin1Char('/') + a->objectName() + QLatin1Char('#')
                                 + QString::number(menu->actions().indexOf(a)),
                             a->text());
            const QChar c = mnemonic(a->text());
            if (!c.isNull()) {
                if (items.contains(c))
                    out.faults << QStringLiteral("Alt+%1 twice in a menu: \"%2\" and \"%3\"")
                                      .arg(c, items.value(c), a->text());
                items.insert(c, a->text());
            }
            if (a->menu())
                readMenu(a->menu());
        }
    };
    for (QAction *a : bar->actions()) {
        if (!a->isVisible())
            continue;
        out.texts.insert(QStringLiteral("menubar/") + a->objectName(), a->text());
        const QChar c = mnemonic(a->text());
        if (!c.isNull()) {
            if (titles.contains(c))
                out.faults << QStringLiteral("Alt+%1 twice in the menu bar: \"%2\" and \"%3\"")
                                  .arg(c, titles.value(c), a->text());
            titles.insert(c, a->text());
        }
        if (a->menu())
            readMenu(a->menu());
    }
}

// Items that leave the program or hand over to another one.
bool opensNothingToRead(const QAction *a)
{
    static const QStringList skipped = {QStringLiteral("Mnu_Quitter"), QStringLiteral("Mnu_Dossier")};
    return skipped.contains(a->objectName()) || a->menu() || a->isSeparator()
        || a->objectName().startsWith(QLatin1String("Mnu_Langue"));
}

// The program in one language: the main window, then every window its menus open,
// and the message boxes on the way.
QList<Window> tour(const QString &code)
{
    Language::install(code);
    QList<Window> seen;
    MainHarness h;
    if (!h.prepare({qso("F1ABC", "AZ0001", "12/03/07", "10:15").line(), qso("IK0AAA", "LZ0001", "13/03/07", "11:20").line()}) || !h.start()) {
        qWarning("the main window did not start");
        return seen;
    }
    h.window->resize(1024, 740);
    QTest::qWait(50);

    Window main{QStringLiteral("main window"), {}, {}};
    read(h.window.get(), main);
    readMenus(h.window->menuBar(), main);
    seen << main;

    // Modal windows (a file dialog, a question) are read, then closed, while they are up.
    QTimer closer;
    closer.setInterval(30);
    QString opener;
    // The import and the list update are given a file to open, so that their windows
    // are read too.
    const QString adif = h.path(QStringLiteral("contacts.adi"));
    writeBytes(adif, "<EOH>\n<CALL:5>I1XYZ <QSO_DATE:8>20070315 <TIME_ON:4>0930 <BAND:3>20m "
                     "<MODE:3>SSB <SIG_INFO:6>TO0007 <EOR>\n");
    const QString newList = h.path(QStringLiteral("nouvelle_liste.txt"));
    writeBytes(newList, abbeyList() + crlf({abbeyLine("LZ0002", "Abbazia di Casamari", "JN61")}));
    QObject::connect(&closer, &QTimer::timeout, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        // A progress window comes and goes with the machine's speed: not read.
        if (!modal || modal->property("zelRead").toBool() || modal->inherits("QProgressDialog"))
            return;
        modal->setProperty("zelRead", true);
        Window w{opener + QStringLiteral(" > ") + QString::fromLatin1(modal->metaObject()->className()), {}, {}};
        read(modal, w);
        seen << w;
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->reject();
        else
            modal->close();
    });
    // The import and the list update open their own file dialog, which is read and
    // closed like any other, then go on with the file prepared for them.
    h.window->findChild<ImportController *>(QStringLiteral("Import_ADIF"))
        ->setFileChooser([adif](QWidget *parent, const QString &folder) {
            ImportController::chooseWithDialog(parent, folder);
            return adif;
        });
    h.window->findChild<AbbeyListController *>(QStringLiteral("Maj_Liste_Abbayes"))
        ->setFileChooser([newList](QWidget *parent, const QString &folder) {
            AbbeyListController::chooseWithDialog(parent, folder);
            return newList;
        });
    closer.start();

    QList<QAction *> items;
    const auto menus = h.window->menuBar()->findChildren<QMenu *>();
    for (QMenu *menu : menus)
        for (QAction *a : menu->actions())
            if (!opensNothingToRead(a) && a->isEnabled())
                items << a;
    // The entry row's buttons that open a window, after the menu items.
    for (QPushButton *button : {h.button("Recherche"), h.button("QSL")}) {
        auto *a = new QAction(button);
        a->setObjectName(button->objectName());
        QObject::connect(a, &QAction::triggered, button, &QPushButton::click);
        items << a;
    }
    for (QAction *a : items) {
        QList<QWidget *> shown;
        for (QWidget *top : QApplication::topLevelWidgets())
            if (top->isVisible())
                shown << top;
        h.messages.clear();
        opener = a->objectName();
        a->trigger();
        QTest::qWait(150);
        // The import and the list update read their file in the background before
        // their window opens: it is waited for.
        const QString awaited = opener == QLatin1String("Mnu_Import_ADIF") ? QStringLiteral("ImportWindow")
            : opener == QLatin1String("Mnu_Maj_Abbayes")                   ? QStringLiteral("AbbeyListWindow")
                                                                           : QString();
        const auto arrived = [&] {
            for (const Window &w : seen)
                if (w.name == opener + QStringLiteral(" > ") + awaited)
                    return true;
            for (QWidget *top : QApplication::topLevelWidgets())
                if (top->isVisible() && top->inherits(awaited.toLatin1().constData()))
                    return true;
            return false;
        };
        for (int waited = 0; !awaited.isEmpty() && !arrived() && waited < 10000; waited += 20)
            QTest::qWait(20);
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (shown.contains(top) || !top->isVisible() || top->property("zelRead").toBool()
                || top->inherits("QProgressDialog"))
                continue;
            Window w{opener + QStringLiteral(" > ") + QString::fromLatin1(top->metaObject()->className()), {}, {}};
            read(top, w);
            seen << w;
            top->close();
        }
        for (int i = 0; i < h.messages.shown.size(); ++i) {
            Window w{opener + QStringLiteral(" > message"), {}, {}};
            w.texts.insert(QStringLiteral("message%1").arg(i), h.messages.shown.at(i));
            seen << w;
        }
    }
    closer.stop();
    return seen;
}

QString byName(const QList<Window> &windows, const QString &name, const QString &key)
{
    for (const Window &w : windows)
        if (w.name == name)
            return w.texts.value(key);
    return {};
}

} // namespace

class TstWindowLanguages : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        french = tour(QStringLiteral("fr"));
        for (const Window &w : french)
            qInfo("window: %s (%d texts)", qPrintable(w.name), int(w.texts.size()));
        QVERIFY(french.size() > 10);
    }

    // French windows as the operator knows them: nothing cut, no Alt letter twice.
    void frenchAsWritten()
    {
        QStringList faults;
        for (const Window &w : french)
            for (const QString &f : w.faults)
                faults << w.name + QStringLiteral(": ") + f;
        for (const QString &f : faults)
            qInfo("%s", qPrintable(f));
        QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("%1 fault(s), listed above").arg(faults.size())));
    }

    void otherLanguage_data()
    {
        QTest::addColumn<QString>("code");
        QTest::newRow("Italiano") << "it";
        QTest::newRow("English") << "en";
    }

    void otherLanguage()
    {
        QFETCH(QString, code);
        const QList<Window> windows = tour(code);
        QStringList frenchNames, names;
        for (const Window &w : french)
            frenchNames << w.name;
        for (const Window &w : windows)
            names << w.name;
        for (const QString &name : frenchNames)
            if (!names.contains(name))
                qInfo("window not reached: %s", qPrintable(name));
        for (const QString &name : names)
            if (!frenchNames.contains(name))
                qInfo("window not met in French: %s", qPrintable(name));
        QCOMPARE(names, frenchNames);
        QStringList faults;
        for (const Window &w : windows) {
            for (const QString &f : w.faults)
                faults << w.name + QStringLiteral(": ") + f;
            for (auto it = w.texts.cbegin(); it != w.texts.cend(); ++it) {
                const QString was = byName(french, w.name, it.key());
                if (it.value() == was && isWords(was) && !sharedWord(was))
                    faults << w.name + QStringLiteral(": still French: \"") + plain(was).left(80)
                                  + QStringLiteral("\" (") + it.key() + QLatin1Char(')');
            }
        }
        Language::install(QStringLiteral("fr"));
        // One line each: a test message is cut after a few lines.
        for (const QString &f : faults)
            qInfo("%s", qPrintable(f));
        QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("%1 fault(s), listed above").arg(faults.size())));
    }

private:
    QList<Window> french;
};

QTEST_MAIN(TstWindowLanguages)
#include "tst_windowlanguages.moc"
