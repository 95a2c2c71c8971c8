#pragma once
struct ProgramState;
class Surface;

// Grid dots on every empty cell: grey while the grid is shown, white when not.
void DrawGrid(const ProgramState& s, Surface& picGrid);
