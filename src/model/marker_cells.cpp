#include "model/marker_cells.h"

#include "model/geometry.h"
#include "model/circuit.h"
#include "model/engine_state.h"

namespace {

constexpr int kBranching = 3;

} // namespace

bool MarkCouplingDiode(Circuit& s, const EngineState& engine, int16_t x, int16_t y)
{
    if (!s.P.Contains(x, y))
        return false;
    GridCell& cell = s.P(x, y);
    if (cell.Marker == -1)
        return false;
    if (engine.PowerFlag == 0
        && (CountConnections(s, engine, x, y) < kBranching || cell.Type != ElementType::Conductor))
        return false;
    cell.Marker = 1;
    return true;
}

bool MarkJuncture(Circuit& s, const EngineState& engine, int16_t shownLevel, int16_t x, int16_t y)
{
    if (engine.PowerFlag == 0) {
        if (!s.P.Contains(x, y))
            return false;
        GridCell& cell = s.P(x, y);
        if (cell.Marker == 1 || CountConnections(s, engine, x, y) < kBranching || cell.Type != ElementType::Conductor)
            return false;
        cell.Marker = -1;
        return true;
    }
    if (shownLevel < 0 || shownLevel >= std::ssize(s.Levels))
        return false;
    Grid& field = s.Levels[shownLevel].Field;
    if (!field.Contains(x, y))
        return false;
    GridCell& cell = field(x, y);
    if (cell.Marker == 1 || CountConnections(s, engine, x, y, shownLevel) < kBranching
        || cell.Type != ElementType::Conductor)
        return false;
    cell.Marker = -1;
    return true;
}
