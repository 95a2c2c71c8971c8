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

    void Container(int innerW, int innerH) { shell.containerInnerSize = QSize(innerW, innerH); }

    ProgramState s;
    FakeMainWindow shell;
    RecordingSurface rec;
    clsGrafik g;
};

// Each fit leaves room for the picture (one cell more than the largest
// index, rounded to whole pixels) and the layout's scroll reserve of three
// cells in the container; fitting the whole worksheet takes the tighter axis.
// Each zoom command, 100 % too, redraws once.
TEST_F(Zoom, FitsLeaveRoomForThePictureAndTheScrollReserve)
{
    struct Case {
        int innerW, innerH;
        float full;
    } const cases[] = {
        {897, 449, 448.0f / (34 * 14)},  // the height is tighter
        {997, 797, 996.0f / (54 * 14)},  // the width is tighter
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.innerW << " x " << c.innerH);
        Container(c.innerW, c.innerH);
        g.ZoomFull();
        EXPECT_FLOAT_EQ(s.GridMode, c.full);
        g.ZoomHeight();
        EXPECT_FLOAT_EQ(s.GridMode, static_cast<float>(c.innerH - 1) / (34 * 14));
        g.ZoomWidth();
        EXPECT_FLOAT_EQ(s.GridMode, static_cast<float>(c.innerW - 1) / (54 * 14));
    }
    g.Zoom100();
    EXPECT_FLOAT_EQ(s.GridMode, 1.0f);
    EXPECT_EQ(shell.redrawAllElementsCount, 7) << "one redraw per command";
}

TEST_F(Zoom, FitNeverGoesBelowPointSix)
{
    Container(116, 86);
    for (auto command : {&clsGrafik::ZoomFull, &clsGrafik::ZoomHeight, &clsGrafik::ZoomWidth}) {
        s.GridMode = 3.0f;
        (g.*command)();
        EXPECT_FLOAT_EQ(s.GridMode, 0.6f);
    }
    Container(3997, 2997);
    g.ZoomWidth();
    EXPECT_FLOAT_EQ(s.GridMode, 3996.0f / (54 * 14)) << "no upper bound";
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
