#include "render/whole_sheet.h"

#include "model/conductor_runs.h"
#include "model/state.h"
#include "platform/numeric.h"
#include "platform/painter_surface.h"
#include "render/clsGrafik.h"
#include "render/redraw.h"

void DrawWholeSheet(ProgramState& s, clsGrafik& g, Surface& target)
{
    Surface* was = g.Device;
    g.Device = &target;
    g.PictureCleared();
    if (s.engine.PowerFlag != 0 && s.CurrentLevel == 0)
        CopyLevelSignals(s.circuit, 0);
    if (target.kind() == SurfaceKind::Worksheet) {
        target.FillStyle = 0;
        target.FillColor = 0xFFFFFF;
        target.Line(0, 0, target.ScaleWidth(), target.ScaleHeight(), 0xFFFFFF, LineMode::Box);
    }
    s.circuit.LineMap.Redim(s.circuit.MaxX, s.circuit.MaxY);
    AnalysiereLeitungen(s.circuit);
    DrawSheetCells(s, g, nullptr, nullptr);
    DrawSheetElements(s, g);
    g.Device = was;
}

QImage WholeSheetPicture(ProgramState& s, clsGrafik& g)
{
    const double pitch = g.GridPixel * static_cast<double>(s.GridMode);
    PainterSurface picture(static_cast<int>(RoundHalfEven((s.circuit.MaxX + 1) * pitch)),
                           static_cast<int>(RoundHalfEven((s.circuit.MaxY + 1) * pitch)), SurfaceKind::Worksheet);
    DrawWholeSheet(s, g, picture);
    picture.Finish();
    return picture.Image();
}
