// The region windows in another language than French: the regions' names as each
// language names them on the list, the map and the QSO list, "Toutes" chosen by
// its place whatever it reads, and the French as it was without translations.

#include "app/Harness.h"
#include "common/BracketTranslator.h"

#include "refdata/RegionTable.h"
#include "regions/MapLayout.h"
#include "regions/RegionNames.h"

#include <QAction>
#include <QListWidget>

using namespace zeltest;

namespace {

Qso on(const QByteArray &ref, const QByteArray &band)
{
    Qso q = qso("IK0AAA", ref, "05/01/07", "10:00");
    q.band = band;
    return q;
}

// Latium and Abruzzo on 14 Mhz, Sicily on 7.0, Veneto under its older code on 3.5.
QList<QByteArray> sampleLog()
{
    return {on("LZ0001", "14 Mhz").line(), on("AZ0001", "14 Mhz").line(), on("SC0001", "7.0 Mhz").line(),
            on("VN0001", "3.5 Mhz").line()};
}

QWidget *openWindow(MainHarness &h, const char *action, const char *window)
{
    QAction *a = h.window->findChild<QAction *>(QLatin1String(action));
    if (!a)
        return nullptr;
    a->trigger();
    QWidget *w = h.window->findChild<QWidget *>(QLatin1String(window));
    return w && QTest::qWaitForWindowExposed(w) ? w : nullptr;
}

QStringList lines(QWidget *regions)
{
    QStringList out;
    auto *list = regions->findChild<QListWidget *>(QStringLiteral("Regions"));
    for (int i = 0; list && i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

QString marked(const char *text) { return BracketTranslator::marked(QString::fromUtf8(text)); }

} // namespace

class TestRegionLanguage : public QObject
{
    Q_OBJECT
private slots:
    void everyNameOfTheTableIsTranslated();
    void frenchAsTheTableWritesIt();
    void regionsWindowTranslated();
    void mapTranslated();
};

void TestRegionLanguage::everyNameOfTheTableIsTranslated()
{
    // A name of the table missing from the translations would stay French in
    // every language.
    const QStringList known = RegionNames::known();
    for (int slot = 1; slot <= RegionTable::SlotCount; ++slot) {
        const QString label = RegionTable::activityLabel(slot);
        for (const QString &name : {RegionTable::listName(slot), RegionTable::mapName(slot),
                                    label.mid(label.indexOf(QStringLiteral(" : ")) + 3)})
            QVERIFY2(known.contains(name), qPrintable(name));
    }
    BracketTranslator translator;
    QCOMPARE(RegionNames::mapName(13), QStringLiteral("[Piemont]"));
    QCOMPARE(RegionNames::listLine(7), QStringLiteral("    [LZ Region [Latium]]"));
    QCOMPARE(RegionNames::activityLabel(20), QStringLiteral("[AE : [Val d'Aoste]]"));
    QCOMPARE(RegionNames::shown(QStringLiteral("Nowhere")), QStringLiteral("Nowhere"));
    QCOMPARE(RegionNames::listName(0), QString());
    QCOMPARE(RegionNames::listLine(0), QString());
    QCOMPARE(RegionNames::activityLabel(22), QString());
}

void TestRegionLanguage::frenchAsTheTableWritesIt()
{
    for (int slot = 1; slot <= RegionTable::SlotCount; ++slot) {
        QCOMPARE(RegionNames::listLine(slot), RegionTable::listLine(slot));
        QCOMPARE(RegionNames::mapName(slot), RegionTable::mapName(slot));
        QCOMPARE(RegionNames::activityLabel(slot), RegionTable::activityLabel(slot));
    }
    QCOMPARE(MapLayout::boxTexts().at(0), QStringLiteral("AZ : Abruzzes"));
}

void TestRegionLanguage::regionsWindowTranslated()
{
    MainHarness h;
    QVERIFY(h.prepare(sampleLog()));
    QVERIFY(h.start());
    BracketTranslator translator;
    QWidget *w = openWindow(h, "Mnu_Region_Contact", "Regions_Contacte");
    QVERIFY(w);
    auto *band = w->findChild<QComboBox *>(QStringLiteral("Bande_A"));
    // Every band, chosen as the first entry whatever it reads.
    QCOMPARE(band->currentText(), marked("Toutes"));
    QCOMPARE(band->itemText(1), QStringLiteral("1.8 Mhz")); // the log's labels stay as they are
    QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("Afficher")), Qt::LeftButton);
    QCOMPARE(lines(w), QStringList({QStringLiteral("    [AZ Region [Abruzzes]]"), QStringLiteral("    [LZ Region [Latium]]"),
                                    QStringLiteral("    [SC Region [Sicile]]"), QStringLiteral("    [VE Region [Venetie]]")}));

    // A line leads to its region's QSOs, on every band.
    auto *list = w->findChild<QListWidget *>(QStringLiteral("Regions"));
    list->setFocus();
    list->setCurrentRow(1);
    QTest::keyClick(list, Qt::Key_Return);
    QWidget *qsos = h.window->findChild<QWidget *>(QStringLiteral("QSO_Region"));
    QVERIFY(qsos);
    QCOMPARE(qsos->windowTitle(), QStringLiteral("[QSO de la région [Latium]]"));
    QCOMPARE(qsos->findChild<QLabel *>(QStringLiteral("Nb_QSO"))->text(), QStringLiteral("[1 QSO ([toutes bandes])]"));

    // A band typed or chosen by its label, and the first entry typed as it reads.
    band->setEditText(QStringLiteral("7.0 Mhz"));
    QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("Afficher")), Qt::LeftButton);
    QCOMPARE(lines(w), QStringList{QStringLiteral("    [SC Region [Sicile]]")});
    band->setEditText(marked("Toutes"));
    QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("Afficher")), Qt::LeftButton);
    QCOMPARE(lines(w).size(), 4);
}

void TestRegionLanguage::mapTranslated()
{
    MainHarness h;
    QVERIFY(h.prepare(sampleLog()));
    QVERIFY(h.start());
    BracketTranslator translator;
    QWidget *map = openWindow(h, "Mnu_Carte_HB", "Carte_Acti_ZEL");
    QVERIFY(map);
    auto *band = map->findChild<QComboBox *>(QStringLiteral("Bande_A"));
    band->setCurrentIndex(0);
    QTest::mouseClick(map->findChild<QPushButton *>(QStringLiteral("Afficher")), Qt::LeftButton);
    QCOMPARE(map->findChild<QLabel *>(QStringLiteral("NbReg"))->text(), QStringLiteral("4"));
    QCOMPARE(map->findChild<QLabel *>(QStringLiteral("LegendeBande"))->text(),
             QStringLiteral("[Régions sur : [Toutes]]"));
    // Each box shows the name as translated, measured for it: the text fits its box.
    for (int slot = 1; slot <= RegionTable::SlotCount; ++slot) {
        auto *box = map->findChild<QLabel *>(QStringLiteral("Dep(%1)").arg(slot));
        QCOMPARE(box->text(), RegionNames::activityLabel(slot));
        QVERIFY2(box->fontMetrics().horizontalAdvance(box->text()) <= box->contentsRect().width(),
                 qPrintable(box->text()));
    }
}

QTEST_MAIN(TestRegionLanguage)
#include "tst_regionlanguage.moc"
