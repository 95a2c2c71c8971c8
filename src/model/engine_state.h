#pragma once
// Flags through which the rest of the program starts, pauses, stops and
// watches the engine, and the engine's queues. The step limit AutoStop is
// kept with the settings.
#include <QString>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <utility>
#include <vector>

#include "model/records.h"

// One queued event. Coordinates and level are full integers so that no grid
// size or level count wraps them.
struct SimEvent {
    int X = 0;
    int Y = 0;
    Direction Dir = Direction::None; // None: used up
    // Passes the event still waits before it is dispatched. Each event
    // waits on its own, so later events from one source never overtake it.
    uint8_t Hold = 0;
    int16_t Value = 0; // -1 High, 0 Low
    int Level = 0;
};
static_assert(sizeof(SimEvent) == 16, "the queues walk events of 16 bytes");

// A queue of events that keeps its storage from pass to pass. Its length is
// a member of its own: the engine checks it right after every append, and a
// length worked out from two pointers, one of them just written, stalls the
// processor on that check.
class EventQueue {
public:
    EventQueue() = default;
    EventQueue(std::initializer_list<SimEvent> events) : items_(events), size_(events.size()) {}

    size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    SimEvent& operator[](size_t k) { return items_[k]; }
    const SimEvent& operator[](size_t k) const { return items_[k]; }
    SimEvent* begin() { return items_.data(); }
    SimEvent* end() { return items_.data() + size_; }
    const SimEvent* begin() const { return items_.data(); }
    const SimEvent* end() const { return items_.data() + size_; }

    [[gnu::always_inline]] void push_back(const SimEvent& ev)
    {
        if (size_ == items_.size()) [[unlikely]]
            Grow();
        items_[size_++] = ev;
    }
    // Shortens, or lengthens with empty events.
    void resize(size_t n)
    {
        if (n > items_.size())
            items_.resize(n);
        for (size_t k = size_; k < n; ++k)
            items_[k] = SimEvent{};
        size_ = n;
    }
    void clear() { size_ = 0; }
    // Keeps the first n events (n at most size()).
    void truncate(size_t n) { size_ = n; }
    void swap(EventQueue& o) noexcept
    {
        items_.swap(o.items_);
        std::swap(size_, o.size_);
    }
    friend void swap(EventQueue& a, EventQueue& b) noexcept { a.swap(b); }

private:
    [[gnu::noinline]] void Grow() { items_.resize(2 * size_ + 16); }

    std::vector<SimEvent> items_;
    size_t size_ = 0;
};

// Pins of one element, parsed once per power-on.
struct CachedPins {
    bool valid = false;
    // The element's orientation, kept beside its first pins: the evaluators
    // need both, and one cache line then serves an evaluation.
    ::Orientation Orientation = ::Orientation::None;
    int16_t InputCount = 0;
    int16_t OutputCount = 0;
    PinTable In{};
    PinTable Out{};
};

// A cell position read from a text field list once.
struct CachedCell {
    bool valid = false;
    int X = 0;
    int Y = 0;
};

// The smallest and the largest limit of the events a run may hold for its
// next pass.
inline constexpr size_t kFewestEventsHeld = size_t{1} << 16;
inline constexpr size_t kMostEventsHeld = size_t{1} << 20;

// The run as the power panel shows it; the panel derives its status text and
// the pause button's caption from it. It is also the one record of whether
// the user has paused the run.
enum class RunState : uint8_t {
    Off,          // the power is off: nothing runs, as after a run
    SwitchingOn,  // the components are being initialised
    Ready,
    Running,      // a run the user watches (one with a delay)
    Paused,
    Aborted,      // the step limit ended the last run
    SwitchingOff,
};

struct EngineState {
    int16_t PowerFlag = 0;
    int16_t EngineBusy = 0;
    int16_t AbortFlag = 0;
    // Wide so that long delayed runs cannot wrap it.
    int32_t StepCount = 0;
    // The most events a run may hold for its next pass, set from the cells
    // the circuit uses at each power-on (EventLimit, engine.h).
    size_t EventLimit = kFewestEventsHeld;
    int16_t DelaySetting = 0;
    int16_t InnerLevelShown = 0;
    int16_t SwitchingOff = 0;
    int16_t InitDepth = 0;
    RunState Run = RunState::Off;

    // The user has paused the engine: the run returns at the top of its next
    // pass and keeps its queues until the pause is continued.
    bool PausedFlag() const { return Run == RunState::Paused; }

    // Entry 0 of each queue is never used; the vectors keep their capacity.
    EventQueue PendingEvents{SimEvent{}};
    EventQueue CurrentEvents{SimEvent{}};

    // PinCache[level][element]; ScratchPins serves while the power is off.
    std::vector<std::vector<CachedPins>> PinCache;
    // ConnectorCells[IC level][connector]: the inner cell of each IC
    // connector, read from its PinStates entry once per power-on.
    std::vector<std::vector<CachedCell>> ConnectorCells;
    CachedPins ScratchPins;
    // Counts power-ons, so that a switch-on interrupted by a power cycle in
    // one of its waits notices it.
    uint32_t PowerCycle = 0;
};
