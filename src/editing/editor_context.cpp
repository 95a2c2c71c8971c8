#include "editing/editor_context.h"

#include <algorithm>

#include "model/state.h"
#include "placement/placement_context.h"
#include "render/redraw.h"

void RedrawAround(PlacementContext& c, const CellBox& r)
{
    const ProgramState& s = c.s;
    int16_t x1 = static_cast<int16_t>(std::max(0, r.X1 - 1));
    int16_t y1 = static_cast<int16_t>(std::max(0, r.Y1 - 1));
    int16_t x2 = static_cast<int16_t>(std::min<int>(s.MaxX, r.X2 + 1));
    int16_t y2 = static_cast<int16_t>(std::min<int>(s.MaxY, r.Y2 + 1));
    RedrawArea(c.s, c.objGrafik, x1, y1, x2, y2, false);
}
