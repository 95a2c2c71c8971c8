#include "model/footprint.h"

#include <algorithm>

#include "model/components.h"
#include "model/geometry.h"
#include "model/pin_lists.h"

namespace {

// Adders and the shift register, back from output 1 along the signal.
CellRect BarFromOutput(Orientation o, PinPos p, int len)
{
    switch (o) {
    case Orientation::Left: return {p.X, p.Y, p.X + len, p.Y + 2};
    case Orientation::Up: return {p.X - 2, p.Y, p.X, p.Y + len};
    case Orientation::Down: return {p.X - 2, p.Y - len, p.X, p.Y};
    default: return {p.X - len, p.Y, p.X, p.Y + 2};
    }
}

CellRect ClockFromOutput(Orientation o, PinPos p)
{
    int x1 = p.X - 3;
    int y1 = p.Y - 1;
    switch (o) {
    case Orientation::Left: x1 = p.X; break;
    case Orientation::Up: x1 = p.X - 1; y1 = p.Y; break;
    case Orientation::Down: x1 = p.X - 1; y1 = p.Y - 3; break;
    default: break;
    }
    const bool horizontal = Horizontal(o);
    return {x1, y1, x1 + (horizontal ? 3 : 2), y1 + (horizontal ? 2 : 3)};
}

// From the anchor, the third input.
CellRect DecoderFromAnchor(Orientation o, PinPos a)
{
    switch (o) {
    case Orientation::Left: return {a.X - 2, a.Y - 5, a.X, a.Y + 4};
    case Orientation::Up: return {a.X - 4, a.Y - 2, a.X + 5, a.Y};
    case Orientation::Down: return {a.X - 4, a.Y, a.X + 5, a.Y + 2};
    default: return {a.X, a.Y - 5, a.X + 2, a.Y + 4};
    }
}

// Two cells back from the output and one to each side of it.
CellRect TriStateFromOutput(Orientation o, PinPos p)
{
    switch (o) {
    case Orientation::Left: return {p.X, p.Y - 1, p.X + 2, p.Y + 1};
    case Orientation::Up: return {p.X - 1, p.Y, p.X + 1, p.Y + 2};
    case Orientation::Down: return {p.X - 1, p.Y - 2, p.X + 1, p.Y};
    default: return {p.X - 2, p.Y - 1, p.X, p.Y + 1};
    }
}


} // namespace

Pins ListPins(const QString& list)
{
    PinTable table;
    const int16_t n = ParsePinList(list, table);
    return {table.begin(), table.begin() + n};
}

CellRect PinBounds(const Pins& pins)
{
    if (pins.empty())
        return {};
    CellRect r{pins[0].X, pins[0].Y, pins[0].X, pins[0].Y};
    for (const PinPos& p : pins) {
        r.x1 = std::min<int>(r.x1, p.X);
        r.y1 = std::min<int>(r.y1, p.Y);
        r.x2 = std::max<int>(r.x2, p.X);
        r.y2 = std::max<int>(r.y2, p.Y);
    }
    return r;
}

std::optional<CellRect> GateFootprint(Orientation o, const Pins& in, const Pins& out)
{
    if (in.empty() || out.empty())
        return std::nullopt;
    const PinPos first = in.front();
    const PinPos last = in.back();
    const PinPos q = out.front();
    if (Horizontal(o))
        return CellRect{std::min(q.X, first.X), first.Y, std::max(q.X, first.X), last.Y};
    return CellRect{first.X, std::min(first.Y, q.Y), last.X, std::max(first.Y, q.Y)};
}

std::optional<CellRect> InverterFootprint(Orientation, const Pins& in, const Pins& out)
{
    if (in.empty() || out.empty())
        return std::nullopt;
    return PinBounds({in.front(), out.front()});
}

std::optional<CellRect> ClockFootprint(Orientation o, const Pins&, const Pins& out)
{
    if (out.empty())
        return std::nullopt;
    return ClockFromOutput(o, out.front());
}

std::optional<CellRect> AdderFootprint(Orientation o, const Pins&, const Pins& out)
{
    if (out.empty())
        return std::nullopt;
    return BarFromOutput(o, out.front(), kAdderLength);
}

std::optional<CellRect> ShiftRegisterFootprint(Orientation o, const Pins&, const Pins& out)
{
    if (out.empty())
        return std::nullopt;
    return BarFromOutput(o, out.front(), kRegisterLength);
}

std::optional<CellRect> TriStateFootprint(Orientation o, const Pins&, const Pins& out)
{
    if (out.empty())
        return std::nullopt;
    return TriStateFromOutput(o, out.front());
}

std::optional<CellRect> MultiplexerFootprint(Orientation, const Pins& in, const Pins& out)
{
    if (in.empty() || out.empty())
        return std::nullopt;
    // The data inputs' side, the select pins' row and the output span it.
    Pins pins = in;
    pins.push_back(out.front());
    return PinBounds(pins);
}

std::optional<CellRect> DecoderFootprint(Orientation o, const Pins& in, const Pins&)
{
    if (in.size() < 3)
        return std::nullopt;
    return DecoderFromAnchor(o, in[2]);
}

std::optional<CellRect> FlipFlopFootprint(Orientation, const Pins& in, const Pins& out)
{
    if (in.empty() || out.size() < 2)
        return std::nullopt;
    return PinBounds({in[0], out[0], out[1]});
}

std::optional<CellRect> SevenSegmentFootprint(Orientation, const Pins& in, const Pins&)
{
    if (in.size() < 6)
        return std::nullopt;
    return CellRect{in[3].X, in[2].Y, in[0].X + 1, in[5].Y + 1};
}

std::optional<CellRect> ComponentFootprint(uint8_t type, Orientation o, const Pins& in, const Pins& out)
{
    const FootprintRule rule = Component(type).footprint;
    return rule ? rule(o, in, out) : std::nullopt;
}

std::optional<CellRect> ElementFootprint(const ElementRecord& e)
{
    return ComponentFootprint(e.Type, e.Orientation, ListPins(e.InPinList), ListPins(e.OutPinList));
}
