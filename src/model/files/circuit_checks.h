#pragma once
// Checks of a circuit just read that keep later code inside its tables:
// each throws RecordFormatError when something points outside.
#include <QString>
#include <QStringList>
#include <vector>

#include "model/files/record_reader.h"
#include "model/records.h"

struct Circuit;

// Worksheet sizes a file may give, in each direction.
constexpr int kMinFileSize = 1;
constexpr int kMaxFileSize = 1000;
void CheckFileSize(int width, int height);

// Appends an entry to a list that holds one per connector after its unused
// entry 0: no more entries than there can be connectors, so that a file of
// blank lines cannot fill memory.
void AppendConnectorEntry(QStringList& list, const QString& entry);

// Slot k is in use in both the IC table and the level table.
bool ICSlotInUse(const Circuit& s, int k);

// Every cell's ElementNr lies in 0..elementCount, and every non-zero ICLink
// in firstLink..lastLink and names a slot in use.
void CheckCellReferences(const Circuit& s, const Grid& grid, int elementCount, int firstLink,
                         int lastLink);
// Every pin of elements 1..count lies inside grid.
void CheckPinCells(const std::vector<ElementRecord>& elements, int count, const Grid& grid);
// A fault of a file that the user can act on, told with the file: the reason
// reads on from "cannot be loaded: ".
class NamedFormatError : public RecordFormatError {
public:
    using RecordFormatError::RecordFormatError;
};
// A table of count elements has room for one more; else throws
// NamedFormatError naming the limit.
void CheckRoomForElement(int count);
// Every element 1..count has as many input and output pins as the placing
// routines give its type; an IC element holds one list twice, one pin per
// connector on its outline. An element with more or fewer pins would be drawn
// around the wrong cell, (0,0) for a list that is too short. Throws
// NamedFormatError naming the element.
void CheckPinListLengths(const std::vector<ElementRecord>& elements, int count);
// Every component cell (type 4 and above) of grid names an element of its
// own type among elements 1..count; a conductor cell may keep any number.
void CheckComponentCells(const std::vector<ElementRecord>& elements, int count, const Grid& grid);
// The footprint of every element 1..count that its pins tell lies inside
// grid; the drawing and the removal work on those cells. Run after
// CheckPinCells, which keeps the pins within 16 bits.
void CheckFootprints(const std::vector<ElementRecord>& elements, int count, const Grid& grid);
// One clock slot per clock generator: ClockCount equals their number and
// each slot names a different one.
void CheckClockSlots(const Circuit& s);
// All of the above for the main circuit just read, and the element numbers
// of its ICs.
void CheckLoadedCircuit(const Circuit& s);
