// The import's words in another language: the report file and what the plan gives a
// file stay French byte for byte, while the preview's list, its counts and the
// reader's reasons go through the translation, whole sentences with their values.

#include "common/AdifFields.h"
#include "common/IndexedLog.h"
#include "common/LogLines.h"
#include "common/BracketTranslator.h"

#include "import/AdifReader.h"
#include "import/ImportCommit.h"
#include "import/ImportListModel.h"
#include "import/ImportPlan.h"

#include <QtTest>

using namespace zeltest;

namespace {

AbbeyTable abbeys()
{
    return AbbeyTable::fromBytes(crlf({abbeyLine("AZ0001", "Abbazia di San Clemente a Casauria", "JN62"),
                                         abbeyLine("MR0005", "Abbazia di Santa Maria a pie di Chienti", "JN63")}));
}

QByteArray record(const QByteArray &call, const QByteArray &band, const QByteArray &reference)
{
    QByteArray out = adifField("CALL", call) + adifField("QSO_DATE", "20070314") + adifField("TIME_ON", "0905")
        + adifField("BAND", band) + adifField("MODE", "SSB");
    if (!reference.isEmpty())
        out += adifField("SIG", "ZEL") + adifField("SIG_INFO", reference);
    return out + "<eor>\r\n";
}

// An abbey the log has already, a band the log has no column for, a QSO outside the
// award, an abbey to import, and a last record the file cuts inside its callsign.
QByteArray file()
{
    return "header\r\n<eoh>\r\n" + record("I1XYZ", "20m", "AZ0001") + record("I2XYZ", "11m", "MR0005")
        + record("I3XYZ", "20m", {}) + record("I4XYZ", "40m", "MR0005") + "<CALL:20>I5X";
}

const QList<QByteArray> Log = {qso("I1AAA", "AZ0001", "10/01/07", "10:00").line()};

QStringList outcomes(const ImportPlan &plan)
{
    QStringList out;
    for (const int row : plan.allRows())
        out << plan.shownRow(row).outcome;
    return out;
}

} // namespace

class TestImportWords : public QObject
{
    Q_OBJECT
private slots:
    void reportStaysFrenchListIsTranslated();
    void readerFaultsInBothWordings();
    void commitMessageIsOneSentence();
};

void TestImportWords::reportStaysFrenchListIsTranslated()
{
    IndexedLog log(Log);
    ImportPlan plan(file(), QStringLiteral("test.adi"), abbeys());
    while (!plan.read(2)) {
    }
    plan.resolve(log);
    const QByteArray shortFrench = plan.report(QStringLiteral("TEST1"), QDate(2007, 3, 20), false);
    const QByteArray fullFrench = plan.report(QStringLiteral("TEST1"), QDate(2007, 3, 20), true);
    const QStringList french = outcomes(plan);
    QCOMPARE(french, (QStringList{QStringLiteral("déjà contactée le 10/01/07"),
                                  QStringLiteral("bande non prévue (11m)"), QStringLiteral("pas de référence d'abbaye"),
                                  QStringLiteral("à importer"),
                                  QStringLiteral("illisible : enregistrement incomplet : le fichier se termine dans "
                                                 "le champ CALL")}));

    BracketTranslator translator;
    // The files: the same bytes, and nothing of the translation in them.
    QCOMPARE(plan.report(QStringLiteral("TEST1"), QDate(2007, 3, 20), false), shortFrench);
    QCOMPARE(plan.report(QStringLiteral("TEST1"), QDate(2007, 3, 20), true), fullFrench);
    QVERIFY(!fullFrench.contains('['));
    QCOMPARE(outcomes(plan), french);
    QCOMPARE(ImportPlan::refusedCount(3, 1), QStringLiteral("refusés : 3 (1 non listés)"));

    // The window: each outcome one translated sentence, the values put in after.
    ImportListModel model(plan);
    model.setShowAll(true);
    QCOMPARE(model.rowCount(), 5);
    QStringList shown;
    for (int r = 0; r < model.rowCount(); ++r)
        shown << model.data(model.index(r, ImportListModel::Outcome), Qt::DisplayRole).toString();
    QCOMPARE(shown, (QStringList{QStringLiteral("[déjà contactée le %1]").arg(QStringLiteral("10/01/07")),
                                 QStringLiteral("[bande non prévue] (11m)"), QStringLiteral("[pas de référence d'abbaye]"),
                                 QStringLiteral("[à importer]"),
                                 QStringLiteral("[illisible : [enregistrement incomplet : le fichier se termine dans "
                                                "le champ CALL]]")}));
    // The values themselves are data, never translated.
    QCOMPARE(model.data(model.index(1, ImportListModel::Call), Qt::DisplayRole).toString(), QStringLiteral("I2XYZ"));
    QCOMPARE(model.data(model.index(1, ImportListModel::Band), Qt::DisplayRole).toString(), QStringLiteral("11m"));
    QCOMPARE(model.headerData(ImportListModel::Call, Qt::Horizontal, Qt::DisplayRole).toString(),
             QStringLiteral("[Indicatif]"));
    QCOMPARE(ImportPlan::refusedCount(3, 1, Wording::Screen), QStringLiteral("[refusés : 3 (1 non listés)]"));
    QCOMPARE(ImportPlan::refusedCount(3, 0, Wording::Screen), QStringLiteral("[refusés : 3]"));
}

void TestImportWords::readerFaultsInBothWordings()
{
    // Each way a record cannot be read, as the report writes it and as a window shows it.
    struct Case {
        QByteArray bytes;
        QString french;
    };
    const QList<Case> cases = {
        {adifField("CALL", "I1XYZ"), QStringLiteral("enregistrement incomplet : le fichier se termine avant <eor>")},
        {"<CALL:9>I1XYZ<eor>\r\n<CALL:5>I2XYZ<eor>",
         QStringLiteral("longueur du champ CALL (9) au-delà de la fin de l'enregistrement")},
        {"<NAME:30>Jos", QStringLiteral("enregistrement incomplet : le fichier se termine dans le champ NAME")},
    };
    BracketTranslator translator;
    for (const Case &c : cases) {
        AdifReader reader(c.bytes);
        AdifReader::Record r;
        QVERIFY(reader.next(&r));
        QCOMPARE(r.error, c.french);
        QCOMPARE(AdifReader::faultText(r, Wording::File), c.french);
        // One sentence, its field and length put in after the translation.
        const QString shown = AdifReader::faultText(r, Wording::Screen);
        QCOMPARE(shown, QLatin1Char('[') + c.french + QLatin1Char(']'));
        // Read again where it starts, the record says the same.
        QCOMPARE(AdifReader::faultText(reader.recordAt(r.offset, r.number), Wording::Screen), shown);
    }
    AdifReader good(record("I1XYZ", "20m", "AZ0001"));
    AdifReader::Record r;
    QVERIFY(good.next(&r));
    QVERIFY(r.error.isEmpty());
    QVERIFY(AdifReader::faultText(r, Wording::Screen).isEmpty());
}

void TestImportWords::commitMessageIsOneSentence()
{
    IndexedLog log(Log);
    BracketTranslator translator;
    const QList<QByteArray> lines = {qso("I4XYZ", "MR0005", "14/03/07", "09:05").line(),
                                     qso("I6XYZ", "TO0007", "15/03/07", "09:05").line()};
    const ImportCommit::Result r = ImportCommit::run(log.session(), lines, 200);
    QVERIFY2(r.ok, qPrintable(r.message));
    QCOMPARE(r.added, 2);
    // The count and the log's name go into one sentence the translation holds whole.
    QCOMPARE(r.message, QStringLiteral("[2 QSO ont été ajoutés au log TEST1_ZEL.log.]"));
    QCOMPARE(log.session().lineCount(), 3);
}

QTEST_MAIN(TestImportWords)
#include "tst_importwords.moc"
