#include <gtest/gtest.h>

#include "model/circuit_tables.h"
#include "placement/clock_slots.h"
#include "placement/basSetRemove.h"
#include "placement/ic_instances.h"
#include "placement/placement_frame.h"
#include "support/clock_columns.h"
#include "undo_fixture.h"

namespace {

// ---- The history's bookkeeping, with cells changed by hand ----

class History : public UndoFixture {
protected:
    // One step over (x, y) that then sets the cell's type to `type`.
    void Step(const QString& text, int x = 3, int y = 3, uint8_t type = ElementType::Conductor)
    {
        u.NewUndo(x, y, x, y, text);
        s.circuit.P(x, y).Type = type;
    }
};

TEST_F(History, ElevenStepsWithTenKeepTheNewestTen)
{
    for (int i = 1; i <= 11; ++i)
        Step(QStringLiteral("S%1").arg(i));
    const QStringList steps = Steps();
    ASSERT_EQ(steps.size(), 10);
    EXPECT_EQ(steps.first(), QStringLiteral("S11 (3,3 - 3,3)"));
    EXPECT_EQ(steps.last(), QStringLiteral("S2 (3,3 - 3,3)"));
}

TEST_F(History, UndoTakesStepsBackNewestFirstAndAStepAfterUndoDropsTheOlderOnes)
{
    Step(QStringLiteral("A"), 1, 1, 4);
    Step(QStringLiteral("B"), 2, 2, 5);
    Step(QStringLiteral("C"), 3, 3, 6);
    u.Undo(c);
    EXPECT_EQ(s.circuit.P(3, 3).Type, 0);
    EXPECT_EQ(s.circuit.P(2, 2).Type, 5);
    u.Undo(c);
    EXPECT_EQ(s.circuit.P(2, 2).Type, 0);
    EXPECT_EQ(Steps(), QStringList{QStringLiteral("A (1,1 - 1,1)")});

    Step(QStringLiteral("D"), 4, 4, 7);
    EXPECT_EQ(Steps(), QStringList{QStringLiteral("D (4,4 - 4,4)")});
    u.Undo(c);
    u.Undo(c);
    EXPECT_EQ(s.circuit.P(1, 1).Type, 4) << "A can no longer be undone";
    EXPECT_EQ(s.circuit.P(4, 4).Type, 0);
}

TEST_F(History, TheRectangleIsClampedAndWrittenBack)
{
    int16_t x1 = -1, y1 = -1, x2 = 99, y2 = 2;
    u.NewUndo(x1, y1, x2, y2, QStringLiteral("Clamped"));
    EXPECT_EQ(std::vector<int16_t>({x1, y1, x2, y2}), std::vector<int16_t>({0, 0, 40, 2}));

    u.NoObjects = true;
    int16_t a = 5, b = 5, d = 4, e = 6;
    u.NewUndo(a, b, d, e, QStringLiteral("Inverted"));
    EXPECT_EQ(Steps().size(), 1) << "an inverted rectangle records nothing";
    EXPECT_TRUE(u.NoObjects) << "and leaves the flags for the next step";
}

TEST_F(History, AnAreaDeleteSavesTheWholeWorksheetAndListsIt)
{
    u.Delete = true;
    u.Move = true;
    int16_t x1 = 5, y1 = 6, x2 = 7, y2 = 8;
    u.NewUndo(x1, y1, x2, y2, QStringLiteral("Delete area"));
    EXPECT_EQ(std::vector<int16_t>({x1, y1, x2, y2}), std::vector<int16_t>({0, 0, 40, 30}));
    EXPECT_EQ(Steps(), QStringList{QStringLiteral("Delete area (0,0 - 40,30)")});
    const UndoRecord& r = u.Record(1);
    EXPECT_EQ(r.Kind, UndoKind::WholeField) << "Delete wins over Move";
    EXPECT_EQ(std::vector<int16_t>({r.AreaX1, r.AreaY1, r.AreaX2, r.AreaY2}), std::vector<int16_t>({5, 6, 7, 8}));
    EXPECT_FALSE(u.Delete || u.Move || u.NoObjects);
}

TEST_F(History, AStepOverTheCellZeroZeroIsHeldAndUndone)
{
    Step(QStringLiteral("Corner"), 0, 0, ElementType::Conductor);
    EXPECT_EQ(Steps(), QStringList{QStringLiteral("Corner (0,0 - 0,0)")});
    EXPECT_FALSE(u.NoUndoData());
    u.Undo(c);
    EXPECT_EQ(s.circuit.P(0, 0).Type, 0);
}

TEST_F(History, TheNumberOfStepsIsHeldWithin1And200)
{
    u.SetUndos(0);
    EXPECT_EQ(u.Undos(), 1);
    u.SetUndos(500);
    EXPECT_EQ(u.Undos(), 200);
    u.SetUndos(37);
    EXPECT_EQ(u.Undos(), 37);
}

TEST_F(History, ResizingDropsTheUndoneStepsSoNoneIsUndoneTwice)
{
    Step(QStringLiteral("A"), 1, 1, 4);
    Step(QStringLiteral("B"), 2, 2, 5);
    Step(QStringLiteral("C"), 3, 3, 6);
    Step(QStringLiteral("D"), 4, 4, 7);
    u.Undo(c);
    s.circuit.P(4, 4).Type = 9; // what D would see if it were undone again
    u.SetUndos(2);
    EXPECT_EQ(Steps(), QStringList({QStringLiteral("C (3,3 - 3,3)"), QStringLiteral("B (2,2 - 2,2)")}));
    u.Undo(c);
    EXPECT_EQ(s.circuit.P(3, 3).Type, 0);
    EXPECT_EQ(s.circuit.P(4, 4).Type, 9);
    u.SetUndos(10);
    EXPECT_EQ(Steps(), QStringList{QStringLiteral("B (2,2 - 2,2)")});
    EXPECT_EQ(w.undoMenuCaption, QStringLiteral("Undo: B"));
}

TEST_F(History, ResizingWithEverythingUndoneLeavesNothingToUndo)
{
    u.SetUndos(2);
    Step(QStringLiteral("A"), 1, 1, 4);
    Step(QStringLiteral("B"), 2, 2, 5);
    u.Undo(c);
    u.Undo(c);
    EXPECT_EQ(u.UndoPointer(), 3);
    EXPECT_FALSE(u.NoUndoData()) << "beyond the last record";
    u.SetUndos(5);
    EXPECT_TRUE(Steps().isEmpty());
    s.circuit.P(1, 1).Type = 8;
    u.Undo(c);
    EXPECT_EQ(s.circuit.P(1, 1).Type, 8);
}

TEST_F(History, DeleteUndoDataEmptiesTheHistory)
{
    Step(QStringLiteral("A"));
    u.Move = true;
    u.DeleteUndoData(true);
    EXPECT_TRUE(u.Move) << "KeepMode keeps the flags";
    EXPECT_EQ(u.UndoPointer(), 0);
    EXPECT_TRUE(u.NoUndoData());
    EXPECT_TRUE(Steps().isEmpty());
    u.Undo(c);
    EXPECT_EQ(s.circuit.P(3, 3).Type, ElementType::Conductor);
    EXPECT_FALSE(w.undoMenuEnabled);
    EXPECT_EQ(w.undoMenuCaption, QStringLiteral("Undo: Impossible"));
    EXPECT_FALSE(w.undoButtonsEnabled);
    EXPECT_TRUE(w.undoListMenuEnabled) << "the list item is left alone";
    u.DeleteUndoData(false);
    EXPECT_FALSE(u.Move);

    // The next step starts a new history.
    Step(QStringLiteral("B"), 4, 4);
    EXPECT_EQ(u.UndoPointer(), 1);
    EXPECT_EQ(Steps(), QStringList{QStringLiteral("B (4,4 - 4,4)")});
}

TEST_F(History, DeleteLastUndoDiscardsTheNewestStep)
{
    Step(QStringLiteral("A"), 1, 1);
    Step(QStringLiteral("B"), 2, 2);
    Step(QStringLiteral("C"), 3, 3);
    u.DeleteLastUndo();
    EXPECT_EQ(Steps(), QStringList({QStringLiteral("B (2,2 - 2,2)"), QStringLiteral("A (1,1 - 1,1)")}));
    EXPECT_EQ(w.undoMenuCaption, QStringLiteral("Undo: B"));
    u.DeleteLastUndo();
    u.DeleteLastUndo();
    EXPECT_TRUE(Steps().isEmpty());
    EXPECT_EQ(w.undoMenuCaption, QStringLiteral("Undo: Impossible"));
    EXPECT_FALSE(w.undoButtonsEnabled);
}

TEST_F(History, DeleteAllUndoDisablesEveryUndoControl)
{
    Step(QStringLiteral("A"));
    EXPECT_TRUE(w.undoMenuEnabled && w.undoButtonsEnabled && w.undoListMenuEnabled);
    u.DeleteAllUndo();
    EXPECT_EQ(u.UndoPointer(), 1);
    EXPECT_TRUE(u.NoUndoData());
    EXPECT_FALSE(w.undoMenuEnabled || w.undoButtonsEnabled || w.undoListMenuEnabled);
}

TEST_F(History, TheMenuShowsTheNextStep)
{
    EXPECT_TRUE(u.NoUndoData());
    Step(QStringLiteral("Place LED"), 1, 1);
    Step(QStringLiteral("Delete IC"), 2, 2);
    EXPECT_EQ(w.undoMenuCaption, QStringLiteral("Undo: Delete IC"));
    EXPECT_TRUE(w.undoMenuEnabled && w.undoButtonsEnabled && w.undoListMenuEnabled);
    u.Undo(c);
    EXPECT_EQ(w.undoMenuCaption, QStringLiteral("Undo: Place LED"));
    EXPECT_EQ(w.selectNoneCount, 1);
    u.Undo(c);
    EXPECT_EQ(w.undoMenuCaption, QStringLiteral("Undo: Impossible"));
    EXPECT_FALSE(w.undoMenuEnabled || w.undoButtonsEnabled || w.undoListMenuEnabled);
    EXPECT_TRUE(u.NoUndoData());
}

TEST_F(History, AStepRestoresEveryFieldOfItsCells)
{
    GridCell& cell = s.circuit.P(6, 7);
    cell = GridCell{kTrue, ElementType::Conductor, kTrue, 0, kTrue, 0, -1, 0, 0, 0, kTrue, kTrue, 20};
    const GridCell before = cell;
    u.NoObjects = true;
    u.NewUndo(5, 6, 7, 8, QStringLiteral("Cells"));
    EXPECT_EQ(u.Record(1).SavedCount, 0);
    cell = GridCell{};
    s.circuit.P(5, 6).Marker = 1;
    u.Undo(c);
    EXPECT_EQ(s.circuit.P(6, 7), before);
    EXPECT_EQ(s.circuit.P(5, 6), GridCell{});
}

// ---- Elements put back by undo ----

class ElementUndo : public UndoFixture {};

// An LED step saves the switch beside it; undo must not put it in twice.
TEST_F(ElementUndo, ANeighbourSavedByAStepIsNotInsertedAgain)
{
    Wire(3, 5, 5, 5);
    CursorTo(5, 5);
    SetSwitch(c);
    ASSERT_EQ(s.circuit.ElementCount(), 1);
    const QByteArray before = File();
    CursorTo(6, 6);
    SetDiode(c);
    ASSERT_EQ(s.circuit.ElementCount(), 2);
    ASSERT_EQ(u.Record(1).SavedCount, 1) << "the step holds the switch";
    u.Undo(c);
    EXPECT_EQ(s.circuit.ElementCount(), 1);
    EXPECT_EQ(File(), before);
}

TEST_F(ElementUndo, ARemovedElementGoesBackAtItsNumberAndTheLaterOnesFollow)
{
    Wire(2, 10, 30, 10);
    const int xs[] = {4, 9, 14, 19, 24};
    for (int x : xs) {
        CursorTo(x, 10);
        SetAnalysepunkt(c);
    }
    ASSERT_EQ(s.circuit.ElementCount(), 5);
    const QByteArray before = File();
    CursorTo(14, 10);
    RemoveAnalysepunkt(c);
    EXPECT_EQ(s.circuit.P(19, 10).ElementNr, 3);
    u.Undo(c);
    EXPECT_EQ(s.circuit.ElementCount(), 5);
    EXPECT_EQ(s.circuit.P(14, 10).ElementNr, 3);
    EXPECT_EQ(s.circuit.P(19, 10).ElementNr, 4);
    EXPECT_EQ(s.circuit.Elements[4].SelfIndex, 4);
    EXPECT_EQ(File(), before);
}

TEST_F(ElementUndo, SensorStepsKeepTheProbeCountAndTheTraces)
{
    Wire(2, 10, 30, 10);
    CursorTo(5, 10);
    SetAnalysepunkt(c);
    CursorTo(8, 10);
    SetAnalysepunkt(c);
    ASSERT_EQ(s.ProbeCount, 2);
    CursorTo(5, 10);
    RemoveAnalysepunkt(c);
    ASSERT_EQ(s.ProbeCount, 1);
    w.addedGraphs.clear();
    w.removedGraphs.clear();

    u.Undo(c); // "Delete analysis sensor"
    EXPECT_EQ(s.ProbeCount, 2);
    EXPECT_EQ(w.addedGraphs, std::vector<int>{1});
    u.Undo(c); // "Place analysis sensor" (channel 2)
    u.Undo(c); // "Place analysis sensor" (channel 1)
    EXPECT_EQ(s.ProbeCount, 0);
    EXPECT_EQ(w.removedGraphs, std::vector<int>({2, 1}));
    EXPECT_FALSE(w.analyserMenuEnabled);
    EXPECT_EQ(w.prepareListViewCount, w.resizeListViewCount);
}

// ---- Area deletes: the whole worksheet comes back ----

class AreaUndo : public UndoFixture {
protected:
    // What the editor's area delete does: one step, then every element whose
    // cells lie in the area goes, with its clock slot and IC slots.
    void DeleteArea(int x1, int y1, int x2, int y2)
    {
        u.Delete = true;
        u.NewUndo(x1, y1, x2, y2, QStringLiteral("Delete area"));
        for (int16_t e = s.circuit.ElementCount(); e >= 1; --e) {
            bool inside = false;
            int ex1 = 999, ey1 = 999, ex2 = -1, ey2 = -1;
            for (int x = 0; x <= s.circuit.MaxX; ++x)
                for (int y = 0; y <= s.circuit.MaxY; ++y)
                    if (s.circuit.P(x, y).ElementNr == e) {
                        inside = inside || (x >= x1 && x <= x2 && y >= y1 && y <= y2);
                        ex1 = std::min(ex1, x), ey1 = std::min(ey1, y), ex2 = std::max(ex2, x), ey2 = std::max(ey2, y);
                    }
            if (!inside)
                continue;
            const uint8_t t = s.circuit.Elements[static_cast<size_t>(e)].Type;
            if (t == ElementType::ClockGenerator) {
                for (int k = 0; k < s.circuit.ClockCount; ++k)
                    if (s.circuit.Clocks[static_cast<size_t>(k)].ClockElement == e) {
                        RemoveTimerSlot(s.circuit, s.ports.clockTimers, s.SelectedClock, static_cast<int16_t>(k));
                        break;
                    }
            }
            int16_t slot = 0;
            if (t == ElementType::IC)
                for (int k = 1; k <= s.circuit.LevelUBound(); ++k)
                    if (s.circuit.ICInstances[static_cast<size_t>(k)].NestingLevel == 0
                        && s.circuit.ICInstances[static_cast<size_t>(k)].ElementNr == e)
                        slot = static_cast<int16_t>(k);
            ClearGridArea(s.circuit, static_cast<int16_t>(ex1), static_cast<int16_t>(ey1), static_cast<int16_t>(ex2),
                          static_cast<int16_t>(ey2));
            DeleteElement(s.circuit, e);
            if (slot != 0) {
                const int16_t d = DeleteICLevel(s.circuit, slot);
                if (slot <= s.circuit.LevelUBound())
                    CompactICLevels(s.circuit, slot, d);
                ReleaseICSlots(s.circuit);
            }
        }
        s.ProbeCount = RecountProbes(s.circuit, s.ports.analyzer);
    }
};

TEST_F(AreaUndo, UndoPutsBackElementsICsClockSlotsAndSensors)
{
    Wire(2, 20, 30, 20);
    CursorTo(4, 20);
    SetAnalysepunkt(c);
    CursorTo(3, 4);
    SetTimer(c);
    s.circuit.ICName = QStringLiteral("HALF");
    CursorTo(12, 6);
    ASSERT_TRUE(SetIC(c));
    CursorTo(20, 20);
    SetAnalysepunkt(c);
    CursorTo(20, 4);
    SetTimer(c);
    s.circuit.ICName = QStringLiteral("FULL");
    CursorTo(30, 8);
    ASSERT_TRUE(SetIC(c));
    s.circuit.Clocks[0].ClockHigh = 250;
    w.clockTimerIntervals = {250, 1000};
    const QByteArray before = File();
    ASSERT_EQ(s.circuit.ICCount(), 4);
    ASSERT_EQ(s.ProbeCount, 2);

    DeleteArea(0, 0, 17, 20); // the first sensor, clock and IC
    ASSERT_EQ(s.circuit.ElementCount(), 3);
    ASSERT_EQ(s.circuit.ICCount(), 3);
    ASSERT_EQ(s.circuit.ClockCount, 1);
    ASSERT_EQ(s.ProbeCount, 1);
    w.addedGraphs.clear();

    u.Undo(c);
    EXPECT_EQ(s.circuit.ElementCount(), 6);
    EXPECT_EQ(s.circuit.ICCount(), 4);
    EXPECT_EQ(s.circuit.LevelUBound(), 4);
    EXPECT_EQ(s.circuit.ClockCount, 2);
    EXPECT_EQ(ClockColumn(s.circuit.Clocks, &ClockSlot::ClockElement), (std::vector<int16_t>{2, 5}));
    EXPECT_EQ(w.clockTimerIntervals, (std::vector<int>{250, 1000}));
    EXPECT_EQ(s.ProbeCount, 2);
    EXPECT_TRUE(w.analyserMenuEnabled);
    EXPECT_EQ(w.addedGraphs, std::vector<int>{1});
    EXPECT_EQ(s.circuit.ICInstances[1].Name, QStringLiteral("HALF"));
    EXPECT_EQ(s.circuit.ICInstances[2].Name, QStringLiteral("FULL"));
    EXPECT_EQ(s.circuit.ICInstances[3].ParentLevel, 2);
    EXPECT_EQ(File(), before);
}

// Re-creating an IC takes its name, cell and slot from the step, so the IC
// chosen for placing, the cursor and the level shown stay as the editor left them.
TEST_F(AreaUndo, UndoingAnICRemovalLeavesTheEditorsChoiceCursorAndLevel)
{
    s.circuit.ICName = QStringLiteral("FULL");
    CursorTo(12, 8);
    ASSERT_TRUE(SetIC(c));
    const QByteArray placed = File();
    RemoveIC(c);
    ASSERT_EQ(s.circuit.ICCount(), 0);
    s.circuit.ICName = QStringLiteral("HALF");
    CursorTo(30, 20);
    s.CurrentLevel = 0;

    u.Undo(c);
    EXPECT_EQ(File(), placed);
    EXPECT_EQ(s.circuit.ICName, QStringLiteral("HALF"));
    EXPECT_EQ(s.CursorX, 30);
    EXPECT_EQ(s.CursorY, 20);
    EXPECT_EQ(s.CurrentLevel, 0);
}

} // namespace
