#include <gtest/gtest.h>

#include <random>

#include "model/circuit_tables.h"

// Whatever mix of appends, truncations, claims and releases: a table's length
// always matches the count the files store beside it.
TEST(CircuitTables, CountsStayWithTheirTables)
{
    std::mt19937 rng(7);
    CircuitTables t;
    ClearCircuitTables(t);
    LevelRecord level;
    SetElementCount(level, 0);
    int claimed = 0;
    for (int step = 0; step < 2000; ++step) {
        switch (rng() % 5) {
        case 0: {
            ElementRecord r;
            r.Label = QString::number(step);
            const int16_t n = AppendElementRecord(t, r);
            ASSERT_EQ(t.Elements[static_cast<size_t>(n)].Label, QString::number(step));
            break;
        }
        case 1:
            SetElementCount(t, static_cast<int16_t>(static_cast<int>(rng() % 40) - 5));
            break;
        case 2:
            AppendElementRecord(level);
            break;
        case 3:
            if (claimed < 200) {
                ClaimICSlot(t, static_cast<int>(rng() % 20) + 1);
                ++claimed;
            }
            break;
        case 4: {
            const int n = static_cast<int>(rng() % 3);
            ReleaseICSlots(t, n);
            claimed = std::max(0, claimed - n);
            break;
        }
        }
        ASSERT_GE(t.ElementCount(), 0);
        ASSERT_EQ(t.Elements.size(), static_cast<size_t>(t.ElementCount()) + 1);
        ASSERT_EQ(level.Elements.size(), static_cast<size_t>(level.ElementCount()) + 1);
        ASSERT_EQ(t.ICCount, claimed);
        ASSERT_EQ(t.LevelUBound, claimed);
        ASSERT_GE(t.ICInstances.size(), static_cast<size_t>(t.LevelUBound) + 1);
        ASSERT_GE(t.Levels.size(), static_cast<size_t>(t.LevelUBound) + 1);
    }

    const ICSlotTables saved = SaveICSlots(t);
    ClaimICSlot(t, 250);
    RestoreICSlots(t, ICSlotTables(saved));
    EXPECT_EQ(t.ICCount, saved.ICCount);
    EXPECT_EQ(t.ICInstances.size(), saved.ICInstances.size());
}
