#pragma once
// The juncture dot and the coupling-diode triangle, set on a conductor cell
// and drawn, where no undo history is at hand (the drawing object redrawing
// a conductor piece, the full redraw): they record nothing.
#include <cstdint>

struct CircuitRun;
struct SheetScale;
class clsGrafik;

// The marker is set where it belongs and drawn; the juncture is judged on the
// grid of the level shown (`level`). The editor's SetKoppeldiode and
// SetKnotenpunkt are the steps a user takes, with undo.
void ShowCouplingDiode(CircuitRun& run, const SheetScale& scale, clsGrafik& objGrafik, int16_t x, int16_t y);
void ShowJuncture(CircuitRun& run, const SheetScale& scale, int16_t level, clsGrafik& objGrafik, int16_t x, int16_t y);

// The juncture dot or coupling diode (`type`) just set on (x, y), drawn as the
// routines above draw it.
void DrawMarker(const CircuitRun& run, const SheetScale& scale, clsGrafik& objGrafik, int16_t x, int16_t y, uint8_t type);
