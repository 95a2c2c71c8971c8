#include "shell/label_text_drawing.h"

#include "model/geometry.h"
#include "model/pin_lists.h"
#include "model/state.h"
#include "platform/null_surface.h"
#include "platform/numeric.h"
#include "render/clsGrafik.h"
#include "render/redraw.h"

void DisplayBeschriftungsText(ProgramState& s, clsGrafik& grafik, Surface& grid, int16_t n, const QString& oldText)
{
    s.CurrentProc = QStringLiteral("DisplayBeschriftungsText");
    if (n <= 0 || static_cast<size_t>(n) >= s.Elements.size()
        || s.Elements[static_cast<size_t>(n)].Type != ElementType::TextLabel || !grafik.Device)
        return;
    Surface& dev = *grafik.Device;
    try {
        PinTable anchor{};
        ParsePinList(s.Elements[static_cast<size_t>(n)].InPinList, anchor);
        const int16_t x = anchor[0].X;
        const int16_t y = anchor[0].Y;
        const float zoom = s.GridMode;
        dev.FontTransparent = false;
        dev.FontSize = grafik.OnPrinter() ? zoom : static_cast<double>(s.LabelFontSize * zoom);
        dev.ForeColor = 0;

        // lblBeschriftung: the label font at the worksheet's zoom, in drawing units.
        NullSurface measure;
        measure.FontName = QStringLiteral("MS Sans Serif");
        measure.FontSize = static_cast<double>(s.LabelFontSize * zoom);
        const QString text = s.Elements[static_cast<size_t>(n)].Label;
        const double px = GridToPixel(s, x);
        const double w = measure.TextWidth(text);
        const double h = measure.TextHeight(text);
        const double py = CInt(GridToPixel(s, y) - h / 1.6);

        bool shrunk = false;
        if (!oldText.isEmpty()) {
            const int16_t k = PixelToGrid(s, CLng(w));
            const double w0 = measure.TextWidth(oldText);
            const double h0 = measure.TextHeight(oldText);
            int16_t ax1 = PixelToGrid(s, CLng(px));
            int16_t ay1 = PixelToGrid(s, CLng(py));
            int16_t ax2 = PixelToGrid(s, CLng(px + w0));
            int16_t ay2 = PixelToGrid(s, CLng(py + h0));
            ::RedrawArea(s, grafik, ax1, ay1, ax2, ay2, true);
            const int r = PixelToGrid(s, CLng(py));
            const int last = PixelToGrid(s, CLng(px + w0));
            for (int col = PixelToGrid(s, CLng(px)) + k + 1; col <= last; ++col) {
                shrunk = true;
                for (int row : {r, r - 1, r + 1}) {
                    if (!s.P.Contains(col, row) || s.P(col, row).ElementNr != n)
                        continue;
                    s.P(col, row).ElementNr = 0;
                    s.P(col, row).Type = 0;
                    if (s.ShowGrid != 0 && s.engine.PowerFlag == 0)
                        grid.PSet(GridToPixel(s, static_cast<int16_t>(col)),
                                                 GridToPixel(s, static_cast<int16_t>(row)), 0x808080);
                }
            }
        }
        if (!shrunk) {
            const int r = PixelToGrid(s, CLng(py));
            const int a = PixelToGrid(s, CLng(px));
            auto owns = [&](int row) { return s.P.Contains(a, row) && s.P(a, row).ElementNr == n; };
            const int row = owns(r) ? r : owns(r - 1) ? r - 1 : owns(r + 1) ? r + 1 : -1;
            if (row >= 0) {
                const int last = PixelToGrid(s, CLng(px + w));
                for (int col = a; col <= last && s.P.Contains(col, row); ++col) {
                    s.P(col, row).Type = ElementType::TextLabel;
                    s.P(col, row).ElementNr = n;
                }
            }
        }
        const int16_t owner = s.P.at(x, y).ElementNr;
        if (owner > 0 && static_cast<size_t>(owner) < s.Elements.size())
            s.Elements[static_cast<size_t>(owner)].Orientation = Orientation::Right;

        dev.FontName = QStringLiteral("MS Sans Serif");
        dev.CurrentX = px;
        dev.CurrentY = py;
        dev.Print(text);
    } catch (const RuntimeError&) {
        // A label that cannot be drawn is left out; the rest of the redraw goes on.
    }
    dev.FontTransparent = true;
}
