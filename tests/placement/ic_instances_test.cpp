#include <gtest/gtest.h>

#include <random>

#include "editing/mouse_dispatch.h"
#include "model/files/ic_file.h"
#include "placement/basSetRemove.h"
#include "placement/ic_instances.h"
#include "placement/placement_frame.h"
#include "undo_fixture.h"

namespace {

class ICInstances : public UndoFixture {
protected:
    bool Place(const QString& name, int x, int y)
    {
        s.circuit.ICName = name;
        CursorTo(x, y);
        return SetIC(c);
    }
    void Remove(int x, int y)
    {
        CursorTo(x, y);
        RemoveIC(c);
    }
    struct Slot {
        QString name;
        int element;
        int parent;
        int nesting;
        bool operator==(const Slot&) const = default;
    };
    std::vector<Slot> Slots() const
    {
        std::vector<Slot> v;
        for (int k = 1; k <= s.circuit.LevelUBound(); ++k) {
            const ICInstanceRecord& ic = s.circuit.ICInstances[static_cast<size_t>(k)];
            EXPECT_EQ(s.circuit.Levels[static_cast<size_t>(k)].Name, ic.Name) << "slot " << k;
            v.push_back({ic.Name, ic.ElementNr, ic.ParentLevel, ic.NestingLevel});
        }
        return v;
    }
    friend std::ostream& operator<<(std::ostream& os, const Slot& s)
    {
        return os << s.name.toStdString() << "/" << s.element << "/" << s.parent << "/" << s.nesting;
    }
};

// FULL (outline 6 x 4, three connectors) holds two HALF (outline 4 x 3, four connectors).
TEST_F(ICInstances, AnICCoversItsOutlineAndLinksItsConnectors)
{
    Wire(7, 11, 10, 11); // a conductor ending on connector A from the left
    ASSERT_TRUE(Place(QStringLiteral("FULL"), 10, 12));
    EXPECT_EQ(s.circuit.ElementCount(), 1);
    for (int x = 9; x <= 17; ++x)
        for (int y = 9; y <= 15; ++y) {
            const bool inside = x >= 10 && x <= 16 && y >= 10 && y <= 14;
            EXPECT_EQ(s.circuit.P(x, y).Type == ElementType::IC, inside) << x << "," << y;
            EXPECT_EQ(s.circuit.P(x, y).ElementNr == 1, inside) << x << "," << y;
        }
    const ElementRecord& e = s.circuit.Elements[1];
    EXPECT_EQ(e.InPinList, QStringLiteral("X10Y11:X10Y13:X16Y12:"));
    EXPECT_EQ(e.OutPinList, e.InPinList);
    EXPECT_EQ(e.Type, ElementType::IC);
    EXPECT_EQ(e.SelfIndex, 1);
    EXPECT_EQ(s.circuit.P(10, 11).ICLink, 1);
    EXPECT_EQ(s.circuit.P(10, 11).ICConnector, 1);
    EXPECT_EQ(s.circuit.P(10, 13).ICConnector, 2);
    EXPECT_EQ(s.circuit.P(16, 12).ICConnector, 3);
    EXPECT_EQ(s.circuit.P(10, 12).ICLink, 0);
    EXPECT_NE(s.circuit.P(10, 11).ConLeft, 0) << "the outside conductor keeps its link";
    EXPECT_EQ(s.circuit.P(10, 11).ConRight, 0) << "no link leads inside";
    EXPECT_EQ(Slots(), (std::vector<Slot>{{"FULL", 1, 0, 0}, {"HALF", 1, 1, 1}, {"HALF", 2, 1, 1}}));
    EXPECT_EQ(s.circuit.ICCount(), 3);
    EXPECT_EQ(Steps(), QStringList{QStringLiteral("Place IC (10,10 - 16,14)")});
    EXPECT_EQ(w.worksheetMousePointer, 2);
    EXPECT_EQ(w.progressValues.back(), 0);
}

TEST_F(ICInstances, TheTopRowComesFromTheCursorAndTheOutlineHeight)
{
    // Odd height: HALF is 3 rows high, its top row is CursorY - 1.
    ASSERT_TRUE(Place(QStringLiteral("HALF"), 20, 12));
    EXPECT_EQ(s.circuit.P(20, 11).Type, ElementType::IC);
    EXPECT_EQ(s.circuit.P(20, 10).Type, 0);
    EXPECT_EQ(s.circuit.P(24, 14).Type, ElementType::IC);
    EXPECT_EQ(s.circuit.Elements[1].InPinList, QStringLiteral("X20Y12:X20Y13:X24Y12:X24Y13:"));
}

TEST_F(ICInstances, AnICThatDoesNotFitOrMeetsSomethingIsRefused)
{
    const QByteArray before = File();
    EXPECT_FALSE(Place(QStringLiteral("FULL"), 10, 2)) << "top row 0";
    EXPECT_FALSE(Place(QStringLiteral("FULL"), 34, 12)) << "right column at MaxX";
    EXPECT_FALSE(Place(QStringLiteral("FULL"), 10, 28)) << "bottom row at MaxY";
    EXPECT_FALSE(Place(QStringLiteral("FULL"), 0, 12)) << "column 0";
    Wire(12, 11, 14, 11);
    EXPECT_FALSE(Place(QStringLiteral("FULL"), 10, 12)) << "a conductor inside";
    s.circuit.P(12, 11) = GridCell{};
    s.circuit.P(13, 11) = GridCell{};
    s.circuit.P(14, 11) = GridCell{};
    EXPECT_EQ(File(), before);
    EXPECT_EQ(s.circuit.ICCount(), 0);
    EXPECT_EQ(s.CurrentLevel, 0);
    EXPECT_TRUE(Steps().isEmpty());
    EXPECT_TRUE(Place(QStringLiteral("FULL"), 33, 3)) << "one column and row inside the border";
}

TEST_F(ICInstances, AMissingFileOrNestedFilePlacesNothing)
{
    EXPECT_FALSE(Place(QStringLiteral("NOPE"), 10, 12));
    EXPECT_EQ(w.refreshICFileListsCount, 1);
    QFile::remove(icDir.filePath(QStringLiteral("HALF.icd")));
    EXPECT_FALSE(Place(QStringLiteral("FULL"), 10, 12));
    EXPECT_EQ(w.refreshICFileListsCount, 2);
    EXPECT_EQ(s.circuit.ElementCount(), 0);
    EXPECT_EQ(s.circuit.ICCount(), 0);
    EXPECT_TRUE(Steps().isEmpty());
}

TEST_F(ICInstances, RemovingAnICClosesTheGapAndUndoOpensItAgain)
{
    ASSERT_TRUE(Place(QStringLiteral("FULL"), 10, 12));
    ASSERT_TRUE(Place(QStringLiteral("HALF"), 25, 12));
    EXPECT_EQ(s.circuit.P(25, 12).ICLink, 4);
    const auto slotsBefore = Slots();
    EXPECT_EQ(slotsBefore, (std::vector<Slot>{{"FULL", 1, 0, 0}, {"HALF", 1, 1, 1}, {"HALF", 2, 1, 1},
                                              {"HALF", 2, 0, 0}}));
    const QByteArray before = File();

    Remove(13, 13);
    EXPECT_EQ(Slots(), (std::vector<Slot>{{"HALF", 1, 0, 0}}));
    EXPECT_EQ(s.circuit.ICCount(), 1);
    EXPECT_EQ(s.circuit.LevelUBound(), 1);
    EXPECT_EQ(s.circuit.ICInstances.size(), 2u);
    for (const auto& [x, y] : {std::pair{25, 12}, {25, 13}, {29, 12}, {29, 13}})
        EXPECT_EQ(s.circuit.P(x, y).ICLink, 1) << x << "," << y;
    for (int x = 10; x <= 16; ++x)
        for (int y = 10; y <= 14; ++y)
            EXPECT_EQ(s.circuit.P(x, y), GridCell{}) << x << "," << y;
    EXPECT_EQ(s.circuit.ElementCount(), 1);
    EXPECT_EQ(Steps().first(), QStringLiteral("Delete IC (10,10 - 16,14)"));

    u.Undo(c);
    EXPECT_EQ(Slots(), slotsBefore);
    EXPECT_EQ(s.circuit.P(25, 12).ICLink, 4);
    EXPECT_EQ(s.circuit.P(10, 11).ICLink, 1);
    EXPECT_EQ(s.circuit.ICCount(), 4);
    EXPECT_EQ(s.circuit.LevelUBound(), 4);
    EXPECT_EQ(s.circuit.Levels[2].Name, QStringLiteral("HALF"));
    EXPECT_EQ(Steps(), QStringList({QStringLiteral("Place IC (25,11 - 29,14)"), QStringLiteral("Place IC (10,10 - 16,14)")}))
        << "the re-created IC recorded no step of its own";
    EXPECT_EQ(File(), before);

    u.Undo(c);
    u.Undo(c);
    EXPECT_EQ(s.circuit.ICCount(), 0);
    EXPECT_EQ(s.circuit.ElementCount(), 0);
}

TEST_F(ICInstances, RemovingTheFirstOfTwoNestingICsMovesTheSecondWithItsNestedSlots)
{
    ASSERT_TRUE(Place(QStringLiteral("FULL"), 10, 12));
    ASSERT_TRUE(Place(QStringLiteral("FULL"), 25, 12));
    EXPECT_EQ(s.circuit.ICInstances[5].ParentLevel, 4);
    Remove(10, 10);
    EXPECT_EQ(Slots(), (std::vector<Slot>{{"FULL", 1, 0, 0}, {"HALF", 1, 1, 1}, {"HALF", 2, 1, 1}}));
    EXPECT_EQ(s.circuit.P(25, 11).ICLink, 1);
    EXPECT_EQ(s.circuit.Levels[1].Field(2, 3).ICLink, 2) << "links inside the moved IC follow it";
    EXPECT_EQ(s.circuit.Levels[1].Field(2, 8).ICLink, 3);
}

TEST_F(ICInstances, InsertingLevelsMakesRoomForTheWholeBlock)
{
    ASSERT_TRUE(Place(QStringLiteral("HALF"), 10, 12));
    ASSERT_TRUE(Place(QStringLiteral("FULL"), 25, 12));
    InsertICLevels(s.circuit, 1, CountICLevels(s.Verzeichnisse[1], QStringLiteral("FULL")) + 1);
    EXPECT_EQ(s.circuit.ICInstances[4].Name, QStringLiteral("HALF"));
    EXPECT_EQ(s.circuit.ICInstances[5].Name, QStringLiteral("FULL"));
    EXPECT_EQ(s.circuit.ICInstances[6].ParentLevel, 5);
    EXPECT_EQ(s.circuit.ICInstances[7].ParentLevel, 5);
    for (int k = 1; k <= 3; ++k)
        EXPECT_TRUE(s.circuit.ICInstances[static_cast<size_t>(k)].Name.isEmpty() && s.circuit.Levels[static_cast<size_t>(k)].Name.isEmpty());
    EXPECT_EQ(s.circuit.P(10, 12).ICLink, 4);
    EXPECT_EQ(s.circuit.P(25, 11).ICLink, 5);
    EXPECT_EQ(s.circuit.Levels[5].Field(2, 3).ICLink, 6);
    EXPECT_EQ(s.circuit.ICCount(), 4) << "LoadIC counts the slots as it fills them";
    EXPECT_EQ(CountICLevels(s.Verzeichnisse[1], QStringLiteral("FULL")), 2);
}

TEST_F(ICInstances, TheIC255SlotLimitIsCheckedBeforeAnythingChanges)
{
    // 252 slots in use, without cells of their own.
    for (int k = 1; k <= 252; ++k) {
        s.circuit.ICInstances.push_back(ICInstanceRecord{});
        s.circuit.ICInstances.back().Name = QStringLiteral("X");
        s.circuit.ICInstances.back().NestingLevel = 1;
        s.circuit.Levels.push_back(LevelRecord{});
        s.circuit.Levels.back().Name = QStringLiteral("X");
    }
    ASSERT_TRUE(Place(QStringLiteral("FULL"), 10, 12)) << "252 + 3 slots fit";
    EXPECT_EQ(s.circuit.ICCount(), 255);
    const auto instances = s.circuit.ICInstances.size();
    const QByteArray before = File();
    EXPECT_FALSE(Place(QStringLiteral("HALF"), 25, 12));
    EXPECT_EQ(s.circuit.ICCount(), 255);
    EXPECT_EQ(s.circuit.ICInstances.size(), instances);
    EXPECT_EQ(File(), before);
    EXPECT_EQ(Steps().size(), 1);
}

// The undo puts an IC back only from its definition file; when the file or
// one nested in it is gone, it says so and leaves the area empty.
TEST_F(ICInstances, UndoOfARemovalWhoseFileIsGoneLeavesTheAreaEmpty)
{
    Wire(5, 11, 10, 11);
    ASSERT_TRUE(Place(QStringLiteral("FULL"), 10, 12));
    ASSERT_TRUE(Place(QStringLiteral("HALF"), 25, 12));
    Remove(12, 12);
    QFile::remove(icDir.filePath(QStringLiteral("HALF.icd")));
    u.Undo(c);
    EXPECT_EQ(dialogs.MessageTexts(), QStringList{QStringLiteral("IC 'FULL' could not be restored.")});
    EXPECT_EQ(s.circuit.ElementCount(), 1);
    EXPECT_EQ(s.circuit.ICCount(), 1);
    EXPECT_EQ(s.circuit.ICInstances[1].ElementNr, 1);
    EXPECT_EQ(s.circuit.P(25, 12).ICLink, 1);
    for (int x = 11; x <= 16; ++x)
        for (int y = 10; y <= 14; ++y)
            EXPECT_EQ(s.circuit.P(x, y).Type, 0) << x << "," << y;
    EXPECT_EQ(s.circuit.P(10, 11).Type, ElementType::Conductor) << "the conductor end stays";
    EXPECT_EQ(s.circuit.P(10, 11).ICLink, 0);
    EXPECT_EQ(s.circuit.P(10, 12).Type, 0);
    EXPECT_EQ(s.circuit.P(10, 12).ElementNr, 0);
}

// A step of a neighbour that holds an IC's connector cell saves the IC too;
// undoing it must neither duplicate nor move the IC.
TEST_F(ICInstances, UndoOfAStepBesideAConnectorLeavesTheICAlone)
{
    ASSERT_TRUE(Place(QStringLiteral("FULL"), 10, 12));
    const QByteArray before = File();
    CursorTo(9, 11);
    SetDiode(c);
    ASSERT_EQ(u.Record(1).SavedCount, 1);
    EXPECT_EQ(u.Record(1).SavedElements[1].InPinList, QStringLiteral("FULL"));
    EXPECT_EQ(u.Record(1).SavedElements[1].Label, QStringLiteral("1"));
    u.Undo(c);
    EXPECT_EQ(s.circuit.ICCount(), 3);
    EXPECT_EQ(s.circuit.ElementCount(), 1);
    EXPECT_TRUE(dialogs.MessageTexts().isEmpty());
    EXPECT_EQ(File(), before);
}

// ICs placed and removed among other elements in a seeded order, each step
// undone again: every file on the way back is the one before that step.
TEST_F(ICInstances, ASeededRunWithICsUndoesBackToEveryEarlierFile)
{
    for (int y : {5, 16, 26})
        Wire(1, y, 39, y);
    std::mt19937 rng(7331);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    u.SetUndos(clsUndo::kMaxUndos);
    std::vector<QByteArray> files{File()};
    int icsPlaced = 0;
    int icsRemoved = 0;
    for (int i = 0; i < 400 && files.size() < 80; ++i) {
        const int held = static_cast<int>(Steps().size());
        const int kind = pick(0, 5);
        CursorTo(pick(1, 39), pick(1, 29));
        s.PlaceOrientation = AsOrientation(pick(1, 4));
        if (kind <= 1) {
            s.ToolMode = ToolCode::IC;
            s.circuit.ICName = kind == 0 ? QStringLiteral("FULL") : QStringLiteral("HALF");
            PlaceAtCursor(c);
            icsPlaced += static_cast<int>(Steps().size()) > held;
        } else if (kind == 2) {
            s.ToolMode = pick(0, 1) ? ToolCode::LED : ToolCode::AnalysisSensor;
            PlaceAtCursor(c);
        } else {
            const GridCell& cell = s.circuit.P(s.CursorX, s.CursorY);
            if (cell.ElementNr == 0)
                continue;
            const bool ic = cell.Type == ElementType::IC;
            s.ToolMode = ToolCode::Select;
            RemoveElement(c, s.CursorX, s.CursorY);
            icsRemoved += ic;
        }
        if (static_cast<int>(Steps().size()) > held)
            files.push_back(File());
    }
    ASSERT_GT(icsPlaced, 5);
    ASSERT_GT(icsRemoved, 2);
    for (size_t k = files.size() - 1; k >= 1; --k) {
        u.Undo(c);
        ASSERT_EQ(File(), files[k - 1]) << "after undoing step " << k;
    }
    EXPECT_EQ(s.circuit.ICCount(), 0);
    EXPECT_EQ(s.circuit.LevelUBound(), 0);
    EXPECT_TRUE(dialogs.MessageTexts().isEmpty());
}

} // namespace
