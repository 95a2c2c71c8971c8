#pragma once
// One row of facts per kind of component, keyed by element type. The layers
// above keep their own columns keyed the same way (the engine's evaluators,
// the drawing's symbols, the editor's placing and removing routines); a
// component's row here is the place to start reading it.
#include <array>
#include <cstddef>
#include <cstdint>

#include "model/footprint.h"
#include "model/records.h"

struct ComponentRow {
    uint8_t type = ElementType::Empty;
    const char* name = nullptr; // plain name; null for codes that are no component
    // Its symbol depends on its own pins and state only (the clock generator:
    // also on being the selected one), so a drawing of it can be kept.
    bool symbolKept = false;
    // Its pixels show levels or a state, so its look changes while the power is on.
    bool showsLevels = false;
    // The cells it covers, from its orientation and pins; null for what
    // covers only its pin's cell or a run of cells of its own (LED, switch,
    // sensor, text, IC, conductors).
    FootprintRule footprint = nullptr;
};

// Element type codes run below this bound.
constexpr size_t kElementTypeBound = ElementType::AnalysisSensor + 1;

// The row of `type`; the empty row for codes outside the table.
const ComponentRow& Component(uint8_t type);
