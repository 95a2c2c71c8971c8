#include "shell/clock_timers.h"

#include "model/state.h"
#include "platform/timers.h"
#include "render/engine_binding.h"
#include "simulation/engine.h"

ClockTimers::ClockTimers(ProgramState& s, EngineContext& engine, TimerHost& host)
    : s_(s), engine_(engine), host_(host)
{
}

ClockTimers::~ClockTimers() = default;

std::unique_ptr<PlatformTimer> ClockTimers::CreateClockTimer(int index)
{
    auto timer = host_.CreateTimer([this, index] { Timer2_Timer(EngineOf(s_, engine_), static_cast<int16_t>(index)); });
    timer->setInterval(200);
    timer->Tag = QStringLiteral("Stop");
    return timer;
}

void ClockTimers::CreateClockTimers(int count)
{
    while (static_cast<int>(timer2_.size()) < count)
        timer2_.push_back(CreateClockTimer(static_cast<int>(timer2_.size())));
}

void ClockTimers::UnloadClockTimers()
{
    if (timer2_.size() > 1)
        timer2_.resize(1);
}

int ClockTimers::ClockTimerUBound() const
{
    return static_cast<int>(timer2_.size()) - 1;
}

void ClockTimers::AddClockTimer()
{
    CreateClockTimers(static_cast<int>(timer2_.size()) + 1);
}

void ClockTimers::RemoveLastClockTimer()
{
    if (timer2_.size() > 1)
        timer2_.pop_back();
}

int ClockTimers::ClockTimerInterval(int index) const
{
    if (index < 0 || index >= static_cast<int>(timer2_.size()))
        return 0;
    return timer2_[static_cast<size_t>(index)]->interval();
}

void ClockTimers::SetClockTimerInterval(int index, int ms)
{
    if (index >= 0 && index < static_cast<int>(timer2_.size()))
        timer2_[static_cast<size_t>(index)]->setInterval(ms);
}
