#pragma once
// The cells a placed component covers, told by its orientation and pins: the
// removing routines clear them, and the file readers refuse an element whose
// cells would lie outside its grid.
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

// Bounding rectangle of the given pins.
CellRect PinBounds(const std::vector<PinPos>& pins);

// The footprint of a placed component of that type. Nothing for the types
// that cover only their pin's cell or a run of cells of their own (LED,
// switch, sensor, text, IC, conductors) and for pins too few to tell.
std::optional<CellRect> ComponentFootprint(uint8_t type, uint8_t orientation, const std::vector<PinPos>& in,
                                           const std::vector<PinPos>& out);
// The same for an element record, from its pin lists.
std::optional<CellRect> ElementFootprint(const ElementRecord& e);
