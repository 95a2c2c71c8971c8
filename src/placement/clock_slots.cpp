#include "placement/clock_slots.h"

#include <algorithm>

#include "model/defaults.h"
#include "model/field_list.h"
#include "model/geometry.h"
#include "model/ports/clock_timer_port.h"
#include "model/state.h"
#include "placement/placement_context.h"
#include "placement/placement_frame.h"
#include "placement/undo_texts.h"
#include "platform/numeric.h"

namespace {

constexpr int16_t kStartPhaseMs = 1000;
constexpr int kStoredSlotFields = 7;

// Without a window (t null) the slots stand for the timer members.
int TimerUBound(const Circuit& s, const ClockTimerPort* t)
{
    return t ? t->ClockTimerUBound() : static_cast<int>(s.Clocks.size()) - 1;
}

int TimerInterval(const ClockTimerPort* t, int k)
{
    return t ? t->ClockTimerInterval(k) : 0;
}

void SetTimerInterval(ClockTimerPort* t, int k, int ms)
{
    if (t)
        t->SetClockTimerInterval(k, ms);
}

// Adds timer member u+1 and returns the new upper bound.
int AddTimerMember(ClockTimerPort* t, int u)
{
    if (t == nullptr)
        return u + 1;
    t->AddClockTimer();
    return t->ClockTimerUBound();
}

void ResizeSlots(Circuit& s, int u)
{
    s.Clocks.resize(static_cast<size_t>(u + 1));
}

// Slot `to` takes slot `from`; the element number is shifted.
void CopySlot(Circuit& s, ClockTimerPort* timers, int to, int from, int elementShift)
{
    ClockSlot& t = s.Clocks[to];
    // A waiting tick belongs to the timer member, which stays where it is.
    const int16_t trigger = t.ClockTrigger;
    t = s.Clocks[from];
    t.ClockElement = static_cast<int16_t>(t.ClockElement + elementShift);
    t.ClockTrigger = trigger;
    SetTimerInterval(timers, to, TimerInterval(timers, from));
}

Layout ClockLayout(Orientation o, int X, int Y)
{
    switch (o) {
    case Orientation::Left: return {{X - 3, Y - 1, X, Y + 1}, {At(X - 2, Y + 1)}, {At(X - 3, Y)}};
    case Orientation::Up: return {{X - 1, Y - 3, X + 1, Y}, {At(X + 1, Y - 1)}, {At(X, Y - 3)}};
    case Orientation::Down: return {{X - 1, Y, X + 1, Y + 3}, {At(X + 1, Y + 1)}, {At(X, Y + 3)}};
    default: return {{X, Y - 1, X + 3, Y + 1}, {At(X + 2, Y + 1)}, {At(X + 3, Y)}};
    }
}

int16_t Bool16(double v)
{
    return v != 0 ? kTrue : kFalse;
}

} // namespace

void SetTimer(PlacementContext& c)
{
    ProgramState& s = c.s;
    const Orientation o = s.PlaceOrientation;
    if (!ValidOrientation(o) || s.circuit.ClockCount >= kMaxClockGenerators)
        return;
    const Layout l = ClockLayout(o, s.CursorX, s.CursorY);
    if (!InsideBorder(s.circuit, l.area)
        || IsAreaOccupied(s.circuit, static_cast<int16_t>(l.area.x1), static_cast<int16_t>(l.area.y1),
                          static_cast<int16_t>(l.area.x2), static_cast<int16_t>(l.area.y2)))
        return;
    const int16_t n = PlaceLayout(s.circuit, c.objUndo, l, ElementType::ClockGenerator, o, UndoText::PlaceClock);
    const uint8_t used = s.circuit.ClockCount;
    ++s.circuit.ClockCount;
    int u = TimerUBound(s.circuit, s.ports.clockTimers);
    if (used != 0)
        u = AddTimerMember(s.ports.clockTimers, u);
    ResizeSlots(s.circuit, u);
    ClockSlot& slot = s.circuit.Clocks[u];
    slot.ClockElement = n;
    slot.ClockHigh = kStartPhaseMs;
    slot.ClockLow = kStartPhaseMs;
    slot.ClockLinked = kTrue;
    slot.ClockCycles = 1;
    // Slot 0 may still hold the run state of a removed generator.
    slot.ClockCounter = 0;
    slot.ClockOutputHigh = kFalse;
    s.Changes.Element(ElementType::ClockGenerator, s.CursorX, s.CursorY, o);
}

void RemoveTimer(PlacementContext& c)
{
    ProgramState& s = c.s;
    const FoundElement f = ElementAt(s.circuit, {s.CursorX, s.CursorY}, {ElementType::ClockGenerator});
    const auto r = f ? FootprintOf(s.circuit, f) : std::nullopt;
    if (!r)
        return;
    const int16_t n = f.n;
    // The slot goes into the Label first, so that the undo step keeps it.
    const int used = std::min<int>(s.circuit.ClockCount, static_cast<int>(s.circuit.Clocks.size()));
    for (int k = 0; k < used; ++k) {
        if (s.circuit.Clocks[k].ClockElement == n) {
            RemoveTimerSlot(s.circuit, s.ports.clockTimers, s.SelectedClock, static_cast<int16_t>(k));
            break;
        }
    }
    RemoveLayout(c, n, *r, UndoText::DeleteClock, 2);
}

void RemoveTimerSlot(Circuit& s, ClockTimerPort* timers, int16_t& selectedClock, int16_t slot)
{
    const int u = TimerUBound(s, timers);
    if (slot < 0 || slot >= s.ClockCount || slot > u || static_cast<size_t>(slot) >= s.Clocks.size())
        return;
    const ClockSlot& c = s.Clocks[slot];
    const int16_t e = c.ClockElement;
    if (e >= 1 && e <= s.ElementCount()) {
        QString stored;
        for (int v : {static_cast<int>(slot), static_cast<int>(c.ClockHigh), static_cast<int>(c.ClockLow),
                      static_cast<int>(c.ClockLinked), static_cast<int>(c.ClockCycles), static_cast<int>(c.ClockOutputHigh),
                      TimerInterval(timers, slot)})
            stored += QString::number(v) + QLatin1Char(';');
        s.Elements[e].Label = stored;
    }
    if (u >= 1 && static_cast<size_t>(u) < s.Clocks.size()) {
        // The generators after it lose one element number with its removal.
        for (int k = slot; k < u; ++k)
            CopySlot(s, timers, k, k + 1, -1);
        if (timers)
            timers->RemoveLastClockTimer();
        ResizeSlots(s, u - 1);
    }
    if (s.ClockCount > 0)
        --s.ClockCount;
    // The idle slot is written to the file: without a generator it reads as
    // in a new circuit, so that undoing a placement gives back the same file.
    if (s.ClockCount == 0) {
        ResetClockSlots(s, 0);
        selectedClock = 0;
    }
}

void RestoreTimer(Circuit& s, ClockTimerPort* timers, int16_t n)
{
    if (n < 1 || static_cast<size_t>(n) >= s.Elements.size() || s.ClockCount >= kMaxClockGenerators)
        return;
    ElementRecord& r = s.Elements[n];
    const QString stored = r.Label;
    r.Label.clear();
    const int used = std::min<int>(s.ClockCount, static_cast<int>(s.Clocks.size()));
    int slot = 0;
    int16_t high = kStartPhaseMs;
    int16_t low = kStartPhaseMs;
    int16_t linked = kTrue;
    int cycles = 1;
    int16_t outputHigh = kFalse;
    int interval = 0;
    if (stored.count(QLatin1Char(';')) >= kStoredSlotFields) {
        auto field = [&stored](int i) { return Val(GetField(stored, i)); };
        slot = std::clamp(static_cast<int>(field(1)), 0, used);
        high = static_cast<int16_t>(std::clamp(field(2), -32768.0, 32767.0));
        low = static_cast<int16_t>(std::clamp(field(3), -32768.0, 32767.0));
        linked = Bool16(field(4));
        cycles = std::clamp(static_cast<int>(field(5)), 0, 255);
        outputHigh = Bool16(field(6));
        interval = static_cast<int>(std::clamp(field(7), 0.0, 2147483647.0));
    } else {
        // No stored slot: a fresh one in element order.
        while (slot < used && s.Clocks[slot].ClockElement < n)
            ++slot;
    }
    int u = TimerUBound(s, timers);
    if (s.ClockCount != 0)
        u = AddTimerMember(timers, u);
    ResizeSlots(s, u);
    // The generators after the re-inserted one have moved up by one element.
    for (int k = u - 1; k >= slot; --k)
        CopySlot(s, timers, k + 1, k, 1);
    ClockSlot& c = s.Clocks[slot];
    c.ClockElement = n;
    c.ClockHigh = high;
    c.ClockLow = low;
    c.ClockLinked = linked;
    c.ClockCycles = static_cast<uint8_t>(cycles);
    c.ClockOutputHigh = outputHigh;
    SetTimerInterval(timers, slot, interval);
    ++s.ClockCount;
}
