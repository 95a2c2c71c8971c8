#include <gtest/gtest.h>

#include "platform/numeric.h"
#include "platform/painter_surface.h"

#include <cmath>
#include <initializer_list>

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kYellowish = 0xFFFFFFC0; // &HC0FFFF

struct Pixel {
    int x, y;
    QRgb color;
};

// Each listed pixel has its colour.
void ExpectPixels(const QImage& image, std::initializer_list<Pixel> pixels)
{
    for (const Pixel& p : pixels)
        EXPECT_EQ(image.pixel(p.x, p.y), p.color) << p.x << "," << p.y;
}

int Count(const QImage& image, const QRect& area, QRgb color)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += image.pixel(x, y) == color;
    return n;
}

} // namespace

// Drawing moves the current position as each primitive should and leaves
// every other setting as it was.
TEST(PainterSurface, PrimitivesMoveTheCurrentPositionAndKeepTheSettings)
{
    PainterSurface s(60, 40);
    s.ForeColor = 0x808080;
    s.FillColor = 0xC0FFFF;
    s.FillStyle = 0;
    s.FontName = "Arial";
    s.FontSize = 10;
    s.FontTransparent = true;
    s.Line(1, 2, 11, 12, 0);
    EXPECT_EQ(s.CurrentX, 11);
    EXPECT_EQ(s.CurrentY, 12);
    s.Line(3, 4, 5, 6, 0, LineMode::Box);
    EXPECT_EQ(s.CurrentX, 5);
    EXPECT_EQ(s.CurrentY, 6);
    s.Circle(20, 21, 3);
    EXPECT_EQ(s.CurrentX, 20);
    EXPECT_EQ(s.CurrentY, 21);
    s.PSet(7.5, 8.5);
    EXPECT_EQ(s.CurrentX, 7.5);
    s.Polyline({QPoint(0, 0), QPoint(30, 30)});
    s.Polygon({QPoint(1, 2), QPoint(3, 4), QPoint(5, 6)});
    s.SetPixel(1, 1, 0);
    EXPECT_EQ(s.CurrentX, 7.5);
    EXPECT_EQ(s.CurrentY, 8.5);
    s.Print("x");
    s.Cls();
    EXPECT_EQ(s.CurrentX, 0);
    EXPECT_EQ(s.CurrentY, 0);
    EXPECT_EQ(s.ForeColor, 0x808080);
    EXPECT_EQ(s.FillColor, 0xC0FFFF);
    EXPECT_EQ(s.FillStyle, 0);
    EXPECT_EQ(s.FontName, "Arial");
    EXPECT_EQ(s.FontSize, 10);
    EXPECT_TRUE(s.FontTransparent);
    EXPECT_EQ(s.kind(), SurfaceKind::Worksheet);
}

TEST(PainterSurface, LinesLeaveOutTheirLastPixelInEitherDirection)
{
    PainterSurface s(20, 20);
    s.Line(2, 5, 8, 5, 0);
    s.Line(8, 7, 2, 7, 0);
    s.Line(15, 15, 15, 10, 0);
    s.Line(0, 10, 5, 15, 0);
    ExpectPixels(s.Image(), {{2, 5, kBlack}, {7, 5, kBlack}, {8, 5, kWhite}, {8, 7, kBlack}, {3, 7, kBlack},
                             {2, 7, kWhite}, {15, 15, kBlack}, {15, 11, kBlack}, {15, 10, kWhite}, {4, 14, kBlack},
                             {5, 15, kWhite}});
    EXPECT_EQ(Count(s.Image(), QRect(0, 10, 6, 6), kBlack), 5);
}

TEST(PainterSurface, PolylineLeavesOutItsLastPixelAndUsesForeColorAndWidth)
{
    PainterSurface s(30, 30);
    s.ForeColor = 0xFF;
    // A piece ending one pixel past a point covers that point.
    s.Polyline({QPoint(5, 3), QPoint(12 + 1, 3)});
    s.Polyline({QPoint(20, 20), QPoint(10, 20)});
    // The corner of a three-point line is drawn, only the very end is left out.
    s.Polyline({QPoint(2, 25), QPoint(6, 25), QPoint(6, 28)});
    s.DrawWidth = 3;
    s.Polyline({QPoint(20, 8), QPoint(28, 8)});
    ExpectPixels(s.Image(), {{5, 3, kRed}, {12, 3, kRed}, {13, 3, kWhite}, {20, 20, kRed}, {11, 20, kRed},
                             {10, 20, kWhite}, {6, 25, kRed}, {6, 27, kRed}, {6, 28, kWhite}, {24, 7, kRed},
                             {24, 9, kRed}});
}

// Boxes, circles and polygons are filled with FillColor when FillStyle is 0;
// BoxFilled always fills, with the line colour.
TEST(PainterSurface, ShapesFillByFillStyleWhileBoxFilledUsesTheLineColour)
{
    PainterSurface s(100, 40);
    s.FillColor = 0xC0FFFF;
    s.FillStyle = 1;
    s.Line(2, 2, 8, 8, 0, LineMode::Box);
    s.Circle(75, 15, 6, 0);
    s.FillStyle = 0;
    s.Line(18, 8, 12, 2, 0, LineMode::Box); // corners in any order
    s.Polygon({QPoint(5, 15), QPoint(25, 15), QPoint(25, 35), QPoint(5, 35)});
    s.FillColor = 0xC0C0C0;
    s.Circle(45, 15, 6, 0);
    s.FillStyle = 1;
    s.Line(32, 30, 38, 36, 0xFF, LineMode::BoxFilled);
    ExpectPixels(s.Image(), {// both corners belong to the box
                             {2, 2, kBlack}, {8, 8, kBlack}, {5, 5, kWhite}, {9, 9, kWhite},
                             {12, 2, kBlack}, {18, 8, kBlack}, {15, 5, kYellowish},
                             {15, 25, kYellowish}, {5, 25, kBlack}, {25, 35, kBlack}, {27, 25, kWhite},
                             {45, 15, 0xFFC0C0C0}, {51, 15, kBlack}, {39, 15, kBlack}, {45, 22, kWhite},
                             {75, 15, kWhite}, {81, 15, kBlack}, {39, 33, kWhite}});
    EXPECT_EQ(Count(s.Image(), QRect(32, 30, 7, 7), kRed), 49);
}

TEST(PainterSurface, ColourChannelsAreNotSwapped)
{
    PainterSurface s(10, 10);
    s.PSet(2, 2, 255);
    s.PSet(3, 3, 0xFF0000);
    s.SetPixel(4, 4, 0x00FF00);
    ExpectPixels(s.Image(), {{2, 2, kRed}, {3, 3, 0xFF0000FFu}, {4, 4, 0xFF00FF00u}});
    // A point outside the picture is harmless.
    s.PSet(-1, -1, 255);
    s.SetPixel(-1, -1, 255);
    s.Line(std::nan(""), 0, 5, 5, 0);
    EXPECT_EQ(Count(s.Image(), s.Image().rect(), kRed), 1);
}

TEST(PainterSurface, PrintDrawsAtTheTopLeftAndMovesToTheNextLine)
{
    PainterSurface s(120, 60);
    s.FontName = "Arial";
    s.FontSize = 10;
    s.CurrentX = 20;
    s.CurrentY = 10;
    const double w = s.TextWidth("Gatrel");
    const double h = s.TextHeight("Gatrel");
    EXPECT_GT(w, 20);
    EXPECT_NEAR(h, 10 * 96.0 / 72.0, 4); // points at 96 dpi
    EXPECT_DOUBLE_EQ(s.TextHeight("a\r\nb"), 2 * h);
    s.Print("Gatrel");
    const QRect box(20, 10, static_cast<int>(std::ceil(w)), static_cast<int>(std::ceil(h)));
    const int inside = Count(s.Image(), box, kBlack);
    EXPECT_GT(inside, 20);
    EXPECT_EQ(Count(s.Image(), s.Image().rect(), kBlack), inside);
    EXPECT_EQ(s.CurrentX, 0);
    EXPECT_DOUBLE_EQ(s.CurrentY, 10 + h);
}

TEST(PainterSurface, OpaqueTextAndSymbolFont)
{
    PainterSurface s(80, 40);
    s.BackColor = 0xFF0000;
    s.FontTransparent = false;
    s.FontName = "Symbol";
    s.FontSize = 12;
    s.Print(QString(QChar(0xB3)) + "1");
    EXPECT_GT(Count(s.Image(), s.Image().rect(), 0xFF0000FF), 20);
    EXPECT_GT(Count(s.Image(), s.Image().rect(), kBlack), 10);
}

TEST(PainterSurface, ClsAndResize)
{
    PainterSurface s(20, 10);
    s.PSet(5, 5, 0);
    s.Resize(30, 12);
    EXPECT_EQ(s.Width(), 30);
    EXPECT_EQ(s.Height(), 12);
    ExpectPixels(s.Image(), {{5, 5, kBlack}, {25, 11, kWhite}});
    s.BackColor = 0xFF;
    s.Cls();
    EXPECT_EQ(Count(s.Image(), s.Image().rect(), kRed), 30 * 12);
    s.Resize(10, 20);
    ExpectPixels(s.Image(), {{5, 5, kRed}, {5, 15, kRed}}); // new area in the back colour
}

TEST(PainterSurface, UserScaleMapsOntoTheWholeDevice)
{
    QImage page(576, 800, QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        PainterSurface s(&page, SurfaceKind::Printer);
        ASSERT_TRUE(s.IsActive());
        EXPECT_EQ(s.kind(), SurfaceKind::Printer);
        s.SetScale(-500, -300, 5760, 8000);
        EXPECT_DOUBLE_EQ(s.ScaleWidth(), 5760);
        s.PSet(0, 0, 255);                     // device (50, 30)
        s.Line(1000, 1000, 2000, 1000, 0);     // device (150, 130) to (250, 130)
        s.Circle(3000, 3000, 100, 0);          // radius 10 device pixels
        EXPECT_THROW(s.SetScale(0, 0, 0, 100), RuntimeError);
        s.ResetScale();
        EXPECT_DOUBLE_EQ(s.ScaleWidth(), 576);
    }
    ExpectPixels(page, {{50, 30, kRed}, {150, 130, kBlack}, {249, 130, kBlack}, {250, 130, kWhite},
                        {360, 330, kBlack}, {350, 330, kWhite}});
}
