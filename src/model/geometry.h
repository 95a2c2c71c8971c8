#pragma once
// Grid geometry over the grid and the element table: cell/pixel conversion,
// connection count, element bounds, pin test, clearing a cell and the
// selection marker's rectangle.
#include <QString>
#include <cstdint>

#include "model/records.h"

struct Circuit;
struct EngineState;
struct CircuitRun;

// The outputs point left or right.
constexpr bool Horizontal(Orientation orientation)
{
    return orientation == Orientation::Left || orientation == Orientation::Right;
}

// The outputs point up or down.
constexpr bool Vertical(Orientation orientation)
{
    return orientation == Orientation::Up || orientation == Orientation::Down;
}

// One of the four orientations (a damaged file may hold another number).
constexpr bool ValidOrientation(Orientation orientation)
{
    return orientation >= Orientation::Left && orientation <= Orientation::Down;
}

// Cell pitch in drawing units at zoom 1; the cell/pixel conversion uses this
// constant rather than CellSize.
constexpr int kGridPixel = 14;
// The worksheet's window shows a scroll bar unless the picture and this many
// cells more fit; a fitted zoom leaves that room.
constexpr int kScrollReserveCells = 3;

// How large the worksheet is drawn: the zoom factor (1.0 at 100 %) and the
// cell size the pointer's cell is found with.
struct SheetScale {
    uint8_t CellSize = kGridPixel;
    float GridMode = 1.0f;
};

// Centre of column or row i at the current zoom, in pixels.
int32_t GridToPixel(const SheetScale& s, int16_t i);
// Cell of drawing coordinate p; never below 0, no upper clamp.
int16_t PixelToGrid(const SheetScale& s, int32_t p);
// Zoomed cell size: 14 x zoom, rounded.
int ZoomedCellSize(const SheetScale& s);

// Number of connection flags set in cell (x, y): in P while the power is off,
// in the grid of Levels(level) while it is on (0 beyond that level's size).
int16_t CountConnections(const Circuit& circuit, const EngineState& engine, int16_t x, int16_t y, int16_t level = 0);
// Number of connection flags set in cell (x, y) of the worksheet's grid P.
int16_t CountConnections(const Circuit& circuit, int16_t x, int16_t y);
// Whether (x, y) is one of the pins of the element covering it.
bool IsPinPosition(const CircuitRun& s, int16_t x, int16_t y);

// Empties cell (x, y) of P; a connector number survives unless the cell links an IC.
void ClearFeld(Circuit& s, int16_t x, int16_t y);
