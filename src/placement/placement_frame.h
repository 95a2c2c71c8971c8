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

struct Circuit;
class AnalyzerPort;
struct PlacementContext;
class clsUndo;

// True when the rectangle may not take a new footprint: a component cell, a
// conductor inside it, or a conductor on its edge that runs along the edge or
// into the rectangle. An inverted rectangle is never occupied.
bool IsAreaOccupied(const Circuit& s, int16_t x1, int16_t y1, int16_t x2, int16_t y2);
// Empties the cells of a removed footprint; a pin cell on its edge that a
// conductor from outside joins stays a conductor end. Connection flags stay.
void ClearGridArea(Circuit& s, int16_t x1, int16_t y1, int16_t x2, int16_t y2);
// Removes element i and renumbers every reference to later elements (cells,
// SelfIndex, clock slots, IC table entries of the worksheet). The cells of
// element i are left alone.
void DeleteElement(Circuit& s, int16_t i);

// Smallest sensor channel 1..9 no sensor uses; 0 when all nine are used.
int16_t GetFreeAnalysepunktNr(const Circuit& s);
// Number of analysis sensors in the element table.
int CountAnalysisSensors(const Circuit& s);
// The new ProbeCount from the sensors in the element table; the analyzer's
// View menu item is enabled exactly while a sensor exists.
uint8_t RecountProbes(const Circuit& s, AnalyzerPort* analyzer);
void SetAnalysepunkt(PlacementContext& c);
void RemoveAnalysepunkt(PlacementContext& c);

// ---- Shared by the placing routines ----

// What a placing routine made: the new element (0 when it refused) and the
// cells it changed.
struct Placed {
    int16_t element = 0;
    CellRect changed{};
    explicit operator bool() const { return element != 0; }
};

// The cell (x, y), each coordinate held in 16 bits as the grid's are.
PinPos At(int x, int y);
// The whole rectangle lies in columns 1..MaxX-1 and rows 1..MaxY-1.
bool InsideBorder(const Circuit& s, const CellRect& r);
// InsideBorder and not IsAreaOccupied.
bool Fits(const Circuit& s, const CellRect& r);
// Appends an empty element record; returns its number (the new ElementCount).
int16_t AppendElement(Circuit& s);
// Every cell of r gets the type and the element number.
void MarkCells(Circuit& s, const CellRect& r, uint8_t type, int16_t n);
// Records the undo step for r with the text of string id textId.
void RecordStep(clsUndo& undo, const CellRect& r, int textId);
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
int16_t PlaceLayout(Circuit& circuit, clsUndo& undo, const Layout& l, uint8_t type, Orientation orientation,
                    int textId);

// An element of the worksheet with its pins in pin order; n is 0 for none.
struct FoundElement {
    int16_t n = 0;
    Pins in;
    Pins out;
    explicit operator bool() const { return n != 0; }
};
// The element covering cell when it has one of the types; none otherwise.
FoundElement ElementAt(const Circuit& circuit, PinPos cell, std::initializer_list<uint8_t> types);
// The footprint of a found element, from its type, orientation and pins.
std::optional<CellRect> FootprintOf(const Circuit& circuit, const FoundElement& e);
// The removing frame: undo step over r, r cleared, element n deleted; returns
// r grown by `grow`, the cells to draw again.
CellRect RemoveLayout(Circuit& circuit, clsUndo& undo, int16_t n, const CellRect& r, int textId, int grow);
// The same, recording the grown rectangle for the sheet's view.
void RemoveLayout(PlacementContext& c, int16_t n, const CellRect& r, int textId, int grow);
// r grown by `grow` cells on every side, each coordinate held in 16 bits.
CellRect Grown(const CellRect& r, int grow);
