#include "editing/editor_context.h"

#include <algorithm>

#include "model/state.h"
#include "placement/placement_context.h"

void RedrawAround(PlacementContext& c, const CellBox& r)
{
    const ProgramState& s = c.s;
    c.s.Changes.Area(std::max(0, r.X1 - 1), std::max(0, r.Y1 - 1), std::min<int>(s.circuit.MaxX, r.X2 + 1),
                     std::min<int>(s.circuit.MaxY, r.Y2 + 1));
}
