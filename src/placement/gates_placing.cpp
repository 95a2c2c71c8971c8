// AND, OR and XOR elements, the inverter and the TriState gate.
#include <algorithm>

#include "model/components.h"
#include "model/geometry.h"
#include "model/state.h"
#include "placement/clsUndo.h"
#include "placement/basSetRemove.h"
#include "placement/placement_context.h"
#include "placement/placement_frame.h"
#include "placement/undo_texts.h"
#include "platform/numeric.h"

namespace {

const int kMinGateInputs = Component(ElementType::AND).pins.minInputs;
const int kMaxGateInputs = Component(ElementType::AND).pins.maxInputs;

// The box may hold anything typed or written by synthesis.
int GateInputs(const QString& text)
{
    double v = Val(text);
    if (!(v >= kMinGateInputs))
        v = kMinGateInputs;
    v = std::min<double>(v, kMaxGateInputs);
    return static_cast<int>(RoundHalfEven(v));
}

// rows: the footprint's extent across the signal (3 for a two-input gate).
Layout GateLayout(Orientation o, int X, int Y, int rows, bool two)
{
    Layout l;
    const int mid = rows / 2;
    for (int i = 0; i < rows; ++i) {
        if (two && i == 1)
            continue;
        l.in.push_back(Horizontal(o) ? At(X, Y - 1 + i) : At(X - 1 + i, Y));
    }
    switch (o) {
    case Orientation::Left:
        l.area = {X - 2, Y - 1, X, Y + rows - 2};
        l.out = {At(X - 2, Y - 1 + mid)};
        break;
    case Orientation::Up:
        l.area = {X - 1, Y - 2, X + rows - 2, Y};
        l.out = {At(X - 1 + mid, Y - 2)};
        break;
    case Orientation::Down:
        l.area = {X - 1, Y, X + rows - 2, Y + 2};
        l.out = {At(X - 1 + mid, Y + 2)};
        break;
    default:
        l.area = {X, Y - 1, X + 2, Y + rows - 2};
        l.out = {At(X + 2, Y - 1 + mid)};
        break;
    }
    return l;
}

Layout TriStateLayout(Orientation o, int X, int Y)
{
    switch (o) {
    case Orientation::Left: return {{X - 2, Y - 1, X, Y + 1}, {At(X, Y - 1), At(X, Y + 1)}, {At(X - 2, Y)}};
    case Orientation::Up: return {{X - 1, Y - 2, X + 1, Y}, {At(X - 1, Y), At(X + 1, Y)}, {At(X, Y - 2)}};
    case Orientation::Down: return {{X - 1, Y, X + 1, Y + 2}, {At(X - 1, Y), At(X + 1, Y)}, {At(X, Y + 2)}};
    default: return {{X, Y - 1, X + 2, Y + 1}, {At(X, Y - 1), At(X, Y + 1)}, {At(X + 2, Y)}};
    }
}

// The inverter's output cell, one step in the output direction.
PinPos InverterOutput(Orientation o, int X, int Y)
{
    switch (o) {
    case Orientation::Left: return At(X - 1, Y);
    case Orientation::Up: return At(X, Y - 1);
    case Orientation::Down: return At(X, Y + 1);
    default: return At(X + 1, Y);
    }
}

// A cell left behind by a removed component: it stays a conductor while a
// neighbour answers one of its connections, else it becomes empty. Flags no
// neighbour answers are dropped, so that no conductor ends in nothing.
void LeaveConductorOrEmpty(Circuit& s, int x, int y)
{
    GridCell& c = s.P(x, y);
    auto answered = [&s](int nx, int ny, int16_t GridCell::*flag) {
        return s.P.Contains(nx, ny) && s.P(nx, ny).*flag != 0;
    };
    if (c.ConLeft != 0 && !answered(x - 1, y, &GridCell::ConRight))
        c.ConLeft = 0;
    if (c.ConUp != 0 && !answered(x, y - 1, &GridCell::ConDown))
        c.ConUp = 0;
    if (c.ConRight != 0 && !answered(x + 1, y, &GridCell::ConLeft))
        c.ConRight = 0;
    if (c.ConDown != 0 && !answered(x, y + 1, &GridCell::ConUp))
        c.ConDown = 0;
    if (CountConnections(s, static_cast<int16_t>(x), static_cast<int16_t>(y)) != 0) {
        c.Type = ElementType::Conductor;
    } else {
        c.Type = ElementType::Empty;
        c.Marker = 0;
    }
    c.ElementNr = 0;
}

} // namespace

Placed PlaceGate(Circuit& circuit, clsUndo& undo, PinPos cell, Orientation orientation, int inputs, uint8_t gateType)
{
    const Orientation o = orientation;
    if (gateType < ElementType::AND || gateType > ElementType::XOR || !ValidOrientation(o) || inputs < kMinGateInputs
        || inputs > kMaxGateInputs)
        return {};
    const bool two = inputs == 2;
    // A two-input gate keeps the three-row outline, its middle row unused.
    const Layout l = GateLayout(o, cell.X, cell.Y, two ? 3 : inputs, two);
    if (!Fits(circuit, l.area))
        return {};
    const int16_t e = PlaceLayout(circuit, undo, l, gateType, o, UndoText::PlaceGate);
    if (two)
        circuit.Elements[e].Label = QStringLiteral("2");
    return {e, l.area};
}

void SetGatter(PlacementContext& c, uint8_t gateType)
{
    ProgramState& s = c.s;
    if (gateType < ElementType::AND || gateType > ElementType::XOR || !ValidOrientation(s.PlaceOrientation))
        return;
    const int inputs = GateInputs(s.GateInputsText);
    s.TwoInputGate = inputs == 2;
    if (PlaceGate(s.circuit, c.objUndo, {s.CursorX, s.CursorY}, s.PlaceOrientation, inputs, gateType))
        s.Changes.Element(gateType, s.CursorX, s.CursorY, s.PlaceOrientation);
}

void RemoveGatter(PlacementContext& c)
{
    ProgramState& s = c.s;
    const FoundElement f = ElementAt(s.circuit, {s.CursorX, s.CursorY}, {ElementType::AND, ElementType::OR, ElementType::XOR});
    if (!f)
        return;
    if (const auto r = FootprintOf(s.circuit, f))
        RemoveLayout(c, f.n, *r, UndoText::DeleteGate, 1);
}

void SetInverter(PlacementContext& c)
{
    ProgramState& s = c.s;
    const Orientation o = s.PlaceOrientation;
    const int X = s.CursorX;
    const int Y = s.CursorY;
    if (!ValidOrientation(o))
        return;
    const PinPos second = InverterOutput(o, X, Y);
    const CellRect r{std::min<int>(X, second.X), std::min<int>(Y, second.Y), std::max<int>(X, second.X),
                     std::max<int>(Y, second.Y)};
    if (!InsideBorder(s.circuit, r))
        return;
    // Either cell may lie on a conductor, neither on another element.
    for (const PinPos p : {At(X, Y), second}) {
        const uint8_t t = s.circuit.P(p.X, p.Y).Type;
        if (t != ElementType::Empty && t != ElementType::Conductor)
            return;
    }
    PlaceLayout(s.circuit, c.objUndo, {r, {At(X, Y)}, {second}}, ElementType::Inverter, o, UndoText::PlaceInverter);
    // The conductor through both cells now feeds the input and leaves the output.
    GridCell& in = s.circuit.P(X, Y);
    GridCell& out = s.circuit.P(second.X, second.Y);
    switch (o) {
    case Orientation::Left: in.ConLeft = out.ConRight = 0; break;
    case Orientation::Up: in.ConUp = out.ConDown = 0; break;
    case Orientation::Down: in.ConDown = out.ConUp = 0; break;
    default: in.ConRight = out.ConLeft = 0; break;
    }
    s.Changes.Element(ElementType::Inverter, s.CursorX, s.CursorY, o);
}

void RemoveInverter(PlacementContext& c)
{
    ProgramState& s = c.s;
    const FoundElement f = ElementAt(s.circuit, {s.CursorX, s.CursorY}, {ElementType::Inverter});
    const auto r = f ? FootprintOf(s.circuit, f) : std::nullopt;
    if (!r)
        return;
    const int16_t n = f.n;
    const PinPos a = f.in[0];
    const PinPos b = f.out[0];
    RecordStep(c, *r, UndoText::DeleteInverter);
    LeaveConductorOrEmpty(s.circuit, a.X, a.Y);
    LeaveConductorOrEmpty(s.circuit, b.X, b.Y);
    RedrawGrown(c, {s.CursorX, s.CursorY, s.CursorX, s.CursorY}, 2);
    DeleteElement(s.circuit, n);
}

void SetTriState(PlacementContext& c)
{
    ProgramState& s = c.s;
    const Orientation o = s.PlaceOrientation;
    const int X = s.CursorX;
    const int Y = s.CursorY;
    if (!ValidOrientation(o))
        return;
    const Layout l = TriStateLayout(o, X, Y);
    // Across the signal the footprint may reach the border.
    const bool fits = Horizontal(o)
        ? l.area.x1 >= 1 && l.area.x2 <= s.circuit.MaxX - 1 && Y >= 1 && Y <= s.circuit.MaxY - 1
        : l.area.y1 >= 1 && l.area.y2 <= s.circuit.MaxY - 1 && X >= 1 && X <= s.circuit.MaxX - 1;
    if (!fits)
        return;
    // Its input side may lie on conductors; the rest must be empty.
    for (int x = l.area.x1; x <= l.area.x2; ++x) {
        for (int y = l.area.y1; y <= l.area.y2; ++y) {
            const uint8_t t = s.circuit.P(x, y).Type;
            const bool inputSide = Horizontal(o) ? x == X : y == Y;
            if (t != ElementType::Empty && !(inputSide && t == ElementType::Conductor))
                return;
        }
    }
    PlaceLayout(s.circuit, c.objUndo, l, ElementType::TriState, o, UndoText::PlaceTriState);
    s.Changes.Element(ElementType::TriState, s.CursorX, s.CursorY, o);
}

void RemoveTriState(PlacementContext& c)
{
    ProgramState& s = c.s;
    const FoundElement f = ElementAt(s.circuit, {s.CursorX, s.CursorY}, {ElementType::TriState});
    const auto r = f ? FootprintOf(s.circuit, f) : std::nullopt;
    if (!r)
        return;
    const int16_t n = f.n;
    const CellRect foot = *r;
    const CellRect outer{foot.x1 - 2, foot.y1 - 2, foot.x2 + 2, foot.y2 + 2};
    RecordStep(c, foot, UndoText::DeleteTriState);
    DeleteElement(s.circuit, n);
    // A conductor along the input side stays a conductor.
    for (int x = foot.x1; x <= foot.x2; ++x)
        for (int y = foot.y1; y <= foot.y2; ++y)
            if (s.circuit.P.Contains(x, y))
                LeaveConductorOrEmpty(s.circuit, x, y);
    RedrawGrown(c, outer, 0);
}
