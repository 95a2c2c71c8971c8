// The worksheet's presses and keys while the simulation runs, and deleting a
// selection, driven through the main window.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "editing/worksheet_editor.h"
#include "model/state.h"
#include "platform/timers.h"
#include "shell/frmGatrel.h"
#include "shell/worksheet_picture.h"
#include "simulation/engine.h"
#include "support/scripted_user_dialogs.h"
#include "worksheet_rig.h"

namespace {

class WorksheetSimulation : public WorksheetRig {
protected:
    void Open(const QString& path)
    {
        dialogs.QueueOpenFile(path);
        window.Menu(QStringLiteral("mOpen"))->trigger();
        ASSERT_TRUE(dialogs.MessageTexts().isEmpty()) << dialogs.MessageTexts().join(u'|').toStdString();
    }
    void Power()
    {
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("cmdOn")), Qt::LeftButton);
        ASSERT_EQ(s.ToolMode, ToolCode::SimulationRunning);
    }
    const GridCell& Field(int x, int y) const { return s.circuit.Levels[0].Field(x, y); }
};

TEST_F(WorksheetSimulation, AClickOpensAnICAndTheRightButtonGoesBackUp)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString ics = dir.filePath(QStringLiteral("ics/"));
    QDir().mkpath(ics);
    for (const char* name : {"HALF.icd", "FULL.icd"})
        ASSERT_TRUE(QFile::copy(QStringLiteral(GATREL_TEST_DATA "/ic/") + QLatin1String(name),
                                ics + QLatin1String(name)));
    s.Verzeichnisse = {dir.path() + QLatin1Char('/'), ics, dir.path() + QLatin1Char('/')};
    Open(QStringLiteral(GATREL_TEST_DATA "/nested_ics.gtr"));
    ASSERT_EQ(s.circuit.MaxX, 30);
    Power();

    struct Step {
        const char* what;
        int x, y;
        Qt::MouseButton button;
        int level, maxX, maxY;
    };
    const Step steps[] = {
        {"into the full-adder", 5, 5, Qt::LeftButton, 1, 14, 12},
        {"into its first half-adder", 4, 3, Qt::LeftButton, 2, 10, 6},
        {"back to the full-adder", 4, 3, Qt::RightButton, 1, 14, 12},
        {"into its second half-adder", 4, 9, Qt::LeftButton, 3, 10, 6},
        {"back again", 1, 1, Qt::RightButton, 1, 14, 12},
        {"back to the main circuit", 4, 9, Qt::RightButton, 0, 30, 20},
        {"the main circuit has no parent", 5, 5, Qt::RightButton, 0, 30, 20},
        {"into the other half-adder", 17, 5, Qt::LeftButton, 4, 10, 6},
        {"up once more", 3, 3, Qt::RightButton, 0, 30, 20},
    };
    for (const Step& st : steps) {
        SCOPED_TRACE(st.what);
        Click(st.x, st.y, st.button);
        EXPECT_EQ(s.CurrentLevel, st.level);
        EXPECT_EQ(s.engine.InnerLevelShown != 0, st.level != 0);
        EXPECT_EQ(s.circuit.MaxX, st.maxX);
        EXPECT_EQ(s.circuit.MaxY, st.maxY);
    }
    // Nothing was removed by the right button, and nothing marked as changed.
    EXPECT_EQ(s.circuit.ElementCount(), 2);
    EXPECT_EQ(s.circuit.P(5, 5).Type, ElementType::IC);
    EXPECT_EQ(s.FileSaved, kTrue);

    // While a propagation runs an IC does not open.
    s.engine.EngineBusy = kTrue;
    Click(5, 5);
    EXPECT_EQ(s.CurrentLevel, 0);
    s.engine.EngineBusy = kFalse;
    Click(5, 5);
    EXPECT_EQ(s.CurrentLevel, 1);
}

TEST_F(WorksheetSimulation, AClickOnAShiftRegisterStageTogglesIt)
{
    s.PlaceOrientation = Orientation::Right;
    Tool(ElementType::ShiftRegister);
    Click(10, 10);
    ASSERT_EQ(s.circuit.ElementCount(), 1);
    const QPoint out = FirstPin(s.circuit.Elements[1].OutPinList);
    Tool(ElementType::Conductor);
    Drag({{out.x(), out.y()}, {out.x() + 6, out.y()}});
    ASSERT_EQ(s.circuit.P(out.x() + 6, out.y()).Type, ElementType::Conductor);
    Power();
    const ElementRecord& reg = s.circuit.Levels[0].Elements[1];

    // Stage 4 of the first register sits next to its output and drives it.
    Click(out.x() - 1, out.y());
    EXPECT_EQ(reg.StageWords[4], kTrue);
    EXPECT_EQ(Field(out.x() + 6, out.y()).Value, kTrue);
    Click(out.x() - 1, out.y());
    EXPECT_EQ(reg.StageWords[4], kFalse);
    EXPECT_EQ(Field(out.x() + 6, out.y()).Value, kFalse);
    // Stage 1, seven cells back, changes only itself.
    Click(out.x() - 7, out.y());
    EXPECT_EQ(reg.StageWords[1], kTrue);
    EXPECT_EQ(Field(out.x() + 6, out.y()).Value, kFalse);
    // Between the stages nothing changes.
    const auto before = reg.StageWords;
    Click(out.x() - 2, out.y());
    EXPECT_EQ(reg.StageWords, before);
    EXPECT_EQ(s.circuit.ElementCount(), 1);
}

TEST_F(WorksheetSimulation, TheSpaceBarPausesARunAndContinuesIt)
{
    Open(QStringLiteral(GATREL_TEST_DATA "/sim/switch_and_led.gtr"));
    Power();
    s.engine.DelaySetting = 10;
    // A scripted clock; the first wait of a run gets the keys.
    double clock = 0;
    int pumps = 0;
    bool pausedAfterLetters = true;
    EngineContext& e = window.engineContext();
    e.waitHooks.now = [&clock] { return clock; };
    e.waitHooks.idle = [&clock](double seconds) { clock += seconds + 1e-6; };
    e.waitHooks.pumpEvents = [&] {
        if (++pumps != 1)
            return;
        for (char key : {'p', 'l', 't'})
            QTest::keyClick(window.picGrid(), key);
        pausedAfterLetters = s.engine.PausedFlag();
        QTest::keyClick(window.picGrid(), Qt::Key_Space);
    };
    window.picGrid()->setFocus();

    Click(2, 4);
    EXPECT_FALSE(pausedAfterLetters) << "letters do nothing";
    ASSERT_TRUE(s.engine.PausedFlag());
    EXPECT_EQ(s.engine.EngineBusy, kTrue);
    EXPECT_EQ(Field(14, 5).Value, kFalse) << "the LED is not reached yet";

    QTest::keyClick(window.picGrid(), Qt::Key_Space);
    EXPECT_FALSE(s.engine.PausedFlag());
    EXPECT_EQ(s.engine.EngineBusy, kFalse);
    EXPECT_EQ(Field(14, 5).Value, kTrue);

    // With the power off the space bar does nothing.
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("cmdOff")), Qt::LeftButton);
    ASSERT_EQ(s.engine.PowerFlag, kFalse);
    for (int i = 0; i < 3; ++i)
        s.engine.PendingEvents.push_back(SimEvent{.X = 1, .Y = 1, .Dir = Direction::Right, .Value = kTrue, .Level = 0});
    QTest::keyClick(window.picGrid(), Qt::Key_Space);
    EXPECT_FALSE(s.engine.PausedFlag());
    s.engine.PendingEvents.clear();
    e.waitHooks = RealWaitHooks();
}

// Fault: each selected component was located by its first input pin, so an
// IC without connectors sent the removal to cell (0, 0) and its component.
TEST_F(WorksheetSimulation, DeletingASelectionFindsEachComponentByItsCells)
{
    Tool(ElementType::AND);
    for (int x : {5, 15, 25})
        Click(x, 5);
    ASSERT_EQ(s.circuit.ElementCount(), 3);
    // An IC without connectors, a record that no cell carries, and an LED at (0, 0).
    s.circuit.Elements.resize(7);
    s.circuit.Elements[4].Type = ElementType::IC;
    s.circuit.Elements[4].SelfIndex = 4;
    for (int x = 5; x <= 8; ++x)
        for (int y = 15; y <= 18; ++y) {
            s.circuit.P(x, y).Type = ElementType::IC;
            s.circuit.P(x, y).ElementNr = 4;
        }
    s.circuit.Elements[5] = s.circuit.Elements[3];
    s.circuit.Elements[5].SelfIndex = 5;
    s.circuit.Elements[6].Type = ElementType::LED;
    s.circuit.Elements[6].SelfIndex = 6;
    s.circuit.Elements[6].InPinList = QStringLiteral("X0Y0:");
    for (int x : {0, 1}) {
        s.circuit.P(x, 0).Type = ElementType::LED;
        s.circuit.P(x, 0).ElementNr = 6;
    }

    Tool(ElementType::Empty);
    Click(6, 5);
    Click(6, 16, Qt::LeftButton, Qt::ControlModifier);
    window.editor().SelectObject(5);
    ASSERT_EQ(window.editor().SelCount(), 3);
    auto* menu = window.findChild<QMenu*>(QStringLiteral("mPopupMenu"));
    ASSERT_NE(menu, nullptr);
    Click(6, 16, Qt::RightButton);
    QAction* del = Item(menu, QString::fromUtf8("Löschen"));
    ASSERT_NE(del, nullptr);
    del->trigger();
    menu->hide();

    EXPECT_EQ(s.circuit.P(6, 5).Type, ElementType::Empty);
    EXPECT_EQ(s.circuit.P(6, 16).Type, ElementType::Empty);
    EXPECT_EQ(s.circuit.P(15, 5).Type, ElementType::AND);
    EXPECT_EQ(s.circuit.P(25, 5).Type, ElementType::AND);
    EXPECT_EQ(s.circuit.P(0, 0).Type, ElementType::LED);
    // The record without cells is left as it was; the others are renumbered.
    ASSERT_EQ(s.circuit.ElementCount(), 4);
    EXPECT_EQ(s.circuit.P(15, 5).ElementNr, 1);
    EXPECT_EQ(s.circuit.P(25, 5).ElementNr, 2);
    EXPECT_EQ(s.circuit.Elements[3].InPinList, s.circuit.Elements[2].InPinList);
    EXPECT_EQ(s.circuit.P(0, 0).ElementNr, 4);
}

} // namespace
