// The Circuit menu and the toolbar open the Boolean tools window on the
// matching tab; the simplification switch reaches its "Simplify" box.
#include "window_rig.h"

#include "boolean/frmBoolean.h"
#include "model/new_file.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <map>
#include <QDialog>
#include <QTabWidget>

namespace {

using BooleanToolsMenu = WindowRig;

TEST_F(BooleanToolsMenu, MenusAndToolbarOpenTheirTab)
{
    struct Case {
        const char* menu;
        const char* toolbarKey; // "" when the toolbar has no button for it
        int tab;
        const char* title;
    };
    const Case cases[] = {
        {"mSynthese", "cmdSynthese", 0, "Circuit synthesis"},
        {"mBoolean", "cmdTabelle", 1, "Truth table"},
        {"mTermCreation", "", 2, "Term synthesis"},
    };
    for (const Case& c : cases) {
        window.Menu(QString::fromLatin1(c.menu))->trigger();
        auto* tools = window.findChild<QDialog*>(QStringLiteral("frmBoolean"));
        ASSERT_NE(tools, nullptr) << c.menu;
        EXPECT_TRUE(tools->isVisible());
        EXPECT_EQ(tools->findChild<QTabWidget*>(QStringLiteral("SSTab1"))->currentIndex(), c.tab);
        EXPECT_EQ(tools->windowTitle(), QString::fromUtf8(c.title));
        tools->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // the closed window is released
        EXPECT_EQ(window.findChild<QDialog*>(QStringLiteral("frmBoolean")), nullptr);
        if (*c.toolbarKey) {
            ClickAction("Toolbar", c.toolbarKey);
            tools = window.findChild<QDialog*>(QStringLiteral("frmBoolean"));
            ASSERT_NE(tools, nullptr) << c.toolbarKey;
            EXPECT_EQ(tools->findChild<QTabWidget*>(QStringLiteral("SSTab1"))->currentIndex(), c.tab);
            tools->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }
}

TEST_F(BooleanToolsMenu, TheSimplificationSwitchReachesTheWindow)
{
    // Nothing is loaded for it before the window is first opened.
    s.settings.FeatureEnable[3] = 0;
    window.ShowPanels();
    EXPECT_EQ(window.findChild<QDialog*>(QStringLiteral("frmBoolean")), nullptr);
    window.Menu(QStringLiteral("mSynthese"))->trigger();
    auto* tools = window.findChild<QDialog*>(QStringLiteral("frmBoolean"));
    ASSERT_NE(tools, nullptr);
    auto* simplify = tools->findChild<QCheckBox*>(QStringLiteral("chkVereinfachen"));
    EXPECT_FALSE(simplify->isEnabled());
    s.settings.FeatureEnable[3] = -1;
    window.ShowPanels();
    EXPECT_TRUE(simplify->isEnabled());
    s.settings.FeatureEnable[3] = 0;
    window.ShowPanels();
    EXPECT_FALSE(simplify->isEnabled());
}

} // namespace

namespace {

// Generate in the window draws the typed term onto the main window's worksheet.
TEST_F(BooleanToolsMenu, GenerateDrawsTheTermOnTheWorksheet)
{
    window.Menu(QStringLiteral("mSynthese"))->trigger();
    auto* tools = window.findChild<QDialog*>(QStringLiteral("frmBoolean"));
    ASSERT_NE(tools, nullptr);
    tools->findChild<QComboBox*>(QStringLiteral("cmbFormel"))->setEditText(QStringLiteral("A&B"));
    tools->findChild<QCheckBox*>(QStringLiteral("chkSave"))->setChecked(true); // no overwrite question
    QTest::mouseClick(tools->findChild<QPushButton*>(QStringLiteral("cmdErstellen")), Qt::LeftButton);

    std::map<int, int> kinds;
    for (int e = 1; e <= s.ElementCount; ++e)
        ++kinds[s.Elements[static_cast<size_t>(e)].Type];
    EXPECT_EQ(kinds[ElementType::Switch], 2);
    EXPECT_EQ(kinds[ElementType::AND], 1);
    EXPECT_EQ(kinds[ElementType::LED], 1);

    // Drawn on a worksheet of its own, it is the circuit drawn in place.
    const QString term = QStringLiteral("(A&B&C)v(<A>&D)v<B&<C>&<D>>");
    tools->findChild<QComboBox*>(QStringLiteral("cmbFormel"))->setEditText(term);
    QTest::mouseClick(tools->findChild<QPushButton*>(QStringLiteral("cmdErstellen")), Qt::LeftButton);
    const Circuit generated = s;
    clsGroups inPlace = static_cast<frmBoolean*>(tools)->Groups();
    inPlace.ProcessEvents = nullptr;
    inPlace.Progress = nullptr;
    inPlace.Placement = &window.placement();
    inPlace.Term = term;
    NewFile(s, true);
    inPlace.CreateGroups();
    EXPECT_GT(generated.ElementCount, 5);
    EXPECT_TRUE(s.P == generated.P && s.Elements == generated.Elements && s.MaxX == generated.MaxX);
}

} // namespace
