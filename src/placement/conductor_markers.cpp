#include "placement/conductor_markers.h"

#include "model/geometry.h"
#include "model/marker_cells.h"
#include "model/pin_lists.h"
#include "model/state.h"
#include "placement/clsUndo.h"
#include "placement/placement_context.h"
#include "platform/numeric.h"
#include "platform/string_table.h"

namespace {

constexpr int kBranching = 3;

bool PowerOff(const ProgramState& s)
{
    return s.engine.PowerFlag == 0;
}

// A conductor cell of P where a juncture or a diode may go.
bool BranchingConductor(ProgramState& s, int16_t x, int16_t y)
{
    return s.circuit.P.Contains(x, y) && s.circuit.P(x, y).Type == ElementType::Conductor && CountConnections(s.circuit, s.engine, x, y) >= kBranching;
}

void RecordCellsOnly(clsUndo& undo, int x1, int y1, int x2, int y2, int textId)
{
    undo.NoObjects = true;
    undo.NewUndo(x1, y1, x2, y2, LoadResString(textId));
}

void RecordCellsOnly(PlacementContext& c, int x1, int y1, int x2, int y2, int textId)
{
    RecordCellsOnly(c.objUndo, x1, y1, x2, y2, textId);
}

void Redraw(PlacementContext& c, int x1, int y1, int x2, int y2)
{
    c.s.Changes.Area(x1, y1, x2, y2);
}

} // namespace

void SetKoppeldiode(PlacementContext& c, int16_t x, int16_t y, bool redrawOnly)
{
    ProgramState& s = c.s;
    if (!s.circuit.P.Contains(x, y) || s.circuit.P(x, y).Marker == -1)
        return;
    // A diode already there changes nothing, so it records no step either: a
    // step recorded after an undo would wipe the steps still to be undone.
    if (!redrawOnly && PowerOff(s) && BranchingConductor(s, x, y) && s.circuit.P(x, y).Marker == 0)
        RecordCellsOnly(c, x - 1, y - 1, x + 1, y + 1, 2601);
    if (MarkCouplingDiode(s.circuit, s.engine, x, y))
        s.Changes.Marker(x, y, ElementType::CouplingDiode);
}

void RemoveKoppeldiode(PlacementContext& c)
{
    ProgramState& s = c.s;
    const int16_t x = s.CursorX;
    const int16_t y = s.CursorY;
    if (!s.circuit.P.Contains(x, y) || s.circuit.P(x, y).Marker != 1 || s.circuit.P(x, y).Type != ElementType::Conductor)
        return;
    RecordCellsOnly(c, x - 1, y - 1, x + 1, y + 1, 2602);
    s.circuit.P(x, y).Marker = 0;
    Redraw(c, x - 1, y - 1, x + 1, y + 1);
}

void SetKnotenpunkt(PlacementContext& c, int16_t x, int16_t y, bool redrawOnly)
{
    ProgramState& s = c.s;
    // Not over a diode, and not over a juncture already there (see SetKoppeldiode).
    if (!redrawOnly && PowerOff(s) && BranchingConductor(s, x, y) && s.circuit.P(x, y).Marker == 0)
        RecordCellsOnly(c, x - 1, y - 1, x + 1, y + 1, 2603);
    if (MarkJuncture(s.circuit, s.engine, s.CurrentLevel, x, y))
        s.Changes.Marker(x, y, ElementType::Juncture);
}

void RemoveKnotenpunkt(PlacementContext& c, int16_t x, int16_t y)
{
    ProgramState& s = c.s;
    RecordCellsOnly(c, x - 1, y - 1, x + 1, y + 1, 2604);
    if (!s.circuit.P.Contains(x, y))
        return;
    GridCell& cell = s.circuit.P(x, y);
    if (cell.Marker != -1 || cell.Type != ElementType::Conductor)
        return;
    s.Changes.JunctureErased(x, y);
    cell.Marker = 0;
    Redraw(c, x, y, x, y);
}

bool PlaceNegationMarker(CircuitRun& run, clsUndo& undo, PinPos cell)
{
    Circuit& circuit = run.circuit;
    const int16_t x = cell.X;
    const int16_t y = cell.Y;
    if (!circuit.P.Contains(x, y))
        return false;
    const uint8_t t = circuit.P(x, y).Type;
    if (t != ElementType::AND && t != ElementType::OR && t != ElementType::XOR && t != ElementType::FlipFlop)
        return false;
    const int16_t e = circuit.P(x, y).ElementNr;
    if (e < 1 || e > circuit.ElementCount())
        return false;
    const ElementPins in = InputPinsOf(run, e, 0);
    auto isInput = [&](int pin) {
        return pin < in.count && in.pin[pin].X == x
            && in.pin[pin].Y == y;
    };
    if (t == ElementType::FlipFlop) {
        // J and K only: neither the clock input nor an output.
        if (!isInput(0) && !isInput(2))
            return false;
    }
    bool onPin = false;
    for (int i = 0; i < in.count && i < kPinTableSize; ++i)
        onPin = onPin || isInput(i);
    const ElementPins out = OutputPinsOf(run, e, 0);
    for (int i = 0; i < out.count && i < kPinTableSize; ++i) {
        const PinPos& pin = out.pin[i];
        onPin = onPin || (pin.X == x && pin.Y == y);
    }
    // A pin already negated changes nothing and records nothing (see SetKoppeldiode).
    if (!onPin || circuit.P(x, y).Marker != 0)
        return false;
    RecordCellsOnly(undo, x - 2, y - 2, x + 2, y + 2, 2605);
    circuit.P(x, y).Marker = -1;
    return true;
}

void SetNegationsPunkt(PlacementContext& c)
{
    ProgramState& s = c.s;
    if (PlaceNegationMarker(s, c.objUndo, {s.CursorX, s.CursorY}))
        s.Changes.Element(ElementType::NegationMarker, s.CursorX, s.CursorY);
}

void RemoveNegationsPunkt(PlacementContext& c)
{
    ProgramState& s = c.s;
    const int16_t x = s.CursorX;
    const int16_t y = s.CursorY;
    RecordCellsOnly(c, x - 1, y - 1, x + 1, y + 1, 2606);
    if (s.circuit.P.Contains(x, y))
        s.circuit.P(x, y).Marker = 0;
    Redraw(c, x - 1, y - 1, x + 1, y + 1);
}
