// The radio in another language than the program's French: its readings, its
// failures and its window read translated, each a whole sentence, while the
// settings keep their French values.

#include "FakeRadio.h"
#include "app/Fakes.h"
#include "common/BracketTranslator.h"

#include "logstore/Settings.h"
#include "radio/RadioConfig.h"
#include "radio/RadioPoller.h"
#include "radio/RadioReading.h"
#include "radio/RigctldReader.h"
#include "radio/ui/RadioWindow.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace zeltest;
using Op = RadioRequest::Op;
using Does = FakeRadio::Does;

namespace {

// A poller reading a fake radio that starts on the given frequency and mode.
struct Polled
{
    Polled(qint64 hertz, const QString &mode)
    {
        poller.setFactory([this, hertz, mode](const RadioConfig &) {
            auto f = std::make_unique<FakeRadio>();
            f->hertz = hertz;
            f->mode = mode;
            if (lost)
                f->always(Op::ReadFrequency, Does::Lose);
            fake = f.get();
            return f;
        });
        RadioLink::Timing t;
        t.pollMs = 1;
        t.retryMs = 1;
        t.answerMs = 1000;
        t.softTries = 1;
        poller.setTiming(t);
        RadioConfig c;
        c.enabled = true;
        poller.setConfig(c);
    }
    RadioPoller poller;
    FakeRadio *fake = nullptr;
    bool lost = false; // the radios made from now on are lost at once
};

} // namespace

class RadioWordsTest : public QObject
{
    Q_OBJECT
private slots:
    void readingsAreWholeSentences();
    void windowTranslatedSettingsFrench();
};

void RadioWordsTest::readingsAreWholeSentences()
{
    BracketTranslator words(BracketTranslator::ProgramTexts);
    {
        // Neither the band nor the mode can go into the entry: both said, in one text.
        Polled p(5300000, QStringLiteral("PKTUSB"));
        QTRY_COMPARE(p.poller.statusText(),
                     QStringLiteral("[5,300 MHz PKTUSB (fréquence hors des bandes du log, QRG non reprise ; "
                                    "mode non repris)]"));
        p.fake->hertz = 14205000;
        QTRY_COMPARE(p.poller.statusText(), QStringLiteral("[14,205 MHz PKTUSB (mode non repris)]"));
        p.fake->mode = QStringLiteral("USB");
        // Nothing to say beyond the figures and Hamlib's mode: no word to translate.
        QTRY_COMPARE(p.poller.statusText(), QStringLiteral("14,205 MHz USB"));
        p.fake->hertz = 5300000;
        QTRY_COMPARE(p.poller.statusText(),
                     QStringLiteral("[5,300 MHz USB (fréquence hors des bandes du log, QRG non reprise)]"));
        p.fake->always(Op::ReadFrequency, Does::Lose);
        QTRY_COMPARE(p.poller.statusText(), QStringLiteral("[Poste radio non joignable]"));
        QCOMPARE(p.poller.latest().testText(),
                 QStringLiteral("[Poste radio non joignable : %1]").arg(p.poller.latest().error));
    }
    QCOMPARE(RigctldReader::errorText(-5), QStringLiteral("[le poste ne répond pas (délai dépassé)]"));
    QCOMPARE(RigctldReader::errorText(-42), QStringLiteral("[erreur 42 de Hamlib]"));
}

void RadioWordsTest::windowTranslatedSettingsFrench()
{
    BracketTranslator words(BracketTranslator::ProgramTexts);
    QTemporaryDir dir;
    Settings settings(dir.filePath(QStringLiteral("zel.ini")));
    FakeMessages messages;
    Polled p(14205000, QStringLiteral("USB"));
    RadioConfig off;
    p.poller.setConfig(off);
    auto *w = new RadioWindow(settings, messages, p.poller);
    w->open();
    QCOMPARE(w->windowTitle(), QStringLiteral("[Poste radio]"));
    QCOMPARE(w->findChild<QCheckBox *>(QStringLiteral("Utiliser_Poste"))->text(),
             QStringLiteral("[&Utiliser le poste radio]"));

    // A radio that cannot be reached says so in one sentence, the reason within it.
    w->findChild<QCheckBox *>(QStringLiteral("Utiliser_Poste"))->setChecked(true);
    w->findChild<QRadioButton *>(QStringLiteral("Liaison_Reseau"))->setChecked(true);
    w->findChild<QLineEdit *>(QStringLiteral("Hote"))->setText(QStringLiteral("localhost"));
    auto *result = w->findChild<QLabel *>(QStringLiteral("Resultat_Test"));
    p.lost = true;
    w->findChild<QPushButton *>(QStringLiteral("Tester"))->click();
    QCOMPARE(result->text(), QStringLiteral("[Lecture du poste radio…]"));
    QTRY_COMPARE(result->text(), QStringLiteral("[Poste radio non joignable : rigctld a fermé la liaison]"));
    p.lost = false;
    w->findChild<QLineEdit *>(QStringLiteral("Hote"))->clear();
    w->findChild<QPushButton *>(QStringLiteral("Valider"))->click();
    QCOMPARE(messages.notices.value(0), QStringLiteral("[Indiquez l'hôte de rigctld (localhost sur cet ordinateur).]"));

    // Stored with the settings' own French words.
    w->findChild<QLineEdit *>(QStringLiteral("Hote"))->setText(QStringLiteral("localhost"));
    w->findChild<QPushButton *>(QStringLiteral("Valider"))->click();
    QCOMPARE(messages.notices.size(), 1);
    const Settings stored(dir.filePath(QStringLiteral("zel.ini")));
    QCOMPARE(stored.read(RadioConfig::Section, RadioConfig::KeyEnabled, QString()), QStringLiteral("Oui"));
    QCOMPARE(stored.read(RadioConfig::Section, RadioConfig::KeyLink, QString()), QStringLiteral("Reseau"));
    QVERIFY(RadioConfig::load(stored).enabled);
    QTRY_COMPARE(p.poller.statusText(), QStringLiteral("14,205 MHz USB"));
}

QTEST_MAIN(RadioWordsTest)
#include "tst_radiowords.moc"
