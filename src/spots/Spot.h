#pragma once

#include <QString>

// One station announced on the cluster as a line of the node read it: who announced
// whom on which frequency, with what comment, at what UTC time. The reference and
// what the lists say of it are added once the comment is found to name an abbey.
struct Spot
{
    QString spotter;
    double kHz = 0;
    QString call;
    QString comment;
    QString time; // "HH:MM" UTC, as the node gave it
    bool listed = false; // from the answer to "sh/dx", not announced live

    // Filled by the reader from the abbey list and the band plan.
    QString reference; // in capitals
    QString abbey;
    QString region;
    QString band; // the log's label, empty outside the twelve bands
    QString mode; // "CW", "SSB" or "FM": the comment's, else the band plan's

    qint64 hertz() const { return qint64(kHz * 1000.0 + 0.5); }
    // "14025,0": the frequency as the window shows it.
    QString kHzText() const;
    // The same call, abbey and band is the same spot announced again.
    QString key() const { return call + QLatin1Char('|') + reference + QLatin1Char('|') + band; }
};
