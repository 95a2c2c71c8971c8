#pragma once
// IC instances on the worksheet. A placed IC occupies a block of consecutive
// slots of the IC table and the level table: its own slot first, then those
// of the ICs nested in it at every depth. Blocks never interleave and leave
// no free slot between them.
#include <QString>
#include <cstdint>

#include "model/footprint.h"
#include "model/records.h"

struct Circuit;
struct PlacementContext;
struct ProgramState;

// An IC to place: its name, the cell of its left edge's middle row, the slot
// it takes (0: the first free one; a taken slot opens a gap there) and, when
// the undo history re-creates it, its old element number (0 for a new one).
struct ICPlacing {
    QString name;
    PinPos cell;
    int16_t level = 0;
    int16_t element = 0;
    Orientation orientation = Orientation::Right;
};
// What placing an IC made: its element and slot (0 when refused) and its
// cells. levelReset: refused for want of room or a failed load, after which
// the editor shows the worksheet again.
struct PlacedIC {
    int16_t element = 0;
    int16_t level = 0;
    CellRect changed{};
    bool levelReset = false;
    explicit operator bool() const { return element != 0; }
};
// Places the IC with its top-left cell at (cell.X, cell.Y - Int(ICHeight / 2));
// a new one records an undo step. A refusal changes nothing and says nothing,
// but for a damaged definition, which a new IC's placing names with its file
// and the reason.
PlacedIC PlaceIC(PlacementContext& c, const ICPlacing& p);
// A new IC: PlaceIC of ICName at the cursor in PlaceOrientation; shows the
// slot it took (CurrentLevel). True when the IC was placed.
bool SetIC(PlacementContext& c);
// Removes the IC covering cell with its element and all its slots; returns
// the cells to draw again (nothing when no IC covers it).
std::optional<CellRect> RemoveICAt(PlacementContext& c, PinPos cell);
// Removes the IC under the cursor.
void RemoveIC(PlacementContext& c);

// Frees slot level and, recursively, the slots of the ICs nested in it;
// returns how many slots it freed.
int16_t DeleteICLevel(Circuit& s, int16_t level);
// Closes the gap of DeletedLevels free slots that starts at level.
void CompactICLevels(Circuit& s, int16_t level, int16_t DeletedLevels);
// Opens a gap of n free slots at p for LoadIC to fill (an IC and the ICs
// nested in it).
void InsertICLevels(Circuit& s, int16_t p, int n);

