#include <gtest/gtest.h>

#include "placement/document/new_file.h"
#include "model/state.h"
#include "support/clock_columns.h"
#include "support/fake_main_window.h"

namespace {

class NewCircuit : public ::testing::Test {
protected:
    void SetUp() override
    {
        w.Attach(s);
        s.circuit.Elements.resize(4);
        s.circuit.Elements[0].Type = 6; // record 0 must come back empty
        s.circuit.Levels.resize(3);
        s.circuit.ICInstances.resize(3);
        s.circuit.Levels[1].Name = s.circuit.Levels[2].Name = QStringLiteral("L");
        s.circuit.P(3, 3).Type = 1;
        s.circuit.Clocks = {{.ClockElement = 2, .ClockHigh = 100, .ClockLinked = 0, .ClockCycles = 5},
                    {.ClockElement = 3, .ClockHigh = 200, .ClockLinked = 0, .ClockCycles = 7}};
        s.circuit.ClockCount = 2;
        s.SelectedClock = 1;
        s.circuit.ICName = QStringLiteral("adder");
        s.circuit.ICPinCount = 2;
        s.circuit.ICPins = {QString(), QStringLiteral("1;2;A;"), QStringLiteral("1;4;B;")};
        s.ProbeCount = 3;
        s.objFile.FileName = QStringLiteral("/tmp/old.gtr");
        s.objFile.FilePath = QStringLiteral("/tmp/");
        s.circuit.MaxX = 20;
        s.circuit.MaxY = 12;
    }
    ProgramState s;
    FakeMainWindow w;
};

TEST_F(NewCircuit, InitArbeitsfeldResetsEveryTable)
{
    InitArbeitsfeld(s);
    EXPECT_EQ(s.circuit.P.UBoundX(), 21);
    EXPECT_EQ(s.circuit.P.UBoundY(), 13);
    EXPECT_EQ(s.circuit.P(3, 3), GridCell{});
    ASSERT_EQ(s.circuit.Elements.size(), 1u);
    EXPECT_EQ(s.circuit.Elements[0], ElementRecord{});
    EXPECT_EQ(s.circuit.ElementCount(), 0);
    EXPECT_EQ(s.circuit.Levels.size(), 1u);
    EXPECT_EQ(s.circuit.ICInstances.size(), 1u);
    EXPECT_EQ(s.circuit.LevelUBound() + s.circuit.ICCount() + s.ProbeCount, 0);
    EXPECT_TRUE(s.objFile.FileName.isEmpty());
    EXPECT_TRUE(s.objFile.FilePath.isEmpty());
    EXPECT_EQ(s.circuit.ClockCount, 0);
    EXPECT_EQ(s.SelectedClock, 0);
    EXPECT_EQ(ClockColumn(s.circuit.Clocks, &ClockSlot::ClockCycles), std::vector<uint8_t>{1});
    EXPECT_EQ(ClockColumn(s.circuit.Clocks, &ClockSlot::ClockLinked), std::vector<int16_t>{kTrue});
    EXPECT_EQ(ClockColumn(s.circuit.Clocks, &ClockSlot::ClockHigh), std::vector<int16_t>{0});
    EXPECT_EQ(ClockColumn(s.circuit.Clocks, &ClockSlot::ClockElement), std::vector<int16_t>{0});
    EXPECT_TRUE(s.circuit.ICName.isEmpty());
    EXPECT_EQ(s.circuit.ICPinCount, 0);
    EXPECT_EQ(s.circuit.ICPins, QStringList{QString()});
    for (int n : {w.unloadClockTimersCount, w.unloadICConnectorLabelsCount, w.resetICWindowCount,
                  w.rebuildLevelTreeCount, w.deleteUndoDataCount, w.resetAnalyserCount})
        EXPECT_EQ(n, 1);

    s.ports.undo = nullptr; // undo history not there yet
    InitArbeitsfeld(s);
    EXPECT_EQ(w.deleteUndoDataCount, 1);
}

TEST_F(NewCircuit, NewFileSwitchesPowerOffFirst)
{
    s.engine.PowerFlag = kTrue;
    s.CmDialog1.FileName = QStringLiteral("/tmp/old.gtr");
    NewFile(s, false);
    ASSERT_EQ(w.switchPowerOffCount, 1);
    EXPECT_LT(w.calls.indexOf(QStringLiteral("SwitchPowerOff")), w.calls.indexOf(QStringLiteral("UnloadClockTimers")));
    EXPECT_TRUE(s.CmDialog1.FileName.isEmpty());
    EXPECT_EQ(s.circuit.ClockCount, 0);
    EXPECT_EQ(s.circuit.Clocks.size(), 1u);
}

TEST_F(NewCircuit, NewFileUpdatesTheWindow)
{
    NewFile(s, false);
    EXPECT_EQ(w.switchPowerOffCount, 0);
    EXPECT_EQ(w.sizeBoxes, (std::vector<std::pair<int16_t, int16_t>>{{20, 12}}));
    EXPECT_EQ(w.resetScrollBarsCount, 1);
    EXPECT_FALSE(w.analyserMenuEnabled);
    EXPECT_FALSE(w.undoListMenuEnabled);
    EXPECT_EQ(w.redrawAllElementsCount, 1);
    EXPECT_EQ(w.drawGridCount, 1);
    EXPECT_EQ(w.caption, QStringLiteral("Unsaved circuit - Gatrel"));
    EXPECT_EQ(w.calls.count(QStringLiteral("PressToolButton")), 0);

    NewFile(s, true);
    EXPECT_EQ(w.redrawAllElementsCount, 1);
    EXPECT_EQ(w.drawGridCount, 1);
}

TEST_F(NewCircuit, ICToolFallsBackToConductor)
{
    s.ToolMode = ToolCode::IC;
    w.pressedToolKey = QStringLiteral("cmdIC");
    s.PressedToolKey = QStringLiteral("cmdIC");
    s.PropertyWindowState.fill(true);
    NewFile(s, false);
    EXPECT_EQ(s.ToolMode, ToolCode::Conductor);
    EXPECT_EQ(w.pressedToolKey, QStringLiteral("cmdLeitungen"));
    EXPECT_EQ(w.pressedToolIndex, 3);
    EXPECT_EQ(w.propertyWindowParts, (std::vector<std::array<bool, 8>>{{}}));
    EXPECT_EQ(w.selPictures, std::vector<ToolCode>{ToolCode::Conductor});
    EXPECT_EQ(w.checkedComponentItem, 1);

    s.ports = Ports{}; // headless use needs no window
    s.ToolMode = ToolCode::IC;
    NewFile(s, false);
    EXPECT_EQ(s.ToolMode, ToolCode::Conductor);
}

TEST(ExistFile, EmptyNameIsFalse)
{
    clsFile f;
    EXPECT_FALSE(f.ExistFile(QString()));
    EXPECT_FALSE(f.ExistFile(QStringLiteral("/no/such/dir/x.gtr")));
    EXPECT_FALSE(f.ExistFile(QStringLiteral("/tmp")));
}

TEST(NewCircuitDialogRules, BoxesWhileTypingAndOnLeaving)
{
    EXPECT_EQ(WidthBoxChanged(QStringLiteral("5")), QStringLiteral("5"));
    EXPECT_EQ(WidthBoxChanged(QStringLiteral("150")), QStringLiteral("100"));
    EXPECT_EQ(WidthBoxChanged(QStringLiteral("05")), QStringLiteral("10"));
    EXPECT_EQ(WidthBoxChanged(QStringLiteral("85")), QStringLiteral("85"));
    EXPECT_EQ(HeightBoxChanged(QStringLiteral("85")), QStringLiteral("70"));
    EXPECT_EQ(HeightBoxChanged(QStringLiteral("8")), QStringLiteral("8"));
    EXPECT_EQ(WidthBoxLeft(QStringLiteral("5")), QStringLiteral("10"));
    EXPECT_EQ(WidthBoxLeft(QStringLiteral("101")), QStringLiteral("100"));
    EXPECT_EQ(HeightBoxLeft(QStringLiteral("85")), QStringLiteral("85"));
    EXPECT_EQ(HeightBoxLeft(QStringLiteral("120")), QStringLiteral("100"));
}

TEST(NewCircuitDialogRules, SizeClasses)
{
    EXPECT_EQ(SizeClassBoxes(2), (WorksheetSize{60, 35}));
    EXPECT_EQ(SizeClassWorksheet(2, QStringLiteral("60"), QStringLiteral("35")), (WorksheetSize{50, 30}));
    EXPECT_EQ(SizeClassWorksheet(3, QStringLiteral("80"), QStringLiteral("50")), (WorksheetSize{70, 45}));
    EXPECT_EQ(SizeClassWorksheet(4, QStringLiteral("42.5"), QStringLiteral("17.6")), (WorksheetSize{42, 18}));
    EXPECT_EQ(SizeClassWorksheet(4, QString(), QStringLiteral("5")), (WorksheetSize{10, 10}));
}

} // namespace
