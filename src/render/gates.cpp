// AND, OR, XOR, inverter and TriState symbols.
#include "render/clsGrafik.h"

#include <QChar>

#include "model/state.h"
#include "platform/numeric.h"
#include "platform/surface.h"
#include "render/symbol_helpers.h"

using namespace symbols;

namespace {

enum class GateKind { And, Or, Xor };

constexpr int32_t kInverterGreen = 0xC0FFC0;

void PrintGateLabel(Canvas& c, GateKind kind, bool horizontal)
{
    switch (kind) {
    case GateKind::And:
        if (horizontal) {
            c.dev.FillStyle = 1;
            c.dev.Print(QStringLiteral(" &"));
        } else {
            c.dev.Print(QStringLiteral("&"));
        }
        break;
    case GateKind::Or:
        // The greater-or-equal sign is in the normal family here; no Symbol font needed.
        c.dev.Print(QString(QChar(0x2265)) + QLatin1Char('1'));
        break;
    case GateKind::Xor:
        c.dev.Print(QStringLiteral("=1"));
        break;
    }
}

// The negation dots on the n input cells of a gate and on its output.
void GateNegationDots(clsGrafik& gr, CircuitRun& s, int16_t nr, int x, int y, int n)
{
    LoadOutputPins(s, nr, 0);
    const PinPos output = s.OutputPins[0];
    const bool horizontal = gr.Orientation == Orientation::Right || gr.Orientation == Orientation::Left;
    for (int i = 0; i < n; ++i) {
        const int px = horizontal ? x : x - 1 + i;
        const int py = horizontal ? y - 1 + i : y;
        if (SheetCell(s.circuit, px, py).Marker == -1)
            gr.DrawNegationsPunkt(static_cast<int16_t>(px), static_cast<int16_t>(py));
    }
    if (SheetCell(s.circuit, output.X, output.Y).Marker == -1)
        gr.DrawNegationsPunkt(output.X, output.Y);
}

// The three gates are one drawing; they differ in their label only.
void DrawGate(clsGrafik& gr, Canvas& c, GateKind kind, int x, int y, bool outline)
{
    CircuitRun& s = c.s;
    const double z = c.z;
    const int16_t nr = SheetCell(s.circuit, x, y).ElementNr;
    LoadInputPins(s, nr, 0);
    int n = s.InputPinCount;
    const bool twoInputs = SheetElement(s.circuit, nr).Label == QLatin1String("2");
    if (twoInputs) {
        n = 3;
        s.InputPinCount = 3;
    }
    c.Prologue(c.Size(10.0f, 1.2f), c.Body(kPaleYellow), outline && kind != GateKind::Xor ? 1 : 0);

    // A two-input gate is three cells wide; its middle cell has no pin.
    auto hasPin = [&](int i) { return !twoInputs || i != 1; };
    const double k = kind == GateKind::And ? z / 4 : z / 3;
    const int mid = n / 2;

    switch (gr.Orientation) {
    case Orientation::Right:
    case Orientation::Left: {
        const int dir = gr.Orientation == Orientation::Right ? 1 : -1;
        const int out = x + 2 * dir;
        c.Box(c.G(x), c.G(y - 1) - z / 4, c.G(out), c.G(y + n - 2) + z / 4);
        if (outline)
            break;
        for (int i = 0; i < n; ++i) {
            const int r = y - 1 + i;
            const GridCell& cell = SheetCell(s.circuit, x, r);
            if (hasPin(i) && (dir > 0 ? cell.ConLeft : cell.ConRight) == 0)
                c.Stub(c.G(x) - dir * z / 2, c.G(r), c.G(x), c.G(r));
        }
        const int ro = y - 1 + mid;
        const GridCell& outCell = SheetCell(s.circuit, out, ro);
        if ((dir > 0 ? outCell.ConRight : outCell.ConLeft) == 0)
            c.Stub(c.G(out), c.G(ro), c.G(out) + dir * z / 2, c.G(ro));
        c.dev.CurrentX = dir > 0 ? c.G(x) + z / 2 : c.G(x - 1) - z / 2;
        c.dev.CurrentY = c.G(y - 1) + (n - 2) * z / 2;
        PrintGateLabel(c, kind, true);
        break;
    }
    case Orientation::Down:
    case Orientation::Up: {
        const int dir = gr.Orientation == Orientation::Down ? 1 : -1;
        const int out = y + 2 * dir;
        c.Box(c.G(x - 1) - z / 4, c.G(y), c.G(x + n - 2) + z / 4, c.G(out));
        if (outline)
            break;
        for (int i = 0; i < n; ++i) {
            const int u = x - 1 + i;
            const GridCell& cell = SheetCell(s.circuit, u, y);
            if (hasPin(i) && (dir > 0 ? cell.ConUp : cell.ConDown) == 0)
                c.Stub(c.G(u), c.G(y), c.G(u), c.G(y) - dir * z / 2);
        }
        const int co = x - 1 + mid;
        const GridCell& outCell = SheetCell(s.circuit, co, out);
        if ((dir > 0 ? outCell.ConDown : outCell.ConUp) == 0)
            c.Stub(c.G(co), c.G(out), c.G(co), c.G(out) + dir * z / 2);
        c.dev.CurrentX = c.G(x) - k + (n - 3) * z / 2;
        c.dev.CurrentY = dir > 0 ? c.G(y) + z / 2 : c.G(y - 1) - z / 2;
        PrintGateLabel(c, kind, false);
        break;
    }
    default:
        return;
    }

    // Negation dots, also on an outline.
    GateNegationDots(gr, s, nr, x, y, n);
}

} // namespace

void clsGrafik::DrawUnd(int16_t x, int16_t y, bool outline)
{
    if (!Device)
        return;
    ZoomedPitch = GridPixelZoomed();
    Canvas c(s_, s_, s_.CurrentLevel, s_.LineColor, *Device, ZoomedPitch, OnWorksheet(), OnPrinter());
    DrawGate(*this, c, GateKind::And, x, y, outline);
}

void clsGrafik::DrawOder(int16_t x, int16_t y, bool outline)
{
    if (!Device)
        return;
    ZoomedPitch = GridPixelZoomed();
    Canvas c(s_, s_, s_.CurrentLevel, s_.LineColor, *Device, ZoomedPitch, OnWorksheet(), OnPrinter());
    DrawGate(*this, c, GateKind::Or, x, y, outline);
}

void clsGrafik::DrawXOder(int16_t x, int16_t y)
{
    if (!Device)
        return;
    ZoomedPitch = GridPixelZoomed();
    Canvas c(s_, s_, s_.CurrentLevel, s_.LineColor, *Device, ZoomedPitch, OnWorksheet(), OnPrinter());
    DrawGate(*this, c, GateKind::Xor, x, y, false);
}

void clsGrafik::DrawInverter(int16_t x, int16_t y)
{
    if (!Device)
        return;
    ZoomedPitch = GridPixelZoomed();
    Canvas c(s_, s_, s_.CurrentLevel, s_.LineColor, *Device, ZoomedPitch, OnWorksheet(), OnPrinter());
    const double z = c.z;
    const double g3 = static_cast<double>(3.0f * c.g);
    const double cx = c.G(x);
    const double cy = c.G(y);

    // Box corners, circle centre and text position are whole pixels.
    double b1x = 0, b1y = 0, b2x = 0, b2y = 0, ox = 0, oy = 0, tx = 0, ty = 0;
    switch (Orientation) {
    case Orientation::Right:
        c.Stub(c.G(x + 1), cy, c.G(x + 1) + z / 1.5, cy);
        b1x = CInt(cx);
        b1y = CInt(cy - z / 3);
        b2x = CInt(cx + 3 * z / 4);
        b2y = CInt(cy + z / 3);
        ox = CInt(b2x + g3);
        oy = CInt(cy);
        tx = CInt(cx + z / 4);
        ty = CInt(cy - z / 3);
        break;
    case Orientation::Left:
        c.Stub(c.G(x - 1), cy, c.G(x - 1) - z / 1.5, cy);
        b1x = CInt(cx);
        b1y = CInt(cy + z / 3);
        b2x = CInt(cx - 3 * z / 4);
        b2y = CInt(cy - z / 3);
        ox = CInt(b2x - g3);
        oy = CInt(cy);
        tx = CInt(cx - z / 2);
        ty = CInt(cy - z / 3);
        break;
    case Orientation::Down:
        c.Stub(cx, c.G(y + 1), cx, c.G(y + 1) + z / 1.5);
        b1x = CInt(cx - z / 3);
        b1y = CInt(cy);
        b2x = CInt(cx + z / 3);
        b2y = CInt(cy + 3 * z / 4);
        ox = CInt(cx);
        oy = CInt(b2y + g3);
        tx = CInt(cx - z / 8);
        ty = CInt(cy + z / 10);
        break;
    case Orientation::Up:
        c.Stub(cx, c.G(y - 1), cx, c.G(y - 1) - z / 1.5);
        b1x = CInt(cx + z / 3);
        b1y = CInt(cy);
        b2x = CInt(cx - z / 3);
        b2y = CInt(cy - 3 * z / 4);
        ox = CInt(cx);
        oy = CInt(b2y - g3);
        tx = CInt(cx - z / 8);
        ty = CInt(cy - z / 1.5);
        break;
    default:
        return;
    }

    Surface& d = *Device;
    d.FillStyle = 0;
    d.FillColor = c.Body(kInverterGreen);
    d.Circle(ox, oy, g3, s_.LineColor);
    c.Box(b1x, b1y, b2x, b2y);
    d.FontName = QStringLiteral("Arial");
    d.FontSize = c.Size(6.0f, 0.62f);
    d.ForeColor = 0;
    d.FontTransparent = true;
    c.Text(tx, ty, QStringLiteral("1"));
    if (c.printer) {
        d.FillStyle = 1;
        c.Box(b1x, b1y, b2x, b2y);
    }
}

namespace {

// The TriState gate's triangle: back side from (b1x, b1y) to (b2x, b2y),
// apex (ax, ay); and where its "s" goes.
struct TriStateLayout {
    double b1x = 0, b1y = 0, b2x = 0, b2y = 0, ax = 0, ay = 0, tx = 0, ty = 0;
};

// The box and the stubs of the free pins; false for an orientation out of range.
bool TriStateBody(Canvas& c, Orientation orientation, int x, int y, TriStateLayout& t)
{
    const double z = c.z;
    auto G = [&c](int i) { return c.G(i); };
    auto line = [&c](double x1, double y1, double x2, double y2) { c.Line(x1, y1, x2, y2, 0); };
    switch (orientation) {
    case Orientation::Right:
        c.dev.Line(G(x), G(y - 1) - z / 4, G(x + 2), G(y + 1) + z / 4, 0, LineMode::Box);
        for (int r : {y + 1, y - 1})
            if (SheetCell(c.s.circuit, x, r).ConLeft == 0)
                line(G(x) - z / 2, G(r), G(x), G(r));
        if (SheetCell(c.s.circuit, x + 2, y).ConRight == 0)
            line(G(x + 2), G(y), G(x + 2) + z / 2, G(y));
        t.b1x = t.b2x = G(x) + z / 2;
        t.b1y = G(y - 1) + z / 2;
        t.b2y = G(y + 1) - z / 2;
        t.ax = G(x + 1) + z / 1.7;
        t.ay = G(y);
        t.tx = G(x) + z / 5;
        t.ty = G(y) + z / 2;
        break;
    case Orientation::Left:
        c.dev.Line(G(x), G(y - 1) - z / 4, G(x - 2), G(y + 1) + z / 4, 0, LineMode::Box);
        for (int r : {y + 1, y - 1})
            if (SheetCell(c.s.circuit, x, r).ConRight == 0)
                line(G(x) + z / 2, G(r), G(x), G(r));
        if (SheetCell(c.s.circuit, x - 2, y).ConLeft == 0)
            line(G(x - 2), G(y), G(x - 2) - z / 2, G(y));
        t.b1x = t.b2x = G(x) - z / 1.7;
        t.b1y = G(y - 1) + z / 2;
        t.b2y = G(y + 1) - z / 2;
        t.ax = G(x - 1) - z / 2;
        t.ay = G(y);
        t.tx = G(x) - z / 2;
        t.ty = G(y + 1) - z / 2;
        break;
    case Orientation::Down:
        c.dev.Line(G(x - 1) - z / 4, G(y), G(x + 1) + z / 4, G(y + 2), 0, LineMode::Box);
        for (int u : {x - 1, x + 1})
            if (SheetCell(c.s.circuit, u, y).ConUp == 0)
                line(G(u), G(y), G(u), G(y) - z / 2);
        if (SheetCell(c.s.circuit, x, y + 2).ConDown == 0)
            line(G(x), G(y + 2), G(x), G(y + 2) + z / 2);
        t.b1y = t.b2y = G(y + 1) - z / 2;
        t.b1x = G(x - 1) + z / 2;
        t.b2x = G(x) + z / 2;
        t.ax = G(x);
        t.ay = G(y + 1) + z / 2;
        t.tx = G(x + 1) - z / 4;
        t.ty = G(y);
        break;
    case Orientation::Up:
        c.dev.Line(G(x - 1) - z / 4, G(y), G(x + 1) + z / 4, G(y - 2), 0, LineMode::Box);
        for (int u : {x - 1, x + 1})
            if (SheetCell(c.s.circuit, u, y).ConDown == 0)
                line(G(u), G(y), G(u), G(y) + z / 2);
        if (SheetCell(c.s.circuit, x, y - 2).ConUp == 0)
            line(G(x), G(y - 2), G(x), G(y - 2) - z / 2);
        t.b1y = t.b2y = G(y - 1) + z / 2;
        t.b1x = G(x - 1) + z / 2;
        t.b2x = G(x + 1) - z / 2;
        t.ax = G(x);
        t.ay = G(y - 1) - z / 2;
        t.tx = G(x + 1) - z / 4;
        t.ty = G(y - 1) + z / 5;
        break;
    default:
        return false;
    }
    return true;
}

} // namespace

void clsGrafik::DrawTriState(int16_t x, int16_t y)
{
    if (!Device)
        return;
    ZoomedPitch = GridPixelZoomed();
    Canvas c(s_, s_, s_.CurrentLevel, s_.LineColor, *Device, ZoomedPitch, OnWorksheet(), OnPrinter());
    // Same size and colour on every surface, the printer included.
    c.Prologue(static_cast<double>(10.0f * c.g), kPaleYellow, 0);
    auto line = [&c](double x1, double y1, double x2, double y2) { c.Line(x1, y1, x2, y2, 0); };

    TriStateLayout t;
    if (!TriStateBody(c, Orientation, x, y, t))
        return;
    line(t.b1x, t.b1y, t.ax, t.ay);
    line(t.b2x, t.b2y, t.ax, t.ay);
    line(t.b1x, t.b1y, t.b2x, t.b2y);
    c.dev.PSet(t.ax, t.ay, 0);

    c.dev.FontSize = static_cast<double>(7.0f * c.g);
    if (Orientation == Orientation::Right || Orientation == Orientation::Left)
        c.dev.FillStyle = 1;
    c.Text(t.tx, t.ty, QStringLiteral("s"));
}
