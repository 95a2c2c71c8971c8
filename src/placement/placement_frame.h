#pragma once
// What every placing and removing routine shares: the occupancy test, the
// clearing of a removed footprint, the removal of an element record with the
// renumbering of every later one, and the analysis sensors.
//
// Placing and removing routines work on the cursor cell (CursorX, CursorY)
// with the orientation PlaceOrientation; a refused placement changes nothing
// and records no undo step.
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "model/footprint.h"
#include "model/records.h"

struct ProgramState;
struct PlacementContext;

// True when the rectangle may not take a new footprint: a component cell, a
// conductor inside it, or a conductor on its edge that runs along the edge or
// into the rectangle. An inverted rectangle is never occupied.
bool IsAreaOccupied(const ProgramState& s, int16_t x1, int16_t y1, int16_t x2, int16_t y2);
// Empties the cells of a removed footprint; a pin cell on its edge that a
// conductor from outside joins stays a conductor end. Connection flags stay.
void ClearGridArea(ProgramState& s, int16_t x1, int16_t y1, int16_t x2, int16_t y2);
// Removes element i and renumbers every reference to later elements (cells,
// SelfIndex, clock slots, IC table entries of the worksheet). The cells of
// element i are left alone.
void DeleteElement(ProgramState& s, int16_t i);

// Smallest sensor channel 1..9 no sensor uses; 0 when all nine are used.
int16_t GetFreeAnalysepunktNr(const ProgramState& s);
// Number of analysis sensors in the element table.
int CountAnalysisSensors(const ProgramState& s);
// ProbeCount from the sensors in the element table; the analyzer's View menu
// item is enabled exactly while a sensor exists.
void RecountProbes(ProgramState& s);
void SetAnalysepunkt(PlacementContext& c);
void RemoveAnalysepunkt(PlacementContext& c);

// ---- Shared by the placing routines ----

// The whole rectangle lies in columns 1..MaxX-1 and rows 1..MaxY-1.
bool InsideBorder(const ProgramState& s, const CellRect& r);
// Appends an empty element record; returns its number (the new ElementCount).
int16_t AppendElement(ProgramState& s);
// Every cell of r gets the type and the element number.
void MarkCells(ProgramState& s, const CellRect& r, uint8_t type, int16_t n);
// The pins parsed into InputPins / OutputPins, as lists.
std::vector<PinPos> ParsedInputs(const ProgramState& s);
std::vector<PinPos> ParsedOutputs(const ProgramState& s);
// Records the undo step for r with the text of string id textId.
void RecordStep(PlacementContext& c, const CellRect& r, int textId);
// Redraws r grown by `grow` cells on every side (clamped by the redraw).
void RedrawGrown(PlacementContext& c, const CellRect& r, int grow);

// A component's footprint and pins at one anchor and orientation.
struct Layout {
    CellRect area;
    std::vector<PinPos> in;
    std::vector<PinPos> out;
};
// The placing frame once bounds and occupancy have passed: the undo step,
// the new element (returned) with its pins, and its cells.
int16_t PlaceLayout(PlacementContext& c, const Layout& l, uint8_t type, uint8_t orientation, int textId);
// The element under the cursor when it has one of the types, with its pins
// parsed at level 0; 0 otherwise.
int16_t CursorElement(ProgramState& s, std::initializer_list<uint8_t> types);
// The footprint of element n from its pins as CursorElement parsed them.
std::optional<CellRect> ParsedFootprint(const ProgramState& s, int16_t n);
// The removing frame: undo step over r, r cleared, element n deleted, r
// grown by `grow` redrawn.
void RemoveLayout(PlacementContext& c, int16_t n, const CellRect& r, int textId, int grow);
