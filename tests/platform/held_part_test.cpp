// A surface that keeps only part of its picture must have, in that part, the
// very pixels of the whole picture; a patch goes on only where it is opaque
// and inside its area.
#include <gtest/gtest.h>

#include <QImage>
#include <functional>

#include "platform/painter_surface.h"

namespace {

// Every kind of primitive the drawing code uses, at odd and even places and
// half-pixel coordinates, some crossing the edges of the parts below.
void DrawEverything(Surface& d)
{
    d.FillStyle = 0;
    d.FillColor = 0xC0FFFF;
    d.Line(10.5, 11.5, 61.5, 40.5, 0, LineMode::Box);
    d.ForeColor = 0xFF;
    d.Line(3, 7, 97, 51);
    d.Line(13, 60, 13, 2);
    d.DrawWidth = 3;
    d.Line(20, 70, 90, 12);
    d.DrawWidth = 1;
    d.FillColor = 0xE0E0E0;
    for (int k = 0; k < 6; ++k)
        d.Circle(17.5 + 13 * k, 33 + 3 * k, 4.2 + 1.3 * k);
    d.PSet(41, 41, 0xFF00);
    d.SetPixel(43, 44, 0xFF0000);
    d.Polyline({QPoint(5, 5), QPoint(44, 5), QPoint(44, 58), QPoint(71, 31)});
    d.Polygon({QPoint(60, 50), QPoint(85, 50), QPoint(72, 66)});
    d.FontName = QStringLiteral("Arial");
    d.FontSize = 10;
    d.ForeColor = 0;
    d.CurrentX = 23.5;
    d.CurrentY = 17.25;
    d.Print(QStringLiteral("&1 =1 Q"));
    d.FontSize = 16.5;
    d.FontBold = true;
    d.CurrentX = 51;
    d.CurrentY = 2;
    d.Print(QStringLiteral("C9"));
}

TEST(HeldPart, HoldsThePixelsOfTheWholePictureWhereverThePartLies)
{
    PainterSurface whole(100, 72);
    DrawEverything(whole);
    for (const QRect part : {QRect(0, 0, 100, 72), QRect(1, 1, 40, 30), QRect(17, 9, 55, 41), QRect(33, 22, 67, 50),
                             QRect(50, 0, 50, 72), QRect(7, 61, 80, 11)}) {
        PainterSurface held(1, 1);
        held.HoldPart(QSize(100, 72), part);
        EXPECT_EQ(held.Width(), 100);
        EXPECT_EQ(held.Height(), 72);
        EXPECT_EQ(held.HeldRect(), part);
        DrawEverything(held);
        EXPECT_TRUE(held.Image() == whole.Image().copy(part))
            << "part " << part.x() << "," << part.y() << " " << part.width() << "x" << part.height();
    }
}

TEST(HeldPart, MovingThePartStartsBlankAndResizingHoldsTheWholeAgain)
{
    PainterSurface held(1, 1);
    held.HoldPart(QSize(300, 200), QRect(100, 50, 80, 60));
    held.Line(0, 0, 300, 200, 0xFF, LineMode::BoxFilled);
    held.HoldPart(QSize(300, 200), QRect(120, 50, 80, 60));
    EXPECT_EQ(held.Image().pixel(5, 5) & 0xFFFFFF, 0xFFFFFFu) << "a moved part is drawn anew";
    // A part reaching beyond the picture is cut to it.
    held.HoldPart(QSize(300, 200), QRect(250, 150, 100, 100));
    EXPECT_EQ(held.HeldRect(), QRect(250, 150, 50, 50));
    held.Line(0, 0, 300, 200, 0xFF, LineMode::BoxFilled);
    held.Resize(300, 200);
    EXPECT_EQ(held.HeldRect(), QRect(0, 0, 300, 200));
    EXPECT_EQ(held.Image().pixel(260, 160) & 0xFFFFFF, 0xFF0000u) << "what was held stays where it was";
    EXPECT_EQ(held.Image().pixel(10, 10) & 0xFFFFFF, 0xFFFFFFu);
}

TEST(HeldPart, PatchGoesOnWhereOpaqueAndInsideItsArea)
{
    PainterSurface picture(40, 30);
    picture.HoldPart(QSize(40, 30), QRect(5, 5, 30, 20));
    QImage patch(10, 10, QImage::Format_ARGB32_Premultiplied);
    patch.fill(Qt::transparent);
    for (int i = 0; i < 10; ++i)
        patch.setPixel(i, i, 0xFF0000FF);
    // The patch's top-left at (8, 6) of the whole picture; only rows 6..10 of it.
    picture.PutPatch(patch, QPoint(8, 6), QRect(0, 6, 40, 5));
    const QImage& im = picture.Image();
    int blue = 0;
    for (int y = 0; y < im.height(); ++y)
        for (int x = 0; x < im.width(); ++x)
            if ((im.pixel(x, y) & 0xFFFFFF) == 0x0000FFu)
                ++blue;
            else
                EXPECT_EQ(im.pixel(x, y) & 0xFFFFFF, 0xFFFFFFu) << x << "," << y;
    EXPECT_EQ(blue, 5);
    EXPECT_EQ(im.pixel(8 + 0 - 5, 6 + 0 - 5) & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(im.pixel(8 + 4 - 5, 6 + 4 - 5) & 0xFFFFFF, 0x0000FFu);
}

} // namespace

namespace {

// A column of dots set at once is PSet for each dot: on the whole picture, on
// a held part (dots beyond it dropped), with a user scale and a wide pen.
TEST(HeldPart, AColumnOfDotsIsPSetForEachDot)
{
    const std::vector<int> ys{-3, 0, 5, 17, 29, 40, 63, 64, 90};
    const std::vector<std::function<void(PainterSurface&)>> setups{
        [](PainterSurface&) {},
        [](PainterSurface& d) { d.HoldPart(QSize(100, 80), QRect(20, 10, 30, 40)); },
        [](PainterSurface& d) { d.SetScale(0, 0, 50, 40); },
        [](PainterSurface& d) { d.DrawWidth = 3; },
    };
    for (size_t k = 0; k < setups.size(); ++k) {
        for (int x : {-2, 0, 21, 33, 99}) {
            PainterSurface one(100, 80), many(100, 80);
            setups[k](one);
            setups[k](many);
            for (int y : ys)
                one.PSet(x, y, 0x00FF80);
            many.PSetColumn(x, ys.data(), static_cast<int>(ys.size()), 0x00FF80);
            EXPECT_TRUE(one.Image() == many.Image()) << "setup " << k << " x " << x;
            EXPECT_EQ(one.DrawCount(), many.DrawCount()) << "setup " << k;
            EXPECT_EQ(one.CurrentX, many.CurrentX);
            EXPECT_EQ(one.CurrentY, many.CurrentY);
        }
    }
}

} // namespace
