// The Boolean tools window's rules: key filter, spacing limits and the
// preview strip.
#include <gtest/gtest.h>

#include "boolean/boolean_tools_logic.h"
#include "model/records.h"

namespace {

TEST(BooleanToolsLogic, KeyFilterMapsLettersAndSymbolsInTermMode)
{
    struct Case {
        char16_t typed;
        bool termMode;
        std::optional<char16_t> result;
    };
    // The keys BooleanWindow.TermBoxFiltersKeysAndEnablesTheCommands types
    // into the real box are not repeated here.
    const Case cases[] = {
        {u'^', true, u'&'}, {u'V', true, u'v'}, {u'z', true, u'Z'}, {u'x', true, u'X'}, {u'+', true, u'+'},
    };
    for (const Case& c : cases) {
        const std::optional<QChar> got = FilterFormulaKey(QChar(c.typed), c.termMode);
        ASSERT_EQ(got.has_value(), c.result.has_value()) << char(c.typed) << c.termMode;
        if (got) {
            EXPECT_EQ(got->unicode(), *c.result) << char(c.typed) << c.termMode;
        }
    }
}

TEST(BooleanToolsLogic, SpacingBoxesClampToTheirLimits)
{
    struct Case {
        int box;
        const char* text;
        const char* result;
    };
    const Case cases[] = {
        {0, "12", "9"}, {0, "x", "3"}, {0, "5", "5"}, {0, "2", "3"}, {1, "1", "2"}, {1, "8", "7"},
        {1, "7", "7"},  {2, "6", "5"}, {2, "", "2"},  {2, "4", "4"}, {2, "-3", "2"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ClampSpacing(c.box, QString::fromLatin1(c.text)), QString::fromLatin1(c.result))
            << c.box << c.text;
}

// Which tabs and switches the feature switches and the IC view leave, and each
// tab's caption and default button, are checked on the window
// (BooleanWindow.TabsFollowTheFeatureSwitchesAndTheICView).

TEST(BooleanToolsLogic, PreviewStaysInsideItsContainerWhateverTheArrowsDo)
{
    for (int width : {1000, 3000, 6000, 6300, 9000}) {
        PreviewStrip p;
        p.width = width;
        p.containerWidth = 3000;
        p.UpdateArrows();
        EXPECT_EQ(p.leftArrow, PreviewStrip::kGrey);
        EXPECT_EQ(p.rightArrow, width > 3000 ? PreviewStrip::kGreen : PreviewStrip::kGrey);
        // Press right until it stops, then left until it stops.
        int presses = 0;
        while (p.rightArrow == PreviewStrip::kGreen && presses < 100) {
            p.PressRight();
            EXPECT_LE(p.left, 0);
            EXPECT_GE(p.left + p.width, p.containerWidth);
            p.Release();
            ++presses;
        }
        if (width > 3000) {
            EXPECT_EQ(p.left + p.width, p.containerWidth);
            EXPECT_EQ(p.leftArrow, PreviewStrip::kGreen);
        }
        while (p.leftArrow == PreviewStrip::kGreen && presses < 200) {
            p.PressLeft();
            p.Release();
            ++presses;
        }
        EXPECT_EQ(p.left, 0);
        // A drag never moves a narrow preview, nor past the edges.
        p.Drag(-10000);
        EXPECT_GE(p.left + p.width, width > 3000 ? p.containerWidth : p.width);
        if (width <= 3000) {
            EXPECT_EQ(p.left, 0);
        }
        p.Drag(500);
        EXPECT_LE(p.left, 0);
    }
}

} // namespace
