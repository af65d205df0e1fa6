// The score: counts of QSO lines and the two award verdicts with their colours.

#include "app/Harness.h"

#include "reports/AwardScore.h"

#include <QtTest>

class TestAwardScore : public QObject
{
    Q_OBJECT
private slots:
    void verdicts_data();
    void verdicts();
    void confirmedFlag_data();
    void confirmedFlag();
    void rules();
};

void TestAwardScore::verdicts_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("confirmed");
    QTest::addColumn<bool>("base");
    QTest::addColumn<bool>("excellence");
    QTest::newRow("empty log") << 0 << 0 << false << false;
    QTest::newRow("9 confirmed") << 9 << 9 << false << false;
    QTest::newRow("10 confirmed") << 10 << 10 << true << false;
    QTest::newRow("500 QSOs, 9 confirmed") << 500 << 9 << false << false;
    QTest::newRow("249 confirmed") << 300 << 249 << true << false;
    QTest::newRow("250 confirmed") << 250 << 250 << true << true;
    QTest::newRow("3000 confirmed") << 3000 << 3000 << true << true;
}

void TestAwardScore::verdicts()
{
    QFETCH(int, lines);
    QFETCH(int, confirmed);
    QFETCH(bool, base);
    QFETCH(bool, excellence);
    // Every QSO with the same abbey: the count is of lines, not of distinct abbeys.
    QList<QByteArray> log;
    for (int i = 0; i < lines; ++i) {
        zeltest::Qso q = zeltest::qso("F1ABC", "AZ0001", "01/01/08", "10:00");
        q.qsl = i < confirmed;
        log.append(q.line());
    }
    const QList<QByteArrayView> views(log.cbegin(), log.cend());
    const AwardScore s = AwardScore::fromLines(views);
    QCOMPARE(s.contacted(), lines);
    QCOMPARE(s.confirmed(), confirmed);
    QCOMPARE(s.baseReached(), base);
    QCOMPARE(s.excellenceReached(), excellence);
    QCOMPARE(AwardScore::verdict(base), base ? QStringLiteral("Bravo, vous pouvez obtenir")
                                             : QStringLiteral("Vous ne pouvez pas encore obtenir"));
    QCOMPARE(AwardScore::colour(excellence), excellence ? QColor(0, 128, 0) : QColor(255, 0, 0));
}

void TestAwardScore::confirmedFlag_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("confirmed");
    const QByteArray star = zeltest::qso("F1ABC", "AZ0001", "01/01/08", "10:00").line().left(137) + '*';
    QTest::newRow("star") << star << 1;
    QTest::newRow("blank") << star.left(137) + ' ' << 0;
    QTest::newRow("other mark") << star.left(137) + 'x' << 0;
    QTest::newRow("star in another column") << star.left(136) + "* " << 0;
    QTest::newRow("line cut short") << star.left(100) << 0;
    QTest::newRow("empty line") << QByteArray() << 0;
}

void TestAwardScore::confirmedFlag()
{
    QFETCH(QByteArray, line);
    QFETCH(int, confirmed);
    const AwardScore s = AwardScore::fromLines({line});
    QCOMPARE(s.contacted(), 1);
    QCOMPARE(s.confirmed(), confirmed);
}

void TestAwardScore::rules()
{
    const QStringList r = AwardScore::rules();
    QCOMPARE(r.size(), 16);
    QCOMPARE(r.at(0), QStringLiteral("Pour obtenir les diplomes des Abbayes"));
    QCOMPARE(r.at(1), QStringLiteral("Italiennes il vous faut la confirmation de"));
    QCOMPARE(r.at(2), QStringLiteral("10 Abbayes pour le diplome de base"));
    QCOMPARE(r.at(3), QStringLiteral("12 niveaux pour le diplome Excellence"));
    QCOMPARE(r.at(4), QStringLiteral("250 Abbayes contactées et confirmées"));
    QCOMPARE(r.at(5), QStringLiteral("500 Abbayes contactées et confirmées"));
    QCOMPARE(r.at(15), QStringLiteral("3000 Abbayes contactées et confirmées"));
}

QTEST_GUILESS_MAIN(TestAwardScore)
#include "tst_awardscore.moc"
