#pragma once
// IC instances on the worksheet. A placed IC occupies a block of consecutive
// slots of the IC table and the level table: its own slot first, then those
// of the ICs nested in it at every depth. Blocks never interleave and leave
// no free slot between them.
#include <cstdint>

struct PlacementContext;
struct ProgramState;

// Places the IC ICName with its top-left cell at (CursorX, CursorY -
// Int(ICHeight / 2)). The editor passes (false, 0, 0); the undo history
// passes (true, the element's old number, its old slot) after it has set
// ElementCount to elemNo - 1. True when the IC was placed; a refusal changes
// nothing and says nothing, but for a damaged definition, which the editor's
// placing names with its file and the reason.
bool SetIC(PlacementContext& c, bool restoring, int16_t elemNo, int16_t level);
// Removes the IC under the cursor with its element and all its slots.
void RemoveIC(PlacementContext& c);

// Frees slot level and, recursively, the slots of the ICs nested in it;
// returns how many slots it freed.
int16_t DeleteICLevel(ProgramState& s, int16_t level);
// Closes the gap of DeletedLevels free slots that starts at level.
void CompactICLevels(ProgramState& s, int16_t level, int16_t DeletedLevels);
// Opens a gap of 1 + CountICLevels(ICName) free slots at p for LoadIC to fill.
void InsertICLevels(ProgramState& s, int16_t p);

