#pragma once
#include <cstdint>

struct Circuit;
class Surface;

// Grid dots on every empty cell, at the cell size and zoom given: grey while
// the grid is shown, white when not.
void DrawGrid(const Circuit& c, Surface& picGrid, uint8_t cellSize, float zoom, bool showGrid);
