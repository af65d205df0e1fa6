#pragma once

#include "listing/ListingPrinter.h"

#include <QStringList>

#include <functional>

class LogSession;
class Messages;
class QPrinter;
class QWidget;

// Prints a listing as the operator asks: the printer dialog (`CommonDialog1`) on the
// program's shared printer, then every line, page after page. Cancelling the dialog
// prints nothing. The lines are made once the dialog is accepted, so they are those
// of the log at that moment. A long print shows its progress and can be cancelled
// there: no page more is printed. Returns whether the listing was printed whole.
// options: the header repeated on every page (its progress is set here).
bool printListing(QWidget *parent, QPrinter &printer, Messages &messages,
                  const std::function<QStringList()> &lines, ListingPrinter::Options options = {});

// A listing of a log that cannot be read is not printed: the operator is told why.
// True when the log was read and the listing may be printed.
bool logReadableForPrinting(const LogSession &session, Messages &messages);
