#pragma once
// The element count is the element table's length; the IC and level counts
// are kept beside their tables, and these are the only routines that change a
// table's length together with its count, so the two cannot drift apart.
#include <cstdint>
#include <utility>

#include "model/circuit.h"

// Record 0 only in the element, level and IC tables; every count 0.
void ClearCircuitTables(CircuitTables& t);

// The element table of the worksheet or of a level (both hold Elements).
// Appends a record as element ElementCount() + 1; returns its number.
template <class Table>
int16_t AppendElementRecord(Table& t, ElementRecord record = {})
{
    if (t.Elements.empty())
        t.Elements.resize(1);
    t.Elements.push_back(std::move(record));
    return t.ElementCount();
}

// Makes n the element count: records beyond n go, missing ones are empty.
template <class Table>
void SetElementCount(Table& t, int16_t n)
{
    t.Elements.resize(static_cast<size_t>(n < 0 ? 0 : n) + 1);
}

// The IC and level tables hold at least slots 0..ub.
void EnsureICSlots(CircuitTables& t, int ub);
// One more IC and level in use; the tables hold slot `slot` and the new IC count.
void ClaimICSlot(CircuitTables& t, int slot);
// n ICs and levels fewer in use; the IC table shrinks to the levels in use.
void ReleaseICSlots(CircuitTables& t, int n);

// The IC and level tables with their counts, to give back after a failed load.
struct ICSlotTables {
    std::vector<ICInstanceRecord> ICInstances;
    std::vector<LevelRecord> Levels;
    int16_t ICCount = 0;
    int16_t LevelUBound = 0;
};
ICSlotTables SaveICSlots(const CircuitTables& t);
void RestoreICSlots(CircuitTables& t, ICSlotTables&& saved);
