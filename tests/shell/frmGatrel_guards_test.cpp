// What the window keeps from going wrong between its commands: quick help
// that must always end, a label box that a command commits first, panels
// that come back whole, the IC box and the clocked decoder key.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QToolButton>

#include "editing/worksheet_editor.h"
#include "platform/string_table.h"
#include "window_rig.h"

namespace {

class WindowGuards : public WindowRig {};

TEST_F(WindowGuards, QuickHelpEndsEvenWhenTheComplexBoxWasTouched)
{
    ClickAction("Toolbar2", "cmdKomplex");
    const ToolCode tool = s.ToolMode;
    ClickAction("Toolbar", "cmdQuickHelp");
    ASSERT_EQ(s.ToolMode, ToolCode::QuickHelp);
    auto* box = Find<QComboBox>("cmbKomplex");
    ASSERT_GT(box->count(), 1);
    box->setCurrentIndex(box->currentIndex() == 0 ? 1 : 0);
    EXPECT_EQ(s.ToolMode, ToolCode::QuickHelp) << "the box explains nothing and chooses nothing";
    ClickAction("Toolbar", "cmdQuickHelp");
    EXPECT_EQ(s.ToolMode, tool);
    EXPECT_TRUE(window.Menu(QStringLiteral("mBauelemente"))->isEnabled());
    EXPECT_TRUE(Action("Toolbar2", "cmdUND")->isCheckable()) << "palette keys latch again";
}

TEST_F(WindowGuards, ACommandCommitsAnOpenLabelBoxFirst)
{
    ClickAction("Toolbar2", "cmdText");
    ClickCell(6, 6);
    auto* edit = Find<QLineEdit>("txtBeschriftung");
    ASSERT_TRUE(window.editor().overlay.txtBeschriftung.Visible);
    edit->setText(QStringLiteral("clk"));
    const int before = s.circuit.ElementCount();
    ClickAction("Toolbar2", "cmdUND");
    EXPECT_FALSE(window.editor().overlay.txtBeschriftung.Visible);
    EXPECT_EQ(s.circuit.ElementCount(), before + 1) << "the label was committed";
    EXPECT_EQ(s.ToolMode, ToolCode::AND);

    ClickAction("Toolbar2", "cmdText");
    ClickCell(6, 12);
    Find<QLineEdit>("txtBeschriftung")->setText(QStringLiteral("q"));
    ClickAction("Toolbar", "cmdRaster");
    EXPECT_EQ(s.circuit.ElementCount(), before + 2);
}

TEST_F(WindowGuards, APanelOpenedAgainComesBackWhole)
{
    auto* min = Find<QToolButton>("cmdMin0");
    for (const bool byMenu : {false, true}) {
        SCOPED_TRACE(byMenu ? "View menu" : "toolbar");
        QTest::mouseClick(min, Qt::LeftButton);
        ASSERT_EQ(s.settings.PanelVisible[1], 1);
        ASSERT_EQ(window.Panel(1)->height(), 25);
        for (const int16_t state : {0, -1}) {
            if (byMenu)
                window.MenuItem(QStringLiteral("mPanel"), 1)->trigger();
            else
                ClickAction("Toolbar", "cmdPanel1");
            ASSERT_EQ(s.settings.PanelVisible[1], state);
        }
        EXPECT_FALSE(min->isChecked());
        EXPECT_EQ(window.Panel(1)->height(), 217);
        EXPECT_FALSE(Find("SSPanel2")->isHidden());
    }
}

TEST_F(WindowGuards, TheIcKeyOffersTheIcsOfTheIcFolder)
{
    ASSERT_TRUE(icDir.isValid());
    s.Verzeichnisse[1] = CopyTestICs(icDir.filePath(QStringLiteral("ics/")));
    // The key was withdrawn while the folder was empty; the window finds the files again on activation.
    window.Form_Activate();
    ASSERT_TRUE(Action("Toolbar2", "cmdIC")->isEnabled());
    ClickAction("Toolbar2", "cmdIC");
    auto* box = Find<QComboBox>("cmbIC");
    ASSERT_EQ(box->count(), 2);
    EXPECT_EQ(box->itemText(0), QStringLiteral("FULL"));
    EXPECT_EQ(box->itemText(1), QStringLiteral("HALF"));
    EXPECT_EQ(s.ToolMode, ToolCode::IC);
}

// A first start with ICs in the folder every directory starts in.
class StartWithICs : public WindowRig {
protected:
    StartWithICs()
        : WindowRig([](const QString& docs) { CopyTestICs(docs + QStringLiteral("/Gatrel")); })
    {
    }
};

TEST_F(StartWithICs, OneClickOnTheIcKeyShowsTheFirstICReadyToPlace)
{
    auto* box = Find<QComboBox>("cmbIC");
    EXPECT_EQ(box->count(), 2) << "the IC lists are filled when the window has loaded";
    window.Form_Activate();
    ClickAction("Toolbar2", "cmdUND");
    ASSERT_TRUE(Find("picAnschlüsse")->isVisible());

    ClickAction("Toolbar2", "cmdIC");
    EXPECT_EQ(s.ToolMode, ToolCode::IC);
    EXPECT_EQ(s.circuit.ICName, QStringLiteral("FULL"));
    EXPECT_EQ(box->currentText(), QStringLiteral("FULL"));
    EXPECT_TRUE(Find("picEigenschaft0")->isVisible()) << "the IC page, not the AND element's";
    EXPECT_FALSE(Find("picAnschlüsse")->isVisible());
    EXPECT_TRUE(window.MenuItem(QStringLiteral("mBauteil"), 25)->isChecked());
}

TEST_F(WindowGuards, TheClockedDecoderKeyChoosesTheDecoderWithItsClockInput)
{
    ClickAction("Toolbar2", "cmdDecoderT");
    EXPECT_EQ(s.ToolMode, ToolCode::Decoder);
    EXPECT_EQ(s.DecoderClockInput, kTrue);
    EXPECT_TRUE(Find<QCheckBox>("chkTakteingang")->isChecked());
    EXPECT_TRUE(window.MenuItem(QStringLiteral("mBauteil"), 20)->isChecked());
    ClickAction("Toolbar2", "cmdDecoder");
    EXPECT_EQ(s.DecoderClockInput, kTrue) << "the box stays ticked for the next decoder";
}

// The select tool's page shows the selection count and the frame size at
// every step that changes them; Edit > Delete follows the selection.
TEST_F(WindowGuards, TheSelectToolShowsItsCountAndFrame)
{
    QLabel* count = Find<QLabel>("lblSelElement");
    QLabel* frame = Find<QLabel>("lblRahmen");
    QAction* del = window.Menu(QStringLiteral("mDelete"));
    ASSERT_NE(count, nullptr);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(count->text(), QStringLiteral("0"));
    EXPECT_EQ(frame->text(), QStringLiteral("X: 0   Y: 0"));
    ClickAction("Toolbar2", "cmdUND");
    ClickCell(20, 10);
    ClickCell(20, 20);
    ASSERT_EQ(s.circuit.ElementCount(), 2);
    ClickAction("Toolbar2", "cmdSelect");

    QWidget* grid = window.picGrid();
    auto drag = [&](QPoint from, QPoint to, const char* during) {
        SendMouse(grid, QEvent::MouseMove, At(from.x(), from.y()), Qt::NoButton, Qt::NoButton);
        SendMouse(grid, QEvent::MouseButtonPress, At(from.x(), from.y()), Qt::LeftButton, Qt::LeftButton);
        EXPECT_EQ(frame->text(), QStringLiteral("X: 0   Y: 0")) << "a new frame starts at nothing";
        SendMouse(grid, QEvent::MouseMove, At(to.x(), to.y()), Qt::NoButton, Qt::LeftButton);
        EXPECT_EQ(frame->text(), QString::fromLatin1(during));
        SendMouse(grid, QEvent::MouseButtonRelease, At(to.x(), to.y()), Qt::LeftButton, Qt::NoButton);
    };
    drag({1, 1}, {7, 6}, "X: 6   Y: 5");
    EXPECT_EQ(count->text(), QStringLiteral("0")) << "an empty area";
    EXPECT_TRUE(del->isEnabled()) << "a framed area can be deleted";
    // Clicks pick components one by one; Ctrl-clicking a selected one drops it.
    auto click = [&](int n, Qt::KeyboardModifiers mods) {
        for (int x = 0; x <= s.circuit.MaxX; ++x)
            for (int y = 0; y <= s.circuit.MaxY; ++y)
                if (s.circuit.P(x, y).ElementNr == n && s.circuit.P(x, y).Type >= 4)
                    return ClickCell(x, y, mods);
        ADD_FAILURE() << "no component " << n;
    };
    ClickCell(40, 28); // away from the frame: it goes
    click(1, Qt::NoModifier);
    EXPECT_EQ(count->text(), QStringLiteral("1"));
    click(2, Qt::ControlModifier);
    EXPECT_EQ(count->text(), QStringLiteral("2"));
    click(2, Qt::ControlModifier);
    EXPECT_EQ(count->text(), QStringLiteral("1"));
    ClickCell(40, 28);
    EXPECT_EQ(count->text(), QStringLiteral("0"));
    EXPECT_FALSE(del->isEnabled());

    // Moving the area leaves the frame label at nothing.
    drag({30, 25}, {14, 5}, "X: 16   Y: 20");
    DragCells({20, 15}, {22, 15});
    EXPECT_EQ(frame->text(), QStringLiteral("X: 0   Y: 0"));
    EXPECT_EQ(count->text(), QStringLiteral("0"));
    EXPECT_FALSE(del->isEnabled());

    // Deleting an area clears both.
    drag({32, 25}, {16, 5}, "X: 16   Y: 20");
    ASSERT_EQ(count->text(), QStringLiteral("2"));
    del->trigger();
    EXPECT_EQ(s.circuit.ElementCount(), 0);
    EXPECT_EQ(frame->text(), QStringLiteral("X: 0   Y: 0"));
    EXPECT_EQ(count->text(), QStringLiteral("0"));
    EXPECT_FALSE(del->isEnabled());
}

TEST_F(WindowGuards, UndoCaptionDeleteItemAndToolbarOrderAfterStartAndPower)
{
    window.Form_Activate();
    QAction* undo = window.Menu(QStringLiteral("mUndo"));
    EXPECT_EQ(undo->text(), LoadResString(2411)) << "no step yet: the plain caption";
    EXPECT_FALSE(undo->isEnabled());

    // The first ten places of the main toolbar, with the separator before Undo.
    const QList<QAction*> actions = window.Toolbar(QStringLiteral("Toolbar"))->actions();
    const QStringList want = {QStringLiteral("cmdNew"), QStringLiteral("cmdOpen"), QStringLiteral("cmdSave"),
                              QStringLiteral("cmdPrint"), QStringLiteral("cmdCut"), QStringLiteral("cmdCopy"),
                              QStringLiteral("cmdPaste"), QString(), QStringLiteral("cmdUndo"),
                              QStringLiteral("cmdUndoList")};
    ASSERT_GE(actions.size(), want.size());
    for (qsizetype i = 0; i < want.size(); ++i) {
        EXPECT_EQ(actions[i]->isSeparator(), want[i].isEmpty()) << i;
        if (!want[i].isEmpty()) {
            EXPECT_EQ(actions[i]->objectName(), want[i]) << i;
        }
    }

    Open(QStringLiteral(GATREL_TEST_DATA "/sim/switch_and_led.gtr"));
    PowerOn();
    EXPECT_FALSE(window.Menu(QStringLiteral("mDelete"))->isEnabled());
    PowerOff();
    EXPECT_TRUE(window.Menu(QStringLiteral("mDelete"))->isEnabled()) << "back in edit mode, Delete is offered";
}

} // namespace
