#include "model/circuit_tables.h"

#include <algorithm>

void ClearCircuitTables(CircuitTables& t)
{
    t.Elements.assign(1, ElementRecord{});
    t.Levels.assign(1, LevelRecord{});
    t.ICInstances.assign(1, ICInstanceRecord{});
}

int16_t CircuitTables::ICCount() const
{
    int16_t n = 0;
    for (size_t k = 1; k < Levels.size(); ++k)
        if (!Levels[k].Name.isEmpty())
            ++n;
    return n;
}

void EnsureICSlots(CircuitTables& t, int ub)
{
    const auto size = static_cast<size_t>(std::max(ub, 0)) + 1;
    if (t.ICInstances.size() < size)
        t.ICInstances.resize(size);
    if (t.Levels.size() < size)
        t.Levels.resize(size);
}

void ClaimICSlot(CircuitTables& t, int slot, const QString& name)
{
    EnsureICSlots(t, std::max<int>(t.ICCount() + 1, slot));
    t.Levels[static_cast<size_t>(slot)].Name = name;
}

void ReleaseICSlots(CircuitTables& t)
{
    t.ICInstances.resize(static_cast<size_t>(t.LevelUBound()) + 1);
}

ICSlotTables SaveICSlots(const CircuitTables& t)
{
    return {t.ICInstances, t.Levels};
}

void RestoreICSlots(CircuitTables& t, ICSlotTables&& saved)
{
    t.ICInstances = std::move(saved.ICInstances);
    t.Levels = std::move(saved.Levels);
}
