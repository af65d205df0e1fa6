// Characters Windows-1252 cannot hold never reach a file: they are named to the
// operator, and no code path writes a log line that is not 138 bytes.

#include "app/Harness.h"
#include "logstore/Cp1252.h"
#include "logstore/LogSession.h"
#include "logstore/QsoRecord.h"
#include "logstore/Settings.h"
#include "refdata/FirstNameList.h"
#include "station/StationService.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace zeltest;

namespace {

const QByteArray A = qso("I1AAA", "PM0001", "10/01/07", "10:00").line();

QsoRecord record(const QString &abbey)
{
    QsoRecord r;
    r.setField(QsoRecord::Indicatif, QStringLiteral("F6ABC"));
    r.setField(QsoRecord::Reference, QStringLiteral("PM0002"));
    r.setField(QsoRecord::Date, QStringLiteral("11/01/07"));
    r.setField(QsoRecord::Heure, QStringLiteral("10:30"));
    r.setField(QsoRecord::NomAbbaye, abbey);
    r.setField(QsoRecord::Qsl, QStringLiteral(" "));
    return r;
}

} // namespace

class TestUnencodable : public QObject
{
    Q_OBJECT
private slots:
    void firstUnencodable_data();
    void firstUnencodable();
    void logLineIsAlways138Bytes_data();
    void logLineIsAlways138Bytes();
    void sessionRefusesWhatIsNotAQsoLine_data();
    void sessionRefusesWhatIsNotAQsoLine();
    void noStationNoWrite();
    void firstNameListRefusesAndNames();
    void stationFieldNamesTheCharacter();
};

void TestUnencodable::firstUnencodable_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("first");
    QTest::newRow("the code page's own letters") << QString::fromUtf8("é œ € ñ Ÿ Š ž « » ° ß") << QString();
    QTest::newRow("Polish") << QString::fromUtf8("ŁÓDŹ 😀 œ€ Ω") << QString::fromUtf8("Ł");
    QTest::newRow("an emoji, two UTF-16 units") << QString::fromUtf8("ABBAZIA 😀") << QString::fromUtf8("😀");
    QTest::newRow("Greek") << QString::fromUtf8("Ωmega") << QString::fromUtf8("Ω");
    QTest::newRow("a lone surrogate") << (QStringLiteral("AB") + QChar(0xD83D)) << QString(QChar(0xD83D));
    QTest::newRow("empty") << QString() << QString();
}

void TestUnencodable::firstUnencodable()
{
    QFETCH(QString, text);
    QFETCH(QString, first);
    QCOMPARE(Cp1252::firstUnencodable(text), first);
    if (first.isEmpty()) {
        QCOMPARE(Cp1252::refusal(text), QString());
        QCOMPARE(Cp1252::decode(Cp1252::encode(text)), text);
    } else {
        QVERIFY(Cp1252::refusal(text).startsWith(QStringLiteral("Le caractère ")));
    }
}

void TestUnencodable::logLineIsAlways138Bytes_data()
{
    QTest::addColumn<QString>("abbey");
    QTest::addColumn<QString>("named"); // the refusal names it; empty when accepted
    QTest::newRow("accents kept") << QString::fromUtf8("ABBAYE DE CÎTEAUX œ € ñ") << QString();
    QTest::newRow("one emoji") << QString::fromUtf8("ABBAZIA 😀") << QString::fromUtf8("« 😀 » (U+1F600)");
    QTest::newRow("thirty emoji") << QString::fromUtf8("😀").repeated(30) << QString::fromUtf8("« 😀 »");
    QTest::newRow("emoji cut in half by the column") << (QString(59, QLatin1Char('A')) + QString::fromUtf8("😀"))
                                                      << QString::fromUtf8("« 😀 »");
    QTest::newRow("Ł") << QString::fromUtf8("ŁÓDŹ") << QString::fromUtf8("« Ł » (U+0141)");
    QTest::newRow("a tab") << QStringLiteral("ABBAZIA\tDI") << QStringLiteral("U+0009");
    QTest::newRow("a lone surrogate") << (QStringLiteral("ABBAZIA ") + QChar(0xDE00)) << QStringLiteral("U+DE00");
}

void TestUnencodable::logLineIsAlways138Bytes()
{
    QFETCH(QString, abbey);
    QFETCH(QString, named);
    const QsoRecord::Encoded e = record(abbey).toLogBytes();
    if (named.isEmpty()) {
        QVERIFY2(e.ok(), qPrintable(e.error));
        QCOMPARE(e.bytes.size(), 138);
        QCOMPARE(Cp1252::decode(e.bytes), record(abbey).toLogLine());
    } else {
        QVERIFY(!e.ok());
        QVERIFY(e.bytes.isEmpty());
        QVERIFY2(e.error.contains(named), qPrintable(e.error));
    }
}

void TestUnencodable::sessionRefusesWhatIsNotAQsoLine_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("why");
    const QByteArray good = qso("F6ABC", "PM0002", "11/01/07", "10:30").line();
    // What the plain encoder made of an emoji: one byte short, with the substitute byte.
    QByteArray emoji = good.left(76) + "ABBAZIA \x1A" + QByteArray(51, ' ') + ' ';
    QTest::newRow("137 bytes (an emoji)") << emoji << "compte 137 caractères au lieu de 138";
    QTest::newRow("139 bytes") << good + ' ' << "compte 139 caractères";
    QByteArray sub = good;
    sub[80] = '\x1A';
    QTest::newRow("substitute byte") << sub << "ne peut pas contenir";
    QByteArray nul = good;
    nul[80] = '\0';
    QTest::newRow("NUL") << nul << "caractère de contrôle (code 0)";
    QTest::newRow("CR inside") << good.left(137) + '\r' << "caractère de contrôle (code 13)";
}

void TestUnencodable::sessionRefusesWhatIsNotAQsoLine()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, why);
    QTemporaryDir dir;
    QTemporaryDir conf;
    Settings settings(conf.filePath(QStringLiteral("zel.ini")));
    settings.write(Settings::CommonSection, Settings::KeyCallsign, QStringLiteral("TEST1"));
    const QString log = dir.filePath(QStringLiteral("TEST1_ZEL.log"));
    QVERIFY(writeBytes(log, crlf({A})));
    LogSession session(settings, dir.path());
    session.openStation();
    QSignalSpy changed(&session, &LogSession::logChanged);
    for (const AtomicFile::Result &r : {session.append(line), session.insert(line), session.replace(line, A)}) {
        QVERIFY(!r.ok);
        QVERIFY2(r.error.contains(why), qPrintable(r.error));
        QVERIFY(r.error.contains(QStringLiteral("n'a pas été modifié")));
    }
    QCOMPARE(readBytes(log), crlf({A}));
    QCOMPARE(changed.count(), 0);
    // Removing a line is always possible, whatever its bytes.
    QVERIFY(session.remove(A).ok);
}

void TestUnencodable::noStationNoWrite()
{
    // QSOs typed before any station exists would go into a log that is never shown.
    QTemporaryDir dir;
    QTemporaryDir conf;
    Settings settings(conf.filePath(QStringLiteral("zel.ini")));
    LogSession session(settings, dir.path());
    session.openStation();
    QVERIFY(!session.hasStation());
    const AtomicFile::Result r = session.append(A);
    QVERIFY(!r.ok);
    QCOMPARE(r.error, LogSession::noStationMessage());
    QVERIFY(r.error.contains(QStringLiteral("Nouvel Indicatif")));
    QVERIFY(!session.insert(A).ok);
    QVERIFY(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

void TestUnencodable::firstNameListRefusesAndNames()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Liste_Prenom.txt"));
    QVERIFY(writeBytes(path, firstNameList()));
    FirstNameList list(path);
    list.Cherche_Prenom(QStringLiteral("SP5ABC"));
    const AtomicFile::Result r =
        list.Maj_Liste_Prenom(FirstNameList::record(QStringLiteral("SP5ABC"), QString::fromUtf8("Łukasz")));
    QVERIFY(!r.ok);
    QVERIFY2(r.error.contains(QString::fromUtf8("« Ł » (U+0141)")), qPrintable(r.error));
    QCOMPARE(readBytes(path), firstNameList());
    QVERIFY(list.Prenom_A_Ajouter());
    // The same station with a name the list can hold goes in as typed, in capitals.
    QVERIFY(list.Maj_Liste_Prenom(FirstNameList::record(QStringLiteral("SP5ABC"), QString::fromUtf8("Zoë"))).ok);
    QCOMPARE(readBytes(path), firstNameList() + "SP5ABC          ZO\xCB\r\n");
}

void TestUnencodable::stationFieldNamesTheCharacter()
{
    QTemporaryDir dir;
    QTemporaryDir conf;
    Settings settings(conf.filePath(QStringLiteral("zel.ini")));
    QVERIFY(StationService::checkTyped(QStringLiteral("F6ABC_P")).isEmpty());
    QVERIFY(StationService::checkTyped(QString::fromUtf8("F6ŁBC")).contains(QString::fromUtf8("« Ł »")));
    const StationService::Result r = StationService(settings, dir.path()).validate(QString::fromUtf8("F6łBC"));
    QVERIFY(!r.ok);
    QVERIFY(r.clearField);
    QVERIFY2(r.message.contains(QString::fromUtf8("« Ł » (U+0141)")), qPrintable(r.message));
    QVERIFY(r.message.endsWith(
        QStringLiteral("L'indicatif ne doit comporter que des lettres des chiffres ou le signe '_' ")));
    // A character of the code page keeps the message as it was.
    QCOMPARE(StationService(settings, dir.path()).validate(QStringLiteral("F6-ABC")).message,
             QStringLiteral("L'indicatif ne doit comporter que des lettres des chiffres ou le signe '_' "));
    QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

QTEST_GUILESS_MAIN(TestUnencodable)
#include "tst_unencodable.moc"
