#pragma once
// The worksheet's mouse-down while editing: placing by the current tool code
// at the cursor cell, and removing the element under a cell.
#include <cstdint>

struct PlacementContext;

// Calls the placing routine of ToolMode at (CursorX, CursorY) with
// PlaceOrientation; a tool that places nothing does nothing.
void PlaceAtCursor(PlacementContext& c);
// Removes the element at cell (x, y), which is also the cursor cell, by the
// cell's type; a juncture on a conductor cell is removed as a marker.
// Nothing on an empty cell or in the simulation mode.
void RemoveElement(PlacementContext& c, int16_t x, int16_t y);
