#pragma once
#include <cstdint>
struct Circuit;

// The state the main window's loading sets up: default worksheet, one-slot
// IC, level and clock tables, clock slot 0 at 500/500 ms coupled, 1 cycle.
void SetStartDefaults(Circuit& s);

// The clock-generator slots shrink to slot 0: no generator, 1 cycle,
// coupled phases of phaseMs each. The caller selects slot 0.
void ResetClockSlots(Circuit& s, int16_t phaseMs);
