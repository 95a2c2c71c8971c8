#include <gtest/gtest.h>

#include "platform/wait.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <cmath>
#include <new>
#include <vector>

namespace {

// A clock that moves by a fixed step at every pump or idle call.
struct ScriptedClock {
    double time = 0;
    double step = 0.05;
    int pumps = 0;
    int idles = 0;

    WaitHooks Hooks(bool moveOnIdle = true)
    {
        WaitHooks hooks;
        hooks.now = [this] { return time; };
        hooks.pumpEvents = [this] {
            ++pumps;
            time += step;
        };
        hooks.idle = [this, moveOnIdle](double) {
            ++idles;
            if (moveOnIdle)
                time += step;
        };
        return hooks;
    }
};

} // namespace

TEST(WaitSeconds, EndsOnceMoreThanTheTimeHasPassed)
{
    ScriptedClock clock;
    clock.step = 0.25;
    WaitSeconds(1.0, false, clock.Hooks(false));
    // 0.25, 0.5, 0.75, 1.0 are not more than a second; 1.25 is.
    EXPECT_EQ(clock.pumps, 5);
    EXPECT_DOUBLE_EQ(clock.time, 1.25);
}

TEST(WaitSeconds, AJumpOfTheClockEndsTheWait)
{
    ScriptedClock clock;
    WaitHooks hooks = clock.Hooks(false);
    hooks.pumpEvents = [&] {
        ++clock.pumps;
        clock.time += 3600; // the machine slept
    };
    WaitSeconds(5, false, hooks);
    EXPECT_EQ(clock.pumps, 1);
}

TEST(WaitSeconds, PumpsEventsUnlessTold)
{
    ScriptedClock clock;
    WaitSeconds(0.2, true, clock.Hooks());
    EXPECT_EQ(clock.pumps, 0);
    EXPECT_GT(clock.idles, 0);
    ScriptedClock pumped;
    WaitSeconds(0.2, false, pumped.Hooks());
    EXPECT_GT(pumped.pumps, 0);
    EXPECT_EQ(pumped.pumps, pumped.idles);
}

TEST(WaitSeconds, PassingMidnightDoesNotMatter)
{
    // Seconds since midnight would drop back to 0 here; the steady clock goes on.
    ScriptedClock clock;
    clock.time = 86399.9;
    WaitSeconds(0.3, false, clock.Hooks());
    EXPECT_GT(clock.time, 86400.2);
    EXPECT_LT(clock.time, 86400.4);
}

TEST(WaitSeconds, NegativeOrNaNReturnsAtOnce)
{
    ScriptedClock clock;
    WaitSeconds(-1, false, clock.Hooks());
    WaitSeconds(std::nan(""), false, clock.Hooks());
    EXPECT_EQ(clock.pumps, 0);
}

TEST(WaitSeconds, RealClockRunsTimersDuringTheWait)
{
    int fired = 0;
    QTimer::singleShot(5, [&] { ++fired; });
    QElapsedTimer elapsed;
    elapsed.start();
    WaitSeconds(0.05, false);
    EXPECT_GE(elapsed.elapsed(), 50);
    EXPECT_EQ(fired, 1);
}

TEST(RunAside, WorksOnAThreadOfItsOwnWhileEventsRunAndPassesOnWhatItThrows)
{
    const Qt::HANDLE caller = QThread::currentThreadId();
    std::atomic<bool> release = false;
    Qt::HANDLE worker = nullptr;
    int ticks = 0;
    // The work waits until the caller's timer has run three times.
    RunAside(
        [&] {
            worker = QThread::currentThreadId();
            while (!release)
                QThread::msleep(1);
        },
        [&] {
            EXPECT_EQ(QThread::currentThreadId(), caller);
            if (++ticks == 3)
                release = true;
        },
        5);
    EXPECT_NE(worker, caller);
    EXPECT_GE(ticks, 3);
    EXPECT_THROW(RunAside([] { throw std::bad_alloc(); }, {}), std::bad_alloc);
}
