// The tables the engine runs on: the grid's cell addressing and the event
// queue, each checked against a plain model of itself.
#include <gtest/gtest.h>

#include <initializer_list>
#include <random>
#include <utility>
#include <vector>

#include "model/array2d.h"
#include "model/engine_state.h"

namespace {

TEST(Array2DTable, EveryCellHasItsOwnEntryAndRedimPreserveKeepsTheOverlap)
{
    using Pairs = std::initializer_list<std::pair<int, int>>;
    for (const auto& [w, h] : Pairs{{0, 0}, {1, 0}, {0, 1}, {3, 7}, {7, 3}, {255, 2}}) {
        SCOPED_TRACE(testing::Message() << w << " x " << h);
        Array2D<int> a(w, h);
        for (int x = 0; x <= w; ++x)
            for (int y = 0; y <= h; ++y)
                a(x, y) = 1000 * x + y;
        for (int x = 0; x <= w; ++x)
            for (int y = 0; y <= h; ++y)
                ASSERT_EQ(a(x, y), 1000 * x + y);
        // Just outside on each side, and far outside (an index that wraps
        // when taken as unsigned).
        for (const auto& [x, y] : Pairs{{-1, 0}, {0, -1}, {w + 1, 0}, {0, h + 1}, {-1000000, h}, {w, 1 << 30}})
            EXPECT_FALSE(a.Contains(x, y)) << x << "," << y;

        Array2D<int> b = a;
        b.RedimPreserve(h, w); // the other way round
        for (int x = 0; x <= h; ++x)
            for (int y = 0; y <= w; ++y)
                ASSERT_EQ(b(x, y), x <= w && y <= h ? 1000 * x + y : 0) << x << "," << y;
    }
    Array2D<int> none;
    EXPECT_FALSE(none.Contains(0, 0));
    Array2D<int> emptied(-5, 4);
    EXPECT_FALSE(emptied.Contains(0, 0));
}

bool Same(const EventQueue& q, const std::vector<SimEvent>& model)
{
    if (q.size() != model.size() || q.empty() != model.empty())
        return false;
    for (size_t k = 0; k < model.size(); ++k)
        if (q[k].X != model[k].X || q[k].Dir != model[k].Dir || q[k].Value != model[k].Value)
            return false;
    return std::vector<SimEvent>(q.begin(), q.end()).size() == model.size();
}

TEST(EventQueueTable, BehavesAsAGrowableArrayUnderRandomUse)
{
    std::mt19937 random(21);
    EventQueue a{SimEvent{}}, b;
    std::vector<SimEvent> ma{SimEvent{}}, mb;
    for (int step = 0; step < 5000; ++step) {
        const SimEvent ev{.X = static_cast<int>(random() % 300),
                          .Y = 1,
                          .Dir = AsDirection(static_cast<uint8_t>(random() % 5)),
                          .Value = static_cast<int16_t>(random() % 2 ? kTrue : kFalse)};
        switch (random() % 10) {
        case 0: {
            const size_t n = random() % 40;
            a.resize(n);
            ma.resize(n);
            break;
        }
        case 1:
            a.swap(b);
            std::swap(ma, mb);
            break;
        case 2:
            if (random() % 8 == 0) {
                a.clear();
                ma.clear();
            }
            break;
        default:
            a.push_back(ev);
            ma.push_back(ev);
            a[0].X = step;
            ma[0].X = step;
        }
        ASSERT_TRUE(Same(a, ma)) << "step " << step;
        ASSERT_TRUE(Same(b, mb)) << "step " << step;
    }
}

} // namespace
