#include "kit/Clock.h"
#include "kit/Language.h"
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
#include "refdata/AbbeyList.h"
#include "refdata/AbbeyListSwap.h"
#include "refdata/LogIndex.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <QStandardPaths>

#include <thread>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZEL"));
    // The desktop's menu entry and task bar know the program by this name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("kvr-zel"));

    // The interface's language, French unless the operator chose another (Afficher >
    // Langue); installed before any text is made. Qt's own file dialog follows it, the
    // desktop's would not.
    Settings settings;
    Language::install(settings.read(Language::SettingsSection, Language::SettingsKey, Language::French));
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);

    QString dirError;
    const QString dir = ProgramDir::resolve(
        QApplication::applicationDirPath(),
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation), &dirError);
    LogSession session(settings, dir);
    // A list update stopped by a kill or a power cut is finished (or undone) before the log is read.
    const QString listUpdateResumed = AbbeyListSwap::resume(session.filePath(AbbeyList::FileName)).message;
    // The award standing, built at its first question and kept up to date after.
    LogIndex index(session);
    // The log is read on another thread while the window is being built.
    session.prefetchStation();

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
    if (!listUpdateResumed.isEmpty())
        messages.notice(listUpdateResumed);
    // A settings file far too large to be one was set aside unread.
    if (!settings.damage().isEmpty())
        messages.notice(settings.damage());
    window.startUp();
    const int status = QApplication::exec();
    if (iconPainter.joinable())
        iconPainter.join();
    return status;
}
