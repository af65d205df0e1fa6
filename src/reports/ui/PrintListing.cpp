#include "reports/ui/PrintListing.h"

#include "app/Messages.h"
#include "reports/ListingPrinter.h"

#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrinter>

bool printListing(QWidget *parent, QPrinter &printer, Messages &messages,
                  const std::function<QStringList()> &lines)
{
    // The listing is printed whole: no range or selection is offered.
    printer.setPrintRange(QPrinter::AllPages);
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("CommonDialog1"));
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    // A long log takes a moment to lay out page by page.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const ListingPrinter::Result r = ListingPrinter::render(printer, lines());
    QGuiApplication::restoreOverrideCursor();
    if (!r.ok) {
        messages.notice(r.error);
        return false;
    }
    return true;
}
