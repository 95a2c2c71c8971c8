#include "editing/mouse_dispatch.h"

#include "model/pin_lists.h"
#include "model/state.h"
#include "placement/clock_slots.h"
#include "placement/components.h"
#include "placement/conductor_markers.h"
#include "placement/ic_instances.h"
#include "placement/placement_context.h"
#include "placement/placement_frame.h"

void PlaceAtCursor(PlacementContext& c)
{
    ProgramState& s = c.s;
    const uint8_t tool = s.ToolMode;
    switch (tool) {
    case ElementType::AnalysisSensor: SetAnalysepunkt(c); break;
    case ElementType::HalfAdder: SetHA(c); break;
    case ElementType::FullAdder: SetVA(c); break;
    case ElementType::AND:
    case ElementType::OR:
    case ElementType::XOR: SetGatter(c, tool); break;
    case ElementType::Decoder: SetDecoder(c); break;
    case ElementType::ClockGenerator: SetTimer(c); break;
    case ElementType::ShiftRegister: SetSRegister(c); break;
    case ElementType::Multiplexer: SetMultiplexer(c); break;
    case ElementType::TriState: SetTriState(c); break;
    case ElementType::Inverter: SetInverter(c); break;
    case ElementType::SevenSegment: SetZAnzeige(c); break;
    case ElementType::FlipFlop: SetFlipFlop(c); break;
    case ElementType::LED: SetDiode(c); break;
    case ElementType::Switch: SetSwitch(c); break;
    case ElementType::IC: SetIC(c, false, 0, 0); break;
    case ElementType::Juncture: SetKnotenpunkt(c, s.CursorX, s.CursorY, false); break;
    case ElementType::CouplingDiode: SetKoppeldiode(c, s.CursorX, s.CursorY, false); break;
    case ElementType::NegationMarker: SetNegationsPunkt(c); break;
    default: break;
    }
}

void RemoveElement(PlacementContext& c, int16_t x, int16_t y)
{
    ProgramState& s = c.s;
    if (s.ToolMode == ToolCode::SimulationRunning || !s.P.Contains(x, y))
        return;
    const GridCell& cell = s.P(x, y);
    if (cell.Type == ElementType::Empty)
        return;
    if (cell.ElementNr != 0) {
        ParseInputPins(s, cell.ElementNr, 0);
        ParseOutputPins(s, cell.ElementNr, 0);
    }
    if (cell.Type == ElementType::Conductor) {
        if (cell.Marker == -1)
            RemoveKnotenpunkt(c, x, y);
        return;
    }
    switch (cell.Type) {
    case ElementType::LED: RemoveDiode(c); break;
    case ElementType::Switch: RemoveSwitch(c); break;
    case ElementType::AND:
    case ElementType::OR:
    case ElementType::XOR: RemoveGatter(c); break;
    case ElementType::Inverter: RemoveInverter(c); break;
    case ElementType::ClockGenerator: RemoveTimer(c); break;
    case ElementType::HalfAdder:
    case ElementType::FullAdder: RemoveHA(c); break;
    case ElementType::TriState: RemoveTriState(c); break;
    case ElementType::Multiplexer: RemoveMultiplexer(c); break;
    case ElementType::Decoder: RemoveDecoder(c); break;
    case ElementType::FlipFlop: RemoveFlipFlop(c); break;
    case ElementType::ShiftRegister: RemoveSRegister(c); break;
    case ElementType::SevenSegment: RemoveZAnzeige(c); break;
    case ElementType::IC: RemoveIC(c); break;
    case ElementType::TextLabel: RemoveText(c); break;
    case ElementType::AnalysisSensor: RemoveAnalysepunkt(c); break;
    default: break;
    }
}
