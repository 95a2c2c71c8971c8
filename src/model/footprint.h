#pragma once
// The cells a placed component covers, told by its orientation and pins: the
// removing routines clear them, and the file readers refuse an element whose
// cells would lie outside its grid.
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "model/records.h"

// A rectangle of cells, both corners included.
struct CellRect {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    bool operator==(const CellRect&) const = default;
};

using Pins = std::vector<PinPos>;

// Columns from the inputs to the outputs of the adders and of the shift
// register, along the signal.
constexpr int kAdderLength = 3;
constexpr int kRegisterLength = 8;

// The pins of a pin list ("X12Y7:X12Y9:") in pin order.
Pins ListPins(const QString& list);

// Bounding rectangle of the given pins.
CellRect PinBounds(const Pins& pins);

// A component's footprint from its orientation and pins; nothing for pins
// too few to tell. Each component's row names its rule.
using FootprintRule = std::optional<CellRect> (*)(Orientation orientation, const Pins& in, const Pins& out);
std::optional<CellRect> GateFootprint(Orientation o, const Pins& in, const Pins& out);
std::optional<CellRect> InverterFootprint(Orientation o, const Pins& in, const Pins& out);
std::optional<CellRect> ClockFootprint(Orientation o, const Pins& in, const Pins& out);
std::optional<CellRect> AdderFootprint(Orientation o, const Pins& in, const Pins& out);
std::optional<CellRect> ShiftRegisterFootprint(Orientation o, const Pins& in, const Pins& out);
std::optional<CellRect> TriStateFootprint(Orientation o, const Pins& in, const Pins& out);
std::optional<CellRect> MultiplexerFootprint(Orientation o, const Pins& in, const Pins& out);
std::optional<CellRect> DecoderFootprint(Orientation o, const Pins& in, const Pins& out);
std::optional<CellRect> FlipFlopFootprint(Orientation o, const Pins& in, const Pins& out);
std::optional<CellRect> SevenSegmentFootprint(Orientation o, const Pins& in, const Pins& out);

// The footprint of a placed component of that type. Nothing for the types
// that cover only their pin's cell or a run of cells of their own (LED,
// switch, sensor, text, IC, conductors) and for pins too few to tell.
std::optional<CellRect> ComponentFootprint(uint8_t type, Orientation orientation, const Pins& in, const Pins& out);
// The same for an element record, from its pin lists.
std::optional<CellRect> ElementFootprint(const ElementRecord& e);
