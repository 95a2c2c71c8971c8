#pragma once
// A juncture or coupling diode set on a conductor cell: the tests and the
// marking that placing one and drawing one again share.
#include <cstdint>

struct Circuit;
struct EngineState;

// Coupling diode (Marker 1): not on a juncture; while the power is off only on
// a branching conductor cell. True when the cell now carries the diode.
bool MarkCouplingDiode(Circuit& s, const EngineState& engine, int16_t x, int16_t y);
// Juncture (Marker -1): only on a branching conductor cell without a diode;
// while the power is on in the grid of the shown level instead of P. True when set.
bool MarkJuncture(Circuit& s, const EngineState& engine, int16_t shownLevel, int16_t x, int16_t y);
