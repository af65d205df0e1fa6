#pragma once

#include <initializer_list>

class QAbstractItemModel;
class QTableView;

// Sets up a read-only table of QSOs, one row each: whole rows selected one at a
// time, fixed row height, no row numbers, the columns as wide as the given number of
// characters; the column whose width is 0 takes the room left.
void setUpQsoTable(QTableView *view, QAbstractItemModel *model, std::initializer_list<int> widthsInChars);
