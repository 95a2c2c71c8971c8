// What the window keeps from going wrong between its commands: quick help
// that must always end, a label box that a command commits first, panels
// that come back whole, the IC box and the clocked decoder key.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QToolButton>

#include "editing/worksheet_editor.h"
#include "window_rig.h"

namespace {

class WindowGuards : public WindowRig {};

TEST_F(WindowGuards, QuickHelpEndsEvenWhenTheComplexBoxWasTouched)
{
    ClickAction("Toolbar2", "cmdKomplex");
    const uint8_t tool = s.ToolMode;
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
    const int before = s.ElementCount;
    ClickAction("Toolbar2", "cmdUND");
    EXPECT_FALSE(window.editor().overlay.txtBeschriftung.Visible);
    EXPECT_EQ(s.ElementCount, before + 1) << "the label was committed";
    EXPECT_EQ(s.ToolMode, ElementType::AND);

    ClickAction("Toolbar2", "cmdText");
    ClickCell(6, 12);
    Find<QLineEdit>("txtBeschriftung")->setText(QStringLiteral("q"));
    ClickAction("Toolbar", "cmdRaster");
    EXPECT_EQ(s.ElementCount, before + 2);
}

TEST_F(WindowGuards, APanelOpenedAgainComesBackWhole)
{
    auto* min = Find<QToolButton>("cmdMin0");
    QTest::mouseClick(min, Qt::LeftButton);
    ASSERT_EQ(s.settings.PanelVisible[1], 1);
    ASSERT_EQ(window.Panel(1)->height(), 25);
    ClickAction("Toolbar", "cmdPanel1");
    ASSERT_EQ(s.settings.PanelVisible[1], 0);
    ClickAction("Toolbar", "cmdPanel1");
    EXPECT_EQ(s.settings.PanelVisible[1], -1);
    EXPECT_FALSE(min->isChecked());
    EXPECT_EQ(window.Panel(1)->height(), 217);
    EXPECT_FALSE(Find("SSPanel2")->isHidden());

    // The same through the View menu.
    QTest::mouseClick(min, Qt::LeftButton);
    window.MenuItem(QStringLiteral("mPanel"), 1)->trigger();
    window.MenuItem(QStringLiteral("mPanel"), 1)->trigger();
    EXPECT_FALSE(min->isChecked());
    EXPECT_EQ(window.Panel(1)->height(), 217);
}

TEST_F(WindowGuards, TheIcKeyOffersTheIcsOfTheIcFolder)
{
    ASSERT_TRUE(icDir.isValid());
    const QString ics = icDir.filePath(QStringLiteral("ics/"));
    QDir().mkpath(ics);
    for (const char* name : {"HALF.icd", "FULL.icd"})
        QFile::copy(QStringLiteral(GATREL_TEST_DATA "/ic/") + QLatin1String(name), ics + QLatin1String(name));
    s.Verzeichnisse[1] = ics;
    // The key was withdrawn while the folder was empty; the window finds the files again on activation.
    window.Form_Activate();
    ASSERT_TRUE(Action("Toolbar2", "cmdIC")->isEnabled());
    ClickAction("Toolbar2", "cmdIC");
    auto* box = Find<QComboBox>("cmbIC");
    ASSERT_EQ(box->count(), 2);
    EXPECT_EQ(box->itemText(0), QStringLiteral("FULL"));
    EXPECT_EQ(box->itemText(1), QStringLiteral("HALF"));
    EXPECT_EQ(s.ToolMode, ElementType::IC);
}

TEST_F(WindowGuards, TheClockedDecoderKeyChoosesTheDecoderWithItsClockInput)
{
    ClickAction("Toolbar2", "cmdDecoderT");
    EXPECT_EQ(s.ToolMode, ElementType::Decoder);
    EXPECT_EQ(s.DecoderClockInput, kTrue);
    EXPECT_TRUE(Find<QCheckBox>("chkTakteingang")->isChecked());
    EXPECT_TRUE(window.MenuItem(QStringLiteral("mBauteil"), 20)->isChecked());
    ClickAction("Toolbar2", "cmdDecoder");
    EXPECT_EQ(s.DecoderClockInput, kTrue) << "the box stays ticked for the next decoder";
}

} // namespace
