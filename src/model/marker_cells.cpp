#include "model/marker_cells.h"

#include "model/geometry.h"
#include "model/state.h"

namespace {

constexpr int kBranching = 3;

} // namespace

bool MarkCouplingDiode(ProgramState& s, int16_t x, int16_t y)
{
    if (!s.P.Contains(x, y))
        return false;
    GridCell& cell = s.P(x, y);
    if (cell.Marker == -1)
        return false;
    if (s.engine.PowerFlag == 0
        && (CountConnections(s, s.engine, x, y) < kBranching || cell.Type != ElementType::Conductor))
        return false;
    cell.Marker = 1;
    return true;
}

bool MarkJuncture(ProgramState& s, int16_t x, int16_t y)
{
    if (s.engine.PowerFlag == 0) {
        if (!s.P.Contains(x, y))
            return false;
        GridCell& cell = s.P(x, y);
        if (cell.Marker == 1 || CountConnections(s, s.engine, x, y) < kBranching || cell.Type != ElementType::Conductor)
            return false;
        cell.Marker = -1;
        return true;
    }
    if (s.CurrentLevel < 0 || static_cast<size_t>(s.CurrentLevel) >= s.Levels.size())
        return false;
    Grid& field = s.Levels[static_cast<size_t>(s.CurrentLevel)].Field;
    if (!field.Contains(x, y))
        return false;
    GridCell& cell = field(x, y);
    if (cell.Marker == 1 || CountConnections(s, s.engine, x, y, s.CurrentLevel) < kBranching
        || cell.Type != ElementType::Conductor)
        return false;
    cell.Marker = -1;
    return true;
}
