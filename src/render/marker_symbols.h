#pragma once
// The juncture dot and the coupling-diode triangle, set on a conductor cell
// and drawn, where no undo history is at hand (the drawing object redrawing
// a conductor piece, the full redraw): they record nothing.
#include <cstdint>

struct CircuitRun;
struct SheetScale;
class clsGrafik;

// The juncture is judged on the grid of the level shown (`level`).
void SetKoppeldiode(CircuitRun& run, const SheetScale& scale, clsGrafik& objGrafik, int16_t x, int16_t y,
                    bool redrawOnly);
void SetKnotenpunkt(CircuitRun& run, const SheetScale& scale, int16_t level, clsGrafik& objGrafik, int16_t x,
                    int16_t y, bool redrawOnly);

// The juncture dot or coupling diode (`type`) just set on (x, y), drawn as the
// set routines above draw it.
void DrawMarker(const CircuitRun& run, const SheetScale& scale, clsGrafik& objGrafik, int16_t x, int16_t y, uint8_t type);
