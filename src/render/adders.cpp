// Half-adder, full-adder and the 7-segment display.
#include "render/clsGrafik.h"

#include "model/state.h"
#include "platform/numeric.h"
#include "platform/surface.h"
#include "render/symbol_helpers.h"

using namespace symbols;

namespace {

constexpr int32_t kDisplayGrey = 0xE0E0E0;

// Where an adder's box and texts went.
struct AdderLayout {
    double bx1 = 0, by1 = 0, bx2 = 0, by2 = 0;
    struct Place {
        double x;
        double y;
    };
    Place body{}, sum{}, carry{};
};

// One adder drawing: where it is, and whether it is the full adder.
struct AdderSymbol {
    Canvas& c;
    int x;
    int y;
    bool full;

    double G(int i) const { return c.G(i); }
    // Box and stubs with the outputs right (dir 1) or left (dir -1).
    AdderLayout Across(int dir) const;
    // Box and stubs with the outputs down (dir 1) or up (dir -1).
    AdderLayout Along(int dir) const;
};

AdderLayout AdderSymbol::Across(int dir) const
{
    const CircuitRun& s = c.s;
    const double z = c.z;
    AdderLayout L;
    const int out = x + 3 * dir;
    if (dir > 0) {
        L.bx1 = G(x);
        L.bx2 = G(out);
    } else {
        L.bx1 = G(out);
        L.bx2 = G(x);
    }
    L.by1 = G(y - 1) - z / 4;
    L.by2 = G(y + 1) + z / 4;
    c.Box(L.bx1, L.by1, L.bx2, L.by2);
    auto outputStub = [&](int r) {
        const GridCell& cell = SheetCell(s.circuit, out, r);
        if ((dir > 0 ? cell.ConRight : cell.ConLeft) == 0)
            c.Stub(G(out), G(r), G(out) + dir * z / 2, G(r));
    };
    auto inputStub = [&](int r) {
        const GridCell& cell = SheetCell(s.circuit, x, r);
        if ((dir > 0 ? cell.ConLeft : cell.ConRight) != 0)
            return;
        if (dir > 0)
            c.Stub(G(x) - z / 2, G(r), G(x), G(r));
        else
            c.Stub(G(x), G(r), G(x) + z / 2, G(r));
    };
    outputStub(y + 1);
    inputStub(y + 1);
    if (full)
        inputStub(y);
    inputStub(y - 1);
    outputStub(y - 1);
    if (dir > 0) {
        L.body = {G(x + 1) - z / 8, G(y - 1) + z / 2};
        L.sum = {G(x + 2) + z / 2, G(y - 1) - z / 3};
        L.carry = {G(x + 2) + z / 2, G(y + 1) - z / 1.5};
    } else {
        L.body = {G(x - 2) - z / 8, G(y - 1) + z / 2};
        L.sum = {G(x - 3) + z / 5, G(y - 1) - z / 3};
        L.carry = {G(x - 3) + z / 5, G(y + 1) - z / 1.5};
    }
    return L;
}

AdderLayout AdderSymbol::Along(int dir) const
{
    const CircuitRun& s = c.s;
    const double z = c.z;
    AdderLayout L;
    const int out = y + 3 * dir;
    L.bx1 = G(x - 1) - z / 4;
    L.bx2 = G(x + 1) + z / 4;
    L.by1 = dir > 0 ? G(y) : G(out);
    L.by2 = dir > 0 ? G(out) : G(y);
    c.Box(L.bx1, L.by1, L.bx2, L.by2);
    auto outputStub = [&](int u) {
        const GridCell& cell = SheetCell(s.circuit, u, out);
        if ((dir > 0 ? cell.ConDown : cell.ConUp) == 0)
            c.Stub(G(u), G(out), G(u), G(out) + dir * z / 2);
    };
    auto inputStub = [&](int u) {
        const GridCell& cell = SheetCell(s.circuit, u, y);
        if ((dir > 0 ? cell.ConUp : cell.ConDown) == 0)
            c.Stub(G(u), G(y), G(u), G(y) - dir * z / 2);
    };
    // Carry is at column x - 1, the sum at x + 1.
    outputStub(x - 1);
    inputStub(x - 1);
    if (full)
        inputStub(x);
    inputStub(x + 1);
    outputStub(x + 1);
    if (dir > 0) {
        L.body = {G(x - 1) + z / 3, G(y) + z};
        L.sum = {G(x) + z / 1.3, G(y + 2) + z / 10};
        L.carry = {G(x - 1) - z / 10, G(y + 2) + z / 10};
    } else {
        L.body = {G(x - 1) + z / 3, G(y - 3) + z};
        L.sum = {G(x) + z / 1.3, G(y - 3) - z / 10};
        L.carry = {G(x - 1) - z / 10, G(y - 3) - z / 10};
    }
    return L;
}

// Both adders; the full-adder has a stub on its middle input.
void DrawAdder(Orientation orientation, Canvas& c, int x, int y, bool full)
{
    c.Prologue(c.Size(10.0f, 1.2f), c.Body(kPaleYellow), 0);
    const AdderSymbol adder{c, x, y, full};
    AdderLayout L;
    switch (orientation) {
    case Orientation::Right:
    case Orientation::Left:
        L = adder.Across(orientation == Orientation::Right ? 1 : -1);
        break;
    case Orientation::Down:
    case Orientation::Up:
        L = adder.Along(orientation == Orientation::Down ? 1 : -1);
        break;
    default:
        return;
    }

    c.Text(L.body.x, L.body.y, full ? QStringLiteral("VA") : QStringLiteral("HA"));
    c.dev.FontSize = c.Size(8.0f, 0.96f);
    c.Text(L.sum.x, L.sum.y, QStringLiteral("s"));
    c.Text(L.carry.x, L.carry.y, QStringLiteral("\u00FC"));
    if (c.printer) {
        c.dev.FillStyle = 1;
        c.Box(L.bx1, L.by1, L.bx2, L.by2);
    }
}

} // namespace

void clsGrafik::DrawHA(int16_t x, int16_t y)
{
    if (!Device)
        return;
    ZoomedPitch = GridPixelZoomed();
    Canvas c(s_, s_, s_.CurrentLevel, s_.LineColor, *Device, ZoomedPitch, OnWorksheet(), OnPrinter());
    DrawAdder(Orientation, c, x, y, false);
}

void clsGrafik::DrawVA(int16_t x, int16_t y)
{
    if (!Device)
        return;
    ZoomedPitch = GridPixelZoomed();
    Canvas c(s_, s_, s_.CurrentLevel, s_.LineColor, *Device, ZoomedPitch, OnWorksheet(), OnPrinter());
    DrawAdder(Orientation, c, x, y, true);
}

void clsGrafik::DrawZAnzeige(int16_t x, int16_t y)
{
    SymbolDrawnAt(x, y);
    if (!Device)
        return;
    ZoomedPitch = GridPixelZoomed();
    Canvas c(s_, s_, s_.CurrentLevel, s_.LineColor, *Device, ZoomedPitch, OnWorksheet(), OnPrinter());
    const double z = c.z;
    auto G = [&c](int i) { return c.G(i); };

    LoadInputPins(s_, SheetCell(s_.circuit, x, y).ElementNr, 0);
    // Top row right to left, then the left column top to bottom.
    PinPos p[7];
    for (int k = 1; k <= 6; ++k)
        p[k] = s_.InputPins[static_cast<size_t>(k - 1)];
    const int cx = p[5].X;
    const int cy = p[5].Y;

    c.Prologue(c.Size(8.0f, 0.96f), c.Body(kPaleYellow), 0);
    c.Box(G(p[4].X), G(p[4].Y - 1), G(p[1].X + 1), G(p[1].Y + 4));
    c.dev.FillColor = c.Body(kDisplayGrey);
    c.Box(G(cx) + z, G(cy - 2) + z, G(cx + 4) - z / 2, G(cy + 2) - z / 2);

    for (int r = p[4].Y; r <= p[6].Y; ++r) {
        c.Stub(G(cx), G(r), G(cx) - z / 2, G(r));
        c.Text(G(cx) + z / 4, G(r) - z / 2, Digits(r - p[4].Y + 3));
    }
    for (int k : {2, 1, 3})
        c.Stub(G(p[k].X), G(cy - 2), G(p[k].X), G(cy - 2) - z / 2);
    c.Text(G(p[3].X) - z / 6, G(cy - 2), QStringLiteral("2"));
    c.Text(G(p[2].X) - z / 6, G(cy - 2), QStringLiteral("1"));
    c.Text(G(p[1].X) - z / 6, G(cy - 2), QStringLiteral("0"));

    c.dev.FontSize = c.Size(13.0f, 1.56f);
    c.dev.CurrentX = G(p[5].X + 1) + z / 1.5;
    c.dev.CurrentY = G(p[3].Y + 1) + z / 1.5;
    int value = 0;
    for (int k = 1; k <= 6; ++k)
        if (c.ShownCell(p[k].X, p[k].Y).Value == kTrue)
            value += 1 << (k - 1);
    const QString text = Str(value);
    if (text.size() > 2)
        c.dev.CurrentX -= z / 2.1;
    c.dev.Print(text);

    c.dev.FillStyle = 1;
    if (c.printer)
        c.Box(G(p[4].X), G(p[4].Y - 1), G(p[1].X + 1), G(p[1].Y + 4));
}
