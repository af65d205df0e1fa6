#include "app/Clock.h"
#include "app/ProgramDir.h"
#include "app/ui/MainWindow.h"
#include "app/ui/QtMessages.h"
#include "logstore/Settings.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZEL"));

    // Qt's own buttons speak French too (Oui / Non).
    QTranslator qtFrench;
    if (qtFrench.load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qtbase"),
                      QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtFrench);

    const QString dir = ProgramDir::resolve(
        QApplication::applicationDirPath(),
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));

    Settings settings;
    QtMessages messages;
    SystemClock clock;
    MainWindow window(settings, messages, clock, dir);
    messages.setParent(&window);
    window.startUp();
    return QApplication::exec();
}
