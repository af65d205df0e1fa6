#include "radio/ui/RadioWindows.h"

#include "kit/ui/AppContext.h"
#include "kit/ui/StatusArea.h"
#include "logstore/Settings.h"
#include "radio/RadioConfig.h"
#include "radio/RadioPoller.h"
#include "radio/ui/RadioWindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QPointer>

namespace {

// "CAT : 14,205 MHz USB" or "CAT : Poste radio non joignable" in the radio's place at
// the foot of the main window while the radio is in use. The value label is named by
// its caption and read for its text.
class RadioStatus : public QObject
{
public:
    RadioStatus(QWidget *place, RadioPoller &poller) : QObject(&poller), m_place(place), m_poller(poller)
    {
        connect(&poller, &RadioPoller::changed, this, [this] { refresh(); });
        refresh();
    }

private:
    void refresh()
    {
        if (!m_place)
            return;
        const bool on = m_poller.enabled();
        // With the radio off the place stays empty and hidden.
        if (!on && !m_value)
            return;
        if (!m_value)
            m_value = StatusArea::captionedValue(m_place, QCoreApplication::translate("RadioWindows", "CAT :"), QStringLiteral("Etat_Poste_Radio"));
        m_value->setText(m_poller.statusText());
        m_place->setVisible(on);
    }

    QPointer<QWidget> m_place;
    RadioPoller &m_poller;
    QPointer<QLabel> m_value;
};

} // namespace

void installRadioWindows(const AppContext &context, RadioPoller &poller)
{
    QWidget *window = context.mainWindow;
    if (!window)
        return;
    if (context.items.Etat_Poste_Radio_Zone)
        new RadioStatus(context.items.Etat_Poste_Radio_Zone, poller);

    QAction *item = context.items.Mnu_Poste_Radio;
    if (!item)
        return;
    Settings *settings = &context.settings;
    Messages *messages = &context.messages;
    RadioPoller *radio = &poller;
    QObject::connect(item, &QAction::triggered, window,
                     [=, radioWindow = QPointer<RadioWindow>()]() mutable {
                         if (!radioWindow)
                             radioWindow = new RadioWindow(*settings, *messages, *radio, window);
                         radioWindow->open();
                     });
}
