#include <gtest/gtest.h>

#include "platform/null_surface.h"
#include "platform/painter_surface.h"

// Whoever draws, a window showing the picture must learn of it.
TEST(SurfaceNotify, EveryPrimitiveThatDrawsTellsTheOwner)
{
    PainterSurface surface(40, 40);
    int drawn = 0;
    surface.OnDrawn = [&] { ++drawn; };
    surface.Line(1, 1, 10, 10, 0);
    surface.Circle(20, 20, 5, 0);
    surface.PSet(3, 3, 0);
    surface.Print(QStringLiteral("a"));
    surface.Polyline({QPoint(0, 0), QPoint(5, 0)});
    surface.Polygon({QPoint(0, 0), QPoint(5, 0), QPoint(5, 5)});
    surface.SetPixel(1, 2, 0);
    surface.Cls();
    EXPECT_EQ(drawn, 8);

    // Nothing drawn, nothing told.
    surface.Circle(20, 20, -1, 0);
    surface.Print(QString());
    surface.Polyline({QPoint(0, 0)});
    EXPECT_EQ(drawn, 8);
}
