#include "logstore/BandPlan.h"
#include "logstore/QsoLabels.h"
#include "logstore/QsoRecord.h"

#include <QtTest>

// The band plan every window asks: edges, names both ways, the likely mode of a
// frequency, and the mode names of radios and ADIF files.
class TestBandPlan : public QObject
{
    Q_OBJECT
private slots:
    void frequencyGivesTheLogsBand_data()
    {
        QTest::addColumn<qint64>("hertz");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("adif");
        QTest::newRow("160m low edge") << qint64(1800000) << "1.8 Mhz" << "160m";
        QTest::newRow("below 160m") << qint64(1799999) << "" << "";
        QTest::newRow("80m high edge") << qint64(4000000) << "3.5 Mhz" << "80m";
        QTest::newRow("60m is not the log's") << qint64(5354000) << "" << "60m";
        QTest::newRow("30m") << qint64(10120000) << "10 Mhz" << "30m";
        QTest::newRow("20m") << qint64(14205000) << "14 Mhz" << "20m";
        QTest::newRow("20m above") << qint64(14350001) << "" << "";
        QTest::newRow("6m high edge") << qint64(54000000) << "50 Mhz" << "6m";
        QTest::newRow("5m just above 6m") << qint64(54000001) << "" << "5m";
        QTest::newRow("2m") << qint64(145500000) << "144 Mhz" << "2m";
        // ADIF's own 70 cm, from 420 to 450 MHz, is the log's 432 Mhz.
        QTest::newRow("70cm low edge") << qint64(420000000) << "432 Mhz" << "70cm";
        QTest::newRow("70cm 439.9") << qint64(439900000) << "432 Mhz" << "70cm";
        QTest::newRow("70cm high edge") << qint64(450000000) << "432 Mhz" << "70cm";
        QTest::newRow("70cm above") << qint64(450000001) << "" << "";
        QTest::newRow("23cm") << qint64(1296200000) << "" << "23cm";
        QTest::newRow("zero") << qint64(0) << "" << "";
        QTest::newRow("negative") << qint64(-14200000) << "" << "";
    }
    void frequencyGivesTheLogsBand()
    {
        QFETCH(qint64, hertz);
        QFETCH(QString, label);
        QFETCH(QString, adif);
        QCOMPARE(BandPlan::labelOfHertz(hertz), label);
        QCOMPARE(BandPlan::adifOfHertz(hertz), adif);
        QCOMPARE(BandPlan::positionOfHertz(hertz), int(QsoLabels::bands().indexOf(label)));
    }

    void everyLogBandHasOneAdifNameBothWays()
    {
        const QStringList labels = QsoLabels::bands();
        int count = 0;
        const BandPlan::Band *all = BandPlan::bands(&count);
        QList<int> seen;
        qint64 previousHigh = -1;
        for (int i = 0; i < count; ++i) {
            // Ordered and never overlapping: a frequency has one band.
            QVERIFY2(all[i].lowHz > previousHigh, all[i].adif);
            QVERIFY(all[i].highHz >= all[i].lowHz);
            previousHigh = all[i].highHz;
            if (all[i].position < 0)
                continue;
            seen.append(all[i].position);
            const QString adif = QString::fromLatin1(all[i].adif);
            const QString label = labels.at(all[i].position);
            QCOMPARE(BandPlan::labelOfAdif(adif), label);
            QCOMPARE(BandPlan::labelOfAdif(adif.toUpper()), label);
            QCOMPARE(BandPlan::adifOfLabel(label), adif);
            QCOMPARE(BandPlan::labelOfHertz(all[i].lowHz), label);
            QCOMPARE(BandPlan::labelOfHertz(all[i].highHz), label);
        }
        QCOMPARE(seen, QList<int>({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
        QCOMPARE(BandPlan::labelOfAdif(u"60m"), QString());
        QCOMPARE(BandPlan::labelOfAdif(u""), QString());
    }

    void handTypedLabelsFindTheirAdifBand_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("adif");
        QTest::newRow("log label") << "432 Mhz" << "70cm";
        QTest::newRow("round 60m name") << "5 Mhz" << "60m";
        QTest::newRow("60m frequency, comma") << "5,354" << "60m";
        QTest::newRow("cut by seven columns") << "1296 MH" << "23cm";
        QTest::newRow("adif name, blanks and capitals") << "70 CM" << "70cm";
        QTest::newRow("kHz") << "14205 kHz" << "20m";
        QTest::newRow("GHz") << "10.368 GHZ" << "3cm";
        QTest::newRow("4 m") << "70 Mhz" << "4m";
        QTest::newRow("nothing") << "" << "";
        QTest::newRow("words") << "beaucoup" << "";
        QTest::newRow("out of every band") << "3000 Mhz" << "";
        QTest::newRow("not finite") << "inf" << "";
        // A log label followed by what the eight-byte comparison of the twelve cannot see.
        QTest::newRow("label and a zero byte") << QString::fromLatin1("14 Mhz\0", 7) << "";
        QTest::newRow("label in small letters") << "14 mhz" << "20m";
    }
    void handTypedLabelsFindTheirAdifBand()
    {
        QFETCH(QString, label);
        QFETCH(QString, adif);
        QCOMPARE(BandPlan::adifOfLabel(label), adif);
    }

    void typedLabelsNameTheListItem()
    {
        QCOMPARE(BandPlan::labelOfTyped(u"14"), QStringLiteral("14 Mhz"));
        QCOMPARE(BandPlan::labelOfTyped(u"14MHZ"), QStringLiteral("14 Mhz"));
        QCOMPARE(BandPlan::labelOfTyped(u"7"), QStringLiteral("7.0 Mhz"));
        QCOMPARE(BandPlan::labelOfTyped(u"432 mhz"), QStringLiteral("432 Mhz"));
        QCOMPARE(BandPlan::labelOfTyped(u"5 Mhz"), QString());
    }

    void frequencyAloneGivesALikelyMode_data()
    {
        QTest::addColumn<qint64>("hertz");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("radioSsb");
        QTest::newRow("40m CW part") << qint64(7025000) << "CW" << "LSB";
        QTest::newRow("40m phone") << qint64(7150000) << "SSB" << "LSB";
        QTest::newRow("80m phone") << qint64(3700000) << "SSB" << "LSB";
        QTest::newRow("30m CW") << qint64(10116000) << "CW" << "USB";
        QTest::newRow("20m CW edge") << qint64(14070000) << "CW" << "USB";
        QTest::newRow("20m phone") << qint64(14285000) << "SSB" << "USB";
        QTest::newRow("6m CW") << qint64(50090000) << "CW" << "USB";
        QTest::newRow("2m CW") << qint64(144050000) << "CW" << "USB";
        QTest::newRow("2m SSB") << qint64(144300000) << "SSB" << "USB";
        QTest::newRow("2m FM") << qint64(145500000) << "FM" << "USB";
        QTest::newRow("70cm FM") << qint64(433500000) << "FM" << "USB";
        QTest::newRow("70cm SSB") << qint64(432200000) << "SSB" << "USB";
        QTest::newRow("60m, outside the log") << qint64(5354000) << "SSB" << "LSB";
    }
    void frequencyAloneGivesALikelyMode()
    {
        QFETCH(qint64, hertz);
        QFETCH(QString, mode);
        QFETCH(QString, radioSsb);
        QCOMPARE(BandPlan::likelyMode(hertz), mode);
        QCOMPARE(ModeMap::radioMode(u"SSB", hertz), radioSsb);
        QCOMPARE(ModeMap::radioMode(mode, hertz), mode == QLatin1String("SSB") ? radioSsb : mode);
    }

    void modeNamesOfRadiosAndFiles()
    {
        for (const char *ssb : {"SSB", "usb", "LSB", " Usb "})
            QCOMPARE(ModeMap::logMode(QByteArrayView(ssb)), QStringLiteral("SSB"));
        for (const char *cw : {"CW", "cwr", "PCW"})
            QCOMPARE(ModeMap::logMode(QString::fromLatin1(cw)), QStringLiteral("CW"));
        for (const char *fm : {"FM", "FMN", "wfm"})
            QCOMPARE(ModeMap::logMode(QByteArrayView(fm)), QStringLiteral("FM"));
        for (const char *other : {"", "AM", "PKTUSB", "RTTY", "FT8", "DIGITALVOICE"})
            QCOMPARE(ModeMap::logMode(QByteArrayView(other)), QString());
        QCOMPARE(ModeMap::radioMode(u"RTTY", 14080000), QString());
    }

    void lineRules()
    {
        const QByteArray blank(137, ' ');
        QVERIFY(QsoRecord::isConfirmedLine(QByteArrayView(blank + '*')));
        QVERIFY(QsoRecord::isConfirmedLine(QByteArrayView(blank + "*trailing")));
        QVERIFY(!QsoRecord::isConfirmedLine(QByteArrayView(blank + ' ')));
        QVERIFY(!QsoRecord::isConfirmedLine(QByteArrayView(blank)));
        QVERIFY(QsoRecord::isConfirmedLine(QString::fromLatin1(blank + '*')));
        QVERIFY(!QsoRecord::isConfirmedLine(QStringView()));

        // Only a line as the program writes them takes the mark; any other is left as it is.
        QByteArray line = blank + ' ';
        QVERIFY(QsoRecord::isMarkableLine(line));
        QVERIFY(QsoRecord::markConfirmed(line));
        QCOMPARE(line, blank + '*');
        QVERIFY(!QsoRecord::isMarkableLine(line));
        for (QByteArray other : {QByteArray(blank), blank + "  ", QByteArray()}) {
            const QByteArray before = other;
            QVERIFY(!QsoRecord::isMarkableLine(other));
            QVERIFY(!QsoRecord::markConfirmed(other));
            QCOMPARE(other, before);
        }

        // Fields of a line cut short: the part present, never past its end.
        // Callsign in 1-12, locator in 14-17, first name in 19-33, reference from 35.
        const QByteArray shortLine = QByteArray("F1ABC").leftJustified(13) + QByteArray("JN45").leftJustified(5)
            + QByteArray("JEAN").leftJustified(16) + "AZ0";
        QCOMPARE(QsoRecord::fieldOf(shortLine, QsoRecord::Indicatif), QByteArrayView("F1ABC       "));
        QCOMPARE(QsoRecord::fieldOf(shortLine, QsoRecord::Reference), QByteArrayView("AZ0"));
        QCOMPARE(QsoRecord::fieldOf(shortLine, QsoRecord::Qsl), QByteArrayView());
        QCOMPARE(QsoRecord::fieldOf(blank + "*extra", QsoRecord::Qsl), QByteArrayView("*"));

        QCOMPARE(QsoRecord::dateOf(u"29/02/24"), QDate(2024, 2, 29));
        QCOMPARE(QsoRecord::dateOf(u"31/12/99"), QDate(1999, 12, 31));
        QCOMPARE(QsoRecord::dateOf(u"01/01/49"), QDate(2049, 1, 1));
        QCOMPARE(QsoRecord::dateOf(u"01/01/50"), QDate(1950, 1, 1));
        QVERIFY(!QsoRecord::dateOf(u"29/02/25").isValid());
        QVERIFY(!QsoRecord::dateOf(u"00/00/00").isValid());
        QVERIFY(!QsoRecord::dateOf(u"1/1/2024").isValid());
        QVERIFY(!QsoRecord::dateOf(u"aa/bb/cc").isValid());

        QCOMPARE(QsoRecord::minutesOf(u"00:00"), 0);
        QCOMPARE(QsoRecord::minutesOf(u"23:59"), 23 * 60 + 59);
        QCOMPARE(QsoRecord::minutesOf(u"24:00"), -1);
        QCOMPARE(QsoRecord::minutesOf(u"12:60"), -1);
        QCOMPARE(QsoRecord::minutesOf(u"1200"), -1);
    }
};

QTEST_APPLESS_MAIN(TestBandPlan)
#include "tst_bandplan.moc"
