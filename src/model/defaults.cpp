#include "model/defaults.h"

#include "model/circuit_tables.h"
#include "model/state.h"

void SetStartDefaults(ProgramState& s)
{
    s.MaxX = 50;
    s.MaxY = 30;
    s.P.Redim(s.MaxX + 1, s.MaxY + 1);
    ClearCircuitTables(s);
    ResetClockSlots(s, 500);
}

void ResetClockSlots(ProgramState& s, int16_t phaseMs)
{
    ClockSlot idle;
    idle.ClockHigh = phaseMs;
    idle.ClockLow = phaseMs;
    idle.ClockLinked = kTrue;
    idle.ClockCycles = 1;
    s.Clocks.assign(1, idle);
    s.ClockCount = 0;
    s.SelectedClock = 0;
}
