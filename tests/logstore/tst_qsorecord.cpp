#include "logstore/Cp1252.h"
#include "logstore/LogFile.h"
#include "logstore/QsoRecord.h"

#include <QtTest>

// A log line written out by hand from the column layout, so the tests do not
// check the layout against itself.
static QString handLine(const char *call, const char *loc, const char *name, const char *ref,
                        const char *date, const char *time, const char *mode, const char *band,
                        const char *rstr, const char *rste, const QString &abbey, char qsl)
{
    QString l;
    l += QString::fromLatin1(call).leftJustified(12) + ' ';
    l += QString::fromLatin1(loc).leftJustified(4) + ' ';
    l += QString::fromLatin1(name).leftJustified(15) + ' ';
    l += QString::fromLatin1(ref) + ' ' + QString::fromLatin1(date) + ' ' + QString::fromLatin1(time) + ' ';
    l += QString::fromLatin1(mode).leftJustified(3) + ' ';
    l += QString::fromLatin1(band).leftJustified(7) + ' ';
    l += QString::fromLatin1(rstr).leftJustified(3) + ' ' + QString::fromLatin1(rste).leftJustified(3) + ' ';
    l += abbey.leftJustified(60) + ' ' + QLatin1Char(qsl);
    return l;
}

class TestQsoRecord : public QObject
{
    Q_OBJECT
private slots:
    void logLineLayout_data();
    void logLineLayout();
    void listLineRoundTrip();
    void counterStaysInFiveColumns_data();
    void counterStaysInFiveColumns();
    void tooLongValuesNeverMoveColumns();
    void shortLinesDoNotCrash();
    void splitLines_data();
    void splitLines();
    void accentsSurviveTheCodePage();
    void malformedLines();
    void monthAndDayWhereTheDateStands_data();
    void monthAndDayWhereTheDateStands();
};

void TestQsoRecord::logLineLayout_data()
{
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("expected");
    QTest::newRow("full") << QStringList{"I2ABC", "JN45", "MARIO", "LB0001", "14/01/07", "09:05", "SSB",
                                         "14 Mhz", "59", "57", QString::fromUtf8("ABBAZIA DI CHIARAVALLE"), "*"}
                          << handLine("I2ABC", "JN45", "MARIO", "LB0001", "14/01/07", "09:05", "SSB", "14 Mhz",
                                      "59", "57", QString::fromUtf8("ABBAZIA DI CHIARAVALLE"), '*');
    QTest::newRow("no locator, no name, CW, 10 Mhz, unconfirmed")
        << QStringList{"IK0XYZ", "", "", "LZ0002", "01/02/08", "23:59", "CW", "10 Mhz", "599", "5", "", " "}
        << handLine("IK0XYZ", "", "", "LZ0002", "01/02/08", "23:59", "CW", "10 Mhz", "599", "5", "", ' ');
}

void TestQsoRecord::logLineLayout()
{
    QFETCH(QStringList, fields);
    QFETCH(QString, expected);
    QsoRecord r;
    for (int f = 0; f < QsoRecord::FieldCount; ++f)
        r.setField(QsoRecord::Field(f), fields.at(f));
    const QString line = r.toLogLine();
    QCOMPARE(line.size(), 138);
    QCOMPARE(line, expected);
    // Read back, every field comes out at its full width.
    const QsoRecord back = QsoRecord::fromLogLine(line);
    QCOMPARE(back.toLogLine(), line);
    QCOMPARE(back.field(QsoRecord::Mode), fields.at(QsoRecord::Mode).leftJustified(3));
}

void TestQsoRecord::listLineRoundTrip()
{
    const QString log = handLine("F6ABC/P", "JN61", QString::fromUtf8("ANDRÉ").toLatin1().constData(), "LZ0001",
                                 "05/03/99", "12:00", "FM", "144 Mhz", "59", "59",
                                 QString::fromUtf8("ABBAZIA DI MONTECASSINO — SAINT BENOÎT").left(60), ' ');
    const QString list = QsoRecord::listLineFromLogLine(log, 7);
    QCOMPARE(list.size(), 153);
    QCOMPARE(list.left(7), QStringLiteral("    7  "));
    QCOMPARE(list.mid(7, 12), log.left(12));
    QCOMPARE(list.mid(42, 6), QStringLiteral("LZ0001"));
    QCOMPARE(list.mid(50, 8), QStringLiteral("05/03/99"));
    QCOMPARE(list.mid(60, 5), QStringLiteral("12:00"));
    QCOMPARE(list.mid(90, 60), log.mid(76, 60));
    QCOMPARE(list.at(152), QLatin1Char(' '));
    QCOMPARE(QsoRecord::logLineFromListLine(list), log);
}

void TestQsoRecord::counterStaysInFiveColumns_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("counter");
    QTest::newRow("1") << 1 << "    1";
    QTest::newRow("9") << 9 << "    9";
    QTest::newRow("10") << 10 << "   10";
    QTest::newRow("1000") << 1000 << " 1000";
    QTest::newRow("9999") << 9999 << " 9999";
    QTest::newRow("10000") << 10000 << "10000";
    QTest::newRow("99999") << 99999 << "99999";
}

void TestQsoRecord::counterStaysInFiveColumns()
{
    QFETCH(int, n);
    QFETCH(QString, counter);
    const QString log = handLine("I1AAA", "JN35", "", "PM0001", "01/01/07", "10:00", "SSB", "7.0 Mhz",
                                 "59", "59", "X", '*');
    const QString list = QsoRecord::listLineFromLogLine(log, n);
    QCOMPARE(list.size(), 153);
    QCOMPARE(list.left(5), counter);
    // The mapping back must not depend on how many digits the counter has.
    QCOMPARE(QsoRecord::logLineFromListLine(list), log);
}

void TestQsoRecord::tooLongValuesNeverMoveColumns()
{
    QsoRecord r;
    r.setField(QsoRecord::Indicatif, QStringLiteral("ABCDEFGHIJKLMNOP"));
    r.setField(QsoRecord::Mode, QStringLiteral("PSK31"));
    r.setField(QsoRecord::Reference, QStringLiteral("LZ0001"));
    const QString line = r.toLogLine();
    QCOMPARE(line.size(), 138);
    QCOMPARE(line.mid(34, 6), QStringLiteral("LZ0001"));
    QCOMPARE(line.mid(56, 3), QStringLiteral("PSK"));
}

void TestQsoRecord::shortLinesDoNotCrash()
{
    for (const QString &l : {QString(), QStringLiteral("I2ABC"), QStringLiteral("I2ABC        JN45 MARIO")}) {
        const QString list = QsoRecord::listLineFromLogLine(l, 3);
        QCOMPARE(list.size(), 153);
        QCOMPARE(list.mid(7, 12).trimmed(), l.left(12).trimmed());
    }
}

void TestQsoRecord::splitLines_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QList<QByteArray>>("lines");
    QTest::newRow("empty") << QByteArray() << QList<QByteArray>{};
    QTest::newRow("crlf") << QByteArray("a\r\nb\r\n") << QList<QByteArray>{"a", "b"};
    QTest::newRow("lf only") << QByteArray("a\nb\n") << QList<QByteArray>{"a", "b"};
    QTest::newRow("no final line end") << QByteArray("a\r\nb") << QList<QByteArray>{"a", "b"};
    QTest::newRow("blank line kept") << QByteArray("a\r\n\r\nb\r\n") << QList<QByteArray>{"a", "", "b"};
    QTest::newRow("cr garbage") << QByteArray("\r\r\n\rx\r\n") << QList<QByteArray>{"\r", "\rx"};
}

void TestQsoRecord::splitLines()
{
    QFETCH(QByteArray, content);
    QFETCH(QList<QByteArray>, lines);
    QCOMPARE(Cp1252::splitLines(content), lines);
    // Written back, CR LF ends every line and nothing else moves.
    const QList<QByteArray> again = Cp1252::splitLines(Cp1252::joinLines(lines));
    QCOMPARE(again, lines);
}

void TestQsoRecord::accentsSurviveTheCodePage()
{
    const QString text = QString::fromUtf8("ÉGLISE SANTA MARÌA — Œ €");
    const QByteArray bytes = Cp1252::encode(text);
    QCOMPARE(bytes.size(), text.size());
    QCOMPARE(bytes.at(0), char(0xC9));
    QCOMPARE(bytes.right(1), QByteArray("\x80"));
    QCOMPARE(Cp1252::decode(bytes), text);
}

void TestQsoRecord::malformedLines()
{
    const QByteArray good = Cp1252::encode(handLine("I1AAA", "JN35", "", "PM0001", "01/01/07", "10:00", "SSB",
                                                    "7.0 Mhz", "59", "59", "X", ' '));
    QByteArray withTab = good;
    withTab[20] = '\t';
    const QList<QByteArray> lines{good, "short", good + "xx", "\r", withTab, good};
    QCOMPARE(LogFile::malformedLines(lines), (QList<int>{2, 3, 4, 5}));
}

void TestQsoRecord::monthAndDayWhereTheDateStands_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<int>("cut"); // the line's length, 0: whole
    QTest::addColumn<int>("slot");
    QTest::addColumn<QDate>("day");
    QTest::newRow("1950, the first month") << "01/01/50" << 0 << 0 << QDate(1950, 1, 1);
    QTest::newRow("2049, the last month") << "31/12/49" << 0 << 1199 << QDate(2049, 12, 31);
    QTest::newRow("a day the month lacks: the month counts") << "31/02/07" << 0 << 57 * 12 + 1 << QDate();
    QTest::newRow("29 February of a leap year") << "29/02/08" << 0 << 58 * 12 + 1 << QDate(2008, 2, 29);
    QTest::newRow("day not in figures") << "xx/03/07" << 0 << 57 * 12 + 2 << QDate();
    QTest::newRow("any separator, as by hand") << "14-03-07" << 0 << 57 * 12 + 2 << QDate(2007, 3, 14);
    QTest::newRow("month 13") << "01/13/07" << 0 << -1 << QDate();
    QTest::newRow("line cut inside the date") << "14/03/07" << 44 << -1 << QDate();
}

void TestQsoRecord::monthAndDayWhereTheDateStands()
{
    QFETCH(QString, date);
    QFETCH(int, cut);
    QFETCH(int, slot);
    QFETCH(QDate, day);
    QByteArray line = Cp1252::encode(handLine("I1AAA", "JN35", "", "PM0001", date.toLatin1().constData(), "10:00",
                                              "SSB", "7.0 Mhz", "59", "59", QStringLiteral("X"), ' '));
    if (cut)
        line.truncate(cut);
    QCOMPARE(QsoRecord::monthSlot(line), slot);
    QCOMPARE(QsoRecord::dayOfLine(line), day);
    if (day.isValid())
        QCOMPARE(QsoRecord::monthOfSlot(slot), QDate(day.year(), day.month(), 1));
}

QTEST_GUILESS_MAIN(TestQsoRecord)
#include "tst_qsorecord.moc"
