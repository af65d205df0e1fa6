#include "logstore/Cp1252.h"
#include "logstore/LogChange.h"
#include "logstore/LogFile.h"
#include "logstore/LogRewriter.h"
#include "logstore/LogSession.h"
#include "logstore/QsoRecord.h"
#include "logstore/Settings.h"
#include "qsl/PendingQsl.h"
#include "refdata/LogIndex.h"
#include "refdata/LogLookups.h"
#include "refdata/RegionTable.h"
#include "regions/RegionTally.h"
#include "reports/AwardHistory.h"
#include "reports/AwardScore.h"
#include "spots/SpotStanding.h"

#include "common/LogLines.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using zeltest::Qso;

namespace {

const QString Station = QStringLiteral("F6IDX");

QByteArray line(const QByteArray &call, const QByteArray &ref, const QByteArray &date, const QByteArray &time,
                const QByteArray &band = "14 Mhz", bool qsl = false, const QByteArray &mode = "SSB")
{
    Qso q = zeltest::qso(call, ref, date, time);
    q.band = band;
    q.mode = mode;
    q.qsl = qsl;
    q.abbey = "ABBAZIA";
    return q.line();
}

const QStringList Bands{QStringLiteral("Toutes"), QStringLiteral("14 Mhz"), QStringLiteral("7.0 Mhz"),
                        QStringLiteral("21 Mhz"), QStringLiteral("28 Mhz")};
const QStringList References{QStringLiteral("LZ0001"), QStringLiteral("AZ0002"), QStringLiteral("VN0004"),
                             QStringLiteral("SD0005"), QStringLiteral("LZ0006"), QStringLiteral("TC0007"),
                             QStringLiteral("UM008"), QStringLiteral("PI0009"), QStringLiteral("XX0010"),
                             QStringLiteral("CA0011"), QStringLiteral("AZ0012")};

// Everything the index answers, as text, so that two indexes compare in one go.
QStringList answers(const LogIndex &index)
{
    QStringList out;
    for (const QString &r : References) {
        const LogIndex::Reference a = index.reference(r);
        QStringList rows;
        for (int row : a.rows)
            rows << QString::number(row);
        out << QStringLiteral("%1 %2 %3 [%4] first=%5").arg(r).arg(a.contacted).arg(a.confirmed)
                   .arg(rows.join(QLatin1Char(','))).arg(index.firstRow(r));
    }
    for (int slot = 1; slot <= RegionTable::SlotCount; ++slot) {
        QString s = QString::number(slot);
        for (const QString &band : Bands) {
            s += QLatin1Char(' ') + QString::number(int(index.region(slot, band)));
            s += QLatin1Char('/') + QString::number(int(index.region(slot, band, QStringLiteral("CW"))));
            s += QLatin1Char('/') + QString::number(index.regionRows(slot, band).size());
        }
        out << s;
    }
    for (const char *code : {"LZ", "VE", "XX", "lz", "QQ"})
        out << QStringLiteral("code %1 %2").arg(QLatin1String(code)).arg(index.regionWorked(QLatin1String(code)));
    for (const char *call : {"F1AAA", "F2BBB", "DL1CCC", "I0DDD"}) {
        QString s = QLatin1String(call);
        for (const LogIndex::Qso &q : index.qsosOf(QByteArray(call)))
            s += QStringLiteral(" %1:%2:%3:%4%5").arg(q.row).arg(q.minute).arg(q.band).arg(q.confirmed).arg(q.markable);
        out << s;
    }
    QStringList pending;
    for (int row : index.unconfirmedByReference())
        pending << QString::number(row);
    out << QStringLiteral("pending ") + pending.join(QLatin1Char(','));
    out << QStringLiteral("lines %1 confirmed %2 markable %3")
               .arg(index.lineCount()).arg(index.confirmedLines()).arg(index.unconfirmedCount());
    QString months;
    for (int m = 0; m < LogIndex::MonthSlots; ++m) {
        if (index.contactedInMonth(m) > 0)
            months += QStringLiteral(" %1:%2/%3").arg(m).arg(index.contactedInMonth(m)).arg(index.confirmedInMonth(m));
    }
    out << QStringLiteral("months") + months;
    QString days;
    for (const LogIndex::Day &d : index.days())
        days += QStringLiteral(" %1:%2/%3").arg(d.date.toString(Qt::ISODate)).arg(d.lines).arg(d.confirmed);
    out << QStringLiteral("days") + days;
    return out;
}

} // namespace

class TestLogIndex : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void handEditedLinesThroughEveryRoom();
    void changesKeepTheIndexAsAFreshBuild();
    void changeReportsSayWhichRows();
    void baseCallsignAndMinute();
    void askedReferencesAreReadTrimmedInCapitals();
    void editedCallsignIsMatchedUnderItsNewName();
    void lastChangeSaysWhichAbbeysItTouched();

private:
    void writeLog(const QList<QByteArray> &lines);
    void open();

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<LogSession> m_session;
};

void TestLogIndex::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_settings = std::make_unique<Settings>(m_dir->filePath(QStringLiteral("zel.ini")));
    m_settings->write(Settings::CommonSection, Settings::KeyCallsign, Station);
}

void TestLogIndex::cleanup()
{
    m_session.reset();
    m_settings.reset();
    m_dir.reset();
}

void TestLogIndex::writeLog(const QList<QByteArray> &lines)
{
    QVERIFY(zeltest::writeBytes(m_dir->filePath(LogFile::fileName(Station)), zeltest::crlf(lines)));
}

void TestLogIndex::open()
{
    m_session = std::make_unique<LogSession>(*m_settings, m_dir->path());
    m_session->setLockTimeout(200);
    m_session->openStation();
}

void TestLogIndex::handEditedLinesThroughEveryRoom()
{
    const QByteArray confirmed = line("F1AAA", "LZ0001", "12/03/07", "14:30", "14 Mhz", true);
    const QByteArray small = line("f2bbb", "az0002", "13/03/07", "15:00", "7.0 Mhz");
    // Cut short by an editor that trims blanks: its columns stand where they were.
    const QByteArray shortLine = line("DL1CCC", "VN0004", "14/03/07", "09:00", "21 Mhz").left(70);
    // Longer than a QSO line: the columns still stand, the QSL column is the 138th.
    QByteArray longLine = line("I0DDD", "SD0005", "15/03/07", "10:00", "28 Mhz", true) + "  extra";
    // Shifted: fields typed one blank apart from the start of the line.
    const QByteArray shifted = "F5EEE LZ0006 16/03/07 11:00 SSB 14 Mhz 59 59 ABBAZIA";
    // Written by another program in UTF-8: an accented first name shifts the bytes.
    QByteArray utf8 = line("F4FFF", "TC0007", "17/03/07", "12:00", "14 Mhz");
    utf8.replace(18, 6, QByteArray("J\xC3\xA9r\xC3\xB4me").left(6) + "  ");
    const QByteArray blank = "";
    const QByteArray blanks = QByteArray(138, ' ');
    // A leading blank in the reference column.
    const QByteArray leading = line("F3GGG", " UM008", "18/03/07", "13:00", "14 Mhz", false, "CW");
    writeLog({confirmed, small, shortLine, longLine, shifted, utf8, blank, blanks, leading});
    open();
    QCOMPARE(m_session->lineCount(), 9);
    const LogIndex index(*m_session);

    // Abbeys: trimmed, in capitals, hand-edited lines included.
    QVERIFY(index.confirmed(QStringLiteral("lz0001")));
    QVERIFY(index.contacted(QStringLiteral(" AZ0002 ")));
    QVERIFY(!index.confirmed(QStringLiteral("AZ0002")));
    QVERIFY(index.contacted(QStringLiteral("VN0004")));
    QVERIFY(index.confirmed(QStringLiteral("SD0005")));
    QVERIFY(index.contacted(QStringLiteral("LZ0006")));
    QVERIFY(index.contacted(QStringLiteral("TC0007")));
    QVERIFY(index.contacted(QStringLiteral("UM008")));
    QVERIFY(!index.contacted(QStringLiteral("PI0009")));
    QCOMPARE(index.reference(QStringLiteral("LZ0006")).rows, QList<int>({4}));

    // The entry's checks say the same, with the date of the QSO.
    for (const QString &r : References) {
        const LogLookups::Contact c = LogLookups::Deja_Contacte(index, r);
        QCOMPARE(c.found, index.contacted(r));
        QCOMPARE(LogLookups::Deja_Contacte(*m_session, r).found, c.found);
    }
    QCOMPARE(LogLookups::Deja_Contacte(index, QStringLiteral("LZ0006")).date, QStringLiteral("16/03/07"));
    QCOMPARE(LogLookups::Deja_Contacte(index, QStringLiteral("VN0004")).date, QStringLiteral("14/03/07"));
    QCOMPARE(LogLookups::Deja_Contacte(index, QStringLiteral("TC0007")).date, QStringLiteral("17/03/07"));
    QVERIFY(!LogLookups::Deja_Contacte(index, QStringLiteral("LZ0006"), 4).found);
    QVERIFY(LogLookups::Cherche_Region(index, QStringLiteral("AZ")).found);
    QVERIFY(LogLookups::Cherche_Region(index, QStringLiteral("VE")).found); // Veneto either code
    QVERIFY(!LogLookups::Cherche_Region(index, QStringLiteral("PI")).found);

    // The spots' statuses agree with the index on every reference.
    SpotStanding spots(index);
    for (const QString &r : References) {
        const SpotStanding::Status s = spots.status(r);
        QCOMPARE(s == SpotStanding::Status::Confirmed, index.confirmed(r));
        QCOMPARE(s == SpotStanding::Status::Confirmed || s == SpotStanding::Status::Worked, index.contacted(r));
        QCOMPARE(!SpotStanding::needed(s), LogLookups::Deja_Contacte(index, r).found);
        QCOMPARE(s != SpotStanding::Status::NewRegion, LogLookups::Cherche_Region(index, r.left(2)).found);
    }

    // The map and the regions list: the log's band label exactly; the shifted and
    // UTF-8 lines count for "Toutes" only.
    const int lazio = RegionTable::slotOfCode(QStringLiteral("LZ"));
    const int veneto = RegionTable::VenetoSlot;
    const int toscana = RegionTable::slotOfCode(QStringLiteral("TC"));
    const int sardegna = RegionTable::slotOfCode(QStringLiteral("SD"));
    const int umbria = RegionTable::slotOfCode(QStringLiteral("UM"));
    const RegionTally all = Compte_Regions(index, QStringLiteral("Toutes"), QStringLiteral("SSB"));
    QCOMPARE(all.status(lazio), RegionStatus::Confirmed);
    QCOMPARE(all.status(toscana), RegionStatus::Worked);
    QCOMPARE(all.status(umbria), RegionStatus::Worked);
    QCOMPARE(all.count, 6);
    const RegionTally twenty = Compte_Regions(index, QStringLiteral("14 Mhz"), QStringLiteral("SSB"));
    QCOMPARE(twenty.status(lazio), RegionStatus::Confirmed);
    QCOMPARE(twenty.status(toscana), RegionStatus::NotWorked);
    QCOMPARE(twenty.status(umbria), RegionStatus::Worked);
    QCOMPARE(regionRows(index, lazio, QStringLiteral("14 Mhz")), QList<int>({0}));
    QCOMPARE(regionRows(index, lazio, QStringLiteral("Toutes")), QList<int>({0, 4}));
    QCOMPARE(Compte_Regions(index, QStringLiteral("21 Mhz"), {}).status(veneto), RegionStatus::Worked);
    QCOMPARE(Compte_Regions(index, QStringLiteral("28 Mhz"), {}).status(sardegna), RegionStatus::Confirmed);
    QCOMPARE(Compte_Regions(index, QStringLiteral("14 mhz"), {}).count, 0); // the label exactly
    QCOMPARE(index.region(umbria, QStringLiteral("14 Mhz"), QStringLiteral("CW")), LogIndex::Standing::Worked);
    QCOMPARE(index.region(umbria, QStringLiteral("14 Mhz"), QStringLiteral("SSB")), LogIndex::Standing::NotWorked);
    // The session's own tally (indexed for the question) is the same.
    QCOMPARE(Compte_Regions(*m_session, QStringLiteral("14 Mhz"), {}).statuses, twenty.statuses);

    // The score counts lines, the confirmed ones by their 138th character.
    const AwardScore score = AwardScore::fromIndex(index);
    QCOMPARE(score.contacted(), 9);
    QCOMPARE(score.confirmed(), 2);
    QCOMPARE(AwardScore::fromSession(*m_session).confirmed(), score.confirmed());
    const QDate today(2007, 4, 2);
    QCOMPARE(AwardHistory::fromIndex(index, today).size(), AwardHistory::fromSession(*m_session, today).size());
    QCOMPARE(AwardHistory::fromIndex(index, today).first().contacted,
             AwardHistory::fromSession(*m_session, today).first().contacted);
    // Day by day (the log spans a few days): the days where the date column stands
    // (the shifted line gives none), counted as a pass over the lines counts them.
    QList<QByteArrayView> lines;
    for (int row = 0; row < m_session->lineCount(); ++row)
        lines << m_session->line(row);
    const QList<AwardHistory::Month> days = AwardHistory::daysFromIndex(index, today);
    const QList<AwardHistory::Month> read = AwardHistory::daysFromLines(lines, today);
    QCOMPARE(days.size(), read.size());
    for (int i = 0; i < days.size(); ++i) {
        QCOMPARE(days.at(i).month, read.at(i).month);
        QCOMPARE(days.at(i).contacted, read.at(i).contacted);
        QCOMPARE(days.at(i).confirmed, read.at(i).confirmed);
    }
    QCOMPARE(days.first().month, QDate(2007, 3, 12));
    QCOMPARE(days.last().month, today);

    // Cards to come: only lines the program can mark, by reference.
    // (a line of blanks is 138 characters without its flag: it is listed, first)
    QCOMPARE(PendingQsl::rows(index), QList<int>({7, 1, 8}));
    // ordered by the reference as the index reads it: " UM008" (leading blank) as UM008
    QCOMPARE(index.unconfirmedRows(), QList<int>({1, 7, 8}));

    // Confirmations: a QSO line's base callsign, band and minute.
    const QList<LogIndex::Qso> f2 = index.qsosOf(QByteArray("F2BBB"));
    QCOMPARE(f2.size(), 1);
    QCOMPARE(f2.first().row, 1);
    QCOMPARE(f2.first().minute, qint32(QsoRecord::utcMinute(small)));
    QVERIFY(f2.first().markable);
    QVERIFY(index.qsosOf(QByteArray("DL1CCC")).isEmpty()); // a short line is no QSO to confirm
}

void TestLogIndex::changesKeepTheIndexAsAFreshBuild()
{
    // Written in UTF-8 by another program, with a second abbey typed over its first
    // fields: the line names two, and the rows around it move.
    QByteArray two = line("F4FFF", "TC0007", "15/03/07", "12:00");
    two.replace(0, 22, "AZ0012 15/03/07 12:00 ");
    two.replace(76, 7, "ABBAZ\xC3\x8C" "A");
    writeLog({line("F1AAA", "LZ0001", "12/03/07", "14:30"), line("F2BBB", "az0002", "13/03/07", "15:00", "7.0 Mhz"),
              two, "F5EEE LZ0006 16/03/07 11:00 SSB 14 Mhz 59 59 ABBAZIA",
              line("DL1CCC/P", "VN0004", "14/03/07", "09:00", "21 Mhz").left(90),
              line("I0DDD", "SD0005", "20/03/07", "10:00", "28 Mhz", true)});
    open();
    LogIndex index(*m_session);
    QSignalSpy changes(&index, &LogIndex::changed);
    answers(index); // built now, then followed
    QVERIFY(index.contacted(QStringLiteral("AZ0012")) && index.contacted(QStringLiteral("TC0007")));
    QCOMPARE(index.firstRow(QStringLiteral("AZ0012")), 2);

    const auto same = [&](const char *what, bool edit = true) {
        QVERIFY2(!changes.isEmpty(), what);
        const LogChange c = changes.takeLast().at(0).value<LogChange>();
        QVERIFY2(c.isEdit() == edit, what);
        QVERIFY2(index.isBuilt() || !edit, what);
        const LogIndex fresh(*m_session);
        QCOMPARE(answers(index), answers(fresh));
    };

    QVERIFY(m_session->append(line("F1AAA", "TC0007", "21/03/07", "08:00", "14 Mhz", false, "CW")).ok);
    same("append");
    QVERIFY(m_session->insert(line("F2BBB", "PI0009", "13/03/07", "16:00")).ok);
    same("insert in order");
    const QByteArray old = m_session->line(0).toByteArray();
    QVERIFY(m_session->replace(line("F1AAA", "LZ0001", "12/03/07", "14:30", "7.0 Mhz", true), old).ok);
    same("replace");
    const QByteArray moving = m_session->line(1).toByteArray();
    QVERIFY(m_session->replaceInOrder(line("F2BBB", "UM0008", "22/03/07", "07:00"), moving).ok);
    same("moving replace");
    QVERIFY(m_session->remove(m_session->line(2).toByteArray()).ok);
    same("delete");
    QVERIFY(m_session->markConfirmed({0, 1, m_session->lineCount() - 1}).ok);
    same("QSL marks");
    QVERIFY(m_session->merge({line("F1AAA", "CA0011", "01/03/07", "06:00"), line("DL1CCC", "XX0010", "25/03/07", "06:00")},
                             {{1, m_session->line(1).toByteArray()}})
                .ok);
    same("merge");
    const QByteArray renamed = m_session->line(0).toByteArray();
    QByteArray newName = renamed;
    newName.replace(76, 7, "ABBADIA");
    QVERIFY(m_session->replaceLines({0}, {renamed}, {newName}).ok);
    same("names rewritten");
    // A hand-edited line left as it was by a rewrite keeps its place in the index.
    QVERIFY(!m_session->malformedLines().isEmpty());

    // Another program writes the log: read anew, built again at the next question.
    QByteArray bytes = zeltest::readBytes(m_session->logPath());
    bytes += line("F9ZZZ", "LZ0003", "30/03/07", "10:00") + "\r\n";
    QVERIFY(zeltest::writeBytes(m_session->logPath(), bytes));
    QVERIFY(m_session->refreshIfChanged());
    same("read anew", false);
    QVERIFY(index.contacted(QStringLiteral("LZ0003")));
}

void TestLogIndex::changeReportsSayWhichRows()
{
    writeLog({line("F1AAA", "LZ0001", "12/03/07", "14:30"), line("F2BBB", "AZ0002", "13/03/07", "15:00"),
              line("F2BBB", "AZ0003", "15/03/07", "15:00")});
    open();
    QSignalSpy spy(m_session.get(), &LogSession::logChanged);
    const auto last = [&] { return spy.takeLast().at(0).value<LogChange>(); };

    QVERIFY(m_session->append(line("F3CCC", "TC0007", "21/03/07", "08:00")).ok);
    LogChange c = last();
    QCOMPARE(c.added, QList<int>({3}));
    QVERIFY(c.removed.isEmpty() && c.replaced.isEmpty());

    QVERIFY(m_session->insert(line("F3CCC", "PI0009", "14/03/07", "08:00")).ok);
    c = last();
    QCOMPARE(c.added, QList<int>({2}));
    QCOMPARE(c.rowAfter(2), 3);

    QVERIFY(m_session->markConfirmed({1}).ok);
    c = last();
    QVERIFY(c.keepsRows());
    QCOMPARE(c.replaced, QList<int>({1}));

    // The QSO of row 0 moves after the one of row 2: gone from its place, added at its new one.
    QVERIFY(m_session->replaceInOrder(line("F1AAA", "LZ0001", "14/03/07", "09:00"), m_session->line(0).toByteArray()).ok);
    c = last();
    QCOMPARE(c.removed, QList<int>({0}));
    QCOMPARE(c.added, QList<int>({2}));
    QCOMPARE(c.rowAfter(1), 0);
    QCOMPARE(c.rowAfter(2), 1);
    QCOMPARE(c.rowAfter(3), 3);

    QVERIFY(m_session->remove(m_session->line(4).toByteArray()).ok);
    c = last();
    QCOMPARE(c.removed, QList<int>({4}));
    QVERIFY(c.added.isEmpty());

    QVERIFY(m_session->reload());
    QVERIFY(!last().isEdit());
}

void TestLogIndex::baseCallsignAndMinute()
{
    // The import's rule and the cluster login's rule, one function.
    QCOMPARE(LogFile::baseCallsign(QByteArrayView("IT9/f6abc/P")), QByteArray("F6ABC"));
    QCOMPARE(LogFile::baseCallsign(QStringLiteral("F6ABC_P")), QStringLiteral("F6ABC"));
    QCOMPARE(LogFile::baseCallsign(QByteArrayView(" dl1abc ")), QByteArray("DL1ABC"));
    QCOMPARE(LogFile::baseCallsign(QByteArrayView("F/DL1ABC")), QByteArray("DL1ABC"));
    QCOMPARE(LogFile::baseCallsign(QByteArrayView("")), QByteArray());
    QCOMPARE(LogFile::baseCallsign(QStringLiteral("//")), QString());

    const QByteArray q = line("F1AAA", "LZ0001", "02/01/50", "00:03");
    QCOMPARE(QsoRecord::utcMinute(q), qint64(1440 + 3));
    QCOMPARE(QsoRecord::utcMinute(line("F1AAA", "LZ0001", "01/01/00", "00:00")),
             qint64(QDate(1950, 1, 1).daysTo(QDate(2000, 1, 1))) * 1440);
    const QByteArray impossible = line("F1AAA", "LZ0001", "31/02/07", "10:00");
    QCOMPARE(QsoRecord::utcMinute(impossible), qint64(-1));
    // For ordering, a day that does not exist is counted from the first of its month.
    QCOMPARE(LogRewriter::timestamp(impossible), QsoRecord::utcMinute(line("F1AAA", "LZ0001", "03/03/07", "10:00")));
    QCOMPARE(QsoRecord::utcMinute(line("F1AAA", "LZ0001", "12/03/07", "24:00")), qint64(-1));
    QCOMPARE(QsoRecord::utcMinute(QByteArray("short")), qint64(-1));
}

void TestLogIndex::askedReferencesAreReadTrimmedInCapitals()
{
    // What a window asks is read as the log's lines are: blanks trimmed, capitals.
    writeLog({line("F1AAA", "LZ0001", "01/02/20", "10:00", "14 Mhz", true),
              line("F2BBB", "\xC9T0002", "02/02/20", "10:00")});
    open();
    const LogIndex index(*m_session);
    for (const QString &asked : {QStringLiteral("LZ0001"), QStringLiteral(" lz0001"), QStringLiteral("Lz0001\t"),
                                 QStringLiteral("\n lZ0001 \r")}) {
        QVERIFY2(index.contacted(asked) && index.confirmed(asked), qPrintable(asked));
        QCOMPARE(index.firstRow(asked), 0);
    }
    for (const QString &asked : {QStringLiteral("LZ00012"), QStringLiteral("LZ 0001"), QString(),
                                 QStringLiteral("   "), QStringLiteral("LZ0001\u00A0X"), QStringLiteral("LZ0001234")})
        QVERIFY2(!index.contacted(asked), qPrintable(asked));
    // Letters beyond ASCII go through the same rule.
    QVERIFY(index.contacted(QStringLiteral("ét0002")));
    QVERIFY(index.contacted(QStringLiteral("\u00A0ÉT0002")));
    QVERIFY(!index.confirmed(QStringLiteral("ÉT0002")));
}

void TestLogIndex::editedCallsignIsMatchedUnderItsNewName()
{
    // A QSO whose callsign is corrected in place: a confirmation for the new
    // callsign finds it at once, none for the old one does.
    writeLog({line("F1AAA", "LZ0001", "12/03/07", "14:30"), line("F2BBB", "AZ0002", "13/03/07", "15:00")});
    open();
    const LogIndex index(*m_session);
    QCOMPARE(index.qsosOf(QByteArray("F1AAA")).size(), 1);
    QVERIFY(index.qsosOf(QByteArray("F9XYZ")).isEmpty());
    const QByteArray old = m_session->line(0).toByteArray();
    QVERIFY(m_session->replace(line("F9XYZ/P", "LZ0001", "12/03/07", "14:30"), old).ok);
    const QList<LogIndex::Qso> found = index.qsosOf(QByteArray("F9XYZ"));
    QCOMPARE(found.size(), 1);
    QCOMPARE(found.first().row, 0);
    QCOMPARE(found.first().minute, QsoRecord::utcMinute(m_session->line(0)));
    QVERIFY(index.qsosOf(QByteArray("F1AAA")).isEmpty());
}

void TestLogIndex::lastChangeSaysWhichAbbeysItTouched()
{
    writeLog({line("F1AAA", "LZ0001", "12/03/07", "14:30"), line("F2BBB", "AZ0002", "13/03/07", "15:00")});
    open();
    const LogIndex index(*m_session);
    // Not built yet: anything may have changed.
    QVERIFY(index.mayHaveChanged(QStringLiteral("TC0007")));
    index.contacted(QStringLiteral("LZ0001"));
    QVERIFY(m_session->append(line("F3CCC", "vn0004", "14/03/07", "10:00")).ok);
    // The abbey itself, and its region (VN and VE are both Veneto): a new region
    // turns their spots from "Nouvelle région" to "Nouvelle abbaye".
    for (const char *ref : {"VN0004", " vn0004", "VN0099", "VE0001"})
        QVERIFY2(index.mayHaveChanged(QString::fromLatin1(ref)), ref);
    for (const char *ref : {"LZ0001", "AZ0002", "TC0007", "XX0001", ""})
        QVERIFY2(!index.mayHaveChanged(QString::fromLatin1(ref)), ref);
    // A QSO replaced: the abbey it had and the one it has.
    const QByteArray old = m_session->line(0).toByteArray();
    QVERIFY(m_session->replace(line("F1AAA", "TC0007", "12/03/07", "14:30"), old).ok);
    QVERIFY(index.mayHaveChanged(QStringLiteral("LZ0001")));
    QVERIFY(index.mayHaveChanged(QStringLiteral("TC0007")));
    QVERIFY(!index.mayHaveChanged(QStringLiteral("VN0004")));
    // Deleted: its abbey.
    QVERIFY(m_session->remove(m_session->line(1).toByteArray()).ok);
    QVERIFY(index.mayHaveChanged(QStringLiteral("AZ0002")));
    QVERIFY(!index.mayHaveChanged(QStringLiteral("TC0007")));
    // Written by another program: read anew, nothing can be said.
    QByteArray bytes = zeltest::readBytes(m_session->logPath());
    bytes += line("F9ZZZ", "LZ0003", "30/03/07", "10:00") + "\r\n";
    QVERIFY(zeltest::writeBytes(m_session->logPath(), bytes));
    QVERIFY(m_session->refreshIfChanged());
    QVERIFY(index.mayHaveChanged(QStringLiteral("AZ0002")));
}

QTEST_GUILESS_MAIN(TestLogIndex)
#include "tst_logindex.moc"
