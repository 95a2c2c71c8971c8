// The change record while the power is on: every change in order within its
// bound; past it one whole redraw of the level shown last, which draws the
// latest state of every cell once, however often the run changes them.
#include <gtest/gtest.h>

#include "model/records.h"
#include "model/sheet_changes.h"

namespace {

struct QuietView : SheetViewPort {
    void Flush() override {}
};

TEST(SheetChanges, PastItsBoundTheRecordIsOneWholeRedrawOfTheShownLevel)
{
    QuietView view;
    SheetChanges c;
    c.SetView(&view);
    c.Bound(8);
    c.Level(2);
    for (int x = 0; x < 7; ++x)
        c.Piece(x, 1, Direction::Right, x % 2, false, false);
    ASSERT_EQ(c.Items().size(), 8u) << "within the bound every change is kept, in order";
    EXPECT_EQ(c.Items().back().x, 6);
    EXPECT_FALSE(c.Whole());

    // A run changing the same few cells over and over.
    for (int k = 0; k < 100000; ++k)
        c.Element(ElementType::LED, k % 3, 4);
    ASSERT_EQ(c.Items().size(), 1u);
    EXPECT_TRUE(c.Whole());
    EXPECT_EQ(c.Items()[0].kind, SheetChangeKind::Level);
    EXPECT_EQ(c.Items()[0].x, 2);
    c.Level(0);
    EXPECT_EQ(c.Items().size(), 1u);
    EXPECT_EQ(c.Items()[0].x, 0) << "the level shown last is the one drawn";

    // Once drawn, the record keeps changes one by one again.
    EXPECT_EQ(c.Take().size(), 1u);
    c.Marker(3, 3, 2);
    EXPECT_FALSE(c.Whole());
    EXPECT_EQ(c.Items().size(), 1u);

    // Unbound (the power off), editing keeps all it records.
    c.Bound(0);
    for (int k = 0; k < 1000; ++k)
        c.Area(k, 0, k, 0);
    EXPECT_EQ(c.Items().size(), 1001u);
}

} // namespace
