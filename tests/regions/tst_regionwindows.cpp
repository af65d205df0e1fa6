// The regions window and the activity map over a real main window: what each
// shows at opening, what "Afficher" does in both, and what a tally leaves in a
// window that was not open yet.

#include "app/Harness.h"

#include "refdata/RegionTable.h"

#include <QAction>
#include <QListWidget>
#include <QScreen>

using namespace zeltest;

namespace {

const QColor Contacted(0x80, 0xFF, 0x80);

Qso on(const QByteArray &ref, const QByteArray &band, const QByteArray &mode = "SSB", bool qsl = false)
{
    Qso q = qso("IK0AAA", ref, "05/01/07", "10:00");
    q.band = band;
    q.mode = mode;
    q.qsl = qsl;
    return q;
}

// Latium and Abruzzo on 14 Mhz (Latium in CW), Sicily on 7.0, Veneto under its
// older code on 3.5, Piedmont in small letters on 3.5, and a code of no region.
QList<QByteArray> sampleLog()
{
    return {on("LZ0001", "14 Mhz", "CW", true).line(), on("AZ0001", "14 Mhz").line(),
            on("SC0001", "7.0 Mhz").line(), on("VN0001", "3.5 Mhz").line(),
            on("pm0001", "3.5 Mhz").line(), on("XX0001", "14 Mhz").line()};
}

struct Windows
{
    MainHarness &h;

    void trigger(const char *action) const
    {
        QAction *a = h.window->findChild<QAction *>(QLatin1String(action));
        QVERIFY(a);
        a->trigger();
    }
    QWidget *regions() const { return h.window->findChild<QWidget *>(QStringLiteral("Regions_Contacte")); }
    QWidget *map() const { return h.window->findChild<QWidget *>(QStringLiteral("Carte_Acti_ZEL")); }
    template <class T> T *in(QWidget *w, const char *name) const
    {
        return w ? w->findChild<T *>(QLatin1String(name)) : nullptr;
    }
    QStringList lines() const
    {
        QStringList out;
        auto *list = in<QListWidget>(regions(), "Regions");
        for (int i = 0; list && i < list->count(); ++i)
            out << list->item(i)->text();
        return out;
    }
    QLabel *box(int slot) const { return in<QLabel>(map(), qPrintable(QStringLiteral("Dep(%1)").arg(slot))); }
    QList<int> greenBoxes() const
    {
        QList<int> out;
        for (int s = 1; s <= RegionTable::SlotCount; ++s) {
            const QColor c = box(s)->palette().color(box(s)->backgroundRole());
            if (c == Contacted)
                out << s;
            else if (c != QApplication::palette().color(QPalette::Base))
                qWarning() << "box" << s << "has a colour of its own" << c;
        }
        return out;
    }
    QString count() const { return in<QLabel>(map(), "NbReg")->text(); }
    void afficher(QWidget *w, const QString &band, const QString &mode = QStringLiteral("SSB")) const
    {
        in<QComboBox>(w, "Bande_A")->setEditText(band);
        in<QComboBox>(w, "Mode_AX")->setEditText(mode);
        QTest::mouseClick(in<QPushButton>(w, "Afficher"), Qt::LeftButton);
    }
};

QStringList linesOf(const QList<int> &regions)
{
    QStringList out;
    for (int s : regions)
        out << RegionTable::listLine(s);
    out.sort();
    return out;
}

bool fitsTheScreen(QWidget *w)
{
    return w->screen()->availableGeometry().contains(w->frameGeometry());
}

} // namespace

class RegionWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void regionsWindowOpensEmpty();
    void regionsAfficher_data();
    void regionsAfficher();
    void secondAfficherReplacesTheFirst();
    void emptyBandAsksForOne();
    void mapOpensOnTheStoredBand_data();
    void mapOpensOnTheStoredBand();
    void mapAfficher();
    void mapOnAnEmptyLog();
    void regionsTallyRecoloursTheOpenMap();
    void tallyBeforeTheMapIsOpened();
    void tallyBeforeTheRegionsWindowIsOpened();
    void unopenedWindowForgetsAnOldLog();
    void openWindowsFollowTheLog();
};

void RegionWindowsTest::regionsWindowOpensEmpty()
{
    MainHarness h;
    QVERIFY(h.prepare(sampleLog()));
    QVERIFY(h.start());
    Windows w{h};
    w.trigger("Mnu_Region_Contact");
    QWidget *win = w.regions();
    QVERIFY(win);
    QVERIFY(QTest::qWaitForWindowExposed(win));
    QCOMPARE(win->windowTitle(), QStringLiteral("Regions contactées"));
    auto *band = w.in<QComboBox>(win, "Bande_A");
    auto *mode = w.in<QComboBox>(win, "Mode_AX");
    QCOMPARE(band->count(), 13);
    QCOMPARE(band->itemText(0), QStringLiteral("Toutes"));
    QCOMPARE(band->itemText(12), QStringLiteral("432 Mhz"));
    QCOMPARE(band->currentText(), QStringLiteral("Toutes"));
    QCOMPARE(mode->count(), 2);
    QCOMPARE(mode->currentText(), QStringLiteral("SSB"));
    QCOMPARE(mode->itemText(1), QStringLiteral("CW"));
    QVERIFY(w.lines().isEmpty());
    QVERIFY(fitsTheScreen(win));

    // Asked again: the same window, in front.
    w.trigger("Mnu_Region_Contact");
    QCOMPARE(h.window->findChildren<QWidget *>(QStringLiteral("Regions_Contacte")).size(), 1);
    QVERIFY(h.messages.shown.isEmpty());
}

void RegionWindowsTest::regionsAfficher_data()
{
    QTest::addColumn<QString>("band");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("Toutes") << "Toutes" << "SSB" << linesOf({1, 7, 13, 16, 19});
    QTest::newRow("Toutes in CW") << "Toutes" << "CW" << linesOf({1, 7, 13, 16, 19});
    QTest::newRow("14 Mhz") << "14 Mhz" << "SSB" << linesOf({1, 7});
    QTest::newRow("3.5 Mhz") << "3.5 Mhz" << "SSB" << linesOf({13, 19});
    QTest::newRow("no QSO there") << "432 Mhz" << "SSB" << QStringList();
    QTest::newRow("typed, no band") << "14" << "SSB" << QStringList();
}

void RegionWindowsTest::regionsAfficher()
{
    QFETCH(QString, band);
    QFETCH(QString, mode);
    QFETCH(QStringList, lines);

    MainHarness h;
    QVERIFY(h.prepare(sampleLog()));
    QVERIFY(h.start());
    Windows w{h};
    w.trigger("Mnu_Region_Contact");
    w.afficher(w.regions(), band, mode);
    QCOMPARE(w.lines(), lines);
    QVERIFY(h.messages.shown.isEmpty());
    if (band == QLatin1String("Toutes")) {
        QCOMPARE(w.lines().first(), QStringLiteral("    AZ Region Abruzzes"));
        QVERIFY(w.lines().contains(QStringLiteral("    VE Region Venetie")));
    }
}

void RegionWindowsTest::secondAfficherReplacesTheFirst()
{
    MainHarness h;
    QVERIFY(h.prepare({on("LZ0001", "14 Mhz").line(), on("AE0001", "14 Mhz").line(),
                       on("SC0001", "7.0 Mhz").line()}));
    QVERIFY(h.start());
    Windows w{h};
    w.trigger("Mnu_Region_Contact");
    w.afficher(w.regions(), QStringLiteral("14 Mhz"));
    QCOMPARE(w.lines(), QStringList({QStringLiteral("    AE Region Vallee d aoste"),
                                     QStringLiteral("    LZ Region Latium")}));
    // Enter in the band field does what "Afficher" does.
    auto *band = w.in<QComboBox>(w.regions(), "Bande_A");
    band->setEditText(QStringLiteral("7.0 Mhz"));
    QTest::keyClick(band->lineEdit(), Qt::Key_Return);
    QCOMPARE(w.lines(), QStringList{QStringLiteral("    SC Region Sicile")});
}

void RegionWindowsTest::emptyBandAsksForOne()
{
    MainHarness h;
    QVERIFY(h.prepare(sampleLog()));
    QVERIFY(h.start());
    Windows w{h};
    w.trigger("Mnu_Carte_HB");
    w.trigger("Mnu_Region_Contact");
    w.afficher(w.regions(), QStringLiteral("14 Mhz"));
    const QStringList before = w.lines();

    w.afficher(w.regions(), QString());
    QCOMPARE(h.messages.notices, QStringList{QStringLiteral("Selectionnez une bande")});
    QCOMPARE(w.lines(), before);

    h.messages.clear();
    w.afficher(w.map(), QString());
    QCOMPARE(h.messages.notices, QStringList{QStringLiteral("Selectionnez une bande")});
    QCOMPARE(w.greenBoxes(), QList<int>({1, 7}));
    QCOMPARE(w.count(), QStringLiteral("2"));
}

void RegionWindowsTest::mapOpensOnTheStoredBand_data()
{
    QTest::addColumn<QString>("storedBand"); // "<absent>": no key
    QTest::addColumn<QString>("storedMode");
    QTest::addColumn<QString>("band");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QList<int>>("green");

    QTest::newRow("14 Mhz in CW") << "4" << "1" << "14 Mhz" << "CW" << QList<int>{1, 7};
    QTest::newRow("nothing stored") << "<absent>" << "<absent>" << "1.8 Mhz" << "SSB" << QList<int>{};
    QTest::newRow("last band") << "11" << "0" << "432 Mhz" << "SSB" << QList<int>{};
    QTest::newRow("7.0 Mhz") << "2" << "0" << "7.0 Mhz" << "SSB" << QList<int>{16};
    // FM has no entry here; a band typed by hand or out of the list shows every band.
    QTest::newRow("FM, band typed") << "-1" << "2" << "Toutes" << "SSB" << QList<int>{1, 7, 13, 16, 19};
    QTest::newRow("out of the list") << "12" << "7" << "Toutes" << "SSB" << QList<int>{1, 7, 13, 16, 19};
    QTest::newRow("not numbers") << "x" << "y" << "1.8 Mhz" << "SSB" << QList<int>{};
}

void RegionWindowsTest::mapOpensOnTheStoredBand()
{
    QFETCH(QString, storedBand);
    QFETCH(QString, storedMode);
    QFETCH(QString, band);
    QFETCH(QString, mode);
    QFETCH(QList<int>, green);

    MainHarness h;
    QVERIFY(h.prepare(sampleLog()));
    {
        QSettings ini(h.iniPath(), QSettings::IniFormat);
        const QString section = Settings::stationSection(QStringLiteral("TEST1")) + QLatin1Char('/');
        for (const auto &[key, value] :
             {std::pair{Settings::KeyBand, storedBand}, std::pair{Settings::KeyMode, storedMode}}) {
            if (value == QLatin1String("<absent>"))
                ini.remove(section + key);
            else
                ini.setValue(section + key, value);
        }
    }
    h.settings = std::make_unique<Settings>(h.iniPath());
    QVERIFY(h.start());

    Windows w{h};
    w.trigger("Mnu_Carte_HB");
    QWidget *map = w.map();
    QVERIFY(map);
    QVERIFY(QTest::qWaitForWindowExposed(map));
    QCOMPARE(map->windowTitle(), QStringLiteral("Carte des Regions contactées"));
    QCOMPARE(w.in<QComboBox>(map, "Bande_A")->currentText(), band);
    QCOMPARE(w.in<QComboBox>(map, "Mode_AX")->currentText(), mode);
    QCOMPARE(w.in<QComboBox>(map, "Bande_A")->count(), 13);
    QCOMPARE(w.in<QComboBox>(map, "Mode_AX")->count(), 2);
    QCOMPARE(w.greenBoxes(), green);
    QCOMPARE(w.count(), QString::number(green.size()));
    QCOMPARE(w.in<QLabel>(map, "Label1")->text(), QStringLiteral("sur 21 Régions"));
    QVERIFY(fitsTheScreen(map));
}

void RegionWindowsTest::mapAfficher()
{
    MainHarness h;
    QVERIFY(h.prepare(sampleLog()));
    QVERIFY(h.start());
    Windows w{h};
    w.trigger("Mnu_Carte_HB");
    QWidget *map = w.map();
    for (int s = 1; s <= RegionTable::SlotCount; ++s) {
        QCOMPARE(w.box(s)->text(), RegionTable::activityLabel(s));
        QVERIFY(w.box(s)->isVisible());
        QVERIFY(w.box(s)->font().bold());
    }
    QCOMPARE(w.box(19)->text(), QStringLiteral("VE : Vénétie"));

    w.afficher(map, QStringLiteral("Toutes"), QStringLiteral("CW"));
    QCOMPARE(w.greenBoxes(), QList<int>({1, 7, 13, 16, 19}));
    QCOMPARE(w.count(), QStringLiteral("5"));
    // The regions window, refilled by the same tally, lists as many lines.
    w.trigger("Mnu_Region_Contact");
    QCOMPARE(w.lines().size(), 5);

    w.afficher(map, QStringLiteral("3.5 Mhz"));
    QCOMPARE(w.greenBoxes(), QList<int>({13, 19}));
    QCOMPARE(w.count(), QStringLiteral("2"));
    w.afficher(map, QStringLiteral("14 MHZ"));
    QCOMPARE(w.greenBoxes(), QList<int>{});
    QCOMPARE(w.count(), QStringLiteral("0"));
    QVERIFY(h.messages.shown.isEmpty());
}

void RegionWindowsTest::mapOnAnEmptyLog()
{
    MainHarness h;
    QVERIFY(h.prepare({}));
    QVERIFY(h.start());
    Windows w{h};
    w.trigger("Mnu_Carte_HB");
    QCOMPARE(w.greenBoxes(), QList<int>{});
    QCOMPARE(w.count(), QStringLiteral("0"));
    w.afficher(w.map(), QStringLiteral("Toutes"));
    QCOMPARE(w.greenBoxes(), QList<int>{});
    QCOMPARE(w.count(), QStringLiteral("0"));
}

void RegionWindowsTest::regionsTallyRecoloursTheOpenMap()
{
    MainHarness h;
    QVERIFY(h.prepare(sampleLog()));
    QVERIFY(h.start());
    Windows w{h};
    w.trigger("Mnu_Carte_HB"); // stored 14 Mhz
    QCOMPARE(w.count(), QStringLiteral("2"));
    w.trigger("Mnu_Region_Contact");
    w.afficher(w.regions(), QStringLiteral("7.0 Mhz"));

    QCOMPARE(w.greenBoxes(), QList<int>{16});
    // The map's count and selectors are its own.
    QCOMPARE(w.count(), QStringLiteral("2"));
    QCOMPARE(w.in<QComboBox>(w.map(), "Bande_A")->currentText(), QStringLiteral("14 Mhz"));

    // And the other way round.
    w.afficher(w.map(), QStringLiteral("3.5 Mhz"));
    QCOMPARE(w.lines(), linesOf({13, 19}));
    QCOMPARE(w.in<QComboBox>(w.regions(), "Bande_A")->currentText(), QStringLiteral("7.0 Mhz"));
}

void RegionWindowsTest::tallyBeforeTheMapIsOpened()
{
    MainHarness h;
    QVERIFY(h.prepare(sampleLog()));
    QVERIFY(h.start());
    Windows w{h};
    w.trigger("Mnu_Region_Contact");
    w.afficher(w.regions(), QStringLiteral("7.0 Mhz"));
    QCOMPARE(w.lines(), linesOf({16}));
    // The map was set up for the tally, not shown.
    QVERIFY(w.map());
    QVERIFY(!w.map()->isVisible());

    w.trigger("Mnu_Carte_HB");
    QVERIFY(w.map()->isVisible());
    QCOMPARE(h.window->findChildren<QWidget *>(QStringLiteral("Carte_Acti_ZEL")).size(), 1);
    // Boxes from the last tally; the count, band and mode from its own start-up.
    QCOMPARE(w.greenBoxes(), QList<int>{16});
    QCOMPARE(w.count(), QStringLiteral("2"));
    QCOMPARE(w.in<QComboBox>(w.map(), "Bande_A")->currentText(), QStringLiteral("14 Mhz"));
    QCOMPARE(w.lines(), linesOf({16}));
    QVERIFY(fitsTheScreen(w.map()));
}

void RegionWindowsTest::tallyBeforeTheRegionsWindowIsOpened()
{
    MainHarness h;
    QVERIFY(h.prepare(sampleLog()));
    QVERIFY(h.start());
    Windows w{h};
    w.trigger("Mnu_Carte_HB");
    QVERIFY(w.regions());
    QVERIFY(!w.regions()->isVisible());
    w.trigger("Mnu_Region_Contact");
    QVERIFY(w.regions()->isVisible());
    QCOMPARE(w.lines(), linesOf({1, 7}));
    QCOMPARE(w.in<QComboBox>(w.regions(), "Bande_A")->currentText(), QStringLiteral("Toutes"));
    QCOMPARE(w.in<QComboBox>(w.regions(), "Mode_AX")->currentText(), QStringLiteral("SSB"));
}

void RegionWindowsTest::unopenedWindowForgetsAnOldLog()
{
    MainHarness h;
    QVERIFY(h.prepare({on("LZ0001", "14 Mhz").line()}));
    QVERIFY(h.start());
    Windows w{h};
    w.trigger("Mnu_Region_Contact");
    w.afficher(w.regions(), QStringLiteral("Toutes"));
    QVERIFY(h.session->append(on("AZ0001", "14 Mhz").line()).ok);
    // The map set up for that tally belonged to the log before the new QSO.
    QTRY_VERIFY(!w.map());
    w.trigger("Mnu_Carte_HB");
    QCOMPARE(w.greenBoxes(), QList<int>({1, 7}));
    QCOMPARE(w.count(), QStringLiteral("2"));
    // Its start-up tally went to the open regions window as well.
    QCOMPARE(w.lines(), linesOf({1, 7}));
}

void RegionWindowsTest::openWindowsFollowTheLog()
{
    MainHarness h;
    QVERIFY(h.prepare(sampleLog()));
    QVERIFY(h.start());
    Windows w{h};
    w.trigger("Mnu_Carte_HB");
    w.trigger("Mnu_Region_Contact");
    w.afficher(w.regions(), QStringLiteral("7.0 Mhz"));
    // The map's tally fills the regions list too (Piemont and Veneto).
    w.afficher(w.map(), QStringLiteral("3.5 Mhz"));
    QCOMPARE(w.lines(), linesOf({13, 19}));
    // A band chosen in the map but not shown is not its last tally.
    w.in<QComboBox>(w.map(), "Bande_A")->setEditText(QStringLiteral("14 Mhz"));

    // A QSO on 7.0 Mhz in Molise and one on 3.5 Mhz in Liguria.
    QVERIFY(h.session->append(on("ML0001", "7.0 Mhz").line()).ok);
    QVERIFY(h.session->append(on("LG0001", "3.5 Mhz").line()).ok);
    // Each window runs its own last tally again, and only it shows the answer.
    QCOMPARE(w.lines(), linesOf({16, 11}));
    QCOMPARE(w.greenBoxes(), QList<int>({8, 13, 19}));
    QCOMPARE(w.count(), QStringLiteral("3"));

    // A deleted QSO leaves the tallies too.
    QVERIFY(h.session->remove(on("LG0001", "3.5 Mhz").line()).ok);
    QCOMPARE(w.greenBoxes(), QList<int>({13, 19}));
    QCOMPARE(w.count(), QStringLiteral("2"));
    QCOMPARE(w.lines(), linesOf({16, 11}));
    QVERIFY(h.messages.shown.isEmpty());
}

QTEST_MAIN(RegionWindowsTest)
#include "tst_regionwindows.moc"
