// The data folder at start-up: a folder that cannot be made, or files that cannot
// be copied into it, are reported instead of passing in silence.

#include "refdata/ProgramDir.h"
#include "logstore/Faults.h"

#include <QTemporaryDir>
#include <QtTest>

class TestDataFolderFaults : public QObject
{
    Q_OBJECT
private slots:
    void seededWithoutError();
    void folderThatCannotBeMade();
    void fullDiskWhileSeeding();
};

void TestDataFolderFaults::seededWithoutError()
{
    QTemporaryDir exe;
    QTemporaryDir home;
    const QString data = home.filePath(QStringLiteral("share/ZEL"));
    QString error = QStringLiteral("untouched");
    QCOMPARE(ProgramDir::resolve(exe.path(), data, &error), QDir(data).absolutePath());
    QCOMPARE(error, QStringLiteral("untouched"));
    for (const QString &name : {ProgramDir::abbeyListName(), ProgramDir::firstNameListName(),
                                ProgramDir::templateName()})
        QVERIFY(QFileInfo(QDir(data).filePath(name)).isFile());
    QVERIFY(QFileInfo(QDir(data).filePath(ProgramDir::abbeyListName())).size() > 0);
}

void TestDataFolderFaults::folderThatCannotBeMade()
{
    QTemporaryDir exe;
    QTemporaryDir home;
    // A file stands where a folder of the path must go: even root cannot make it.
    QFile blocker(home.filePath(QStringLiteral("share")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QString error;
    ProgramDir::resolve(exe.path(), home.filePath(QStringLiteral("share/ZEL")), &error);
    QVERIFY2(error.startsWith(QStringLiteral("Le dossier des journaux ")), qPrintable(error));
    QVERIFY(error.contains(QStringLiteral("ne peut pas être créé")));
}

void TestDataFolderFaults::fullDiskWhileSeeding()
{
    QTemporaryDir data;
    // Room for the small files, not for the abbey list.
    const QString said = QString::fromUtf8(zeltest::inChild(zeltest::fileSizeLimit(200), [&] {
        QString error;
        return ProgramDir::seed(data.path(), &error) ? QByteArray("ok") : error.toUtf8();
    }));
    QVERIFY2(said.startsWith(QStringLiteral("Les fichiers fournis avec KVR_ZEL n'ont pas pu être copiés")),
             qPrintable(said));
    QVERIFY(said.contains(QStringLiteral("Liste_Abbayes.txt : le disque est plein")));
    // Never half a list: a list that did not fit is not there at all, so the next
    // start copies it again.
    QVERIFY(!QFile::exists(data.filePath(ProgramDir::abbeyListName())));
    QString again;
    QVERIFY(ProgramDir::seed(data.path(), &again));
    QVERIFY(again.isEmpty());
    QVERIFY(QFileInfo(data.filePath(ProgramDir::abbeyListName())).size() > 200);
}

QTEST_GUILESS_MAIN(TestDataFolderFaults)
#include "tst_datafolderfaults.moc"
