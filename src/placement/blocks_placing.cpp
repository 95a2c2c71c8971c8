// Half- and full-adder, shift register, decoder, multiplexer, flip-flop and
// 7-segment display.
#include <algorithm>

#include "model/footprint.h"
#include "model/geometry.h"
#include "model/state.h"
#include "placement/basSetRemove.h"
#include "placement/placement_context.h"
#include "placement/placement_frame.h"
#include "placement/undo_texts.h"

namespace {

// Adders (length 3) and the shift register (length 8): three inputs on the
// anchor's side, two outputs `len` cells along the signal.
Layout BarLayout(Orientation o, int X, int Y, int len)
{
    switch (o) {
    case Orientation::Left:
        return {{X - len, Y - 1, X, Y + 1}, {At(X, Y - 1), At(X, Y + 1), At(X, Y)},
                {At(X - len, Y - 1), At(X - len, Y + 1)}};
    case Orientation::Up:
        return {{X - 1, Y - len, X + 1, Y}, {At(X + 1, Y), At(X - 1, Y), At(X, Y)},
                {At(X + 1, Y - len), At(X - 1, Y - len)}};
    case Orientation::Down:
        return {{X - 1, Y, X + 1, Y + len}, {At(X + 1, Y), At(X - 1, Y), At(X, Y)},
                {At(X + 1, Y + len), At(X - 1, Y + len)}};
    default:
        return {{X, Y - 1, X + len, Y + 1}, {At(X, Y - 1), At(X, Y + 1), At(X, Y)},
                {At(X + len, Y - 1), At(X + len, Y + 1)}};
    }
}

bool PlaceBar(PlacementContext& c, uint8_t type, int len, int textId)
{
    ProgramState& s = c.s;
    const Orientation o = s.PlaceOrientation;
    if (!ValidOrientation(o))
        return false;
    const Layout l = BarLayout(o, s.CursorX, s.CursorY, len);
    if (!Fits(s.circuit, l.area))
        return false;
    PlaceLayout(s.circuit, c.objUndo, l, type, o, textId);
    return true;
}

// Back from output 1 along the signal.
void RemoveBar(PlacementContext& c, std::initializer_list<uint8_t> types, int textId)
{
    ProgramState& s = c.s;
    const FoundElement f = ElementAt(s.circuit, {s.CursorX, s.CursorY}, types);
    if (!f)
        return;
    if (const auto r = FootprintOf(s.circuit, f))
        RemoveLayout(c, f.n, *r, textId, 1);
}

Layout DecoderLayout(Orientation o, int X, int Y, bool clock)
{
    Layout l;
    const int lastInput = clock ? 1 : 0;
    if (Horizontal(o)) {
        const int outX = o == Orientation::Left ? X - 2 : X + 2;
        l.area = {std::min(X, outX), Y - 5, std::max(X, outX), Y + 4};
        for (int v = -2; v <= lastInput; ++v)
            l.in.push_back(At(X, Y + v));
        for (int y = Y - 4; y <= Y + 3; ++y)
            l.out.push_back(At(outX, y));
    } else {
        const int outY = o == Orientation::Up ? Y - 2 : Y + 2;
        l.area = {X - 4, std::min(Y, outY), X + 5, std::max(Y, outY)};
        for (int v = -2; v <= lastInput; ++v)
            l.in.push_back(At(X - v, Y));
        for (int x = X + 4; x >= X - 3; --x)
            l.out.push_back(At(x, outY));
    }
    return l;
}

Layout MultiplexerLayout(Orientation o, int X, int Y)
{
    switch (o) {
    case Orientation::Left:
        return {{X - 4, Y - 2, X, Y + 2},
                {At(X, Y + 2), At(X, Y + 1), At(X, Y), At(X, Y - 1), At(X - 3, Y - 2), At(X - 2, Y - 2)},
                {At(X - 4, Y + 1)}};
    case Orientation::Up:
        return {{X - 2, Y - 4, X + 2, Y},
                {At(X + 1, Y), At(X, Y), At(X - 1, Y), At(X - 2, Y), At(X + 2, Y - 3), At(X + 2, Y - 2)},
                {At(X - 1, Y - 4)}};
    case Orientation::Down:
        return {{X - 2, Y, X + 2, Y + 4},
                {At(X + 1, Y), At(X, Y), At(X - 1, Y), At(X - 2, Y), At(X + 2, Y + 2), At(X + 2, Y + 3)},
                {At(X - 1, Y + 4)}};
    default:
        return {{X, Y - 2, X + 4, Y + 2},
                {At(X, Y + 2), At(X, Y + 1), At(X, Y), At(X, Y - 1), At(X + 2, Y - 2), At(X + 3, Y - 2)},
                {At(X + 4, Y + 1)}};
    }
}

Layout FlipFlopLayout(Orientation o, int X, int Y)
{
    switch (o) {
    case Orientation::Left:
        return {{X - 5, Y - 1, X, Y + 1},
                {At(X, Y - 1), At(X, Y), At(X, Y + 1), At(X - 3, Y - 1), At(X - 3, Y + 1)},
                {At(X - 5, Y - 1), At(X - 5, Y + 1)}};
    case Orientation::Up:
        return {{X - 1, Y - 5, X + 1, Y},
                {At(X + 1, Y), At(X, Y), At(X - 1, Y), At(X + 1, Y - 3), At(X - 1, Y - 3)},
                {At(X + 1, Y - 5), At(X - 1, Y - 5)}};
    case Orientation::Down:
        return {{X - 1, Y, X + 1, Y + 5},
                {At(X + 1, Y), At(X, Y), At(X - 1, Y), At(X + 1, Y + 2), At(X - 1, Y + 2)},
                {At(X + 1, Y + 5), At(X - 1, Y + 5)}};
    default:
        return {{X, Y - 1, X + 5, Y + 1},
                {At(X, Y - 1), At(X, Y), At(X, Y + 1), At(X + 2, Y - 1), At(X + 2, Y + 1)},
                {At(X + 5, Y - 1), At(X + 5, Y + 1)}};
    }
}

} // namespace

void SetHA(PlacementContext& c)
{
    if (PlaceBar(c, ElementType::HalfAdder, kAdderLength, UndoText::PlaceHA))
        c.s.Changes.Element(ElementType::HalfAdder, c.s.CursorX, c.s.CursorY, c.s.PlaceOrientation);
}

void SetVA(PlacementContext& c)
{
    if (PlaceBar(c, ElementType::FullAdder, kAdderLength, UndoText::PlaceFA))
        c.s.Changes.Element(ElementType::FullAdder, c.s.CursorX, c.s.CursorY, c.s.PlaceOrientation);
}

void RemoveHA(PlacementContext& c)
{
    RemoveBar(c, {ElementType::HalfAdder, ElementType::FullAdder}, UndoText::DeleteAdder);
}

void SetSRegister(PlacementContext& c)
{
    if (PlaceBar(c, ElementType::ShiftRegister, kRegisterLength, UndoText::PlaceShiftRegister))
        c.s.Changes.Element(ElementType::ShiftRegister, c.s.CursorX, c.s.CursorY, c.s.PlaceOrientation);
}

void RemoveSRegister(PlacementContext& c)
{
    RemoveBar(c, {ElementType::ShiftRegister}, UndoText::DeleteShiftRegister);
}

void SetDecoder(PlacementContext& c)
{
    ProgramState& s = c.s;
    const Orientation o = s.PlaceOrientation;
    if (!ValidOrientation(o))
        return;
    const Layout l = DecoderLayout(o, s.CursorX, s.CursorY, s.DecoderClockInput != 0);
    if (!Fits(s.circuit, l.area))
        return;
    PlaceLayout(s.circuit, c.objUndo, l, ElementType::Decoder, o, UndoText::PlaceDecoder);
    s.Changes.Element(ElementType::Decoder, s.CursorX, s.CursorY, o);
}

void RemoveDecoder(PlacementContext& c)
{
    ProgramState& s = c.s;
    const FoundElement f = ElementAt(s.circuit, {s.CursorX, s.CursorY}, {ElementType::Decoder});
    if (!f)
        return;
    // From the anchor, the third input.
    if (const auto r = FootprintOf(s.circuit, f))
        RemoveLayout(c, f.n, *r, UndoText::DeleteDecoder, 1);
}

void SetMultiplexer(PlacementContext& c)
{
    ProgramState& s = c.s;
    const Orientation o = s.PlaceOrientation;
    if (!ValidOrientation(o))
        return;
    const Layout l = MultiplexerLayout(o, s.CursorX, s.CursorY);
    if (!Fits(s.circuit, l.area))
        return;
    PlaceLayout(s.circuit, c.objUndo, l, ElementType::Multiplexer, o, UndoText::PlaceMultiplexer);
    s.Changes.Element(ElementType::Multiplexer, s.CursorX, s.CursorY, o);
}

void RemoveMultiplexer(PlacementContext& c)
{
    ProgramState& s = c.s;
    const FoundElement f = ElementAt(s.circuit, {s.CursorX, s.CursorY}, {ElementType::Multiplexer});
    if (!f)
        return;
    if (const auto r = FootprintOf(s.circuit, f))
        RemoveLayout(c, f.n, *r, UndoText::DeleteMultiplexer, 1);
}

void SetFlipFlop(PlacementContext& c)
{
    ProgramState& s = c.s;
    const Orientation o = s.PlaceOrientation;
    if (!ValidOrientation(o))
        return;
    const Layout l = FlipFlopLayout(o, s.CursorX, s.CursorY);
    if (!Fits(s.circuit, l.area))
        return;
    PlaceLayout(s.circuit, c.objUndo, l, ElementType::FlipFlop, o, UndoText::PlaceFlipFlop);
    s.Changes.Element(ElementType::FlipFlop, s.CursorX, s.CursorY, o);
}

void RemoveFlipFlop(PlacementContext& c)
{
    ProgramState& s = c.s;
    const FoundElement f = ElementAt(s.circuit, {s.CursorX, s.CursorY}, {ElementType::FlipFlop});
    if (!f)
        return;
    if (const auto r = FootprintOf(s.circuit, f))
        RemoveLayout(c, f.n, *r, UndoText::DeleteFlipFlop, 2);
}

void SetZAnzeige(PlacementContext& c)
{
    ProgramState& s = c.s;
    // Always upright; the next placement starts from here too.
    s.PlaceOrientation = Orientation::Right;
    const int X = s.CursorX;
    const int Y = s.CursorY;
    if (X < 1 || X > s.circuit.MaxX - 5 || Y < 3 || Y > s.circuit.MaxY - 2)
        return;
    const Layout l{{X, Y - 2, X + 4, Y + 2},
                   {At(X + 3, Y - 2), At(X + 2, Y - 2), At(X + 1, Y - 2), At(X, Y - 1), At(X, Y), At(X, Y + 1)},
                   {}};
    if (IsAreaOccupied(s.circuit, static_cast<int16_t>(l.area.x1), static_cast<int16_t>(l.area.y1),
                       static_cast<int16_t>(l.area.x2), static_cast<int16_t>(l.area.y2)))
        return;
    PlaceLayout(s.circuit, c.objUndo, l, ElementType::SevenSegment, Orientation::Right, UndoText::PlaceSevenSegment);
    s.Changes.Element(ElementType::SevenSegment, s.CursorX, s.CursorY, Orientation::Right);
}

void RemoveZAnzeige(PlacementContext& c)
{
    ProgramState& s = c.s;
    const FoundElement f = ElementAt(s.circuit, {s.CursorX, s.CursorY}, {ElementType::SevenSegment});
    if (!f)
        return;
    if (const auto r = FootprintOf(s.circuit, f))
        RemoveLayout(c, f.n, *r, UndoText::DeleteSevenSegment, 1);
}
