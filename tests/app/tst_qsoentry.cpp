// The QSO entry without any window: what Enter in each field answers, the
// look-ups, the commit and its order of writes, the band and mode memory.

#include "Fakes.h"

#include "entry/QsoEntry.h"
#include "logstore/LogSession.h"
#include "logstore/QsoLabels.h"
#include "logstore/Settings.h"

#include "common/LogLines.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace zeltest;


class TestQsoEntry : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void callsignFillsTheFirstName();
    void referenceOfANewRegion();
    void referenceAlreadyContacted();
    void unlistedReferenceInInsertion();
    void commitWritesTheLogThenTheFirstName();
    void refusedLogWriteLearnsNoFirstName();
    void noCommitBeforeAStationExists();
    void commitRechecksEveryField();
    void editedQsoReplacesItsLine();
    void editedQsoTakesNoOtherLinesAbbey();
    void charactersTheLogCannotHold();
    void lookupsThatCannotAnswer();
    void bandAndModePositions_data();
    void bandAndModePositions();
    void storedPositionOutsideTheList_data();
    void storedPositionOutsideTheList();

private:
    QsoEntry::Values typed() const;
    QString path(const QString &name) const { return m_dir->filePath(name); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<LogSession> m_session;
    std::unique_ptr<QsoEntry> m_entry;
    FakeMessages m_messages;
    FakeClock m_clock;
    const QByteArray m_earlier = qso("IK0AAA", "TO0007", "05/01/07", "10:00").line();
};

void TestQsoEntry::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_settings = std::make_unique<Settings>(path(QStringLiteral("zel.ini")));
    m_settings->write(Settings::CommonSection, Settings::KeyCallsign, QStringLiteral("TEST1"));
    QVERIFY(writeBytes(path(QStringLiteral("Liste_Abbayes.txt")),
                       crlf({abbeyLine("AZ0001", "Abbazia di San Clemente a Casauria", "JN62"),
                             abbeyLine("TO0008", "Abbazia di Sant'Antimo", "JN53")})));
    QVERIFY(writeBytes(path(QStringLiteral("Liste_Prenom.txt")), crlf({"F1ABC           JEAN"})));
    QVERIFY(writeBytes(path(QStringLiteral("TEST1_ZEL.log")), crlf({m_earlier})));
    m_session = std::make_unique<LogSession>(*m_settings, m_dir->path());
    m_session->setLockTimeout(100);
    m_session->openStation();
    m_messages.clear();
    m_entry = std::make_unique<QsoEntry>(*m_session, *m_settings, m_messages, m_clock);
}

void TestQsoEntry::cleanup()
{
    m_entry.reset();
    m_session.reset();
}

QsoEntry::Values TestQsoEntry::typed() const
{
    QsoEntry::Values v;
    v[QsoEntry::Ind] = QStringLiteral("F1ABC");
    v[QsoEntry::Prenom] = QStringLiteral("jean");
    v[QsoEntry::Ref] = QStringLiteral("AZ0001");
    v[QsoEntry::Loc] = QStringLiteral("JN62");
    v[QsoEntry::Date] = QStringLiteral("14/03/07");
    v[QsoEntry::Heure] = QStringLiteral("09:05");
    v[QsoEntry::Mode] = QStringLiteral("CW");
    v[QsoEntry::Bande] = QStringLiteral("7.0 Mhz");
    v[QsoEntry::RstR] = QStringLiteral("599");
    v[QsoEntry::RstE] = QStringLiteral("579");
    v[QsoEntry::Nom] = QStringLiteral("ABBAZIA DI SAN CLEMENTE A CASAURIA");
    return v;
}

void TestQsoEntry::callsignFillsTheFirstName()
{
    QsoEntry::Values v;
    v[QsoEntry::Ind] = QStringLiteral("F1ABC");
    QsoEntry::Answer a = m_entry->enter(QsoEntry::Ind, v);
    QVERIFY(a.accepted);
    QCOMPARE(a.fill.value(QsoEntry::Prenom), QStringLiteral("JEAN"));
    QCOMPARE(a.next, QsoEntry::Prenom);

    v[QsoEntry::Ind] = QStringLiteral("G4XYZ");
    a = m_entry->enter(QsoEntry::Ind, v);
    QVERIFY(a.fill.isEmpty());

    v[QsoEntry::Ind].clear();
    a = m_entry->enter(QsoEntry::Ind, v);
    QVERIFY(!a.accepted);
    QCOMPARE(a.next, QsoEntry::None);
    QCOMPARE(m_messages.notices, QStringList{QStringLiteral("Entrez un indicatif")});
}

void TestQsoEntry::referenceOfANewRegion()
{
    QSignalSpy announced(m_entry.get(), &QsoEntry::newRegion);
    QSignalSpy done(m_entry.get(), &QsoEntry::newRegionDone);
    QsoEntry::Values v;
    v[QsoEntry::Ref] = QStringLiteral("AZ0001");
    const QsoEntry::Answer a = m_entry->enter(QsoEntry::Ref, v);
    QVERIFY(a.accepted);
    QVERIFY(a.newRegion);
    QCOMPARE(announced.count(), 1);
    QCOMPARE(announced.first().first().toString(), QStringLiteral("AZ0001"));
    // Plain entry: the clock gives date and time, the cursor goes to the mode.
    QCOMPARE(a.fill.value(QsoEntry::Loc), QStringLiteral("JN62"));
    QCOMPARE(a.fill.value(QsoEntry::Nom), QStringLiteral("ABBAZIA DI SAN CLEMENTE A CASAURIA"));
    QCOMPARE(a.fill.value(QsoEntry::Date), QStringLiteral("14/03/07"));
    QCOMPARE(a.fill.value(QsoEntry::Heure), QStringLiteral("09:05"));
    QCOMPARE(a.next, QsoEntry::Mode);
    QVERIFY(m_messages.shown.isEmpty());

    // A region already in the log is no news.
    v[QsoEntry::Ref] = QStringLiteral("TO0008");
    QVERIFY(!m_entry->enter(QsoEntry::Ref, v).newRegion);
    QCOMPARE(announced.count(), 1);

    v[QsoEntry::Mode] = QStringLiteral("SSB");
    QVERIFY(m_entry->enter(QsoEntry::Mode, v).accepted);
    QCOMPARE(done.count(), 1);
}

void TestQsoEntry::referenceAlreadyContacted()
{
    QsoEntry::Values v;
    v[QsoEntry::Ref] = QStringLiteral("TO0007");
    const QsoEntry::Answer a = m_entry->enter(QsoEntry::Ref, v);
    QVERIFY(a.restart);
    QCOMPARE(m_messages.notices, QStringList{QStringLiteral("TO0007 Abbaye deja contacté le 05/01/07")});
}

void TestQsoEntry::unlistedReferenceInInsertion()
{
    m_entry->startInsert();
    QCOMPARE(m_entry->stateText(), QStringLiteral("Insertion QSO"));
    QsoEntry::Values v;
    v[QsoEntry::Ref] = QStringLiteral("SD0009");
    const QsoEntry::Answer a = m_entry->enter(QsoEntry::Ref, v);
    QVERIFY(a.accepted);
    QCOMPARE(m_messages.notices, QStringList{QStringLiteral("ATTENTION cette Abbaye n'est pas referencée")});
    // A QSO inserted later is dated by hand: the clock fills nothing.
    QVERIFY(!a.fill.contains(QsoEntry::Date));
    QCOMPARE(a.next, QsoEntry::Loc);
}

void TestQsoEntry::commitWritesTheLogThenTheFirstName()
{
    QsoEntry::Values v = typed();
    v[QsoEntry::Ind] = QStringLiteral("G4XYZ");
    v[QsoEntry::Qsl] = QStringLiteral("*");
    QsoEntry::Field failing;
    const QsoEntry::Answer a = m_entry->commit(v, &failing);
    QVERIFY(a.accepted);
    QCOMPARE(m_messages.questions, QStringList{QStringLiteral("Voulez vous enregistrer ces données ?")});
    Qso q = qso("G4XYZ", "AZ0001", "14/03/07", "09:05");
    q.loc = "JN62";
    q.name = "JEAN";
    q.mode = "CW";
    q.band = "7.0 Mhz";
    q.rstR = "599";
    q.rstE = "579";
    q.abbey = "ABBAZIA DI SAN CLEMENTE A CASAURIA";
    q.qsl = true;
    QCOMPARE(readBytes(path(QStringLiteral("TEST1_ZEL.log"))), crlf({m_earlier, q.line()}));
    QCOMPARE(readBytes(path(QStringLiteral("Liste_Prenom.txt"))),
             crlf({"F1ABC           JEAN", "G4XYZ           JEAN"}));
    QCOMPARE(m_session->lineCount(), 2);
}

void TestQsoEntry::refusedLogWriteLearnsNoFirstName()
{
    // Another copy of the program holds the log: the QSO is not saved, so its
    // first name is not learnt either.
    QLockFile other(path(QStringLiteral("TEST1_ZEL.log.lock")));
    QVERIFY(other.tryLock());
    QsoEntry::Values v = typed();
    v[QsoEntry::Ind] = QStringLiteral("G4XYZ");
    QsoEntry::Field failing;
    QVERIFY(!m_entry->commit(v, &failing).accepted);
    QCOMPARE(failing, QsoEntry::None);
    QCOMPARE(m_messages.notices.size(), 1);
    QVERIFY(m_messages.notices.first().startsWith(QStringLiteral("Impossible d'enregistrer le journal")));
    QCOMPARE(readBytes(path(QStringLiteral("TEST1_ZEL.log"))), crlf({m_earlier}));
    QCOMPARE(readBytes(path(QStringLiteral("Liste_Prenom.txt"))), crlf({"F1ABC           JEAN"}));
}

void TestQsoEntry::noCommitBeforeAStationExists()
{
    m_settings->write(Settings::CommonSection, Settings::KeyCallsign, QStringLiteral("FXXXX"));
    m_session->openStation();
    QsoEntry::Field failing;
    QVERIFY(!m_entry->commit(typed(), &failing).accepted);
    QCOMPARE(m_messages.notices.size(), 1);
    QVERIFY(m_messages.notices.first().contains(QStringLiteral("Nouvel Indicatif")));
    QVERIFY(m_messages.questions.isEmpty());
    QVERIFY(!QFile::exists(path(QStringLiteral("FXXXX_ZEL.log"))));
}

void TestQsoEntry::commitRechecksEveryField()
{
    QsoEntry::Values v = typed();
    v[QsoEntry::Heure] = QStringLiteral("25:00");
    QsoEntry::Field failing;
    QVERIFY(!m_entry->commit(v, &failing).accepted);
    QCOMPARE(failing, QsoEntry::Heure);
    QCOMPARE(m_messages.notices, QStringList{QStringLiteral("Le format de l'heure doit etre HH:MM")});
    QCOMPARE(readBytes(path(QStringLiteral("TEST1_ZEL.log"))), crlf({m_earlier}));
}

void TestQsoEntry::editedQsoReplacesItsLine()
{
    QVERIFY(m_entry->select(0));
    QCOMPARE(m_entry->state(), QsoEntry::State::Modification);
    QsoEntry::Values v = m_entry->selectedValues();
    QCOMPARE(v[QsoEntry::Ind], QStringLiteral("IK0AAA"));
    QCOMPARE(v[QsoEntry::Date], QStringLiteral("05/01/07"));
    QVERIFY(m_entry->edit(0));
    // While a QSO is edited, a click on the list shows nothing else.
    QVERIFY(!m_entry->select(0));
    v[QsoEntry::Qsl] = QStringLiteral("*");
    QsoEntry::Field failing;
    QVERIFY(m_entry->commit(v, &failing).accepted);
    QByteArray confirmed = m_earlier;
    confirmed[137] = '*';
    QCOMPARE(readBytes(path(QStringLiteral("TEST1_ZEL.log"))), crlf({confirmed}));
    m_entry->endCommit();
    QCOMPARE(m_entry->state(), QsoEntry::State::Saisie);
    QVERIFY(!m_entry->editing());
}

void TestQsoEntry::editedQsoTakesNoOtherLinesAbbey()
{
    // A log edited by hand holds AZ0001 twice already; TO0007 once.
    const QByteArray twice = qso("F5XX", "AZ0001", "06/01/07", "11:00").line();
    const QByteArray again = qso("G4XYZ", "AZ0001", "07/01/07", "12:00").line();
    QVERIFY(writeBytes(path(QStringLiteral("TEST1_ZEL.log")), crlf({m_earlier, twice, again})));
    m_session->reload();
    const QByteArray before = readBytes(path(QStringLiteral("TEST1_ZEL.log")));
    QsoEntry::Field failing;

    // Changed to the abbey of another line: refused at Enter and at commit, the
    // log unchanged and the edit kept.
    QVERIFY(m_entry->select(1));
    QVERIFY(m_entry->edit(1));
    QsoEntry::Values v = m_entry->selectedValues();
    v[QsoEntry::Ref] = QStringLiteral("TO0007");
    const QString message = QStringLiteral("TO0007 Abbaye deja contacté le 05/01/07");
    const QsoEntry::Answer a = m_entry->enter(QsoEntry::Ref, v);
    QVERIFY(!a.accepted);
    QVERIFY(!a.restart);
    QCOMPARE(m_messages.notices, QStringList{message});
    QVERIFY(!m_entry->commit(v, &failing).accepted);
    QCOMPARE(failing, QsoEntry::Ref);
    QCOMPARE(m_messages.notices.last(), message);
    QVERIFY(m_messages.questions.isEmpty());
    QCOMPARE(readBytes(path(QStringLiteral("TEST1_ZEL.log"))), before);
    QVERIFY(m_entry->editing());

    // Its own abbey is no duplicate, even where another line holds it too: its QSL can still be ticked.
    m_messages.clear();
    v = m_entry->selectedValues();
    QVERIFY(m_entry->enter(QsoEntry::Ref, v).accepted);
    v[QsoEntry::Qsl] = QStringLiteral("*");
    QVERIFY(m_entry->commit(v, &failing).accepted);
    QCOMPARE(m_messages.notices, QStringList{});
    QByteArray confirmed = twice;
    confirmed[137] = '*';
    QCOMPARE(readBytes(path(QStringLiteral("TEST1_ZEL.log"))), crlf({m_earlier, confirmed, again}));
    m_entry->endCommit();

    // Changed to an abbey no line holds: accepted.
    QVERIFY(m_entry->select(0));
    QVERIFY(m_entry->edit(0));
    v = m_entry->selectedValues();
    v[QsoEntry::Ref] = QStringLiteral("TO0008");
    QVERIFY(m_entry->enter(QsoEntry::Ref, v).accepted);
}

void TestQsoEntry::charactersTheLogCannotHold()
{
    // Windows-1252 holds é, œ, € and ñ; not Ł, Ω or an emoji.
    QsoEntry::Values v = typed();
    v[QsoEntry::Nom] = QString::fromUtf8("ABBAYE ÉTÉ œ € ñ");
    QCOMPARE(QsoEntry::check(QsoEntry::Nom, v), QString());
    v[QsoEntry::Nom] = QString::fromUtf8("ŁÓDŹ");
    const QString refused = QsoEntry::check(QsoEntry::Nom, v);
    QVERIFY2(refused.contains(QString::fromUtf8("Ł")), qPrintable(refused));
    v[QsoEntry::Prenom] = QString::fromUtf8("JO😀");
    QVERIFY(!m_entry->enter(QsoEntry::Prenom, v).accepted);
    QVERIFY(m_messages.notices.last().contains(QString::fromUtf8("😀")));
    // A QSO opened for editing is checked again at commit: nothing is written.
    QsoEntry::Field failing;
    QVERIFY(!m_entry->commit(v, &failing).accepted);
    QCOMPARE(failing, QsoEntry::Prenom);
    QCOMPARE(readBytes(path(QStringLiteral("TEST1_ZEL.log"))), crlf({m_earlier}));
}

void TestQsoEntry::lookupsThatCannotAnswer()
{
    QsoEntry::Values v;
    v[QsoEntry::Ref] = QStringLiteral("AZ0001");
    // The abbey list gone while the program runs: said as such, the entry goes on.
    QVERIFY(QFile::remove(path(QStringLiteral("Liste_Abbayes.txt"))));
    QVERIFY(m_entry->enter(QsoEntry::Ref, v).accepted);
    QVERIFY2(m_messages.notices.last().contains(QStringLiteral("introuvable")), qPrintable(m_messages.notices.last()));
    // A log that could not be read never lets a reference through as new.
    QVERIFY(QFile::remove(path(QStringLiteral("TEST1_ZEL.log"))));
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("TEST1_ZEL.log")));
    m_session->reload();
    m_messages.clear();
    v[QsoEntry::Ref] = QStringLiteral("TO0007");
    const QsoEntry::Answer a = m_entry->enter(QsoEntry::Ref, v);
    QVERIFY(!a.accepted);
    QCOMPARE(a.next, QsoEntry::None);
    QCOMPARE(m_messages.notices.size(), 1);
}

void TestQsoEntry::bandAndModePositions_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("stored");
    QTest::newRow("band from the list") << int(QsoEntry::Bande) << "28 Mhz" << 8;
    QTest::newRow("band typed as an item") << int(QsoEntry::Bande) << "144 Mhz" << 10;
    QTest::newRow("band of no item") << int(QsoEntry::Bande) << "5 Mhz" << -1;
    // Blanks, case and "Mhz" do not count; nor how the same number is written.
    QTest::newRow("band number alone") << int(QsoEntry::Bande) << "14" << 4;
    QTest::newRow("band in small letters") << int(QsoEntry::Bande) << "14 mhz" << 4;
    QTest::newRow("band without blank") << int(QsoEntry::Bande) << "14MHZ" << 4;
    QTest::newRow("band with blanks around") << int(QsoEntry::Bande) << " 3.5 MHZ " << 1;
    QTest::newRow("band 7 for 7.0") << int(QsoEntry::Bande) << "7" << 2;
    QTest::newRow("band with a comma") << int(QsoEntry::Bande) << "1,8" << 0;
    QTest::newRow("band 1.4 is not 14") << int(QsoEntry::Bande) << "1.4" << -1;
    QTest::newRow("Mhz alone") << int(QsoEntry::Bande) << "MHZ" << -1;
    QTest::newRow("mode typed as an item") << int(QsoEntry::Mode) << "CW" << 1;
    QTest::newRow("mode in small letters") << int(QsoEntry::Mode) << "cw" << 1;
    QTest::newRow("mode with a blank") << int(QsoEntry::Mode) << "s sb" << 0;
    QTest::newRow("mode of no item") << int(QsoEntry::Mode) << "PSK" << -1;
}

void TestQsoEntry::bandAndModePositions()
{
    QFETCH(int, field);
    QFETCH(QString, text);
    QFETCH(int, stored);
    m_entry->rememberPosition(QsoEntry::Field(field), text);
    QCOMPARE(m_entry->storedPosition(QsoEntry::Field(field)), stored);
    // The log keeps the item's own label, or the text as typed when no item has it.
    const QStringList items = field == QsoEntry::Bande ? QsoLabels::bands() : QsoLabels::modes();
    QCOMPARE(QsoEntry::listLabel(QsoEntry::Field(field), text), stored < 0 ? text : items.at(stored));
    // Editing an old QSO leaves the station's band and mode alone.
    QVERIFY(m_entry->select(0));
    m_entry->rememberPosition(QsoEntry::Field(field), QStringLiteral("SSB"));
    m_entry->rememberPosition(QsoEntry::Field(field), QStringLiteral("1.8 Mhz"));
    QCOMPARE(m_entry->storedPosition(QsoEntry::Field(field)), stored);
}

void TestQsoEntry::storedPositionOutsideTheList_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("band");
    QTest::addColumn<int>("mode");
    QTest::newRow("typed by hand") << "-1" << -1 << -1;
    QTest::newRow("too large") << "99" << 0 << 0;
    QTest::newRow("negative") << "-5" << 0 << 0;
    QTest::newRow("last items") << "2" << 2 << 2;
    QTest::newRow("last band") << "11" << 11 << 0;
}

void TestQsoEntry::storedPositionOutsideTheList()
{
    QFETCH(QString, value);
    QFETCH(int, band);
    QFETCH(int, mode);
    m_settings->write(Settings::stationSection(QStringLiteral("TEST1")), Settings::KeyBand, value);
    m_settings->write(Settings::stationSection(QStringLiteral("TEST1")), Settings::KeyMode, value);
    QCOMPARE(m_entry->storedPosition(QsoEntry::Bande), band);
    QCOMPARE(m_entry->storedPosition(QsoEntry::Mode), mode);
}

QTEST_GUILESS_MAIN(TestQsoEntry)
#include "tst_qsoentry.moc"
