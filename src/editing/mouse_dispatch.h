#pragma once
// The worksheet's mouse-down while editing: placing by the current tool code
// at the cursor cell, and removing the element under a cell.
#include <cstdint>

struct EngineContext;
struct PlacementContext;

// Calls the placing routine of ToolMode at (CursorX, CursorY) with
// PlaceOrientation. In the simulation mode a click on level 0 toggles an
// input instead (only with an engine context).
void CheckMouseMode(PlacementContext& c, EngineContext* engine = nullptr);
// Removes the element at cell (x, y), which is also the cursor cell, by the
// cell's type; a juncture on a conductor cell is removed as a marker.
// Nothing on an empty cell or in the simulation mode.
void RemoveElement(PlacementContext& c, int16_t x, int16_t y);
