#include "model/geometry.h"

#include "model/circuit_run.h"
#include "model/pin_lists.h"
#include "platform/numeric.h"

namespace {

double Zoom(const SheetScale& s)
{
    return static_cast<double>(s.GridMode);
}

const GridCell& CellOfP(const Circuit& s, int x, int y)
{
    return s.P.at(x, y);
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
        if (table[i].X == x && table[i].Y == y)
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

bool IsPinPosition(const CircuitRun& s, int16_t x, int16_t y)
{
    const int16_t c = CellOfP(s.circuit, x, y).ElementNr;
    if (c == 0)
        return false;
    const ElementPins in = InputPinsOf(s, c, 0);
    if (InPinTable(in.pin, in.count, x, y))
        return true;
    const ElementPins out = OutputPinsOf(s, c, 0);
    return InPinTable(out.pin, out.count, x, y);
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
