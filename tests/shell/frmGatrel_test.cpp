#include <QAction>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include "placement/document/frmCreateNewFile.h"
#include "shell/worksheet_picture.h"
#include "window_rig.h"

namespace {

// The window as it is built, before its start.
class MainWindow : public WindowRig {
protected:
    MainWindow() : WindowRig(NotStarted{}) { window.show(); }
    void SetUp() override {}

    QRgb Pixel(int x, int y) const { return window.picGrid()->surface().Image().pixel(x, y) & 0xFFFFFF; }
};

// The ports and the pressed palette key at start are checked with the window's
// state (WindowState, WindowPorts), the texts with the text table (ShellWindow).
TEST_F(MainWindow, StartsWithTheEmptyDefaultWorksheet)
{
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Unsaved circuit - Gatrel"));
    const QImage& picture = window.picGrid()->surface().Image();
    EXPECT_EQ(picture.width(), 51 * 14);
    EXPECT_EQ(picture.height(), 31 * 14);
    EXPECT_EQ(Pixel(7, 7), 0x808080u);
    EXPECT_EQ(Pixel(49, 21), 0x808080u);
    EXPECT_EQ(Pixel(8, 7), 0xFFFFFFu);
    EXPECT_EQ(window.findChild<QLineEdit*>(QStringLiteral("txtX"))->text(), QStringLiteral("50"));
    EXPECT_EQ(window.findChild<QLineEdit*>(QStringLiteral("txtY"))->text(), QStringLiteral("30"));
    EXPECT_TRUE(window.MenuItem(QStringLiteral("mBauteil"), 1)->isChecked());
    EXPECT_EQ(window.Timer2().size(), 1u);
    // Controls no other test drives.
    for (const char* name : {"ProgressBar", "shpSelectedTimer", "lstIC"})
        EXPECT_NE(window.findChild<QObject*>(QString::fromUtf8(name)), nullptr) << name;
    EXPECT_EQ(window.MenuItem(QStringLiteral("mBauteil"), 6), nullptr) << "separator";
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

    EXPECT_EQ(s.circuit.MaxX, 70);
    EXPECT_EQ(s.circuit.MaxY, 45);
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
    EXPECT_EQ(s.circuit.MaxX, 32);
    EXPECT_EQ(s.circuit.MaxY, 16);
    EXPECT_GT(s.circuit.ElementCount(), 0);
    EXPECT_EQ(window.findChild<QLineEdit*>(QStringLiteral("txtX"))->text(), QStringLiteral("32"));
    EXPECT_TRUE(window.windowTitle().contains(QStringLiteral("components"))) << window.windowTitle().toStdString();
    EXPECT_EQ(window.MenuItem(QStringLiteral("mUsedFiles"), 0)->isVisible(), true);

    // A cancelled dialog changes nothing.
    dialogs.QueueOpenFile(QString());
    window.Menu(QStringLiteral("mOpen"))->trigger();
    EXPECT_EQ(s.circuit.MaxX, 32);
}

TEST_F(MainWindow, ScrollBarsAppearOnlyWhenTheWorksheetDoesNotFit)
{
    window.resize(1200, 900);
    QTest::qWait(0);
    EXPECT_FALSE(window.findChild<QWidget*>(QStringLiteral("HScroll"))->isVisible());
    EXPECT_FALSE(window.findChild<QWidget*>(QStringLiteral("VScroll"))->isVisible());

    s.circuit.MaxX = 150;
    s.circuit.MaxY = 120;
    s.circuit.P.Redim(s.circuit.MaxX + 1, s.circuit.MaxY + 1);
    window.RedrawAllElements();
    auto* hscroll = window.findChild<QScrollBar*>(QStringLiteral("HScroll"));
    EXPECT_TRUE(hscroll->isVisible());
    EXPECT_TRUE(window.findChild<QWidget*>(QStringLiteral("VScroll"))->isVisible());
    // Scrolling moves the picture by whole cells.
    hscroll->setValue(2);
    EXPECT_EQ(window.picGrid()->x(), -28);
}

} // namespace
