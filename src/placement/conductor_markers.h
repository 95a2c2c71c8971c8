#pragma once
// Juncture, coupling diode and negation marker. They live only in a cell's
// Marker (-1 juncture or negation marker, 1 coupling diode). Every change
// records a cells-only undo step and goes into the change record for the view.
#include <cstdint>

#include "model/records.h"

struct CircuitRun;
struct PlacementContext;
class clsUndo;

// Coupling diode (Marker 1): only on a branching conductor cell without a
// juncture while the power is off; with the power on the cell is not tested.
void SetKoppeldiode(PlacementContext& c, int16_t x, int16_t y, bool redrawOnly);
// Removes the diode at the cursor cell.
void RemoveKoppeldiode(PlacementContext& c);
// Juncture (Marker -1): only on a branching conductor cell without a diode.
// With the power on it goes into the shown level's grid, not into P.
void SetKnotenpunkt(PlacementContext& c, int16_t x, int16_t y, bool redrawOnly);
// Records its step even when (x, y) holds no juncture.
void RemoveKnotenpunkt(PlacementContext& c, int16_t x, int16_t y);
// Negation marker at cell: only on a pin of an AND, OR or XOR element, or on
// the J or K input of a flip-flop, and not on one already marked. The pins are
// read as the engine sees them. True when it placed one.
bool PlaceNegationMarker(CircuitRun& run, clsUndo& undo, PinPos cell);
// PlaceNegationMarker on the cursor cell.
void SetNegationsPunkt(PlacementContext& c);
// Clears the cursor cell's marker, whatever it holds.
void RemoveNegationsPunkt(PlacementContext& c);
