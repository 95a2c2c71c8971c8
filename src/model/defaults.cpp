#include "model/defaults.h"

#include "model/circuit_tables.h"
#include "model/circuit.h"

void SetStartDefaults(Circuit& s)
{
    s.MaxX = 50;
    s.MaxY = 30;
    s.P.Redim(s.MaxX + 1, s.MaxY + 1);
    ClearCircuitTables(s);
    ResetClockSlots(s, 500);
}

void ResetClockSlots(Circuit& s, int16_t phaseMs)
{
    ClockSlot idle;
    idle.ClockHigh = phaseMs;
    idle.ClockLow = phaseMs;
    idle.ClockLinked = kTrue;
    idle.ClockCycles = 1;
    s.Clocks.assign(1, idle);
    s.ClockCount = 0;
}
