#pragma once
// The clock generators' timers Timer2, one member per slot; each tick runs
// the generator of its slot. Member 0 is made with the window and stays.
#include <memory>
#include <vector>

#include "model/ports/clock_timer_port.h"
#include "simulation/engine.h"

class PlatformTimer;
class TimerHost;

class ClockTimers : public ClockTimerPort {
public:
    ClockTimers(const Engine& engine, TimerHost& host);
    ~ClockTimers() override;

    std::vector<std::unique_ptr<PlatformTimer>>& members() { return timer2_; }

    // ClockTimerPort
    void CreateClockTimers(int count) override;
    void UnloadClockTimers() override;
    int ClockTimerUBound() const override;
    void AddClockTimer() override;
    void RemoveLastClockTimer() override;
    int ClockTimerInterval(int index) const override;
    void SetClockTimerInterval(int index, int ms) override;

private:
    std::unique_ptr<PlatformTimer> CreateClockTimer(int index);

    // The engine bound to the program state: the parts of it this panel works on.
    const Engine engine_;
    TimerHost& host_;
    std::vector<std::unique_ptr<PlatformTimer>> timer2_;
};
