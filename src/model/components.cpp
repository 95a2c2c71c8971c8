#include "model/components.h"

namespace {

using namespace ElementType;

// name, symbol kept, shows levels, footprint rule
constexpr ComponentRow kRows[] = {
    {Conductor, "conductor", false, false, nullptr},
    {Juncture, "juncture", false, false, nullptr},
    {NegationMarker, "negation marker", false, false, nullptr},
    {LED, "LED", true, true, nullptr},
    {Switch, "switch", true, true, nullptr},
    {AND, "AND gate", true, false, GateFootprint},
    {OR, "OR gate", true, false, GateFootprint},
    {XOR, "XOR gate", true, false, GateFootprint},
    {Inverter, "inverter", true, false, InverterFootprint},
    {ClockGenerator, "clock generator", true, false, ClockFootprint},
    {HalfAdder, "half adder", true, false, AdderFootprint},
    {FullAdder, "full adder", true, false, AdderFootprint},
    {TriState, "TriState gate", true, false, TriStateFootprint},
    {Multiplexer, "multiplexer", true, false, MultiplexerFootprint},
    {CouplingDiode, "coupling diode", false, false, nullptr},
    {Decoder, "decoder", true, false, DecoderFootprint},
    {FlipFlop, "flip-flop", true, true, FlipFlopFootprint},
    {ShiftRegister, "shift register", true, true, ShiftRegisterFootprint},
    {SevenSegment, "7-segment display", true, true, SevenSegmentFootprint},
    {IC, "IC", false, false, nullptr},
    {TextLabel, "text", false, false, nullptr},
    {AnalysisSensor, "sensor", true, false, nullptr},
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
