#pragma once

#include <QCoreApplication>
#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QPagedPaintDevice;

// Prints a listing line by line on any paged device (a printer, a PDF file): lines
// that do not fit on a page go on to the next one, so a long list is printed whole.
// Every page carries "Page N / M" at its foot; the column header may head every page.
class ListingPrinter
{
    Q_DECLARE_TR_FUNCTIONS(ListingPrinter)

public:
    struct Page {
        int first; // index of the page's first line
        int count;
    };
    struct Result {
        bool ok = true;
        QString error; // for the operator, in the interface's language
        int pages = 0; // pages printed
        bool cancelled = false; // the operator stopped the printing
    };
    struct Options {
        // Lines repeated at the top of every page after the first (the column
        // header and the blank line under it): index of the first, and how many.
        int repeatFirst = 0;
        int repeatCount = 0;
        // Called before each page with the pages printed so far and the pages in
        // all; false prints nothing more.
        std::function<bool(int done, int total)> progress;
    };

    // Splits lineCount lines of lineHeight over pages of pageHeight (at least one line a page).
    static QList<Page> paginate(int lineCount, qreal lineHeight, qreal pageHeight);
    // The same when every page after the first starts with `repeated` lines of
    // its own (a repeated header): those pages hold that many fewer lines.
    static QList<Page> paginate(int lineCount, qreal lineHeight, qreal pageHeight, int repeated);

    // "Courier New" bold 9 points; Liberation Mono, drawn to the same measures, where it is missing.
    static QFont font();

    // "Page 3 / 12", as printed: the paper is French whatever the interface's language.
    static QString pageNumber(int page, int pages);

    static Result render(QPagedPaintDevice &device, const QStringList &lines);
    static Result render(QPagedPaintDevice &device, const QStringList &lines, const Options &options);
};
