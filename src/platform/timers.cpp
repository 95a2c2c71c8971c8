#include "platform/timers.h"

#include <QTimer>
#include <algorithm>

#include "platform/guard.h"

namespace {

using Callback = std::shared_ptr<std::function<void()>>;

class QtTimer : public PlatformTimer {
public:
    QtTimer(std::function<void()> onTick, UserDialogs* dialogs)
        : onTick_(std::make_shared<std::function<void()>>(std::move(onTick)))
        , timer_(new QTimer)
        , alive_(std::make_shared<bool>(true))
    {
        QObject::connect(timer_, &QTimer::timeout, timer_, [this, alive = alive_, tick = onTick_, dialogs] {
            // The timer may be destroyed by its own tick; keep what the call needs.
            if (!*alive)
                return;
            inTick_ = true;
            const Callback keep = tick;
            const std::shared_ptr<bool> stillAlive = alive;
            const bool ok = RunGuarded(dialogs, QStringLiteral("a timer tick"), *keep);
            if (*stillAlive) {
                inTick_ = false;
                if (!ok)
                    setEnabled(false);
            }
        });
    }

    ~QtTimer() override
    {
        *alive_ = false;
        timer_->stop();
        if (inTick_)
            timer_->deleteLater(); // its signal is still being delivered
        else
            delete timer_;
    }

    void setInterval(int ms) override
    {
        interval_ = ms;
        Apply(true);
    }
    int interval() const override { return interval_; }
    void setEnabled(bool enabled) override
    {
        const bool was = enabled_;
        enabled_ = enabled;
        Apply(!was);
    }
    bool enabled() const override { return enabled_; }

private:
    // A QTimer with interval 0 would fire on every idle pass: such a timer is stopped.
    void Apply(bool restart)
    {
        if (!enabled_ || interval_ <= 0) {
            timer_->stop();
            return;
        }
        if (restart || !timer_->isActive())
            timer_->start(interval_);
    }

    Callback onTick_;
    QTimer* timer_;
    std::shared_ptr<bool> alive_;
    int interval_ = 0;
    bool enabled_ = false;
    bool inTick_ = false;
};

} // namespace

std::unique_ptr<PlatformTimer> QtTimerHost::CreateTimer(std::function<void()> onTick)
{
    return std::make_unique<QtTimer>(std::move(onTick), dialogs_);
}

class VirtualTimerHost::Timer : public PlatformTimer {
public:
    Timer(VirtualTimerHost* host, std::function<void()> onTick)
        : host_(host->self_)
        , onTick_(std::make_shared<std::function<void()>>(std::move(onTick)))
    {
        host->timers_.push_back(this);
    }

    ~Timer() override
    {
        if (VirtualTimerHost* host = *host_) {
            auto& list = host->timers_;
            list.erase(std::remove(list.begin(), list.end(), this), list.end());
        }
    }

    void setInterval(int ms) override
    {
        interval_ = ms;
        Restart();
    }
    int interval() const override { return interval_; }
    void setEnabled(bool enabled) override
    {
        const bool was = enabled_;
        enabled_ = enabled;
        if (!was)
            Restart();
    }
    bool enabled() const override { return enabled_; }

    bool Running() const { return enabled_ && interval_ > 0; }
    int64_t due() const { return due_; }
    uint64_t started() const { return started_; }

    void Fire()
    {
        VirtualTimerHost* host = *host_;
        due_ = host->now_ + interval_;
        started_ = host->nextStart_++;
        const Callback keep = onTick_; // the tick may destroy this timer
        (*keep)();
    }

private:
    void Restart()
    {
        VirtualTimerHost* host = *host_;
        if (!host)
            return;
        due_ = host->now_ + interval_;
        started_ = host->nextStart_++;
    }

    std::shared_ptr<VirtualTimerHost*> host_;
    Callback onTick_;
    int interval_ = 0;
    bool enabled_ = false;
    int64_t due_ = 0;
    uint64_t started_ = 0;
};

VirtualTimerHost::VirtualTimerHost()
    : self_(std::make_shared<VirtualTimerHost*>(this))
{
}

VirtualTimerHost::~VirtualTimerHost()
{
    *self_ = nullptr;
}

std::unique_ptr<PlatformTimer> VirtualTimerHost::CreateTimer(std::function<void()> onTick)
{
    return std::make_unique<Timer>(this, std::move(onTick));
}

VirtualTimerHost::Timer* VirtualTimerHost::NextDue(int64_t until) const
{
    Timer* next = nullptr;
    for (Timer* t : timers_) {
        if (!t->Running() || t->due() > until)
            continue;
        if (!next || t->due() < next->due()
            || (t->due() == next->due() && t->started() < next->started()))
            next = t;
    }
    return next;
}

void VirtualTimerHost::Advance(int64_t ms)
{
    const int64_t until = now_ + std::max<int64_t>(ms, 0);
    while (Timer* t = NextDue(until)) {
        now_ = std::max(now_, t->due());
        t->Fire();
    }
    now_ = std::max(now_, until); // a tick may have advanced the clock itself
}
