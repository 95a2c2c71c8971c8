#pragma once
// Every count is read from its table: the element count is the element
// table's length, the IC and level counts the named levels (CircuitTables).
#include <cstdint>
#include <utility>

#include "model/circuit.h"

// Record 0 only in the element, level and IC tables.
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
// Slot `slot` in use under name (not empty); the tables hold it.
void ClaimICSlot(CircuitTables& t, int slot, const QString& name);
// After freed levels lost their names: the IC table shrinks to the levels in use.
void ReleaseICSlots(CircuitTables& t);

// The IC and level tables, to give back after a failed load.
struct ICSlotTables {
    std::vector<ICInstanceRecord> ICInstances;
    std::vector<LevelRecord> Levels;
};
ICSlotTables SaveICSlots(const CircuitTables& t);
void RestoreICSlots(CircuitTables& t, ICSlotTables&& saved);
