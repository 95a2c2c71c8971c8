#include "editing/find_way.h"

#include "model/pin_lists.h"
#include "model/circuit_run.h"
#include "model/sheet_changes.h"

namespace {

struct Step {
    int dx;
    int dy;
};

// The next cell may be entered: empty, or a conductor crossing the path.
bool MayEnter(const GridCell& c, Step d)
{
    if (c.Type == ElementType::Empty)
        return true;
    if (c.Type != ElementType::Conductor)
        return false;
    if (d.dx != 0)
        return c.ConUp && c.ConDown && !(d.dx > 0 ? c.ConRight : c.ConLeft);
    return c.ConLeft && c.ConRight && !(d.dy > 0 ? c.ConDown : c.ConUp);
}

void Join(Circuit& s, SheetChanges& changes, int16_t x, int16_t y, Step d)
{
    GridCell& from = s.P(x, y);
    GridCell& to = s.P(x + d.dx, y + d.dy);
    if (d.dx > 0) {
        from.ConRight = kTrue;
        to.ConLeft = kTrue;
    } else if (d.dx < 0) {
        from.ConLeft = kTrue;
        to.ConRight = kTrue;
    } else if (d.dy > 0) {
        from.ConDown = kTrue;
        to.ConUp = kTrue;
    } else {
        from.ConUp = kTrue;
        to.ConDown = kTrue;
    }
    if (from.Type == ElementType::Empty)
        from.Type = ElementType::Conductor;
    to.Type = ElementType::Conductor;
    changes.Run(x, y, x + d.dx, y + d.dy);
}

bool OnPins(const ElementPins& pins, int16_t x, int16_t y)
{
    for (int i = 0; i < pins.count && i < static_cast<int>(pins.pin.size()); ++i)
        if (pins.pin[static_cast<size_t>(i)].X == x && pins.pin[static_cast<size_t>(i)].Y == y)
            return true;
    return false;
}

// One axis of ElementOnWayH/V: `along` is x (row) or y (column), target the
// cursor's column or row, cell(i) the cell at position i on the path.
template <class CellAt>
bool Blocked(const CircuitRun& s, int16_t x, int16_t y, int16_t along, int16_t target, bool row, CellAt cell,
             int16_t* blockedAt)
{
    if (target < 0)
        return false;
    const int dir = target > along ? 1 : (target < along ? -1 : 0);
    const int16_t c = s.circuit.P(x, y).ElementNr;
    if (s.circuit.ElementCount() > 0 && c >= 1 && c <= s.circuit.ElementCount()) {
        const ElementRecord& e = s.circuit.Elements[static_cast<size_t>(c)];
        if (e.Type == ElementType::IC) {
            const bool before = cell(along - 1).ElementNr == c;
            const bool after = cell(along + 1).ElementNr == c;
            // The outer edge of the IC: the path may leave it, not cross it.
            if ((before && !after && dir < 0) || (after && !before && dir > 0)) {
                if (blockedAt)
                    *blockedAt = along;
                return true;
            }
        } else if (dir != 0) {
            const Orientation forward = row ? (dir > 0 ? Orientation::Right : Orientation::Left)
                                        : (dir > 0 ? Orientation::Down : Orientation::Up);
            const Orientation backward = row ? (dir > 0 ? Orientation::Left : Orientation::Right)
                                         : (dir > 0 ? Orientation::Up : Orientation::Down);
            const bool intoInput = OnPins(InputPinsOf(s, c, 0), x, y) && e.Orientation == forward;
            const bool intoOutput = OnPins(OutputPinsOf(s, c, 0), x, y) && e.Orientation == backward;
            if (intoInput || intoOutput) {
                if (blockedAt)
                    *blockedAt = along;
                return true;
            }
        }
    }
    for (int i = along + dir; dir != 0 && i != target; i += dir) {
        if (cell(i).Type > ElementType::Conductor) {
            if (blockedAt)
                *blockedAt = static_cast<int16_t>(i);
            return true;
        }
    }
    return false;
}

} // namespace

bool FindWay(Circuit& s, SheetChanges& changes, int16_t x1, int16_t y1, int16_t x2, int16_t y2, bool commit)
{
    int16_t x = x1;
    int16_t y = y1;
    while (x != x2 || y != y2) {
        const Step d = x != x2 ? Step{x2 > x ? 1 : -1, 0} : Step{0, y2 > y ? 1 : -1};
        const int nx = x + d.dx;
        const int ny = y + d.dy;
        if (!s.P.Contains(nx, ny) || nx > s.MaxX || ny > s.MaxY || !MayEnter(s.P(nx, ny), d))
            return false;
        if (commit)
            Join(s, changes, x, y, d);
        x = static_cast<int16_t>(nx);
        y = static_cast<int16_t>(ny);
    }
    return true;
}

bool ElementOnWayH(const CircuitRun& s, int16_t x, int16_t y, int16_t towardsX, int16_t* blockedAt)
{
    if (!s.circuit.P.Contains(x, y))
        return false;
    const GridCell empty;
    auto cell = [&s, &empty, y](int i) -> const GridCell& { return s.circuit.P.Contains(i, y) ? s.circuit.P(i, y) : empty; };
    return Blocked(s, x, y, x, towardsX, true, cell, blockedAt);
}

bool ElementOnWayV(const CircuitRun& s, int16_t y, int16_t x, int16_t towardsY, int16_t* blockedAt)
{
    if (!s.circuit.P.Contains(x, y))
        return false;
    const GridCell empty;
    auto cell = [&s, &empty, x](int i) -> const GridCell& { return s.circuit.P.Contains(x, i) ? s.circuit.P(x, i) : empty; };
    return Blocked(s, x, y, y, towardsY, false, cell, blockedAt);
}
