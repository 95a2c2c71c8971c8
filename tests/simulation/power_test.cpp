// Power on and off, the initial outputs, levels and the level tree.
#include <gtest/gtest.h>

#include <QStringList>
#include <vector>

#include "platform/recording_surface.h"
#include "probe_hook.h"
#include "render/redraw.h"
#include "render/sheet_builder.h"
#include "sim_levels.h"
#include "editing/engine_binding.h"
#include "simulation/engine.h"
#include "support/circuit_driver.h"

namespace {

// An inverter with an open input, outputs right, driving a line whose last
// cell is a sensor.
void InverterLine(ProgramState& t)
{
    sheet::Inverter(t, Orientation::Right, 2, 3);
    sheet::Wire(t, 3, 3, 8, 3);
    t.circuit.P(8, 3).Type = ElementType::AnalysisSensor;
    t.circuit.P(8, 3).ElementNr = 0;
}

} // namespace

TEST(PowerOn, CopiesTheWorksheetIntoLevelZero)
{
    ProgramState s;
    sheet::NewSheet(s, 12, 8);
    sheet::Wire(s, 1, 1, 5, 1);
    sheet::Gate(s, ElementType::OR, Orientation::Right, 6, 4, 2);
    s.circuit.P(2, 1).Value = kTrue;
    Copy_P_to_Field(s.circuit);
    const LevelRecord& L = s.circuit.Levels[0];
    EXPECT_EQ(L.Width, 12);
    EXPECT_EQ(L.Height, 8);
    EXPECT_EQ(L.Field.UBoundX(), 13);
    EXPECT_EQ(L.Field.UBoundY(), 9);
    EXPECT_EQ(L.Field(2, 1), s.circuit.P(2, 1));
    EXPECT_EQ(L.Field(6, 3).Type, ElementType::OR);
    EXPECT_EQ(L.ElementCount(), 1);
    ASSERT_EQ(L.Elements.size(), 2u);
    EXPECT_EQ(L.Elements[1], s.circuit.Elements[1]);
    EXPECT_EQ(L.Elements[0], ElementRecord{});
}

TEST(PowerOn, SwitchesTheWindowIntoSimulationAndBack)
{
    CircuitDriver d;
    sheet::NewSheet(d.s, 10, 6);
    d.s.ToolMode = ToolCode::AND;
    d.PowerOn();
    EXPECT_EQ(d.s.engine.PowerFlag, kTrue);
    EXPECT_EQ(d.s.ToolMode, ToolCode::SimulationRunning);
    EXPECT_EQ(d.window.worksheetMousePointer, 99);
    EXPECT_EQ(d.window.changeGUICalls, std::vector<bool>{false});
    EXPECT_EQ(d.window.onOffText, QStringLiteral("Ready"));
    EXPECT_FALSE(d.window.redLamp);
    EXPECT_EQ(d.window.commitLabelEditCount, 1);
    EXPECT_EQ(d.s.SavedToolMode, ToolCode::AND);

    d.PowerOff();
    EXPECT_EQ(d.s.engine.PowerFlag, kFalse);
    EXPECT_EQ(d.s.ToolMode, ToolCode::Select);
    EXPECT_EQ(d.window.worksheetMousePointer, 1);
    EXPECT_EQ(d.window.changeGUICalls, (std::vector<bool>{false, true}));
    EXPECT_EQ(d.s.circuit.Levels[0].Field.UBoundX(), 0);
    EXPECT_EQ(d.s.circuit.Levels[0].Elements.size(), 1u);
}

TEST(PowerOn, EmptyCellsLoseTheirGridDot)
{
    CircuitDriver d;
    sheet::NewSheet(d.s, 4, 3);
    sheet::Wire(d.s, 1, 1, 3, 1);
    RecordingSurface rec;
    SheetView view(d.s, d.grafik, &rec);
    d.PowerOn();
    EXPECT_TRUE(rec.Log().contains(QStringLiteral("PSet 7,7 color=0xFFFFFF width=1")));
    EXPECT_FALSE(rec.Log().contains(QStringLiteral("PSet 21,21 color=0xFFFFFF width=1")));
}

// Each component starts from the level its open inputs give it, driven
// along its output conductor.
TEST(PowerOn, EveryComponentStartsAtTheLevelOfItsOpenInputs)
{
    CircuitDriver d;
    sheet::NewSheet(d.s, 34, 14);
    InverterLine(d.s);
    // NAND with open inputs.
    sheet::Gate(d.s, ElementType::AND, Orientation::Right, 2, 8, 2);
    d.s.circuit.P(4, 8).Marker = kTrue;
    sheet::Wire(d.s, 4, 8, 9, 8);
    // AND with both inputs negated and open.
    sheet::Gate(d.s, ElementType::AND, Orientation::Right, 2, 12, 2);
    d.s.circuit.P(2, 11).Marker = kTrue;
    d.s.circuit.P(2, 13).Marker = kTrue;
    sheet::Wire(d.s, 4, 12, 9, 12);
    // AND with one negated input, the other open: Low.
    sheet::Gate(d.s, ElementType::AND, Orientation::Right, 12, 3, 2);
    d.s.circuit.P(12, 2).Marker = kTrue;
    sheet::Wire(d.s, 14, 3, 18, 3);
    sheet::FlipFlop(d.s, Orientation::Right, 12, 8); // outputs (17, 7) and (17, 9)
    sheet::Wire(d.s, 17, 9, 22, 9);
    sheet::FlipFlop(d.s, Orientation::Right, 21, 3); // no conductor at its outputs
    sheet::ShiftRegister(d.s, Orientation::Right, 12, 12); // outputs (20, 11) and (20, 13)
    sheet::Wire(d.s, 20, 11, 23, 11);
    sheet::Decoder(d.s, Orientation::Right, 29, 9, false); // outputs 0 .. 7 at (31, 5 .. 12)
    sheet::Wire(d.s, 31, 5, 33, 5);
    sheet::Wire(d.s, 31, 6, 33, 6);
    d.PowerOn();
    const struct {
        int x, y;
        bool high;
    } cells[] = {{3, 3, true},  {8, 3, true},   {2, 3, false},  {9, 8, true},  {9, 12, true},  {14, 3, false},
                 {18, 3, false}, {17, 9, true}, {22, 9, true}, {17, 7, false}, {26, 4, true}, {27, 4, false},
                 {23, 11, false}, {20, 13, false}, {33, 5, true}, {33, 6, false}}; // address 0 selects output 0
    for (const auto& c : cells)
        EXPECT_EQ(d.High(c.x, c.y), c.high) << c.x << "," << c.y;
    EXPECT_EQ(d.Cell(3, 3).WireSignalH, kTrue);
}

TEST(PowerOn, DeepestLevelsAreInitialisedFirst)
{
    CircuitDriver d;
    sheet::NewSheet(d.s, 12, 6);
    InverterLine(d.s);
    simlevels::AddLevel(d.s, 1, QStringLiteral("OUTER"), 0, 0, 12, 6, InverterLine);
    simlevels::AddLevel(d.s, 2, QStringLiteral("INNER"), 1, 1, 12, 6, InverterLine);
    EXPECT_EQ(LowestLevel(ProgramState{}.circuit), 1) << "without ICs";
    EXPECT_EQ(LowestLevel(d.s.circuit), 2);
    std::vector<int> order;
    ProbeHook hook(d.s, [&](const ProbeSample&) { order.push_back(d.s.engine.InitDepth); });
    d.PowerOn();
    EXPECT_EQ(order, (std::vector<int>{2, 1, 0}));
    for (int lv = 0; lv <= 2; ++lv)
        EXPECT_TRUE(d.High(8, 3, lv)) << lv;
    EXPECT_EQ(d.s.engine.InitDepth, 0);
    EXPECT_EQ(d.s.CurrentLevel, 0);
}

TEST(PowerOn, RunStateInsideICsStartsAfreshAtEveryPowerOn)
{
    CircuitDriver d;
    sheet::NewSheet(d.s, 12, 6);
    simlevels::AddLevel(d.s, 1, QStringLiteral("FF"), 0, 0, 20, 8, [](ProgramState& t) {
        sheet::FlipFlop(t, Orientation::Right, 2, 3);
    });
    d.PowerOn();
    ElementRecord& ff = d.s.circuit.Levels[1].Elements[1];
    ff.State = kTrue;
    ff.StageWords[0] = kTrue;
    ff.StageWords[2] = kTrue;
    d.s.circuit.Levels[1].Field(10, 5).PostponeCount = 7;
    d.PowerOff();
    d.PowerOn();
    EXPECT_EQ(ff.State, kFalse);
    EXPECT_EQ(ff.StageWords[0], kFalse);
    EXPECT_EQ(ff.StageWords[2], kFalse);
    EXPECT_EQ(d.s.circuit.Levels[1].Field(10, 5).PostponeCount, 0);
    EXPECT_TRUE(d.High(7, 4, 1)) << "the outputs restart from their initial state";
}

// Fault: a power-on drew the changes of each run of its initialisation as it
// ended, and a 15,000-inverter chain drew millions of them before its own
// run passed the step limit and the power-off redrew the sheet anyway.
// Switched on against its own direction, the 400-inverter chain's runs reach
// far down the chain; with a low step limit the last one aborts.
TEST(PowerOn, OneThatEndsInTheAbortDrawsTheSheetOnceAtRest)
{
    CircuitDriver d;
    ASSERT_TRUE(d.Load(QStringLiteral(GATREL_TEST_DATA "/bench/inv_chain_400.gtr")));
    d.s.AutoStop = 200;
    const uint64_t before = d.surface.DrawCount();
    d.PowerOn();
    ASSERT_EQ(d.s.engine.AbortFlag, kTrue);
    const uint64_t powerOn = d.surface.DrawCount() - before;

    const uint64_t atRest = d.surface.DrawCount();
    RedrawAllElements(d.s, d.grafik, 0);
    EXPECT_EQ(powerOn, d.surface.DrawCount() - atRest);
}

TEST(PowerOff, FromAnInnerLevelShowsTheMainCircuitAndClearsEverySignal)
{
    CircuitDriver d;
    sheet::NewSheet(d.s, 12, 6);
    InverterLine(d.s);
    simlevels::AddLevel(d.s, 1, QStringLiteral("INV"), 0, 0, 12, 6, InverterLine,
                        {QStringLiteral("1;3;A;-1;"), QStringLiteral("8;3;Y;0;")});
    d.PowerOn();
    ShowLevel(EngineOf(d.s, d.e), 1);
    EXPECT_EQ(d.s.engine.InnerLevelShown, kTrue);
    d.PowerOff();
    EXPECT_EQ(d.s.engine.InnerLevelShown, kFalse);
    EXPECT_EQ(d.s.CurrentLevel, 0);
    EXPECT_EQ(d.window.levelLabel, QStringLiteral("Root layer"));
    EXPECT_FALSE(d.High(8, 3));
    EXPECT_FALSE(d.High(3, 3));
    EXPECT_EQ(d.s.circuit.P(3, 3).WireSignalH, kFalse);
    EXPECT_EQ(d.s.circuit.Levels[1].Field(8, 3).Value, kFalse);
    EXPECT_EQ(d.s.circuit.Levels[1].Field(3, 3).WireSignalH, kFalse);
    // The worksheet is the main circuit again, element table included.
    EXPECT_EQ(d.s.circuit.P(2, 3).Type, ElementType::Inverter);
    EXPECT_EQ(d.s.circuit.ElementCount(), 1);
    EXPECT_EQ(d.s.circuit.MaxX, 12);
    // Connector entries keep only column, row and name.
    EXPECT_EQ(d.s.circuit.ICInstances[1].PinStates[1], QStringLiteral("1;3;A;"));
    EXPECT_EQ(d.s.circuit.ICInstances[1].PinStates[2], QStringLiteral("8;3;Y;"));
}

// A click on an IC while the engine is idle shows its interior.
TEST(Levels, ShowLevelPutsTheLevelOnTheWorksheet)
{
    CircuitDriver d;
    sheet::NewSheet(d.s, 20, 6);
    sheet::IC(d.s, 1, 12, 2, 4, 2, {QStringLiteral("0;1;A;"), QStringLiteral("4;1;S;")}, QStringLiteral("HALF"));
    simlevels::AddLevel(d.s, 1, QStringLiteral("HALF"), 0, 0, 9, 5, InverterLine,
                        {QStringLiteral("1;3;A;0;"), QStringLiteral("8;3;S;0;")});
    d.PowerOn();
    d.Click(14, 3);
    EXPECT_EQ(d.window.levelLabel, QStringLiteral("HALF"));
    EXPECT_EQ(d.s.circuit.MaxX, 9);
    EXPECT_EQ(d.s.circuit.MaxY, 5);
    EXPECT_EQ(d.s.circuit.P.UBoundX(), 10);
    EXPECT_EQ(d.s.circuit.P(2, 3).Type, ElementType::Inverter);
    EXPECT_TRUE(d.s.circuit.P(8, 3).Value != 0);
    EXPECT_EQ(d.s.circuit.Elements.size(), 2u);
    EXPECT_EQ(d.s.CurrentLevel, 1);
    EXPECT_EQ(d.s.engine.InnerLevelShown, kTrue);
    EXPECT_EQ(d.window.loadedICConnectorLabels.at(1), QStringLiteral("A"));
    EXPECT_EQ(d.window.loadedICConnectorLabels.at(2), QStringLiteral("S"));

    // A right click returns to the parent level.
    d.Click(4, 4, 2);
    EXPECT_EQ(d.s.CurrentLevel, 0);
    EXPECT_EQ(d.s.engine.InnerLevelShown, kFalse);
    EXPECT_EQ(d.window.levelLabel, QStringLiteral("Root layer"));
    EXPECT_EQ(d.s.circuit.MaxX, 20);
}

TEST(Levels, LevelTreeShowsNestedICsUnderTheirParents)
{
    CircuitDriver d;
    sheet::NewSheet(d.s, 20, 10);
    int16_t first = 0, last = 0;
    RefreshTreeView(EngineOf(d.s, d.e), first, last);
    ASSERT_EQ(d.window.levelNodes.size(), 1u) << "without ICs the root alone";
    EXPECT_TRUE(d.window.levelRootExpandedAndSelected);
    d.window.levelRootExpandedAndSelected = false;

    simlevels::AddLevel(d.s, 1, QStringLiteral("OUTER"), 0, 0, 10, 6, [](ProgramState& t) {
        sheet::IC(t, 2, 3, 2, 3, 2, {QStringLiteral("0;1;A;")}, QStringLiteral("INNER"));
    });
    simlevels::AddLevel(d.s, 2, QStringLiteral("INNER"), 1, 1, 6, 4, [](ProgramState&) {});
    simlevels::AddLevel(d.s, 3, QStringLiteral("SECOND"), 0, 0, 6, 4, [](ProgramState&) {});
    RefreshTreeView(EngineOf(d.s, d.e), first, last);
    EXPECT_EQ(first, 1);
    EXPECT_EQ(last, 3);
    std::vector<QStringList> nodes; // key, parent's key, text
    for (const auto& n : d.window.levelNodes)
        nodes.push_back({n.key, n.parentKey, n.text});
    EXPECT_EQ(nodes, (std::vector<QStringList>{{"Root layer", "", "Root layer"},
                                               {"IC1", "Root layer", "OUTER"},
                                               {"IC2", "IC1", "INNER"},
                                               {"IC3", "Root layer", "SECOND"}}));
    EXPECT_TRUE(d.window.levelRootExpandedAndSelected);
    EXPECT_TRUE(ExistKey(EngineOf(d.s, d.e), QStringLiteral("IC2")));
    EXPECT_FALSE(ExistKey(EngineOf(d.s, d.e), QStringLiteral("ic2")));
    EXPECT_EQ(LevelOfTreeKey(QStringLiteral("IC12")), 12);
    EXPECT_EQ(LevelOfTreeKey(QStringLiteral("Root layer")), 0);
}

TEST(Levels, LevelTreeClickWhileThePowerIsOffKeepsTheWorksheet)
{
    CircuitDriver d;
    sheet::NewSheet(d.s, 12, 6);
    InverterLine(d.s);
    simlevels::AddLevel(d.s, 1, QStringLiteral("INV"), 0, 0, 9, 5, InverterLine);
    const Grid before = d.s.circuit.P;
    LevelTreeClick(EngineOf(d.s, d.e), QStringLiteral("IC1"));
    LevelTreeClick(EngineOf(d.s, d.e), QStringLiteral("Root layer"));
    EXPECT_EQ(d.s.circuit.MaxX, 12);
    EXPECT_EQ(d.s.circuit.ElementCount(), 1);
    EXPECT_TRUE(d.s.circuit.P.UBoundX() == before.UBoundX() && d.s.circuit.P(2, 3) == before(2, 3));
    EXPECT_EQ(d.s.engine.InnerLevelShown, kFalse);
}

TEST(Levels, InnerLevelShownDuringARunChangesNeitherPinsNorDrawingOfLevelZero)
{
    CircuitDriver d;
    sheet::NewSheet(d.s, 20, 10);
    // An AND gate (element 1) whose second input is negated and open, fed
    // through a line from (1, 4).
    sheet::Gate(d.s, ElementType::AND, Orientation::Right, 6, 5, 2);
    d.s.circuit.P(6, 6).Marker = kTrue;
    sheet::Wire(d.s, 1, 4, 6, 4);
    sheet::Wire(d.s, 8, 5, 14, 5);
    // Element 1 of the IC level lies elsewhere.
    simlevels::AddLevel(d.s, 1, QStringLiteral("OTHER"), 0, 0, 9, 5,
                        [](ProgramState& t) { sheet::Inverter(t, Orientation::Right, 2, 2); });
    RecordingSurface rec;
    SheetView view(d.s, d.grafik, &rec);
    d.PowerOn();
    d.s.engine.DelaySetting = 10;
    const int start = d.pumps;
    int drawnWhileInside = 0;
    d.onPump = [&](int n) {
        if (n - start == 2) {
            LevelTreeClick(EngineOf(d.s, d.e), QStringLiteral("IC1"));
            rec.ClearLog();
        } else if (n - start > 2) {
            drawnWhileInside += static_cast<int>(rec.Log().size());
            rec.ClearLog();
        }
    };
    d.Click(1, 4);
    EXPECT_TRUE(d.High(14, 5)) << "the gate used its own pins";
    EXPECT_EQ(drawnWhileInside, 0);
    EXPECT_EQ(d.s.CurrentLevel, 1);
    EXPECT_EQ(d.s.engine.InnerLevelShown, kTrue);
    EXPECT_EQ(d.s.circuit.P(2, 2).Type, ElementType::Inverter) << "the worksheet still shows the IC";

    // Back at the main circuit, its current state is shown.
    LevelTreeClick(EngineOf(d.s, d.e), QStringLiteral("Root layer"));
    EXPECT_TRUE(d.s.circuit.P(14, 5).Value != 0);
    // Clicks on inputs reach level 0 only while it is shown.
    ShowLevel(EngineOf(d.s, d.e), 1);
    d.s.engine.DelaySetting = 0;
    InitSwitchOn(EngineOf(d.s, d.e), 1, 4);
    EXPECT_EQ(QueueCount(d.s.engine, 2), 0);
}
