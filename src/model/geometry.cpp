#include "model/geometry.h"

#include "model/pin_lists.h"
#include "model/state.h"
#include "platform/numeric.h"

namespace {

double Zoom(const SheetScale& s)
{
    return static_cast<double>(s.GridMode);
}

const GridCell& CellOfP(const ProgramState& s, int x, int y)
{
    return s.P.at(x, y);
}

// Start cell of a bound walk: the first input pin, (0, 0) when there is none.
PinPos WalkStart(const ProgramState& s, int16_t c)
{
    return InputPinsOf(s, c, 0).pin[0];
}

int16_t Connections(const GridCell& cell)
{
    int16_t n = 0;
    for (int16_t flag : {cell.ConLeft, cell.ConUp, cell.ConRight, cell.ConDown})
        if (flag != 0)
            ++n;
    return n;
}

bool InPinTable(const PinTable& table, int16_t count, int16_t x, int16_t y)
{
    for (int i = 0; i < count && i < kPinTableSize; ++i)
        if (table[static_cast<size_t>(i)].X == x && table[static_cast<size_t>(i)].Y == y)
            return true;
    return false;
}

} // namespace

int32_t GridToPixel(const SheetScale& s, int16_t i)
{
    // Wider than 16 bits: a sheet of 1000 cells reaches 56,000 pixels at zoom 4.
    const double scaled = static_cast<double>(s.GridMode * static_cast<float>(kGridPixel));
    return CLng(scaled * (i + 0.5));
}

int16_t PixelToGrid(const SheetScale& s, int32_t p)
{
    const double zoom = Zoom(s);
    const double cell = s.CellSize;
    // Pixels of a large sheet at a high zoom pass 16 bits; its cells never do.
    const int32_t g = CLng((p - cell * zoom / 2.0) / zoom / cell);
    return static_cast<int16_t>(std::clamp<int32_t>(g, 0, INT16_MAX));
}

int ZoomedCellSize(const SheetScale& s)
{
    return static_cast<int>(RoundHalfEven(kGridPixel * Zoom(s)));
}

int16_t CountConnections(const Circuit& s, const EngineState& engine, int16_t x, int16_t y, int16_t level)
{
    if (engine.PowerFlag == 0)
        return CountConnections(s, x, y);
    if (level < 0 || static_cast<size_t>(level) >= s.Levels.size())
        throw RuntimeError(kErrSubscript, "Subscript out of range");
    const LevelRecord& lv = s.Levels[level];
    if (x > lv.Width || y > lv.Height)
        return 0;
    return Connections(lv.Field.at(x, y));
}

int16_t CountConnections(const Circuit& s, int16_t x, int16_t y)
{
    return Connections(s.P.at(x, y));
}

bool IsPinPosition(ProgramState& s, int16_t x, int16_t y)
{
    const int16_t c = CellOfP(s, x, y).ElementNr;
    if (c == 0)
        return false;
    const ElementPins in = InputPinsOf(s, c, 0);
    if (InPinTable(in.pin, in.count, x, y))
        return true;
    const ElementPins out = OutputPinsOf(s, c, 0);
    return InPinTable(out.pin, out.count, x, y);
}

int16_t GetElementLeft(ProgramState& s, int16_t c)
{
    if (c < 1)
        return s.CursorX;
    const PinPos start = WalkStart(s, c);
    int x = start.X;
    const int y = start.Y;
    if (x <= 0)
        return 0;
    while (CellOfP(s, x, y).ElementNr == c) {
        --x;
        if (x < 0)
            return 0;
    }
    return static_cast<int16_t>(x + 1);
}

int16_t GetElementTop(ProgramState& s, int16_t c)
{
    if (c < 1)
        return s.CursorY;
    const PinPos start = WalkStart(s, c);
    const int x = start.X;
    int y = start.Y;
    if (y <= 0)
        return 0;
    while (CellOfP(s, x, y).ElementNr == c) {
        --y;
        if (y < 0)
            return 0;
    }
    return static_cast<int16_t>(y + 1);
}

int16_t GetElementRight(ProgramState& s, int16_t c)
{
    if (c < 1)
        return s.CursorX;
    const PinPos start = WalkStart(s, c);
    int x = start.X;
    const int y = start.Y;
    // A pin beyond the worksheet (never written by the placing code) ends at the border.
    while (x <= s.MaxX) {
        if (CellOfP(s, x, y).ElementNr != c)
            return static_cast<int16_t>(x - 1);
        if (x == s.MaxX)
            break;
        ++x;
    }
    return s.MaxX;
}

int16_t GetElementBottom(ProgramState& s, int16_t c)
{
    if (c < 1)
        return s.CursorY;
    const PinPos start = WalkStart(s, c);
    const int x = start.X;
    int y = start.Y;
    while (y <= s.MaxY) {
        if (CellOfP(s, x, y).ElementNr != c)
            return static_cast<int16_t>(y - 1);
        if (y == s.MaxY)
            break;
        ++y;
    }
    return s.MaxY;
}

void ClearFeld(Circuit& s, int16_t x, int16_t y)
{
    GridCell& cell = s.P.at(x, y);
    cell.Type = 0;
    cell.ElementNr = 0;
    cell.Marker = 0;
    cell.ConLeft = 0;
    cell.ConUp = 0;
    cell.ConRight = 0;
    cell.ConDown = 0;
    // A connector of a circuit being defined as an IC has no ICLink and stays.
    if (cell.ICLink != 0) {
        cell.ICConnector = 0;
        cell.ICLink = 0;
    }
}

namespace {

// The marker's box over the element's cells L..R, T..B, fitted to its symbol.
struct MarkerBox {
    double left;
    double top;
    double width;
    double height;
};

MarkerBox FitMarker(const ProgramState& s, uint8_t type, bool vertical, int16_t L, int16_t T, int16_t R, int16_t B)
{
    auto G = [&s](int n) -> double { return GridToPixel(s, CInt(n)); };
    const double cs = ZoomedCellSize(s);
    double left = G(L);
    double top = G(T);
    double width = G(R - L) - cs / 2;
    double height = G(B - T) - cs / 2;
    using namespace ElementType;
    switch (type) {
    case AND: case OR: case XOR: case TriState: case ClockGenerator:
    case HalfAdder: case FullAdder: case ShiftRegister:
        if (vertical) {
            left = G(L) - cs / 4;
            width = G(R - L);
        } else {
            top = G(T) - cs / 4;
            height = G(B - T);
        }
        break;
    case FlipFlop:
        if (vertical) {
            left = G(L) - cs / 2;
            width = G(R - L) + cs / 2;
        } else {
            top = G(T) - cs / 2;
            height = G(B - T) + cs / 2;
        }
        break;
    case Multiplexer:
        if (vertical) {
            left = G(L) - cs / 3;
            width = G(R - L);
        } else {
            height = G(B - T);
        }
        break;
    case Inverter:
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
    case LED: case Switch:
        left = G(L) - cs / 2;
        top = G(T) - cs / 2;
        width = G(1) - cs / 2;
        height = G(1) - cs / 2;
        break;
    default:
        break;
    }

    return {left, top, width, height};
}

} // namespace

SelLabelRect PositionSelLabel(ProgramState& s, int16_t c, int16_t k)
{
    if (k < 0)
        throw RuntimeError(kErrSubscript, "Subscript out of range");
    if (c < 0 || static_cast<size_t>(c) >= s.Elements.size())
        throw RuntimeError(kErrSubscript, "Subscript out of range");
    const uint8_t type = s.Elements[static_cast<size_t>(c)].Type;
    const uint8_t orient = s.Elements[static_cast<size_t>(c)].Orientation;
    const bool vertical = Vertical(orient);

    const int16_t L = GetElementLeft(s, c);
    const int16_t T = GetElementTop(s, c);
    const int16_t R = GetElementRight(s, c);
    const int16_t B = GetElementBottom(s, c);
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
    s.SelLabelPos[static_cast<size_t>(k)] = SelLabelPoint{r.Left, r.Top};
    return r;
}
