#include "spots/ui/SpotWindows.h"

#include "kit/ui/AppContext.h"
#include "kit/ui/StatusArea.h"
#include "logstore/LogSession.h"
#include "logstore/Settings.h"
#include "spots/ClusterSettings.h"
#include "spots/SpotDesk.h"
#include "spots/SpotFeed.h"
#include "spots/ui/SpotWindow.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QPointer>
#include <QTimer>

namespace {

// "Cluster : abbaye à contacter AZ0001 sur 14025,0 kHz (IK1ABC/P)" in the cluster's
// place at the foot of the main window, shown once there is something to say.
class SpotStatus : public QObject
{
public:
    SpotStatus(QWidget *place, Settings &settings, QObject *parent)
        : QObject(parent), m_place(place), m_settings(settings)
    {
    }

    void say(const QString &text)
    {
        if (!m_place)
            return;
        if (!m_value)
            m_value = StatusArea::captionedValue(m_place, QCoreApplication::translate("SpotWindows", "Cluster :"), QStringLiteral("Annonce_Cluster"));
        m_value->setText(text);
        m_place->setVisible(true);
        // A screen reader hears the new text without the focus moving.
        QAccessibleEvent changed(m_value, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }

    void announce(const Spot &spot)
    {
        say(QCoreApplication::translate("SpotWindows", "abbaye à contacter %1 sur %2 kHz (%3), %4")
                .arg(spot.reference, spot.kHzText(), spot.call, spot.time));
        if (ClusterSettings::load(m_settings).sound)
            QApplication::beep();
    }

private:
    QPointer<QWidget> m_place;
    Settings &m_settings;
    QPointer<QLabel> m_value;
};

} // namespace

void installSpotWindows(const AppContext &context, SpotFeed &feed, SpotDesk &desk, RadioPoller *radio)
{
    QWidget *window = context.mainWindow;
    if (!window)
        return;
    auto *status = new SpotStatus(context.items.Annonce_Cluster_Zone, context.settings, window);
    QObject::connect(&feed, &SpotFeed::announced, status, [status](const Spot &s) { status->announce(s); });
    QObject::connect(&desk, &SpotDesk::said, status, [status](const QString &text) { status->say(text); });

    // Connected when the operator left it connected; a value that cannot be read leaves it
    // off. Once the logbook is up, so that the station (the default login) is known.
    LogSession *session = &context.session;
    Settings *settings = &context.settings;
    SpotFeed *spots = &feed;
    QTimer::singleShot(0, spots, [spots, session, settings] {
        const ClusterSettings chosen = ClusterSettings::load(*settings);
        const QString login = chosen.loginFor(session->callsign());
        if (chosen.on && !login.isEmpty() && login != Settings::DefaultCallsign)
            spots->connection().connectTo(chosen.host, chosen.port, login);
    });

    QAction *item = context.items.Mnu_Abbayes_Sur_Air;
    if (!item)
        return;
    Messages *messages = &context.messages;
    SpotDesk *worker = &desk;
    QObject::connect(item, &QAction::triggered, window,
                     [=, spotWindow = QPointer<SpotWindow>()]() mutable {
                         if (!spotWindow)
                             spotWindow = new SpotWindow(*spots, *worker, *session, *settings, *messages, radio, window);
                         spotWindow->open();
                     });
}
