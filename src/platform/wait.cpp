#include "platform/wait.h"

#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <thread>

WaitHooks RealWaitHooks()
{
    WaitHooks hooks;
    hooks.now = [] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
    };
    hooks.pumpEvents = [] {
        if (QCoreApplication::instance())
            QCoreApplication::processEvents();
    };
    // Short naps keep the event latency low without spinning the processor.
    hooks.idle = [](double seconds) {
        std::this_thread::sleep_for(std::chrono::duration<double>(std::min(seconds, 0.001)));
    };
    return hooks;
}

void WaitSeconds(double seconds, bool noEvents)
{
    static const WaitHooks real = RealWaitHooks();
    WaitSeconds(seconds, noEvents, real);
}

void WaitSeconds(double seconds, bool noEvents, const WaitHooks& hooks)
{
    if (!(seconds >= 0))
        return;
    const double start = hooks.now();
    for (;;) {
        const double elapsed = hooks.now() - start;
        if (elapsed > seconds)
            return;
        if (!noEvents)
            hooks.pumpEvents();
        if (hooks.idle)
            hooks.idle(seconds - elapsed);
    }
}
