#include <gtest/gtest.h>

#include "model/conductor_runs.h"
#include "model/state.h"

namespace {

class ConductorRuns : public ::testing::Test {
protected:
    void SetUp() override
    {
        s.circuit.MaxX = 10;
        s.circuit.MaxY = 6;
        s.circuit.P.Redim(s.circuit.MaxX + 1, s.circuit.MaxY + 1);
        s.circuit.LineMap.Redim(s.circuit.MaxX, s.circuit.MaxY);
    }
    void Horizontal(int y, int x0, int x1)
    {
        for (int x = x0; x <= x1; ++x) {
            s.circuit.P(x, y).Type = 1;
            s.circuit.P(x, y).ConRight = VbBool(x < x1);
            if (x > x0)
                s.circuit.P(x, y).ConLeft = kTrue;
        }
    }
    void Vertical(int x, int y0, int y1)
    {
        for (int y = y0; y <= y1; ++y) {
            s.circuit.P(x, y).Type = 1;
            s.circuit.P(x, y).ConDown = VbBool(y < y1);
            s.circuit.P(x, y).ConUp = VbBool(y > y0);
        }
    }
    ProgramState s;
};

TEST_F(ConductorRuns, FindEndWalksToTheLastConnectedCell)
{
    Horizontal(2, 2, 6);
    EXPECT_EQ(FindEndX(s.circuit, 2, 2), 6);
    for (int x = 2; x <= 6; ++x)
        EXPECT_EQ(s.circuit.LineMap(x, 2).CoveredH, kTrue) << x;
    EXPECT_EQ(s.circuit.LineMap(7, 2).CoveredH, 0);
    EXPECT_EQ(s.circuit.LineMap(2, 2).CoveredV, 0);

    Vertical(4, 1, 5);
    EXPECT_EQ(FindEndY(s.circuit, 4, 1), 5);
    EXPECT_EQ(s.circuit.LineMap(4, 5).CoveredV, kTrue);
    EXPECT_EQ(s.circuit.LineMap(4, 6).CoveredV, 0);
}

TEST_F(ConductorRuns, FindEndStopsAtTheWorksheetEdge)
{
    // A flag pointing into the spare column does not lead beyond MaxX.
    for (int x = 7; x <= 10; ++x)
        s.circuit.P(x, 0).ConRight = kTrue;
    EXPECT_EQ(FindEndX(s.circuit, 7, 0), 10);
    for (int y = 3; y <= 6; ++y)
        s.circuit.P(0, y).ConDown = kTrue;
    EXPECT_EQ(FindEndY(s.circuit, 0, 3), 6);
}

TEST_F(ConductorRuns, EveryRunIsRecordedOnceAtItsFirstCell)
{
    Horizontal(1, 1, 8);
    Vertical(4, 1, 5); // a T at (4, 1)
    s.circuit.P(4, 1).ConLeft = s.circuit.P(4, 1).ConRight = kTrue;
    Horizontal(3, 2, 7); // crosses the vertical run at (4, 3)
    s.circuit.P(4, 3).ConUp = s.circuit.P(4, 3).ConDown = kTrue;
    AnalysiereLeitungen(s.circuit);
    EXPECT_EQ(s.circuit.LineMap(1, 1).EndX, 8);
    EXPECT_EQ(s.circuit.LineMap(4, 1).EndX, 0); // inside the first run
    EXPECT_EQ(s.circuit.LineMap(4, 1).EndY, 5);
    EXPECT_EQ(s.circuit.LineMap(2, 3).EndX, 7);
    EXPECT_EQ(s.circuit.LineMap(4, 3).EndX, 0);
    EXPECT_EQ(s.circuit.LineMap(4, 3).EndY, 0);
    int starts = 0;
    for (int x = 0; x <= s.circuit.MaxX; ++x)
        for (int y = 0; y <= s.circuit.MaxY; ++y)
            starts += (s.circuit.LineMap(x, y).EndX != 0) + (s.circuit.LineMap(x, y).EndY != 0);
    EXPECT_EQ(starts, 3);
}

TEST_F(ConductorRuns, AnalysisKeepsWhatTheMapAlreadyHolds)
{
    Horizontal(2, 2, 5);
    s.circuit.LineMap(2, 2).CoveredH = kTrue; // the caller did not clear the map
    AnalysiereLeitungen(s.circuit);
    EXPECT_EQ(s.circuit.LineMap(2, 2).EndX, 0);
    EXPECT_EQ(s.circuit.LineMap(3, 2).EndX, 5); // the rest of the run starts anew
}

} // namespace
