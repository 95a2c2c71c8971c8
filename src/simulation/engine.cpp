#include "simulation/engine.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "model/field_list.h"
#include "model/pin_lists.h"
#include "model/ports/power_port.h"
#include "model/ports/probe_port.h"
#include "platform/numeric.h"
#include "platform/string_table.h"
#include "platform/user_dialogs.h"
#include "simulation/evaluator_support.h"
#include "simulation/logic_analyzer.h"

using evaluators::AlongColumn;
using evaluators::AlongRow;
using evaluators::StepX;
using evaluators::StepY;

namespace {

// Ends a run at the step or event limit: rare, so kept out of the pass loop.
[[gnu::cold, gnu::noinline]] void Abort(const Engine& en)
{
    SetRunState(en.engine, en.ports.power, RunState::Aborted);
    ClearQueues(en.engine);
    en.engine.StepCount = 0;
    // The window switches off and shows it; without a window the engine does
    // it itself, so the power is off either way.
    if (en.ports.power)
        en.ports.power->SwitchPowerOff();
    if (en.engine.PowerFlag != 0)
        PowerOnOff(en);
    // The power is off, and the panel keeps telling why.
    SetRunState(en.engine, en.ports.power, RunState::Aborted);
    en.Changes.Flush();
    if (en.context.dialogs) {
        QString text = LoadResString(2576);
        text.replace(QStringLiteral("\\n"), QStringLiteral("\r\n"));
        en.context.dialogs->ShowMessage(text, MessageButtons::OK, MessageIcon::Exclamation, LoadResString(2577));
    }
    en.engine.AbortFlag = kTrue;
}


// A run without delay that holds the window long lets its events run between
// two passes, as a delayed run does in its waits: the user sees how far it
// got and can stop it or switch the power off.
[[gnu::cold, gnu::noinline]] void TakeBreak(const Engine& en)
{
    en.Changes.FlushUnlessHeld();
    if (en.ports.power)
        en.ports.power->SetStopEnabled(true);
    en.context.breaks.Take(en.context.waitHooks);
}

// Direction out of a cell by its first connection flag, in the order left, right, up, down.
Direction FirstFlagDirection(const GridCell& c)
{
    for (Direction d : kDirections)
        if (evaluators::FlagOnSide(c, d))
            return d;
    return Direction::None;
}

} // namespace

void SetRunState(EngineState& g, PowerPort* power, RunState state)
{
    g.Run = state;
    if (power)
        power->ShowRunState(state);
}

bool PauseOffersPause(const EngineState& g)
{
    return !g.PausedFlag();
}

// ---- The pass loop's inner steps ----

namespace {

// The conductor step on the cell (x, y) of `level`, already looked up.
// A signal travelling along a row reaches a cell with a connection up or down.
[[gnu::always_inline]] inline void TurnFromRow(EngineState& g, GridCell& c, int x, int y, Direction dir, int v,
                                               int level)
{
    const int16_t w = evaluators::Level16(v != 0);
    const bool junction = c.Marker != 0; // juncture or coupling diode
    auto queue = [&](Direction d) __attribute__((always_inline)) { QueueEvent(g, x + StepX(d), y + StepY(d), d, v, level); };
    const bool ahead = (dir == Direction::Left ? c.ConLeft : c.ConRight) != 0;
    const bool up = c.ConUp != 0;
    const bool down = c.ConDown != 0;
    if (!up && !down) {
        // Straight on: PropagateCell's.
    } else if (!ahead && up && !down) {
        c.WireSignalV = w;
        queue(Direction::Up);
    } else if (!ahead && !up && down) {
        c.WireSignalV = w;
        queue(Direction::Down);
    } else if (!ahead && up && down) {
        if (junction) {
            c.WireSignalV = w;
            queue(Direction::Up);
            queue(Direction::Down);
        }
    } else if (ahead && up && down) {
        queue(dir);
        if (junction) {
            c.WireSignalV = w;
            queue(Direction::Up);
            queue(Direction::Down);
        }
    } else if (ahead && up) {
        if (junction)
            c.WireSignalV = w;
        queue(dir);
        if (junction)
            queue(Direction::Up);
    } else if (ahead && down) {
        queue(dir);
        if (junction) {
            c.WireSignalV = w;
            queue(Direction::Down);
        }
    }
}

// A signal travelling along a column reaches a cell with a connection left or right.
[[gnu::always_inline]] inline void TurnFromColumn(EngineState& g, GridCell& c, int x, int y, Direction dir, int v,
                                                  int level)
{
    const int16_t w = evaluators::Level16(v != 0);
    const bool juncture = c.Marker == kTrue;
    auto queue = [&](Direction d) __attribute__((always_inline)) { QueueEvent(g, x + StepX(d), y + StepY(d), d, v, level); };
    const bool ahead = (dir == Direction::Up ? c.ConUp : c.ConDown) != 0;
    const bool left = c.ConLeft != 0;
    const bool right = c.ConRight != 0;
    if (!left && !right) {
        // Straight on: PropagateCell's.
    } else if (!ahead && left && !right) {
        c.WireSignalH = w;
        queue(Direction::Left);
    } else if (!ahead && !left && right) {
        c.WireSignalH = w;
        queue(Direction::Right);
    } else if (!ahead && left && right) {
        if (juncture) {
            c.WireSignalH = w;
            queue(Direction::Left);
            queue(Direction::Right);
        }
    } else if (ahead && left && right) {
        if (juncture) {
            c.WireSignalH = w;
            queue(Direction::Left);
            queue(Direction::Right);
        }
        queue(dir);
    } else if (ahead && right) {
        if (!juncture) {
            queue(dir);
        } else if (dir == Direction::Down) {
            c.WireSignalH = w;
            queue(Direction::Right);
            queue(dir);
        } else {
            queue(dir);
            c.WireSignalH = w;
            queue(Direction::Right);
        }
    } else if (ahead && left) {
        queue(dir);
        if (juncture) {
            c.WireSignalH = w;
            queue(Direction::Left);
        }
    }
}

[[gnu::always_inline]] inline void PropagateCell(EngineState& g, GridCell& c, int x, int y, Direction dir, int v,
                                                 int level)
{
    // Straight on, or a dead end: most cells of a conductor.
    if (AlongRow(dir)) {
        if (c.ConUp == 0 && c.ConDown == 0) {
            if ((dir == Direction::Left ? c.ConLeft : c.ConRight) != 0)
                QueueEvent(g, x + StepX(dir), y, dir, v, level);
            return;
        }
        TurnFromRow(g, c, x, y, dir, v, level);
    } else if (AlongColumn(dir)) {
        if (c.ConLeft == 0 && c.ConRight == 0) {
            if ((dir == Direction::Up ? c.ConUp : c.ConDown) != 0)
                QueueEvent(g, x, y + StepY(dir), dir, v, level);
            return;
        }
        TurnFromColumn(g, c, x, y, dir, v, level);
    }
}

void FireDueClocks(const Engine& en)
{
    const ClockSlot* first = en.circuit.Clocks.data();
    for (const ClockSlot* c = first; c != std::to_address(en.circuit.Clocks.end()); ++c) {
        if (c->ClockTrigger == 0)
            continue;
        const size_t i = static_cast<size_t>(c - first);
        ClockTick(en, static_cast<int16_t>(i));
        // The tick may not touch the slot table, but find the slot afresh all the same.
        first = en.circuit.Clocks.data();
        if (!Holds(en.circuit.Clocks, i))
            break;
        en.circuit.Clocks[i].ClockTrigger = kFalse;
        c = first + i;
    }
}

// A sensor takes the level for the analyzer and passes it on like a conductor.
void PassSensor(const Engine& en, int x, int y, Direction dir, int v, int level)
{
    LevelRecord* lv = LevelAt(en.circuit, level);
    if (!lv || !lv->Field.Contains(x, y))
        return;
    const int n = lv->Field(x, y).ElementNr;
    if (n > 0 && static_cast<size_t>(n) < lv->Elements.size())
        lv->Elements[static_cast<size_t>(n)].State = evaluators::Level16(v != 0);
    if (ProbePort* probes = en.ports.probes)
        probes->AnalyserProbeEvent(SampleSensors(en.circuit, en.CurrentLevel));
    // The analyzer may not move the grid, but read the cell afresh all the same.
    LevelRecord* again = LevelAt(en.circuit, level);
    if (!again || !again->Field.Contains(x, y))
        return;
    const GridCell& cell = again->Field(x, y);
    if (cell.ICConnector == 0)
        ContinueConductor(en, x, y, dir, v, level);
    else if (level != 0)
        TransferICSignal(en, x, y, dir, v, level, 2);
}

// A pin cell of an IC passes the signal into the IC's level.
void PassIntoIC(const Engine& en, int x, int y, Direction dir, int v, int level)
{
    const LevelRecord* lv = LevelAt(en.circuit, level);
    if (lv && lv->Field.Contains(x, y) && lv->Field(x, y).ICLink != 0)
        TransferICSignal(en, x, y, dir, v, level, 1);
}

// The cells the engine handles itself, by element type, before any evaluator.
constexpr EvaluatorTable kEngineCells = ColumnOf<Evaluator>({
    {ElementType::AnalysisSensor, PassSensor},
    {ElementType::SevenSegment, EvalZAnzeige},
    {ElementType::IC, PassIntoIC},
});

// The tables and the engine state come from the pass loop, which keeps them at hand.
[[gnu::always_inline]] inline void Dispatch(const Engine& en, CircuitTables& t, EngineState& g, int x, int y,
                                            Direction dir, int v, int level)
{
    LevelRecord* lv = LevelAt(t, level);
    if (!lv || !lv->Field.Contains(x, y))
        return;
    GridCell& c = lv->Field(x, y);

    if (c.PostponeCount > 0) {
        --c.PostponeCount;
        QueueEvent(g, x, y, dir, v, level);
        return;
    }

    // The connection count is needed only on the rarer branches below.
    auto connections = [&c] { return (c.ConLeft != 0) + (c.ConRight != 0) + (c.ConUp != 0) + (c.ConDown != 0); };
    const bool horizontal = AlongRow(dir);
    const bool vertical = AlongColumn(dir);
    if (v != 0) {
        if (c.Type == ElementType::Conductor) {
            if (horizontal && c.ConLeft == 0 && c.ConRight == 0)
                return;
            if (vertical && c.ConUp == 0 && c.ConDown == 0)
                return;
        }
        if (c.Value != 0 && c.Marker == 0 && connections() < 3)
            return;
        c.Value = kTrue;
        if (horizontal)
            c.WireSignalH = kTrue;
        else if (vertical)
            c.WireSignalV = kTrue;
    } else {
        if (c.Value == 0 && c.Marker == 0)
            return;
        if (c.Marker == 0 && c.ConLeft != 0 && c.ConRight != 0 && c.ConUp != 0 && c.ConDown != 0) {
            if (horizontal) {
                if (c.WireSignalV == 0)
                    c.Value = kFalse;
                c.WireSignalH = kFalse;
            } else if (vertical) {
                if (c.WireSignalH == 0)
                    c.Value = kFalse;
                c.WireSignalV = kFalse;
            }
        } else if (c.Marker == 1 && connections() >= 3) {
            if (horizontal
                || (vertical && !(GetNeighbourValue(t, x, y, Direction::Right, level)
                                  && GetNeighbourValue(t, x, y, Direction::Left, level)))) {
                c.Value = kFalse;
                c.WireSignalH = kFalse;
                c.WireSignalV = kFalse;
            }
        } else {
            c.Value = kFalse;
            c.WireSignalH = kFalse;
            c.WireSignalV = kFalse;
        }
    }

    if (level == 0 && en.Changes.Watched() && g.PowerFlag != 0 && g.InnerLevelShown == 0)
        RecordPiece(t, en.Changes, x, y, dir, v);

    if (c.Type == ElementType::Conductor) {
        if (c.ICConnector == 0)
            PropagateCell(g, c, x, y, dir, v, level);
        else if (level != 0)
            TransferICSignal(en, x, y, dir, v, level, 2);
        return;
    }
    if (Evaluator own = kEngineCells[c.Type]) {
        own(en, x, y, dir, v, level);
        return;
    }
    if (Evaluator f = en.context.evaluators[c.Type])
        f(en, x, y, dir, v, level);
}

} // namespace

const EvaluatorTable& EngineCells()
{
    return kEngineCells;
}

// ---- Queues and the pass loop ----

// A juncture passes on every High it gets, so a block of junctures can
// multiply a run's events from pass to pass; such a run would fill the memory
// long before the step limit, which counts passes, ends it. Events travel
// only through the cells a circuit uses (conductors, markers and the cells
// of components), and a circuit that settles holds far fewer events than it
// uses cells: a pass holds the fronts of its signals, not the area they
// cover. So eight per used cell of all levels, and never fewer than 65,536
// (1 MiB of events), leaves every such circuit alone; counting the used cells
// rather than the sheet's keeps what a runaway run takes in proportion to its
// circuit, and the ceiling of 1,048,576 ends one on the largest sheet within
// about 100 MB.
size_t EventLimit(const CircuitTables& t)
{
    constexpr size_t kEventsPerCell = 8;
    size_t used = 0;
    for (const LevelRecord& lv : t.Levels)
        for (int y = 0; y <= lv.Field.UBoundY(); ++y)
            for (int x = 0; x <= lv.Field.UBoundX(); ++x)
                used += lv.Field(x, y).Type != ElementType::Empty ? 1 : 0;
    return std::clamp(kEventsPerCell * used, kFewestEventsHeld, kMostEventsHeld);
}

void ClearQueues(EngineState& g)
{
    g.PendingEvents.resize(1);
    g.CurrentEvents.resize(1);
    g.EngineBusy = kFalse;
}

int QueueCount(const EngineState& g, int which)
{
    if (which == 1)
        return static_cast<int>(g.CurrentEvents.size()) - 1;
    if (which == 2)
        return static_cast<int>(g.PendingEvents.size()) - 1;
    return 0;
}

namespace {

// Passes that each hold one event, without delay: a signal running along a
// chain of components, one cell or component a pass. They take the event
// straight out of the pending queue instead of swapping the queues, and
// begin the next such pass themselves. The general loop's checks are made
// in its order: the pause, the step limit, the break for the window events;
// a clock can only fall due in a break or a wait (its timer runs there), and
// two events are far within the event bound. Returns after a pass ends in a
// break, or when the next pass is not such a pass or reaches the step limit:
// the general loop then begins it, with every check. False when a stop or a
// power-off in a break ended the run.
bool SingleEventPasses(const Engine& en, CircuitTables& t, EngineState& g)
{
    EventQueue& pending = g.PendingEvents;
    // Only the window's events change the step limit.
    const int32_t limit = en.AutoStop;
    for (;;) {
        const SimEvent ev = pending[1];
        pending.truncate(1);
        // A used-up event is skipped, a waiting one held, as in the general loop.
        if (ev.Dir != Direction::None && !HoldEvent(g, ev))
            Dispatch(en, t, g, ev.X, ev.Y, ev.Dir, ev.Value != 0 ? 1 : 0, ev.Level);
        // A pass of one event counts as two slots, as the general loop's does
        // (the queue's unused first entry with it).
        if (en.context.breaks.Due(en.context.waitHooks, 2)) {
            TakeBreak(en);
            return g.EngineBusy != 0;
        }
        if (pending.size() != 2 || g.StepCount >= limit || g.DelaySetting != 0 || g.PausedFlag())
            return true;
        ++g.StepCount;
    }
}

} // namespace

void Simulate(const Engine& en)
{
    EngineState& g = en.engine;
    CircuitTables& t = en.circuit;
    g.EngineBusy = kTrue;
    int d = g.DelaySetting;
    for (;;) {
        if (g.PausedFlag())
            return;
        ++g.StepCount;
        if (d == 0 && g.StepCount > en.AutoStop) {
            Abort(en);
            return;
        }
        if (!en.circuit.Clocks.empty())
            FireDueClocks(en);
        if (g.PendingEvents.size() <= 1)
            break;
        // The step limit waits for the user while a delay is set; the memory
        // does not, so the event limit holds with any delay. The limit is read
        // from the state, not kept in a local: the pass loop needs every register.
        if (g.PendingEvents.size() > g.EventLimit) {
            Abort(en);
            return;
        }
        if (d == 0 && g.PendingEvents.size() == 2) {
            if (!SingleEventPasses(en, t, g))
                break;
            d = g.DelaySetting;
            continue;
        }
        // Swapping keeps both vectors' capacity from pass to pass.
        g.CurrentEvents.swap(g.PendingEvents);
        g.PendingEvents.resize(1);
        bool touched = false;
        for (size_t k = 1; k < g.CurrentEvents.size(); ++k) {
            SimEvent& slot = g.CurrentEvents[k];
            if (slot.Dir == Direction::None)
                continue;
            const SimEvent ev = slot;
            if (HoldEvent(g, ev)) {
                slot.Dir = Direction::None;
                continue;
            }
            touched |= ev.Level == 0;
            Dispatch(en, t, g, ev.X, ev.Y, ev.Dir, ev.Value != 0 ? 1 : 0, ev.Level);
            // The handler may have emptied the queue (a stop or a power-off).
            if (k < g.CurrentEvents.size())
                g.CurrentEvents[k].Dir = Direction::None;
        }
        d = g.DelaySetting;
        if (d > 0 && touched) {
            // The user watches each pass while the engine waits.
            en.Changes.Flush();
            WaitSeconds(d / 110.0, false, en.context.waitHooks);
            d = g.DelaySetting;
        } else if (d == 0 && en.context.breaks.Due(en.context.waitHooks, g.CurrentEvents.size())) {
            TakeBreak(en);
            // A stop or a power-off in the break ended the run, and so did any
            // run started there: the queues it shared are worked off.
            if (g.EngineBusy == 0)
                break;
            d = g.DelaySetting;
        }
    }
    en.Changes.FlushUnlessHeld();
    if (PowerPort* w = en.ports.power) {
        if (PauseOffersPause(en.engine))
            w->SetPauseEnabled(false);
        w->SetStopEnabled(false);
    }
    g.EngineBusy = kFalse;
}

void RunIfIdle(const Engine& en)
{
    if (en.engine.EngineBusy != 0)
        return;
    en.engine.StepCount = 0;
    StartRunTime(en);
    Simulate(en);
}

// ---- Dispatch and conductors ----

void RecordPiece(const CircuitTables& t, SheetChanges& changes, int x, int y, Direction dir, int v)
{
    const Grid& field = t.Levels.front().Field;
    const int fx = x - StepX(dir);
    const int fy = y - StepY(dir);
    const bool hereHigh = field.Contains(x, y) && field(x, y).Value == kTrue;
    const bool thereHigh = field.Contains(fx, fy) && field(fx, fy).Value == kTrue;
    changes.Piece(x, y, dir, v, hereHigh, thereHigh);
}

void DispatchEvent(const Engine& en, int x, int y, Direction dir, int v, int level)
{
    Dispatch(en, en.circuit, en.engine, x, y, dir, v, level);
}

void PropagateConductor(const Engine& en, int x, int y, Direction dir, int v, int level)
{
    LevelRecord* lv = LevelAt(en.circuit, level);
    if (!lv || !lv->Field.Contains(x, y))
        return;
    PropagateCell(en.engine, lv->Field(x, y), x, y, dir, v, level);
}

void ContinueConductor(const Engine& en, int x, int y, Direction dir, int v, int level)
{
    PropagateConductor(en, x, y, dir, v, level);
}

void SetWireSignal(CircuitTables& t, int level, int x, int y, Direction dir, int16_t value)
{
    LevelRecord* lv = LevelAt(t, level);
    if (!lv || !lv->Field.Contains(x, y))
        return;
    GridCell& c = lv->Field(x, y);
    if (AlongRow(dir))
        c.WireSignalH = value;
    else if (AlongColumn(dir))
        c.WireSignalV = value;
}

bool GetNeighbourValue(const CircuitTables& t, int x, int y, Direction dir, int level)
{
    if (!evaluators::ValidDirection(dir) || level < 0 || static_cast<size_t>(level) >= t.Levels.size())
        return false;
    const Grid& f = t.Levels[static_cast<size_t>(level)].Field;
    const int nx = x + StepX(dir);
    const int ny = y + StepY(dir);
    if (!f.Contains(nx, ny))
        return false;
    return f(nx, ny).Value != 0;
}

void TransferICSignal(const Engine& en, int x, int y, Direction /*dir*/, int v, int level, int mode)
{
    LevelRecord* from = LevelAt(en.circuit, level);
    if (!from || !from->Field.Contains(x, y))
        return;
    const GridCell& c = from->Field(x, y);
    const int16_t w = evaluators::Level16(v != 0);

    if (mode == 1) {
        const int n = c.ICLink;
        const int k = c.ICConnector;
        LevelRecord* inner = LevelAt(en.circuit, n);
        if (!inner || static_cast<size_t>(n) >= en.circuit.ICInstances.size())
            return;
        const ICInstanceRecord& ic = en.circuit.ICInstances[static_cast<size_t>(n)];
        if (k < 1 || k >= ic.PinStates.size())
            return;
        const CachedCell inside = ConnectorCell(en.circuit, en.engine, n, k);
        const int cx = inside.X;
        const int cy = inside.Y;
        if (!inner->Field.Contains(cx, cy))
            return;
        GridCell& ic_cell = inner->Field(cx, cy);
        const Direction d = FirstFlagDirection(ic_cell);
        SetWireSignal(en.circuit, n, cx, cy, d, w);
        ic_cell.Value = w;
        QueueEvent(en.engine, cx + StepX(d), cy + StepY(d), d, v, n);
    } else if (mode == 2) {
        if (static_cast<size_t>(level) >= en.circuit.ICInstances.size())
            return;
        const ICInstanceRecord& ic = en.circuit.ICInstances[static_cast<size_t>(level)];
        const int p = ic.ParentLevel;
        LevelRecord* parent = LevelAt(en.circuit, p);
        if (!parent)
            return;
        const int k = c.ICConnector;
        const CachedPins* cached = PowerOnPins(en.circuit, en.engine, ic.ElementNr, p);
        const CachedPins& pins = cached != nullptr ? *cached : ParsePinsCached(en.circuit, en.engine, ic.ElementNr, p);
        // The pin list skips connectors without a place on the outline, so
        // connector k is found by the connector number of its pin cell.
        for (int i = 0; i < pins.InputCount; ++i) {
            const int px = pins.In[static_cast<size_t>(i)].X;
            const int py = pins.In[static_cast<size_t>(i)].Y;
            if (!parent->Field.Contains(px, py))
                continue;
            GridCell& pc = parent->Field(px, py);
            if (pc.ICConnector != k || pc.ICLink != level)
                continue;
            const Direction d = FirstFlagDirection(pc);
            pc.Value = w;
            SetWireSignal(en.circuit, p, px, py, d, w);
            QueueEvent(en.engine, px + StepX(d), py + StepY(d), d, v, p);
            return;
        }
    }
}

void EvalZAnzeige(const Engine& en, int x, int y, Direction /*dir*/, int /*v*/, int level)
{
    if (SheetShows(en, level))
        en.Changes.Element(ElementType::SevenSegment, x, y);
}

