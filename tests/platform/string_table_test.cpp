#include "platform/string_table.h"

#include <gtest/gtest.h>

namespace {

// Ids are four digits at most; scanning this range visits every entry.
constexpr int kMaxId = 9999;

// Where a search could go wrong: the first and last entries, a trailing
// blank callers append to, and line-break markers left for the caller.
TEST(StringTable, EdgeEntriesGiveTheirExactTexts)
{
    const std::pair<int, const char*> cases[] = {
        {1203, "Unable to load registry data."},
        {6213, "Circuit synthesis"},
        {2580, "Undo: "},
        {2459, "AND element"},
        {2576, "Simulation has been aborted.\\nPlease check for infinite loops."},
    };
    for (const auto& [id, text] : cases)
        EXPECT_EQ(LoadResString(id), QString::fromUtf8(text)) << id;
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
