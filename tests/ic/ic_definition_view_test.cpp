// The IC-definition view in the main window: what it puts away and brings
// back, connectors made, renamed and removed on the worksheet, their labels
// placed on the IC window's outline, and an IC opened again for editing.
#include "ic_window_rig.h"

#include <QDrag>
#include <QFile>
#include <QLabel>
#include <QScrollBar>
#include <QToolBar>
#include <QToolButton>

#include "ic/frmICAuswahl.h"
#include "ic/ic_list_view.h"
#include "placement/document/ic_loading.h"
#include "model/field_list.h"
#include "placement/document/circuit_file.h"
#include "model/files/ic_file.h"
#include "support/modal_driver.h"

namespace {

class ICView : public ICWindowRig {
protected:
    ICView()
    {
        Wire(3, 5, 8, 5);   // ends (3, 5), leaving right, and (8, 5)
        Wire(12, 3, 12, 8); // ends (12, 3) and (12, 8)
    }
    void Enter()
    {
        QWidget* b = window.Toolbar(QStringLiteral("Toolbar"))->widgetForAction(Action("cmdICView"));
        ASSERT_NE(b, nullptr);
        QTest::mouseClick(b, Qt::LeftButton);
        ASSERT_TRUE(s.ICViewOpen);
    }
    QAction* Action(const char* key) const
    {
        return window.ToolbarButton(QStringLiteral("Toolbar"), QString::fromLatin1(key));
    }
    QAction* Menu(const char* name) const { return window.Menu(QString::fromLatin1(name)); }
    QLabel* SheetLabel(int k) const { return window.findChild<QLabel*>(QString::fromUtf8("lblICAnschluß%1").arg(k)); }
    // Names the connector at (x, y), a new one or one there already.
    void Make(int x, int y, const char* name)
    {
        Expect(Name(QString::fromLatin1(name)));
        Click(x, y);
    }
};

TEST_F(ICView, EnteringPutsCommandsAwayAndClosingBringsThemBack)
{
    Tool(ElementType::AND);
    window.PressToolButton(QStringLiteral("cmdUND"), 11);
    Enter();

    // What the view puts away while it is open, and brings back when it closes.
    const auto commandsThere = [&](bool there) {
        EXPECT_EQ(IC().isVisible(), !there);
        EXPECT_EQ(Action("cmdICView")->isChecked(), !there);
        EXPECT_EQ(window.Toolbar(QStringLiteral("Toolbar2"))->isVisible(), there);
        for (const char* menu : {"mBauelemente", "mBearbeiten", "mSchaltung"})
            EXPECT_EQ(Menu(menu)->isVisible(), there) << menu;
        for (const char* menu : {"mOpen", "mSave", "mSaveAs", "mNeu", "mDefIC", "mICAuswahl", "mOptionen"})
            EXPECT_EQ(Menu(menu)->isEnabled(), there) << menu;
        for (const char* key : {"cmdOpen", "cmdSave", "cmdNew", "cmdSynthese", "cmdEinstellungen", "cmdICAuswahl"})
            EXPECT_EQ(Action(key)->isEnabled(), there) << key;
    };
    EXPECT_EQ(s.ToolMode, ToolCode::ICDefinitionView);
    commandsThere(false);
    // Neither the settings nor the IC manager reach the IC being defined, by any road.
    {
        WindowsShown shown;
        window.mOptionen_Click();
        window.mICAuswahl_Click();
        window.cmdICVerwaltung_MouseDown(true);
        EXPECT_EQ(shown.Take(), QStringList());
    }
    // A manager window left open keeps its list and commands away from the IC too.
    auto* manager = window.findChild<frmICAuswahl*>();
    ASSERT_NE(manager, nullptr);
    EXPECT_FALSE(manager->lvwICs->isEnabled());
    EXPECT_FALSE(manager->mICMenue->isEnabled());
    // Nor after the power went on and off again.
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("cmdOn")), Qt::LeftButton);
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("cmdOff")), Qt::LeftButton);
    EXPECT_EQ(s.ToolMode, ToolCode::ICDefinitionView);
    {
        SCOPED_TRACE("after the power");
        commandsThere(false);
    }

    QTest::mouseClick(IC().cmdSchliessen, Qt::LeftButton);
    EXPECT_FALSE(s.ICViewOpen);
    EXPECT_TRUE(manager->lvwICs->isEnabled());
    EXPECT_TRUE(manager->Toolbar1->isEnabled());
    EXPECT_EQ(s.ToolMode, ToolCode::AND);
    commandsThere(true);
    WindowsShown shown;
    window.mOptionen_Click();
    EXPECT_EQ(shown.Take(), QStringList{QStringLiteral("frmPWChange")});
    EXPECT_EQ(s.circuit.ICWidth, 7);
    EXPECT_EQ(s.circuit.ICHeight, 4);
    EXPECT_TRUE(s.circuit.ICName.isEmpty());
}

TEST_F(ICView, ConnectorsAreNamedRenamedAndRemovedOnTheWorksheet)
{
    Enter();
    Click(5, 5); // the middle of a run
    EXPECT_EQ(s.circuit.ICPinCount, 0);
    Make(3, 5, "In");
    ASSERT_EQ(s.circuit.ICPinCount, 1);
    QLabel* in = SheetLabel(1);
    ASSERT_NE(in, nullptr);
    EXPECT_EQ(in->text(), QStringLiteral("[In]"));
    EXPECT_EQ(in->toolTip(), QStringLiteral(" 1 "));
    EXPECT_TRUE(in->isVisible());
    EXPECT_EQ(in->x() + in->width(), GridToPixel(s, 3) - 5) << "left of an end whose conductor goes right";

    // A rename shows the old name; Cancel brings back the caption even after typing.
    Expect([](frmICAnschluss& d) {
        EXPECT_EQ(d.txtName->text(), QStringLiteral("In"));
        d.txtName->setText(QStringLiteral("zzz"));
        QTest::mouseClick(d.cmdAbbruch, Qt::LeftButton);
    });
    Click(3, 5);
    EXPECT_EQ(SheetLabel(1)->text(), QStringLiteral("[In]"));
    Make(3, 5, "Clk");
    EXPECT_EQ(s.circuit.ICPins.at(1), QStringLiteral("3;5;Clk;"));
    EXPECT_EQ(SheetLabel(1)->text(), QStringLiteral("[Clk]"));

    // Closing the dialog by its title bar is Cancel: no connector, no label.
    Expect([](frmICAnschluss& d) {
        d.txtName->setText(QStringLiteral("Gone"));
        d.close();
    });
    Click(8, 5);
    EXPECT_EQ(s.circuit.ICPinCount, 1);
    EXPECT_EQ(s.circuit.P(8, 5).ICConnector, 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(SheetLabel(2), nullptr);

    // A repeated name keeps the dialog open for another.
    Expect(Name(QStringLiteral(" clk")));
    Expect(Name(QStringLiteral("Out")));
    Click(8, 5);
    EXPECT_EQ(dialogsSeen, 6);
    EXPECT_EQ(s.circuit.ICPinCount, 2);
    EXPECT_EQ(s.circuit.ICPins.at(2), QStringLiteral("8;5;Out;"));

    // A label dropped on a worksheet label only earns the hint where to drag it.
    QMimeData data;
    data.setData(kConnectorMimeType, QByteArray("2"));
    QDragEnterEvent enter(QPoint(2, 2), Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(SheetLabel(1), &enter);
    QDropEvent drop(QPointF(2, 2), Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(SheetLabel(1), &drop);
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("StatusBarPanel2"))->text(),
              QString::fromUtf8("Bitte ziehen Sie die Textbox mit gedrückter Maustaste in das IC-Entwurfsfenster."));
    EXPECT_EQ(s.circuit.ICGraphicPins, QStringList({"", "", ""}));

    Click(3, 5, Qt::RightButton);
    EXPECT_EQ(s.circuit.ICPinCount, 1);
    EXPECT_EQ(s.circuit.P(8, 5).ICConnector, 1);
    EXPECT_EQ(SheetLabel(1)->text(), QStringLiteral("[Out]"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(SheetLabel(2), nullptr);
}

TEST_F(ICView, ConnectorLabelsShowOnTheOutlineOnlyOncePlaced)
{
    Enter();
    Make(3, 5, "A");
    Make(12, 8, "B");
    QLabel* a = IC().lblInOut(1);
    QLabel* b = IC().lblInOut(2);
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    EXPECT_FALSE(a->isVisible()) << "unplaced";
    EXPECT_FALSE(b->isVisible());
    EXPECT_TRUE(IC().txtX->isEnabled());

    // A label taken on the worksheet is dragged under the pointer where it was taken.
    const QPoint taken(4, 3);
    QTest::mousePress(SheetLabel(1), Qt::LeftButton, Qt::NoModifier, taken);
    const QPointF moved = taken + QPointF(2 * QApplication::startDragDistance(), 0);
    QMouseEvent move(QEvent::MouseMove, moved, SheetLabel(1)->mapToGlobal(moved), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(SheetLabel(1), &move);
    const auto* drag = SheetLabel(1)->findChild<QDrag*>();
    ASSERT_NE(drag, nullptr);
    EXPECT_EQ(drag->hotSpot(), taken);
    EXPECT_EQ(drag->pixmap().deviceIndependentSize().toSize(), SheetLabel(1)->size());

    for (int index : {0, -1, 3, 99})
        DragOver(index, {100, 88});
    EXPECT_EQ(s.circuit.ICGraphicPins, QStringList({"", "", ""})) << "drags naming no connector are ignored";
    DragOver(1, {100, 88});
    EXPECT_TRUE(a->isVisible());
    EXPECT_EQ(s.circuit.ICGraphicPins.at(1), QStringLiteral("0;2;A;"));
    for (QWidget* w : std::initializer_list<QWidget*>{IC().txtX, IC().txtY, IC().cmdX.up, IC().cmdY.down})
        EXPECT_FALSE(w->isEnabled());
    EXPECT_EQ(a->x(), 112 + 3) << "inside the outline beside its pin";

    DragOver(2, {99, 90}); // the same point
    EXPECT_FALSE(b->isVisible());
    EXPECT_EQ(s.circuit.ICGraphicPins.at(2), QString());
    DragOver(2, {180, 96});
    EXPECT_TRUE(b->isVisible());
    EXPECT_EQ(b->x() + b->width(), 112 + 57 - 3) << "right-aligned on the right side";

    // Renaming a placed connector renames its place and its label too.
    Make(3, 5, "Data");
    EXPECT_EQ(s.circuit.ICGraphicPins.at(1), QStringLiteral("0;2;Data;"));
    EXPECT_EQ(a->text(), QStringLiteral("Data"));

    // Pointing at a label lights its worksheet label.
    IC().lblInOut_MouseMove(2);
    EXPECT_TRUE(SheetLabel(2)->styleSheet().contains(QStringLiteral("#000080")));
    EXPECT_FALSE(SheetLabel(1)->styleSheet().contains(QStringLiteral("#000080")));

    // A zoom redraws the places from their entries.
    IC().scrScale->setValue(12);
    EXPECT_EQ(a->x(), 14 * 12 + 3);

    // Right-clicking the placed labels removes their connectors; the size is free again.
    QTest::mouseClick(a, Qt::RightButton);
    EXPECT_EQ(s.circuit.ICPinCount, 1);
    EXPECT_EQ(s.circuit.ICGraphicPins.at(1), QStringLiteral("7;3;B;"));
    EXPECT_FALSE(IC().txtX->isEnabled());
    QTest::mouseClick(IC().lblInOut(1), Qt::LeftButton);
    EXPECT_EQ(s.circuit.ICPinCount, 1) << "the left button does nothing";
    QTest::mouseClick(IC().lblInOut(1), Qt::RightButton);
    EXPECT_EQ(s.circuit.ICPinCount, 0);
    EXPECT_TRUE(IC().txtX->isEnabled());
    EXPECT_TRUE(IC().cmdY.down->isEnabled());
}

TEST_F(ICView, SaveCheckFailuresKeepTheViewOpen)
{
    Enter();
    Make(3, 5, "A");
    Make(12, 8, "B");
    const QString notPlaced = QStringLiteral("You have to specify the IC-Interface.");
    QTest::mouseClick(IC().cmdSpeichern, Qt::LeftButton);
    EXPECT_EQ(dialogs.MessageTexts().last(), notPlaced);
    // B dragged over A's place loses its own: an IC short of a pin is not saved.
    DragOver(1, {100, 88});
    DragOver(2, {180, 96});
    DragOver(2, {99, 90});
    EXPECT_FALSE(IC().lblInOut(2)->isVisible());
    const auto messages = dialogs.MessageTexts().size();
    QTest::mouseClick(IC().cmdSpeichern, Qt::LeftButton);
    ASSERT_EQ(dialogs.MessageTexts().size(), messages + 1);
    EXPECT_EQ(dialogs.MessageTexts().last(), notPlaced);
    DragOver(2, {180, 96});
    QTest::mouseClick(IC().cmdSpeichern, Qt::LeftButton);
    EXPECT_EQ(dialogs.MessageTexts().last(), QStringLiteral("You have to specify a name."));
    // A pasted name loses what an IC name may not hold.
    IC().txtName->insert(QStringLiteral("../a/b.c"));
    EXPECT_EQ(IC().txtName->text(), QStringLiteral("abc"));
    EXPECT_TRUE(s.ICViewOpen);
    EXPECT_TRUE(IC().isVisible());
    EXPECT_EQ(QDir(s.Verzeichnisse[1]).entryList(QDir::Files).size(), 0);
    // The title bar closes the view as Close does, and a running circuit
    // stops first, in quick help too; the tool is back when the help ends.
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("cmdOn")), Qt::LeftButton);
    ASSERT_EQ(s.engine.PowerFlag, kTrue);
    QWidget* quickHelp = window.Toolbar(QStringLiteral("Toolbar"))->widgetForAction(Action("cmdQuickHelp"));
    QTest::mouseClick(quickHelp, Qt::LeftButton);
    ASSERT_EQ(s.ToolMode, ToolCode::QuickHelp);
    IC().close();
    EXPECT_EQ(s.engine.PowerFlag, kFalse);
    EXPECT_EQ(s.ToolMode, ToolCode::QuickHelp);
    QTest::mouseClick(quickHelp, Qt::LeftButton);
    EXPECT_EQ(s.ToolMode, ToolCode::Conductor);
    EXPECT_FALSE(s.ICViewOpen);
    EXPECT_EQ(s.circuit.ICPinCount, 0);
    EXPECT_EQ(s.circuit.P(3, 5).ICConnector, 0);
    EXPECT_EQ(SheetLabel(1), nullptr);
}

TEST_F(ICView, AnICOpenedForEditingIsChangedAndSavedAgainUnderItsName)
{
    const QString path = ICPath(QStringLiteral("HALF"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(GATREL_TEST_DATA "/ic/HALF.icd"), path));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    // The drawn wires are unsaved work: Cancel keeps them, No lets the IC replace them.
    ASSERT_EQ(s.FileSaved, kFalse);
    dialogs.QueueMessageAnswer(MessageResult::Cancel);
    Menu("mOpen")->trigger();
    EXPECT_FALSE(s.ICViewOpen);
    dialogs.QueueMessageAnswer(MessageResult::No);
    dialogs.QueueOpenFile(path);
    Menu("mOpen")->trigger();

    ASSERT_TRUE(s.ICViewOpen);
    EXPECT_TRUE(IC().isVisible());
    EXPECT_EQ(s.circuit.ICName, QStringLiteral("HALF"));
    EXPECT_EQ(IC().txtName->text(), QStringLiteral("HALF"));
    EXPECT_EQ(IC().txtX->text(), QStringLiteral(" 4"));
    ASSERT_EQ(s.circuit.ICPinCount, 4);
    for (int k = 1; k <= 4; ++k)
        EXPECT_TRUE(IC().lblInOut(k)->isVisible()) << k;
    EXPECT_FALSE(IC().txtX->isEnabled());
    EXPECT_EQ(SheetLabel(1)->text(), QStringLiteral("[A]"));

    Make(1, 2, "X");
    IC().txtNotizen->setText(QStringLiteral("changed"));
    QTest::mouseClick(IC().cmdSpeichern, Qt::LeftButton);
    EXPECT_EQ(dialogs.MessageTexts().last(), QStringLiteral("IC created successfully."));
    EXPECT_FALSE(s.ICViewOpen);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("New File - Gatrel"));
    EXPECT_TRUE(s.objFile.FileName.isEmpty());

    ProgramState t;
    t.Verzeichnisse = s.Verzeichnisse;
    ASSERT_EQ(LoadFile(t, dialogs, path), LoadResult::Loaded);
    EXPECT_EQ(t.circuit.ICName, QStringLiteral("HALF"));
    EXPECT_EQ(t.circuit.ICNotes, QStringLiteral("changed"));
    EXPECT_EQ(t.circuit.ICGraphicPins.mid(1), QStringList({"0;1;X;", "0;2;B;", "4;1;S;", "4;2;C;"}));
    EXPECT_EQ(GetField(t.circuit.ICPins.at(1), 3), QStringLiteral("X"));
    EXPECT_EQ(t.circuit.ElementCount(), 1);
    // The cells and pins still agree, so the IC loads as a component.
    ProgramState u;
    u.Verzeichnisse = s.Verzeichnisse;
    u.CurrentLevel = 1;
    EXPECT_TRUE(LoadIC(u, &dialogs, QStringLiteral("HALF"), 1));
    EXPECT_EQ(u.circuit.ICInstances.at(1).PinCount, 4);
}

} // namespace

// File > Exit with the cursor in one of the IC window's boxes: the box loses
// the focus while the windows are destroyed, after the IC window's own part
// is gone. Its handler must not run on it then (the sanitizer build reports
// a member call on an object that is no longer an IC window).
TEST(ICWindowShutDown, ExitWithTheCursorInABoxRunsNothingOnTheClosingWindow)
{
    for (const char* box : {"txtX", "txtY", "txtNotizen", "txtName"}) {
        QTemporaryDir dir;
        ProgramState s;
        ScriptedUserDialogs dialogs;
        VirtualTimerHost timers;
        s.Verzeichnisse = {dir.path() + u'/', dir.path() + u'/', dir.path() + u'/'};
        auto window = std::make_unique<frmGatrel>(s, dialogs, timers);
        window->show();
        window->Menu(QStringLiteral("mDefIC"))->trigger();
        auto* ic = window->findChild<frmIC*>();
        ASSERT_NE(ic, nullptr);
        ic->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(ic));
        auto* edit = ic->findChild<QLineEdit*>(QLatin1String(box));
        ASSERT_NE(edit, nullptr) << box;
        edit->setFocus();
        QTest::keyClicks(edit, QStringLiteral("2"));
        ASSERT_TRUE(edit->hasFocus()) << box;

        window->Menu(QStringLiteral("mBeenden"))->trigger();
        window.reset();
        EXPECT_TRUE(dialogs.MessageTexts().isEmpty()) << box;
    }
}
