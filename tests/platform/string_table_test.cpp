#include "platform/string_table.h"

#include <gtest/gtest.h>

namespace {

// Ids are four digits at most; scanning this range visits every entry.
constexpr int kMaxId = 9999;

TEST(StringTable, KnownIdsGiveTheirExactTexts)
{
    EXPECT_EQ(LoadResString(2401), QStringLiteral("Create.."));
    EXPECT_EQ(LoadResString(2581), QStringLiteral("Undo: Impossible"));
    // Trailing blank: callers append the step's description.
    EXPECT_EQ(LoadResString(2580), QStringLiteral("Undo: "));
    EXPECT_EQ(LoadResString(2574), QStringLiteral("&Pause"));
    EXPECT_EQ(LoadResString(2832), QStringLiteral("UND element"));
    EXPECT_EQ(LoadResString(2459), QStringLiteral("AND element"));
    EXPECT_EQ(LoadResString(3616), QStringLiteral("Set \"My Files\" for all"));
    EXPECT_EQ(LoadResString(4304), QStringLiteral("%1% done"));
    // First and last entries, where an off-by-one search would miss.
    EXPECT_EQ(LoadResString(1203), QStringLiteral("Unable to load registry data."));
    EXPECT_EQ(LoadResString(6213), QStringLiteral("Circuit synthesis"));
}

TEST(StringTable, LineBreakMarkersStayForTheCaller)
{
    const QString text = LoadResString(2576);
    EXPECT_EQ(text, QStringLiteral("Simulation has been aborted.\\nPlease check for infinite loops."));
    EXPECT_FALSE(text.contains(QLatin1Char('\n')));
}

TEST(StringTable, UnknownIdsGiveEmptyText)
{
    for (int id : {-1, 0, 1, 1202, 1205, 2123, 2502, 5601, 6214, 10000}) {
        EXPECT_FALSE(HasResString(id)) << id;
        EXPECT_TRUE(LoadResString(id).isEmpty()) << id;
    }
}

TEST(StringTable, EveryEntryIsReachableAndNotEmpty)
{
    int found = 0;
    for (int id = 0; id <= kMaxId; ++id) {
        if (!HasResString(id))
            continue;
        ++found;
        EXPECT_FALSE(LoadResString(id).trimmed().isEmpty()) << id;
    }
    EXPECT_EQ(found, StringTableSize());
    EXPECT_GE(StringTableSize(), 380);
    EXPECT_LE(StringTableSize(), 440);
}

TEST(StringTable, IdRangesReadInLoopsHaveNoGaps)
{
    // The Components menu and the toolbar tooltips are loaded id by id.
    for (int id = 2450; id <= 2470; ++id)
        EXPECT_TRUE(HasResString(id)) << id;
    for (int id = 2800; id <= 2853; ++id)
        EXPECT_TRUE(HasResString(id)) << id;
}

} // namespace
