#pragma once
// A juncture or coupling diode set on a conductor cell: the tests and the
// marking that placing one and drawing one again share.
#include <cstdint>

struct ProgramState;

// Coupling diode (Marker 1): not on a juncture; while the power is off only on
// a branching conductor cell. True when the cell now carries the diode.
bool MarkCouplingDiode(ProgramState& s, int16_t x, int16_t y);
// Juncture (Marker -1): only on a branching conductor cell without a diode;
// while the power is on in the shown level's grid instead of P. True when set.
bool MarkJuncture(ProgramState& s, int16_t x, int16_t y);
