#include <gtest/gtest.h>

#include "model/state.h"
#include "model/status_texts.h"
#include "placement/document/tool_selection.h"
#include "support/fake_main_window.h"
#include "support/scripted_user_dialogs.h"

namespace {

class WindowHelpers : public ::testing::Test {
protected:
    void SetUp() override { w.Attach(s); }
    ProgramState s;
    FakeMainWindow w;
    ScriptedUserDialogs d;
};

TEST_F(WindowHelpers, ShowErrorBoxesAndStatusTexts)
{
    ShowError(s.ports, &d, 57);
    ASSERT_EQ(d.Asked().size(), 1u);
    EXPECT_EQ(d.Asked()[0].text, QStringLiteral("Error # 57\r\n"));
    EXPECT_EQ(d.Asked()[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(d.Asked()[0].buttons, MessageButtons::OK);

    ShowError(s.ports, &d, 5);
    EXPECT_EQ(d.Asked().size(), 1u);
    EXPECT_TRUE(w.statusPanels.empty());

    w.mainWindowEnabled = false;
    ShowError(s.ports, &d, 1);
    EXPECT_EQ(w.statusPanels[0], QStringLiteral("Please select an end of the conductor."));
    EXPECT_TRUE(w.mainWindowEnabled);
    ShowError(s.ports, &d, 2);
    EXPECT_EQ(w.statusPanels[0], QStringLiteral("Elements can not be places outside the worksheet."));
    EXPECT_EQ(d.Asked().size(), 1u);

    ShowError(s.ports, nullptr, 53); // headless callers pass no dialogs
    s.ports = Ports{};
    ShowError(s.ports, &d, 1);
    EXPECT_EQ(d.Asked().size(), 1u);
}

TEST_F(WindowHelpers, SaveToolSelectionWithoutPressedButton)
{
    s.WorksheetMousePointer = 2;
    SaveToolSelection(s);
    EXPECT_EQ(s.SavedMousePointer, 2);
    EXPECT_EQ(s.SavedToolKey, QStringLiteral("cmdLeitungen"));
    EXPECT_EQ(s.SavedToolIndex, 3);
}

TEST_F(WindowHelpers, RestoreToolSelectionAfterModeChange)
{
    s.ToolMode = ToolCode::AND;
    s.PressedToolKey = QStringLiteral("cmdUnd");
    s.PressedToolIndex = 7;
    s.WorksheetMousePointer = 2;
    SaveToolSelection(s);

    s.ToolMode = ToolCode::SimulationRunning;
    s.PressedToolKey.clear();
    s.WorksheetMousePointer = 0;
    s.OrientationToolbarEnabled = false;
    s.PropertyWindowState = {true, false, true, false, false, false, false, true};
    RestoreToolSelection(s);
    EXPECT_EQ(s.ToolMode, ToolCode::AND);
    EXPECT_EQ(w.worksheetMousePointer, 2);
    EXPECT_EQ(w.pressedToolKey, QStringLiteral("cmdUnd"));
    EXPECT_TRUE(w.orientationToolbarEnabled);
    ASSERT_EQ(w.propertyWindowParts.size(), 1u);
    EXPECT_EQ(w.propertyWindowParts[0], s.PropertyWindowState);

    // Already pressed: not pressed again; toolbar state unchanged is not set again.
    w.calls.clear();
    RestoreToolSelection(s);
    EXPECT_EQ(w.calls.count(QStringLiteral("PressToolButton")), 0);
    EXPECT_EQ(w.calls.count(QStringLiteral("SetOrientationToolbarEnabled")), 0);
}

TEST_F(WindowHelpers, OrientationToolbarOffForUnturnableTools)
{
    for (uint8_t tool : {0, 1, 4, 5, 19, 20, 9}) {
        s.ToolMode = ToolFor(tool);
        SaveToolSelection(s);
        s.OrientationToolbarEnabled = tool != 9;
        w.orientationToolbarEnabled = tool != 9;
        RestoreToolSelection(s);
        EXPECT_EQ(w.orientationToolbarEnabled, tool == 9) << int(tool);
    }
}

} // namespace
