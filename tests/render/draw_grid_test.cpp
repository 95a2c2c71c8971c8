#include <gtest/gtest.h>

#include "model/state.h"
#include "platform/painter_surface.h"
#include "render/draw_grid.h"

namespace {
QRgb PixelAt(const PainterSurface& surface, int x, int y)
{
    return surface.Image().pixel(x, y) & 0xFFFFFF;
}
} // namespace

TEST(DrawGrid, DotsOnEmptyCellsOnlyGreyOrWhite)
{
    ProgramState s;
    s.circuit.MaxX = 3;
    s.circuit.MaxY = 2;
    s.circuit.P.Redim(s.circuit.MaxX + 1, s.circuit.MaxY + 1);
    s.circuit.P(1, 1).Type = 1;
    PainterSurface picGrid(4 * 14, 3 * 14);
    picGrid.Cls();

    DrawGrid(s.circuit, picGrid, s.CellSize, s.GridMode, s.ShowGrid != 0);
    EXPECT_EQ(PixelAt(picGrid, 7, 7), 0x808080u);
    EXPECT_EQ(PixelAt(picGrid, 49, 35), 0x808080u);
    EXPECT_EQ(PixelAt(picGrid, 21, 21), 0xFFFFFFu) << "occupied cell gets no dot";
    EXPECT_EQ(PixelAt(picGrid, 8, 7), 0xFFFFFFu);

    s.ShowGrid = kFalse;
    DrawGrid(s.circuit, picGrid, s.CellSize, s.GridMode, s.ShowGrid != 0);
    EXPECT_EQ(PixelAt(picGrid, 7, 7), 0xFFFFFFu);
}

TEST(DrawGrid, DotPositionsFollowTheZoom)
{
    ProgramState s;
    s.circuit.MaxX = 2;
    s.circuit.MaxY = 2;
    s.circuit.P.Redim(s.circuit.MaxX + 1, s.circuit.MaxY + 1);
    s.GridMode = 0.5f;
    PainterSurface picGrid(30, 30);
    picGrid.Cls();
    DrawGrid(s.circuit, picGrid, s.CellSize, s.GridMode, s.ShowGrid != 0);
    // 7 * 0.5 * (2k + 1): 3.5 -> 4, 10.5 -> 10, 17.5 -> 18
    EXPECT_EQ(PixelAt(picGrid, 4, 4), 0x808080u);
    EXPECT_EQ(PixelAt(picGrid, 10, 18), 0x808080u);
    EXPECT_EQ(PixelAt(picGrid, 11, 18), 0xFFFFFFu);
}
