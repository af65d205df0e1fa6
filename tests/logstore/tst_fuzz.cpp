// Random bytes as logs, abbey lists, first-name lists and settings files, through
// loading, the lookups and one rewrite each: nothing crashes, and every line the
// program did not change comes back byte for byte. The seed is fixed, so a failure
// can be replayed.

#include "app/Harness.h"
#include "logstore/Cp1252.h"
#include "logstore/LogFile.h"
#include "logstore/LogProblems.h"
#include "logstore/LogSession.h"
#include "logstore/QsoRecord.h"
#include "logstore/Settings.h"
#include "refdata/AbbeyList.h"
#include "refdata/FirstNameList.h"
#include "refdata/LogLookups.h"

#include <QTemporaryDir>
#include <QtTest>

#include <random>

using namespace zeltest;

namespace {

using Lines = QList<QByteArray>;

class Fuzzer
{
public:
    explicit Fuzzer(unsigned seed) : m_rng(seed) {}

    int below(int n) { return int(m_rng() % unsigned(n)); }
    bool chance(int percent) { return below(100) < percent; }

    QByteArray bytes(int size)
    {
        QByteArray b(size, Qt::Uninitialized);
        for (char &c : b)
            c = char(m_rng());
        return b;
    }

    QByteArray token(const char *alphabet, int size)
    {
        const int n = int(qstrlen(alphabet));
        QByteArray t;
        for (int i = 0; i < size; ++i)
            t += alphabet[below(n)];
        return t;
    }

    QByteArray reference()
    {
        static const char *const codes[] = {"AZ", "BA", "CL", "CM", "ER", "FV", "LZ", "LG", "LB", "MR",
                                            "ML", "PM", "PU", "SD", "SC", "TC", "TO", "UM", "VA", "VE", "VN"};
        return QByteArray(codes[below(21)]) + token("0123456789", 4);
    }

    QByteArray qsoLine()
    {
        Qso q = qso("I" + token("0123456789", 1) + token("ABCDEFGHIJKLMNOPQRSTUVWXYZ", 3), reference(),
                    QByteArray::number(10 + below(18)) + "/0" + QByteArray::number(1 + below(9)) + "/"
                        + QByteArray::number(10 + below(80)),
                    QByteArray::number(10 + below(13)) + ":" + QByteArray::number(10 + below(49)));
        q.name = token("ABC\xC9\xC8\xD4 -", below(16));
        q.abbey = token("ABCDEFGH \xE9\xE8\x9C\x80'", below(61));
        q.qsl = chance(30);
        return q.line();
    }

    // A log that went through hand edits, other programs and bad luck.
    QByteArray log()
    {
        if (chance(10))
            return bytes(below(2000));
        QByteArray out;
        const int lines = below(40);
        for (int i = 0; i < lines; ++i) {
            QByteArray l = qsoLine();
            switch (below(12)) {
            case 0: l = Cp1252::decode(l).toUtf8(); break;                  // converted to UTF-8
            case 1: l.truncate(below(int(l.size()))); break;                 // cut short
            case 2: l.insert(below(int(l.size())), bytes(1 + below(4))); break;
            case 3: l[below(int(l.size()))] = char(below(32)); break;        // a control byte
            case 4: l.remove(below(int(l.size())), 1 + below(5)); break;
            case 5: l = bytes(below(300)); break;
            default: break;
            }
            out += l;
            switch (below(8)) {
            case 0: out += "\n"; break;
            case 1: out += "\r"; break;
            case 2: out += "\r\r\n"; break;
            case 3: if (i + 1 == lines) break; [[fallthrough]];
            default: out += "\r\n"; break;
            }
        }
        return out;
    }

    QByteArray abbeyList()
    {
        if (chance(20))
            return bytes(below(3000));
        QByteArray out;
        for (int i = 0, n = below(30); i < n; ++i) {
            QByteArray l = abbeyLine(reference(), token("Abbazia diSnt\xE8\xE0'", below(70)),
                                     token("ABCDEFGHIJKLMNOPQR0123456789", 4));
            if (chance(30))
                l.truncate(below(int(l.size()) + 1));
            if (chance(10))
                l += bytes(below(20));
            out += l + (chance(80) ? "\r\n" : "\n");
        }
        return out;
    }

    QByteArray firstNames()
    {
        if (chance(20))
            return bytes(below(1000));
        QByteArray out;
        for (int i = 0, n = below(20); i < n; ++i) {
            QByteArray l = pad(token("F6ABCIKD0123", 3 + below(8)), 12) + "    " + token("JEANMARC\xC9\xCB -", below(15));
            if (chance(20))
                l = bytes(below(40));
            out += l + (chance(80) ? "\r\n" : "\n");
        }
        return out;
    }

    QByteArray settings()
    {
        static const char *const pieces[] = {"[Setup%20]\n", "[Setup ]\n", "[Setup%20TEST1]\n", "[General]\n",
                                             "Indicatif%20Station=", "bande%20Utilisee=", "Mode%20Utilise=",
                                             "TEST1\n", "99\n", "-5\n", "\"\n", "\\", "=", "[", "]", "\n", "%",
                                             "@Variant(", ")", "\xFF\xFE", "TEST1_P\n", "F6ABC/P\n"};
        QByteArray out;
        for (int i = 0, n = below(40); i < n; ++i)
            out += chance(15) ? bytes(1 + below(8)) : QByteArray(pieces[below(int(std::size(pieces)))]);
        return out;
    }

private:
    std::mt19937 m_rng;
};

// Memory-backed when the machine has it: the fuzzing is about the bytes, not
// about how long the disk takes to sync.
QString scratch()
{
    const QFileInfo shm(QStringLiteral("/dev/shm"));
    return shm.isDir() && shm.isWritable() ? QStringLiteral("/dev/shm/zel-fuzz-XXXXXX") : QString();
}

// More rounds where syncing costs nothing; a few seconds either way.
int rounds(int onDisk) { return scratch().isEmpty() ? onDisk : onDisk * 8; }

struct Scratch : QTemporaryDir {
    Scratch() : QTemporaryDir(scratch().isEmpty() ? QDir::tempPath() + QStringLiteral("/zel-fuzz-XXXXXX") : scratch()) {}
};

Lines viewsToLines(const QByteArray &content) { return Cp1252::splitLines(content); }

Lines sessionLines(const LogSession &s)
{
    Lines out;
    for (int i = 0; i < s.lineCount(); ++i)
        out << s.line(i).toByteArray();
    return out;
}

} // namespace

class TestFuzz : public QObject
{
    Q_OBJECT
private slots:
    void logs();
    void abbeyLists();
    void firstNameLists();
    void settingsFiles();
};

void TestFuzz::logs()
{
    Fuzzer f(20240607);
    Scratch dir;
    Scratch conf;
    Settings settings(conf.filePath(QStringLiteral("zel.ini")));
    settings.write(Settings::CommonSection, Settings::KeyCallsign, QStringLiteral("TEST1"));
    const QString path = dir.filePath(QStringLiteral("TEST1_ZEL.log"));
    LogSession session(settings, dir.path());
    session.setLockTimeout(1000);
    for (int round = 0; round < rounds(300); ++round) {
        const QByteArray content = f.log();
        QVERIFY(writeBytes(path, content));
        session.openStation();
        const Lines old = viewsToLines(content);
        QCOMPARE(sessionLines(session), old);
        QList<int> malformed;
        for (int i = 0; i < old.size(); ++i) {
            if (!LogFile::isWellFormed(old.at(i)))
                malformed << i + 1;
            QCOMPARE(session.listLine(i).size(), QsoRecord::ListLineLength);
        }
        QCOMPARE(session.malformedLines(), malformed);
        QCOMPARE(LogProblems::malformedNotice(session).isEmpty(), malformed.isEmpty());

        // Lookups of references on the lines and of random ones.
        for (int k = 0; k < 5; ++k) {
            QString ref = Cp1252::decode(f.reference());
            if (!old.isEmpty() && f.chance(50))
                ref = Cp1252::decode(old.at(f.below(int(old.size()))).mid(34, 6));
            const LogLookups::Contact c = LogLookups::Deja_Contacte(session, ref);
            QVERIFY(c.error.isEmpty());
            QVERIFY(c.date.size() <= 8);
            QVERIFY(LogLookups::Cherche_Region(session, ref.left(2)).error.isEmpty());
        }

        // One rewrite; everything else is kept byte for byte.
        const QByteArray fresh = f.qsoLine();
        const QByteArray existing = old.isEmpty() ? fresh : old.at(f.below(int(old.size())));
        Lines expected;
        AtomicFile::Result r;
        bool refused = false;
        switch (f.below(5)) {
        case 0:
            r = session.append(fresh);
            expected = old;
            expected << fresh;
            break;
        case 1: {
            r = session.insert(fresh);
            const Lines now = sessionLines(session);
            const qsizetype at = now.indexOf(fresh);
            QVERIFY(at >= 0);
            expected = now;
            expected.removeAt(at);
            QCOMPARE(expected, old);
            expected = now;
            break;
        }
        case 2:
            r = session.remove(existing);
            for (const QByteArray &l : old) {
                if (l != existing)
                    expected << l;
            }
            // A QSO the log does not hold is not reported deleted.
            refused = !old.contains(existing);
            break;
        case 3: {
            r = session.replace(fresh, existing);
            expected = old;
            const qsizetype at = expected.indexOf(existing);
            if (at >= 0)
                expected[at] = fresh;
            refused = at < 0;
            break;
        }
        default: {
            QList<int> rows;
            for (int i = 0; i < old.size(); ++i) {
                if (f.chance(30))
                    rows << i;
            }
            r = session.markConfirmed(rows);
            expected = old;
            for (int row : rows) {
                if (expected.at(row).size() == QsoRecord::LogLineLength)
                    expected[row][QsoRecord::LogLineLength - 1] = '*';
            }
            break;
        }
        }
        QVERIFY2(r.ok != refused, qPrintable(r.error));
        QVERIFY(!refused || r.error.contains(QStringLiteral("modifié entre-temps")));
        QCOMPARE(viewsToLines(readBytes(path)), expected);
        QCOMPARE(sessionLines(session), expected);
    }
}

void TestFuzz::abbeyLists()
{
    Fuzzer f(7);
    Scratch dir;
    const QString path = dir.filePath(QStringLiteral("Liste_Abbayes.txt"));
    for (int round = 0; round < rounds(400); ++round) {
        const QByteArray content = f.abbeyList();
        QVERIFY(writeBytes(path, content));
        // References as the list's lines hold them, and some that are in no line.
        QStringList listed;
        for (const QByteArray &line : viewsToLines(content))
            listed << Cp1252::decode(line.left(6)).trimmed();
        for (int k = 0; k < 4; ++k) {
            const QString ref = listed.isEmpty() || f.chance(30) ? Cp1252::decode(f.reference())
                                                                 : listed.at(f.below(int(listed.size())));
            const AbbeyList::Lookup l = AbbeyList::Cherche_Abbaye(path, ref);
            QVERIFY(l.error.isEmpty());
            QVERIFY(l.name.size() <= AbbeyList::NameWidth);
            QVERIFY(l.locator.size() <= AbbeyList::LocatorWidth);
        }
    }
}

void TestFuzz::firstNameLists()
{
    Fuzzer f(99);
    Scratch dir;
    const QString path = dir.filePath(QStringLiteral("Liste_Prenom.txt"));
    for (int round = 0; round < rounds(150); ++round) {
        const QByteArray content = f.firstNames();
        QVERIFY(writeBytes(path, content));
        const Lines old = viewsToLines(content);
        FirstNameList list(path);
        QString call = Cp1252::decode(f.token("F6ABCIKD0123", 3 + f.below(8)));
        if (!old.isEmpty() && f.chance(50))
            call = Cp1252::decode(old.at(f.below(int(old.size()))).left(12)).trimmed();
        list.Cherche_Prenom(call);
        const QString record = FirstNameList::record(call, Cp1252::decode(f.token("JEANLUC\xC9 ", f.below(12))));
        const AtomicFile::Result r = list.Maj_Liste_Prenom(record);
        if (!r.ok) {
            // Only a record the list cannot hold may be refused, and then nothing moves.
            QVERIFY2(!Cp1252::refusal(record).isEmpty(), qPrintable(r.error));
            QCOMPARE(readBytes(path), content);
            continue;
        }
        // Every line of another station comes back byte for byte, in order.
        const QByteArray encoded = Cp1252::encode(record);
        Lines others;
        for (const QByteArray &l : old) {
            if (Cp1252::decode(l).left(12) != record.left(12))
                others << l;
        }
        Lines kept;
        for (const QByteArray &l : viewsToLines(readBytes(path))) {
            if (l != encoded)
                kept << l;
        }
        QCOMPARE(kept, others);
        QVERIFY(viewsToLines(readBytes(path)).contains(encoded));
    }
}

void TestFuzz::settingsFiles()
{
    Fuzzer f(4242);
    Scratch dir;
    for (int round = 0; round < rounds(300); ++round) {
        // A file of its own each time: the settings store keeps what it read per file.
        const QString ini = dir.filePath(QStringLiteral("zel%1.ini").arg(round));
        QVERIFY(writeBytes(ini, f.settings()));
        {
            Settings settings(ini);
            LogSession session(settings, dir.path());
            session.openStation();
            QVERIFY(LogFile::isValidCallsign(session.callsign()));
            settings.position(session.callsign(), Settings::KeyBand);
            settings.position(session.callsign(), Settings::KeyMode);
            QVERIFY(settings.write(Settings::stationSection(QStringLiteral("TEST9")), Settings::KeyBand,
                                   QStringLiteral("7"))
                        .ok);
        }
        QCOMPARE(Settings(ini).position(QStringLiteral("TEST9"), Settings::KeyBand), 7);
    }
}

QTEST_GUILESS_MAIN(TestFuzz)
#include "tst_fuzz.moc"
