#pragma once
// Juncture and coupling diode on a conductor cell. They live only in the
// cell's Marker; setting one also draws it, and the redraw sets them again
// with redrawOnly to draw them.
#include <cstdint>

struct ProgramState;
class clsGrafik;

// Coupling diode (Marker 1): only on a branching conductor cell while the
// power is off; with the power on the cell is not tested.
void SetKoppeldiode(ProgramState& s, clsGrafik& objGrafik, int16_t x, int16_t y, bool redrawOnly);
// Juncture (Marker -1): only on a branching conductor cell without a diode.
// With the power on it goes into the shown level's grid, not into P.
void SetKnotenpunkt(ProgramState& s, clsGrafik& objGrafik, int16_t x, int16_t y, bool redrawOnly);
