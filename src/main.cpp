#include "app/Clock.h"
#include "app/ProgramDir.h"
#include "app/QsoEntry.h"
#include "Composition.h"
#include "app/ui/AppContext.h"
#include "app/ui/MainWindow.h"
#include "app/ui/SharedPrinter.h"
#include "app/ui/StartupProbe.h"
#include "app/ui/QtMessages.h"
#include "logstore/LogSession.h"
#include "logstore/Settings.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZEL"));
    // The desktop's menu entry and task bar know the program by this name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("kvr-zel"));

    QString dirError;
    const QString dir = ProgramDir::resolve(
        QApplication::applicationDirPath(),
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation), &dirError);
    Settings settings;
    LogSession session(settings, dir);
    // The log is read on another thread while the window is being built.
    session.prefetchStation();

    // Qt's own buttons speak French too (Oui / Non).
    QTranslator qtFrench;
    if (qtFrench.load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qtbase"),
                      QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtFrench);

    QtMessages messages;
    SystemClock clock;
    QsoEntry entry(session, settings, messages, clock);
    // The printer chosen in the printer dialog stays chosen for the whole run.
    SharedPrinter printer;
    MainWindow window(settings, messages, clock, session, entry);
    messages.setParent(&window);
    installWindows(window, AppContext{session, entry, messages, clock, settings, printer, &window, window.items()});
    // Looking the icon up in the desktop's theme is slow, and the first drawing
    // of the window does without it.
    afterFirstPaint(&window, [] {
        QApplication::setWindowIcon(
            QIcon::fromTheme(QStringLiteral("kvr-zel"), QIcon(QStringLiteral(":/icons/kvr-zel.svg"))));
    });
    installStartupProbe(&window);
    // The data folder could not be made or filled: the operator must know before typing.
    if (!dirError.isEmpty())
        messages.notice(dirError);
    window.startUp();
    return QApplication::exec();
}
