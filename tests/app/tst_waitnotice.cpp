// The busy notice of a long pass over a large log: shown and drawn before the work
// from LargeLog QSOs on, with the busy cursor, and gone with its scope; nothing
// below.

#include "kit/ui/WaitNotice.h"

#include <QApplication>
#include <QProgressDialog>
#include <QtTest>

class WaitNoticeTest : public QObject
{
    Q_OBJECT
private slots:
    void shownOnlyForALargeLog();
};

void WaitNoticeTest::shownOnlyForALargeLog()
{
    QWidget window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    {
        const WaitNotice wait(&window, QStringLiteral("Tri en cours…"), WaitNotice::LargeLog - 1);
        QVERIFY(window.findChildren<QProgressDialog *>().isEmpty());
        QVERIFY(!QApplication::overrideCursor());
    }
    {
        const WaitNotice wait(&window, QStringLiteral("Tri en cours…"), WaitNotice::LargeLog);
        const QList<QProgressDialog *> shown = window.findChildren<QProgressDialog *>();
        QCOMPARE(shown.size(), 1);
        QVERIFY(shown.first()->isVisible());
        QCOMPARE(shown.first()->labelText(), QStringLiteral("Tri en cours…"));
        QCOMPARE(shown.first()->accessibleName(), QStringLiteral("Tri en cours…"));
        QVERIFY(QApplication::overrideCursor());
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    QVERIFY(window.findChildren<QProgressDialog *>().isEmpty());
    QVERIFY(!QApplication::overrideCursor());
}

QTEST_MAIN(WaitNoticeTest)
#include "tst_waitnotice.moc"
