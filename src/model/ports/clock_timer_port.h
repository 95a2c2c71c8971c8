#pragma once
// The clock generators' timers Timer2, one member per slot (member 0 always
// exists). The timers are owned by the window that runs the message loop.
class ClockTimerPort {
public:
    virtual ~ClockTimerPort() = default;
    virtual void CreateClockTimers(int count) = 0; // members 0..count-1 exist
    virtual void UnloadClockTimers() = 0;          // every member but the first
    virtual int ClockTimerUBound() const = 0;
    virtual void AddClockTimer() = 0;               // a new member UBound+1
    virtual void RemoveLastClockTimer() = 0;        // never member 0
    virtual int ClockTimerInterval(int index) const = 0; // milliseconds
    virtual void SetClockTimerInterval(int index, int ms) = 0;
};
