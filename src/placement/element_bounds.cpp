#include "placement/element_bounds.h"

#include "model/components.h"
#include "model/geometry.h"
#include "model/pin_lists.h"
#include "model/state.h"
#include "platform/numeric.h"

namespace {

const GridCell& CellOfP(const CircuitRun& s, int x, int y)
{
    return s.circuit.P.at(x, y);
}

// Start cell of a bound walk: the first input pin, (0, 0) when there is none.
PinPos WalkStart(const CircuitRun& s, int16_t c)
{
    return InputPinsOf(s, c, 0).pin[0];
}

// Back from `from` while the cells are the element's: the first of them
// (0 when the walk reaches the edge).
template <typename Covered>
int16_t WalkBack(int from, Covered covered)
{
    int i = from;
    if (i <= 0)
        return 0;
    while (covered(i)) {
        --i;
        if (i < 0)
            return 0;
    }
    return static_cast<int16_t>(i + 1);
}

// On from `from` while the cells are the element's: the last of them. A pin
// beyond the worksheet (never written by the placing code) ends at the border.
template <typename Covered>
int16_t WalkOn(int from, int16_t limit, Covered covered)
{
    for (int i = from; i <= limit; ++i) {
        if (!covered(i))
            return static_cast<int16_t>(i - 1);
    }
    return limit;
}

} // namespace

int16_t GetElementLeft(const CircuitRun& s, int16_t c, int16_t cursorX)
{
    if (c < 1)
        return cursorX;
    const PinPos p = WalkStart(s, c);
    return WalkBack(p.X, [&](int x) { return CellOfP(s, x, p.Y).ElementNr == c; });
}

int16_t GetElementTop(const CircuitRun& s, int16_t c, int16_t cursorY)
{
    if (c < 1)
        return cursorY;
    const PinPos p = WalkStart(s, c);
    return WalkBack(p.Y, [&](int y) { return CellOfP(s, p.X, y).ElementNr == c; });
}

int16_t GetElementRight(const CircuitRun& s, int16_t c, int16_t cursorX)
{
    if (c < 1)
        return cursorX;
    const PinPos p = WalkStart(s, c);
    return WalkOn(p.X, s.circuit.MaxX, [&](int x) { return CellOfP(s, x, p.Y).ElementNr == c; });
}

int16_t GetElementBottom(const CircuitRun& s, int16_t c, int16_t cursorY)
{
    if (c < 1)
        return cursorY;
    const PinPos p = WalkStart(s, c);
    return WalkOn(p.Y, s.circuit.MaxY, [&](int y) { return CellOfP(s, p.X, y).ElementNr == c; });
}

namespace {

// The marker's box over the element's cells L..R, T..B, fitted to its symbol.
struct MarkerBox {
    double left;
    double top;
    double width;
    double height;
};

MarkerBox FitMarker(const SheetScale& s, uint8_t type, bool vertical, int16_t L, int16_t T, int16_t R, int16_t B)
{
    auto G = [&s](int n) -> double { return GridToPixel(s, CInt(n)); };
    const double cs = ZoomedCellSize(s);
    double left = G(L);
    double top = G(T);
    double width = G(R - L) - cs / 2;
    double height = G(B - T) - cs / 2;
    switch (Component(type).marker) {
    case MarkerFit::Gate:
        if (vertical) {
            left = G(L) - cs / 4;
            width = G(R - L);
        } else {
            top = G(T) - cs / 4;
            height = G(B - T);
        }
        break;
    case MarkerFit::FlipFlop:
        if (vertical) {
            left = G(L) - cs / 2;
            width = G(R - L) + cs / 2;
        } else {
            top = G(T) - cs / 2;
            height = G(B - T) + cs / 2;
        }
        break;
    case MarkerFit::Multiplexer:
        if (vertical) {
            left = G(L) - cs / 3;
            width = G(R - L);
        } else {
            height = G(B - T);
        }
        break;
    case MarkerFit::Inverter:
        if (vertical) {
            left = G(L) - cs / 3;
            width = G(1) - cs / 1.5;
            height = G(1) - cs / 2;
        } else {
            top = G(T) - cs / 3;
            width = G(1) - cs / 2;
            height = G(1) - cs / 1.5;
        }
        break;
    case MarkerFit::OneCell:
        left = G(L) - cs / 2;
        top = G(T) - cs / 2;
        width = G(1) - cs / 2;
        height = G(1) - cs / 2;
        break;
    case MarkerFit::Cells:
        break;
    }

    return {left, top, width, height};
}

} // namespace

SelLabelRect PositionSelLabel(ProgramState& s, int16_t c, int16_t k)
{
    if (k < 0)
        throw RuntimeError(kErrSubscript, "Subscript out of range");
    if (c < 0 || static_cast<size_t>(c) >= s.circuit.Elements.size())
        throw RuntimeError(kErrSubscript, "Subscript out of range");
    const uint8_t type = s.circuit.Elements[c].Type;
    const Orientation orient = s.circuit.Elements[c].Orientation;
    const bool vertical = Vertical(orient);

    const int16_t L = GetElementLeft(s, c, s.CursorX);
    const int16_t T = GetElementTop(s, c, s.CursorY);
    const int16_t R = GetElementRight(s, c, s.CursorX);
    const int16_t B = GetElementBottom(s, c, s.CursorY);
    const MarkerBox box = FitMarker(s, type, vertical, L, T, R, B);
    const double left = box.left;
    const double top = box.top;
    const double width = box.width;
    const double height = box.height;

    SelLabelRect r;
    r.Left = CInt(left);
    r.Top = CInt(top);
    r.Width = width;
    r.Height = height;
    if (static_cast<size_t>(k) >= s.SelLabelPos.size())
        s.SelLabelPos.resize(static_cast<size_t>(k) + 1);
    s.SelLabelPos[k] = SelLabelPoint{r.Left, r.Top};
    return r;
}
