#include <gtest/gtest.h>

#include "placement/basSetRemove.h"
#include "placement/conductor_markers.h"
#include "undo_fixture.h"

namespace {

class MarkerSteps : public UndoFixture {
protected:
    MarkerSteps()
    {
        Wire(2, 5, 12, 5);
        Wire(4, 5, 4, 9);  // a T at (4, 5)
        Wire(8, 2, 8, 9);  // a crossing at (8, 5)
        Wire(2, 12, 6, 12);
        Wire(6, 12, 6, 15); // a corner at (6, 12)
    }
};

TEST_F(MarkerSteps, JuncturesAndDiodesGoOnlyOnBranchingConductorsAndNeverTogether)
{
    const QByteArray empty = File();
    for (auto [x, y] : {std::pair{3, 5}, {6, 12}, {20, 20}}) {
        SetKnotenpunkt(c, static_cast<int16_t>(x), static_cast<int16_t>(y), false);
        SetKoppeldiode(c, static_cast<int16_t>(x), static_cast<int16_t>(y), false);
    }
    EXPECT_EQ(File(), empty);
    EXPECT_TRUE(Steps().isEmpty());

    SetKnotenpunkt(c, 4, 5, false);
    SetKoppeldiode(c, 8, 5, false);
    EXPECT_EQ(s.circuit.P(4, 5).Marker, -1);
    EXPECT_EQ(s.circuit.P(8, 5).Marker, 1);
    SetKoppeldiode(c, 4, 5, false);
    SetKnotenpunkt(c, 8, 5, false);
    EXPECT_EQ(s.circuit.P(4, 5).Marker, -1);
    EXPECT_EQ(s.circuit.P(8, 5).Marker, 1);
    EXPECT_EQ(Steps(), QStringList({QStringLiteral("Place coupling diode (7,4 - 9,6)"),
                                    QStringLiteral("Place juncture (3,4 - 5,6)")}));
    EXPECT_EQ(u.Record(1).SavedCount, 0);

    u.Undo(c);
    u.Undo(c);
    EXPECT_EQ(File(), empty);
}

TEST_F(MarkerSteps, RedrawingAMarkerRecordsNothing)
{
    SetKnotenpunkt(c, 4, 5, true);
    SetKoppeldiode(c, 8, 5, true);
    EXPECT_EQ(s.circuit.P(4, 5).Marker, -1);
    EXPECT_EQ(s.circuit.P(8, 5).Marker, 1);
    EXPECT_TRUE(Steps().isEmpty());
}

TEST_F(MarkerSteps, RemovingMarkersRecordsCellSteps)
{
    SetKnotenpunkt(c, 4, 5, false);
    SetKoppeldiode(c, 8, 5, false);
    const QByteArray marked = File();
    RemoveKnotenpunkt(c, 4, 5);
    EXPECT_EQ(s.circuit.P(4, 5).Marker, 0);
    CursorTo(8, 5);
    RemoveKoppeldiode(c);
    EXPECT_EQ(s.circuit.P(8, 5).Marker, 0);
    CursorTo(4, 5);
    RemoveKoppeldiode(c); // no diode there: nothing
    RemoveKnotenpunkt(c, 3, 5); // no juncture there: a step all the same
    EXPECT_EQ(Steps(), QStringList({QStringLiteral("Delete juncture (2,4 - 4,6)"),
                                    QStringLiteral("Delete coupling diode (7,4 - 9,6)"),
                                    QStringLiteral("Delete juncture (3,4 - 5,6)"),
                                    QStringLiteral("Place coupling diode (7,4 - 9,6)"),
                                    QStringLiteral("Place juncture (3,4 - 5,6)")}));
    u.Undo(c);
    u.Undo(c);
    u.Undo(c);
    EXPECT_EQ(File(), marked);
}

TEST_F(MarkerSteps, WithThePowerOnAJunctureRecordsNothing)
{
    s.circuit.Levels[0].Field = s.circuit.P;
    s.circuit.Levels[0].Width = s.circuit.MaxX;
    s.circuit.Levels[0].Height = s.circuit.MaxY;
    s.engine.PowerFlag = kTrue;
    SetKnotenpunkt(c, 4, 5, false);
    EXPECT_EQ(s.circuit.Levels[0].Field(4, 5).Marker, -1);
    EXPECT_EQ(s.circuit.P(4, 5).Marker, 0);
    EXPECT_TRUE(Steps().isEmpty());
}

TEST_F(MarkerSteps, NegationMarkersOnlyOnGatePinsAndOnJAndK)
{
    s.GateInputsText = QStringLiteral("3");
    CursorTo(20, 10);
    SetGatter(c, ElementType::AND); // inputs (20, 9..11), output (22, 10)
    CursorTo(20, 20);
    SetFlipFlop(c); // J (20, 19), clock (20, 20), K (20, 21), outputs (25, 19), (25, 21)
    u.DeleteAllUndo();

    for (auto [x, y] : {std::pair{21, 10}, {20, 20}, {25, 19}, {25, 21}, {22, 19}, {22, 21}, {4, 5}, {30, 3}}) {
        CursorTo(x, y);
        SetNegationsPunkt(c);
        EXPECT_EQ(s.circuit.P(x, y).Marker, 0) << x << "," << y;
    }
    EXPECT_TRUE(Steps().isEmpty());

    for (auto [x, y] : {std::pair{20, 9}, {20, 11}, {22, 10}, {20, 19}, {20, 21}}) {
        CursorTo(x, y);
        SetNegationsPunkt(c);
        EXPECT_EQ(s.circuit.P(x, y).Marker, -1) << x << "," << y;
    }
    EXPECT_EQ(Steps().size(), 5);
    EXPECT_EQ(Steps().first(), QStringLiteral("Place negation marker (18,19 - 22,23)"));

    CursorTo(22, 10);
    RemoveNegationsPunkt(c);
    EXPECT_EQ(s.circuit.P(22, 10).Marker, 0);
    EXPECT_EQ(Steps().first(), QStringLiteral("Delete negation marker (21,9 - 23,11)"));
    u.Undo(c);
    EXPECT_EQ(s.circuit.P(22, 10).Marker, -1);
}

} // namespace
