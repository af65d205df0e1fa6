#pragma once

#include "spots/Spot.h"

#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

class AbbeyTable;

// Reads the lines of a DX-cluster node. Two forms carry a spot, in the spacing of
// each common node program:
//   live:    "DX de F5XYZ:     14025.0  IK1ABC/P     ZEL AZ0001 CW       1234Z JN33"
//   listing: " 14025.0  IK1ABC/P    7-Dec-2026 1234Z  ZEL AZ0001 CW  <F5XYZ>"
// (the answer to "sh/dx"). Every other line (the node's talk, announcements, junk)
// is no spot. Bytes that are not UTF-8 are read as Latin-1.
namespace SpotReader {

std::optional<Spot> parse(QByteArrayView line);

// The abbey a comment names: a word of it (punctuation around it removed) that the
// list holds, or the word after "ZEL" ("ZEL AZ0001", also "ZEL-AZ0001"), in
// capitals. Empty: the comment names none.
QString referenceIn(QStringView comment, const AbbeyTable &abbeys);

// The mode a comment names as a word ("CW", "SSB", "USB", "LSB", "FM"), as the log
// writes it; empty when it names none.
QString modeIn(QStringView comment);

// A spot of an abbey, with the reference, the abbey's name and region, the band and
// the mode filled in; nothing for a line that is no spot or names no abbey.
std::optional<Spot> abbeySpot(QByteArrayView line, const AbbeyTable &abbeys);

} // namespace SpotReader
