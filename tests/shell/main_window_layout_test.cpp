#include <gtest/gtest.h>

#include "shell/main_window_layout.h"

#include <array>

namespace {

// A window of 1000 x 700 pixels with the column 2085 twips wide.
ResizeInput Window(double innerW, double innerH)
{
    ResizeInput in;
    in.outerWidth = innerW + 120;
    in.outerHeight = innerH + 600;
    in.innerWidth = innerW;
    in.innerHeight = innerH;
    in.containerLeft = 2145;
    in.containerTop = 960;
    in.hScrollHeight = 255;
    in.vScrollWidth = 255;
    in.statusBarHeight = 300;
    in.progressBarWidth = 2700;
    in.closeButtonWidth = 255;
    in.pictureWidth = 51 * 14 * 15;
    in.pictureHeight = 31 * 14 * 15;
    return in;
}

} // namespace

TEST(MainWindowLayout, MinimumSizeHeightThenWidth)
{
    for (auto [w, h, wantW, wantH] : {std::array<double, 4>{100, 100, 5900, 3140}, {8000, 4000, 8000, 4000}}) {
        EnforceMinimumSize(w, h);
        EXPECT_EQ(w, wantW);
        EXPECT_EQ(h, wantH);
    }
}

TEST(MainWindowLayout, ContainerProgressAndCommandLine)
{
    const ResizeLayout l = LayoutMainWindow(Window(15000, 10000));
    EXPECT_EQ(l.progressLeft, 15120 - 2800);
    EXPECT_EQ(l.progressTop, 10600 - 970);
    EXPECT_EQ(l.statusPanel3Width, 2720);
    EXPECT_EQ(l.containerWidth, 15000 - 255 - 2145);
    EXPECT_EQ(l.containerHeight, 10000 - 255 - 960 - 300 - 60);
    EXPECT_EQ(l.formelWidth, l.containerWidth - 520);
    EXPECT_EQ(l.closeButtonLeft, 15120 - 255 - 130);
}

TEST(MainWindowLayout, ScrollBarsExactlyWhenWorksheetPlusThreeCellsDoesNotFit)
{
    // Width: picture 10710 + 3 cells 630 = 11340 must fit the container.
    ResizeInput in = Window(11340 + 255 + 2145, 20000);
    ResizeLayout l = LayoutMainWindow(in);
    EXPECT_FALSE(l.hScroll.visible) << "exactly three cells to spare";
    EXPECT_FALSE(l.vScroll.visible);
    in.innerWidth -= 15; // one pixel less
    in.hValue = 5;
    l = LayoutMainWindow(in);
    ASSERT_TRUE(l.hScroll.visible);
    EXPECT_EQ(l.hScroll.rect.left, 2145);
    EXPECT_EQ(l.hScroll.rect.top, 20000 - 255 - 300 - 60);
    EXPECT_EQ(l.hScroll.rect.width, in.innerWidth - 255 - 2145);
    EXPECT_EQ(l.visibleColumns, 11325 / 210);
    EXPECT_EQ(l.hScroll.maximum, 50 - 53 + 3);
    EXPECT_EQ(l.pictureLeft, 0) << "the value cannot exceed the maximum";
    in.maxX = 60;
    l = LayoutMainWindow(in);
    EXPECT_EQ(l.hScroll.maximum, 10);
    EXPECT_EQ(l.pictureLeft, -5 * 14 * 15);

    // Height, with a scrolled picture pulled back once it fits.
    in = Window(30000, 7140 + 255 + 960 + 300 + 60);
    in.pictureTop = -420;
    l = LayoutMainWindow(in);
    EXPECT_FALSE(l.vScroll.visible);
    EXPECT_EQ(l.vScroll.value, 0);
    EXPECT_EQ(l.pictureTop, 0);
    in.innerHeight -= 1;
    in.vValue = 2;
    in.maxY = 60;
    l = LayoutMainWindow(in);
    ASSERT_TRUE(l.vScroll.visible);
    EXPECT_EQ(l.vScroll.rect.left, 30000 - 255);
    EXPECT_EQ(l.vScroll.rect.top, 960);
    EXPECT_EQ(l.pictureTop, -2 * 14 * 15);

    // Thirty whole columns in view.
    l = LayoutMainWindow(Window(30 * 210 + 255 + 2145, 20000));
    EXPECT_EQ(l.visibleColumns, 30);
    EXPECT_EQ(l.hScroll.maximum, 23);
}

namespace {

PanelColumnInput Column()
{
    PanelColumnInput in;
    in.height = {735, 3255, 750, 1350, 2055};
    in.column = {45, 960, 2085, 7215};
    in.container = {2145, 960, 10000, 8000};
    in.formelButtonWidth = 300;
    in.hScrollHeight = 255;
    in.force = true;
    return in;
}

} // namespace

TEST(PanelColumn, OpenPanelsStackWithGaps)
{
    PanelColumnInput in = Column();
    in.state = {-1, -1, 0, -1, -1};
    const PanelColumnLayout l = LayoutPanelColumn(in);
    ASSERT_TRUE(l.laidOut);
    EXPECT_TRUE(l.visible[0]);
    EXPECT_EQ(l.top[0], 30);
    EXPECT_EQ(l.top[1], 30 + 735 + 50);
    EXPECT_FALSE(l.visible[2]);
    EXPECT_EQ(l.top[3], 815 + 3255 + 50);
    EXPECT_EQ(l.top[4], 4120 + 1350 + 50);
    // The layers panel reaches down to the bottom of the horizontal scroll bar.
    EXPECT_EQ(l.height[4], 960 + 8000 - 960 - 5520 + 255);
    EXPECT_EQ(l.treeHeight, l.height[4] - 435 - 60);
    EXPECT_TRUE(l.columnVisible);
    EXPECT_FALSE(l.moveWorksheet) << "column narrower than the worksheet's left";
    EXPECT_EQ(l.columnHeight, 960 + 8000 - 960 + 255);
    EXPECT_EQ(l.menuChecks, (std::array<bool, 5>{true, true, false, true, true}));
    EXPECT_EQ(l.panelButtons, (std::array<int, 5>{1, 1, 0, 1, 1}));
}

TEST(PanelColumn, ThreePanelStates)
{
    // All hidden: the column goes and the worksheet starts at 30.
    PanelColumnInput in = Column();
    in.state = {0, 0, 0, 0, 0};
    PanelColumnLayout l = LayoutPanelColumn(in);
    EXPECT_FALSE(l.columnVisible);
    EXPECT_TRUE(l.moveWorksheet);
    EXPECT_EQ(l.containerLeft, 30);
    EXPECT_EQ(l.formelButtonLeft, 30);
    EXPECT_EQ(l.formelBoxLeft, 360);

    // Only the layers panel, title only: top 30, height 420, minimise pressed.
    in.state = {0, 0, 0, 0, 1};
    in.container.left = 30;
    l = LayoutPanelColumn(in);
    EXPECT_TRUE(l.columnVisible);
    EXPECT_EQ(l.top[4], 30);
    EXPECT_EQ(l.height[4], 420);
    EXPECT_TRUE(l.minPressed[4]);
    EXPECT_TRUE(l.moveWorksheet);
    EXPECT_EQ(l.containerLeft, 2085 + 60);
    EXPECT_EQ(l.formelBoxLeft, 2145 + 300 + 60);

    // Control panel title only keeps its top; the next panel goes below its height.
    in.state = {1, -1, 0, 0, 0};
    in.top[0] = 100;
    in.height[0] = 300;
    in.visible[0] = false;
    l = LayoutPanelColumn(in);
    EXPECT_FALSE(l.visible[0]);
    EXPECT_EQ(l.top[0], 100);
    EXPECT_EQ(l.top[1], 450);
}

TEST(PanelColumn, ShortWindowClampsLayersPanelAndTree)
{
    PanelColumnInput in = Column();
    in.state = {-1, -1, -1, -1, -1};
    in.container.height = 1000;
    const PanelColumnLayout l = LayoutPanelColumn(in);
    EXPECT_EQ(l.height[4], 0);
    EXPECT_EQ(l.treeHeight, 0);
}

TEST(PanelColumn, QuickHelpAndSimulationMode)
{
    PanelColumnInput in = Column();
    in.state = {-1, 0, -1, -1, 0};
    in.quickHelp = true;
    in.force = false;
    PanelColumnLayout l = LayoutPanelColumn(in);
    EXPECT_FALSE(l.laidOut);
    EXPECT_TRUE(l.setPanelButtons);
    EXPECT_EQ(l.panelButtons, (std::array<int, 5>{1, 0, 1, 1, 0}));
    in.force = true;
    l = LayoutPanelColumn(in);
    EXPECT_TRUE(l.laidOut);
    EXPECT_FALSE(l.setPanelButtons);

    in = Column();
    in.state = {-1, 0, 0, 0, 0};
    in.visible[2] = true;
    in.top[2] = 777;
    in.powerOn = true;
    l = LayoutPanelColumn(in);
    EXPECT_TRUE(l.visible[2]) << "the mode switch owns the worksheet panel";
    EXPECT_EQ(l.top[2], 777);
}

TEST(PanelColumn, ClampTwips)
{
    EXPECT_EQ(ClampTwips(40000), 32767);
    EXPECT_EQ(ClampTwips(-40000), -32768);
    EXPECT_EQ(ClampTwips(1234.5), 1234);
    EXPECT_EQ(ClampTwips(1235.5), 1236);
}
