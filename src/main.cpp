#include "kit/Clock.h"
#include "refdata/ProgramDir.h"
#include "entry/QsoEntry.h"
#include "Composition.h"
#include "kit/ui/AppContext.h"
#include "app/ui/MainWindow.h"
#include "kit/ui/SharedPrinter.h"
#include "app/ui/StartupProbe.h"
#include "kit/ui/QtMessages.h"
#include "logstore/LogSession.h"
#include "logstore/Settings.h"
#include "refdata/LogIndex.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <QLibraryInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QTranslator>

#include <thread>

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
    // The award standing, built at its first question and kept up to date after.
    LogIndex index(session);
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
    entry.useIndex(index);
    // The printer chosen in the printer dialog stays chosen for the whole run.
    SharedPrinter printer;
    MainWindow window(settings, messages, clock, session, entry);
    messages.setParent(&window);
    installWindows(window, entry, AppContext{session, index, messages, clock, settings, printer, &window, window.items()});
    // The first drawing does without the icon; the shipped one is then drawn on
    // another thread, so the window's thread only hands the pictures over.
    std::thread iconPainter;
    afterFirstPaint(&window, [&window, &iconPainter] {
        iconPainter = std::thread([&window] {
            QList<QImage> pictures;
            QSvgRenderer svg(QStringLiteral(":/icons/kvr-zel.svg"));
            for (const int side : {16, 24, 32, 48, 64, 128}) {
                QImage picture(side, side, QImage::Format_ARGB32_Premultiplied);
                picture.fill(Qt::transparent);
                QPainter painter(&picture);
                svg.render(&painter);
                painter.end();
                pictures.append(picture);
            }
            // Queued to the window's thread (the thread is joined before the window goes).
            QMetaObject::invokeMethod(&window, [pictures] {
                QIcon icon;
                for (const QImage &picture : pictures)
                    icon.addPixmap(QPixmap::fromImage(picture));
                QApplication::setWindowIcon(icon);
            }, Qt::QueuedConnection);
        });
    });
    installStartupProbe(&window);
    // The data folder could not be made or filled: the operator must know before typing.
    if (!dirError.isEmpty())
        messages.notice(dirError);
    window.startUp();
    const int status = QApplication::exec();
    if (iconPainter.joinable())
        iconPainter.join();
    return status;
}
