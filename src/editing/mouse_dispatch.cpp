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
    const ToolCode tool = s.ToolMode;
    switch (tool) {
    case ToolCode::AnalysisSensor: SetAnalysepunkt(c); break;
    case ToolCode::HalfAdder: SetHA(c); break;
    case ToolCode::FullAdder: SetVA(c); break;
    case ToolCode::AND:
    case ToolCode::OR:
    case ToolCode::XOR: SetGatter(c, PlacedType(tool)); break;
    case ToolCode::Decoder: SetDecoder(c); break;
    case ToolCode::ClockGenerator: SetTimer(c); break;
    case ToolCode::ShiftRegister: SetSRegister(c); break;
    case ToolCode::Multiplexer: SetMultiplexer(c); break;
    case ToolCode::TriState: SetTriState(c); break;
    case ToolCode::Inverter: SetInverter(c); break;
    case ToolCode::SevenSegment: SetZAnzeige(c); break;
    case ToolCode::FlipFlop: SetFlipFlop(c); break;
    case ToolCode::LED: SetDiode(c); break;
    case ToolCode::Switch: SetSwitch(c); break;
    case ToolCode::IC: SetIC(c, false, 0, 0); break;
    case ToolCode::Juncture: SetKnotenpunkt(c, s.CursorX, s.CursorY, false); break;
    case ToolCode::CouplingDiode: SetKoppeldiode(c, s.CursorX, s.CursorY, false); break;
    case ToolCode::NegationMarker: SetNegationsPunkt(c); break;
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
