#include "logstore/LogChange.h"

#include <algorithm>

int LogChange::rowAfter(int before) const
{
    if (readAnew)
        return -1;
    if (std::binary_search(removed.cbegin(), removed.cend(), before))
        return -1;
    int row = before - int(std::lower_bound(removed.cbegin(), removed.cend(), before) - removed.cbegin());
    // Each new row at or before the position shifts the kept line down by one.
    for (const int a : added) {
        if (a <= row)
            ++row;
        else
            break;
    }
    return row;
}
