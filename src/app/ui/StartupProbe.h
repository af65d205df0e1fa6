#pragma once

#include <functional>

class QWidget;

// Runs done once, when the window's first complete drawing is over: what the
// operator does not need to see the window can wait until then.
void afterFirstPaint(QWidget *window, std::function<void()> done);

// For the start-up benchmark: with KVR_ZEL_STARTUP_PROBE set in the environment,
// the first complete drawing of the window prints "painted <ns since the epoch>"
// on standard error (and quits when the variable says "quit"). Does nothing otherwise.
void installStartupProbe(QWidget *window);
