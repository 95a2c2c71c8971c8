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

// How the selection marker sits over the element's cells, fitted to its
// symbol: over the cells; drawn in by a quarter cell across the pins (gate);
// out by half a cell (flip-flop); in by a third on the select side
// (multiplexer); the inverter's small body; one cell around the pin (LED,
// switch).
enum class MarkerFit : uint8_t { Cells, Gate, FlipFlop, Multiplexer, Inverter, OneCell };

// What chooses the input count of a kind whose count varies.
enum class InputsBy : uint8_t {
    Fixed,      // always the same
    GateBox,    // the gate-inputs box (the user within its own bounds, synthesis up to the most)
    ClockInput, // one more with the clock input (decoder)
    Connectors, // one per connector of the IC's definition
};

// Pins as the placing routines write an element's pin lists; a kind with no
// element record (conductor, the markers) has none.
struct PinCounts {
    uint8_t minInputs = 0;
    uint8_t maxInputs = 0;
    InputsBy inputsBy = InputsBy::Fixed;
    // kOutputsAreInputs: one list serves as both (the IC's connectors).
    int8_t outputs = 0;
};
constexpr int8_t kOutputsAreInputs = -1;

struct ComponentRow {
    uint8_t type = ElementType::Empty;
    const char* name = nullptr; // plain name; null for codes that are no component
    int nameId = 0;             // its name in the string table, as messages show it
    PinCounts pins;
    // Its placing follows the chosen orientation, so the orientation page is offered for it.
    bool turns = false;
    // Its symbol depends on its own pins and state only (the clock generator:
    // also on being the selected one), so a drawing of it can be kept.
    bool symbolKept = false;
    // Its pixels show levels or a state, so its look changes while the power is on.
    bool showsLevels = false;
    // The cells it covers, from its orientation and pins; null for what
    // covers only its pin's cell or a run of cells of its own (LED, switch,
    // sensor, text, IC, conductors).
    FootprintRule footprint = nullptr;
    MarkerFit marker = MarkerFit::Cells;
};

// Element type codes run below this bound.
constexpr size_t kElementTypeBound = ElementType::AnalysisSensor + 1;

// A column keyed by element type: each row at the type it names (`type`).
template <class Row, size_t N>
constexpr std::array<Row, kElementTypeBound> ColumnByType(const Row (&rows)[N])
{
    std::array<Row, kElementTypeBound> column{};
    for (const Row& r : rows)
        column[r.type] = r;
    return column;
}

// The row of `type`; the empty row for codes outside the table.
const ComponentRow& Component(uint8_t type);
