// Flip-flop and shift-register symbols, with the state they hold.
#include "render/clsGrafik.h"

#include "model/state.h"
#include "platform/surface.h"
#include "render/symbol_helpers.h"

using namespace symbols;

namespace {

// One flip-flop drawing: its canvas, its pins and what both orientations share.
struct FlipFlopSymbol {
    Canvas& c;
    Surface& d;
    int16_t nr;
    PinPos J, C, K, S, R, Q;
    // The S and R stubs and the divider are grey on the screen, black on paper.
    int32_t faint;

    double G(int i) const { return c.G(i); }
    void StateDigit(double tx, double ty) const
    {
        d.FontSize = c.Size(10.0f, 1.2f);
        d.FontBold = true;
        if (c.printer)
            d.FillColor = kWhite;
        else
            d.ForeColor = kRed;
        c.Text(tx, ty, Digits(-c.ShownElement(nr).State));
    }
    void Divider(double x1, double y1, double x2, double y2) const
    {
        if (!c.printer)
            d.DrawStyle = 2;
        c.Line(x1, y1, x2, y2, faint);
        d.DrawStyle = 0;
    }
    // Outputs right (sg 1) or left (sg -1).
    void Across(int sg, bool outline) const;
    // Outputs down (sg 1) or up (sg -1).
    void Along(int sg, bool outline) const;
};

void FlipFlopSymbol::Across(int sg, bool outline) const
{
    const double z = c.z;
    const double L = sg > 0 ? G(J.X) : G(Q.X);
    const double Rt = sg > 0 ? G(Q.X) : G(J.X);
    const double T = G(J.Y);
    const double B = G(K.Y);
    for (int r = J.Y; r <= K.Y; ++r)
        c.Stub(G(J.X) - sg * z / 3, G(r), G(J.X), G(r));
    c.Box(L, T - z / 2.25, Rt, B + z / 2.25);
    if (outline)
        return;
    c.Stub(G(Q.X), T, G(Q.X) + sg * z / 3, T);
    c.Stub(G(Q.X), B, G(Q.X) + sg * z / 3, B);
    c.Line(G(S.X), T - 3 * z / 4, G(S.X), T, faint);
    c.Line(G(S.X), B + 3 * z / 4, G(S.X), B, faint);
    c.Text(sg > 0 ? G(C.X) + 1.2 * z : G(C.X) - 1.7 * z, G(C.Y) - z / 2, QStringLiteral("C"));
    c.Stub(G(J.X), G(J.Y) + 2 * z / 3, G(J.X) + sg * z, G(C.Y));
    c.Stub(G(J.X), G(K.Y) - 2 * z / 3, G(J.X) + sg * z, G(C.Y));
    Divider(G(J.X + 2 * sg), G(C.Y), G(Q.X), G(C.Y));
    c.Text(G(J.X) + sg * z / 2 - z / 4, G(J.Y) - z / 2.5, QStringLiteral("J"));
    c.Text(G(J.X) + sg * z / 2 - z / 4, G(K.Y) - z / 2, QStringLiteral("K"));
    d.FontBold = false;
    d.FontSize = c.Size(6.0f, 0.72f);
    c.Text(G(S.X) + z / 4, G(S.Y), QStringLiteral("S"));
    c.Text(G(S.X) + z / 4, G(R.Y) - 3 * z / 4, QStringLiteral("R"));
    StateDigit(sg > 0 ? G(Q.X) - z : G(Q.X) + z / 2, G(Q.Y) - z / 3);
}

void FlipFlopSymbol::Along(int sg, bool outline) const
{
    const double z = c.z;
    const double L = G(K.X);
    const double Rt = G(J.X);
    const double T = sg > 0 ? G(J.Y) : G(Q.Y);
    const double B = sg > 0 ? G(Q.Y) : G(J.Y);
    for (int i = K.X; i <= J.X; ++i)
        c.Stub(G(i), G(J.Y) - sg * z / 2, G(i), G(J.Y));
    c.Stub(L, G(Q.Y), L, G(Q.Y) + sg * z / 2);
    c.Stub(Rt, G(Q.Y), Rt, G(Q.Y) + sg * z / 2);
    c.Box(L - z / 2, T, Rt + z / 2, B);
    if (outline)
        return;
    c.Line(L - z, G(S.Y), L, G(S.Y), faint);
    c.Line(Rt + z, G(S.Y), Rt, G(S.Y), faint);
    c.Text(G(C.X) - z / 4, sg > 0 ? G(J.Y) + z : G(J.Y) - 1.8 * z, QStringLiteral("C"));
    c.Stub(G(K.X) + 2 * z / 3, G(J.Y), G(C.X), G(J.Y) + sg * z);
    c.Stub(G(J.X) - 2 * z / 3, G(J.Y), G(C.X), G(J.Y) + sg * z);
    Divider(G(C.X), G(J.Y + 2 * sg), G(C.X), G(Q.Y));
    const double labelY = sg > 0 ? G(J.Y) : G(J.Y) - z;
    c.Text(G(J.X) - z / 4, labelY, QStringLiteral("J"));
    c.Text(G(K.X) - z / 4, labelY, QStringLiteral("K"));
    d.FontBold = false;
    d.FontSize = c.Size(6.0f, 0.72f);
    c.Text(G(S.X) - z / 4, G(S.Y) + z / 4, QStringLiteral("S"));
    c.Text(G(R.X), G(R.Y) + z / 4, QStringLiteral("R"));
    StateDigit(G(Q.X) - z / 4, sg > 0 ? G(Q.Y) - 1.3 * z : G(Q.Y) + z / 4);
}

} // namespace

void clsGrafik::DrawFlipFlop(int16_t x, int16_t y, bool outline, int16_t /*unused*/)
{
    SymbolDrawnAt(x, y);
    if (!Device)
        return;
    ZoomedPitch = GridPixelZoomed();
    Canvas c(s_, *Device, ZoomedPitch, OnWorksheet(), OnPrinter());
    Surface& d = *Device;
    c.Prologue(c.Size(8.0f, 0.96f), c.Body(kPaleCyan), outline ? 1 : 0);
    d.FontBold = true;
    const int16_t nr = SheetCell(s_.circuit, x, y).ElementNr;
    LoadInputPins(s_, nr, 0);
    LoadOutputPins(s_, nr, 0);
    // Kept here: the negation dots parse the pins again.
    const PinTable& in = s_.InputPins;
    const FlipFlopSymbol f{c, d, nr, in[0], in[1], in[2], in[3], in[4], s_.OutputPins[0],
                           c.printer ? s_.LineColor : kGrey};

    switch (Orientation) {
    case Orientation::Right:
    case Orientation::Left:
        f.Across(Orientation == Orientation::Right ? 1 : -1, outline);
        break;
    case Orientation::Down:
    case Orientation::Up:
        f.Along(Orientation == Orientation::Down ? 1 : -1, outline);
        break;
    default:
        break;
    }

    // On the screen the fore colour is red by now, and so are the dots' outlines.
    d.FontBold = false;
    for (const PinPos& pin : {f.J, f.C, f.K})
        if (c.ShownCell(pin.X, pin.Y).Marker == -1)
            DrawNegationsPunkt(pin.X, pin.Y);
}

void clsGrafik::DrawSRegister(int16_t x, int16_t y)
{
    SymbolDrawnAt(x, y);
    if (!Device)
        return;
    ZoomedPitch = GridPixelZoomed();
    Canvas c(s_, *Device, ZoomedPitch, OnWorksheet(), OnPrinter());
    const double z = c.z;
    auto G = [&c](int i) { return c.G(i); };
    c.Prologue(c.Size(10.0f, 1.2f), c.Body(kPaleYellow), 0);
    const Rotation rot{Orientation, x, y};
    if (!rot.Valid())
        return;

    c.Box(rot.Point(c, 0, 0, -1, -z / 4), rot.Point(c, 8, 0, 1, z / 4));
    for (int v : {-1, 0, 1}) {
        const GridCell& cell = SheetCell(s_.circuit, rot.CellX(0, v), rot.CellY(0, v));
        if (rot.Flag(cell, -1) == 0)
            c.Stub(rot.Point(c, 0, -z / 2, v, 0), rot.Point(c, 0, 0, v, 0));
    }
    for (int v : {-1, 1}) {
        const GridCell& cell = SheetCell(s_.circuit, rot.CellX(8, v), rot.CellY(8, v));
        if (rot.Flag(cell, 1) == 0)
            c.Stub(rot.Point(c, 8, 0, v, 0), rot.Point(c, 8, z / 2, v, 0));
    }
    // Each stage is two cells wide.
    for (int u : {2, 4, 6})
        c.Stub(rot.Point(c, u, 0, -1, -z / 4), rot.Point(c, u, 0, 1, z / 4));
    const QPointF tip = rot.Point(c, 0, z / 1.5, 0, 0);
    c.Stub(tip, rot.Point(c, 8, 0, 0, 0));
    c.Stub(rot.Point(c, 0, 0, 0, -z / 1.5), tip);
    c.Stub(rot.Point(c, 0, 0, 0, z / 1.5), tip);

    const ElementRecord& e = c.ShownElement(SheetCell(s_.circuit, x, y).ElementNr);
    for (int reg = 0; reg < 2; ++reg) {
        for (int k = 1; k <= 4; ++k) {
            double tx = 0, ty = 0;
            switch (Orientation) {
            case Orientation::Right:
                tx = G(x + 2 * k - 1) - z / 5;
                ty = reg == 0 ? G(y - 1) - z / 5 : G(y) + z / 6;
                break;
            case Orientation::Left:
                tx = G(x - 2 * k + 1) - z / 5;
                ty = reg == 0 ? G(y - 1) - z / 5 : G(y) + z / 6;
                break;
            case Orientation::Down:
                tx = reg == 0 ? G(x) + z / 2.5 : G(x - 1) + z / 6;
                ty = G(y + 2 * k - 1) - z / 3;
                break;
            default:
                tx = reg == 0 ? G(x) + z / 2.5 : G(x - 1) + z / 6;
                ty = G(y - 2 * k + 1) - z / 2;
                break;
            }
            c.Text(tx, ty, Digits(-e.StageWords[static_cast<size_t>(4 * reg + k)]));
        }
    }
}
