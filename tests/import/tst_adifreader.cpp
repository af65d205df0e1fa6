// The ADI reader on files as other logbooks write them.

#include "import/AdifReader.h"

#include <QtTest>

namespace {

// Each record as "CALL|NAME|COMMENT" or "!<error>".
QStringList readAll(const QByteArray &file, AdifReader::Encoding *encoding = nullptr)
{
    AdifReader reader(file);
    if (encoding)
        *encoding = reader.encoding();
    QStringList out;
    AdifReader::Record r;
    while (reader.next(&r)) {
        if (!r.error.isEmpty()) {
            out << QStringLiteral("!") + r.error;
            continue;
        }
        out << reader.decode(r[AdifReader::Call]) + QLatin1Char('|') + reader.decode(r[AdifReader::Name])
                + QLatin1Char('|') + reader.decode(r[AdifReader::Comment]);
        // The record read again from its offset is the same record.
        const AdifReader::Record again = reader.recordAt(r.offset, r.number);
        if (again.fields != r.fields)
            out << QStringLiteral("!recordAt differs");
    }
    return out;
}

} // namespace

class TestAdifReader : public QObject
{
    Q_OBJECT
private slots:
    void files_data();
    void files();
    void encodings_data();
    void encodings();
};

void TestAdifReader::files_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("records");

    QTest::newRow("header, upper-case tags, CR LF")
        << QByteArray("Export by SomeLog\r\n<ADIF_VER:5>3.1.0 <PROGRAMID:4>TEST\r\n<EOH>\r\n"
                      "<CALL:5>F6ABC <NAME:4>JEAN <EOR>\r\n<CALL:4>I1XX<EOR>\r\n")
        << QStringList{"F6ABC|JEAN|", "I1XX||"};
    QTest::newRow("no header, lower-case tags, LF, types")
        << QByteArray("<call:5:s>F6ABC<name:4>Jean<eor>\n<Call:4>I1XX<comment:9>a <b> c d<eOr>\n")
        << QStringList{"F6ABC|Jean|", "I1XX||a <b> c d"};
    QTest::newRow("a header that starts with a field")
        << QByteArray("<ADIF_VER:5>3.1.0 <PROGRAMID:4>TEST <CALL:3>BAD\r\n<EOH>\r\n<CALL:5>F6ABC<EOR>")
        << QStringList{"F6ABC||"};
    QTest::newRow("a header that mentions <eor> in its text is still a header")
        << QByteArray("Fields end with <eor>, yes\n<eoh>\n<call:5>F6ABC<eor>")
        << QStringList{"F6ABC||"};
    QTest::newRow("garbage between fields and records, APP_ fields skipped")
        << QByteArray("<eoh>junk<call:5>F6ABC junk <APP_LOG_X:12>x<name:4>y<z <name:4>JEAN\r\n<eor> ;; "
                      "<notatag <call:4>I1XX<USERDEF1:3>abc<eor>")
        << QStringList{"F6ABC|JEAN|", "I1XX||"};
    QTest::newRow("truncated last record: the ones before are kept")
        << QByteArray("<call:5>F6ABC<eor><call:4>I1XX<name:10>JE")
        << QStringList{"F6ABC||", "!enregistrement incomplet : le fichier se termine dans le champ name"};
    QTest::newRow("record without <eor> at the end of the file")
        << QByteArray("<call:5>F6ABC<eor><call:4>I1XX\r\n")
        << QStringList{"F6ABC||", "!enregistrement incomplet : le fichier se termine avant <eor>"};
    // UTF-8: "José" is four characters and five bytes.
    QTest::newRow("UTF-8 counted in characters")
        << QByteArray("<call:5>F6ABC<name:4>Jos\xC3\xA9<comment:3>\xC3\xA9t\xC3\xA9<eor>")
        << QStringList{QString::fromUtf8("F6ABC|José|été")};
    QTest::newRow("UTF-8 counted in bytes")
        << QByteArray("<call:5>F6ABC<name:5>Jos\xC3\xA9<comment:5>\xC3\xA9t\xC3\xA9<eor>")
        << QStringList{QString::fromUtf8("F6ABC|José|été")};
    QTest::newRow("UTF-8 with BOM and both counts in one file")
        << QByteArray("\xEF\xBB\xBF<call:5>F6ABC<name:5>Jos\xC3\xA9<eor>\r\n<call:4>I1XX<name:4>No\xC3\xABl<eor>")
        << QStringList{QString::fromUtf8("F6ABC|José|"), QString::fromUtf8("I1XX|Noël|")};
    QTest::newRow("a length neither way: that record refused, reading goes on")
        << QByteArray("<call:5>F6ABC<name:7>Jos\xC3\xA9<eor><call:4>I1XX<eor>")
        << QStringList{"!longueur du champ name illisible (7), ni en caractères ni en octets", "I1XX||"};
    // Damaged exports: the reader looks no further than each record's own end.
    QTest::newRow("lengths past the end of the file, repeated")
        << QByteArray("<CALL:999999999>I1\xC3\xA9X<EOR>\r\n<CALL:999999999>I2\xC3\xA9X <EOR><call:4>I1XX<eor>")
        << QStringList{"!longueur du champ CALL illisible (999999999), ni en caractères ni en octets",
                       "!longueur du champ CALL illisible (999999999), ni en caractères ni en octets", "I1XX||"};
    QTest::newRow("a length past its record's end, then a good record")
        << QByteArray("<call:5>F6ABC<name:30>Jos\xC3\xA9 <eor><call:4>I1XX<name:4>Jos\xC3\xA9<eor>")
        << QStringList{"!longueur du champ name illisible (30), ni en caractères ni en octets",
                       QString::fromUtf8("I1XX|José|")};
    QTest::newRow("a length past the end in the last record, no <eor> after it")
        << QByteArray("<call:4>I1XX<eor><name:99>Jos\xC3\xA9")
        << QStringList{"I1XX||", "!longueur du champ name illisible (99), ni en caractères ni en octets"};
    QTest::newRow("Latin-1: one byte a character")
        << QByteArray("<call:5>F6ABC<name:4>Jos\xE9<comment:9>No\xEBl <b>!<eor>")
        << QStringList{QString::fromUtf8("F6ABC|José|Noël <b>!")};
}

void TestAdifReader::files()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, records);
    QCOMPARE(readAll(file), records);
}

void TestAdifReader::encodings_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("encoding");
    QTest::newRow("ascii") << QByteArray("<call:5>F6ABC<eor>") << int(AdifReader::Encoding::Ascii);
    QTest::newRow("utf-8") << QByteArray("<name:2>\xC5\x81<eor>") << int(AdifReader::Encoding::Utf8);
    QTest::newRow("bom") << QByteArray("\xEF\xBB\xBF<call:1>A<eor>") << int(AdifReader::Encoding::Utf8);
    QTest::newRow("latin-1") << QByteArray("<name:4>Ren\xE9<eor>") << int(AdifReader::Encoding::Windows1252);
    QTest::newRow("cp1252 quote") << QByteArray("<name:3>\x93" "a\x94<eor>") << int(AdifReader::Encoding::Windows1252);
    QTest::newRow("cut sequence at the end") << QByteArray("<eor>\xC3") << int(AdifReader::Encoding::Windows1252);
    QTest::newRow("overlong") << QByteArray("\xC0\xAF") << int(AdifReader::Encoding::Windows1252);
}

void TestAdifReader::encodings()
{
    QFETCH(QByteArray, file);
    QFETCH(int, encoding);
    QCOMPARE(int(AdifReader::detect(file)), encoding);
}

QTEST_GUILESS_MAIN(TestAdifReader)
#include "tst_adifreader.moc"
