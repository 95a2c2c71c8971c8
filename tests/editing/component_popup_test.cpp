// The component popup menu's items, and where a negation marker may go.
#include <gtest/gtest.h>

#include "editing/component_popup.h"
#include "editor_rig.h"
#include "model/pin_lists.h"

namespace {

class Popup : public EditorRig {
protected:
    PinPos In(int n, int i)
    {
        ParseInputPins(s, static_cast<int16_t>(n), 0);
        return s.InputPins[static_cast<size_t>(i)];
    }
    PinPos Out(int n, int i)
    {
        ParseOutputPins(s, static_cast<int16_t>(n), 0);
        return s.OutputPins[static_cast<size_t>(i)];
    }
};

TEST_F(Popup, GatePinsAndTheFlipFlopsJAndKTakeANegation)
{
    const int gate = Place(ElementType::XOR, 10, 10);
    const int flipFlop = Place(ElementType::FlipFlop, 20, 10);
    const int inverter = Place(ElementType::Inverter, 30, 10);
    const PinPos negated = In(gate, 1);
    s.circuit.P(negated.X, negated.Y).Marker = -1;
    const PinPos negatedQ = Out(flipFlop, 0);
    s.circuit.P(negatedQ.X, negatedQ.Y).Marker = -1;

    const PopupItems onlyDelete{true, false, false, false, false};
    const PopupItems negate{true, true, true, false, false};
    const PopupItems removeNegation{true, true, false, true, false};
    struct Case {
        const char* name;
        PinPos at;
        NegPosition position;
        PopupItems items;
    } const cases[] = {
        {"gate input", In(gate, 0), NegPosition::Free, negate},
        {"negated gate input", negated, NegPosition::Negated, removeNegation},
        {"gate output", Out(gate, 0), NegPosition::Free, negate},
        {"gate body", PinPos{11, 10}, NegPosition::None, onlyDelete},
        {"J", In(flipFlop, 0), NegPosition::Free, negate},
        {"clock", In(flipFlop, 1), NegPosition::None, onlyDelete},
        {"K", In(flipFlop, 2), NegPosition::Free, negate},
        {"second output", Out(flipFlop, 1), NegPosition::None, onlyDelete},
        {"negated first output", negatedQ, NegPosition::Negated, removeNegation},
        {"inverter input", In(inverter, 0), NegPosition::None, onlyDelete},
        {"empty cell", PinPos{5, 25}, NegPosition::None, onlyDelete},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        EXPECT_EQ(NegationMarkerAt(s, k.at.X, k.at.Y), k.position);
        EXPECT_EQ(PopupItemsAt(s, k.at.X, k.at.Y), k.items);
    }
}

TEST_F(Popup, ATextLabelOffersItsChange)
{
    Tool(ElementType::TextLabel);
    Click(5, 5);
    ASSERT_TRUE(editor.CommitLabel(QStringLiteral("label")));
    EXPECT_EQ(PopupItemsAt(s, 5, 5), (PopupItems{true, true, false, false, true}));

    // "Ändern" opens the label's box with its text.
    Tool(ElementType::Empty);
    Click(5, 5, 2);
    ASSERT_EQ(s.ToolMode, ToolCode::PopupOpen);
    editor.PopupChosen(WorksheetEditor::PopupChoice::Edit);
    EXPECT_TRUE(editor.overlay.txtBeschriftung.Visible);
    EXPECT_TRUE(editor.overlay.txtBeschriftung.Edit);
    EXPECT_EQ(editor.overlay.txtBeschriftung.Text, QStringLiteral("label"));
    EXPECT_EQ(editor.SelCount(), 0);
}

} // namespace
