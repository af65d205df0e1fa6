// Typing QSOs in the main window with the radio in use (Hamlib's dummy radio behind
// the logbook's own rigctld, read every 500 ms) against the same typing with the radio off.
// Each round opens a fresh logbook for each case, in alternate order, and times
// QSOS QSOs typed key by key from the callsign to "Valider le QSO": the keys alone
// (what the operator feels while typing), also as processor time of the window's
// thread (which other programs on the machine do not disturb), and the whole QSOs
// with their commits (which the disk's fsync dominates). Prints the medians and
// their ratios; exits with 1 when the ratio of the window thread's time is over 1.10.
//   zel_radio_bench [ROUNDS [QSOS [same]]]
// With "same", both cases run with the radio off: the spread the machine alone gives.

#include "Composition.h"
#include "kit/Clock.h"
#include "kit/Messages.h"
#include "entry/QsoEntry.h"
#include "kit/ui/AppContext.h"
#include "refdata/LogIndex.h"
#include "app/ui/MainWindow.h"
#include "kit/ui/SharedPrinter.h"
#include "logstore/LogSession.h"
#include "logstore/Settings.h"
#include "radio/RadioConfig.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>

namespace {

class YesMessages : public Messages
{
public:
    void notice(const QString &) override {}
    bool question(const QString &) override { return true; }
};

// Processor time of the calling thread, in nanoseconds.
qint64 threadNs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

double median(QList<double> v)
{
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v.at(v.size() / 2) : (v.at(v.size() / 2 - 1) + v.at(v.size() / 2)) / 2;
}

QWidget *typingTarget(QWidget *w)
{
    if (auto *c = qobject_cast<QComboBox *>(w))
        return c->lineEdit();
    return w;
}

// One logbook: station F4ZEL, an empty log, the radio on or off.
struct Logbook
{
    explicit Logbook(bool radio)
    {
        settings = std::make_unique<Settings>(dir.filePath(QStringLiteral("zel.ini")));
        settings->write(Settings::CommonSection, Settings::KeyCallsign, QStringLiteral("F4ZEL"));
        QFile log(dir.filePath(QStringLiteral("F4ZEL_ZEL.log")));
        log.open(QIODevice::WriteOnly);
        log.close();
        QFile abbeys(dir.filePath(QStringLiteral("Liste_Abbayes.txt")));
        abbeys.open(QIODevice::WriteOnly);
        abbeys.close();
        QFile names(dir.filePath(QStringLiteral("Liste_Prenom.txt")));
        names.open(QIODevice::WriteOnly);
        names.close();
        RadioConfig c;
        c.enabled = radio;
        c.link = RadioConfig::Link::Serial;
        c.model = 1; // Hamlib's dummy radio, on no port, behind the logbook's own rigctld
        c.save(*settings);

        session = std::make_unique<LogSession>(*settings, dir.path());
        index = std::make_unique<LogIndex>(*session);
        entry = std::make_unique<QsoEntry>(*session, *settings, messages, clock);
        entry->useIndex(*index);
        window = std::make_unique<MainWindow>(*settings, messages, clock, *session, *entry);
        installWindows(*window, *entry, AppContext{*session, *index, messages, clock, *settings, printer,
                                           window.get(), window->items()});
        window->startUp();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get())) {
            std::fprintf(stderr, "the main window did not become active\n");
            std::exit(2);
        }
        if (radio) {
            // Typing starts once the radio has answered, as an operator would see it.
            QElapsedTimer t;
            t.start();
            auto *status = window->findChild<QLabel *>(QStringLiteral("Etat_Poste_Radio"));
            while ((!status || !status->text().contains(QStringLiteral("MHz"))) && t.elapsed() < 10000) {
                QTest::qWait(20);
                status = window->findChild<QLabel *>(QStringLiteral("Etat_Poste_Radio"));
            }
            if (!status || !status->text().contains(QStringLiteral("MHz"))) {
                std::fprintf(stderr, "the dummy radio did not answer\n");
                std::exit(2);
            }
        }
    }

    ~Logbook()
    {
        window.reset();
        entry.reset();
        index.reset();
        session.reset();
    }

    // Types one QSO key by key and commits it; false when the entry stopped. The
    // time spent on keys other than the commit's is added to `keys`.
    bool typeQso(int n, qint64 *keys, qint64 *keysCpu)
    {
        QElapsedTimer t;
        const QHash<QString, QString> typed{
            {QStringLiteral("Ind_A"), QStringLiteral("f%1abc").arg(n % 10)},
            {QStringLiteral("Ref_A"), QStringLiteral("az%1").arg(n, 4, 10, QLatin1Char('0'))},
        };
        for (int step = 0; step < 20; ++step) {
            QWidget *at = QApplication::focusWidget();
            if (auto *edit = qobject_cast<QLineEdit *>(at); edit && qobject_cast<QComboBox *>(edit->parentWidget()))
                at = edit->parentWidget();
            if (!at)
                return false;
            if (at->objectName() == QLatin1String("Valide_A")) {
                QTest::keyClick(at, Qt::Key_Return);
                return true;
            }
            t.start();
            const qint64 cpu = threadNs();
            if (typed.contains(at->objectName()))
                QTest::keyClicks(typingTarget(at), typed.value(at->objectName()));
            QTest::keyClick(typingTarget(at), Qt::Key_Return);
            *keysCpu += threadNs() - cpu;
            *keys += t.nsecsElapsed();
        }
        return false;
    }

    QTemporaryDir dir;
    YesMessages messages;
    SystemClock clock;
    SharedPrinter printer;
    std::unique_ptr<Settings> settings;
    std::unique_ptr<LogSession> session;
    std::unique_ptr<LogIndex> index;
    std::unique_ptr<QsoEntry> entry;
    std::unique_ptr<MainWindow> window;
};

struct Round
{
    double keysMs = 0;
    double keysCpuMs = 0;
    double wholeMs = 0;
};

Round typeRound(bool radio, int qsos)
{
    Logbook book(radio);
    QElapsedTimer t;
    t.start();
    qint64 keys = 0;
    qint64 keysCpu = 0;
    for (int i = 0; i < qsos; ++i) {
        if (!book.typeQso(i, &keys, &keysCpu)) {
            std::fprintf(stderr, "the entry stopped at QSO %d\n", i);
            std::exit(2);
        }
    }
    return {double(keys) / 1e6, double(keysCpu) / 1e6, double(t.nsecsElapsed()) / 1e6};
}

void quiet(QtMsgType, const QMessageLogContext &, const QString &) {}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform's notices would drown the figures.
    qInstallMessageHandler(quiet);
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    const int qsos = argc > 2 ? std::max(1, std::atoi(argv[2])) : 40;
    const bool same = argc > 3 && qstrcmp(argv[3], "same") == 0;
    typeRound(false, 2); // libraries and fonts loaded once, unmeasured
    QList<double> keysOff, keysOn, cpuOff, cpuOn, wholeOff, wholeOn;
    for (int r = 0; r < rounds; ++r) {
        // Alternate which case goes first, so both see the same drift of the disk.
        const bool radioFirst = r % 2;
        for (bool radio : {radioFirst, !radioFirst}) {
            const Round round = typeRound(radio && !same, qsos);
            (radio ? keysOn : keysOff) << round.keysMs;
            (radio ? cpuOn : cpuOff) << round.keysCpuMs;
            (radio ? wholeOn : wholeOff) << round.wholeMs;
        }
    }
    const double keysRatio = median(keysOn) / median(keysOff);
    const double cpuRatio = median(cpuOn) / median(cpuOff);
    const double wholeRatio = median(wholeOn) / median(wholeOff);
    std::printf("%d QSOs, medians of %d rounds   radio on (dummy)   radio off   ratio   target\n", qsos, rounds);
    std::printf("keys up to the commit          %10.1f ms %10.1f ms  %6.3f\n", median(keysOn),
                median(keysOff), keysRatio);
    std::printf("  window thread's processor     %10.1f ms %10.1f ms  %6.3f   <= 1.10\n", median(cpuOn),
                median(cpuOff), cpuRatio);
    std::printf("whole QSOs with their commits  %10.1f ms %10.1f ms  %6.3f\n", median(wholeOn),
                median(wholeOff), wholeRatio);
    return cpuRatio <= 1.10 ? 0 : 1;
}
