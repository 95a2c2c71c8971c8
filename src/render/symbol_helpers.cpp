#include "render/symbol_helpers.h"

#include "model/geometry.h"
#include "model/pin_lists.h"
#include "model/state.h"
#include "platform/numeric.h"
#include "platform/surface.h"
#include "model/pin_cache.h"

namespace symbols {

Canvas::Canvas(CircuitRun& run, const SheetScale& sheetScale, int16_t shownLevel, int32_t color, Surface& device,
               double pitch, bool onWorksheet, bool onPrinter)
    : s(run)
    , scale(sheetScale)
    , level(shownLevel)
    , lineColor(color)
    , dev(device)
    , z(pitch)
    , g(sheetScale.GridMode)
    , worksheet(onWorksheet)
    , printer(onPrinter)
{
}

double Canvas::G(int i) const
{
    if (i < INT16_MIN || i > INT16_MAX)
        throw RuntimeError(kErrOverflow, "Overflow");
    return GridToPixel(scale, static_cast<int16_t>(i));
}

double Canvas::Size(float onWorksheet, float elsewhere) const
{
    // The product is a single, as the font property takes it.
    return static_cast<double>((worksheet ? onWorksheet : elsewhere) * g);
}

void Canvas::Stub(double x1, double y1, double x2, double y2)
{
    dev.Line(x1, y1, x2, y2, lineColor);
}

void Canvas::Line(double x1, double y1, double x2, double y2, int32_t color)
{
    dev.Line(x1, y1, x2, y2, color);
}

void Canvas::Box(double x1, double y1, double x2, double y2)
{
    dev.Line(x1, y1, x2, y2, lineColor, LineMode::Box);
}

void Canvas::Text(double x, double y, const QString& text)
{
    dev.CurrentX = x;
    dev.CurrentY = y;
    dev.Print(text);
}

void Canvas::Prologue(double fontSize, int32_t fill, int fillStyle)
{
    dev.ForeColor = 0;
    dev.FontName = QStringLiteral("Arial");
    dev.FontSize = fontSize;
    dev.FillColor = fill;
    dev.FillStyle = fillStyle;
}

const GridCell& SheetCell(const Circuit& s, int x, int y)
{
    return CellOr(s.P, x, y);
}

namespace {

const LevelRecord& ShownLevel(const Circuit& s, int16_t level)
{
    if (level < 0 || static_cast<size_t>(level) >= s.Levels.size())
        throw RuntimeError(kErrSubscript, "Subscript out of range");
    return s.Levels[static_cast<size_t>(level)];
}

const ElementRecord& Record(const std::vector<ElementRecord>& table, int c)
{
    if (c < 0 || static_cast<size_t>(c) >= table.size())
        throw RuntimeError(kErrSubscript, "Subscript out of range");
    return table[static_cast<size_t>(c)];
}

} // namespace

const GridCell& ShownCell(const Circuit& s, bool powerOn, int16_t level, int x, int y)
{
    if (powerOn)
        return CellOr(ShownLevel(s, level).Field, x, y);
    return CellOr(s.P, x, y);
}

const ElementRecord& SheetElement(const Circuit& s, int c)
{
    return Record(s.Elements, c);
}

const ElementRecord& ShownElement(const Circuit& s, bool powerOn, int16_t level, int c)
{
    if (powerOn)
        return Record(ShownLevel(s, level).Elements, c);
    return Record(s.Elements, c);
}

const GridCell& Canvas::ShownCell(int x, int y) const
{
    return symbols::ShownCell(s.circuit, s.engine.PowerFlag != 0, level, x, y);
}

const ElementRecord& Canvas::ShownElement(int e) const
{
    return symbols::ShownElement(s.circuit, s.engine.PowerFlag != 0, level, e);
}

namespace {

// The parsers read Levels(level) exactly when the engine's cache does.
const CachedPins* RunningPins(CircuitRun& s, int16_t c, int16_t level)
{
    if (s.engine.PowerFlag == 0 || s.engine.InnerLevelShown != 0)
        return nullptr;
    return PowerOnPins(s, c, level);
}

} // namespace

void LoadInputPins(CircuitRun& s, int16_t c, int16_t level)
{
    if (const CachedPins* p = RunningPins(s, c, level)) {
        s.InputPins = p->In;
        s.InputPinCount = p->InputCount;
        return;
    }
    ParseInputPins(s, c, level);
}

void LoadOutputPins(CircuitRun& s, int16_t c, int16_t level)
{
    if (const CachedPins* p = RunningPins(s, c, level)) {
        s.OutputPins = p->Out;
        s.OutputPinCount = p->OutputCount;
        return;
    }
    ParseOutputPins(s, c, level);
}

int Rotation::CellX(int u, int v) const
{
    switch (orientation) {
    case Orientation::Left: return x - u;
    case Orientation::Up:
    case Orientation::Down: return x - v;
    default: return x + u;
    }
}

int Rotation::CellY(int u, int v) const
{
    switch (orientation) {
    case Orientation::Down: return y + u;
    case Orientation::Up: return y - u;
    default: return y + v;
    }
}

QPointF Rotation::Point(const Canvas& c, int u, double du, int v, double dv) const
{
    switch (orientation) {
    case Orientation::Left: return {c.G(x - u) - du, c.G(y + v) + dv};
    case Orientation::Down: return {c.G(x - v) - dv, c.G(y + u) + du};
    case Orientation::Up: return {c.G(x - v) - dv, c.G(y - u) - du};
    default: return {c.G(x + u) + du, c.G(y + v) + dv};
    }
}

int16_t Rotation::Flag(const GridCell& cell, int along) const
{
    switch (orientation) {
    case Orientation::Left: return along > 0 ? cell.ConLeft : cell.ConRight;
    case Orientation::Down: return along > 0 ? cell.ConDown : cell.ConUp;
    case Orientation::Up: return along > 0 ? cell.ConUp : cell.ConDown;
    default: return along > 0 ? cell.ConRight : cell.ConLeft;
    }
}

} // namespace symbols
