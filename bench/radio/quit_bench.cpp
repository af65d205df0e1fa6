// Time to quit the logbook with the radio in use beside the radio off: the main
// window (and with it the radio's poller) destroyed and the deferred deletions run,
// as when the program ends. Three cases, alternated in each round on a fresh
// logbook: CAT off; a silent radio (a rigctld that accepts the connection and never
// answers, read while a request waits); and a serial radio through the logbook's own
// rigctld (Hamlib's dummy radio, model 1). Prints the medians and the largest times.
//   zel_radio_quit_bench [ROUNDS]

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
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

enum class Cat { Off, Silent, OwnRigctld };

class YesMessages : public Messages
{
public:
    void notice(const QString &) override {}
    bool question(const QString &) override { return true; }
};

double median(QList<double> v)
{
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v.at(v.size() / 2) : (v.at(v.size() / 2 - 1) + v.at(v.size() / 2)) / 2;
}

void touch(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::WriteOnly);
}

// The main window on an empty log, CAT as asked, once the radio is being read;
// returns the milliseconds its end took.
double quitRound(Cat cat, QTcpServer &silent)
{
    QTemporaryDir dir;
    Settings settings(dir.filePath(QStringLiteral("zel.ini")));
    settings.write(Settings::CommonSection, Settings::KeyCallsign, QStringLiteral("F4ZEL"));
    for (const char *name : {"F4ZEL_ZEL.log", "Liste_Abbayes.txt", "Liste_Prenom.txt"})
        touch(dir.filePath(QLatin1String(name)));
    RadioConfig c;
    c.enabled = cat != Cat::Off;
    if (cat == Cat::Silent) {
        c.link = RadioConfig::Link::Network;
        c.host = QStringLiteral("127.0.0.1");
        c.port = silent.serverPort();
    } else {
        c.link = RadioConfig::Link::Serial;
        c.model = 1;
    }
    c.save(settings);

    YesMessages messages;
    SystemClock clock;
    SharedPrinter printer;
    auto session = std::make_unique<LogSession>(settings, dir.path());
    auto index = std::make_unique<LogIndex>(*session);
    auto entry = std::make_unique<QsoEntry>(*session, settings, messages, clock);
    entry->useIndex(*index);
    auto window = std::make_unique<MainWindow>(settings, messages, clock, *session, *entry);
    installWindows(*window, *entry, AppContext{*session, *index, messages, clock, settings, printer, window.get(),
                                       window->items()});
    window->startUp();
    QTest::qWait(20);
    if (cat == Cat::Silent) {
        // The request is out and waits for an answer that never comes.
        for (int i = 0; i < 500 && !silent.hasPendingConnections(); ++i)
            QTest::qWait(10);
        while (QTcpSocket *s = silent.nextPendingConnection())
            s->setParent(&silent);
    } else if (cat == Cat::OwnRigctld) {
        for (int i = 0; i < 1000; ++i) {
            auto *status = window->findChild<QLabel *>(QStringLiteral("Etat_Poste_Radio"));
            if (status && status->text().contains(QStringLiteral("MHz")))
                break;
            QTest::qWait(10);
        }
    }
    QElapsedTimer t;
    t.start();
    window.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const double ms = double(t.nsecsElapsed()) / 1e6;
    entry.reset();
    index.reset();
    session.reset();
    // Whatever is still ending (the child rigctld) ends before the next round.
    QTest::qWait(cat == Cat::OwnRigctld ? 300 : 0);
    return ms;
}

void quiet(QtMsgType, const QMessageLogContext &, const QString &) {}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quiet);
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    QTcpServer silent;
    silent.listen(QHostAddress::LocalHost, 0);
    quitRound(Cat::Off, silent); // libraries and fonts loaded once, unmeasured
    QList<double> off, mute, own;
    const Cat order[3][3] = {{Cat::Off, Cat::Silent, Cat::OwnRigctld},
                             {Cat::Silent, Cat::OwnRigctld, Cat::Off},
                             {Cat::OwnRigctld, Cat::Off, Cat::Silent}};
    for (int r = 0; r < rounds; ++r) {
        for (Cat cat : order[r % 3]) {
            const double ms = quitRound(cat, silent);
            (cat == Cat::Off ? off : cat == Cat::Silent ? mute : own) << ms;
        }
    }
    std::printf("time to quit, medians of %d rounds        median ms    max ms   ratio to CAT off\n", rounds);
    std::printf("CAT off                               %10.2f %10.2f\n", median(off),
                *std::max_element(off.cbegin(), off.cend()));
    std::printf("silent radio (request waiting)        %10.2f %10.2f   %6.2f\n", median(mute),
                *std::max_element(mute.cbegin(), mute.cend()), median(mute) / median(off));
    std::printf("serial radio, the logbook's rigctld   %10.2f %10.2f   %6.2f\n", median(own),
                *std::max_element(own.cbegin(), own.cend()), median(own) / median(off));
    return 0;
}
