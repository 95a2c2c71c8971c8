#pragma once
// Timed waits that let the window system run in the meantime.
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

// Runs work on a thread of its own and returns once it is done; meanwhile the
// calling thread's events run, and tick runs there every tickMs. What work
// throws is thrown here. Without an application object work runs at once.
void RunAside(const std::function<void()>& work, const std::function<void()>& tick, int tickMs = 50);
