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
    // Asked before the radio moves: the operator may still be in that QSO.
    if (!m_entry.makeRoom(spot.call))
        return false;
    QsoEntry::Offer offer{spot.call, spot.reference, spot.band, spot.mode};
    if (!m_radio || !m_radio->enabled()) {
        m_entry.startNew(offer);
        return true;
    }
    // The radio's own reading gives the band and mode once it is there.
    offer.band.clear();
    offer.mode.clear();
    QPointer<SpotDesk> self(this);
    const QString target = tuneText(spot);
    m_radio->tune(spot.hertz(), spot.mode, [self, offer, target](const QString &error) {
        if (!self)
            return;
        if (error.isEmpty())
            emit self->said(QStringLiteral("Poste radio réglé sur %1").arg(target));
        else
            emit self->said(QStringLiteral("Le poste radio n'a pas pu être réglé sur %1 : %2").arg(target, error));
        self->m_entry.startNew(offer);
    });
    return true;
}
