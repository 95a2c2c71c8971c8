#include "model/components.h"

namespace {

using namespace ElementType;

// Pin counts: inputs min, max, chosen by; outputs.
constexpr PinCounts kNone{};
constexpr PinCounts Fixed(uint8_t in, int8_t out) { return {in, in, InputsBy::Fixed, out}; }
// The pin tables hold 21 entries; a gate uses one for its output.
constexpr PinCounts kGatePins{2, 20, InputsBy::GateBox, 1};
constexpr PinCounts kDecoderPins{3, 4, InputsBy::ClockInput, 8};
constexpr PinCounts kICPins{1, kPinTableSize, InputsBy::Connectors, kOutputsAreInputs};

// name, name id, pins, turns, symbol kept, shows levels, footprint rule, selection marker
constexpr ComponentRow kRows[] = {
    {Conductor, "conductor", 0, kNone, false, false, false, nullptr, MarkerFit::Cells},
    {Juncture, "juncture", 0, kNone, false, false, false, nullptr, MarkerFit::Cells},
    {NegationMarker, "negation marker", 0, kNone, false, false, false, nullptr, MarkerFit::Cells},
    {LED, "LED", 2456, Fixed(1, 0), false, true, true, nullptr, MarkerFit::OneCell},
    {Switch, "switch", 2457, Fixed(1, 1), false, true, true, nullptr, MarkerFit::OneCell},
    {AND, "AND gate", 2459, kGatePins, true, true, false, GateFootprint, MarkerFit::Gate},
    {OR, "OR gate", 2460, kGatePins, true, true, false, GateFootprint, MarkerFit::Gate},
    {XOR, "XOR gate", 2461, kGatePins, true, true, false, GateFootprint, MarkerFit::Gate},
    {Inverter, "inverter", 2458, Fixed(1, 1), true, true, false, InverterFootprint, MarkerFit::Inverter},
    {ClockGenerator, "clock generator", 2467, Fixed(1, 1), true, true, false, ClockFootprint, MarkerFit::Gate},
    {HalfAdder, "half adder", 2462, Fixed(3, 2), true, true, false, AdderFootprint, MarkerFit::Gate},
    {FullAdder, "full adder", 2463, Fixed(3, 2), true, true, false, AdderFootprint, MarkerFit::Gate},
    {TriState, "TriState gate", 2524, Fixed(2, 1), true, true, false, TriStateFootprint, MarkerFit::Gate},
    {Multiplexer, "multiplexer", 2465, Fixed(6, 1), true, true, false, MultiplexerFootprint, MarkerFit::Multiplexer},
    {CouplingDiode, "coupling diode", 0, kNone, false, false, false, nullptr, MarkerFit::Cells},
    {Decoder, "decoder", 2466, kDecoderPins, true, true, false, DecoderFootprint, MarkerFit::Cells},
    {FlipFlop, "flip-flop", 2464, Fixed(5, 2), true, true, true, FlipFlopFootprint, MarkerFit::FlipFlop},
    {ShiftRegister, "shift register", 2468, Fixed(3, 2), true, true, true, ShiftRegisterFootprint, MarkerFit::Gate},
    {SevenSegment, "7-segment display", 2469, Fixed(6, 0), false, true, true, SevenSegmentFootprint, MarkerFit::Cells},
    {IC, "IC", 2470, kICPins, false, false, false, nullptr, MarkerFit::Cells},
    {TextLabel, "text", 2532, Fixed(1, 0), false, false, false, nullptr, MarkerFit::Cells},
    {AnalysisSensor, "sensor", 2455, Fixed(1, 1), false, true, false, nullptr, MarkerFit::Cells},
};

constexpr std::array<ComponentRow, kElementTypeBound> kTable = ColumnByType(kRows);

static_assert(kTable[LED].symbolKept && kTable[LED].showsLevels);
static_assert(kTable[Empty].name == nullptr);

// A count varies exactly where something chooses it.
constexpr bool RangesHaveAChooser()
{
    for (const ComponentRow& r : kTable)
        if ((r.pins.minInputs != r.pins.maxInputs) != (r.pins.inputsBy != InputsBy::Fixed))
            return false;
    return true;
}
static_assert(RangesHaveAChooser());

} // namespace

const ComponentRow& Component(uint8_t type)
{
    return type < kTable.size() ? kTable[type] : kTable[Empty];
}
