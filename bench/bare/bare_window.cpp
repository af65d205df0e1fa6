// The start-up baseline: an empty main window of the logbook's size, started and
// detected the same way (bench/startup.sh).

#include "kit/ui/Centre.h"
#include "app/ui/StartupProbe.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.resize(1180, 720);
    installStartupProbe(&window);
    centreOnScreen(&window);
    window.show();
    return QApplication::exec();
}
