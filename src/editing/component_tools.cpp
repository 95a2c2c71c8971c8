#include "editing/component_tools.h"

#include <array>

#include "model/components.h"
#include "model/state.h"
#include "placement/clock_slots.h"
#include "placement/components.h"
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
void SetAND(PlacementContext& c) { SetGatter(c, AND); }
void SetOR(PlacementContext& c) { SetGatter(c, OR); }
void SetXOR(PlacementContext& c) { SetGatter(c, XOR); }
void SetNewIC(PlacementContext& c) { SetIC(c, false, 0, 0); }
void SetJuncture(PlacementContext& c) { SetKnotenpunkt(c, c.s.CursorX, c.s.CursorY, false); }
void SetDiodeMarker(PlacementContext& c) { SetKoppeldiode(c, c.s.CursorX, c.s.CursorY, false); }

// The conductor is drawn by the band and the text placed by the label
// editor; the markers sit on cells of other types and go by the marker.
constexpr Row kRows[] = {
    {Juncture, {SetJuncture, nullptr}},
    {NegationMarker, {SetNegationsPunkt, nullptr}},
    {CouplingDiode, {SetDiodeMarker, nullptr}},
    {LED, {SetDiode, RemoveDiode}},
    {Switch, {SetSwitch, RemoveSwitch}},
    {AND, {SetAND, RemoveGatter, NegatablePins::All}},
    {OR, {SetOR, RemoveGatter, NegatablePins::All}},
    {XOR, {SetXOR, RemoveGatter, NegatablePins::All}},
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
    {IC, {SetNewIC, RemoveIC}},
    {TextLabel, {nullptr, RemoveText}},
    {AnalysisSensor, {SetAnalysepunkt, RemoveAnalysepunkt}},
};

std::array<ComponentTools, kElementTypeBound> Indexed()
{
    std::array<ComponentTools, kElementTypeBound> t{};
    for (const Row& r : kRows)
        t[r.type] = r.tools;
    return t;
}

const std::array<ComponentTools, kElementTypeBound> kTable = Indexed();

} // namespace

const ComponentTools& ToolsOf(uint8_t type)
{
    return type < kTable.size() ? kTable[type] : kTable[Empty];
}
