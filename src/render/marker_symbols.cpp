#include "render/marker_symbols.h"

#include <QList>
#include <QPoint>

#include "model/geometry.h"
#include "model/marker_cells.h"
#include "model/circuit_run.h"
#include "platform/numeric.h"
#include "platform/surface.h"
#include "render/clsGrafik.h"

namespace {

constexpr int32_t kGrey = 0x808080;
constexpr int32_t kBlue = 0xFF0000;

// A pen left three pixels wide by a conductor stroke would thicken the marker.
void NarrowPen(Surface& device)
{
    if (device.DrawWidth == 3)
        device.DrawWidth = 1;
}

void DrawJunctureDot(const SheetScale& s, clsGrafik& objGrafik, int16_t x, int16_t y, bool pixelSized)
{
    if (objGrafik.Device == nullptr)
        return;
    Surface& dev = *objGrafik.Device;
    NarrowPen(dev);
    const double cx = GridToPixel(s, x);
    const double cy = GridToPixel(s, y);
    const double d = pixelSized ? ZoomedCellSize(s) / 7.0 : static_cast<double>(s.GridMode);
    dev.FilledBox(cx - d, cy - d, cx + d, cy + d, 0);
}

void DrawDiodeTriangle(const SheetScale& s, bool powerOn, clsGrafik& objGrafik, int16_t x, int16_t y)
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
        if (!powerOn)
            dev.PSet(cx, cy + 5, kBlue);
        return;
    }
    const double z = s.GridMode;
    dev.Line(p0.x() - z, p0.y(), p1.x() + z, p1.y(), 0);
    dev.Line(p1.x() + z, p1.y(), p2.x(), p2.y() + z, 0);
    dev.Line(p2.x(), p2.y() + z, p0.x() - z, p0.y(), 0);
}

} // namespace

void ShowCouplingDiode(CircuitRun& run, const SheetScale& scale, clsGrafik& objGrafik, int16_t x, int16_t y)
{
    if (MarkCouplingDiode(run.circuit, run.engine, x, y))
        DrawMarker(run, scale, objGrafik, x, y, ElementType::CouplingDiode);
}

void ShowJuncture(CircuitRun& run, const SheetScale& scale, int16_t level, clsGrafik& objGrafik, int16_t x,
                  int16_t y)
{
    if (MarkJuncture(run.circuit, run.engine, level, x, y))
        DrawMarker(run, scale, objGrafik, x, y, ElementType::Juncture);
}

void DrawMarker(const CircuitRun& run, const SheetScale& scale, clsGrafik& objGrafik, int16_t x, int16_t y,
                uint8_t type)
{
    const bool powerOn = run.engine.PowerFlag != 0;
    if (type == ElementType::CouplingDiode)
        DrawDiodeTriangle(scale, powerOn, objGrafik, x, y);
    else if (type == ElementType::Juncture)
        DrawJunctureDot(scale, objGrafik, x, y, powerOn || objGrafik.OnWorksheet());
}
