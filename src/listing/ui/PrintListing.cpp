#include "listing/ui/PrintListing.h"

#include "kit/Messages.h"
#include "logstore/LogSession.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>

namespace {

// From this many pages a print shows its progress from the start.
constexpr int LongPrintPages = 10;

} // namespace

bool printListing(QWidget *parent, QPrinter &printer, Messages &messages,
                  const std::function<QStringList()> &lines, ListingPrinter::Options options)
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

    // A long log takes a while, page by page: the operator sees how far it has
    // gone and may stop it. A short one is done before the dialog would show,
    // unless the printer is slow to take it.
    QProgressDialog progress(QCoreApplication::translate("PrintListing", "Impression en cours..."),
                             QCoreApplication::translate("PrintListing", "&Annuler"), 0, 1, parent);
    progress.setObjectName(QStringLiteral("Impression_En_Cours"));
    progress.setWindowTitle(QCoreApplication::translate("PrintListing", "Impression"));
    progress.setAccessibleName(QCoreApplication::translate("PrintListing", "Progression de l'impression"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    progress.setValue(0);
    options.progress = [&progress, &printer](int done, int total) {
        if (done == 0 && total >= LongPrintPages)
            progress.show();
        progress.setMaximum(total);
        progress.setLabelText(QCoreApplication::translate("PrintListing", "Impression en cours : page %1 / %2")
                                  .arg(done + 1)
                                  .arg(total));
        progress.setValue(done);
        // The dialog shown from the start is not one the progress itself brought
        // up: events are taken here, so that Annuler answers.
        if (progress.isVisible())
            QCoreApplication::processEvents();
        if (!progress.wasCanceled())
            return true;
        // Where the print system allows it, the pages already drawn are not sent either.
        printer.abort();
        return false;
    };
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const ListingPrinter::Result r = ListingPrinter::render(printer, lines(), options);
    QGuiApplication::restoreOverrideCursor();
    progress.close();
    if (!r.ok) {
        messages.notice(r.error);
        return false;
    }
    return !r.cancelled;
}

bool logReadableForPrinting(const LogSession &session, Messages &messages)
{
    if (session.loadError().isEmpty())
        return true;
    messages.notice(QCoreApplication::translate("PrintListing", "Le journal %1 ne peut pas être lu, la liste n'est pas imprimée :\r\n%2")
                        .arg(session.logFileName(), session.loadError()));
    return false;
}
