#pragma once
// Window timers as the circuit code uses them: a timer ticks again and again,
// every interval milliseconds, while it is enabled and its interval is above
// 0. Ticks run on the one thread, from the event loop.
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QTimer;
class UserDialogs;

class PlatformTimer {
public:
    virtual ~PlatformTimer() = default;
    // Changing the interval of a running timer starts its countdown anew.
    virtual void setInterval(int ms) = 0;
    virtual int interval() const = 0;
    // Enabling a timer that is already enabled keeps its countdown.
    virtual void setEnabled(bool enabled) = 0;
    virtual bool enabled() const = 0;

    QString Tag;
};

class TimerHost {
public:
    virtual ~TimerHost() = default;
    // A new timer is disabled with interval 0. It may be destroyed at any
    // time, also from inside its own tick.
    virtual std::unique_ptr<PlatformTimer> CreateTimer(std::function<void()> onTick) = 0;
};

// Timers of the Qt event loop. A tick that throws is reported as an internal
// error through dialogs (when given) and stops its timer, which would fail
// again at every interval; the program goes on.
class QtTimerHost : public TimerHost {
public:
    explicit QtTimerHost(UserDialogs* dialogs = nullptr) : dialogs_(dialogs) {}
    std::unique_ptr<PlatformTimer> CreateTimer(std::function<void()> onTick) override;

private:
    UserDialogs* dialogs_;
};

// Timers on a clock that moves only when told to, for tests.
class VirtualTimerHost : public TimerHost {
public:
    VirtualTimerHost();
    ~VirtualTimerHost() override;

    std::unique_ptr<PlatformTimer> CreateTimer(std::function<void()> onTick) override;
    // Moves the clock forward, firing every tick that falls due on the way in
    // time order (ties in the order the timers were started). Ticks may
    // change, create or destroy timers.
    void Advance(int64_t ms);
    int64_t Now() const { return now_; }

    class Timer;

private:
    friend class Timer;
    Timer* NextDue(int64_t until) const;

    int64_t now_ = 0;
    uint64_t nextStart_ = 0;
    std::vector<Timer*> timers_;
    // Lets timers that outlive the host notice it is gone.
    std::shared_ptr<VirtualTimerHost*> self_;
};
