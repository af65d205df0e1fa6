#pragma once

#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>

class QPagedPaintDevice;

// Prints a listing line by line on any paged device (a printer, a PDF file): lines
// that do not fit on a page go on to the next one, so a long list is printed whole.
class ListingPrinter
{
public:
    struct Page {
        int first; // index of the page's first line
        int count;
    };
    struct Result {
        bool ok = true;
        QString error; // French, for the operator
        int pages = 0;
    };

    // Splits lineCount lines of lineHeight over pages of pageHeight (at least one line a page).
    static QList<Page> paginate(int lineCount, qreal lineHeight, qreal pageHeight);

    // "Courier New" bold 9 points; Liberation Mono, drawn to the same measures, where it is missing.
    static QFont font();

    static Result render(QPagedPaintDevice &device, const QStringList &lines);
};
