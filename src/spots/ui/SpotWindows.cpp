#include "spots/ui/SpotWindows.h"

#include "entry/QsoEntry.h"
#include "kit/ui/AppContext.h"
#include "logstore/LogSession.h"
#include "logstore/Settings.h"
#include "spots/ClusterSettings.h"
#include "spots/SpotDesk.h"
#include "spots/SpotFeed.h"
#include "spots/ui/SpotWindow.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QStatusBar>
#include <QTimer>

namespace {

// "Cluster : abbaye à contacter AZ0001 sur 14025,0 kHz (IK1ABC/P)" at the foot of the
// main window. Only this widget is shown or hidden; the bar is made visible when
// there is something to say and left to the radio's label otherwise.
class SpotStatus : public QObject
{
public:
    SpotStatus(QStatusBar *bar, Settings &settings, QObject *parent)
        : QObject(parent), m_bar(bar), m_settings(settings)
    {
    }

    void say(const QString &text)
    {
        if (!m_bar)
            return;
        if (!m_box)
            build();
        m_value->setText(text);
        m_box->setVisible(true);
        m_bar->setVisible(true);
        // A screen reader hears the new text without the focus moving.
        QAccessibleEvent changed(m_value, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }

    void announce(const Spot &spot)
    {
        say(QStringLiteral("abbaye à contacter %1 sur %2 kHz (%3), %4")
                .arg(spot.reference, spot.kHzText(), spot.call, spot.time));
        if (ClusterSettings::load(m_settings).sound)
            QApplication::beep();
    }

private:
    void build()
    {
        m_box = new QWidget;
        m_box->setObjectName(QStringLiteral("Annonce_Cluster_Zone"));
        auto *row = new QHBoxLayout(m_box);
        row->setContentsMargins(0, 0, 0, 0);
        auto *caption = new QLabel(QStringLiteral("Cluster :"));
        m_value = new QLabel;
        m_value->setObjectName(QStringLiteral("Annonce_Cluster"));
        caption->setBuddy(m_value);
        row->addWidget(caption);
        row->addWidget(m_value);
        row->addStretch(1);
        m_bar->addWidget(m_box, 1);
    }

    QPointer<QStatusBar> m_bar;
    Settings &m_settings;
    QPointer<QWidget> m_box;
    QLabel *m_value = nullptr;
};

} // namespace

void installSpotWindows(const AppContext &context, QsoEntry &entry, RadioPoller *radio)
{
    QWidget *window = context.mainWindow;
    if (!window)
        return;
    auto *feed = new SpotFeed(context.session, context.index, window);
    feed->setObjectName(QStringLiteral("Cluster_Spots"));
    auto *desk = new SpotDesk(entry, radio, window);
    auto *status = new SpotStatus(context.items.statusBar, context.settings, window);
    QObject::connect(feed, &SpotFeed::announced, status, [status](const Spot &s) { status->announce(s); });
    QObject::connect(desk, &SpotDesk::said, status, [status](const QString &text) { status->say(text); });

    // Connected when the operator left it connected; a value that cannot be read leaves it
    // off. Once the logbook is up, so that the station (the default login) is known.
    LogSession *session = &context.session;
    Settings *settings = &context.settings;
    QTimer::singleShot(0, feed, [feed, session, settings] {
        const ClusterSettings chosen = ClusterSettings::load(*settings);
        const QString login = chosen.loginFor(session->callsign());
        if (chosen.on && !login.isEmpty() && login != Settings::DefaultCallsign)
            feed->connection().connectTo(chosen.host, chosen.port, login);
    });

    QAction *item = context.items.Mnu_Abbayes_Sur_Air;
    if (!item)
        return;
    Messages *messages = &context.messages;
    QObject::connect(item, &QAction::triggered, window,
                     [=, spotWindow = QPointer<SpotWindow>()]() mutable {
                         if (!spotWindow)
                             spotWindow = new SpotWindow(*feed, *desk, *session, *settings, *messages, radio, window);
                         spotWindow->open();
                     });
}
