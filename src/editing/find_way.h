#pragma once
// Conductor routing offered beside the rubber band, which itself uses
// BlockedH/BlockedV: a free path from one cell to another, and whether a
// straight path from a cell towards the cursor is blocked.
#include <cstdint>

class SheetChanges;
struct Circuit;
struct CircuitRun;

// Walks from (x1, y1) to (x2, y2) one cell at a time, along the row first,
// then along the column. Each next cell must be empty or a conductor running
// straight across the direction of travel; any other stops the walk with
// false, the steps already made kept. With commit each step joins both cells
// as conductors and records the stroke in changes for the view. True once
// the target is reached.
bool FindWay(Circuit& s, SheetChanges& changes, int16_t x1, int16_t y1, int16_t x2, int16_t y2, bool commit);

// Whether a straight path from (x, y) along the row towards column towardsX
// (the cursor's; none when negative) is blocked: by the component on (x, y)
// when the path would lead into it, or by a component cell strictly between.
// blockedAt gets the blocking column.
bool ElementOnWayH(const CircuitRun& s, int16_t x, int16_t y, int16_t towardsX, int16_t* blockedAt = nullptr);
// The same along column x towards row towardsY.
bool ElementOnWayV(const CircuitRun& s, int16_t y, int16_t x, int16_t towardsY, int16_t* blockedAt = nullptr);
