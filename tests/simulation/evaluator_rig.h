#pragma once
// A powered-on level 0 built cell by cell, with a pass loop that works the
// queue off the way the engine does, so that tests can count passes.
#include <functional>
#include <vector>

#include "model/pin_lists.h"
#include "model/state.h"
#include "platform/recording_surface.h"
#include "render/clsGrafik.h"
#include "render/sheet_view.h"
#include "editing/engine_binding.h"
#include "simulation/engine.h"
#include "simulation/evaluators.h"

// Whether the queue holds an event for (x, y) in direction dir at that level.
inline bool HasEvent(const std::vector<SimEvent>& q, int x, int y, Direction dir, bool high)
{
    for (const SimEvent& ev : q)
        if (ev.X == x && ev.Y == y && ev.Dir == dir && (ev.Value != 0) == high)
            return true;
    return false;
}

class EvaluatorRig {
public:
    explicit EvaluatorRig(int maxX = 40, int maxY = 30) : grafik(s, &surface)
    {
        s.circuit.MaxX = static_cast<int16_t>(maxX);
        s.circuit.MaxY = static_cast<int16_t>(maxY);
        s.circuit.P.Redim(maxX + 1, maxY + 1);
        s.circuit.Elements.assign(1, ElementRecord{});
        s.circuit.Levels.assign(1, LevelRecord{});
        LevelRecord& lv = s.circuit.Levels[0];
        lv.Width = s.circuit.MaxX;
        lv.Height = s.circuit.MaxY;
        lv.Field.Redim(maxX + 1, maxY + 1);
        lv.Elements.assign(1, ElementRecord{});
        s.CurrentLevel = 0;
        s.ToolMode = ToolCode::SimulationRunning;
        s.engine.PowerFlag = kTrue;
        e.evaluators = StandardEvaluators();
    }

    ProgramState s;
    EngineContext e;
    RecordingSurface surface;
    clsGrafik grafik;
    SheetView view{s, grafik, &surface};

    // The view draws what the evaluators changed, as the engine has it before each wait.
    void Drawn() { s.Changes.Flush(); }

    GridCell& C(int x, int y, int level = 0) { return s.circuit.Levels[static_cast<size_t>(level)].Field(x, y); }
    ElementRecord& El(int c, int level = 0) { return s.circuit.Levels[static_cast<size_t>(level)].Elements[static_cast<size_t>(c)]; }
    bool High(int x, int y, int level = 0) { return C(x, y, level).Value != 0; }

    // Adds an element covering columns x1..x2 and rows y1..y2 of level 0 (and P).
    int Add(uint8_t type, Orientation orientation, int x1, int y1, int x2, int y2, const std::vector<PinPos>& in,
            const std::vector<PinPos>& out)
    {
        ElementRecord r;
        r.Type = type;
        r.Orientation = orientation;
        r.InPinList = PinListText(in);
        r.OutPinList = PinListText(out);
        LevelRecord& lv = s.circuit.Levels[0];
        const int n = static_cast<int>(lv.Elements.size());
        r.SelfIndex = static_cast<int16_t>(n);
        lv.Elements.push_back(r);
        s.circuit.Elements.push_back(r);
        for (int x = x1; x <= x2; ++x)
            for (int y = y1; y <= y2; ++y)
                Both(x, y, [&](GridCell& c) {
                    c.Type = type;
                    c.ElementNr = static_cast<int16_t>(n);
                });
        return n;
    }

    // Two-input gate facing right anchored at (x, y): inputs (x, y-1) and
    // (x, y+1), output (x+2, y).
    int Gate2(uint8_t type, int x, int y)
    {
        return Add(type, Orientation::Right, x, y - 1, x + 2, y + 1, {{P(x), P(y - 1)}, {P(x), P(y + 1)}},
                   {{P(x + 2), P(y)}});
    }

    // A straight conductor; component cells keep their type and get the flags.
    void HWire(int x1, int x2, int y)
    {
        for (int x = x1; x <= x2; ++x)
            Both(x, y, [&](GridCell& c) {
                if (c.Type == 0)
                    c.Type = 1;
                if (x > x1)
                    c.ConLeft = kTrue;
                if (x < x2)
                    c.ConRight = kTrue;
            });
    }
    void VWire(int x, int y1, int y2)
    {
        for (int y = y1; y <= y2; ++y)
            Both(x, y, [&](GridCell& c) {
                if (c.Type == 0)
                    c.Type = 1;
                if (y > y1)
                    c.ConUp = kTrue;
                if (y < y2)
                    c.ConDown = kTrue;
            });
    }
    void SetMarker(int x, int y, int16_t m)
    {
        Both(x, y, [&](GridCell& c) { c.Marker = m; });
    }

    // Sets a pin's level as if an event had just stored it.
    void SetPin(int x, int y, bool high) { C(x, y).Value = high ? kTrue : kFalse; }

    void Send(int x, int y, Direction dir, bool high) { QueueEvent(s.engine, x, y, dir, high ? 1 : 0, 0); }

    // Pending events without the unused entry 0.
    std::vector<SimEvent> Pending() const
    {
        const auto& q = s.engine.PendingEvents;
        return std::vector<SimEvent>(q.begin() + 1, q.end());
    }
    void ClearPending() { s.engine.PendingEvents.resize(1); }

    // One pass: every pending event is dispatched; what they queue waits.
    int Pass()
    {
        std::vector<SimEvent> current = Pending();
        ClearPending();
        for (const SimEvent& ev : current)
            if (ev.Dir != Direction::None && !HoldEvent(s.engine, ev))
                DispatchEvent(EngineOf(s, e), ev.X, ev.Y, ev.Dir, ev.Value != 0 ? 1 : 0, ev.Level);
        ++passes;
        Drawn();
        return static_cast<int>(current.size());
    }
    // Passes until nothing is pending; the number of passes that ran.
    int Settle(int limit = 2000)
    {
        int n = 0;
        while (Pending().size() > 0 && n < limit) {
            Pass();
            ++n;
        }
        return n;
    }
    // Runs passes until the test holds; the pass count (since construction) at
    // which it first held, or -1.
    int PassWhen(const std::function<bool()>& test, int limit = 500)
    {
        for (int n = 0; n < limit && !Pending().empty(); ++n) {
            Pass();
            if (test())
                return passes;
        }
        return -1;
    }

    int passes = 0;

private:
    static int16_t P(int v) { return static_cast<int16_t>(v); }
    template <typename F>
    void Both(int x, int y, F f)
    {
        f(s.circuit.Levels[0].Field(x, y));
        f(s.circuit.P(x, y));
    }
};
