#pragma once

#include <QList>
#include <QMetaType>

// What one change of the log did to its rows, so that what is kept beside the log
// follows it without reading the log again.
//
// An edit is read in three steps, in this order:
//  1. replaced: rows (numbered as before the change) whose line changed in place;
//  2. removed: rows (numbered as before the change) that are gone;
//  3. added: rows (numbered as after the change) of the new lines.
// Every other line is kept, in its order; the rows after a removed or added one are
// renumbered by the same steps. Each list is in increasing order.
//
// "Read anew" says nothing of the rows: the file was read again (a station opened,
// a reload, a file changed by another program), and whatever follows the log is
// built again from it.
struct LogChange
{
    bool readAnew = true;
    QList<int> replaced;
    QList<int> removed;
    QList<int> added;

    static LogChange anew() { return {}; }
    static LogChange edit(QList<int> replaced, QList<int> removed, QList<int> added)
    {
        LogChange c;
        c.readAnew = false;
        c.replaced = std::move(replaced);
        c.removed = std::move(removed);
        c.added = std::move(added);
        return c;
    }
    static LogChange appended(int row) { return edit({}, {}, {row}); }

    bool isEdit() const { return !readAnew; }
    // An edit that only changed lines in place: no row moved.
    bool keepsRows() const { return !readAnew && removed.isEmpty() && added.isEmpty(); }
    // The row (after the change) of a row before it, or -1 when it was removed.
    int rowAfter(int before) const;
};

Q_DECLARE_METATYPE(LogChange)
