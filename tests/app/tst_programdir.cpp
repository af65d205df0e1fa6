// Where the program keeps its logs: the portable folder beside the executable, or the
// per-user data folder seeded on first start, whatever an install put around the program.

#include "refdata/ProgramDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
}

bool put(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

const QStringList Shipped{QStringLiteral("FXXXX.txt"), QStringLiteral("Liste_Prenom.txt"),
                          QStringLiteral("Liste_Abbayes.txt")};

} // namespace

class ProgramDirTest : public QObject
{
    Q_OBJECT

private slots:
    void resolve_data();
    void resolve();
    void seedKeepsTheOperatorsFiles();
};

void ProgramDirTest::resolve_data()
{
    // Files laid out under a temporary root before the program starts from root/bin.
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("folders");
    QTest::addColumn<bool>("portable");

    QTest::newRow("portable folder") << QStringList{QStringLiteral("bin/Liste_Abbayes.txt")}
                                     << QStringList{} << true;
    QTest::newRow("portable folder, abbey list gone")
        << QStringList{QStringLiteral("bin/F6ABC_ZEL.log")} << QStringList{} << true;
    QTest::newRow("build folder") << QStringList{} << QStringList{} << false;
    QTest::newRow("installed, lists under share")
        << QStringList{QStringLiteral("share/kvr-zel/Liste_Abbayes.txt"),
                       QStringLiteral("share/kvr-zel/Liste_Prenom.txt"),
                       QStringLiteral("share/kvr-zel/FXXXX.txt")}
        << QStringList{} << false;
    QTest::newRow("other lists beside, not the abbeys")
        << QStringList{QStringLiteral("bin/Liste_Prenom.txt"), QStringLiteral("bin/FXXXX.txt")}
        << QStringList{} << false;
    QTest::newRow("a folder of that name") << QStringList{}
                                           << QStringList{QStringLiteral("bin/Liste_Abbayes.txt")}
                                           << false;
}

void ProgramDirTest::resolve()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, folders);
    QFETCH(bool, portable);

    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString exeDir = root.filePath(QStringLiteral("bin"));
    const QString userDir = root.filePath(QStringLiteral("home/.local/share/ZEL"));
    QVERIFY(QDir().mkpath(exeDir));
    for (const QString &f : files)
        QVERIFY(put(root.filePath(f), "REF001 Abbazia\r\n"));
    for (const QString &d : folders)
        QVERIFY(QDir().mkpath(root.filePath(d)));

    const QString dir = ProgramDir::resolve(exeDir, userDir);

    if (portable) {
        QCOMPARE(dir, QDir(exeDir).absolutePath());
        QVERIFY(!QFileInfo::exists(userDir));
        // What is missing is put back; what the operator has is kept.
        for (const QString &name : Shipped)
            QVERIFY2(QFileInfo(QDir(exeDir).filePath(name)).isFile(), qPrintable(name));
        for (const QString &f : files)
            QCOMPARE(readAll(root.filePath(f)), QByteArray("REF001 Abbazia\r\n"));
        return;
    }
    QCOMPARE(dir, QDir(userDir).absolutePath());
    for (const QString &name : Shipped) {
        const QString seeded = QDir(userDir).filePath(name);
        QCOMPARE(readAll(seeded), readAll(QStringLiteral(ZEL_DATA "/") + name));
        QVERIFY2(QFileInfo(seeded).isWritable(), qPrintable(name));
    }
    // Nothing is written beside the executable.
    QStringList beside;
    for (const QString &f : files)
        if (f.startsWith(QStringLiteral("bin/")))
            beside << f.mid(4);
    beside.sort();
    QCOMPARE(QDir(exeDir).entryList(QDir::Files, QDir::Name), beside);
}

void ProgramDirTest::seedKeepsTheOperatorsFiles()
{
    // A newer program starting over an operator's folder adds what is missing and
    // leaves the edited abbey list, the learnt first names and the logs as they are.
    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString userDir = root.filePath(QStringLiteral("ZEL"));
    const QByteArray abbeys = "I0CAS1 Abbazia di Montecassino (liste officielle)\r\n";
    const QByteArray names = "F6ABC        Jean           \r\n";
    const QByteArray log = "F6ABC        JN18 Jean            LA0001 01/02/24 10:00\r\n";
    QVERIFY(put(QDir(userDir).filePath(QStringLiteral("Liste_Abbayes.txt")), abbeys));
    QVERIFY(put(QDir(userDir).filePath(QStringLiteral("Liste_Prenom.txt")), names));
    QVERIFY(put(QDir(userDir).filePath(QStringLiteral("F6ABC_ZEL.log")), log));

    QCOMPARE(ProgramDir::resolve(root.filePath(QStringLiteral("bin")), userDir),
             QDir(userDir).absolutePath());
    QCOMPARE(readAll(QDir(userDir).filePath(QStringLiteral("Liste_Abbayes.txt"))), abbeys);
    QCOMPARE(readAll(QDir(userDir).filePath(QStringLiteral("Liste_Prenom.txt"))), names);
    QCOMPARE(readAll(QDir(userDir).filePath(QStringLiteral("F6ABC_ZEL.log"))), log);
    QCOMPARE(readAll(QDir(userDir).filePath(QStringLiteral("FXXXX.txt"))),
             readAll(QStringLiteral(ZEL_DATA "/FXXXX.txt")));
}

QTEST_GUILESS_MAIN(ProgramDirTest)
#include "tst_programdir.moc"
