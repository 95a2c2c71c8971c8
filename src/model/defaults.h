#pragma once
struct ProgramState;

// The state the main window's loading sets up: default worksheet, one-slot
// IC, level and clock tables, clock slot 0 at 500/500 ms coupled, 1 cycle.
void SetStartDefaults(ProgramState& s);
