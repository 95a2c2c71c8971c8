#include <gtest/gtest.h>

#include <vector>

#include "model/state.h"
#include "platform/painter_surface.h"
#include "render/draw_grid.h"

// One grey pixel at the centre of each empty cell, none on an occupied one,
// white ones with the grid hidden; the centres round half to even at any zoom.
TEST(DrawGrid, DotsOnEmptyCellsAtTheirRoundedCentres)
{
    struct Case {
        float zoom;
        std::vector<QPoint> grey, white;
    } const cases[] = {
        {1.0f, {{7, 7}, {49, 35}}, {{21, 21}, {8, 7}}}, // (21, 21) is the occupied cell (1, 1)
        // 7 * 0.5 * (2k + 1): 3.5 -> 4, 10.5 -> 10, 17.5 -> 18
        {0.5f, {{4, 4}, {10, 18}}, {{11, 18}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.zoom);
        ProgramState s;
        s.circuit.MaxX = 3;
        s.circuit.MaxY = 2;
        s.circuit.P.Redim(s.circuit.MaxX + 1, s.circuit.MaxY + 1);
        s.circuit.P(1, 1).Type = 1;
        s.GridMode = c.zoom;
        PainterSurface picGrid(4 * 14, 3 * 14);
        picGrid.Cls();
        auto pixel = [&](QPoint p) { return picGrid.Image().pixel(p) & 0xFFFFFF; };
        DrawGrid(s.circuit, picGrid, s.CellSize, s.GridMode, true);
        for (QPoint p : c.grey)
            EXPECT_EQ(pixel(p), 0x808080u) << p.x() << "," << p.y();
        for (QPoint p : c.white)
            EXPECT_EQ(pixel(p), 0xFFFFFFu) << p.x() << "," << p.y();
        DrawGrid(s.circuit, picGrid, s.CellSize, s.GridMode, false);
        EXPECT_EQ(pixel(c.grey[0]), 0xFFFFFFu) << "the grid hidden paints its dots out";
    }
}
