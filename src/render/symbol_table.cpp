#include "render/symbol_table.h"

#include <array>

#include "model/components.h"
#include "render/clsGrafik.h"

namespace {

using namespace ElementType;
using A = SymbolAnchor;
using F = SymbolFlag;
using C = const SymbolCall&;

// type, routine, anchor, pin, flag, reads parsed pins
constexpr SymbolRow kRows[] = {
    {Conductor, nullptr, A::None},
    {Juncture, nullptr, A::None},
    {CouplingDiode, nullptr, A::None},
    {TextLabel, nullptr, A::None},
    {NegationMarker, [](clsGrafik& g, C c) { g.DrawNegationsPunkt(c.x, c.y); }, A::None},
    {LED, [](clsGrafik& g, C c) { g.DrawDiode(c.x, c.y); }, A::Cell},
    {Switch, [](clsGrafik& g, C c) { g.DrawSwitch(c.x, c.y); }, A::None},
    {AND, [](clsGrafik& g, C c) { g.DrawUnd(c.x, c.y, c.flag); }, A::GateMiddle, 0, F::Outline},
    {OR, [](clsGrafik& g, C c) { g.DrawOder(c.x, c.y, c.flag); }, A::GateMiddle, 0, F::Outline},
    {XOR, [](clsGrafik& g, C c) { g.DrawXOder(c.x, c.y); }, A::GateMiddle},
    {Inverter, [](clsGrafik& g, C c) { g.DrawInverter(c.x, c.y); }, A::InputPin, 0},
    {ClockGenerator, [](clsGrafik& g, C c) { g.DrawTimer(c.x, c.y, c.flag); }, A::ClockOutput, 0, F::Selected},
    {HalfAdder, [](clsGrafik& g, C c) { g.DrawHA(c.x, c.y); }, A::InputPin, 2},
    {FullAdder, [](clsGrafik& g, C c) { g.DrawVA(c.x, c.y); }, A::InputPin, 2},
    {TriState, [](clsGrafik& g, C c) { g.DrawTriState(c.x, c.y); }, A::MiddleOfThree},
    {Multiplexer, [](clsGrafik& g, C c) { g.DrawMultiplexer(c.x, c.y); }, A::Cell},
    {Decoder, [](clsGrafik& g, C c) { g.DrawDecoder(c.x, c.y, c.flag); }, A::InputPin, 2, F::Outline},
    {FlipFlop, [](clsGrafik& g, C c) { g.DrawFlipFlop(c.x, c.y, c.flag, 0); }, A::InputPin, 1, F::Outline},
    {ShiftRegister, [](clsGrafik& g, C c) { g.DrawSRegister(c.x, c.y); }, A::InputPin, 2},
    {SevenSegment, [](clsGrafik& g, C c) { g.DrawZAnzeige(c.x, c.y); }, A::Cell},
    {IC, [](clsGrafik& g, C c) { g.DrawIC(c.x, c.y, c.icIndex, c.flag); }, A::IC, 0, F::Outline, true},
    {AnalysisSensor, [](clsGrafik& g, C c) { g.DrawAnalysepunkt(c.x, c.y); }, A::Cell},
};

constexpr std::array<SymbolRow, kElementTypeBound> kTable = ColumnByType(kRows);

// A redraw that places a symbol has a routine to call.
constexpr bool AnchoredHaveRoutines()
{
    for (const SymbolRow& r : kTable)
        if (r.anchor != A::None && r.draw == nullptr)
            return false;
    return true;
}
static_assert(AnchoredHaveRoutines());

} // namespace

const SymbolRow& Symbol(uint8_t type)
{
    return type < kTable.size() ? kTable[type] : kTable[Empty];
}
