#pragma once

class QWidget;

// For the start-up benchmark: with KVR_ZEL_STARTUP_PROBE set in the environment,
// the first complete drawing of the window prints "painted <ns since the epoch>"
// on standard error (and quits when the variable says "quit"). Does nothing otherwise.
void installStartupProbe(QWidget *window);
