// Text labels typed into the inline box on the worksheet.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "editing/label_editor.h"
#include "editor_rig.h"
#include "placement/clsUndo.h"

namespace {

class Labels : public EditorRig {
protected:
    Labels()
    {
        editor.OverlayChanged = [this] { ++changes; };
        Tool(ElementType::TextLabel);
    }
    LabelEditor& labels() { return editor.labels; }
    const LabelEditBox& box() const { return editor.overlay.txtBeschriftung; }
    // Types a new label at (x, y).
    bool Type(int x, int y, const QString& text)
    {
        Click(x, y);
        return editor.CommitLabel(text);
    }

    int changes = 0;
};

TEST_F(Labels, TheBoxOpensAtTheCellOneLineHighAndGrowsWhenEditing)
{
    for (float zoom : {1.0f, 2.0f}) {
        SCOPED_TRACE(zoom);
        s.GridMode = zoom;
        LabelEditBox target;
        target.X = 6;
        target.Y = 9;
        const LabelEditBox fresh = labels().InitTextBox(target);
        const double lineHeight = labels().MeasureLabel(QStringLiteral("X")).height();
        EXPECT_EQ(fresh.FontSize, 8 * zoom);
        EXPECT_EQ(fresh.Height, CInt(14 * zoom) / 5.0 + lineHeight);
        EXPECT_EQ(fresh.Left, Px(6));
        EXPECT_EQ(fresh.Top, Px(9) - fresh.Height / 2);
        EXPECT_EQ(fresh.Width, 5) << "a new label's box starts narrow";
        EXPECT_FALSE(fresh.Visible);

        target.Edit = true;
        target.Text = QStringLiteral("a longer text");
        const LabelEditBox edited = labels().InitTextBox(target);
        EXPECT_EQ(edited.Width, labels().MeasureLabel(target.Text).width() + 20);
        EXPECT_EQ(edited.Height, fresh.Height);
    }
    EXPECT_GT(labels().MeasureLabel(QStringLiteral("XX")).width(), labels().MeasureLabel(QStringLiteral("X")).width());
}

TEST_F(Labels, APressOpensTheBoxForANewLabelOrTheOneUnderIt)
{
    Click(5, 5);
    EXPECT_TRUE(box().Visible);
    EXPECT_FALSE(box().Edit);
    EXPECT_EQ(std::pair(box().X, box().Y), std::pair(int16_t{5}, int16_t{5}));
    EXPECT_GT(changes, 0);
    ASSERT_TRUE(editor.CommitLabel(QStringLiteral("wide label")));
    const int16_t n = s.circuit.ElementCount();
    EXPECT_FALSE(box().Visible);

    // A press on a later cell of the label edits it from its first cell.
    Click(7, 5);
    EXPECT_TRUE(box().Edit);
    EXPECT_EQ(box().ElementNr, n);
    EXPECT_EQ(std::pair(box().X, box().Y), std::pair(int16_t{5}, int16_t{5}));
    EXPECT_EQ(box().Text, QStringLiteral("wide label"));
    editor.CancelLabel();

    // Neither mode opens on the wrong cell.
    Run(20, 24, 12);
    s.CursorX = 22;
    s.CursorY = 12;
    labels().ChangeBeschriftung(QStringLiteral("EDIT"));
    EXPECT_FALSE(box().Visible);
    s.circuit.P(22, 12).ElementNr = n;
    labels().ChangeBeschriftung(QStringLiteral("CREATE"));
    EXPECT_FALSE(box().Visible);
}

TEST_F(Labels, CommittingCreatesOrChangesTheLabelAndTellsTheWindow)
{
    EXPECT_FALSE(Type(5, 5, QStringLiteral(";"))) << "nothing left of the text";
    EXPECT_FALSE(box().Visible);
    EXPECT_EQ(s.circuit.ElementCount(), 0);

    s.FileSaved = kTrue;
    ASSERT_TRUE(Type(5, 5, QStringLiteral("a;b")));
    ASSERT_EQ(s.circuit.ElementCount(), 1);
    EXPECT_EQ(s.circuit.Elements[1].Label, QStringLiteral("ab"));
    EXPECT_EQ(s.circuit.Elements[1].InPinList, QStringLiteral("X5Y5:"));
    EXPECT_EQ(s.FileSaved, kFalse);
    EXPECT_EQ(s.circuit.P(5, 5).Type, ElementType::TextLabel);
    EXPECT_EQ(w.displayedLabels.back(), (std::pair<int16_t, QString>{1, QString()}));

    // Editing may cover the label's own cells.
    Click(5, 5);
    ASSERT_TRUE(box().Edit);
    EXPECT_TRUE(editor.CommitLabel(QStringLiteral("ba")));
    EXPECT_EQ(s.circuit.Elements[1].Label, QStringLiteral("ba"));
    EXPECT_EQ(s.circuit.ElementCount(), 1);
    EXPECT_EQ(w.displayedLabels.back(), (std::pair<int16_t, QString>{1, QStringLiteral("ab")}));

    // A committed box does not commit twice.
    EXPECT_FALSE(editor.CommitLabel(QStringLiteral("again")));
}

} // namespace
