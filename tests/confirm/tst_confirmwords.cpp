// The confirmations window in another language than the program's French: its
// words and the services' failures read translated, a password a page repeats is
// still hidden in the translated message, and the downloaded file and the
// settings keep their own names.

#include "common/BracketTranslator.h"
#include "confirm/ConfirmHarness.h"

#include "confirm/ConfirmFetch.h"

#include <QtTest>

using namespace zeltest;

class TestConfirmWords : public QObject
{
    Q_OBJECT
private slots:
    void failureThenReportInTheLanguage();
};

void TestConfirmWords::failureThenReportInTheLanguage()
{
    BracketTranslator words(BracketTranslator::ProgramTexts);
    bool refuse = true;
    const QByteArray report = lotwReport(lotwRecord(bigLogQso(0)) + lotwRecord(bigLogQso(3)));
    FakeService lotw([&](const QUrl &) {
        FakeReply r;
        // The error page repeats what it was sent, plain and in an address's form.
        r.body = refuse ? QByteArray("<html><body><p>Error: login F4XYZ with ") + Secret + " or "
                              + QUrl::toPercentEncoding(QString::fromLatin1(Secret)) + "</p></body></html>"
                        : report;
        return r;
    });
    ConfirmHarness h;
    QVERIFY(h.prepareStation({bigLogQso(0).line(), bigLogQso(3).line()}));
    h.pointAt(lotw);
    QVERIFY(h.start());
    ConfirmWindow *w = h.openWindow();
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QStringLiteral("[Confirmations en ligne]"));
    QCOMPARE(ConfirmHarness::in<QLineEdit>(w, "Mot_De_Passe_LoTW")->accessibleName(),
             QStringLiteral("[Mot de passe %1]").arg(QStringLiteral("LoTW")));
    QCOMPARE(ConfirmHarness::in<QLabel>(w, "Etat")->text(),
             QStringLiteral("[Prêt : rien n'est envoyé avant « Télécharger ».]"));

    ConfirmHarness::fill(w, true, false);
    ConfirmHarness::download(w);
    QTRY_VERIFY(!w->busy());
    const QString said = QStringLiteral("[LoTW n'a pas envoyé de rapport : Error: login F4XYZ with *** or ***]");
    QCOMPARE(ConfirmHarness::in<QLabel>(w, "Etat")->text(), said);
    QCOMPARE(h.messages.notices.value(0), said);
    QVERIFY(h.noSecrets());

    refuse = false;
    ConfirmHarness::download(w);
    QTRY_VERIFY(h.preview());
    // The file keeps the name the program gives it in every language.
    const QString file = h.datedFile(QStringLiteral("LoTW"));
    QCOMPARE(readBytes(file), report);
    QCOMPARE(ConfirmHarness::in<QLabel>(w, "Etat")->text(),
             QStringLiteral("[LoTW : 2 confirmations reçues, enregistrées dans %1.]").arg(QFileInfo(file).fileName()));
    const QString received = ConfirmHarness::in<QLabel>(w, "Octets")->text();
    QVERIFY2(received == QStringLiteral("[Reçu : %1 octets]").arg(QLocale(QLocale::French).toString(report.size())),
             qPrintable(received));
    QCOMPARE(h.stored(QStringLiteral("Setup F4XYZ"), ConfirmSettings::KeyLotwUser), QStringLiteral("F4XYZ"));
    QTest::keyClick(h.preview(), Qt::Key_Escape);
    QTRY_VERIFY(!h.preview());
    QVERIFY(h.noSecrets());
}

QTEST_MAIN(TestConfirmWords)
#include "tst_confirmwords.moc"
