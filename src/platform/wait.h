#pragma once
// Timed waits that let the window system run in the meantime.
#include <cstddef>
#include <functional>

// What a wait needs of the outside world; tests script it.
struct WaitHooks {
    // Seconds on a clock that only moves forward (never the time of day).
    std::function<double()> now;
    // Runs the pending window events.
    std::function<void()> pumpEvents;
    // Gives the processor away for at most the given seconds; may be empty.
    std::function<void(double)> idle;
};

// A steady clock, QCoreApplication::processEvents and a short sleep.
WaitHooks RealWaitHooks();

// Returns once more than `seconds` have passed since the call; in every round
// the pending events run unless noEvents. A negative or NaN time returns at once.
void WaitSeconds(double seconds, bool noEvents);
void WaitSeconds(double seconds, bool noEvents, const WaitHooks& hooks);

// Lets the window events run now and then while one handler works for long
// (a run without delay), so that the window keeps answering: at least every
// `interval` seconds of the work.
class EventBreaks {
public:
    explicit EventBreaks(double interval = 0.1) : interval_(interval) {}
    // The events have just run: the interval counts from now. The clock is
    // read only once the work reaches the first reading: most runs end long
    // before, and a reading costs as much as a short run's events; the few
    // microseconds of work before it are no matter beside the interval.
    void Restart()
    {
        work_ = 0;
        started_ = false;
    }
    // Counts `work` units done; true once the interval has passed since the
    // last restart or break. The clock is read only every so many units.
    bool Due(const WaitHooks& hooks, size_t work)
    {
        work_ += work;
        return work_ >= kWorkBetweenReads && Elapsed(hooks);
    }
    // Runs the pending events and restarts the interval.
    void Take(const WaitHooks& hooks);

private:
    // Some tens of microseconds of a run's events between two readings.
    static constexpr size_t kWorkBetweenReads = 1024;
    bool Elapsed(const WaitHooks& hooks);

    double interval_;
    double since_ = 0;
    size_t work_ = 0;
    bool started_ = false; // since_ read for this interval
};

// Runs work on a thread of its own and returns once it is done; meanwhile the
// calling thread's events run, and tick runs there every tickMs. What work
// throws is thrown here. Without an application object work runs at once.
void RunAside(const std::function<void()>& work, const std::function<void()>& tick, int tickMs = 50);
