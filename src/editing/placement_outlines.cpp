#include "editing/placement_outlines.h"

#include "editing/worksheet_overlay.h"
#include "model/geometry.h"
#include "model/state.h"
#include "platform/numeric.h"

namespace {

// Centres of columns and rows and the cell size at the scale's zoom.
struct OutlineMath {
    const SheetScale& scale;
    double c = RoundHalfEven(scale.CellSize * scale.GridMode);
    double G(int i) const { return GridToPixel(scale, static_cast<int16_t>(i)); }
};

void Place(OverlayShape& r, const OutlineRect& g)
{
    r.Left = g.Left;
    r.Top = g.Top;
    r.Width = g.Width;
    r.Height = g.Height;
}

bool OnFreeCell(const ProgramState& s)
{
    return s.circuit.P(s.CursorX, s.CursorY).Type <= ElementType::Conductor;
}

} // namespace

OutlineRect ShowRahmenStrip(const SheetScale& scale, OutlineSpot at, int length)
{
    const OutlineMath m{scale};
    const int X = at.X, Y = at.Y;
    const double c = m.c;
    switch (at.Orientation) {
    case Orientation::Left: return {m.G(X - length), m.G(Y - 1) - c / 4, length * c, 2 * c + c / 2};
    case Orientation::Up: return {m.G(X - 1) - c / 4, m.G(Y - length), 2 * c + c / 2, length * c};
    case Orientation::Down: return {m.G(X - 1) - c / 4, m.G(Y), 2 * c + c / 2, length * c};
    default: return {m.G(X), m.G(Y - 1) - c / 4, length * c, 2 * c + c / 2};
    }
}

OutlineRect ShowRahmenSRegister(const SheetScale& scale, OutlineSpot at)
{
    return ShowRahmenStrip(scale, at, 8);
}

OutlineRect ShowRahmenTimer(const SheetScale& scale, OutlineSpot at)
{
    return ShowRahmenStrip(scale, at, 3);
}

OutlineRect ShowRahmenFlipFlop(const SheetScale& scale, OutlineSpot at)
{
    const OutlineMath m{scale};
    const int X = at.X, Y = at.Y;
    const double c = m.c;
    switch (at.Orientation) {
    case Orientation::Left: return {m.G(X - 5), m.G(Y - 1) - c / 2, m.G(6) - m.G(1) + 1, 3 * c};
    case Orientation::Up: return {m.G(X - 1) - c / 2, m.G(Y - 5), 3 * c, 5 * c};
    case Orientation::Down: return {m.G(X - 1) - c / 2, m.G(Y), 3 * c, 5 * c};
    default: return {m.G(X), m.G(Y - 1) - c / 2, m.G(6) - m.G(1) + 1, 3 * c};
    }
}

OutlineRect ShowRahmenMultiplexer(const SheetScale& scale, OutlineSpot at)
{
    const OutlineMath m{scale};
    const int X = at.X, Y = at.Y;
    const double c = m.c;
    switch (at.Orientation) {
    case Orientation::Left: return {m.G(X - 4), m.G(Y - 2), 4 * c, 4 * c + c / 3};
    case Orientation::Up: return {m.G(X - 2) - c / 3, m.G(Y - 4), 4 * c + c / 3, 4 * c};
    case Orientation::Down: return {m.G(X - 2) - c / 3, m.G(Y), 4 * c + c / 3, 4 * c};
    default: return {m.G(X), m.G(Y - 2), 4 * c, 4 * c + c / 3};
    }
}

OutlineRect ShowRahmenInverter(const SheetScale& scale, OutlineSpot at)
{
    const OutlineMath m{scale};
    const int X = at.X, Y = at.Y;
    const double c = m.c;
    switch (at.Orientation) {
    case Orientation::Left:
        return {m.G(X - 2) + c / 3, m.G(Y) - c / 3, m.G(X + 1) - m.G(X) + 3 * c / 4, m.G(Y + 1) - m.G(Y) - c / 4};
    case Orientation::Up: {
        const double top = m.G(Y - 2) + c / 3;
        return {m.G(X) - c / 3, top, 2 * c / 3, m.G(Y) - top};
    }
    case Orientation::Down: return {m.G(X) - c / 3, m.G(Y), 2 * c / 3, m.G(Y + 2) - m.G(Y) - c / 3};
    default:
        return {m.G(X), m.G(Y) - c / 3, m.G(X + 1) - m.G(X) + 3 * c / 4, m.G(Y + 1) - m.G(Y) - c / 4};
    }
}

OutlineRect ShowRahmenAndOrXor(const SheetScale& scale, OutlineSpot at, int inputs)
{
    const OutlineMath m{scale};
    const int X = at.X, Y = at.Y;
    const double c = m.c;
    const int n = inputs == 2 ? 3 : inputs;
    double l = 0, t = 0, w = 0, h = 0;
    if (at.Orientation == Orientation::Left || at.Orientation == Orientation::Right) {
        l = at.Orientation == Orientation::Left ? m.G(X - 2) : m.G(X);
        t = m.G(Y - 1) - c / 4;
        w = m.G(X + 2) - m.G(X) + 1;
        h = (m.G(Y + n - 2) + c / 4) - (m.G(Y - 1) - c / 4);
    } else {
        l = m.G(X - 1) - c / 4;
        t = at.Orientation == Orientation::Up ? m.G(Y - 2) : m.G(Y);
        w = (m.G(X + n - 1) - m.G(X) + 1) + c / 4 + c / 4;
        h = m.G(Y) - m.G(Y - 2);
    }
    return {RoundHalfEven(l), RoundHalfEven(t), RoundHalfEven(w), RoundHalfEven(h)};
}

std::array<OutlineSegment, 4> ShowRahmenDecoder(const SheetScale& scale, OutlineSpot at)
{
    const OutlineMath m{scale};
    const int X = at.X, Y = at.Y;
    OutlineSegment narrow, wide;
    if (at.Orientation == Orientation::Left || at.Orientation == Orientation::Right) {
        const int wx = at.Orientation == Orientation::Right ? X + 2 : X - 2;
        narrow = {m.G(X), m.G(Y - 3), m.G(X), m.G(Y + 2)};
        wide = {m.G(wx), m.G(Y - 5), m.G(wx), m.G(Y + 4)};
    } else {
        const int wy = at.Orientation == Orientation::Down ? Y + 2 : Y - 2;
        narrow = {m.G(X - 2), m.G(Y), m.G(X + 3), m.G(Y)};
        wide = {m.G(X - 4), m.G(wy), m.G(X + 5), m.G(wy)};
    }
    return {narrow, wide, OutlineSegment{narrow.X1, narrow.Y1, wide.X1, wide.Y1},
            OutlineSegment{narrow.X2, narrow.Y2, wide.X2, wide.Y2}};
}

OutlineRect ShowRahmenIC(const SheetScale& scale, OutlineSpot at, int16_t w, int16_t h)
{
    const OutlineMath m{scale};
    return {m.G(at.X), m.G(at.Y - static_cast<int>(Int(h / 2.0))), m.G(w + 1) - m.G(1) + 1, m.G(h + 1) - m.G(1) + 1};
}

namespace {

// What follows the pointer for a placing tool.
enum class Follows : uint8_t {
    Box,             // the LED's and the switch's box on the cursor cell
    Frame,           // an area frame
    FrameOnFreeCell, // an area frame, hidden over a component
    Lines,           // the decoder's trapezium
};

using FrameAt = OutlineRect (*)(ProgramState& s, const SheetScale& scale, OutlineSpot at);

// The gates take the count of the gate-inputs box; the outline notes
// whether the next gate has two inputs.
OutlineRect GateFrame(ProgramState& s, const SheetScale& scale, OutlineSpot at)
{
    const int inputs = static_cast<int>(RoundHalfEven(Val(s.GateInputsText)));
    s.TwoInputGate = inputs == 2;
    return ShowRahmenAndOrXor(scale, at, inputs);
}

OutlineRect SevenSegmentFrame(ProgramState&, const SheetScale& scale, OutlineSpot at)
{
    return ShowRahmenIC(scale, at, 4, 4);
}

// The IC chosen for placing.
OutlineRect ICFrame(ProgramState& s, const SheetScale& scale, OutlineSpot at)
{
    return ShowRahmenIC(scale, at, s.circuit.ICWidth, s.circuit.ICHeight);
}

template <OutlineRect (*Show)(const SheetScale&, OutlineSpot)>
OutlineRect Plain(ProgramState&, const SheetScale& scale, OutlineSpot at)
{
    return Show(scale, at);
}

struct OutlineRow {
    uint8_t type;
    Follows follows;
    FrameAt frame = nullptr;
};

// The outline of each placing tool by the type it places; the markers, the
// sensor and the text have none.
constexpr OutlineRow kOutlines[] = {
    {ElementType::LED, Follows::Box},
    {ElementType::Switch, Follows::Box},
    {ElementType::AND, Follows::FrameOnFreeCell, GateFrame},
    {ElementType::OR, Follows::FrameOnFreeCell, GateFrame},
    {ElementType::XOR, Follows::FrameOnFreeCell, GateFrame},
    {ElementType::TriState, Follows::FrameOnFreeCell, GateFrame},
    {ElementType::Inverter, Follows::FrameOnFreeCell, Plain<ShowRahmenInverter>},
    {ElementType::ClockGenerator, Follows::Frame, Plain<ShowRahmenTimer>},
    {ElementType::HalfAdder, Follows::Frame, Plain<ShowRahmenTimer>},
    {ElementType::FullAdder, Follows::Frame, Plain<ShowRahmenTimer>},
    {ElementType::Multiplexer, Follows::Frame, Plain<ShowRahmenMultiplexer>},
    {ElementType::FlipFlop, Follows::Frame, Plain<ShowRahmenFlipFlop>},
    {ElementType::ShiftRegister, Follows::Frame, Plain<ShowRahmenSRegister>},
    {ElementType::SevenSegment, Follows::Frame, SevenSegmentFrame},
    {ElementType::IC, Follows::Frame, ICFrame},
    {ElementType::Decoder, Follows::Lines},
};

const OutlineRow* OutlineOf(ToolCode tool)
{
    for (const OutlineRow& r : kOutlines)
        if (ToolFor(r.type) == tool)
            return &r;
    return nullptr;
}

void ShowDecoderLines(WorksheetOverlay& o, const std::array<OutlineSegment, 4>& sides)
{
    // Shown all at once: the sides keep their visibility while they follow.
    const bool shown = o.LineRahmen[0].Visible;
    for (size_t i = 0; i < sides.size(); ++i) {
        OverlayLine& l = o.LineRahmen[i];
        l = OverlayLine{shown ? l.Visible : true, sides[i].X1, sides[i].Y1, sides[i].X2, sides[i].Y2};
    }
}

} // namespace

bool HasPlacementOutline(ToolCode tool)
{
    return OutlineOf(tool) != nullptr;
}

bool ShowPlacementOutline(ProgramState& s, WorksheetOverlay& o)
{
    const OutlineRow* row = OutlineOf(s.ToolMode);
    if (row == nullptr)
        return false;
    const OutlineSpot at{s.CursorX, s.CursorY, s.PlaceOrientation};
    const SheetScale& scale = s;
    switch (row->follows) {
    case Follows::Box:
        o.picBox.Left = GridToPixel(s, s.CursorX) - 2;
        o.picBox.Top = GridToPixel(s, s.CursorY) - 2;
        if (OnFreeCell(s))
            o.picBox.Visible = true;
        break;
    case Follows::Lines: ShowDecoderLines(o, ShowRahmenDecoder(scale, at)); break;
    case Follows::Frame:
    case Follows::FrameOnFreeCell:
        Place(o.picRahmen, row->frame(s, scale, at));
        o.picRahmen.Visible = row->follows == Follows::Frame || OnFreeCell(s);
        break;
    }
    return true;
}
