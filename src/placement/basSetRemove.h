#pragma once
// Placing and removing every component but the markers, ICs, clock
// generators and sensors. A Place routine takes its cell and values and
// returns what it made; a Set routine works at (CursorX, CursorY) with
// PlaceOrientation; a removing routine removes the element under the cursor.
#include <cstdint>

#include "placement/placement_frame.h"

struct Circuit;
struct EngineState;
struct PlacementContext;
class clsUndo;

// An AND, OR or XOR gate with `inputs` inputs (2..20) placed with its anchor
// (the first input's row or column) at cell; refused outside the border or
// over other components.
Placed PlaceGate(Circuit& circuit, clsUndo& undo, PinPos cell, Orientation orientation, int inputs, uint8_t gateType);

// PlaceGate at the cursor in PlaceOrientation with the number of inputs in the
// main window's gate-inputs box, held within 2..20 (2 when there is no window).
void SetGatter(PlacementContext& c, uint8_t gateType);
void RemoveGatter(PlacementContext& c);
void SetInverter(PlacementContext& c);
void RemoveInverter(PlacementContext& c);
void SetTriState(PlacementContext& c);
void RemoveTriState(PlacementContext& c);

void SetHA(PlacementContext& c);
void SetVA(PlacementContext& c);
void RemoveHA(PlacementContext& c); // half- and full-adder
void SetSRegister(PlacementContext& c);
void RemoveSRegister(PlacementContext& c);
// With a clock input (a fourth input) when DecoderClockInput is set.
void SetDecoder(PlacementContext& c);
void RemoveDecoder(PlacementContext& c);
void SetMultiplexer(PlacementContext& c);
void RemoveMultiplexer(PlacementContext& c);
void SetFlipFlop(PlacementContext& c);
void RemoveFlipFlop(PlacementContext& c);
// Always facing right; sets PlaceOrientation to right.
void SetZAnzeige(PlacementContext& c);
void RemoveZAnzeige(PlacementContext& c);

// An LED of the given colour at cell, joined to neighbouring LEDs; refused on
// the border and over anything but an empty or conductor cell.
Placed PlaceLed(Circuit& circuit, clsUndo& undo, PinPos cell, int32_t color);
// PlaceLed at the cursor in LEDColor.
void SetDiode(PlacementContext& c);
void RemoveDiode(PlacementContext& c);
// A switch (always Orientation::Right) on the conductor cell at cell; refused
// on the border and on a cell with two or more connections (only an end takes one).
Placed PlaceSwitch(Circuit& circuit, const EngineState& engine, clsUndo& undo, PinPos cell);
// PlaceSwitch at the cursor.
void SetSwitch(PlacementContext& c);
void RemoveSwitch(PlacementContext& c);
void RemoveText(PlacementContext& c);
