// The abbey list replaced, and put back: the list in use kept as
// "Liste_Abbayes.txt.Precedente", the new list in its place, the log's names
// rewritten only when asked, the three together; a list or log changed on disk, a
// held lock, a full disk, a file-size limit, a protected log or a damaged note of
// an interrupted update leave every file as it was. (Kills and failing writes at
// every step: tests/stress/listswap.cpp.)

#include "common/LogLines.h"
#include "logstore/Faults.h"
#include "logstore/LockHolder.h"

#include "logstore/Cp1252.h"
#include "logstore/FileLock.h"
#include "logstore/LogSession.h"
#include "logstore/Settings.h"
#include "refdata/AbbeyList.h"
#include "refdata/AbbeyListSwap.h"
#include "refdata/AbbeyTable.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace zeltest;

namespace {

const QByteArray OldList = crlf({abbeyLine("AZ0001", "Abbazia di San Clemente", "JN62"),
                                 abbeyLine("MR0005", "Santa Maria a pie di Chienti", "JN63"),
                                 abbeyLine("VN0001", "Abbazia di Praglia", "JN55")});
// Saved by a modern editor: UTF-8, a line the list cannot hold, no line end at the end.
const QByteArray NewFile = abbeyLine("AZ0001", "Abbazia di San Clemente", "JN62") + "\n"
    + Cp1252::decode(abbeyLine("MR0005", "Santa Maria a pi\xE8 di Chienti", "JN63")).toUtf8() + "\n" + "-- fin --\n"
    + abbeyLine("LB0001", "Abbazia di Piona", "JN46");
const QByteArray NewList = crlf({abbeyLine("AZ0001", "Abbazia di San Clemente", "JN62"),
                                 abbeyLine("MR0005", "Santa Maria a pi\xE8 di Chienti", "JN63"),
                                 abbeyLine("LB0001", "Abbazia di Piona", "JN46")});

Qso named(const QByteArray &call, const QByteArray &ref, const QByteArray &date, const QByteArray &abbey)
{
    Qso q = qso(call, ref, date, "10:00");
    q.abbey = abbey;
    return q;
}

const QByteArray A = named("I1AAA", "AZ0001", "10/01/07", "ABBAZIA DI SAN CLEMENTE").line();
const QByteArray B = named("I2BBB", "MR0005", "11/01/07", "SANTA MARIA A PIE DI CHIENTI").line();
const QByteArray BTyped = named("I3CCC", "MR0005", "12/01/07", "PIE DI CHIENTI").line();
const QByteArray C = named("I4DDD", "VN0001", "13/01/07", "ABBAZIA DI PRAGLIA").line();
const QByteArray Log = crlf({A, B, BTyped, C});
const QByteArray BRenamed = named("I2BBB", "MR0005", "11/01/07", "SANTA MARIA A PI\xC8 DI CHIENTI").line();

// The program folder of station TEST1, its list and log, and the comparison made.
struct Folder
{
    QTemporaryDir conf;
    QString dir;
    std::unique_ptr<Settings> settings;
    std::unique_ptr<LogSession> session;
    AbbeyListFile current, chosen;
    std::unique_ptr<AbbeyListUpdate> update;

    explicit Folder(const QString &where)
        : dir(where), settings(std::make_unique<Settings>(conf.filePath(QStringLiteral("zel.ini"))))
    {
        settings->write(Settings::CommonSection, Settings::KeyCallsign, QStringLiteral("TEST1"));
    }
    QString path(const QString &name) const { return dir + QLatin1Char('/') + name; }
    QString list() const { return path(AbbeyList::FileName); }
    QString previous() const { return AbbeyListSwap::previousPath(list()); }
    QString log() const { return path(QStringLiteral("TEST1_ZEL.log")); }

    bool prepare()
    {
        if (!writeBytes(list(), OldList) || !writeBytes(log(), Log))
            return false;
        session = std::make_unique<LogSession>(*settings, dir);
        session->setLockTimeout(200);
        session->openStation();
        compare(NewFile);
        return session->lineCount() == 4;
    }
    void compare(const QByteArray &chosenBytes)
    {
        current = AbbeyListFile::fromBytes(readBytes(list()));
        chosen = AbbeyListFile::fromBytes(chosenBytes);
        QList<QByteArrayView> lines;
        for (int i = 0; i < session->lineCount(); ++i)
            lines << session->line(i);
        update = std::make_unique<AbbeyListUpdate>(current, chosen, lines);
    }
    AbbeyListSwap::Request request(bool names) const
    {
        AbbeyListSwap::Request r;
        r.listPath = list();
        r.heldList = readBytes(list());
        r.newList = chosen.toListBytes();
        r.lockTimeout = 200;
        if (names) {
            r.session = session.get();
            r.renames = update->renames();
        }
        return r;
    }
    QStringList files() const { return QDir(dir).entryList(QDir::Files | QDir::Hidden, QDir::Name); }
};


} // namespace

class TestAbbeyListSwap : public QObject
{
    Q_OBJECT
private slots:
    void replaceThenGoBack();
    void namesFollowWhenAsked();
    void listChangedSinceCompared();
    void heldLock_data();
    void heldLock();
    void fullDisk_data();
    void fullDisk();
    void logChangedSinceCompared();
    void protectedLog();
    void sameListKeepsThePrevious();
    void damagedNote();
};

void TestAbbeyListSwap::replaceThenGoBack()
{
    QTemporaryDir base;
    Folder f(base.path());
    QVERIFY(f.prepare());
    QVERIFY(writeBytes(f.previous(), "an older list\r\n"));
    const QByteArray other = "a report of another day\r\n";
    QVERIFY(writeBytes(f.path(QStringLiteral("Liste_Abbayes_Mise_a_jour_01_01_07.txt")), other));
    // Looked up once, as the windows that read many references do.
    QCOMPARE(AbbeyTable::current(f.list()).size(), 3);

    AbbeyListSwap::Result r = AbbeyListSwap::run(f.request(false));
    QVERIFY(r.listReplaced && !r.logRewritten && !r.stale);
    QCOMPARE(r.message, QStringLiteral("La liste des abbayes Liste_Abbayes.txt a été remplacée ; l'ancienne est "
                                       "gardée sous le nom Liste_Abbayes.txt.Precedente."));
    QCOMPARE(readBytes(f.previous()), OldList);
    QCOMPARE(readBytes(f.list()), NewList);
    QCOMPARE(readBytes(f.log()), Log);
    QCOMPARE(readBytes(f.path(QStringLiteral("Liste_Abbayes_Mise_a_jour_01_01_07.txt"))), other);
    // The look-ups use the new list at once.
    QVERIFY(AbbeyTable::current(f.list()).contains(u"LB0001"));
    QVERIFY(!AbbeyTable::current(f.list()).contains(u"VN0001"));
    QCOMPARE(AbbeyList::Cherche_Abbaye(f.list(), QStringLiteral("MR0005")).name.trimmed(),
             QString::fromUtf8("SANTA MARIA A PIÈ DI CHIENTI"));

    // Back: the two files swap, byte for byte.
    AbbeyListSwap::Request back;
    back.listPath = f.list();
    back.heldList = NewList;
    back.newList = OldList;
    back.sourcePath = f.previous();
    back.heldSource = OldList;
    r = AbbeyListSwap::run(back);
    QVERIFY(r.listReplaced);
    QCOMPARE(readBytes(f.list()), OldList);
    QCOMPARE(readBytes(f.previous()), NewList);
    QCOMPARE(readBytes(f.log()), Log);
    QVERIFY(AbbeyTable::current(f.list()).contains(u"VN0001"));
    QCOMPARE(f.files(), (QStringList{"Liste_Abbayes.txt", "Liste_Abbayes.txt.Precedente",
                                     "Liste_Abbayes_Mise_a_jour_01_01_07.txt", "TEST1_ZEL.log"}));

    // Where there was no list, there is none to keep.
    QVERIFY(QFile::remove(f.list()) && QFile::remove(f.previous()));
    AbbeyListSwap::Request fresh = f.request(false);
    fresh.heldList.clear();
    fresh.listExisted = false;
    r = AbbeyListSwap::run(fresh);
    QVERIFY(r.listReplaced);
    QCOMPARE(readBytes(f.list()), NewList);
    QVERIFY(!QFile::exists(f.previous()));
}

void TestAbbeyListSwap::namesFollowWhenAsked()
{
    QTemporaryDir base;
    Folder f(base.path());
    QVERIFY(f.prepare());
    QCOMPARE(f.update->renames().size(), 1);
    QSignalSpy changed(f.session.get(), &LogSession::logChanged);
    const AbbeyListSwap::Result r = AbbeyListSwap::run(f.request(true));
    QVERIFY2(r.listReplaced && r.logRewritten, qPrintable(r.message));
    QVERIFY(r.message.endsWith(QStringLiteral("Le nom d'abbaye de 1 QSO du log a été mis à jour.")));
    // Only the name column of the QSO that still carried the list's old name.
    QCOMPARE(readBytes(f.log()), crlf({A, BRenamed, BTyped, C}));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(f.session->line(1).toByteArray(), BRenamed);
    QCOMPARE(f.files(), (QStringList{"Liste_Abbayes.txt", "Liste_Abbayes.txt.Precedente", "TEST1_ZEL.log"}));
}

void TestAbbeyListSwap::listChangedSinceCompared()
{
    QTemporaryDir base;
    Folder f(base.path());
    QVERIFY(f.prepare());
    AbbeyListSwap::Request r = f.request(true);
    // Edited by hand after the comparison, to the same size.
    QByteArray edited = OldList;
    edited[10] = 'X';
    QVERIFY(writeBytes(f.list(), edited));
    AbbeyListSwap::Result said = AbbeyListSwap::run(r);
    QVERIFY(said.stale && !said.listReplaced);
    QVERIFY2(said.message.contains(QStringLiteral("modifiée sur le disque")), qPrintable(said.message));
    QCOMPARE(readBytes(f.list()), edited);
    QCOMPARE(readBytes(f.log()), Log);
    QVERIFY(!QFile::exists(f.previous()));

    // Going back to a previous list that changed since it was compared: the same.
    QVERIFY(writeBytes(f.previous(), NewList));
    AbbeyListSwap::Request back;
    back.listPath = f.list();
    back.heldList = edited;
    back.newList = NewList;
    back.sourcePath = f.previous();
    back.heldSource = OldList;
    said = AbbeyListSwap::run(back);
    QVERIFY(said.stale && !said.listReplaced);
    QCOMPARE(readBytes(f.list()), edited);
    QCOMPARE(readBytes(f.previous()), NewList);
}

void TestAbbeyListSwap::heldLock_data()
{
    QTest::addColumn<QString>("locked");
    QTest::addColumn<bool>("names");
    QTest::addColumn<QString>("expected");
    QTest::newRow("list") << "Liste_Abbayes.txt" << false << "la liste Liste_Abbayes.txt est en cours de modification";
    QTest::newRow("list, with names") << "Liste_Abbayes.txt" << true << "la liste Liste_Abbayes.txt";
    QTest::newRow("log, with names") << "TEST1_ZEL.log" << true << "le journal TEST1_ZEL.log est en cours";
}

void TestAbbeyListSwap::heldLock()
{
    QFETCH(QString, locked);
    QFETCH(bool, names);
    QFETCH(QString, expected);
    QTemporaryDir base;
    Folder f(base.path());
    QVERIFY(f.prepare());
    QVERIFY(writeBytes(f.previous(), "an older list\r\n"));
    zeltest::LockHolder holder(FileLock::lockPathFor(f.path(locked)));
    QVERIFY(holder.pid > 0);
    const QStringList before = f.files();
    const AbbeyListSwap::Result r = AbbeyListSwap::run(f.request(names));
    QVERIFY(!r.listReplaced && !r.logRewritten);
    QVERIFY2(r.message.contains(expected), qPrintable(r.message));
    QVERIFY(r.message.endsWith(QStringLiteral("Aucun fichier n'a été modifié.")));
    QCOMPARE(readBytes(f.list()), OldList);
    QCOMPARE(readBytes(f.previous()), QByteArray("an older list\r\n"));
    QCOMPARE(readBytes(f.log()), Log);
    QCOMPARE(f.files(), before);
}

void TestAbbeyListSwap::fullDisk_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<bool>("names");
    QTest::addColumn<int>("limit");
    for (const char *way : {"tmpfs", "rlimit"}) {
        QTest::addRow("%s: list", way) << way << false << int(OldList.size() - 10);
        QTest::addRow("%s: list and names", way) << way << true << int(OldList.size() - 10);
    }
    // Room for the lists but not for the log: nothing is written either.
    QTest::addRow("rlimit: the log only too large") << "rlimit" << true << int(Log.size() - 10);
}

void TestAbbeyListSwap::fullDisk()
{
    QFETCH(QString, way);
    QFETCH(bool, names);
    QFETCH(int, limit);
    QTemporaryDir base;
    const QString dir = base.filePath(QStringLiteral("disk"));
    SmallTmpfs tmpfs(dir);
    if (way == QLatin1String("tmpfs") && !tmpfs.isMounted())
        QSKIP("no tmpfs here (not root, or mounting is not allowed): the file-size limit runs instead");
    QDir().mkpath(dir);
    Folder f(dir);
    QVERIFY(f.prepare());
    QVERIFY(writeBytes(f.previous(), "an older list\r\n"));
    const QStringList before = f.files();

    auto run = [&]() -> QByteArray {
        const AbbeyListSwap::Result r = AbbeyListSwap::run(f.request(names));
        return (r.listReplaced || r.logRewritten ? QStringLiteral("claimed\n") : QStringLiteral("\n")).toUtf8()
            + r.message.toUtf8();
    };
    QByteArray answer;
    if (way == QLatin1String("tmpfs")) {
        tmpfs.fill();
        answer = run();
        QFile::remove(f.path(QStringLiteral("filler")));
    } else {
        answer = inChild(fileSizeLimit(rlim_t(limit)), run);
    }
    const QString said = QString::fromUtf8(answer);
    QVERIFY2(said.startsWith(QLatin1Char('\n')), qPrintable(said));
    QVERIFY2(said.contains(QStringLiteral("le disque est plein")), qPrintable(said));
    QVERIFY2(said.contains(QStringLiteral("n'a pas été remplacée")), qPrintable(said));
    QCOMPARE(readBytes(f.list()), OldList);
    QCOMPARE(readBytes(f.previous()), QByteArray("an older list\r\n"));
    QCOMPARE(readBytes(f.log()), Log);
    // No half-written copy and no lock left behind.
    QCOMPARE(f.files(), before);
}

void TestAbbeyListSwap::logChangedSinceCompared()
{
    QTemporaryDir base;
    Folder f(base.path());
    QVERIFY(f.prepare());
    const QStringList before = f.files();
    // Another program changes the QSO whose name was to follow, after the comparison:
    // neither the list nor the log changes, and the comparison is made again.
    const QByteArray handEdited = crlf({A, named("I2BBB", "MR0005", "11/01/07", "SANTA MARIA").line(), BTyped, C});
    QVERIFY(writeBytes(f.log(), handEdited));
    const AbbeyListSwap::Result r = AbbeyListSwap::run(f.request(true));
    QVERIFY(!r.listReplaced && !r.logRewritten && r.stale);
    QVERIFY2(r.message.contains(QStringLiteral("modifié entre-temps")), qPrintable(r.message));
    QVERIFY(r.message.endsWith(QStringLiteral("Aucun fichier n'a été modifié.")));
    QCOMPARE(readBytes(f.list()), OldList);
    QVERIFY(!QFile::exists(f.previous()));
    QCOMPARE(readBytes(f.log()), handEdited);
    QCOMPARE(f.files(), before);

    // A QSO added at the end by another copy moves no row: the names follow in the
    // log as it now stands, the new QSO kept.
    const QByteArray added = named("I5EEE", "AZ0001", "14/01/07", "ABBAZIA DI SAN CLEMENTE").line();
    QVERIFY(writeBytes(f.log(), crlf({A, B, BTyped, C, added})));
    const AbbeyListSwap::Result again = AbbeyListSwap::run(f.request(true));
    QVERIFY2(again.listReplaced && again.logRewritten, qPrintable(again.message));
    QCOMPARE(readBytes(f.log()), crlf({A, BRenamed, BTyped, C, added}));
    QCOMPARE(f.session->lineCount(), 5);
}

void TestAbbeyListSwap::protectedLog()
{
    // Root writes through any protection: the update runs as user nobody.
    QTemporaryDir base;
    openToAll(base.path());
    Folder f(base.path());
    QVERIFY(f.prepare());
    QVERIFY(writeBytes(f.previous(), "an older list\r\n"));
    for (const QString &file : {f.list(), f.previous()})
        QVERIFY(QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup
                                                | QFile::ReadOther | QFile::WriteOther));
    QVERIFY(QFile::setPermissions(f.log(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    const QStringList before = f.files();
    int status = 0;
    const QByteArray said = inChild(notRoot(), [&f] {
        return AbbeyListSwap::run(f.request(true)).message.toUtf8();
    }, &status);
    if (couldNotDropRoot(status))
        QSKIP("root may not become user nobody here");
    const QString message = QString::fromUtf8(said);
    QVERIFY2(message.contains(QStringLiteral("le journal TEST1_ZEL.log est protégé en écriture")), qPrintable(message));
    QVERIFY(message.endsWith(QStringLiteral("Aucun fichier n'a été modifié.")));
    QCOMPARE(readBytes(f.list()), OldList);
    QCOMPARE(readBytes(f.previous()), QByteArray("an older list\r\n"));
    QCOMPARE(readBytes(f.log()), Log);
    QCOMPARE(f.files(), before);

    // Without the names the log is not touched: the list is replaced.
    const QByteArray listOnly = inChild(notRoot(), [&f] {
        const AbbeyListSwap::Result r = AbbeyListSwap::run(f.request(false));
        return QByteArray(r.listReplaced ? "1" : "0") + r.message.toUtf8();
    });
    QVERIFY2(listOnly.startsWith('1'), listOnly.constData());
    QCOMPARE(readBytes(f.list()), NewList);
    QCOMPARE(readBytes(f.previous()), OldList);
    QCOMPARE(readBytes(f.log()), Log);
}

void TestAbbeyListSwap::sameListKeepsThePrevious()
{
    // The update run twice: the second finds nothing to replace, and the list
    // kept as the previous one stays the one before the first.
    QTemporaryDir base;
    Folder f(base.path());
    QVERIFY(f.prepare());
    QVERIFY(AbbeyListSwap::run(f.request(true)).listReplaced);
    f.compare(NewFile);
    QVERIFY(f.update->renames().isEmpty());
    const AbbeyListSwap::Result r = AbbeyListSwap::run(f.request(true));
    QVERIFY(!r.listReplaced);
    QVERIFY2(r.message.contains(QStringLiteral("identique à la liste en service")), qPrintable(r.message));
    QCOMPARE(readBytes(f.list()), NewList);
    QCOMPARE(readBytes(f.previous()), OldList);
    QCOMPARE(readBytes(f.log()), crlf({A, BRenamed, BTyped, C}));
}

void TestAbbeyListSwap::damagedNote()
{
    // A note of an interrupted update that this program did not write as it stands
    // (cut, edited, naming another folder's files) is never acted upon: it is said,
    // and no update runs over it.
    QTemporaryDir base;
    Folder f(base.path());
    QVERIFY(f.prepare());
    QVERIFY(writeBytes(AbbeyListSwap::stagedPath(f.list()), NewList));
    const QList<QByteArray> notes = {
        "garbage",
        "KVR_ZEL remplacement de la liste des abbayes\netat decidee\nliste absent /etc/Liste_Abbayes.txt\nfin\n",
        "KVR_ZEL remplacement de la liste des abbayes\netat decidee\nliste absent " + f.list().toUtf8()
            + "\nlog 00 /etc/passwd_ZEL.log\nfin\n",
        "KVR_ZEL remplacement de la liste des abbayes\netat decidee\nliste absent " + f.list().toUtf8() + "\n",
    };
    for (const QByteArray &note : notes) {
        QVERIFY(writeBytes(AbbeyListSwap::notePath(f.list()), note));
        const AbbeyListSwap::Result r = AbbeyListSwap::resume(f.list());
        QVERIFY2(r.message.contains(QStringLiteral("Liste_Abbayes.txt.En_cours")) && r.message.contains(QStringLiteral("illisible")),
                 qPrintable(r.message));
        QVERIFY(!r.listReplaced);
        const AbbeyListSwap::Result run = AbbeyListSwap::run(f.request(true));
        QVERIFY(!run.listReplaced);
        QVERIFY(run.message.contains(QStringLiteral("illisible")));
        QCOMPARE(readBytes(f.list()), OldList);
        QCOMPARE(readBytes(f.log()), Log);
        QVERIFY(!QFile::exists(f.previous()));
        QCOMPARE(readBytes(AbbeyListSwap::notePath(f.list())), note);
    }
    // Removed by the operator: the copy it left is harmless, the update goes through.
    QVERIFY(QFile::remove(AbbeyListSwap::notePath(f.list())));
    QVERIFY(AbbeyListSwap::run(f.request(true)).listReplaced);
    QCOMPARE(readBytes(f.log()), crlf({A, BRenamed, BTyped, C}));
    QCOMPARE(f.files(), (QStringList{"Liste_Abbayes.txt", "Liste_Abbayes.txt.Precedente", "TEST1_ZEL.log"}));
}

QTEST_GUILESS_MAIN(TestAbbeyListSwap)
#include "tst_abbeylistswap.moc"
