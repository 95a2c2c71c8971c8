#pragma once
// Pin lists: "X12Y7:X12Y9:" holds one entry per pin in pin order; the
// parsers fill the shared pin tables InputPins and OutputPins, the lookups
// return the pins instead.
#include <QString>
#include <cstdint>
#include <vector>

#include "model/records.h"

struct CircuitRun;

// Parses element c's input list into InputPins/InputPinCount. c of 0 or
// beyond the element table leaves table and count as they were.
void ParseInputPins(CircuitRun& s, int16_t c, int16_t level);
// The same for the outputs, except that element 0 (always empty) clears them.
void ParseOutputPins(CircuitRun& s, int16_t c, int16_t level);

// One element's pins in pin order; entries past count are empty.
struct ElementPins {
    PinTable pin{};
    int16_t count = 0;
};

// Element c's inputs, taken from the same table ParseInputPins reads. Where
// that parser leaves the shared tables alone (c of 0 or beyond the table) this
// gives what they hold, so a caller reads the same pins either way.
ElementPins InputPinsOf(const CircuitRun& s, int16_t c, int16_t level);
// The same for the outputs; element 0 is read like the parser reads it (empty).
ElementPins OutputPinsOf(const CircuitRun& s, int16_t c, int16_t level);

// Fills table from list and returns the count. Entries past the table's 21
// positions are ignored, so a longer list never writes beyond it.
int16_t ParsePinList(const QString& list, PinTable& table);

// Pin-list text of the given pins, e.g. "X12Y7:X12Y9:".
QString PinListText(const std::vector<PinPos>& pins);
