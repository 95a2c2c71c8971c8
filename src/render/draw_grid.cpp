#include "render/draw_grid.h"

#include "model/state.h"
#include "platform/numeric.h"
#include "platform/surface.h"

void DrawGrid(const ProgramState& s, Surface& picGrid)
{
    const double pitch = static_cast<double>(s.CellSize) * s.GridMode;
    const int32_t color = s.ShowGrid ? 0x808080 : 0xFFFFFF;
    for (int x = 0; x <= s.MaxX; ++x) {
        for (int y = 0; y <= s.MaxY; ++y) {
            if (s.P(x, y).Type != 0)
                continue;
            picGrid.PSet(CInt(pitch * x + pitch / 2), CInt(pitch * y + pitch / 2), color);
        }
    }
}
