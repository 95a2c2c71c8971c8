// LEDs, switches and the removal of text labels.
#include "model/geometry.h"
#include "model/pin_lists.h"
#include "model/state.h"
#include "placement/basSetRemove.h"
#include "placement/placement_context.h"
#include "placement/placement_frame.h"
#include "placement/undo_texts.h"
#include "platform/numeric.h"

namespace {

bool OffBorder(const Circuit& circuit, int x, int y)
{
    return x >= 1 && x <= circuit.MaxX - 1 && y >= 1 && y <= circuit.MaxY - 1;
}

// The four neighbours with the flag of this cell towards each and the
// neighbour's flag back.
struct Side {
    int dx;
    int dy;
    int16_t GridCell::*mine;
    int16_t GridCell::*theirs;
};
constexpr Side kSides[] = {
    {-1, 0, &GridCell::ConLeft, &GridCell::ConRight},
    {0, -1, &GridCell::ConUp, &GridCell::ConDown},
    {1, 0, &GridCell::ConRight, &GridCell::ConLeft},
    {0, 1, &GridCell::ConDown, &GridCell::ConUp},
};

} // namespace

Placed PlaceLed(Circuit& circuit, clsUndo& undo, PinPos cell, int32_t color)
{
    const int X = cell.X;
    const int Y = cell.Y;
    if (!OffBorder(circuit, X, Y))
        return {};
    // Not on another LED: its record would be left without a cell.
    GridCell& g = circuit.P(X, Y);
    if (g.Type != ElementType::Empty && g.Type != ElementType::Conductor)
        return {};
    const CellRect changed{X - 1, Y - 1, X + 1, Y + 1};
    RecordStep(undo, changed, UndoText::PlaceLED);
    g.Type = ElementType::LED;
    // Neighbouring LEDs join into one lit chain.
    for (const Side& side : kSides) {
        GridCell& other = circuit.P(X + side.dx, Y + side.dy);
        if (other.Type == ElementType::LED) {
            g.*side.mine = kTrue;
            other.*side.theirs = kTrue;
        }
    }
    g.Marker = -1;
    const int16_t n = AppendElement(circuit);
    ElementRecord& r = circuit.Elements[n];
    r.InPinList = PinListText({cell});
    r.Type = ElementType::LED;
    r.Color = color;
    r.SelfIndex = n;
    g.ElementNr = n;
    return {n, changed};
}

void SetDiode(PlacementContext& c)
{
    ProgramState& s = c.s;
    if (PlaceLed(s.circuit, c.objUndo, {s.CursorX, s.CursorY}, s.LEDColor))
        s.Changes.Element(ElementType::LED, s.CursorX, s.CursorY);
}

void RemoveDiode(PlacementContext& c)
{
    ProgramState& s = c.s;
    const FoundElement f = ElementAt(s.circuit, {s.CursorX, s.CursorY}, {ElementType::LED});
    if (!f)
        return;
    const int16_t n = f.n;
    const int X = s.CursorX;
    const int Y = s.CursorY;
    s.Changes.LEDErased(X, Y);
    RecordStep(c, {X - 1, Y - 1, X + 1, Y + 1}, UndoText::DeleteLED);
    DeleteElement(s.circuit, n);
    bool besideConductor = false;
    for (const Side& side : kSides)
        if (s.circuit.P.Contains(X + side.dx, Y + side.dy) && s.circuit.P(X + side.dx, Y + side.dy).Type == ElementType::Conductor)
            besideConductor = true;
    GridCell& cell = s.circuit.P(X, Y);
    if (besideConductor) {
        cell.Type = ElementType::Conductor;
        cell.ElementNr = 0;
        cell.Marker = 0;
    } else {
        // Neighbours must not keep a link into the emptied cell.
        for (const Side& side : kSides)
            if (s.circuit.P.Contains(X + side.dx, Y + side.dy))
                s.circuit.P(X + side.dx, Y + side.dy).*side.theirs = 0;
        ClearFeld(s.circuit, static_cast<int16_t>(X), static_cast<int16_t>(Y));
    }
    RedrawGrown(c, {X, Y, X, Y}, 1);
}

Placed PlaceSwitch(Circuit& circuit, const EngineState& engine, clsUndo& undo, PinPos cell)
{
    const int X = cell.X;
    const int Y = cell.Y;
    if (!OffBorder(circuit, X, Y))
        return {};
    GridCell& g = circuit.P(X, Y);
    if (g.Type != ElementType::Conductor || CountConnections(circuit, engine, cell.X, cell.Y) >= 2)
        return {};
    const CellRect changed{X - 1, Y - 1, X + 1, Y + 1};
    RecordStep(undo, changed, UndoText::PlaceSwitch);
    const int16_t n = AppendElement(circuit);
    ElementRecord& r = circuit.Elements[n];
    r.Orientation = Orientation::Right;
    r.Type = ElementType::Switch;
    r.SelfIndex = n;
    r.InPinList = PinListText({cell});
    r.OutPinList = r.InPinList;
    g.Type = ElementType::Switch;
    g.ElementNr = n;
    return {n, changed};
}

void SetSwitch(PlacementContext& c)
{
    ProgramState& s = c.s;
    if (PlaceSwitch(s.circuit, s.engine, c.objUndo, {s.CursorX, s.CursorY}))
        s.Changes.Element(ElementType::Switch, s.CursorX, s.CursorY);
}

void RemoveSwitch(PlacementContext& c)
{
    ProgramState& s = c.s;
    const FoundElement f = ElementAt(s.circuit, {s.CursorX, s.CursorY}, {ElementType::Switch});
    if (!f)
        return;
    const int16_t n = f.n;
    const int X = s.CursorX;
    const int Y = s.CursorY;
    RecordStep(c, {X - 1, Y - 1, X + 1, Y + 1}, UndoText::DeleteSwitch);
    DeleteElement(s.circuit, n);
    GridCell& cell = s.circuit.P(X, Y);
    cell.Type = ElementType::Conductor;
    cell.ElementNr = 0;
    RedrawGrown(c, {X, Y, X, Y}, 1);
}

void RemoveText(PlacementContext& c)
{
    ProgramState& s = c.s;
    const FoundElement f = ElementAt(s.circuit, {s.CursorX, s.CursorY}, {ElementType::TextLabel});
    if (!f)
        return;
    const int16_t n = f.n;
    auto carries = [&s, n](int x, int y) {
        return s.circuit.P.Contains(x, y) && x <= s.circuit.MaxX && s.circuit.P(x, y).Type == ElementType::TextLabel
            && s.circuit.P(x, y).ElementNr == n;
    };
    int x0 = f.in.empty() ? s.CursorX : f.in[0].X;
    int y0 = f.in.empty() ? s.CursorY : f.in[0].Y;
    if (!carries(x0, y0)) {
        // A pin that lost its cell: take the run the cursor is on.
        x0 = s.CursorX;
        y0 = s.CursorY;
        while (carries(x0 - 1, y0))
            --x0;
    }
    int xe = x0;
    while (carries(xe + 1, y0))
        ++xe;
    const CellRect run{x0, y0, xe, y0};
    RecordStep(c, run, UndoText::DeleteText);
    ClearGridArea(s.circuit, static_cast<int16_t>(x0), static_cast<int16_t>(y0), static_cast<int16_t>(xe),
                  static_cast<int16_t>(y0));
    DeleteElement(s.circuit, n);
    RedrawGrown(c, run, 2);
}
