#pragma once

#include <QString>
#include <QUrl>

// The pages the program ships for the operator: the award's rules and the user
// guide, French HTML kept in the program's resources.
namespace HelpPages {

// The rules, at their French section.
QUrl rules();
// The user guide.
QUrl guide();
// The HTML of a page (empty when the program was built without it).
QString html(const QUrl &page);

inline QString rulesAnchor() { return QStringLiteral("Français"); }

} // namespace HelpPages
