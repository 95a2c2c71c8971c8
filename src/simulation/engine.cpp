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

namespace {

void Abort(ProgramState& s, EngineContext& e)
{
    SetRunState(s, RunState::Aborted);
    ClearQueues(s);
    s.engine.StepCount = 0;
    // The window switches off and shows it; without a window the engine does
    // it itself, so the power is off either way.
    if (s.ports.power)
        s.ports.power->SwitchPowerOff();
    if (s.engine.PowerFlag != 0)
        PowerOnOff(s, e);
    // The power is off, and the panel keeps telling why.
    SetRunState(s, RunState::Aborted);
    s.Changes.Flush();
    if (e.dialogs) {
        QString text = LoadResString(2576);
        text.replace(QStringLiteral("\\n"), QStringLiteral("\r\n"));
        e.dialogs->ShowMessage(text, MessageButtons::OK, MessageIcon::Exclamation, LoadResString(2577));
    }
    s.engine.AbortFlag = kTrue;
}

inline int16_t Level16(int v) { return v != 0 ? kTrue : kFalse; }

inline int StepX(int dir) { return dir == 1 ? -1 : (dir == 2 ? 1 : 0); }
inline int StepY(int dir) { return dir == 3 ? -1 : (dir == 4 ? 1 : 0); }

// Direction out of a cell by its first connection flag, in the order left, right, up, down.
int FirstFlagDirection(const GridCell& c)
{
    if (c.ConLeft != 0)
        return 1;
    if (c.ConRight != 0)
        return 2;
    if (c.ConUp != 0)
        return 3;
    if (c.ConDown != 0)
        return 4;
    return 0;
}

} // namespace

void SetRunState(ProgramState& s, RunState state)
{
    s.engine.Run = state;
    if (s.ports.power)
        s.ports.power->ShowRunState(state);
}

bool PauseOffersPause(const ProgramState& s)
{
    return s.engine.Run != RunState::Paused;
}

// ---- The pass loop's inner steps ----

namespace {

// The conductor step on the cell (x, y) of `level`, already looked up.
[[gnu::always_inline]] inline void PropagateCell(ProgramState& s, GridCell& c, int x, int y, int dir, int v, int level)
{
    // Straight on, or a dead end: most cells of a conductor.
    if (dir == 1 || dir == 2) {
        if (c.ConUp == 0 && c.ConDown == 0) {
            if ((dir == 1 ? c.ConLeft : c.ConRight) != 0)
                QueueEvent(s, x + (dir == 1 ? -1 : 1), y, dir, v, level);
            return;
        }
    } else if (dir == 3 || dir == 4) {
        if (c.ConLeft == 0 && c.ConRight == 0) {
            if ((dir == 3 ? c.ConUp : c.ConDown) != 0)
                QueueEvent(s, x, y + (dir == 3 ? -1 : 1), dir, v, level);
            return;
        }
    }

    const int16_t w = Level16(v);
    const bool junction = c.Marker != 0; // juncture or coupling diode
    const bool juncture = c.Marker == kTrue;

    auto queue = [&](int d) { QueueEvent(s, x + StepX(d), y + StepY(d), d, v, level); };

    if (dir == 1 || dir == 2) {
        const bool ahead = (dir == 1 ? c.ConLeft : c.ConRight) != 0;
        const bool up = c.ConUp != 0;
        const bool down = c.ConDown != 0;
        if (!up && !down) {
            // Handled above.
        } else if (!ahead && up && !down) {
            c.WireSignalV = w;
            queue(3);
        } else if (!ahead && !up && down) {
            c.WireSignalV = w;
            queue(4);
        } else if (!ahead && up && down) {
            if (junction) {
                c.WireSignalV = w;
                queue(3);
                queue(4);
            }
        } else if (ahead && up && down) {
            queue(dir);
            if (junction) {
                c.WireSignalV = w;
                queue(3);
                queue(4);
            }
        } else if (ahead && up) {
            if (junction)
                c.WireSignalV = w;
            queue(dir);
            if (junction)
                queue(3);
        } else if (ahead && down) {
            queue(dir);
            if (junction) {
                c.WireSignalV = w;
                queue(4);
            }
        }
    } else if (dir == 3 || dir == 4) {
        const bool ahead = (dir == 3 ? c.ConUp : c.ConDown) != 0;
        const bool left = c.ConLeft != 0;
        const bool right = c.ConRight != 0;
        if (!left && !right) {
            // Handled above.
        } else if (!ahead && left && !right) {
            c.WireSignalH = w;
            queue(1);
        } else if (!ahead && !left && right) {
            c.WireSignalH = w;
            queue(2);
        } else if (!ahead && left && right) {
            if (juncture) {
                c.WireSignalH = w;
                queue(1);
                queue(2);
            }
        } else if (ahead && left && right) {
            if (juncture) {
                c.WireSignalH = w;
                queue(1);
                queue(2);
            }
            queue(dir);
        } else if (ahead && right) {
            if (!juncture) {
                queue(dir);
            } else if (dir == 4) {
                c.WireSignalH = w;
                queue(2);
                queue(dir);
            } else {
                queue(dir);
                c.WireSignalH = w;
                queue(2);
            }
        } else if (ahead && left) {
            queue(dir);
            if (juncture) {
                c.WireSignalH = w;
                queue(1);
            }
        }
    }
}

void FireDueClocks(ProgramState& s, EngineContext& e)
{
    const ClockSlot* first = s.Clocks.data();
    for (const ClockSlot* c = first; c != std::to_address(s.Clocks.end()); ++c) {
        if (c->ClockTrigger == 0)
            continue;
        const size_t i = static_cast<size_t>(c - first);
        ClockTick(s, e, static_cast<int16_t>(i));
        // The tick may not touch the slot table, but find the slot afresh all the same.
        first = s.Clocks.data();
        if (!Holds(s.Clocks, i))
            break;
        s.Clocks[i].ClockTrigger = kFalse;
        c = first + i;
    }
}

[[gnu::always_inline]] inline void Dispatch(ProgramState& s, EngineContext& e, int x, int y, int dir, int v, int level)
{
    LevelRecord* lv = LevelAt(s, level);
    if (!lv || !lv->Field.Contains(x, y))
        return;
    GridCell& c = lv->Field(x, y);

    if (c.PostponeCount > 0) {
        --c.PostponeCount;
        QueueEvent(s, x, y, dir, v, level);
        return;
    }

    // The connection count is needed only on the rarer branches below.
    auto connections = [&c] { return (c.ConLeft != 0) + (c.ConRight != 0) + (c.ConUp != 0) + (c.ConDown != 0); };
    const bool horizontal = dir == 1 || dir == 2;
    const bool vertical = dir == 3 || dir == 4;
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
                || (vertical && !(GetNeighbourValue(s, x, y, 2, level) && GetNeighbourValue(s, x, y, 1, level)))) {
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

    if (level == 0 && SheetShows(s, 0))
        RecordPiece(s, x, y, dir, v);

    if (c.Type == ElementType::Conductor) {
        if (c.ICConnector == 0)
            PropagateCell(s, c, x, y, dir, v, level);
        else if (level != 0)
            TransferICSignal(s, e, x, y, dir, v, level, 2);
        return;
    }
    switch (c.Type) {
    case ElementType::AnalysisSensor: {
        const int n = c.ElementNr;
        if (n > 0 && static_cast<size_t>(n) < lv->Elements.size())
            lv->Elements[static_cast<size_t>(n)].State = Level16(v);
        if (ProbePort* probes = s.ports.probes)
            probes->AnalyserProbeEvent(SampleSensors(s));
        // The analyzer may not move the grid, but read the cell afresh all the same.
        LevelRecord* again = LevelAt(s, level);
        if (!again || !again->Field.Contains(x, y))
            return;
        const GridCell& cell = again->Field(x, y);
        if (cell.ICConnector == 0)
            ContinueConductor(s, e, x, y, dir, v, level);
        else if (level != 0)
            TransferICSignal(s, e, x, y, dir, v, level, 2);
        return;
    }
    case ElementType::SevenSegment:
        EvalZAnzeige(s, e, x, y, dir, v, level);
        return;
    case ElementType::IC:
        if (c.ICLink != 0)
            TransferICSignal(s, e, x, y, dir, v, level, 1);
        return;
    default:
        if (Evaluator f = e.evaluators[c.Type])
            f(s, e, x, y, dir, v, level);
        return;
    }
}

} // namespace

// ---- Queues and the pass loop ----

// A juncture passes on every High it gets, so a block of junctures can
// multiply a run's events from pass to pass; such a run would fill the memory
// long before the step limit, which counts passes, ends it. A circuit that
// settles holds far fewer events than it has cells (the test and benchmark
// circuits at most one for every 25 cells), so eight per cell of all levels,
// and never fewer than 65,536 (1 MiB of events), leaves every such circuit
// alone and still ends a runaway run within a fraction of a second.
size_t EventLimit(const ProgramState& s)
{
    constexpr size_t kEventsPerCell = 8;
    size_t cells = 0;
    for (const LevelRecord& lv : s.Levels)
        cells += static_cast<size_t>(lv.Field.UBoundX() + 1) * static_cast<size_t>(lv.Field.UBoundY() + 1);
    return std::max(kFewestEventsHeld, kEventsPerCell * cells);
}

void ClearQueues(ProgramState& s)
{
    s.engine.PendingEvents.resize(1);
    s.engine.CurrentEvents.resize(1);
    s.engine.EngineBusy = kFalse;
}

int QueueCount(const ProgramState& s, int which)
{
    if (which == 1)
        return static_cast<int>(s.engine.CurrentEvents.size()) - 1;
    if (which == 2)
        return static_cast<int>(s.engine.PendingEvents.size()) - 1;
    return 0;
}

void Simulate(ProgramState& s, EngineContext& e)
{
    EngineState& g = s.engine;
    g.EngineBusy = kTrue;
    int d = g.DelaySetting;
    for (;;) {
        if (g.PausedFlag != 0)
            return;
        ++g.StepCount;
        if (d == 0 && g.StepCount > s.AutoStop) {
            Abort(s, e);
            return;
        }
        if (!s.Clocks.empty())
            FireDueClocks(s, e);
        if (g.PendingEvents.size() <= 1)
            break;
        // The step limit waits for the user while a delay is set; the memory
        // does not, so the event limit holds with any delay. The limit is read
        // from the state, not kept in a local: the pass loop needs every register.
        if (g.PendingEvents.size() > g.EventLimit) {
            Abort(s, e);
            return;
        }
        // Swapping keeps both vectors' capacity from pass to pass.
        g.CurrentEvents.swap(g.PendingEvents);
        g.PendingEvents.resize(1);
        bool touched = false;
        for (size_t k = 1; k < g.CurrentEvents.size(); ++k) {
            SimEvent& slot = g.CurrentEvents[k];
            if (slot.Dir == 0)
                continue;
            const SimEvent ev = slot;
            if (HoldEvent(s, ev)) {
                slot.Dir = 0;
                continue;
            }
            touched |= ev.Level == 0;
            Dispatch(s, e, ev.X, ev.Y, ev.Dir, ev.Value != 0 ? 1 : 0, ev.Level);
            // The handler may have emptied the queue (a stop or a power-off).
            if (k < g.CurrentEvents.size())
                g.CurrentEvents[k].Dir = 0;
        }
        d = g.DelaySetting;
        if (d > 0 && touched) {
            // The user watches each pass while the engine waits.
            s.Changes.Flush();
            WaitSeconds(d / 110.0, false, e.waitHooks);
            d = g.DelaySetting;
        }
    }
    s.Changes.Flush();
    if (PowerPort* w = s.ports.power) {
        if (PauseOffersPause(s))
            w->SetPauseEnabled(false);
        w->SetStopEnabled(false);
    }
    g.EngineBusy = kFalse;
}

void RunIfIdle(ProgramState& s, EngineContext& e)
{
    if (s.engine.EngineBusy != 0)
        return;
    s.engine.StepCount = 0;
    Simulate(s, e);
}

// ---- Dispatch and conductors ----

void RecordPiece(ProgramState& s, int x, int y, int dir, int v)
{
    const Grid& field = s.Levels.front().Field;
    const int fx = x - StepX(dir);
    const int fy = y - StepY(dir);
    const bool hereHigh = field.Contains(x, y) && field(x, y).Value == kTrue;
    const bool thereHigh = field.Contains(fx, fy) && field(fx, fy).Value == kTrue;
    s.Changes.Piece(x, y, dir, v, hereHigh, thereHigh);
}

void DispatchEvent(ProgramState& s, EngineContext& e, int x, int y, int dir, int v, int level)
{
    Dispatch(s, e, x, y, dir, v, level);
}

void PropagateConductor(ProgramState& s, EngineContext& /*e*/, int x, int y, int dir, int v, int level)
{
    LevelRecord* lv = LevelAt(s, level);
    if (!lv || !lv->Field.Contains(x, y))
        return;
    PropagateCell(s, lv->Field(x, y), x, y, dir, v, level);
}

void ContinueConductor(ProgramState& s, EngineContext& e, int x, int y, int dir, int v, int level)
{
    PropagateConductor(s, e, x, y, dir, v, level);
}

void SetWireSignal(ProgramState& s, int level, int x, int y, int dir, int16_t value)
{
    LevelRecord* lv = LevelAt(s, level);
    if (!lv || !lv->Field.Contains(x, y))
        return;
    GridCell& c = lv->Field(x, y);
    if (dir == 1 || dir == 2)
        c.WireSignalH = value;
    else if (dir == 3 || dir == 4)
        c.WireSignalV = value;
}

bool GetNeighbourValue(const ProgramState& s, int x, int y, int dir, int level)
{
    if (dir < 1 || dir > 4 || level < 0 || static_cast<size_t>(level) >= s.Levels.size())
        return false;
    const Grid& f = s.Levels[static_cast<size_t>(level)].Field;
    const int nx = x + StepX(dir);
    const int ny = y + StepY(dir);
    if (!f.Contains(nx, ny))
        return false;
    return f(nx, ny).Value != 0;
}

void TransferICSignal(ProgramState& s, EngineContext& /*e*/, int x, int y, int /*dir*/, int v, int level, int mode)
{
    LevelRecord* from = LevelAt(s, level);
    if (!from || !from->Field.Contains(x, y))
        return;
    const GridCell& c = from->Field(x, y);
    const int16_t w = Level16(v);

    if (mode == 1) {
        const int n = c.ICLink;
        const int k = c.ICConnector;
        LevelRecord* inner = LevelAt(s, n);
        if (!inner || static_cast<size_t>(n) >= s.ICInstances.size())
            return;
        const ICInstanceRecord& ic = s.ICInstances[static_cast<size_t>(n)];
        if (k < 1 || k >= ic.PinStates.size())
            return;
        const CachedCell inside = ConnectorCell(s, n, k);
        const int cx = inside.X;
        const int cy = inside.Y;
        if (!inner->Field.Contains(cx, cy))
            return;
        GridCell& ic_cell = inner->Field(cx, cy);
        const int d = FirstFlagDirection(ic_cell);
        SetWireSignal(s, n, cx, cy, d, w);
        ic_cell.Value = w;
        QueueEvent(s, cx + StepX(d), cy + StepY(d), d, v, n);
    } else if (mode == 2) {
        if (static_cast<size_t>(level) >= s.ICInstances.size())
            return;
        const ICInstanceRecord& ic = s.ICInstances[static_cast<size_t>(level)];
        const int p = ic.ParentLevel;
        LevelRecord* parent = LevelAt(s, p);
        if (!parent)
            return;
        const int k = c.ICConnector;
        const CachedPins* cached = PowerOnPins(s, ic.ElementNr, p);
        const CachedPins& pins = cached != nullptr ? *cached : ParsePinsCached(s, ic.ElementNr, p);
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
            const int d = FirstFlagDirection(pc);
            pc.Value = w;
            SetWireSignal(s, p, px, py, d, w);
            QueueEvent(s, px + StepX(d), py + StepY(d), d, v, p);
            return;
        }
    }
}

void EvalZAnzeige(ProgramState& s, EngineContext& /*e*/, int x, int y, int /*dir*/, int /*v*/, int level)
{
    if (SheetShows(s, level))
        s.Changes.Element(ElementType::SevenSegment, x, y);
}

