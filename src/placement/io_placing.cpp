// LEDs, switches and the removal of text labels.
#include "model/geometry.h"
#include "model/pin_lists.h"
#include "model/state.h"
#include "placement/components.h"
#include "placement/placement_context.h"
#include "placement/placement_frame.h"
#include "placement/undo_texts.h"
#include "platform/numeric.h"

namespace {

bool OffBorder(const ProgramState& s, int x, int y)
{
    return x >= 1 && x <= s.circuit.MaxX - 1 && y >= 1 && y <= s.circuit.MaxY - 1;
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

void SetDiode(PlacementContext& c)
{
    ProgramState& s = c.s;
    const int X = s.CursorX;
    const int Y = s.CursorY;
    if (!OffBorder(s, X, Y))
        return;
    // Not on another LED: its record would be left without a cell.
    GridCell& cell = s.circuit.P(X, Y);
    if (cell.Type != ElementType::Empty && cell.Type != ElementType::Conductor)
        return;
    RecordStep(c, {X - 1, Y - 1, X + 1, Y + 1}, UndoText::PlaceLED);
    cell.Type = ElementType::LED;
    // Neighbouring LEDs join into one lit chain.
    for (const Side& side : kSides) {
        GridCell& other = s.circuit.P(X + side.dx, Y + side.dy);
        if (other.Type == ElementType::LED) {
            cell.*side.mine = kTrue;
            other.*side.theirs = kTrue;
        }
    }
    cell.Marker = -1;
    const int16_t n = AppendElement(s.circuit);
    ElementRecord& r = s.circuit.Elements[n];
    r.InPinList = PinListText({{static_cast<int16_t>(X), static_cast<int16_t>(Y)}});
    r.Type = ElementType::LED;
    r.Color = s.LEDColor;
    r.SelfIndex = n;
    cell.ElementNr = n;
    s.Changes.Element(ElementType::LED, X, Y);
}

void RemoveDiode(PlacementContext& c)
{
    ProgramState& s = c.s;
    const FoundElement f = CursorElement(s, {ElementType::LED});
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

void SetSwitch(PlacementContext& c)
{
    ProgramState& s = c.s;
    const int X = s.CursorX;
    const int Y = s.CursorY;
    if (!OffBorder(s, X, Y))
        return;
    GridCell& cell = s.circuit.P(X, Y);
    if (cell.Type != ElementType::Conductor || CountConnections(s.circuit, s.engine, s.CursorX, s.CursorY) >= 2)
        return;
    RecordStep(c, {X - 1, Y - 1, X + 1, Y + 1}, UndoText::PlaceSwitch);
    const int16_t n = AppendElement(s.circuit);
    ElementRecord& r = s.circuit.Elements[n];
    r.Orientation = Orientation::Right;
    r.Type = ElementType::Switch;
    r.SelfIndex = n;
    r.InPinList = PinListText({{static_cast<int16_t>(X), static_cast<int16_t>(Y)}});
    r.OutPinList = r.InPinList;
    cell.Type = ElementType::Switch;
    cell.ElementNr = n;
    s.Changes.Element(ElementType::Switch, X, Y);
}

void RemoveSwitch(PlacementContext& c)
{
    ProgramState& s = c.s;
    const FoundElement f = CursorElement(s, {ElementType::Switch});
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
    const FoundElement f = CursorElement(s, {ElementType::TextLabel});
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
