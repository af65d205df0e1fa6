#include "app/Clock.h"
#include "app/ProgramDir.h"
#include "app/QsoEntry.h"
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

    // Qt's own buttons speak French too (Oui / Non).
    QTranslator qtFrench;
    if (qtFrench.load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qtbase"),
                      QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtFrench);

    QString dirError;
    const QString dir = ProgramDir::resolve(
        QApplication::applicationDirPath(),
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation), &dirError);

    // After the program directory: the shipped files' resources are loaded by then.
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("kvr-zel"), QIcon(QStringLiteral(":/icons/kvr-zel.svg"))));

    Settings settings;
    QtMessages messages;
    SystemClock clock;
    LogSession session(settings, dir);
    QsoEntry entry(session, settings, messages, clock);
    // The printer chosen in the printer dialog stays chosen for the whole run.
    SharedPrinter printer;
    MainWindow window(settings, messages, clock, session, entry);
    messages.setParent(&window);
    installWindows(AppContext{session, entry, messages, clock, settings, printer, &window});
    installStartupProbe(&window);
    // The data folder could not be made or filled: the operator must know before typing.
    if (!dirError.isEmpty())
        messages.notice(dirError);
    window.startUp();
    return QApplication::exec();
}
