#include "model/circuit_tables.h"

#include <algorithm>

void ClearCircuitTables(CircuitTables& t)
{
    t.Elements.assign(1, ElementRecord{});
    t.Levels.assign(1, LevelRecord{});
    t.ICInstances.assign(1, ICInstanceRecord{});
    t.LevelUBound = 0;
    t.ICCount = 0;
}

void EnsureICSlots(CircuitTables& t, int ub)
{
    const auto size = static_cast<size_t>(std::max(ub, 0)) + 1;
    if (t.ICInstances.size() < size)
        t.ICInstances.resize(size);
    if (t.Levels.size() < size)
        t.Levels.resize(size);
}

void ClaimICSlot(CircuitTables& t, int slot)
{
    ++t.ICCount;
    EnsureICSlots(t, std::max<int>(t.ICCount, slot));
    ++t.LevelUBound;
}

void ReleaseICSlots(CircuitTables& t, int n)
{
    t.ICCount = static_cast<int16_t>(std::max(0, t.ICCount - n));
    t.LevelUBound = static_cast<int16_t>(std::max(0, t.LevelUBound - n));
    t.ICInstances.resize(static_cast<size_t>(t.LevelUBound) + 1);
}

ICSlotTables SaveICSlots(const CircuitTables& t)
{
    return {t.ICInstances, t.Levels, t.ICCount, t.LevelUBound};
}

void RestoreICSlots(CircuitTables& t, ICSlotTables&& saved)
{
    t.ICInstances = std::move(saved.ICInstances);
    t.Levels = std::move(saved.Levels);
    t.ICCount = saved.ICCount;
    t.LevelUBound = saved.LevelUBound;
}
