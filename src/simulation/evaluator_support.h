#pragma once
// Small helpers the component evaluators share: checked cell and element
// access in a level, pin lookup, the orientation step and driving an output.
#include <array>
#include <climits>
#include <memory>
#include <cstdint>

#include "model/circuit.h"
#include "model/geometry.h"
#include "simulation/engine.h"

namespace evaluators {

struct Step {
    int dx = 0;
    int dy = 0;
};

inline bool ValidDirection(Direction d) { return d >= Direction::Left && d <= Direction::Down; }

// One cell in direction dir along x or y; 0 for a code that is no direction.
constexpr int StepX(Direction dir) { return dir == Direction::Left ? -1 : (dir == Direction::Right ? 1 : 0); }
constexpr int StepY(Direction dir) { return dir == Direction::Up ? -1 : (dir == Direction::Down ? 1 : 0); }
// Whether dir runs along a row (left or right) or along a column (up or down).
constexpr bool AlongRow(Direction dir) { return dir == Direction::Left || dir == Direction::Right; }
constexpr bool AlongColumn(Direction dir) { return dir == Direction::Up || dir == Direction::Down; }

// One cell in the direction of the outputs (an orientation names the
// direction its outputs drive); (0, 0) for a code that is no orientation.
inline Step OrientationStep(Orientation orientation)
{
    static constexpr auto kSteps = [] {
        std::array<Step, Code(Orientation::Down) + 1> t{};
        for (Orientation o : kOrientations)
            t[Code(o)] = {StepX(Toward(o)), StepY(Toward(o))};
        return t;
    }();
    return ValidOrientation(orientation) ? kSteps[Code(orientation)] : Step{};
}

inline int16_t Level16(bool high) { return high ? kTrue : kFalse; }

// Cells outside the level's grid (pin lists from damaged files) are null.
inline GridCell* CellAt(const Engine& en, int level, int x, int y)
{
    LevelRecord* lv = LevelAt(en.circuit, level);
    if (lv == nullptr || !lv->Field.Contains(x, y))
        return nullptr;
    return &lv->Field(x, y);
}

inline GridCell* CellAt(const Engine& en, int level, PinPos p) { return CellAt(en, level, p.X, p.Y); }

inline ElementRecord* ElementAt(const Engine& en, int level, int c)
{
    LevelRecord* lv = LevelAt(en.circuit, level);
    if (lv == nullptr || c <= 0 || static_cast<size_t>(c) >= lv->Elements.size())
        return nullptr;
    return &lv->Elements[static_cast<size_t>(c)];
}

inline bool IsHigh(const GridCell* c) { return c != nullptr && c->Value != 0; }

// 1-based number of the pin at (x, y) among the first `count` entries; 0 when none.
inline int PinNumber(const PinTable& table, int count, int x, int y)
{
    for (int k = 0; k < count && k < kPinTableSize; ++k)
        if (table[static_cast<size_t>(k)].X == x && table[static_cast<size_t>(k)].Y == y)
            return k + 1;
    return 0;
}

inline bool SamePos(PinPos p, int x, int y) { return p.X == x && p.Y == y; }

// Adds without wrapping; the count is never saved, only its size matters.
inline void AddPostpone(GridCell* c, int32_t n)
{
    if (c == nullptr)
        return;
    c->PostponeCount = c->PostponeCount > INT32_MAX - n ? INT32_MAX : c->PostponeCount + n;
}

// Whether the cell has its connection flag on side `side`.
inline bool FlagOnSide(const GridCell& c, Direction side)
{
    switch (side) {
    case Direction::Left: return c.ConLeft != 0;
    case Direction::Right: return c.ConRight != 0;
    case Direction::Up: return c.ConUp != 0;
    case Direction::Down: return c.ConDown != 0;
    default: return false;
    }
}

// The connection-flag count of a cell of the level.
inline int Connections(const GridCell* c)
{
    if (c == nullptr)
        return 0;
    return (c->ConLeft != 0) + (c->ConUp != 0) + (c->ConRight != 0) + (c->ConDown != 0);
}

// Queues an event unless the cell lies outside the level or the direction is
// no travel direction (an element with a damaged orientation drives nothing).
inline void QueueIfInside(const Engine& en, int x, int y, Direction dir, bool high, int level, int hold = 0)
{
    if (!ValidDirection(dir) || CellAt(en, level, x, y) == nullptr)
        return;
    QueueEvent(en.engine, x, y, dir, high ? 1 : 0, level, hold);
}

// The element whose footprint covers (x, y) and its cached pins.
struct Found {
    ElementRecord* element = nullptr;
    const CachedPins* pins = nullptr;
    int number = 0;
};

// Pins of element c (a valid number) of `level` for an evaluator. While the
// power is on they come from the per-power-on cache and the shared pin tables
// are left alone (nothing reads them after an evaluator, and copying both
// tables on every evaluation was most of its cost); while it is off they are
// parsed as ParsePinsCached does.
// The first evaluation of an element after power-on, and every one while the
// power is off: kept out of line so that the usual path stays short.
[[gnu::noinline]] inline const CachedPins& EvaluatorPinsSlow(const CircuitTables& t, EngineState& g, int c, int level)
{
    static const CachedPins kNone{};
    if (g.PowerFlag == 0)
        return ParsePinsCached(t, g, c, level);
    const CachedPins* p = PowerOnPins(t, g, c, level);
    return p != nullptr ? *p : kNone;
}

inline const CachedPins& EvaluatorPins(const CircuitTables& t, EngineState& g, int c, int level)
{
    if (g.PowerFlag != 0) {
        const auto& cache = g.PinCache;
        if (Holds(cache, static_cast<size_t>(level))) {
            const auto& row = cache[static_cast<size_t>(level)];
            if (Holds(row, static_cast<size_t>(c)) && row[static_cast<size_t>(c)].valid)
                return row[static_cast<size_t>(c)];
        }
    }
    return EvaluatorPinsSlow(t, g, c, level);
}

inline Found FindElement(const Engine& en, int x, int y, int level)
{
    Found f;
    LevelRecord* lv = LevelAt(en.circuit, level);
    if (lv == nullptr || !lv->Field.Contains(x, y))
        return f;
    const int c = lv->Field(x, y).ElementNr;
    if (c <= 0 || static_cast<size_t>(c) >= lv->Elements.size())
        return f;
    f.element = &lv->Elements[static_cast<size_t>(c)];
    f.number = c;
    f.pins = &EvaluatorPins(en.circuit, en.engine, c, level);
    return f;
}

} // namespace evaluators
