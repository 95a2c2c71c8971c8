#include <gtest/gtest.h>

#include "platform/null_surface.h"
#include "platform/recording_surface.h"

TEST(RecordingSurface, RecordsEachCallWithItsState)
{
    RecordingSurface s(SurfaceKind::Printer);
    EXPECT_EQ(s.kind(), SurfaceKind::Printer);
    s.FillColor = 0xC0FFFF;
    s.FillStyle = 0;
    s.Line(7, 7, 21, 7, 0, LineMode::Box);
    s.Line(77, 59.5, 105, 94.5, 0);
    s.Line(1, 2, 3, 4, 0xFF, LineMode::BoxFilled);
    s.DrawWidth = 3;
    s.Circle(10, 20, 3);
    s.DrawWidth = 1;
    s.PSet(-1, -1, 0xFF);
    s.FontName = "Arial";
    s.FontSize = 8.88;
    s.CurrentX = 84;
    s.CurrentY = 70;
    s.Print(" &");
    s.ForeColor = 0x808080;
    s.Polyline({QPoint(70, 63), QPoint(77, 63)});
    s.FillStyle = 1;
    s.Polygon({QPoint(1, 2), QPoint(3, 4), QPoint(5, 6)});
    s.SetPixel(7, 7, 0x808080);
    s.Cls();
    const QStringList expected = {
        "Line 7,7-21,7 color=0 mode=Box fill=0xC0FFFF style=0 width=1",
        "Line 77,59.5-105,94.5 color=0 mode=Plain width=1",
        "Line 1,2-3,4 color=0xFF mode=BoxFilled width=1",
        "Circle 10,20 r=3 color=0 fill=0xC0FFFF style=0 width=3",
        "PSet -1,-1 color=0xFF width=1",
        "Print 84,70 \" &\" font=Arial size=8.88 bold=0 transparent=1 color=0",
        "Polyline 70,63-77,63 color=0x808080 width=1",
        "Polygon 1,2-3,4-5,6 color=0x808080 fill=0xC0FFFF style=1 width=1",
        "SetPixel 7,7 color=0x808080",
        "Cls back=0xFFFFFF",
    };
    EXPECT_EQ(s.Log(), expected);
    s.ClearLog();
    EXPECT_TRUE(s.Log().isEmpty());
}

TEST(RecordingSurface, PrintWritesOneEntryPerLineAndAdvances)
{
    RecordingSurface s;
    s.DrawStyle = 2;
    s.Line(0, 0, 1, 1, 0);
    s.CurrentX = 10;
    s.CurrentY = 5;
    const double h = s.TextHeight("x");
    s.Print("one\r\ntwo");
    ASSERT_EQ(s.Log().size(), 3);
    EXPECT_EQ(s.Log()[0], "Line 0,0-1,1 color=0 mode=Plain width=1 dash=2");
    EXPECT_TRUE(s.Log()[1].startsWith("Print 10,5 \"one\""));
    EXPECT_TRUE(s.Log()[2].startsWith("Print 0," + QString::number(5 + h, 'g', 12) + " \"two\""));
    EXPECT_DOUBLE_EQ(s.CurrentY, 5 + 2 * h);
    EXPECT_EQ(s.CurrentX, 0);
}

TEST(RecordingSurface, PrintUnderAUserScaleStartsNewLinesAtScaleLeft)
{
    RecordingSurface s(SurfaceKind::Printer, 576, 800);
    s.SetScale(-500, -300, 5760, 8000);
    const double h = s.TextHeight("x");
    EXPECT_GT(h, 100); // ten units per pixel
    s.Print("(name)");
    EXPECT_EQ(s.CurrentX, -500);
    EXPECT_DOUBLE_EQ(s.CurrentY, h);
    EXPECT_DOUBLE_EQ(s.ToDevice(0, 0).x(), 50);
    EXPECT_DOUBLE_EQ(s.ToDevice(0, 0).y(), 30);
}

TEST(NullSurface, KeepsStateAndMeasuresButIsHidden)
{
    NullSurface s;
    EXPECT_EQ(s.kind(), SurfaceKind::Hidden);
    s.Line(1, 2, 3, 4, 0);
    s.Circle(5, 6, 7);
    EXPECT_EQ(s.CurrentX, 5);
    EXPECT_EQ(s.CurrentY, 6);
    EXPECT_GT(s.TextWidth("abc"), 0);
}
