#include <gtest/gtest.h>

#include "model/conductor_runs.h"
#include "model/state.h"

namespace {

class ConductorRuns : public ::testing::Test {
protected:
    void SetUp() override
    {
        s.MaxX = 10;
        s.MaxY = 6;
        s.P.Redim(s.MaxX + 1, s.MaxY + 1);
        s.LineMap.Redim(s.MaxX, s.MaxY);
    }
    void Horizontal(int y, int x0, int x1)
    {
        for (int x = x0; x <= x1; ++x) {
            s.P(x, y).Type = 1;
            s.P(x, y).ConRight = VbBool(x < x1);
            if (x > x0)
                s.P(x, y).ConLeft = kTrue;
        }
    }
    void Vertical(int x, int y0, int y1)
    {
        for (int y = y0; y <= y1; ++y) {
            s.P(x, y).Type = 1;
            s.P(x, y).ConDown = VbBool(y < y1);
            s.P(x, y).ConUp = VbBool(y > y0);
        }
    }
    ProgramState s;
};

TEST_F(ConductorRuns, FindEndWalksToTheLastConnectedCell)
{
    Horizontal(2, 2, 6);
    EXPECT_EQ(FindEndX(s, 2, 2), 6);
    for (int x = 2; x <= 6; ++x)
        EXPECT_EQ(s.LineMap(x, 2).CoveredH, kTrue) << x;
    EXPECT_EQ(s.LineMap(7, 2).CoveredH, 0);
    EXPECT_EQ(s.LineMap(2, 2).CoveredV, 0);

    Vertical(4, 1, 5);
    EXPECT_EQ(FindEndY(s, 4, 1), 5);
    EXPECT_EQ(s.LineMap(4, 5).CoveredV, kTrue);
    EXPECT_EQ(s.LineMap(4, 6).CoveredV, 0);
}

TEST_F(ConductorRuns, FindEndStopsAtTheWorksheetEdge)
{
    // A flag pointing into the spare column does not lead beyond MaxX.
    for (int x = 7; x <= 10; ++x)
        s.P(x, 0).ConRight = kTrue;
    EXPECT_EQ(FindEndX(s, 7, 0), 10);
    for (int y = 3; y <= 6; ++y)
        s.P(0, y).ConDown = kTrue;
    EXPECT_EQ(FindEndY(s, 0, 3), 6);
}

TEST_F(ConductorRuns, EveryRunIsRecordedOnceAtItsFirstCell)
{
    Horizontal(1, 1, 8);
    Vertical(4, 1, 5); // a T at (4, 1)
    s.P(4, 1).ConLeft = s.P(4, 1).ConRight = kTrue;
    Horizontal(3, 2, 7); // crosses the vertical run at (4, 3)
    s.P(4, 3).ConUp = s.P(4, 3).ConDown = kTrue;
    AnalysiereLeitungen(s);
    EXPECT_EQ(s.LineMap(1, 1).EndX, 8);
    EXPECT_EQ(s.LineMap(4, 1).EndX, 0); // inside the first run
    EXPECT_EQ(s.LineMap(4, 1).EndY, 5);
    EXPECT_EQ(s.LineMap(2, 3).EndX, 7);
    EXPECT_EQ(s.LineMap(4, 3).EndX, 0);
    EXPECT_EQ(s.LineMap(4, 3).EndY, 0);
    int starts = 0;
    for (int x = 0; x <= s.MaxX; ++x)
        for (int y = 0; y <= s.MaxY; ++y)
            starts += (s.LineMap(x, y).EndX != 0) + (s.LineMap(x, y).EndY != 0);
    EXPECT_EQ(starts, 3);
}

TEST_F(ConductorRuns, AnalysisKeepsWhatTheMapAlreadyHolds)
{
    Horizontal(2, 2, 5);
    s.LineMap(2, 2).CoveredH = kTrue; // the caller did not clear the map
    AnalysiereLeitungen(s);
    EXPECT_EQ(s.LineMap(2, 2).EndX, 0);
    EXPECT_EQ(s.LineMap(3, 2).EndX, 5); // the rest of the run starts anew
}

} // namespace
