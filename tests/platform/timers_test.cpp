#include <gtest/gtest.h>

#include "platform/timers.h"
#include "support/run_events.h"

#include <string>
#include <vector>

TEST(VirtualTimers, TickRepeatedlyWhileEnabledWithAPositiveInterval)
{
    VirtualTimerHost host;
    int ticks = 0;
    auto t = host.CreateTimer([&] { ++ticks; });
    EXPECT_FALSE(t->enabled());
    t->setInterval(200);
    host.Advance(1000);
    EXPECT_EQ(ticks, 0); // not enabled
    t->setEnabled(true);
    host.Advance(199);
    EXPECT_EQ(ticks, 0);
    host.Advance(1);
    EXPECT_EQ(ticks, 1);
    host.Advance(600);
    EXPECT_EQ(ticks, 4);
    t->setInterval(0); // stopped, never fires on idle
    host.Advance(5000);
    EXPECT_EQ(ticks, 4);
    t->setInterval(-5);
    host.Advance(5000);
    EXPECT_EQ(ticks, 4);
    EXPECT_EQ(host.Now(), 1800 + 10000);
}

TEST(VirtualTimers, IntervalChangeRestartsButReEnablingKeepsTheCountdown)
{
    VirtualTimerHost host;
    std::vector<int64_t> at;
    auto t = host.CreateTimer([&] { at.push_back(host.Now()); });
    t->setInterval(100);
    t->setEnabled(true);
    host.Advance(60);
    t->setEnabled(true);
    host.Advance(40);
    ASSERT_EQ(at, std::vector<int64_t>({100}));
    host.Advance(50);
    t->setInterval(100); // from 150
    host.Advance(100);
    EXPECT_EQ(at, std::vector<int64_t>({100, 250}));
    t->setEnabled(false);
    host.Advance(500);
    t->setEnabled(true); // from 750
    host.Advance(100);
    EXPECT_EQ(at, std::vector<int64_t>({100, 250, 850}));
}

TEST(VirtualTimers, FireInTimeOrderAndMayChangeEachOther)
{
    VirtualTimerHost host;
    std::string order;
    std::unique_ptr<PlatformTimer> a;
    std::unique_ptr<PlatformTimer> b;
    // Appended piece by piece: GCC 12 at -O3 warns falsely on "x" + std::string.
    auto note = [&](char name) { order.append(1, name).append(std::to_string(host.Now())).append(1, ' '); };
    a = host.CreateTimer([&] { note('a'); });
    b = host.CreateTimer([&] {
        note('b');
        // The clock phase changes its own interval, like a clock generator.
        b->setInterval(b->interval() == 30 ? 50 : 30);
    });
    a->setInterval(40);
    b->setInterval(30);
    a->Tag = "Dauertakt";
    b->setEnabled(true);
    a->setEnabled(true);
    host.Advance(200);
    // At 80 and 160 both are due: b goes first, it was started first.
    EXPECT_EQ(order, "b30 a40 b80 a80 b110 a120 b160 a160 b190 a200 ");
    EXPECT_EQ(a->Tag, "Dauertakt");
}

TEST(VirtualTimers, ATickMayDestroyTimers)
{
    VirtualTimerHost host;
    int otherTicks = 0;
    std::unique_ptr<PlatformTimer> self;
    std::unique_ptr<PlatformTimer> other = host.CreateTimer([&] { ++otherTicks; });
    self = host.CreateTimer([&] {
        self.reset();
        other.reset();
    });
    self->setInterval(10);
    other->setInterval(10);
    self->setEnabled(true);
    other->setEnabled(true);
    host.Advance(100);
    EXPECT_EQ(self, nullptr);
    EXPECT_EQ(otherTicks, 0);
}

// A timer of interval 0 never fires; a positive one does, and its tick may
// stop it or even destroy it.
TEST(QtTimers, IntervalZeroNeverFiresAndAPositiveOneDoes)
{
    QtTimerHost host;
    int zeroTicks = 0;
    int shortTicks = 0;
    int destroyingTicks = 0;
    auto zero = host.CreateTimer([&] { ++zeroTicks; });
    zero->setEnabled(true);
    zero->setInterval(0);
    std::unique_ptr<PlatformTimer> once;
    once = host.CreateTimer([&] {
        ++shortTicks;
        once->setEnabled(false); // one-shot use, like the step timer
    });
    std::unique_ptr<PlatformTimer> destroying = host.CreateTimer([&] {
        ++destroyingTicks;
        destroying.reset();
    });
    for (PlatformTimer* t : {once.get(), destroying.get()}) {
        t->setInterval(1);
        t->setEnabled(true);
    }
    RunEventsUntil([&] { return shortTicks > 0 && destroyingTicks > 0; });
    RunEventsFor(30); // lets the deferred deletion run
    EXPECT_EQ(zeroTicks, 0);
    EXPECT_EQ(shortTicks, 1);
    EXPECT_TRUE(zero->enabled());
    EXPECT_EQ(destroyingTicks, 1);
    EXPECT_EQ(destroying, nullptr);
}
