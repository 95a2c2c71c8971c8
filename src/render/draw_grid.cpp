#include "render/draw_grid.h"

#include "model/circuit.h"
#include "platform/numeric.h"
#include "platform/surface.h"

void DrawGrid(const Circuit& s, Surface& picGrid, uint8_t cellSize, float zoom, bool showGrid)
{
    const double pitch = static_cast<double>(cellSize) * zoom;
    const int32_t color = showGrid ? 0x808080 : 0xFFFFFF;
    for (int x = 0; x <= s.MaxX; ++x) {
        for (int y = 0; y <= s.MaxY; ++y) {
            if (s.P(x, y).Type != 0)
                continue;
            picGrid.PSet(CInt(pitch * x + pitch / 2), CInt(pitch * y + pitch / 2), color);
        }
    }
}
