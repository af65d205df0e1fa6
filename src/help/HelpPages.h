#pragma once

#include <QString>
#include <QUrl>

// The pages the program ships for the operator: the award's rules and the user
// guide, whole HTML pages kept in the program's resources, one of each per
// interface language (French, Italian, English).
namespace HelpPages {

// The rules in the interface's language, opened at their section.
QUrl rules();
// The user guide in the interface's language.
QUrl guide();
// The same pages in a given language ("fr", "it", "en"); French for any other.
QUrl rules(const QString &language);
QUrl guide(const QString &language);
// The version history, one line a version ending in CR LF, in the interface's
// language or a given one; the French lines are the ones the package is built from.
QString history();
QString history(const QString &language);
// The About text in the interface's language.
QString about();
// The HTML of a page (empty when the program was built without it).
QString html(const QUrl &page);

// Every language's rules page names its section with the same anchor.
inline QString rulesAnchor() { return QStringLiteral("Français"); }

} // namespace HelpPages
