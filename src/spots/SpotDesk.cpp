#include "spots/SpotDesk.h"

#include "entry/QsoEntry.h"
#include "logstore/BandPlan.h"
#include "radio/RadioPoller.h"

#include <QPointer>

SpotDesk::SpotDesk(QsoEntry &entry, RadioPoller *radio, QObject *parent)
    : QObject(parent), m_entry(entry), m_radio(radio)
{
}

QString SpotDesk::tuneText(const Spot &spot)
{
    return QStringLiteral("%1 kHz %2").arg(spot.kHzText(), ModeMap::radioMode(spot.mode, spot.hertz()));
}

bool SpotDesk::work(const Spot &spot)
{
    QPointer<SpotDesk> self(this);
    if (m_entry.busy()) {
        // A commit is under way: its questions and its outcome come first.
        m_entry.whenIdle([self, spot] {
            if (self)
                self->work(spot);
        });
        return true;
    }
    // Asked before the radio moves: the operator may still be in that QSO.
    if (!m_entry.startNew(QsoEntry::Offer{spot.call, spot.reference, spot.band, spot.mode}))
        return false;
    if (!m_radio || !m_radio->enabled())
        return true;
    const QString target = tuneText(spot);
    const QString call = spot.call;
    m_radio->tune(spot.hertz(), spot.mode, [self, call, target](const QString &error) {
        if (!self)
            return;
        // The radio answers when it will: never in the middle of a commit.
        self->m_entry.whenIdle([self, call, target, error] {
            if (!self)
                return;
            if (!error.isEmpty()) {
                emit self->said(tr("Le poste radio n'a pas pu être réglé sur %1 : %2").arg(target, error));
                return;
            }
            self->m_entry.offerTuned(call);
            emit self->said(tr("Poste radio réglé sur %1").arg(target));
        });
    });
    return true;
}
