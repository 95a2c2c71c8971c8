#include "platform/wait.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <exception>
#include <memory>
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

bool EventBreaks::Elapsed(const WaitHooks& hooks)
{
    work_ = 0;
    if (!hooks.now)
        return false;
    const double now = hooks.now();
    if (!started_) {
        started_ = true;
        since_ = now;
        return false;
    }
    return now - since_ >= interval_;
}

void EventBreaks::Take(const WaitHooks& hooks)
{
    if (hooks.pumpEvents)
        hooks.pumpEvents();
    Restart();
}

void RunAside(const std::function<void()>& work, const std::function<void()>& tick, int tickMs)
{
    if (!QCoreApplication::instance()) {
        work();
        return;
    }
    std::exception_ptr failure;
    const std::unique_ptr<QThread> thread(QThread::create([&work, &failure] {
        try {
            work();
        } catch (...) {
            failure = std::current_exception();
        }
    }));
    QEventLoop loop;
    QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    QTimer ticks;
    if (tick) {
        QObject::connect(&ticks, &QTimer::timeout, &loop, tick);
        ticks.start(tickMs);
    }
    thread->start();
    loop.exec();
    thread->wait();
    if (failure)
        std::rethrow_exception(failure);
}
