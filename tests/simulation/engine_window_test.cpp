// The engine in the main window: open a circuit, switch on, click, watch.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "model/ports/power_port.h"
#include "model/geometry.h"
#include "model/state.h"
#include "platform/timers.h"
#include "shell/frmGatrel.h"
#include "shell/worksheet_picture.h"
#include "support/circuit_driver.h"
#include "support/scripted_user_dialogs.h"

namespace {

const QString kSwitchAndLed = QStringLiteral(GATREL_TEST_DATA "/sim/switch_and_led.gtr");

class EngineWindow : public ::testing::Test {
protected:
    EngineWindow() : window(s, dialogs, timers) { window.show(); }

    QPushButton* Button(const char* name) { return window.findChild<QPushButton*>(QString::fromLatin1(name)); }
    QPoint CellCentre(int x, int y) const
    {
        return {GridToPixel(s, static_cast<int16_t>(x)), GridToPixel(s, static_cast<int16_t>(y))};
    }
    QRgb Pixel(QPoint p) const { return window.picGrid()->surface().Image().pixel(p) & 0xFFFFFF; }
    void Open(const QString& file)
    {
        dialogs.QueueOpenFile(file);
        window.findChild<QAction*>(QStringLiteral("mOpen"))->trigger();
    }
    // A square of juncture cells at (16..17, 8..9) that keeps a High going
    // round, fed from an open conductor end at (15, 8) when asked for.
    void JunctureSquare(bool fed)
    {
        LevelRecord& level = s.circuit.Levels[0];
        for (auto [x, y] : {std::pair{16, 8}, {17, 8}, {16, 9}, {17, 9}}) {
            level.Field(x, y).Type = ElementType::Conductor;
            level.Field(x, y).Marker = kTrue;
        }
        level.Field(16, 8).ConRight = level.Field(17, 8).ConLeft = kTrue;
        level.Field(17, 8).ConDown = level.Field(17, 9).ConUp = kTrue;
        level.Field(17, 9).ConLeft = level.Field(16, 9).ConRight = kTrue;
        level.Field(16, 9).ConUp = level.Field(16, 8).ConDown = kTrue;
        if (!fed)
            return;
        level.Field(15, 8).Type = ElementType::Conductor;
        level.Field(15, 8).ConRight = level.Field(16, 8).ConLeft = kTrue;
        s.circuit.P(15, 8) = level.Field(15, 8);
    }

    ProgramState s;
    ScriptedUserDialogs dialogs;
    VirtualTimerHost timers;
    frmGatrel window;
};

} // namespace

TEST_F(EngineWindow, SwitchDrivesTheLedThroughTheAndGate)
{
    Open(kSwitchAndLed);
    ASSERT_EQ(s.circuit.MaxX, 20);

    const ToolCode editingTool = s.ToolMode;
    QTest::mouseClick(Button("cmdOn"), Qt::LeftButton);
    ASSERT_EQ(s.engine.PowerFlag, kTrue);
    EXPECT_TRUE(Button("cmdOn")->isChecked());
    EXPECT_EQ(s.ToolMode, ToolCode::SimulationRunning);
    const QPoint led = CellCentre(14, 5);
    EXPECT_EQ(s.circuit.Levels[0].Field(14, 5).Value, kFalse);
    EXPECT_NE(Pixel(led), 0x0000FFu);

    QTest::mouseClick(window.picGrid(), Qt::LeftButton, {}, CellCentre(2, 4));
    EXPECT_EQ(s.circuit.Levels[0].Field(14, 5).Value, kTrue);
    EXPECT_EQ(Pixel(led), 0xFF0000u) << "lit in the LED's red";

    QTest::mouseClick(window.picGrid(), Qt::LeftButton, {}, CellCentre(2, 4));
    EXPECT_EQ(s.circuit.Levels[0].Field(14, 5).Value, kFalse);
    EXPECT_EQ(Pixel(led), 0xE0E0E0u);

    QTest::mouseClick(Button("cmdOff"), Qt::LeftButton);
    EXPECT_EQ(s.engine.PowerFlag, kFalse);
    EXPECT_TRUE(Button("cmdOff")->isChecked());
    EXPECT_EQ(s.ToolMode, editingTool) << "the editing tool comes back";
}

TEST_F(EngineWindow, AbortSwitchesThePowerOffThroughTheButtons)
{
    Open(kSwitchAndLed);
    s.AutoStop = 250;
    QTest::mouseClick(Button("cmdOn"), Qt::LeftButton);
    JunctureSquare(false); // fed nowhere, started by hand
    QueueEvent(s.engine, 17, 8, Direction::Right, 1, 0);
    RunIfIdle(EngineOf(s, window.engineContext()));
    EXPECT_EQ(s.engine.PowerFlag, kFalse);
    EXPECT_TRUE(Button("cmdOff")->isChecked());
    EXPECT_FALSE(Button("cmdOn")->isChecked());
    ASSERT_EQ(dialogs.MessageTexts().size(), 1);
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("lblOnOff"))->text(), QStringLiteral("Simulation interrupted"));
}

// Fault: a click whose run ended in the abort, which switches the power off,
// was taken once more as an editing click with the tool that came back, and
// the circuit counted as changed.
TEST_F(EngineWindow, AClickWhoseRunIsAbortedIsNoEditingClick)
{
    Open(kSwitchAndLed);
    s.AutoStop = 250;
    QTest::mouseClick(Button("cmdOn"), Qt::LeftButton);
    JunctureSquare(true);

    QTest::mouseClick(window.picGrid(), Qt::LeftButton, {}, CellCentre(15, 8));
    ASSERT_EQ(s.engine.PowerFlag, kFalse) << "the run was aborted";
    EXPECT_EQ(s.FileSaved, kTrue);
}

TEST_F(EngineWindow, PauseAndStopButtonsFollowTheRun)
{
    Open(kSwitchAndLed);
    QTest::mouseClick(Button("cmdOn"), Qt::LeftButton);
    EXPECT_FALSE(Button("cmdPause")->isEnabled());
    EXPECT_FALSE(Button("cmdStop")->isEnabled());
    s.ports.power->SwitchPowerOff();
    EXPECT_EQ(s.engine.PowerFlag, kFalse);
    auto* tree = window.findChild<QTreeWidget*>(QStringLiteral("tvwLevel"));
    ASSERT_EQ(tree->topLevelItemCount(), 1);
    EXPECT_EQ(tree->topLevelItem(0)->text(0), QStringLiteral("Root layer"));
}

TEST_F(EngineWindow, TheClockPageLetsAPersonRunAClockGenerator)
{
    Open(QStringLiteral(GATREL_TEST_DATA "/clocks.gtr"));
    ASSERT_GT(s.circuit.ClockCount, 0);
    auto* page = window.findChild<QWidget*>(QStringLiteral("picEigenschaft3"));
    // Shown on its panel, whether the panel is open or not.
    EXPECT_TRUE(page->isHidden());

    QTest::mouseClick(Button("cmdOn"), Qt::LeftButton);
    ASSERT_EQ(s.engine.PowerFlag, kTrue);
    EXPECT_FALSE(page->isHidden());
    QAction* run = window.ToolbarButton(QStringLiteral("Toolbar3"), QStringLiteral("cmdDauertakt"));
    ASSERT_TRUE(run->isEnabled());
    run->trigger();

    const int slot = s.SelectedClock;
    const int16_t before = s.circuit.Clocks[static_cast<size_t>(slot)].ClockOutputHigh;
    timers.Advance(s.circuit.Clocks[static_cast<size_t>(slot)].ClockHigh + s.circuit.Clocks[static_cast<size_t>(slot)].ClockLow + 5);
    int changes = 0;
    for (int i = 0; i < 6; ++i) {
        const int16_t was = s.circuit.Clocks[static_cast<size_t>(slot)].ClockOutputHigh;
        timers.Advance(std::max(s.circuit.Clocks[static_cast<size_t>(slot)].ClockHigh, s.circuit.Clocks[static_cast<size_t>(slot)].ClockLow) + 2);
        changes += s.circuit.Clocks[static_cast<size_t>(slot)].ClockOutputHigh != was;
    }
    EXPECT_GT(changes, 2) << "started from " << before << " slot " << slot << " high " << s.circuit.Clocks[0].ClockHigh << " low "
                          << s.circuit.Clocks[0].ClockLow << " tag " << window.Timer2()[0]->Tag.toStdString() << " enabled "
                          << window.Timer2()[0]->enabled() << " interval " << window.Timer2()[0]->interval()
                          << " power " << s.engine.PowerFlag;

    QPushButton* off = Button("cmdOff");
    ASSERT_GT(off->height(), 0) << off->geometry().width();
    QTest::mouseClick(off, Qt::LeftButton);
    EXPECT_EQ(s.engine.PowerFlag, kFalse);
    EXPECT_TRUE(page->isHidden());
}
