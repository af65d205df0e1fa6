// The QSO table repaints what a new row changes, and nothing it does not: rows
// added below the view, inside it, above it, rows removed, through a sorting proxy.
#include "kit/ui/QsoTableView.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QScrollBar>
#include <QSet>
#include <QSortFilterProxyModel>
#include <QStyledItemDelegate>
#include <QtTest>

namespace {

class Rows : public QAbstractTableModel
{
public:
    explicit Rows(int n)
    {
        for (int i = 0; i < n; ++i)
            m_names << QStringLiteral("Q%1").arg(i, 6, 10, QLatin1Char('0'));
    }
    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : int(m_names.size()); }
    int columnCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : 2; }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role != Qt::DisplayRole || !index.isValid())
            return {};
        return index.column() == 0 ? m_names.at(index.row()) : QStringLiteral("59");
    }
    void insertAt(int row, const QString &name)
    {
        beginInsertRows({}, row, row);
        m_names.insert(row, name);
        endInsertRows();
    }
    void resetTo(const QStringList &names)
    {
        beginResetModel();
        m_names = names;
        endResetModel();
    }
    void removeAt(int row)
    {
        beginRemoveRows({}, row, row);
        m_names.removeAt(row);
        endRemoveRows();
    }

private:
    QStringList m_names;
};

// Remembers which rows were painted since the last look.
class Painted : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *p, const QStyleOptionViewItem &o, const QModelIndex &index) const override
    {
        rows.insert(index.data().toString());
        QStyledItemDelegate::paint(p, o, index);
    }
    mutable QSet<QString> rows;
};

struct Table {
    Rows model;
    QsoTableView view;
    Painted *painted;

    explicit Table(int n, QAbstractItemModel *shown = nullptr) : model(n)
    {
        setUpQsoTable(&view, shown ? shown : &model, {10, 0});
        painted = new Painted(&view);
        view.setItemDelegate(painted);
        view.resize(400, 300);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        settle();
    }
    void settle()
    {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::sendPostedEvents();
            QCoreApplication::processEvents();
        }
        painted->rows.clear();
    }
    // What the view shows, top to bottom, as it would paint it now.
    QStringList shown() const
    {
        QStringList out;
        for (int y = 1; y < view.viewport()->height(); y += view.verticalHeader()->defaultSectionSize()) {
            const QModelIndex at = view.indexAt(QPoint(5, y));
            if (at.isValid())
                out << at.data().toString();
        }
        return out;
    }
    QSet<QString> repaintAfter(const std::function<void()> &change)
    {
        change();
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::sendPostedEvents();
            QCoreApplication::processEvents();
        }
        return std::exchange(painted->rows, {});
    }
};

} // namespace

class TstQsoTableView : public QObject
{
    Q_OBJECT
private slots:
    void rowAddedBelowTheViewRepaintsNoRow()
    {
        Table t(5000);
        const QStringList before = t.shown();
        const int maximum = t.view.verticalScrollBar()->maximum();
        QVERIFY(before.size() > 5);
        QVERIFY(t.repaintAfter([&] { t.model.insertAt(5000, QStringLiteral("NEW")); }).isEmpty());
        QCOMPARE(t.shown(), before);
        // The scroll bar knows the new row, and scrolling to it shows it.
        QCOMPARE(t.view.verticalScrollBar()->maximum(), maximum + 1);
        // As a view laid out afresh on the same rows has it.
        QsoTableView fresh;
        setUpQsoTable(&fresh, &t.model, {10, 0});
        fresh.resize(t.view.size());
        fresh.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fresh));
        QCOMPARE(fresh.verticalScrollBar()->maximum(), t.view.verticalScrollBar()->maximum());
        QCOMPARE(fresh.verticalScrollBar()->pageStep(), t.view.verticalScrollBar()->pageStep());
        const QSet<QString> drawn = t.repaintAfter([&] { t.view.scrollToBottom(); });
        QVERIFY(drawn.contains(QStringLiteral("NEW")));
        QCOMPARE(t.shown().last(), QStringLiteral("NEW"));
    }

    void rowAddedInsideTheViewRepaintsFromThereDown()
    {
        Table t(5000);
        t.view.scrollTo(t.model.index(2000, 0), QAbstractItemView::PositionAtTop);
        t.settle();
        const QStringList before = t.shown();
        QCOMPARE(before.first(), QStringLiteral("Q002000"));
        const QSet<QString> drawn = t.repaintAfter([&] { t.model.insertAt(2003, QStringLiteral("NEW")); });
        const QStringList after = t.shown();
        QCOMPARE(after.mid(0, 3), before.mid(0, 3));
        QCOMPARE(after.at(3), QStringLiteral("NEW"));
        QCOMPARE(after.mid(4), before.mid(3, after.size() - 4));
        for (int i = 0; i < 3; ++i)
            QVERIFY2(!drawn.contains(before.at(i)), qPrintable(before.at(i)));
        for (int i = 3; i < after.size(); ++i)
            QVERIFY2(drawn.contains(after.at(i)), qPrintable(after.at(i)));
    }

    void rowsAboveTheViewOrRemovedRepaintAll()
    {
        Table t(5000);
        t.view.scrollTo(t.model.index(2000, 0), QAbstractItemView::PositionAtTop);
        t.settle();
        // Inserted above: everything shown moves down a row.
        QSet<QString> drawn = t.repaintAfter([&] { t.model.insertAt(10, QStringLiteral("NEW")); });
        QStringList after = t.shown();
        QCOMPARE(after.first(), QStringLiteral("Q001999"));
        for (const QString &row : after)
            QVERIFY2(drawn.contains(row), qPrintable(row));
        drawn = t.repaintAfter([&] { t.model.removeAt(2500); });
        QCOMPARE(t.view.model()->rowCount(), 5000);
        after = t.shown();
        for (const QString &row : after)
            QVERIFY2(drawn.contains(row), qPrintable(row));
        // Read anew with more rows: all that is shown.
        QStringList anew;
        for (int i = 0; i < 6000; ++i)
            anew << QStringLiteral("R%1").arg(i, 6, 10, QLatin1Char('0'));
        drawn = t.repaintAfter([&] { t.model.resetTo(anew); });
        after = t.shown();
        QVERIFY(after.first().startsWith(QLatin1Char('R')));
        for (const QString &row : after)
            QVERIFY2(drawn.contains(row), qPrintable(row));
    }

    void shortListShowsItsNewRow()
    {
        // Fewer rows than the view holds: the new last row is in sight.
        Table t(3);
        const QSet<QString> drawn = t.repaintAfter([&] { t.model.insertAt(3, QStringLiteral("NEW")); });
        QCOMPARE(t.shown(), (QStringList{"Q000000", "Q000001", "Q000002", "NEW"}));
        QVERIFY(drawn.contains(QStringLiteral("NEW")));
        QVERIFY(!drawn.contains(QStringLiteral("Q000000")));
    }

    void sortedProxyPlacesTheRowWhereItSorts()
    {
        Rows source(0);
        QSortFilterProxyModel proxy;
        proxy.setSourceModel(&source);
        proxy.sort(0);
        Table t(0, &proxy);
        for (int i = 0; i < 200; ++i)
            source.insertAt(i, QStringLiteral("Q%1").arg(i * 2, 6, 10, QLatin1Char('0')));
        t.settle();
        // "Q000003" sorts between the second and third rows shown.
        const QSet<QString> drawn = t.repaintAfter([&] { source.insertAt(200, QStringLiteral("Q000003")); });
        QCOMPARE(t.shown().mid(0, 4), (QStringList{"Q000000", "Q000002", "Q000003", "Q000004"}));
        QVERIFY(drawn.contains(QStringLiteral("Q000003")) && drawn.contains(QStringLiteral("Q000004")));
        QVERIFY(!drawn.contains(QStringLiteral("Q000000")));
    }
};

QTEST_MAIN(TstQsoTableView)
#include "tst_qsotableview.moc"
