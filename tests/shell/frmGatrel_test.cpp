#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QToolBar>

#include "placement/document/frmCreateNewFile.h"
#include "model/state.h"
#include "platform/numeric.h"
#include "platform/timers.h"
#include "placement/document/settings_store.h"
#include "shell/frmGatrel.h"
#include "shell/worksheet_picture.h"
#include "support/scripted_user_dialogs.h"

namespace {

class MainWindow : public ::testing::Test {
protected:
    MainWindow() : window(s, dialogs, timers) { window.show(); }

    QRgb Pixel(int x, int y) const { return window.picGrid()->surface().Image().pixel(x, y) & 0xFFFFFF; }

    ProgramState s;
    ScriptedUserDialogs dialogs;
    VirtualTimerHost timers;
    frmGatrel window;
};

TEST_F(MainWindow, StartsWithTheEmptyDefaultWorksheet)
{
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Unsaved circuit - Gatrel"));
    // The window and its panels answer the core.
    EXPECT_EQ(s.ports.status, static_cast<StatusPort*>(&window));
    EXPECT_EQ(s.ports.worksheet, static_cast<WorksheetPort*>(&window));
    const void* const ports[] = {s.ports.status,     s.ports.files,       s.ports.tools,  s.ports.power,
                                 s.ports.clockPanel, s.ports.clockTimers, s.ports.levels, s.ports.icView,
                                 s.ports.analyzer,   s.ports.worksheet,   s.ports.undo,   s.ports.probes};
    for (const void* port : ports)
        EXPECT_NE(port, nullptr);
    const QImage& picture = window.picGrid()->surface().Image();
    EXPECT_EQ(picture.width(), 51 * 14);
    EXPECT_EQ(picture.height(), 31 * 14);
    EXPECT_EQ(Pixel(7, 7), 0x808080u);
    EXPECT_EQ(Pixel(49, 21), 0x808080u);
    EXPECT_EQ(Pixel(8, 7), 0xFFFFFFu);
    EXPECT_EQ(window.findChild<QLineEdit*>(QStringLiteral("txtX"))->text(), QStringLiteral("50"));
    EXPECT_EQ(window.findChild<QLineEdit*>(QStringLiteral("txtY"))->text(), QStringLiteral("30"));
    EXPECT_EQ(s.PressedToolKey, QStringLiteral("cmdLeitungen"));
    EXPECT_EQ(s.PressedToolIndex, 3);
    EXPECT_TRUE(window.MenuItem(QStringLiteral("mBauteil"), 1)->isChecked());
    EXPECT_EQ(window.Timer2().size(), 1u);
}

TEST_F(MainWindow, NamedControlsExist)
{
    for (const char* name : {"picGrid", "picContainer", "HScroll", "VScroll", "StatusBar", "ProgressBar",
                             "cmdOn", "cmdOff", "cmdPause", "cmdStop", "lblOnOff", "picRot", "picGrün",
                             "lblTime", "picEinAus", "tvwLevel", "lblLevel", "txtAnzTakte", "Slider0",
                             "Slider1", "lbl0", "lbl1", "lblTaktgeber", "chkLink", "shpSelectedTimer",
                             "txtVerzögerung", "sldDelay", "txtX", "txtY", "txtAnschlüsse", "lstIC"}) {
        EXPECT_NE(window.findChild<QObject*>(QString::fromUtf8(name)), nullptr) << name;
    }
    for (const char* name : {"mNeu", "mUndo", "mUndoList", "mBeenden"})
        EXPECT_NE(window.Menu(QString::fromLatin1(name)), nullptr) << name;
    EXPECT_EQ(window.Menu(QStringLiteral("mUndo"))->text(), QStringLiteral("Undo"));
    EXPECT_NE(window.MenuItem(QStringLiteral("mAnsichtItem"), 2), nullptr);
    EXPECT_EQ(window.MenuItem(QStringLiteral("mBauteil"), 6), nullptr) << "separator";
    EXPECT_EQ(window.MenuItem(QStringLiteral("mBauteil"), 11)->text(), QStringLiteral("AND element"));
}

TEST_F(MainWindow, ToolbarButtonsAreFoundByToolbarAndKey)
{
    QAction* clockStop = window.ToolbarButton(QStringLiteral("Toolbar3"), QStringLiteral("cmdStop"));
    ASSERT_NE(clockStop, nullptr);
    EXPECT_EQ(clockStop->toolTip(), QStringLiteral("Deactivate this clock generator"));
    EXPECT_NE(static_cast<QObject*>(clockStop), window.findChild<QPushButton*>(QStringLiteral("cmdStop")));
    EXPECT_EQ(window.ToolbarButton(QStringLiteral("Toolbar2"), QStringLiteral("cmdUND"))->toolTip(),
              QStringLiteral("UND element"));
    EXPECT_EQ(window.ToolbarButton(QStringLiteral("Toolbar"), QStringLiteral("cmdUndo"))->toolTip(),
              QStringLiteral("Undo"));
    EXPECT_EQ(window.ToolbarButton(QStringLiteral("Toolbar2"), QStringLiteral("cmdStop")), nullptr);

    window.PressToolButton(QStringLiteral("cmdIC"), 0);
    EXPECT_EQ(s.PressedToolKey, QStringLiteral("cmdIC"));
    EXPECT_EQ(s.PressedToolIndex, 20);
    window.ReleaseToolButton(QStringLiteral("cmdIC"));
    EXPECT_TRUE(s.PressedToolKey.isEmpty());
}

TEST_F(MainWindow, RecentFileItemsShowOnlyFilledEntries)
{
    s.LastFiles[0] = QStringLiteral("/c/adder.gtr");
    RefreshUsedFilesMenu(s);
    QAction* first = window.MenuItem(QStringLiteral("mUsedFiles"), 0);
    EXPECT_EQ(first->text(), QStringLiteral("&1 /c/adder"));
    EXPECT_TRUE(first->isVisible());
    EXPECT_FALSE(window.MenuItem(QStringLiteral("mUsedFiles"), 1)->isVisible());
    EXPECT_TRUE(window.Menu(QStringLiteral("Trennstrich3"))->isVisible());
}

TEST_F(MainWindow, FileNewOpensTheDialogAndMakesTheChosenWorksheet)
{
    window.Menu(QStringLiteral("mNeu"))->trigger();
    auto* dialog = window.findChild<frmCreateNewFile*>();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
    auto* large = dialog->findChild<QRadioButton*>(QStringLiteral("optSize2"));
    QTest::mouseClick(large, Qt::LeftButton, {}, QPoint(6, large->height() / 2));
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdCreate")), Qt::LeftButton);

    EXPECT_EQ(s.MaxX, 70);
    EXPECT_EQ(s.MaxY, 45);
    EXPECT_EQ(window.findChild<QLineEdit*>(QStringLiteral("txtX"))->text(), QStringLiteral("70"));
    EXPECT_EQ(window.findChild<QLineEdit*>(QStringLiteral("txtY"))->text(), QStringLiteral("45"));
    EXPECT_EQ(window.picGrid()->surface().Image().width(), 71 * 14);
    EXPECT_EQ(Pixel(70 * 14 + 7, 44 * 14 + 7), 0x808080u);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Unsaved circuit - Gatrel"));
    EXPECT_TRUE(window.menuBar()->isEnabled());
}

TEST_F(MainWindow, FileOpenLoadsTheChosenCircuitAndNamesIt)
{
    const QString path = QStringLiteral(GATREL_TEST_DATA "/components.gtr");
    dialogs.QueueOpenFile(path);
    window.Menu(QStringLiteral("mOpen"))->trigger();
    EXPECT_TRUE(dialogs.AllAnswersUsed());
    EXPECT_TRUE(dialogs.MessageTexts().isEmpty()) << dialogs.MessageTexts().join(u'|').toStdString();
    EXPECT_EQ(s.MaxX, 32);
    EXPECT_EQ(s.MaxY, 16);
    EXPECT_GT(s.ElementCount(), 0);
    EXPECT_EQ(window.findChild<QLineEdit*>(QStringLiteral("txtX"))->text(), QStringLiteral("32"));
    EXPECT_TRUE(window.windowTitle().contains(QStringLiteral("components"))) << window.windowTitle().toStdString();
    EXPECT_EQ(window.MenuItem(QStringLiteral("mUsedFiles"), 0)->isVisible(), true);

    // A cancelled dialog changes nothing.
    dialogs.QueueOpenFile(QString());
    window.Menu(QStringLiteral("mOpen"))->trigger();
    EXPECT_EQ(s.MaxX, 32);
}

TEST_F(MainWindow, ZoomMenuItemsSetTheZoomAndRedraw)
{
    window.resize(1200, 900);
    QTest::qWait(0);
    window.MenuItem(QStringLiteral("mZoom"), 3)->trigger(); // fit to width
    EXPECT_GT(s.GridMode, 1.0f);
    EXPECT_EQ(window.picGrid()->surface().Image().width(), CInt(51 * 14 * s.GridMode));
    window.MenuItem(QStringLiteral("mZoom"), 0)->trigger(); // full size
    EXPECT_EQ(s.GridMode, 1.0f);
    EXPECT_EQ(window.picGrid()->surface().Image().width(), 51 * 14);
}

TEST_F(MainWindow, ScrollBarsAppearOnlyWhenTheWorksheetDoesNotFit)
{
    window.resize(1200, 900);
    QTest::qWait(0);
    EXPECT_FALSE(window.findChild<QWidget*>(QStringLiteral("HScroll"))->isVisible());
    EXPECT_FALSE(window.findChild<QWidget*>(QStringLiteral("VScroll"))->isVisible());

    s.MaxX = 150;
    s.MaxY = 120;
    s.P.Redim(s.MaxX + 1, s.MaxY + 1);
    window.RedrawAllElements();
    auto* hscroll = window.findChild<QScrollBar*>(QStringLiteral("HScroll"));
    EXPECT_TRUE(hscroll->isVisible());
    EXPECT_TRUE(window.findChild<QWidget*>(QStringLiteral("VScroll"))->isVisible());
    // Scrolling moves the picture by whole cells.
    hscroll->setValue(2);
    EXPECT_EQ(window.picGrid()->x(), -28);
}

} // namespace
