// The engine in the main window: open a circuit, switch on, click, watch.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>

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
// A flip-flop whose outputs feed its own set and reset inputs: its power-on
// run never settles.
const QString kFeedbackFlipFlop = QStringLiteral(GATREL_TEST_DATA "/repro/ff_sr_feedback.gtr");
#if defined(__SANITIZE_ADDRESS__)
constexpr qint64 kLongestGapMs = 800;
#else
constexpr qint64 kLongestGapMs = 200;
#endif

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
    // round, fed from an open conductor end at (15, 8).
    void JunctureSquare()
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

// The abort switches the power off through the buttons. Fault: a click whose
// run ended in the abort was taken once more as an editing click with the
// tool that came back, and the circuit counted as changed.
TEST_F(EngineWindow, AnAbortedClickSwitchesThePowerOffAndIsNoEditingClick)
{
    Open(kSwitchAndLed);
    s.AutoStop = 250;
    QTest::mouseClick(Button("cmdOn"), Qt::LeftButton);
    JunctureSquare();

    QTest::mouseClick(window.picGrid(), Qt::LeftButton, {}, CellCentre(15, 8));
    ASSERT_EQ(s.engine.PowerFlag, kFalse) << "the run was aborted";
    EXPECT_TRUE(Button("cmdOff")->isChecked());
    EXPECT_FALSE(Button("cmdOn")->isChecked());
    ASSERT_EQ(dialogs.MessageTexts().size(), 1);
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("lblOnOff"))->text(), QStringLiteral("Simulation interrupted"));
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

// Fault: a run without delay that never settled held the window until the
// step limit ended it (about 15 s for this flip-flop), drawing every change
// of every pass one by one; the desktop then offered to end the silent window.
TEST_F(EngineWindow, ARunThatNeverSettlesKeepsTheWindowAnsweringUntilItsAbort)
{
    Open(kFeedbackFlipFlop);
    ASSERT_EQ(s.engine.DelaySetting, 0);
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 longest = 0;
    QTimer beat;
    beat.setInterval(10);
    QObject::connect(&beat, &QTimer::timeout, [&] {
        longest = std::max(longest, clock.elapsed() - last);
        last = clock.elapsed();
    });
    clock.start();
    beat.start();
    QTest::mouseClick(Button("cmdOn"), Qt::LeftButton);
    longest = std::max(longest, clock.elapsed() - last);
    beat.stop();

    EXPECT_EQ(s.engine.PowerFlag, kFalse);
    ASSERT_EQ(dialogs.MessageTexts().size(), 1);
    EXPECT_TRUE(dialogs.MessageTexts()[0].startsWith(QStringLiteral("Simulation has been aborted.")));
    EXPECT_LT(longest, kLongestGapMs) << "ms without window events, of " << clock.elapsed() << " ms";
}

// While such a run lets the window events run, Stop ends the run and the
// power stays on; switching the power off ends it too. Neither is an abort.
TEST_F(EngineWindow, StopOrPowerOffDuringARunWithoutDelayEndsIt)
{
    struct Row {
        const char* button;
        int16_t powerAfter;
    };
    for (const Row& row : {Row{"cmdStop", kTrue}, Row{"cmdOff", kFalse}}) {
        Open(kFeedbackFlipFlop);
        // A clock a second further at each reading: the run lets the events
        // run as soon as it looks; the user presses the button then.
        WaitHooks& hooks = window.engineContext().waitHooks;
        const WaitHooks real = hooks;
        double t = 0;
        hooks.now = [&t] { return t += 1; };
        bool pressed = false;
        hooks.pumpEvents = [&] {
            if (s.engine.EngineBusy != 0 && !pressed) {
                pressed = true;
                QTest::mouseClick(Button(row.button), Qt::LeftButton);
            }
            real.pumpEvents();
        };
        QTest::mouseClick(Button("cmdOn"), Qt::LeftButton);
        hooks = real;

        EXPECT_TRUE(pressed) << row.button;
        EXPECT_EQ(s.engine.PowerFlag, row.powerAfter) << row.button;
        EXPECT_EQ(s.engine.EngineBusy, kFalse) << row.button;
        EXPECT_TRUE(dialogs.MessageTexts().isEmpty()) << row.button << " was no abort";
        EXPECT_FALSE(Button("cmdStop")->isEnabled()) << row.button;
        if (s.engine.PowerFlag != 0)
            QTest::mouseClick(Button("cmdOff"), Qt::LeftButton);
    }
}
