#include <gtest/gtest.h>

#include "model/state.h"
#include "platform/recording_surface.h"
#include "render/clsGrafik.h"
#include "render/sheet_builder.h"
#include "support/fake_main_window.h"

namespace {

class Zoom : public ::testing::Test {
protected:
    Zoom() : g(s, &rec)
    {
        sheet::NewSheet(s, 50, 30);
        shell.Attach(s);
    }

    void Container(int outerW, int outerH, int innerW, int innerH)
    {
        shell.containerSize = QSize(outerW, outerH);
        shell.containerInnerSize = QSize(innerW, innerH);
    }

    ProgramState s;
    FakeMainWindow shell;
    RecordingSurface rec;
    clsGrafik g;
};

TEST_F(Zoom, FullFitsTheHeightWhenItIsTheTighterSide)
{
    Container(900, 452, 896, 448); // 452/30 = 15.1 per row, 900/50 = 18 per column
    g.ZoomFull();
    EXPECT_FLOAT_EQ(s.GridMode, 1.0f) << "448 / (32 x 14)";
    EXPECT_EQ(shell.redrawAllElementsCount, 1);
}

TEST_F(Zoom, FullFitsTheWidthWhenItIsTheTighterSide)
{
    Container(1000, 800, 996, 796); // 800/30 = 26.7 per row, 1000/50 = 20 per column
    g.ZoomFull();
    EXPECT_FLOAT_EQ(s.GridMode, 996.0f / (52 * 14));
}

TEST_F(Zoom, TheChoiceIsMadeOnTheOuterSizeTheResultOnTheInner)
{
    // Outer: 600/30 = 20 per row equals 1000/50 per column, so the height decides.
    Container(1000, 600, 700, 532);
    g.ZoomFull();
    EXPECT_FLOAT_EQ(s.GridMode, 532.0f / (32 * 14));
}

TEST_F(Zoom, HeightAndWidthEachUseTheirOwnRule)
{
    Container(1000, 800, 996, 796);
    g.ZoomHeight();
    EXPECT_FLOAT_EQ(s.GridMode, 796.0f / (32 * 14));
    g.ZoomWidth();
    EXPECT_FLOAT_EQ(s.GridMode, 996.0f / (52 * 14));
    EXPECT_EQ(shell.redrawAllElementsCount, 2);
}

TEST_F(Zoom, FitNeverGoesBelowPointSix)
{
    Container(120, 90, 116, 86);
    for (auto command : {&clsGrafik::ZoomFull, &clsGrafik::ZoomHeight, &clsGrafik::ZoomWidth}) {
        s.GridMode = 3.0f;
        (g.*command)();
        EXPECT_FLOAT_EQ(s.GridMode, 0.6f);
    }
    Container(4000, 3000, 3996, 2996);
    g.ZoomWidth();
    EXPECT_FLOAT_EQ(s.GridMode, 3996.0f / (52 * 14)) << "no upper bound";
}

TEST_F(Zoom, HundredPercent)
{
    s.GridMode = 2.4f;
    g.Zoom100();
    EXPECT_FLOAT_EQ(s.GridMode, 1.0f);
    EXPECT_EQ(shell.redrawAllElementsCount, 1);
}

TEST(ZoomHeadless, RedrawsItselfWithoutAWindow)
{
    ProgramState s;
    sheet::NewSheet(s, 4, 3);
    sheet::Wire(s, 0, 0, 2, 0);
    RecordingSurface rec;
    clsGrafik g(s, &rec);
    s.GridMode = 2.0f;
    g.Zoom100();
    EXPECT_EQ(s.GridMode, 1.0f);
    EXPECT_TRUE(rec.Log().contains(QStringLiteral("Polyline 7,7-35,7 color=0x808080 width=1")));
    rec.ClearLog();
    g.ZoomFull(); // nothing to fit into: the zoom stays
    EXPECT_EQ(s.GridMode, 1.0f);
    EXPECT_FALSE(rec.Log().isEmpty());
}

} // namespace
