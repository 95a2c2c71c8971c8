#pragma once
// One field of every clock slot in slot order, so that a test can compare
// the field across all slots at once.
#include <vector>

#include "model/records.h"

template <class T>
std::vector<T> ClockColumn(const std::vector<ClockSlot>& clocks, T ClockSlot::*field)
{
    std::vector<T> column;
    column.reserve(clocks.size());
    for (const ClockSlot& c : clocks)
        column.push_back(c.*field);
    return column;
}
