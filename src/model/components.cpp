#include "model/components.h"

namespace {

using namespace ElementType;

// name, symbol kept, shows levels
constexpr ComponentRow kRows[] = {
    {Conductor, "conductor", false, false},
    {Juncture, "juncture", false, false},
    {NegationMarker, "negation marker", false, false},
    {LED, "LED", true, true},
    {Switch, "switch", true, true},
    {AND, "AND gate", true, false},
    {OR, "OR gate", true, false},
    {XOR, "XOR gate", true, false},
    {Inverter, "inverter", true, false},
    {ClockGenerator, "clock generator", true, false},
    {HalfAdder, "half adder", true, false},
    {FullAdder, "full adder", true, false},
    {TriState, "TriState gate", true, false},
    {Multiplexer, "multiplexer", true, false},
    {CouplingDiode, "coupling diode", false, false},
    {Decoder, "decoder", true, false},
    {FlipFlop, "flip-flop", true, true},
    {ShiftRegister, "shift register", true, true},
    {SevenSegment, "7-segment display", true, true},
    {IC, "IC", false, false},
    {TextLabel, "text", false, false},
    {AnalysisSensor, "sensor", true, false},
};

constexpr std::array<ComponentRow, kElementTypeBound> Indexed()
{
    std::array<ComponentRow, kElementTypeBound> t{};
    for (const ComponentRow& r : kRows)
        t[r.type] = r;
    return t;
}

constexpr std::array<ComponentRow, kElementTypeBound> kTable = Indexed();

static_assert(kTable[LED].symbolKept && kTable[LED].showsLevels);
static_assert(kTable[Empty].name == nullptr);

} // namespace

const ComponentRow& Component(uint8_t type)
{
    return type < kTable.size() ? kTable[type] : kTable[Empty];
}
