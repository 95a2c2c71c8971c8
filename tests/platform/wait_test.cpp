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

TEST(WaitSeconds, EndsOnceMoreThanTheTimeHasPassedWithOrWithoutEvents)
{
    struct Case {
        const char* what;
        double seconds;
        bool noEvents;
        bool moveOnIdle;
        double start, step;
        int pumps; // -1: at least one
    };
    const double nan = std::nan("");
    const Case cases[] = {
        // 0.25, 0.5, 0.75, 1.0 are not more than a second; 1.25 is.
        {"more than the time", 1.0, false, false, 0, 0.25, 5},
        {"events unless told", 0.2, true, true, 0, 0.05, 0},
        {"idling between pumps", 0.2, false, true, 0, 0.05, -1},
        // Seconds since midnight would drop back to 0 here; the steady clock goes on.
        {"past midnight", 0.3, false, true, 86399.9, 0.05, -1},
        {"the machine slept", 5, false, false, 0, 3600, 1},
        {"negative", -1, false, true, 0, 0.05, 0},
        {"not a number", nan, false, true, 0, 0.05, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScriptedClock clock;
        clock.time = c.start;
        clock.step = c.step;
        WaitSeconds(c.seconds, c.noEvents, clock.Hooks(c.moveOnIdle));
        if (c.pumps < 0) {
            EXPECT_GT(clock.pumps, 0);
        } else {
            EXPECT_EQ(clock.pumps, c.pumps);
        }
        if (c.noEvents) {
            EXPECT_GT(clock.idles, 0);
        } else if (c.moveOnIdle) {
            EXPECT_EQ(clock.pumps, clock.idles);
        }
        if (!(c.seconds >= 0)) {
            EXPECT_EQ(clock.time, c.start) << "returns at once";
            continue;
        }
        // Ends at the first look at the clock past the time, not later.
        const int movesPerLook = !c.noEvents && c.moveOnIdle ? 2 : 1;
        EXPECT_GT(clock.time, c.start + c.seconds);
        EXPECT_LE(clock.time, c.start + c.seconds + movesPerLook * c.step);
    }
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
