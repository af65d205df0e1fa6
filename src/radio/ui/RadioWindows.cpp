#include "radio/ui/RadioWindows.h"

#include "entry/QsoEntry.h"
#include "kit/ui/AppContext.h"
#include "logstore/Settings.h"
#include "radio/RadioConfig.h"
#include "radio/RadioPoller.h"
#include "radio/ui/RadioWindow.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QStatusBar>

namespace {

// "CAT : 14,205 MHz USB" or "CAT : Poste radio non joignable" at the foot of the
// main window while the radio is in use. The value label is named by its caption
// and read for its text.
class RadioStatus : public QObject
{
public:
    RadioStatus(QStatusBar *bar, RadioPoller &poller) : QObject(&poller), m_bar(bar), m_poller(poller)
    {
        connect(&poller, &RadioPoller::changed, this, [this] { refresh(); });
        refresh();
    }

private:
    void refresh()
    {
        const bool on = m_poller.enabled();
        // With the radio off the main window stays as it always was: no status bar.
        if (!on && !m_box)
            return;
        if (!m_box)
            build();
        m_value->setText(m_poller.statusText());
        m_box->setVisible(on);
        // The status area is shared: it stays while another subsystem shows something there.
        bool othersShown = false;
        for (QWidget *w : m_bar->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
            if (w != m_box && !w->objectName().isEmpty() && !w->isHidden())
                othersShown = true;
        }
        m_bar->setVisible(on || othersShown);
    }

    void build()
    {
        m_box = new QWidget;
        m_box->setObjectName(QStringLiteral("Etat_Poste_Radio_Zone"));
        auto *row = new QHBoxLayout(m_box);
        row->setContentsMargins(0, 0, 0, 0);
        auto *caption = new QLabel(QStringLiteral("CAT :"));
        m_value = new QLabel;
        m_value->setObjectName(QStringLiteral("Etat_Poste_Radio"));
        caption->setBuddy(m_value);
        row->addWidget(caption);
        row->addWidget(m_value);
        row->addStretch(1);
        m_bar->addWidget(m_box, 1);
    }

    QStatusBar *m_bar;
    RadioPoller &m_poller;
    QPointer<QWidget> m_box;
    QLabel *m_value = nullptr;
};

} // namespace

RadioPoller *installRadioWindows(const AppContext &context, QsoEntry &entry)
{
    QWidget *window = context.mainWindow;
    if (!window || !context.items.statusBar)
        return nullptr;
    auto *poller = new RadioPoller(window);
    poller->setObjectName(QStringLiteral("Poste_Radio_Lecture"));
    poller->setConfig(RadioConfig::load(context.settings));
    new RadioStatus(context.items.statusBar, *poller);

    // A QSO typed as it happens starts on the radio's band and mode. A frequency
    // outside the log's bands leaves no band chosen, so that the entry asks for one
    // rather than keep the last QSO's band; a mode the log does not keep, or a radio
    // off or unreachable, leaves the field as it is.
    entry.setStartValues([poller] {
        QHash<QsoEntry::Field, QString> values;
        if (!poller->enabled())
            return values;
        const RadioReading r = poller->latest();
        if (!r.ok)
            return values;
        values.insert(QsoEntry::Bande, r.band());
        if (!r.entryMode().isEmpty())
            values.insert(QsoEntry::Mode, r.entryMode());
        return values;
    });

    QAction *item = context.items.Mnu_Poste_Radio;
    if (!item)
        return poller;
    Settings *settings = &context.settings;
    Messages *messages = &context.messages;
    QObject::connect(item, &QAction::triggered, window,
                     [=, radioWindow = QPointer<RadioWindow>()]() mutable {
                         if (!radioWindow)
                             radioWindow = new RadioWindow(*settings, *messages, *poller, window);
                         radioWindow->open();
                     });
    return poller;
}
