#include "model/components.h"

namespace {

using namespace ElementType;

// name, symbol kept, shows levels, footprint rule, selection marker
constexpr ComponentRow kRows[] = {
    {Conductor, "conductor", false, false, nullptr, MarkerFit::Cells},
    {Juncture, "juncture", false, false, nullptr, MarkerFit::Cells},
    {NegationMarker, "negation marker", false, false, nullptr, MarkerFit::Cells},
    {LED, "LED", true, true, nullptr, MarkerFit::OneCell},
    {Switch, "switch", true, true, nullptr, MarkerFit::OneCell},
    {AND, "AND gate", true, false, GateFootprint, MarkerFit::Gate},
    {OR, "OR gate", true, false, GateFootprint, MarkerFit::Gate},
    {XOR, "XOR gate", true, false, GateFootprint, MarkerFit::Gate},
    {Inverter, "inverter", true, false, InverterFootprint, MarkerFit::Inverter},
    {ClockGenerator, "clock generator", true, false, ClockFootprint, MarkerFit::Gate},
    {HalfAdder, "half adder", true, false, AdderFootprint, MarkerFit::Gate},
    {FullAdder, "full adder", true, false, AdderFootprint, MarkerFit::Gate},
    {TriState, "TriState gate", true, false, TriStateFootprint, MarkerFit::Gate},
    {Multiplexer, "multiplexer", true, false, MultiplexerFootprint, MarkerFit::Multiplexer},
    {CouplingDiode, "coupling diode", false, false, nullptr, MarkerFit::Cells},
    {Decoder, "decoder", true, false, DecoderFootprint, MarkerFit::Cells},
    {FlipFlop, "flip-flop", true, true, FlipFlopFootprint, MarkerFit::FlipFlop},
    {ShiftRegister, "shift register", true, true, ShiftRegisterFootprint, MarkerFit::Gate},
    {SevenSegment, "7-segment display", true, true, SevenSegmentFootprint, MarkerFit::Cells},
    {IC, "IC", false, false, nullptr, MarkerFit::Cells},
    {TextLabel, "text", false, false, nullptr, MarkerFit::Cells},
    {AnalysisSensor, "sensor", true, false, nullptr, MarkerFit::Cells},
};

constexpr std::array<ComponentRow, kElementTypeBound> kTable = ColumnByType(kRows);

static_assert(kTable[LED].symbolKept && kTable[LED].showsLevels);
static_assert(kTable[Empty].name == nullptr);

} // namespace

const ComponentRow& Component(uint8_t type)
{
    return type < kTable.size() ? kTable[type] : kTable[Empty];
}
