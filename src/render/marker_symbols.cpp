#include "render/marker_symbols.h"

#include <QList>
#include <QPoint>

#include "model/geometry.h"
#include "model/state.h"
#include "platform/numeric.h"
#include "platform/surface.h"
#include "render/clsGrafik.h"

namespace {

constexpr int32_t kGrey = 0x808080;
constexpr int32_t kBlue = 0xFF0000;
constexpr int kBranching = 3;

// A pen left three pixels wide by a conductor stroke would thicken the marker.
void NarrowPen(Surface& device)
{
    if (device.DrawWidth == 3)
        device.DrawWidth = 1;
}

void DrawJunctureDot(ProgramState& s, clsGrafik& objGrafik, int16_t x, int16_t y, bool pixelSized)
{
    if (objGrafik.Device == nullptr)
        return;
    Surface& dev = *objGrafik.Device;
    NarrowPen(dev);
    const double cx = GridToPixel(s, x);
    const double cy = GridToPixel(s, y);
    const double d = pixelSized ? ZoomedCellSize(s) / 7.0 : static_cast<double>(s.GridMode);
    dev.Line(cx - d, cy - d, cx + d, cy + d, 0, LineMode::BoxFilled);
}

void DrawDiodeTriangle(ProgramState& s, clsGrafik& objGrafik, int16_t x, int16_t y)
{
    if (objGrafik.Device == nullptr)
        return;
    Surface& dev = *objGrafik.Device;
    NarrowPen(dev);
    const double cx = GridToPixel(s, x);
    const double cy = GridToPixel(s, y);
    const double half = ZoomedCellSize(s) / 2.0;
    const QPoint p0(static_cast<int>(RoundHalfEven(cx - half)), static_cast<int>(RoundHalfEven(cy)));
    const QPoint p1(static_cast<int>(RoundHalfEven(cx + half)), static_cast<int>(RoundHalfEven(cy)));
    const QPoint p2(static_cast<int>(RoundHalfEven(cx)), static_cast<int>(RoundHalfEven(cy + half)));
    dev.ForeColor = kGrey;
    dev.FillColor = kBlue;
    dev.FillStyle = 0;
    if (objGrafik.OnWorksheet()) {
        dev.Polygon(QList<QPoint>{p0, p1, p2});
        if (s.engine.PowerFlag == 0)
            dev.PSet(cx, cy + 5, kBlue);
        return;
    }
    const double z = s.GridMode;
    dev.Line(p0.x() - z, p0.y(), p1.x() + z, p1.y(), 0);
    dev.Line(p1.x() + z, p1.y(), p2.x(), p2.y() + z, 0);
    dev.Line(p2.x(), p2.y() + z, p0.x() - z, p0.y(), 0);
}

} // namespace

void SetKoppeldiode(ProgramState& s, clsGrafik& objGrafik, int16_t x, int16_t y, bool redrawOnly)
{
    if (!s.P.Contains(x, y))
        return;
    GridCell& cell = s.P(x, y);
    if (cell.Marker == -1)
        return;
    (void)redrawOnly; // nothing to record here
    if (s.engine.PowerFlag == 0
        && (CountConnections(s, x, y) < kBranching || cell.Type != ElementType::Conductor))
        return;
    cell.Marker = 1;
    DrawDiodeTriangle(s, objGrafik, x, y);
}

void SetKnotenpunkt(ProgramState& s, clsGrafik& objGrafik, int16_t x, int16_t y, bool redrawOnly)
{
    (void)redrawOnly; // nothing to record here
    if (s.engine.PowerFlag == 0) {
        if (!s.P.Contains(x, y))
            return;
        GridCell& cell = s.P(x, y);
        if (cell.Marker == 1 || CountConnections(s, x, y) < kBranching
            || cell.Type != ElementType::Conductor)
            return;
        cell.Marker = -1;
        DrawJunctureDot(s, objGrafik, x, y, objGrafik.OnWorksheet());
        return;
    }
    if (s.CurrentLevel < 0 || static_cast<size_t>(s.CurrentLevel) >= s.Levels.size())
        return;
    Grid& field = s.Levels[static_cast<size_t>(s.CurrentLevel)].Field;
    if (!field.Contains(x, y))
        return;
    GridCell& cell = field(x, y);
    if (cell.Marker == 1 || CountConnections(s, x, y, s.CurrentLevel) < kBranching
        || cell.Type != ElementType::Conductor)
        return;
    cell.Marker = -1;
    DrawJunctureDot(s, objGrafik, x, y, true);
}

