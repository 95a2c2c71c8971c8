#include <gtest/gtest.h>

#include <random>

#include "model/circuit_tables.h"

// Whatever mix of appends, truncations, claims and releases: each count the
// files store follows its table.
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
        case 3: {
            // A new slot after the last, or a slot in use claimed again.
            const int slot = rng() % 4 == 0 && claimed > 0 ? static_cast<int>(rng() % claimed) + 1 : claimed + 1;
            ClaimICSlot(t, slot, QStringLiteral("IC%1").arg(step));
            claimed = std::max(claimed, slot);
            ASSERT_GE(t.ICInstances.size(), static_cast<size_t>(slot) + 1);
            break;
        }
        case 4: {
            // The last n slots lose their names, as deleting their ICs does.
            const int n = std::min(claimed, static_cast<int>(rng() % 3));
            for (int k = claimed - n + 1; k <= claimed; ++k)
                t.Levels[static_cast<size_t>(k)].Name.clear();
            claimed -= n;
            ReleaseICSlots(t);
            ASSERT_EQ(t.ICInstances.size(), static_cast<size_t>(claimed) + 1);
            break;
        }
        }
        ASSERT_GE(t.ElementCount(), 0);
        ASSERT_EQ(t.Elements.size(), static_cast<size_t>(t.ElementCount()) + 1);
        ASSERT_EQ(level.Elements.size(), static_cast<size_t>(level.ElementCount()) + 1);
        ASSERT_EQ(t.ICCount(), claimed);
        ASSERT_EQ(t.LevelUBound(), claimed);
        ASSERT_GE(t.ICInstances.size(), static_cast<size_t>(t.LevelUBound()) + 1);
        ASSERT_GE(t.Levels.size(), static_cast<size_t>(t.LevelUBound()) + 1);
    }

    const ICSlotTables saved = SaveICSlots(t);
    ClaimICSlot(t, 250, QStringLiteral("FAR"));
    ASSERT_EQ(t.ICCount(), claimed + 1);
    RestoreICSlots(t, ICSlotTables(saved));
    EXPECT_EQ(t.ICCount(), claimed);
    EXPECT_EQ(t.ICInstances.size(), saved.ICInstances.size());
}
