#pragma once

#include "spots/Spot.h"

#include <QObject>
#include <QString>

class QsoEntry;
class RadioPoller;

// Working a spot with one key: with an entry in progress the operator is asked once
// (and "Non" changes nothing, the radio included); then a new QSO starts with the
// spot's callsign, its reference offered when the cursor reaches it, and the spot's
// band and mode, and the radio in use is tuned to the spot's frequency and mode. Once
// tuned, the radio's reading confirms the band and mode; a tuning that fails is said
// and the spot's band and mode stay.
class SpotDesk : public QObject
{
    Q_OBJECT
public:
    // radio: the transceiver's poller, or none.
    SpotDesk(QsoEntry &entry, RadioPoller *radio, QObject *parent = nullptr);

    // False when the operator kept his entry in progress. While a commit is under
    // way the spot is worked once it has ended.
    bool work(const Spot &spot);

    // The radio's mode name for a spot's log mode at its frequency.
    static QString tuneText(const Spot &spot);

signals:
    // A sentence for the status area ("Le poste n'a pas pu être réglé…").
    void said(const QString &text);

private:
    QsoEntry &m_entry;
    RadioPoller *m_radio;
};
