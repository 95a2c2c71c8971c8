// The worksheet's presses in the IC-definition view and in quick-help mode.
#include <gtest/gtest.h>

#include <QStringList>

#include "editor_rig.h"
#include "shell/quick_help.h"

namespace {

class WorksheetTools : public EditorRig {
protected:
    WorksheetTools()
    {
        editor.SetICSearchStart = [this](int16_t x, int16_t y) { calls << QStringLiteral("start %1 %2").arg(x).arg(y); };
        editor.CreateICAnschluss = [this] {
            calls << QStringLiteral("create %1 %2").arg(s.CursorX).arg(s.CursorY);
        };
        editor.DeleteICAnschluss = [this] {
            calls << QStringLiteral("delete %1 %2").arg(s.CursorX).arg(s.CursorY);
        };
        // As the window does: the worksheet's texts in the box at the worksheet.
        editor.ShowWorksheetQuickHelp = [this] {
            const QuickHelpText help = WorksheetQuickHelp();
            calls << QStringLiteral("help %1|%2|picGrid|0").arg(help.headline, help.body);
        };
    }
    QStringList calls;
};

TEST_F(WorksheetTools, ALeftClickInTheICViewStartsTheSearchAfreshAndCreatesAConnector)
{
    Run(2, 6, 4);
    const int gate = Place(ElementType::AND, 20, 10);
    ASSERT_EQ(gate, 1);
    editor.SelectObject(1);
    s.ToolMode = ToolCode::ICDefinitionView;
    s.FileSaved = kTrue;
    Click(6, 4);
    EXPECT_EQ(calls, (QStringList{"start 0 0", "create 6 4"}));
    EXPECT_EQ(editor.SelCount(), 0) << "the press clears the selection";
    EXPECT_EQ(s.FileSaved, kFalse);
    EXPECT_EQ(s.ToolMode, ToolCode::ICDefinitionView);

    // An empty cell goes to the connector routine too, which refuses it itself;
    // a component cell does not.
    calls.clear();
    Click(10, 20);
    Click(20, 10);
    EXPECT_EQ(calls, (QStringList{"start 0 0", "create 10 20"}));
    EXPECT_EQ(s.circuit.ElementCount(), 1) << "nothing placed";
}

TEST_F(WorksheetTools, ARightClickInTheICViewRemovesOnlyAConnector)
{
    Run(2, 6, 4);
    s.circuit.P(2, 4).ICConnector = 3;
    s.ToolMode = ToolCode::ICDefinitionView;
    Click(2, 4, 2);
    EXPECT_EQ(calls, (QStringList{"delete 2 4"}));
    calls.clear();
    Click(6, 4, 2);
    Click(4, 4, 2);
    Click(12, 12, 2);
    EXPECT_TRUE(calls.isEmpty()) << calls.join(u',').toStdString();
    EXPECT_EQ(s.circuit.P(6, 4).Type, ElementType::Conductor);
    // Without the IC editor window's hooks the presses do nothing.
    editor.DeleteICAnschluss = nullptr;
    editor.CreateICAnschluss = nullptr;
    editor.SetICSearchStart = nullptr;
    EXPECT_NO_THROW(Click(2, 4, 2));
    EXPECT_NO_THROW(Click(2, 4));
}

TEST_F(WorksheetTools, ThePointerInTheICViewMarksOpenConductorEnds)
{
    Run(2, 6, 4);
    s.circuit.P(6, 4).Type = ElementType::Switch; // a switch at the open end
    s.circuit.P(12, 12).Type = ElementType::Switch; // a switch on its own
    s.ToolMode = ToolCode::ICDefinitionView;
    struct Case {
        int x, y, before, pointer;
        bool box, moved;
    };
    const Case cases[] = {
        {2, 4, 1, 99, true, true},      // open conductor end
        {4, 4, 99, 1, false, false},    // conductor run
        {6, 4, 1, 99, false, true},     // switch at an open end: the box moves but stays hidden
        {20, 20, 99, 1, false, false},  // empty cell
        {12, 12, 99, 99, false, false}, // unconnected switch keeps the pointer
        {12, 12, 2, 2, false, false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(testing::Message() << k.x << "," << k.y);
        s.WorksheetMousePointer = w.worksheetMousePointer = k.before;
        editor.overlay.picBox.Visible = false;
        Move(k.x, k.y);
        EXPECT_EQ(w.worksheetMousePointer, k.pointer);
        EXPECT_EQ(editor.overlay.picBox.Visible, k.box);
        if (k.moved) {
            EXPECT_EQ(editor.overlay.picBox.Left, Px(k.x) - 2);
            EXPECT_EQ(editor.overlay.picBox.Top, Px(k.y) - 2);
        }
    }
    // Leaving the end for a run hides the box again.
    Move(2, 4);
    ASSERT_TRUE(editor.overlay.picBox.Visible);
    Move(4, 4);
    EXPECT_FALSE(editor.overlay.picBox.Visible);
}

TEST_F(WorksheetTools, QuickHelpShowsTheWorksheetTextAndChangesNothing)
{
    Run(2, 6, 4);
    const int gate = Place(ElementType::AND, 20, 10);
    editor.SelectObject(static_cast<int16_t>(gate));
    s.ToolMode = ToolCode::QuickHelp;
    s.WorksheetMousePointer = w.worksheetMousePointer = 14;
    Click(30, 20);
    const QString help = QStringLiteral("help Das Arbeitsfeld|Auf diesem Feld können Schaltungen aufgebaut\r\n"
                                        "und simuliert werden.|picGrid|0");
    EXPECT_EQ(calls, QStringList{help});
    EXPECT_EQ(w.worksheetMousePointer, 14) << "the question-mark pointer stays";
    EXPECT_EQ(s.circuit.P(30, 20), GridCell{}) << "nothing placed";
    EXPECT_EQ(editor.SelCount(), 0);
    EXPECT_EQ(s.ToolMode, ToolCode::QuickHelp);
    Click(4, 4);
    EXPECT_EQ(calls.size(), 2);
    EXPECT_EQ(s.circuit.P(4, 4).Type, ElementType::Conductor);

    // A component cell is explained too; neither other button removes anything.
    calls.clear();
    s.circuit.P(4, 4).Marker = -1;
    Click(20, 10);
    EXPECT_EQ(calls, QStringList{help});
    calls.clear();
    Click(20, 10, 2);
    Click(4, 4, 2);
    Click(30, 20, 4);
    EXPECT_TRUE(calls.isEmpty()) << calls.join(u',').toStdString();
    EXPECT_EQ(s.circuit.ElementCount(), 1);
    EXPECT_EQ(s.circuit.P(20, 10).Type, ElementType::AND);
    EXPECT_EQ(s.circuit.P(4, 4).Marker, -1);
    EXPECT_FALSE(editor.st.MouseDownFlag);
}

} // namespace
