#pragma once
// Builds small worksheets for the drawing tests by writing cells and element
// records directly, with the footprints and pin orders the placing routines use.
#include <QRect>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <vector>

#include "model/pin_lists.h"
#include "model/records.h"
#include "model/state.h"

namespace sheet {

inline void NewSheet(ProgramState& s, int maxX, int maxY)
{
    s.circuit.MaxX = static_cast<int16_t>(maxX);
    s.circuit.MaxY = static_cast<int16_t>(maxY);
    s.circuit.P.Redim(maxX + 1, maxY + 1);
    s.circuit.Elements.assign(1, ElementRecord{});
    s.circuit.LineMap.Redim(maxX, maxY);
}

// A straight conductor between two cells of one row or column.
inline void Wire(ProgramState& s, int x1, int y1, int x2, int y2)
{
    const bool across = y1 == y2;
    const int a = across ? std::min(x1, x2) : std::min(y1, y2);
    const int b = across ? std::max(x1, x2) : std::max(y1, y2);
    for (int i = a; i <= b; ++i) {
        GridCell& c = across ? s.circuit.P(i, y1) : s.circuit.P(x1, i);
        if (c.Type == 0)
            c.Type = ElementType::Conductor;
        if (i < b)
            (across ? c.ConRight : c.ConDown) = kTrue;
        if (i > a)
            (across ? c.ConLeft : c.ConUp) = kTrue;
    }
}

// Appends an element and marks its footprint; returns its number.
inline int16_t Place(ProgramState& s, uint8_t type, Orientation orientation, const std::vector<PinPos>& in,
                     const std::vector<PinPos>& out, QRect footprint, const QString& label = {},
                     int32_t color = 0)
{
    ElementRecord r;
    r.Type = type;
    r.Orientation = orientation;
    r.InPinList = PinListText(in);
    r.OutPinList = PinListText(out);
    r.Label = label;
    r.Color = color;
    const auto n = static_cast<int16_t>(s.circuit.Elements.size());
    r.SelfIndex = n;
    s.circuit.Elements.push_back(r);
    for (int x = footprint.left(); x <= footprint.right(); ++x) {
        for (int y = footprint.top(); y <= footprint.bottom(); ++y) {
            s.circuit.P(x, y).Type = type;
            s.circuit.P(x, y).ElementNr = n;
        }
    }
    return n;
}

inline QRect Cells(int x1, int y1, int x2, int y2)
{
    return QRect(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2), std::max(y1, y2)));
}

// A cell (x + u, y + v) of the outputs-right layout carried into another
// orientation; the gates and the TriState gate keep their inputs left to
// right (flip = false), the adders, shift register and decoder mirror them.
inline PinPos Turn(Orientation o, int X, int Y, int u, int v, bool flip)
{
    const int w = flip ? -v : v;
    switch (o) {
    case Orientation::Left: return {static_cast<int16_t>(X - u), static_cast<int16_t>(Y + v)};
    case Orientation::Up: return {static_cast<int16_t>(X + w), static_cast<int16_t>(Y - u)};
    case Orientation::Down: return {static_cast<int16_t>(X + w), static_cast<int16_t>(Y + u)};
    default: return {static_cast<int16_t>(X + u), static_cast<int16_t>(Y + v)};
    }
}

inline QRect TurnRect(Orientation o, int X, int Y, int u1, int v1, int u2, int v2, bool flip)
{
    const PinPos a = Turn(o, X, Y, u1, v1, flip);
    const PinPos b = Turn(o, X, Y, u2, v2, flip);
    return Cells(a.X, a.Y, b.X, b.Y);
}

// AND, OR or XOR with n inputs (2 gives the three-cell gate with label "2").
inline int16_t Gate(ProgramState& s, uint8_t type, Orientation o, int X, int Y, int n = 3)
{
    const bool two = n == 2;
    const int rows = two ? 3 : n;
    std::vector<PinPos> in;
    for (int i = 0; i < rows; ++i)
        if (!two || i != 1)
            in.push_back(Turn(o, X, Y, 0, -1 + i, false));
    const std::vector<PinPos> out{Turn(o, X, Y, 2, -1 + rows / 2, false)};
    return Place(s, type, o, in, out, TurnRect(o, X, Y, 0, -1, 2, rows - 2, false),
                 two ? QStringLiteral("2") : QString());
}

inline int16_t Adder(ProgramState& s, uint8_t type, Orientation o, int X, int Y)
{
    const std::vector<PinPos> in{Turn(o, X, Y, 0, -1, true), Turn(o, X, Y, 0, 1, true), Turn(o, X, Y, 0, 0, true)};
    const std::vector<PinPos> out{Turn(o, X, Y, 3, -1, true), Turn(o, X, Y, 3, 1, true)};
    return Place(s, type, o, in, out, TurnRect(o, X, Y, 0, -1, 3, 1, true));
}

inline int16_t ShiftRegister(ProgramState& s, Orientation o, int X, int Y)
{
    const std::vector<PinPos> in{Turn(o, X, Y, 0, -1, true), Turn(o, X, Y, 0, 1, true), Turn(o, X, Y, 0, 0, true)};
    const std::vector<PinPos> out{Turn(o, X, Y, 8, -1, true), Turn(o, X, Y, 8, 1, true)};
    return Place(s, ElementType::ShiftRegister, o, in, out,
                 TurnRect(o, X, Y, 0, -1, 8, 1, true));
}

inline int16_t Decoder(ProgramState& s, Orientation o, int X, int Y, bool clock)
{
    std::vector<PinPos> in;
    for (int v = -2; v <= (clock ? 1 : 0); ++v)
        in.push_back(Turn(o, X, Y, 0, v, true));
    std::vector<PinPos> out;
    for (int v = -4; v <= 3; ++v)
        out.push_back(Turn(o, X, Y, 2, v, true));
    return Place(s, ElementType::Decoder, o, in, out, TurnRect(o, X, Y, 0, -5, 2, 4, true));
}

inline int16_t TriState(ProgramState& s, Orientation o, int X, int Y)
{
    const std::vector<PinPos> in{Turn(o, X, Y, 0, -1, false), Turn(o, X, Y, 0, 1, false)};
    const std::vector<PinPos> out{Turn(o, X, Y, 2, 0, false)};
    return Place(s, ElementType::TriState, o, in, out, TurnRect(o, X, Y, 0, -1, 2, 1, false));
}

inline int16_t Inverter(ProgramState& s, Orientation o, int X, int Y)
{
    const PinPos a = Turn(o, X, Y, 0, 0, false);
    const PinPos b = Turn(o, X, Y, 1, 0, false);
    return Place(s, ElementType::Inverter, o, {a}, {b}, Cells(a.X, a.Y, b.X, b.Y));
}

inline PinPos At(int x, int y)
{
    return {static_cast<int16_t>(x), static_cast<int16_t>(y)};
}

inline int16_t Multiplexer(ProgramState& s, Orientation o, int X, int Y)
{
    switch (o) {
    case Orientation::Left:
        return Place(s, ElementType::Multiplexer, Orientation::Left,
                     {At(X, Y + 2), At(X, Y + 1), At(X, Y), At(X, Y - 1), At(X - 3, Y - 2), At(X - 2, Y - 2)},
                     {At(X - 4, Y + 1)}, Cells(X - 4, Y - 2, X, Y + 2));
    case Orientation::Up:
        return Place(s, ElementType::Multiplexer, Orientation::Up,
                     {At(X + 1, Y), At(X, Y), At(X - 1, Y), At(X - 2, Y), At(X + 2, Y - 3), At(X + 2, Y - 2)},
                     {At(X - 1, Y - 4)}, Cells(X - 2, Y - 4, X + 2, Y));
    case Orientation::Down:
        return Place(s, ElementType::Multiplexer, Orientation::Down,
                     {At(X + 1, Y), At(X, Y), At(X - 1, Y), At(X - 2, Y), At(X + 2, Y + 2), At(X + 2, Y + 3)},
                     {At(X - 1, Y + 4)}, Cells(X - 2, Y, X + 2, Y + 4));
    default:
        return Place(s, ElementType::Multiplexer, Orientation::Right,
                     {At(X, Y + 2), At(X, Y + 1), At(X, Y), At(X, Y - 1), At(X + 2, Y - 2), At(X + 3, Y - 2)},
                     {At(X + 4, Y + 1)}, Cells(X, Y - 2, X + 4, Y + 2));
    }
}

inline int16_t FlipFlop(ProgramState& s, Orientation o, int X, int Y)
{
    switch (o) {
    case Orientation::Left:
        return Place(s, ElementType::FlipFlop, Orientation::Left,
                     {At(X, Y - 1), At(X, Y), At(X, Y + 1), At(X - 3, Y - 1), At(X - 3, Y + 1)},
                     {At(X - 5, Y - 1), At(X - 5, Y + 1)}, Cells(X - 5, Y - 1, X, Y + 1));
    case Orientation::Up:
        return Place(s, ElementType::FlipFlop, Orientation::Up,
                     {At(X + 1, Y), At(X, Y), At(X - 1, Y), At(X + 1, Y - 3), At(X - 1, Y - 3)},
                     {At(X + 1, Y - 5), At(X - 1, Y - 5)}, Cells(X - 1, Y - 5, X + 1, Y));
    case Orientation::Down:
        return Place(s, ElementType::FlipFlop, Orientation::Down,
                     {At(X + 1, Y), At(X, Y), At(X - 1, Y), At(X + 1, Y + 2), At(X - 1, Y + 2)},
                     {At(X + 1, Y + 5), At(X - 1, Y + 5)}, Cells(X - 1, Y, X + 1, Y + 5));
    default:
        return Place(s, ElementType::FlipFlop, Orientation::Right,
                     {At(X, Y - 1), At(X, Y), At(X, Y + 1), At(X + 2, Y - 1), At(X + 2, Y + 1)},
                     {At(X + 5, Y - 1), At(X + 5, Y + 1)}, Cells(X, Y - 1, X + 5, Y + 1));
    }
}

inline int16_t Clock(ProgramState& s, Orientation o, int X, int Y)
{
    int16_t n = 0;
    switch (o) {
    case Orientation::Left:
        n = Place(s, ElementType::ClockGenerator, Orientation::Left, {At(X - 2, Y + 1)}, {At(X - 3, Y)},
                  Cells(X - 3, Y - 1, X, Y + 1));
        break;
    case Orientation::Up:
        n = Place(s, ElementType::ClockGenerator, Orientation::Up, {At(X + 1, Y - 1)}, {At(X, Y - 3)},
                  Cells(X - 1, Y - 3, X + 1, Y));
        break;
    case Orientation::Down:
        n = Place(s, ElementType::ClockGenerator, Orientation::Down, {At(X + 1, Y + 1)}, {At(X, Y + 3)},
                  Cells(X - 1, Y, X + 1, Y + 3));
        break;
    default:
        n = Place(s, ElementType::ClockGenerator, Orientation::Right, {At(X + 2, Y + 1)}, {At(X + 3, Y)},
                  Cells(X, Y - 1, X + 3, Y + 1));
        break;
    }
    const size_t slot = s.circuit.ClockCount;
    if (s.circuit.Clocks.size() <= slot)
        s.circuit.Clocks.resize(slot + 1, {.ClockHigh = 500, .ClockLow = 500, .ClockLinked = kTrue, .ClockCycles = 1});
    s.circuit.Clocks[slot].ClockElement = n;
    ++s.circuit.ClockCount;
    return n;
}

inline int16_t SevenSegment(ProgramState& s, int X, int Y)
{
    return Place(s, ElementType::SevenSegment, Orientation::Right,
                 {At(X + 3, Y - 2), At(X + 2, Y - 2), At(X + 1, Y - 2), At(X, Y - 1), At(X, Y), At(X, Y + 1)}, {},
                 Cells(X, Y - 2, X + 4, Y + 2));
}

inline int16_t LED(ProgramState& s, int X, int Y, int32_t color = 255)
{
    const int16_t n = Place(s, ElementType::LED, Orientation::None, {At(X, Y)}, {}, Cells(X, Y, X, Y), {}, color);
    s.circuit.P(X, Y).Marker = -1;
    return n;
}

// On a conductor end.
inline int16_t Switch(ProgramState& s, int X, int Y)
{
    return Place(s, ElementType::Switch, Orientation::Right, {At(X, Y)}, {At(X, Y)}, Cells(X, Y, X, Y));
}

inline int16_t Sensor(ProgramState& s, int X, int Y, const QString& channel)
{
    return Place(s, ElementType::AnalysisSensor, Orientation::None, {At(X, Y)}, {}, Cells(X, Y, X, Y), channel);
}

// The IC slot `slot`, with its level, made where the tables are shorter.
inline ICInstanceRecord& ICSlot(ProgramState& s, int slot)
{
    const auto n = static_cast<size_t>(slot) + 1;
    if (s.circuit.ICInstances.size() < n)
        s.circuit.ICInstances.resize(n);
    if (s.circuit.Levels.size() < n)
        s.circuit.Levels.resize(n);
    return s.circuit.ICInstances[n - 1];
}

// One IC instance in slot `slot` with outline W x H and connectors given as
// "gx;gy;name;" places; anchored with its top-left cell at (x0, y0).
inline int16_t IC(ProgramState& s, int slot, int x0, int y0, int W, int H, const QStringList& places,
                  const QString& name = QStringLiteral("IC"), int nesting = 0)
{
    ICInstanceRecord& ic = ICSlot(s, slot);
    ic.Name = name;
    ic.Width = static_cast<int16_t>(W);
    ic.Height = static_cast<int16_t>(H);
    ic.GraphicPins = QStringList{QString()} + places;
    ic.PinCount = static_cast<int16_t>(places.size());
    ic.NestingLevel = static_cast<uint8_t>(nesting);
    s.circuit.Levels[static_cast<size_t>(slot)].Name = name;
    std::vector<PinPos> pins;
    for (const QString& g : places) {
        if (g.isEmpty())
            continue;
        const QStringList f = g.split(QLatin1Char(';'));
        pins.push_back(At(x0 + f.value(0).toInt(), y0 + f.value(1).toInt()));
    }
    const int16_t n = Place(s, ElementType::IC, Orientation::Right, pins, pins, Cells(x0, y0, x0 + W, y0 + H));
    ic.ElementNr = n;
    for (int i = 0; i < places.size(); ++i) {
        if (places[i].isEmpty())
            continue;
        const QStringList f = places[i].split(QLatin1Char(';'));
        GridCell& c = s.circuit.P(x0 + f.value(0).toInt(), y0 + f.value(1).toInt());
        c.ICLink = static_cast<uint8_t>(slot);
        c.ICConnector = static_cast<uint8_t>(i + 1);
    }
    return n;
}

// Level 0 as the power-on copy of the worksheet.
inline void CopyToLevel0(ProgramState& s)
{
    if (s.circuit.Levels.empty())
        s.circuit.Levels.resize(1);
    s.circuit.Levels[0].Field = s.circuit.P;
    s.circuit.Levels[0].Elements = s.circuit.Elements;
    s.circuit.Levels[0].Width = s.circuit.MaxX;
    s.circuit.Levels[0].Height = s.circuit.MaxY;
}

} // namespace sheet
