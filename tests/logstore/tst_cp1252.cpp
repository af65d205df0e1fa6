// The code page's own table agrees with the system's Windows-1252 converter on
// every byte and every character, so files read and written keep their bytes.

#include "logstore/Cp1252.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QtTest>

class TestCp1252 : public QObject
{
    Q_OBJECT
private slots:
    void everyByteDecodesAsTheSystemDoes();
    void everyCharacterEncodesAsTheSystemDoes();
    void textsRoundTrip_data();
    void textsRoundTrip();
};

void TestCp1252::everyByteDecodesAsTheSystemDoes()
{
    QStringDecoder system("windows-1252", QStringConverter::Flag::Stateless);
    if (!system.isValid())
        QSKIP("no Windows-1252 converter in this Qt");
    QByteArray all(256, Qt::Uninitialized);
    for (int b = 0; b < 256; ++b)
        all[b] = char(b);
    const QString expected = system.decode(all);
    const QString decoded = Cp1252::decode(all);
    QCOMPARE(decoded.size(), 256);
    for (int b = 0; b < 256; ++b)
        QVERIFY2(decoded.at(b) == expected.at(b), qPrintable(QString::number(b, 16)));
    QCOMPARE(Cp1252::decode(QByteArrayView()), QString());
}

void TestCp1252::everyCharacterEncodesAsTheSystemDoes()
{
    QStringEncoder system("windows-1252", QStringConverter::Flag::Stateless);
    if (!system.isValid())
        QSKIP("no Windows-1252 converter in this Qt");
    int held = 0;
    for (int u = 0; u < 0x10000; ++u) {
        const QChar c{char16_t(u)};
        // Characters in a text, so the converter's handling of ones it cannot hold
        // (substitute byte, dropped invisible ones) is compared too.
        const QString text = QStringLiteral("A") + c + QStringLiteral("b");
        const QByteArray ours = Cp1252::encode(text);
        QVERIFY2(ours == system.encode(text), qPrintable(QString::number(u, 16)));
        const bool holds = Cp1252::firstUnencodable(QStringView(&c, 1)).isEmpty();
        if (holds) {
            ++held;
            QCOMPARE(Cp1252::decode(ours), text);
        }
    }
    QCOMPARE(held, 256);
}

void TestCp1252::textsRoundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("accents") << QString::fromUtf8("JEAN-FRANÇOIS HÉLÈNE") << QByteArray("JEAN-FRAN\xC7OIS H\xC9L\xC8NE");
    QTest::newRow("euro, oe, Y diaeresis") << QString::fromUtf8("€œŸ") << QByteArray("\x80\x9C\x9F");
    QTest::newRow("unassigned bytes kept") << QString(QChar(0x81)) + QChar(0x9D) << QByteArray("\x81\x9D");
    QTest::newRow("empty") << QString() << QByteArray();
}

void TestCp1252::textsRoundTrip()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(Cp1252::encode(text), bytes);
    QCOMPARE(Cp1252::decode(bytes), text);
}

QTEST_GUILESS_MAIN(TestCp1252)
#include "tst_cp1252.moc"
