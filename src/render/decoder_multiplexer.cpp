// Decoder and multiplexer symbols.
#include "render/clsGrafik.h"

#include <QList>
#include <QPoint>

#include "model/state.h"
#include "platform/surface.h"
#include "render/symbol_helpers.h"

using namespace symbols;

namespace {

// The decoder's body and the stubs of its free pins; false when an outline
// on the worksheet is done with the body.
bool DecoderBody(Canvas& c, const Rotation& rot, int n, bool outline)
{
    const double z = c.z;
    // Narrow on the input side, wide on the output side.
    const QPointF corners[4] = {rot.Point(c, 0, 0, -3, 0), rot.Point(c, 2, 0, -5, 0),
                                rot.Point(c, 2, 0, 4, 0), rot.Point(c, 0, 0, 2, 0)};
    if (c.worksheet) {
        QList<QPoint> PolyPoints;
        for (const QPointF& p : corners)
            PolyPoints.append(p.toPoint());
        c.dev.Polygon(PolyPoints);
        if (outline)
            return false;
    } else {
        for (int i = 0; i < 4; ++i)
            c.Stub(corners[i], corners[(i + 1) % 4]);
    }

    QList<int> inputRows;
    if (n == 4)
        inputRows.append(1);
    inputRows.append({0, -2, -1});
    for (int v : inputRows) {
        const GridCell& cell = SheetCell(c.s.circuit, rot.CellX(0, v), rot.CellY(0, v));
        if (rot.Flag(cell, -1) == 0)
            c.Stub(rot.Point(c, 0, -z / 2, v, 0), rot.Point(c, 0, 0, v, 0));
    }
    for (int v = -4; v <= 3; ++v) {
        const GridCell& cell = SheetCell(c.s.circuit, rot.CellX(2, v), rot.CellY(2, v));
        if (rot.Flag(cell, 1) == 0)
            c.Stub(rot.Point(c, 2, 0, v, 0), rot.Point(c, 2, z / 2, v, 0));
    }
    c.dev.FillStyle = 1;
    return true;
}

// 2 to the power d beside each address input, T beside the clock input, and
// the numbers of the outputs.
void DecoderLabels(Canvas& c, Orientation orientation, int x, int y, int n)
{
    const double z = c.z;
    auto G = [&c](int i) { return c.G(i); };
    const double small = c.Size(6.0f, 0.72f);
    const double normal = c.Size(8.0f, 0.96f);
    // 2 to the power d beside each address input.
    for (int d = 0; d <= 2; ++d) {
        QPointF exponent, base;
        switch (orientation) {
        case Orientation::Right:
            exponent = {G(x) + z / 1.7, G(y - 3 + d) + z / 5};
            base = {G(x) + z / 5, G(y - 3 + d) + z / 2};
            break;
        case Orientation::Left:
            exponent = {G(x - 1) + z / 1.6, G(y - 3 + d) + z / 3};
            base = {G(x - 1) + z / 5, G(y - 3 + d) + z / 2};
            break;
        case Orientation::Down:
            exponent = {G(x + 2 - d) + z / 5, G(y)};
            base = {G(x + 2 - d) - z / 5, G(y) + z / 6};
            break;
        default:
            exponent = {G(x + 2 - d) + z / 4, G(y - 1)};
            base = {G(x + 2 - d) - z / 6, G(y - 1) + z / 8};
            break;
        }
        c.dev.FontSize = small;
        c.Text(exponent.x(), exponent.y(), Digits(d));
        c.dev.FontSize = normal;
        c.Text(base.x(), base.y(), QStringLiteral("2"));
    }
    if (n == 4) {
        switch (orientation) {
        case Orientation::Right: c.Text(G(x) + z / 5, G(y) + z / 2, QStringLiteral("T")); break;
        case Orientation::Left: c.Text(G(x - 1) + z / 5, G(y) + z / 2, QStringLiteral("T")); break;
        case Orientation::Down: c.Text(G(x - 1) - z / 5, G(y) + z / 6, QStringLiteral("T")); break;
        default: c.Text(G(x - 1) - z / 6, G(y - 1) + z / 8, QStringLiteral("T")); break;
        }
    }
    for (int k = 0; k <= 7; ++k) {
        switch (orientation) {
        case Orientation::Right: c.Text(G(x + 1) + z / 2.1, G(y - 5 + k) + z / 2, Digits(k)); break;
        case Orientation::Left: c.Text(G(x - 2) + z / 5, G(y - 5 + k) + z / 2, Digits(k)); break;
        case Orientation::Down: c.Text(G(x + 4 - k) - z / 5.6, G(y + 1) + z / 8, Digits(k)); break;
        default: c.Text(G(x + 4 - k) - z / 6, G(y - 2), Digits(k)); break;
        }
    }
}

} // namespace

void clsGrafik::DrawDecoder(int16_t x, int16_t y, bool outline)
{
    if (!Device)
        return;
    ZoomedPitch = GridPixelZoomed();
    Canvas c(s_, s_, s_.CurrentLevel, s_.LineColor, *Device, ZoomedPitch, OnWorksheet(), OnPrinter());
    // No printer test: the body colour is the same everywhere.
    c.Prologue(c.Size(8.0f, 0.96f), kPaleYellow, outline ? 1 : 0);
    LoadInputPins(s_, SheetCell(s_.circuit, x, y).ElementNr, 0);
    const int n = s_.InputPinCount;

    const Rotation rot{Orientation, x, y};
    if (!rot.Valid())
        return;

    if (DecoderBody(c, rot, n, outline))
        DecoderLabels(c, Orientation, x, y, n);
}

namespace {

struct MuxPins {
    PinPos d0, d2, d3, s1, s0, out;
};

struct MuxBox {
    double bx1 = 0, by1 = 0, bx2 = 0, by2 = 0;
};

// The multiplexer with its output right (dir 1) or left (dir -1).
MuxBox MuxAcross(Canvas& c, const MuxPins& p, int dir)
{
    const double z = c.z;
    auto G = [&c](int i) { return c.G(i); };
    const auto [d0, d2, d3, s1, s0, out] = p;
    MuxBox b;
    if (dir > 0) {
        b.bx1 = G(d3.X);
        b.bx2 = G(out.X);
    } else {
        b.bx1 = G(out.X);
        b.bx2 = G(d3.X);
    }
    b.by1 = G(d3.Y - 1);
    b.by2 = G(out.Y + 1) + z / 3;
    c.Box(b.bx1, b.by1, b.bx2, b.by2);
    for (int r = d3.Y; r <= d0.Y; ++r) {
        c.Stub(G(d3.X) - dir * z / 2, G(r), G(d3.X), G(r));
        const double lx = dir > 0 ? G(d3.X) + z / 4 : G(d3.X) - z / 1.5;
        c.Text(lx, G(r) - z / 2, Digits(d3.Y - r + 3));
    }
    // The upper halves of the select pins' cells; the top edge runs through their centres.
    const double top = G(d3.Y - 1);
    c.Stub(G(s1.X), top - z / 2, G(s1.X), top);
    c.Stub(G(s1.X + 1), top - z / 2, G(s1.X + 1), top);
    c.Stub(G(out.X), G(out.Y), G(out.X) + dir * z / 2, G(out.Y));
    c.Text(G(s1.X) - z / 2, top, QStringLiteral("S1"));
    c.Text(G(s0.X) - z / 2, top, QStringLiteral("S0"));
    c.dev.FontSize = c.Size(10.0f, 1.2f);
    c.dev.FontBold = true;
    c.Text(G(s1.X) - z / 2, G(d2.Y) + z / 2, QStringLiteral("MUX"));
    c.dev.FontBold = false;
    return b;
}

// The multiplexer with its output down or up.
MuxBox MuxAlong(Canvas& c, const MuxPins& p, bool down)
{
    const double z = c.z;
    auto G = [&c](int i) { return c.G(i); };
    const auto [d0, d2, d3, s1, s0, out] = p;
    MuxBox b;
    if (down) {
        b.bx1 = G(d3.X) - z / 3;
        b.by1 = G(d3.Y);
        b.bx2 = G(s0.X);
        b.by2 = G(s0.Y + 1);
    } else {
        b.bx1 = G(out.X - 1) - z / 3;
        b.by1 = G(out.Y);
        b.bx2 = G(s0.X);
        b.by2 = G(d0.Y);
    }
    c.Box(b.bx1, b.by1, b.bx2, b.by2);
    for (int i = d3.X; i <= d0.X; ++i) {
        if (down) {
            c.Stub(G(i), G(d3.Y) - z / 2, G(i), G(d3.Y));
            c.Text(G(i) - z / 8, G(d3.Y), Digits(d3.X - i + 3));
        } else {
            c.Stub(G(i), G(d0.Y), G(i), G(d0.Y) + z / 2);
            c.Text(G(i) - z / 8, G(d0.Y) - z, Digits(d3.X - i + 3));
        }
    }
    for (const PinPos& sel : {s1, s0})
        c.Stub(G(s0.X), G(sel.Y), G(s0.X) + z / 2, G(sel.Y));
    if (down)
        c.Stub(G(out.X), G(out.Y), G(out.X), G(out.Y) + z / 2);
    else
        c.Stub(G(out.X), G(out.Y) - z / 2, G(out.X), G(out.Y));
    c.Text(G(s0.X) - 1.1 * z, G(s1.Y) - z / 2, QStringLiteral("S1"));
    c.Text(G(s0.X) - 1.1 * z, G(s0.Y) - z / 2, QStringLiteral("S0"));
    c.dev.FontSize = c.Size(10.0f, 1.2f);
    c.dev.FontBold = true;
    c.Text(G(d3.X), G(s1.Y), QStringLiteral("MUX"));
    c.dev.FontBold = false;
    return b;
}

} // namespace

void clsGrafik::DrawMultiplexer(int16_t x, int16_t y)
{
    if (!Device)
        return;
    // Kept whole; the fractions below are taken in double precision.
    const int16_t pitch = GridPixelZoomed();
    Canvas c(s_, s_, s_.CurrentLevel, s_.LineColor, *Device, pitch, OnWorksheet(), OnPrinter());
    c.Prologue(c.Size(8.0f, 0.96f), c.Body(kPaleCyan), 0);
    const int16_t nr = SheetCell(s_.circuit, x, y).ElementNr;
    LoadInputPins(s_, nr, 0);
    LoadOutputPins(s_, nr, 0);
    const PinTable& in = s_.InputPins;
    const MuxPins pins{in[0], in[2], in[3], in[4], in[5], s_.OutputPins[0]};

    MuxBox b;
    switch (Orientation) {
    case Orientation::Right:
    case Orientation::Left:
        b = MuxAcross(c, pins, Orientation == Orientation::Right ? 1 : -1);
        break;
    case Orientation::Down:
    case Orientation::Up:
        b = MuxAlong(c, pins, Orientation == Orientation::Down);
        break;
    default:
        return;
    }
    if (c.printer) {
        c.dev.FillStyle = 1;
        c.Box(b.bx1, b.by1, b.bx2, b.by2);
    }
}
