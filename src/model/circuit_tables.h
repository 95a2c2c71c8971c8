#pragma once
// The counts that circuit files store are kept beside their tables. These are
// the only routines that change a table's length together with its count, so
// the two cannot drift apart.
#include <cstdint>
#include <utility>

#include "model/circuit.h"

// Record 0 only in the element, level and IC tables; every count 0.
void ClearCircuitTables(CircuitTables& t);

// The element table of the worksheet or of a level (both hold Elements and
// ElementCount). Appends a record as element ElementCount + 1; returns its number.
template <class Table>
int16_t AppendElementRecord(Table& t, ElementRecord record = {})
{
    const auto n = static_cast<int16_t>(t.ElementCount + 1);
    t.Elements.resize(static_cast<size_t>(n) + 1);
    t.Elements[static_cast<size_t>(n)] = std::move(record);
    t.ElementCount = n;
    return n;
}

// Makes n the element count: records beyond n go, missing ones are empty.
template <class Table>
void SetElementCount(Table& t, int16_t n)
{
    t.ElementCount = n < 0 ? int16_t{0} : n;
    t.Elements.resize(static_cast<size_t>(t.ElementCount) + 1);
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
