// How a row of the QSO list is drawn: the selection, a hand-edited line's own
// background, and each column's text where its alignment puts it.

#include "app/ui/QsoListDelegate.h"

#include <QFontDatabase>
#include <QHeaderView>
#include <QStandardItemModel>
#include <QTableView>
#include <QtTest>

class TestQsoListDelegate : public QObject
{
    Q_OBJECT
private slots:
    void rowsAndTextLandWhereTheyBelong();
};

namespace {

// Pixels of the cell clearly darker than its background: the drawn text.
QList<int> inkColumns(const QImage &image, const QRect &cell, const QColor &background)
{
    QList<int> xs;
    for (int x = cell.left(); x <= cell.right(); ++x) {
        for (int y = cell.top(); y <= cell.bottom(); ++y) {
            if (qGray(image.pixel(x, y)) < qGray(background.rgb()) - 80) {
                xs.append(x);
                break;
            }
        }
    }
    return xs;
}

} // namespace

void TestQsoListDelegate::rowsAndTextLandWhereTheyBelong()
{
    QStandardItemModel model(3, 2);
    const QColor pink(0xFF, 0xD0, 0xD0);
    for (int r = 0; r < 3; ++r) {
        auto *number = new QStandardItem(QString::number(r + 1));
        number->setData(int(Qt::AlignRight | Qt::AlignVCenter), Qt::TextAlignmentRole);
        model.setItem(r, 0, number);
        model.setItem(r, 1, new QStandardItem(QStringLiteral("F6ABC")));
    }
    model.item(1, 0)->setBackground(pink);
    model.item(1, 1)->setBackground(pink);

    QTableView view;
    view.setModel(&model);
    view.setItemDelegate(new QsoListDelegate(&view));
    view.setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    view.setShowGrid(false);
    view.verticalHeader()->setVisible(false);
    view.setSelectionBehavior(QAbstractItemView::SelectRows);
    view.setColumnWidth(0, 120);
    view.setColumnWidth(1, 120);
    QPalette palette = view.palette();
    const QColor base(0xFF, 0xFF, 0xC0);
    palette.setColor(QPalette::Base, base);
    view.setPalette(palette);
    view.resize(300, 200);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.selectRow(2);

    const QImage image = view.viewport()->grab().toImage();
    auto cell = [&](int row, int column) { return view.visualRect(model.index(row, column)).adjusted(1, 1, -2, -2); };
    auto corner = [&](int row) { return QColor(image.pixel(cell(row, 1).right() - 1, cell(row, 1).top() + 1)); };

    QCOMPARE(corner(0), base);
    QCOMPARE(corner(1), pink);
    QCOMPARE(corner(2), view.palette().color(QPalette::Active, QPalette::Highlight));

    // The number sits against the right edge of its column, the callsign at the left of its own.
    for (int row : {0, 1}) {
        const QColor background = row == 1 ? pink : base;
        const QList<int> number = inkColumns(image, cell(row, 0), background);
        const QList<int> callsign = inkColumns(image, cell(row, 1), background);
        QVERIFY(!number.isEmpty() && !callsign.isEmpty());
        QVERIFY2(number.first() > cell(row, 0).center().x(), "number not right-aligned");
        QVERIFY2(cell(row, 0).right() - number.last() < 10, "number too far from the column's edge");
        QVERIFY2(callsign.first() - cell(row, 1).left() < 10, "callsign not at the column's left");
        QVERIFY2(callsign.last() < cell(row, 1).right() - 10, "callsign runs to the column's edge");
    }
    // The selected row's text is written in the selection's text colour, not the usual one.
    const QColor highlight = view.palette().color(QPalette::Active, QPalette::Highlight);
    const QColor highlighted = view.palette().color(QPalette::Active, QPalette::HighlightedText);
    bool lightInk = false;
    const QRect selected = cell(2, 1);
    for (int x = selected.left(); x <= selected.right() && !lightInk; ++x)
        for (int y = selected.top(); y <= selected.bottom() && !lightInk; ++y)
            lightInk = qGray(image.pixel(x, y)) > qGray(highlight.rgb()) + 60 && qGray(highlighted.rgb()) > 200;
    QVERIFY2(lightInk, "selected text not drawn in the selection's text colour");
}

QTEST_MAIN(TestQsoListDelegate)
#include "tst_qsolistdelegate.moc"
