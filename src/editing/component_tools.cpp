#include "editing/component_tools.h"

#include <array>

#include "model/components.h"
#include "model/state.h"
#include "placement/clock_slots.h"
#include "placement/basSetRemove.h"
#include "placement/conductor_markers.h"
#include "placement/ic_instances.h"
#include "placement/placement_context.h"
#include "placement/placement_frame.h"

namespace {

using namespace ElementType;

struct Row {
    uint8_t type;
    ComponentTools tools;
};

// The gates share one placing routine that takes the type; the markers and
// the IC take their anchor explicitly.
void PlaceAND(PlacementContext& c) { SetGatter(c, AND); }
void PlaceOR(PlacementContext& c) { SetGatter(c, OR); }
void PlaceXOR(PlacementContext& c) { SetGatter(c, XOR); }
void PlaceNewIC(PlacementContext& c) { SetIC(c); }
void PlaceJuncture(PlacementContext& c) { SetKnotenpunkt(c, c.s.CursorX, c.s.CursorY, false); }
void PlaceCouplingDiode(PlacementContext& c) { SetKoppeldiode(c, c.s.CursorX, c.s.CursorY, false); }

// The conductor is drawn by the band and the text placed by the label
// editor; the markers sit on cells of other types and go by the marker.
constexpr Row kRows[] = {
    {Juncture, {PlaceJuncture, nullptr}},
    {NegationMarker, {SetNegationsPunkt, nullptr}},
    {CouplingDiode, {PlaceCouplingDiode, nullptr}},
    {LED, {SetDiode, RemoveDiode}},
    {Switch, {SetSwitch, RemoveSwitch}},
    {AND, {PlaceAND, RemoveGatter, NegatablePins::All}},
    {OR, {PlaceOR, RemoveGatter, NegatablePins::All}},
    {XOR, {PlaceXOR, RemoveGatter, NegatablePins::All}},
    {Inverter, {SetInverter, RemoveInverter}},
    {ClockGenerator, {SetTimer, RemoveTimer}},
    {HalfAdder, {SetHA, RemoveHA}},
    {FullAdder, {SetVA, RemoveHA}},
    {TriState, {SetTriState, RemoveTriState}},
    {Multiplexer, {SetMultiplexer, RemoveMultiplexer}},
    {Decoder, {SetDecoder, RemoveDecoder}},
    {FlipFlop, {SetFlipFlop, RemoveFlipFlop, NegatablePins::JAndK}},
    {ShiftRegister, {SetSRegister, RemoveSRegister}},
    {SevenSegment, {SetZAnzeige, RemoveZAnzeige}},
    {IC, {PlaceNewIC, RemoveIC}},
    {TextLabel, {nullptr, RemoveText, NegatablePins::None, true}},
    {AnalysisSensor, {SetAnalysepunkt, RemoveAnalysepunkt}},
};

constexpr std::array<ComponentTools, kElementTypeBound> ByType()
{
    std::array<ComponentTools, kElementTypeBound> t{};
    for (const Row& r : kRows)
        t[r.type] = r.tools;
    return t;
}

constexpr std::array<ComponentTools, kElementTypeBound> kTable = ByType();

} // namespace

const ComponentTools& ToolsOf(uint8_t type)
{
    return type < kTable.size() ? kTable[type] : kTable[Empty];
}
