#include "editing/mouse_dispatch.h"

#include "editing/component_tools.h"
#include "model/pin_lists.h"
#include "model/state.h"
#include "placement/conductor_markers.h"
#include "placement/placement_context.h"

void PlaceAtCursor(PlacementContext& c)
{
    // The codes of the modes and transient states have empty rows.
    if (const PlaceRoutine place = ToolsOf(PlacedType(c.s.ToolMode)).place)
        place(c);
}

void RemoveElement(PlacementContext& c, int16_t x, int16_t y)
{
    ProgramState& s = c.s;
    if (s.ToolMode == ToolCode::SimulationRunning || !s.circuit.P.Contains(x, y))
        return;
    const GridCell& cell = s.circuit.P(x, y);
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
    if (const RemoveRoutine remove = ToolsOf(cell.Type).remove)
        remove(c);
}
