// Edit and simulation mode of the main window, quick help and the level tree,
// driven through the window's own buttons.
#include <QActionGroup>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <functional>

#include "editing/worksheet_editor.h"
#include "placement/clsUndo.h"
#include "platform/string_table.h"
#include "shell/quick_help_box.h"
#include "window_rig.h"

namespace {

const QString kClocks = QStringLiteral(GATREL_TEST_DATA "/clocks.gtr");
const QString kNoClock = QStringLiteral(GATREL_TEST_DATA "/sim/switch_and_led.gtr");

// -1: not looked at in that mode.
struct ModeRow {
    const char* control; // "menu:x", "item:array/index", "bar:toolbar/key", or a widget's name
    enum Property { Enabled, Shown, Checked } property;
    int edit;
    int simWithClock;
    int simWithoutClock;
};

// The AND tool is chosen before power-on, so edit mode shows its two pages.
const ModeRow kModeRows[] = {
    {"menu:mNeu", ModeRow::Enabled, 1, 0, 0},
    {"menu:mOpen", ModeRow::Enabled, 1, 0, 0},
    {"menu:mSave", ModeRow::Enabled, 1, 0, 0},
    {"menu:mSaveAs", ModeRow::Enabled, 1, 0, 0},
    {"menu:mPrint", ModeRow::Enabled, 1, 0, 0},
    {"menu:mDefIC", ModeRow::Enabled, 1, 0, 0},
    {"item:mUsedFiles/0", ModeRow::Enabled, 1, 0, 0},
    {"item:mUsedFiles/3", ModeRow::Enabled, 1, 0, 0},
    {"menu:mBauelemente", ModeRow::Shown, 1, 0, 0},
    {"menu:mBearbeiten", ModeRow::Shown, 1, 0, 0},
    {"menu:mOptionen", ModeRow::Shown, 1, 0, 0},
    {"menu:mUndo", ModeRow::Enabled, 0, 0, 0},
    {"menu:mUndoList", ModeRow::Enabled, 0, 0, 0},
    {"bar:Toolbar/cmdUndo", ModeRow::Enabled, 0, 0, 0},
    {"bar:Toolbar/cmdUndoList", ModeRow::Enabled, 0, 0, 0},
    // Edit mode leaves Delete to the selection: nothing is selected after a run.
    {"menu:mDelete", ModeRow::Enabled, -1, 0, 0},
    {"menu:mICAuswahl", ModeRow::Enabled, 1, 0, 0},
    {"bar:Toolbar/cmdICAuswahl", ModeRow::Enabled, 1, 0, 0},
    {"item:mAnsichtItem/3", ModeRow::Enabled, 1, 0, 0},
    {"item:mAnsichtItem/3", ModeRow::Checked, 1, 0, 0},
    {"bar:Toolbar/cmdNew", ModeRow::Enabled, 1, 0, 0},
    {"bar:Toolbar/cmdOpen", ModeRow::Enabled, 1, 0, 0},
    {"bar:Toolbar/cmdSave", ModeRow::Enabled, 1, 0, 0},
    {"bar:Toolbar/cmdPrint", ModeRow::Enabled, 1, 0, 0},
    {"bar:Toolbar/cmdCut", ModeRow::Enabled, 1, 0, 0},
    {"bar:Toolbar/cmdCopy", ModeRow::Enabled, 1, 0, 0},
    {"bar:Toolbar/cmdPaste", ModeRow::Enabled, 1, 0, 0},
    {"bar:Toolbar/cmdICView", ModeRow::Enabled, 1, 0, 0},
    {"bar:Toolbar/cmdRaster", ModeRow::Enabled, 1, 0, 0},
    {"bar:Toolbar/cmdRaster", ModeRow::Checked, 1, 0, 0},
    {"Toolbar2", ModeRow::Shown, 1, 0, 0},
    {"picOnOff", ModeRow::Shown, 0, 1, 1},
    {"picSize", ModeRow::Shown, 1, 0, 0},
    {"txtX", ModeRow::Enabled, 1, 0, 0},
    {"txtY", ModeRow::Enabled, 1, 0, 0},
    {"updSizeX0", ModeRow::Enabled, 1, 0, 0},
    {"updSizeY1", ModeRow::Enabled, 1, 0, 0},
    {"picEigenschaft3", ModeRow::Shown, 0, 1, 1},
    {"picEigenschaft0", ModeRow::Shown, 0, 0, 0},
    {"picEigenschaft1", ModeRow::Shown, 0, 0, 0},
    {"picEigenschaft2", ModeRow::Shown, 0, 0, 0},
    {"picOrientation", ModeRow::Shown, 1, 0, 0},
    {"picAnschlüsse", ModeRow::Shown, 1, 0, 0},
    {"picKomplex", ModeRow::Shown, 0, 0, 0},
    {"bar:Toolbar3/cmdDauertakt", ModeRow::Enabled, 0, 1, 0},
    {"bar:Toolbar3/cmdEinzeltakt", ModeRow::Enabled, 0, 1, 0},
    {"bar:Toolbar3/cmdStop", ModeRow::Enabled, 0, 0, 0},
    {"bar:Toolbar3/cmdFullStop", ModeRow::Enabled, 0, 0, 0},
    {"SSTab1", ModeRow::Shown, -1, 1, 0},
    {"lblTaktgeber", ModeRow::Shown, -1, 1, 0},
    {"txtAnzTakte", ModeRow::Enabled, -1, 1, 0},
    {"cmdAnzTakte0", ModeRow::Enabled, -1, 1, 0},
    {"cmdAnzTakte1", ModeRow::Enabled, -1, 1, 0},
};

class ModeSwitch : public WindowRig {
protected:
    // The control's state as the row asks for it: 0 or 1.
    int Probe(const ModeRow& row)
    {
        const QString c = QString::fromUtf8(row.control);
        QAction* action = nullptr;
        QWidget* widget = nullptr;
        if (c.startsWith(QLatin1String("menu:"))) {
            action = window.Menu(c.mid(5));
        } else if (c.startsWith(QLatin1String("item:"))) {
            const QStringList p = c.mid(5).split(u'/');
            action = window.MenuItem(p[0], p[1].toInt());
        } else if (c.startsWith(QLatin1String("bar:"))) {
            const QStringList p = c.mid(4).split(u'/');
            action = window.ToolbarButton(p[0], p[1]);
        } else {
            widget = window.findChild<QWidget*>(c);
        }
        EXPECT_TRUE(action || widget) << row.control;
        if (!action && !widget)
            return -1;
        switch (row.property) {
        case ModeRow::Enabled:
            return action ? action->isEnabled() : widget->isEnabled();
        case ModeRow::Shown:
            // Shown as far as the control itself and its own panel go.
            return action ? action->isVisible() : widget->isVisibleTo(&window);
        case ModeRow::Checked:
            return action->isChecked();
        }
        return -1;
    }
    void ExpectMode(bool edit, bool clock)
    {
        for (const ModeRow& row : kModeRows) {
            const int want = edit ? row.edit : (clock ? row.simWithClock : row.simWithoutClock);
            if (want >= 0) {
                EXPECT_EQ(Probe(row), want) << row.control << " property " << row.property;
            }
        }
        const QString onOff = window.Menu(QStringLiteral("mOnOff"))->text();
        EXPECT_EQ(onOff, LoadResString(edit ? 2472 : 2473));
        if (!edit) {
            EXPECT_EQ(Find<QLabel>("lblOnOff")->text(), LoadResString(2572));
            EXPECT_FALSE(Find("picGrün")->isHidden());
            EXPECT_TRUE(Find("picRot")->isHidden());
        } else {
            EXPECT_EQ(Find<QLabel>("lblTaktgeber")->text(), QString());
            EXPECT_EQ(Find<QLabel>("lblAllgemein2")->text(), LoadResString(2510));
        }
    }
};

} // namespace

TEST_F(ModeSwitch, PowerSwitchesEveryControlBothWaysWithAndWithoutClock)
{
    for (const QString& file : {kClocks, kNoClock}) {
        SCOPED_TRACE(file.toStdString());
        Open(file);
        // Hidden recent-file items would read as disabled whatever they are.
        for (int i = 0; i < 4; ++i)
            window.SetUsedFileItem(i, QStringLiteral("file %1").arg(i));
        ClickAction("Toolbar2", "cmdUND");
        ASSERT_EQ(s.ToolMode, ToolCode::AND);
        const bool clock = file == kClocks;
        for (int cycle = 0; cycle < 2; ++cycle) {
            SCOPED_TRACE(cycle);
            PowerOn();
            EXPECT_TRUE(Button("cmdOn")->isChecked());
            EXPECT_FALSE(Button("cmdOff")->isChecked());
            EXPECT_EQ(s.ToolMode, ToolCode::SimulationRunning);
            ExpectMode(false, clock);
            if (clock) {
                EXPECT_EQ(s.SelectedClock, 0) << "slot 0 whatever was chosen before";
                ClickCell(2, 5);
                EXPECT_EQ(s.SelectedClock, 1);
            }
            PowerOff();
            EXPECT_TRUE(Button("cmdOff")->isChecked());
            EXPECT_FALSE(Button("cmdOn")->isChecked());
            EXPECT_EQ(s.ToolMode, ToolCode::AND) << "the editing tool comes back";
            EXPECT_TRUE(Action("Toolbar2", "cmdUND")->isChecked());
            ExpectMode(true, clock);
        }
    }
}

TEST_F(ModeSwitch, EditModeFollowsUndoHistoryGridAndCollapsedSizePanel)
{
    // The size panel collapsed by its own button.
    ClickAction("Toolbar", "cmdRaster");
    ASSERT_EQ(s.ShowGrid, kFalse);
    auto* min = Find<QToolButton>("cmdMin1");
    QTest::mouseClick(min, Qt::LeftButton);
    ASSERT_EQ(s.settings.PanelVisible[2], 1);
    QWidget* size = Find("picSize");
    const int collapsed = size->height();
    ASSERT_EQ(collapsed, 25);

    struct Case {
        const char* what;
        bool placeSomething;
    };
    for (const Case& c : {Case{"empty undo history", false}, Case{"one undo step", true}}) {
        SCOPED_TRACE(c.what);
        if (c.placeSomething) {
            ClickAction("Toolbar2", "cmdDiode");
            ClickCell(12, 5);
            ASSERT_FALSE(window.objUndo().NoUndoData());
        }
        PowerOn();
        EXPECT_TRUE(size->isHidden());
        EXPECT_EQ(s.settings.PanelVisible[2], 1) << "left out of the layout, not forgotten";
        PowerOff();
        for (const char* menu : {"mUndo", "mUndoList"})
            EXPECT_EQ(window.Menu(QString::fromLatin1(menu))->isEnabled(), c.placeSomething) << menu;
        for (const char* key : {"cmdUndo", "cmdUndoList"})
            EXPECT_EQ(Action("Toolbar", key)->isEnabled(), c.placeSomething) << key;
        EXPECT_FALSE(size->isHidden());
        EXPECT_EQ(size->height(), collapsed) << "still collapsed";
        EXPECT_EQ(s.settings.PanelVisible[2], 1);
        EXPECT_TRUE(min->isChecked());
        QAction* raster = Action("Toolbar", "cmdRaster");
        EXPECT_TRUE(raster->isEnabled());
        EXPECT_FALSE(raster->isChecked());
        EXPECT_TRUE(window.MenuItem(QStringLiteral("mAnsichtItem"), 3)->isEnabled());
        EXPECT_FALSE(window.MenuItem(QStringLiteral("mAnsichtItem"), 3)->isChecked());
    }
}

// A second click queued behind the first runs while the switch lets pending
// events through; it must not switch a second time.
TEST_F(ModeSwitch, AClickArrivingDuringTheSwitchChangesNothing)
{
    struct Case {
        const char* first;
        const char* queued;
        int16_t power;
    };
    const Case cases[] = {
        {"cmdOn", "cmdOn", kTrue},
        {"cmdOn", "cmdOff", kTrue},
        {"cmdOff", "cmdOn", kFalse},
        {"cmdOff", "cmdOff", kFalse},
    };
    Open(kNoClock);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.first) + " then " + c.queued);
        ClickAction("Toolbar2", "cmdUND");
        if (QLatin1String(c.first) == QLatin1String("cmdOff"))
            PowerOn();
        PostClick(Button(c.queued));
        Button(c.first)->click();
        QApplication::processEvents();
        EXPECT_EQ(s.engine.PowerFlag, c.power);
        EXPECT_EQ(Button("cmdOn")->isChecked(), c.power != 0);
        EXPECT_EQ(Button("cmdOff")->isChecked(), c.power == 0);
        EXPECT_EQ(s.ToolMode, c.power ? ToolCode::SimulationRunning : ToolCode::AND);
        if (s.engine.PowerFlag != 0)
            PowerOff();
        EXPECT_EQ(s.ToolMode, ToolCode::AND) << "the editing tool survives";
        EXPECT_FALSE(Find("Toolbar2")->isHidden());
    }
}

// Quick help leaves the run, or the editing tool, as it found them.
TEST_F(ModeSwitch, PowerButtonsOnlyExplainThemselvesInQuickHelp)
{
    Open(kClocks);
    ClickAction("Toolbar2", "cmdUND");
    QLabel* headline = window.picQuickHelp()->lblHeadline();
    struct Case {
        bool powered;
        const char* button;
        const char* headline;
    };
    const Case cases[] = {
        {false, "cmdOn", "Schaltung anschalten"},
        {false, "cmdOff", "Schaltung ausschalten"},
        {true, "cmdOn", "Schaltung anschalten"},
        {true, "cmdOff", "Schaltung ausschalten"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.button) + (c.powered ? " powered" : " unpowered"));
        if (c.powered && s.engine.PowerFlag == 0)
            PowerOn();
        ClickAction("Toolbar", "cmdQuickHelp");
        ASSERT_EQ(s.ToolMode, ToolCode::QuickHelp);
        headline->clear();
        QTest::mouseClick(Button(c.button), Qt::LeftButton);
        EXPECT_EQ(headline->text(), QString::fromUtf8(c.headline));
        EXPECT_TRUE(window.picQuickHelp()->isVisible());
        EXPECT_EQ(s.engine.PowerFlag, c.powered ? kTrue : kFalse);
        EXPECT_EQ(Button("cmdOn")->isChecked(), c.powered);
        EXPECT_EQ(Button("cmdOff")->isChecked(), !c.powered);
        ClickAction("Toolbar", "cmdQuickHelp");
        EXPECT_FALSE(window.picQuickHelp()->isVisible());
        EXPECT_EQ(Button("cmdOn")->isChecked(), c.powered);
        EXPECT_EQ(s.ToolMode, c.powered ? ToolCode::SimulationRunning : ToolCode::AND);
    }
    // The editing pages stay out of the simulation panel.
    for (const char* page : {"picOrientation", "picAnschlüsse", "picKomplex", "picEigenschaft0", "picEigenschaft1",
                             "picEigenschaft2"})
        EXPECT_TRUE(Find(page)->isHidden()) << page;
    EXPECT_FALSE(Find("picEigenschaft3")->isHidden());
    // The next plain press switches the right way, and the editing tool comes back.
    PowerOff();
    EXPECT_EQ(s.ToolMode, ToolCode::AND);
    EXPECT_TRUE(Action("Toolbar2", "cmdUND")->isChecked());
    EXPECT_FALSE(Find("picOrientation")->isHidden());
    PowerOn();
}

TEST_F(ModeSwitch, QuickHelpNamesWhatWasClicked)
{
    QLabel* headline = window.picQuickHelp()->lblHeadline();
    ClickAction("Toolbar2", "cmdUND");
    ClickAction("Toolbar", "cmdQuickHelp");
    ASSERT_EQ(s.ToolMode, ToolCode::QuickHelp);
    EXPECT_FALSE(window.Menu(QStringLiteral("mBauelemente"))->isEnabled());
    const int elementsBefore = s.circuit.ElementCount();

    struct Case {
        const char* what;
        std::function<void()> click;
        const char* headline;
    };
    const Case cases[] = {
        {"main toolbar", [&] { ClickAction("Toolbar", "cmdNew"); }, "Neue Datei anlegen"},
        {"grid button", [&] { ClickAction("Toolbar", "cmdRaster"); }, "Raster sichtbar / unsichtbar"},
        {"palette", [&] { ClickAction("Toolbar2", "cmdODER"); }, "ODER-Baustein setzen"},
        {"control panel", [&] { QTest::mousePress(Find("picEinAus"), Qt::LeftButton, {}, QPoint(150, 40)); },
         "Power-Panel"},
        {"properties panel", [&] { QTest::mousePress(Find("lblAktElement"), Qt::LeftButton); },
         "Eigenschaften-Panel"},
        {"panel close button", [&] { QTest::mouseClick(Find("cmdClose4"), Qt::LeftButton); }, "Panel schließen"},
        {"worksheet", [&] { ClickCell(20, 10); }, "Das Arbeitsfeld"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        headline->clear();
        c.click();
        EXPECT_EQ(headline->text(), QString::fromUtf8(c.headline));
        EXPECT_TRUE(window.picQuickHelp()->isVisible());
    }
    // Nothing was run: no dialog, no grid change, no panel closed, nothing placed.
    EXPECT_EQ(window.findChildren<QDialog*>().size(), 0);
    EXPECT_EQ(s.ShowGrid, kTrue);
    EXPECT_EQ(s.settings.PanelVisible[3], -1);
    EXPECT_EQ(s.circuit.ElementCount(), elementsBefore);

    ClickAction("Toolbar", "cmdQuickHelp");
    EXPECT_EQ(s.ToolMode, ToolCode::AND);
    EXPECT_TRUE(Action("Toolbar2", "cmdUND")->isChecked());
    EXPECT_FALSE(Action("Toolbar2", "cmdODER")->isChecked());
    EXPECT_TRUE(window.Menu(QStringLiteral("mBauelemente"))->isEnabled());
    EXPECT_TRUE(Action("Toolbar", "cmdRaster")->isChecked());
    EXPECT_TRUE(Action("Toolbar", "cmdRaster")->isCheckable());
    EXPECT_TRUE(Action("Toolbar2", "cmdODER")->isCheckable());
    // The palette latches again.
    ClickAction("Toolbar2", "cmdODER");
    EXPECT_EQ(s.ToolMode, ToolCode::OR);
    EXPECT_TRUE(Action("Toolbar2", "cmdODER")->isChecked());
    EXPECT_FALSE(Action("Toolbar2", "cmdUND")->isChecked());
}

class LevelTree : public WindowRig {
protected:
    QTreeWidget* Tree() { return Find<QTreeWidget>("tvwLevel"); }
    QTreeWidgetItem* Node(const QString& key)
    {
        for (QTreeWidgetItemIterator it(Tree()); *it; ++it)
            if ((*it)->data(0, Qt::UserRole).toString() == key)
                return *it;
        return nullptr;
    }
    void ClickNode(QTreeWidgetItem* item)
    {
        Tree()->expandAll();
        Tree()->scrollToItem(item);
        QTest::mouseClick(Tree()->viewport(), Qt::LeftButton, {}, Tree()->visualItemRect(item).center());
    }
    QString LevelCaption() { return Find<QLabel>("lblLevel")->text(); }
};

TEST_F(LevelTree, NodesShowTheirLevelOnlyWhileThePowerIsOn)
{
    OpenNestedICs();
    PowerOn();
    const QString root = LoadResString(2543);
    struct Step {
        const char* key;
        int level;
    };
    for (const Step& st : {Step{"IC1", 1}, Step{"IC2", 2}, Step{"Root layer", 0}, Step{"IC4", 4}, Step{"IC3", 3}}) {
        SCOPED_TRACE(st.key);
        QTreeWidgetItem* node = Node(QString::fromLatin1(st.key));
        ASSERT_NE(node, nullptr);
        ClickNode(node);
        EXPECT_EQ(s.CurrentLevel, st.level);
        EXPECT_EQ(LevelCaption(), st.level == 0 ? root : s.circuit.ICInstances[static_cast<size_t>(st.level)].Name);
        EXPECT_EQ(s.circuit.MaxX, s.circuit.Levels[static_cast<size_t>(st.level)].Width);
    }

    // Beside the picture the right button climbs one level: IC3 sits in IC1.
    QWidget* container = Find("picContainer");
    const QPoint beside(container->width() - 4, container->height() - 4);
    ASSERT_FALSE(window.picGrid()->geometry().contains(beside));
    // Only the right button climbs, and not beyond the root.
    for (auto [button, level] : {std::pair{Qt::LeftButton, 3}, {Qt::RightButton, 1}, {Qt::RightButton, 0},
                                 {Qt::RightButton, 0}}) {
        QTest::mousePress(container, button, {}, beside);
        EXPECT_EQ(s.CurrentLevel, level);
    }
    EXPECT_EQ(LevelCaption(), root);
    EXPECT_EQ(s.circuit.MaxX, 30);

    PowerOff();
    const int16_t maxX = s.circuit.MaxX;
    const int16_t elements = s.circuit.ElementCount();
    for (int i = 0; i < Tree()->topLevelItemCount(); ++i) {
        ClickNode(Tree()->topLevelItem(i));
        EXPECT_EQ(s.CurrentLevel, 0);
        EXPECT_EQ(s.circuit.MaxX, maxX);
        EXPECT_EQ(s.circuit.ElementCount(), elements);
    }
    QTest::mousePress(container, Qt::RightButton, {}, beside);
    EXPECT_EQ(s.CurrentLevel, 0);
    EXPECT_EQ(s.circuit.ElementCount(), elements);
}

// Placement aids disappear when the pointer leaves the worksheet for a control.
TEST_F(ModeSwitch, MovingOntoAControlHidesThePlacementAids)
{
    WorksheetOverlay& o = window.editor().overlay;
    const auto moveOnto = [&](const char* name) {
        // The level tree's items lie on its viewport.
        QWidget* w = QLatin1String(name) == QLatin1String("qt_scrollarea_viewport")
            ? Find<QTreeWidget>("tvwLevel")->viewport()
            : Find(name);
        ASSERT_NE(w, nullptr) << name;
        SendMouse(w, QEvent::MouseMove, QPointF(3, 3), Qt::NoButton, Qt::NoButton);
    };
    const auto moveOnGrid = [&] {
        SendMouse(window.picGrid(), QEvent::MouseMove, At(20, 12), Qt::NoButton, Qt::NoButton);
    };
    struct Case {
        const char* tool;
        const char* onto;
        std::function<bool()> aid;
        bool hidden;
    };
    const Case cases[] = {
        {"cmdUND", "Toolbar2", [&] { return o.picRahmen.Visible; }, true},
        {"cmdUND", "picEinAus", [&] { return o.picRahmen.Visible; }, true},
        {"cmdUND", "lblLevel", [&] { return o.picRahmen.Visible; }, true},
        {"cmdDiode", "picZoom", [&] { return o.picBox.Visible; }, true},
        {"cmdDiode", "cmdOn", [&] { return o.picBox.Visible; }, true},
        {"cmdDecoder", "tvwLevel", [&] { return o.LineRahmen[0].Visible; }, true},
        {"cmdDecoder", "qt_scrollarea_viewport", [&] { return o.LineRahmen[0].Visible; }, true},
        {"cmdDecoder", "lblLevel", [&] { return o.LineRahmen[0].Visible; }, false},
        {"cmdDecoder", "picIC", [&] { return o.LineRahmen[0].Visible; }, true},
        // The size boxes only take the decoder's lines, the gate-input step buttons only the outline.
        {"cmdUND", "txtX", [&] { return o.picRahmen.Visible; }, false},
        {"cmdDecoder", "txtY", [&] { return o.LineRahmen[0].Visible; }, true},
        {"cmdUND", "UpDown1Up", [&] { return o.picRahmen.Visible; }, true},
        {"cmdDiode", "UpDown1Down", [&] { return o.picBox.Visible; }, false},
        // Over a caption the switch keeps its box, the LED does not.
        {"cmdSchalter", "lblAllgemein2", [&] { return o.picBox.Visible; }, false},
        {"cmdDiode", "lblAllgemein2", [&] { return o.picBox.Visible; }, true},
        // The window's own background.
        {"cmdUND", "frmGatrelClient", [&] { return o.picRahmen.Visible; }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.tool) + " onto " + c.onto);
        ClickAction("Toolbar2", c.tool);
        moveOnGrid();
        ASSERT_TRUE(c.aid());
        moveOnto(c.onto);
        EXPECT_EQ(!c.aid(), c.hidden);
    }

    // The select tool's frame stays, except for the status bar.
    ClickAction("Toolbar2", "cmdSelect");
    DragCells({5, 5}, {9, 9});
    ASSERT_TRUE(o.picRahmen.Visible);
    moveOnto("Toolbar2");
    EXPECT_TRUE(o.picRahmen.Visible);
    moveOnto("StatusBar");
    EXPECT_FALSE(o.picRahmen.Visible);

    // The window's background also clears the status bar's second panel.
    window.SetStatusPanel(1, QStringLiteral("Redrawing.."));
    moveOnto("frmGatrelClient");
    EXPECT_TRUE(Find<QLabel>("StatusBarPanel2")->text().isEmpty());
}

namespace {

TEST_F(ModeSwitch, ComponentItemsShowTheRadioLookButSeparatorsDoNot)
{
    for (const char* when : {"from the start", "after a run"}) {
        SCOPED_TRACE(when);
        for (int i = 1; i <= 25; ++i) {
            QAction* item = window.MenuItem(QStringLiteral("mBauteil"), i);
            if (!item)
                continue;
            const bool separator = i == 6 || i == 10 || i == 14 || i == 17 || i == 24;
            const bool radio = item->actionGroup() && item->actionGroup()->isExclusive();
            EXPECT_EQ(radio, !separator) << "item " << i;
        }
        PowerOn();
        PowerOff();
    }
}

TEST_F(ModeSwitch, TheIcBoxChoosesTheIcOnlyForTheIcTool)
{
    auto* box = Find<QComboBox>("cmbIC");
    ASSERT_NE(box, nullptr);
    box->addItems({QStringLiteral("HALF"), QStringLiteral("<Name>")});
    s.settings.ElementEnable[13] = kTrue;
    // The IC manager follows the choice and needs the IC's file.
    CopyTestICs(s.Verzeichnisse[1]);

    // Another tool: the choice changes nothing.
    s.ToolMode = ToolCode::AND;
    s.circuit.ICName.clear();
    box->setCurrentIndex(0);
    window.cmbIC_Click();
    EXPECT_TRUE(s.circuit.ICName.isEmpty());

    s.ToolMode = ToolCode::IC;
    window.MenuItem(QStringLiteral("mBauteil"), 11)->setChecked(true);
    window.cmbIC_Click();
    EXPECT_EQ(s.circuit.ICName, QStringLiteral("HALF"));
    EXPECT_FALSE(window.MenuItem(QStringLiteral("mBauteil"), 11)->isChecked());
    EXPECT_TRUE(Action("Toolbar2", "cmdIC")->isChecked());
    EXPECT_FALSE(window.Panel(4)->isHidden());

    // The placeholder entry hides the layers panel.
    box->setCurrentIndex(1);
    window.cmbIC_Click();
    EXPECT_TRUE(window.Panel(4)->isHidden());
}

} // namespace
