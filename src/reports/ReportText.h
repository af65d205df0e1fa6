#pragma once

#include "reports/ReportListing.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>

// The words around a report list: the header shown above it, the saved file (its
// name and its Windows-1252 text) and the printed lines. The saved and printed
// titles and column headers differ on purpose; both are kept as they are. The
// window's words follow the interface's language; the file's and the printed
// words are French whatever the language.
namespace ReportText {

// The column header of the window's list, in the interface's language.
QString screenHeader(ReportListing::Kind kind);

// "<callsign>_Liste_alaphanumerique_Abbayes_JJ_MM_AA.txt",
// "<callsign>_Abbayes_contactees_au JJ_MM_AA.txt" or "<callsign>_Abbayes_confirmees_au JJ_MM_AA.txt".
QString fileName(ReportListing::Kind kind, const QString &callsign, const QDate &today);

// The saved listing: title, blank line, column header, blank line, numbered
// entries, blank line, credit; every line ended by CR LF.
QByteArray savedFile(const ReportListing &listing, const QString &callsign, const QDate &today);

// The printed listing, one string per printed line.
QStringList printedLines(const ReportListing &listing, const QString &callsign, const QDate &today);
// Where the column header stands among the printed lines: it and the blank line
// under it head every page after the first.
inline constexpr int PrintedHeaderFirst = 2;
inline constexpr int PrintedHeaderCount = 2;

// What the operator is told once a listing is saved, in the interface's language.
QString savedMessage(const QString &fileName);

} // namespace ReportText
