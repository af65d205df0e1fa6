#include "app/QsoListModel.h"
#include "logstore/Cp1252.h"
#include "logstore/LogSession.h"
#include "logstore/QsoRecord.h"
#include "logstore/Settings.h"

#include "common/LogLines.h"

#include <QAbstractItemModelTester>
#include <QTemporaryDir>
#include <QtTest>

class TestQsoListModel : public QObject
{
    Q_OBJECT
private slots:
    void tenThousandAndOneQsosKeepFileOrder();
    void malformedLinesAreShownAndFlagged();
};

// A session over a station log holding these lines.
struct LoadedLog
{
    explicit LoadedLog(const QList<QByteArray> &lines)
        : settings(dir.filePath(QStringLiteral("zel.ini"))), session(settings, dir.path())
    {
        settings.write(Settings::CommonSection, Settings::KeyCallsign, QStringLiteral("TEST1"));
        zeltest::writeBytes(dir.filePath(QStringLiteral("TEST1_ZEL.log")), zeltest::crlf(lines));
        session.openStation();
    }
    QTemporaryDir dir;
    Settings settings;
    LogSession session;
};

static QByteArray line(int i)
{
    zeltest::Qso q = zeltest::qso("I" + QByteArray::number(i % 10) + "X" + QByteArray::number(i),
                                  "LZ" + QByteArray::number(i % 10000).rightJustified(4, '0'), "01/01/07", "10:00");
    q.mode = "CW";
    q.abbey = "ABBAZIA N\xB0 \xC9T\xC9";
    q.qsl = i % 2;
    return q.line();
}

void TestQsoListModel::tenThousandAndOneQsosKeepFileOrder()
{
    QList<QByteArray> lines;
    for (int i = 0; i < 10001; ++i)
        lines << line(i);
    LoadedLog log(lines);
    QsoListModel model(log.session);
    QAbstractItemModelTester tester(&model);
    QCOMPARE(model.rowCount(), 10001);
    for (int row : {0, 8, 9, 999, 9998, 9999, 10000}) {
        const QString listLine = model.listLine(row);
        QCOMPARE(listLine.size(), 153);
        QCOMPARE(listLine.left(5), QString::number(row + 1).rightJustified(5));
        // The list line maps back to the exact bytes of its log line.
        QCOMPARE(Cp1252::encode(QsoRecord::logLineFromListLine(listLine)), lines.at(row));
        QCOMPARE(model.data(model.index(row, QsoListModel::ColNumero)).toString(), QString::number(row + 1));
        QCOMPARE(model.data(model.index(row, QsoListModel::ColIndicatif)).toString(),
                 QString::fromLatin1(lines.at(row).left(12)).trimmed());
    }
    QCOMPARE(model.data(model.index(1, QsoListModel::ColNom)).toString(), QString::fromUtf8("ABBAZIA N° ÉTÉ"));
    QCOMPARE(model.data(model.index(1, QsoListModel::ColQsl)).toString(), QStringLiteral("*"));
    QCOMPARE(model.headerData(QsoListModel::ColNom, Qt::Horizontal, Qt::DisplayRole).toString(),
             QStringLiteral("Mom de l'Abbaye"));
}

void TestQsoListModel::malformedLinesAreShownAndFlagged()
{
    LoadedLog log({line(1), "I2SHORT", "\r", line(2) + "zz"});
    QsoListModel model(log.session);
    QAbstractItemModelTester tester(&model);
    QCOMPARE(model.rowCount(), 4);
    QCOMPARE(model.data(model.index(1, QsoListModel::ColIndicatif)).toString(), QStringLiteral("I2SHORT"));
    QVERIFY(!model.data(model.index(2, QsoListModel::ColIndicatif)).toString().contains(QLatin1Char('\r')));
    QVERIFY(!model.data(model.index(0, 1), Qt::BackgroundRole).isValid());
    for (int row : {1, 2, 3}) {
        QVERIFY(model.data(model.index(row, 1), Qt::BackgroundRole).isValid());
        QVERIFY(model.data(model.index(row, 1), Qt::ToolTipRole).toString().contains(QString::number(row + 1)));
    }
    QCOMPARE(model.rawLine(2), QByteArray("\r"));
}

QTEST_MAIN(TestQsoListModel)
#include "tst_qsolistmodel.moc"
