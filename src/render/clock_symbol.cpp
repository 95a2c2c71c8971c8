// Clock-generator symbol.
#include "render/clsGrafik.h"

#include "model/state.h"
#include "platform/surface.h"
#include "render/symbol_helpers.h"

using namespace symbols;

namespace {
constexpr int32_t kSelectedOrange = 0xC0E0FF;
}

void clsGrafik::DrawTimer(int16_t x, int16_t y, bool selected)
{
    SymbolDrawnAt(x, y);
    if (!Device)
        return;
    ZoomedPitch = GridPixelZoomed();
    Canvas c(s_, *Device, ZoomedPitch, OnWorksheet(), OnPrinter());
    const double z = c.z;
    auto G = [&c](int i) { return c.G(i); };
    // Inside an IC level the record of that level gives the orientation.
    Orientation = c.ShownElement(c.ShownCell(x, y).ElementNr).Orientation;
    c.Prologue(c.Size(10.0f, 1.2f), c.Body(selected ? kSelectedOrange : kPaleYellow), 0);
    const int32_t stopColor = c.printer ? s_.LineColor : kGrey;
    const double stopSize = c.Size(7.0f, 0.84f);

    switch (Orientation) {
    case Orientation::Right:
        c.Box(G(x), G(y - 1) - z / 4, G(x + 3), G(y + 1) + z / 4);
        c.Stub(G(x + 3), G(y), G(x + 3) + z / 2, G(y));
        c.Text(G(x + 1) + z / 4, G(y - 1) + z / 2, QStringLiteral("T"));
        c.Line(G(x + 2), G(y + 1), G(x + 2), G(y + 1) + 3 * z / 4, stopColor);
        c.dev.FontSize = stopSize;
        c.Text(G(x + 1) - z / 2, G(y) + z / 2.5, QStringLiteral("Stop"));
        break;
    case Orientation::Left:
        c.Box(G(x), G(y - 1) - z / 4, G(x - 3), G(y + 1) + z / 4);
        c.Stub(G(x - 3), G(y), G(x - 3) - z / 2, G(y));
        c.Text(G(x - 1) - 3 * z / 4, G(y - 1) + z / 2, QStringLiteral("T"));
        c.Line(G(x - 2), G(y + 1), G(x - 2), G(y + 1) + 3 * z / 4, stopColor);
        c.dev.FontSize = stopSize;
        c.Text(G(x - 2) + z / 6, G(y) + z / 2.5, QStringLiteral("Stop"));
        break;
    case Orientation::Down:
        c.Box(G(x - 1) - z / 4, G(y), G(x + 1) + z / 4, G(y + 3));
        c.Stub(G(x), G(y + 3), G(x), G(y + 3) + z / 2);
        c.Text(G(x - 1) + 3 * z / 4, G(y + 1), QStringLiteral("T"));
        c.Line(G(x + 1), G(y + 1), G(x + 1) + 3 * z / 4, G(y + 1), stopColor);
        c.dev.FontSize = stopSize;
        c.Text(G(x) - z / 3.5, G(y) + z / 4, QStringLiteral("Stop"));
        break;
    case Orientation::Up:
        c.Box(G(x - 1) - z / 4, G(y - 3), G(x + 1) + z / 4, G(y));
        c.Stub(G(x), G(y - 3), G(x), G(y - 3) - z / 2);
        c.Text(G(x - 1) + 3 * z / 4, G(y - 2), QStringLiteral("T"));
        c.Line(G(x + 1), G(y - 1), G(x + 1) + 3 * z / 4, G(y - 1), stopColor);
        c.dev.FontSize = stopSize;
        c.Text(G(x) - z / 3, G(y - 1), QStringLiteral("Stop"));
        break;
    default:
        break;
    }
}
