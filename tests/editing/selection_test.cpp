// The select tool's selection of components: the numbers, their handles and
// their removal.
#include <gtest/gtest.h>

#include <vector>

#include "editing/selection.h"
#include "editor_rig.h"
#include "placement/clsUndo.h"
#include "placement/element_bounds.h"

namespace {

class Selecting : public EditorRig {
protected:
    Selecting()
    {
        editor.SetDeleteEnabled = [this](bool on) { deleteEnabled.push_back(on); };
        editor.OverlayChanged = [this] { ++changes; };
        // Three AND gates in a row, numbers 1, 2 and 3.
        for (int x : {10, 20, 30})
            Place(ElementType::AND, x, 10);
        Tool(ElementType::Empty);
        deleteEnabled.clear();
    }
    Selection& sel() { return editor.selection; }

    std::vector<bool> deleteEnabled;
    int changes = 0;
};

TEST(RefreshSelObject, DropsTheRemovedNumberAndMovesTheHigherOnesDown)
{
    struct Case {
        std::vector<int16_t> before;
        int16_t removed;
        std::vector<int16_t> after;
    } const cases[] = {
        {{1, 2, 3}, 2, {1, 2}},
        {{5, 1, 7}, 5, {1, 6}},
        {{3, 4}, 9, {3, 4}},  // not among them, all below
        {{3, 9}, 4, {3, 8}},  // not among them, one above
        {{}, 1, {}},
        {{1}, 1, {}},
    };
    for (const Case& k : cases) {
        std::vector<int16_t> numbers = k.before;
        RefreshSelObject(numbers, k.removed);
        EXPECT_EQ(numbers, k.after) << "removed " << k.removed;
    }
}

TEST_F(Selecting, PickingAddsAndTakesOffInTheOrderPicked)
{
    struct Step {
        int16_t pick;
        const char* list;
        int16_t last;
    } const steps[] = {
        {2, "2;", 2}, {3, "2;3;", 3}, {1, "2;3;1;", 1}, {3, "2;1;", 1}, {1, "2;", 2},
        {0, "2;", 2}, {4, "2;", 2}, // no such element
        {2, "", 0},
    };
    for (const Step& k : steps) {
        sel().SelectObject(k.pick);
        EXPECT_EQ(sel().SelectionList(), QString::fromLatin1(k.list)) << "pick " << k.pick;
        EXPECT_EQ(sel().LastSelected(), k.last) << "pick " << k.pick;
        EXPECT_EQ(editor.SelCount(), static_cast<int16_t>(sel().Numbers().size()));
    }
    // Only an added component enables Delete; taking one off leaves it.
    EXPECT_EQ(deleteEnabled, (std::vector<bool>{true, true, true}));
}

TEST_F(Selecting, EachSelectedComponentHasAHandleAtEachCorner)
{
    sel().SelectObject(3);
    sel().SelectObject(1);
    const WorksheetOverlay& o = editor.overlay;
    ASSERT_EQ(o.PObj.size(), 8u);
    const int16_t picked[] = {3, 1};
    for (size_t k = 0; k < 2; ++k) {
        const int16_t n = picked[k];
        const double left = Px(GetElementLeft(s, n)) - 2, right = Px(GetElementRight(s, n)) - 2;
        const double top = Px(GetElementTop(s, n)) - 2, bottom = Px(GetElementBottom(s, n)) - 2;
        const OverlayShape* corners[] = {&o.PObj0(k), &o.PObj1(k), &o.PObj2(k), &o.PObj3(k)};
        const std::pair<double, double> at[] = {{left, top}, {right, top}, {left, bottom}, {right, bottom}};
        for (int i = 0; i < 4; ++i) {
            SCOPED_TRACE(testing::Message() << "element " << n << " corner " << i);
            EXPECT_TRUE(corners[i]->Visible);
            EXPECT_EQ(corners[i]->Left, at[i].first);
            EXPECT_EQ(corners[i]->Top, at[i].second);
            EXPECT_EQ(corners[i]->Width, 5);
        }
    }
    // The handles of a component taken off go with it.
    sel().SelectObject(3);
    ASSERT_EQ(o.PObj.size(), 4u);
    EXPECT_EQ(o.PObj0(0).Left, Px(GetElementLeft(s, 1)) - 2);
}

TEST_F(Selecting, SelectingNothingClearsTheHandlesAndDisablesDelete)
{
    sel().SelectObject(2);
    changes = 0;
    deleteEnabled.clear();
    sel().SelectNone();
    EXPECT_EQ(sel().SelCount(), 0);
    EXPECT_EQ(sel().LastSelected(), 0);
    EXPECT_TRUE(editor.overlay.PObj.empty());
    EXPECT_EQ(deleteEnabled, std::vector<bool>{false});
    EXPECT_EQ(changes, 1);
    // Nothing was shown: the overlay is not redrawn again.
    sel().SelectNone();
    EXPECT_EQ(changes, 1);
}

TEST_F(Selecting, DeletingRemovesEverySelectedComponentAndKeepsTheOthersNumbered)
{
    const auto middle = CellsOf(2);
    sel().SelectObject(1);
    sel().SelectObject(3);
    sel().DeleteObjects();
    EXPECT_EQ(s.circuit.ElementCount(), 1);
    EXPECT_EQ(CellsOf(1), middle) << "the middle gate is number 1 now";
    EXPECT_EQ(s.circuit.P(10, 10).Type, ElementType::Empty);
    EXPECT_EQ(s.circuit.P(30, 10).Type, ElementType::Empty);
    EXPECT_EQ(sel().SelCount(), 0);
    // The highest went first: one undo step brings back the first gate.
    undo.Undo(c);
    EXPECT_EQ(s.circuit.ElementCount(), 2);
    EXPECT_EQ(s.circuit.P(10, 10).Type, ElementType::AND);
    EXPECT_EQ(s.circuit.P(30, 10).Type, ElementType::Empty);
}

} // namespace
