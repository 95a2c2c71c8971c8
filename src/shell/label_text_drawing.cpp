#include "shell/label_text_drawing.h"

#include "model/circuit.h"
#include "model/pin_lists.h"
#include "platform/null_surface.h"
#include "platform/numeric.h"
#include "render/clsGrafik.h"

void DisplayBeschriftungsText(Circuit& c, const LabelSheet& sheet, clsGrafik& grafik, Surface& grid, int16_t n,
                              const QString& oldText)
{
    if (n <= 0 || static_cast<size_t>(n) >= c.Elements.size()
        || c.Elements[static_cast<size_t>(n)].Type != ElementType::TextLabel || !grafik.Device)
        return;
    Surface& dev = *grafik.Device;
    try {
        PinTable anchor{};
        ParsePinList(c.Elements[static_cast<size_t>(n)].InPinList, anchor);
        const int16_t x = anchor[0].X;
        const int16_t y = anchor[0].Y;
        const float zoom = sheet.zoom;
        dev.FontTransparent = false;
        dev.FontSize = grafik.OnPrinter() ? zoom : static_cast<double>(sheet.fontSize * zoom);
        dev.ForeColor = 0;

        // lblBeschriftung: the label font at the worksheet's zoom, in drawing units.
        NullSurface measure;
        measure.FontName = QStringLiteral("MS Sans Serif");
        measure.FontSize = static_cast<double>(sheet.fontSize * zoom);
        const QString text = c.Elements[static_cast<size_t>(n)].Label;
        const double px = sheet.toPixel(x);
        const double w = measure.TextWidth(text);
        const double h = measure.TextHeight(text);
        const double py = CInt(sheet.toPixel(y) - h / 1.6);

        bool shrunk = false;
        if (!oldText.isEmpty()) {
            const int16_t k = sheet.toGrid(CLng(w));
            const double w0 = measure.TextWidth(oldText);
            const double h0 = measure.TextHeight(oldText);
            sheet.redrawArea(sheet.toGrid(CLng(px)), sheet.toGrid(CLng(py)), sheet.toGrid(CLng(px + w0)),
                             sheet.toGrid(CLng(py + h0)));
            const int r = sheet.toGrid(CLng(py));
            const int last = sheet.toGrid(CLng(px + w0));
            for (int col = sheet.toGrid(CLng(px)) + k + 1; col <= last; ++col) {
                shrunk = true;
                for (int row : {r, r - 1, r + 1}) {
                    if (!c.P.Contains(col, row) || c.P(col, row).ElementNr != n)
                        continue;
                    c.P(col, row).ElementNr = 0;
                    c.P(col, row).Type = 0;
                    if (sheet.gridDots)
                        grid.PSet(sheet.toPixel(static_cast<int16_t>(col)), sheet.toPixel(static_cast<int16_t>(row)),
                                  0x808080);
                }
            }
        }
        if (!shrunk) {
            const int r = sheet.toGrid(CLng(py));
            const int a = sheet.toGrid(CLng(px));
            auto owns = [&](int row) { return c.P.Contains(a, row) && c.P(a, row).ElementNr == n; };
            const int row = owns(r) ? r : owns(r - 1) ? r - 1 : owns(r + 1) ? r + 1 : -1;
            if (row >= 0) {
                const int last = sheet.toGrid(CLng(px + w));
                for (int col = a; col <= last && c.P.Contains(col, row); ++col) {
                    c.P(col, row).Type = ElementType::TextLabel;
                    c.P(col, row).ElementNr = n;
                }
            }
        }
        const int16_t owner = c.P.at(x, y).ElementNr;
        if (owner > 0 && static_cast<size_t>(owner) < c.Elements.size())
            c.Elements[static_cast<size_t>(owner)].Orientation = Orientation::Right;

        dev.FontName = QStringLiteral("MS Sans Serif");
        dev.CurrentX = px;
        dev.CurrentY = py;
        dev.Print(text);
    } catch (const RuntimeError&) {
        // A label that cannot be drawn is left out; the rest of the redraw goes on.
    }
    dev.FontTransparent = true;
}
