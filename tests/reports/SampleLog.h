#pragma once

// The hand-written log behind the golden files of tests/fixtures/reports: QSOs with
// one abbey three times, dates that sort as text (02/01/08 before 15/12/07), an
// accented name and a 12-character callsign.

#include "app/Harness.h"

namespace reportstest {

using zeltest::Qso;

inline Qso make(const QByteArray &call, const QByteArray &ref, const QByteArray &date,
               const QByteArray &time, const QByteArray &abbey, bool qsl)
{
    Qso q = zeltest::qso(call, ref, date, time);
    q.abbey = abbey;
    q.qsl = qsl;
    q.loc = "JN62";
    q.name = "MARCO";
    return q;
}

inline QList<QByteArray> sampleLog()
{
    return {make("IK0AAA", "TO0007", "02/01/08", "10:00", "Abbazia di Sant'Antimo", true).line(),
            make("F1ABC", "AZ0001", "15/12/07", "09:05", zeltest::SanClemente, false).line(),
            make("DL1ABCDEFGHI", "MR0005", "01/02/08", "23:59", zeltest::PieDiChienti, true).line(),
            make("F1ABC", "AZ0001", "02/01/08", "08:00", zeltest::SanClemente, true).line()};
}

} // namespace reportstest
