#pragma once
// Checks of a circuit just read that keep later code inside its tables:
// each throws RecordFormatError when something points outside.
#include <vector>

#include "model/records.h"

struct ProgramState;

// Worksheet sizes a file may give, in each direction.
constexpr int kMinFileSize = 1;
constexpr int kMaxFileSize = 1000;
void CheckFileSize(int width, int height);

// Slot k is in use in both the IC table and the level table.
bool ICSlotInUse(const ProgramState& s, int k);

// Every cell's ElementNr lies in 0..elementCount, and every non-zero ICLink
// in firstLink..lastLink and names a slot in use.
void CheckCellReferences(const ProgramState& s, const Grid& grid, int elementCount, int firstLink,
                         int lastLink);
// Every pin of elements 1..count lies inside grid.
void CheckPinCells(const std::vector<ElementRecord>& elements, int count, const Grid& grid);
// One clock slot per clock generator: ClockCount equals their number and
// each slot names a different one.
void CheckClockSlots(const ProgramState& s);
// All of the above for the main circuit just read, and the element numbers
// of its ICs.
void CheckLoadedCircuit(const ProgramState& s);
