#include "reports/ReportFile.h"

#include "logstore/AtomicFile.h"
#include "logstore/LogSession.h"
#include "reports/ReportText.h"

ReportFile::Result ReportFile::save(const LogSession &session, ReportListing::Kind kind, const QDate &today)
{
    Result r;
    r.fileName = ReportText::fileName(kind, session.callsign(), today);
    // A log that could not be read would be saved as an empty list, dated today.
    if (!session.loadError().isEmpty()) {
        r.message = tr("Le journal %1 ne peut pas être lu, la liste n'est pas enregistrée :\r\n%2")
                        .arg(session.logFileName(), session.loadError());
        return r;
    }
    const ReportListing listing = ReportListing::fromSession(kind, session);
    const AtomicFile::Result w = AtomicFile::write(session.filePath(r.fileName),
                                                   ReportText::savedFile(listing, session.callsign(), today));
    r.ok = w.ok;
    r.message = w.ok ? ReportText::savedMessage(r.fileName)
                     : tr("La liste n'a pas pu être enregistrée sous le nom : %1\r\n%2")
                           .arg(r.fileName, w.error);
    return r;
}
