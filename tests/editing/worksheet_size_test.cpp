// The size boxes, their up-down buttons and the gate-input count box.
#include <gtest/gtest.h>

#include "editing/worksheet_size.h"
#include "placement/document/new_file.h"
#include "model/state.h"
#include "support/fake_main_window.h"

namespace {

struct Sheet {
    Sheet(int w = 50, int h = 30)
    {
        s.circuit.MaxX = static_cast<int16_t>(w);
        s.circuit.MaxY = static_cast<int16_t>(h);
        InitArbeitsfeld(s);
    }
    void Occupy(int x, int y) { s.circuit.P(x, y).Type = ElementType::Conductor; }
    ProgramState s;
};

struct CommitCase {
    const char* name;
    SizeBoxTexts in;
    SizeBox which;
    SizeBoxTexts out;
    int maxX;
    int maxY;
};

TEST(SizeBoxes, EnterHoldsTheBoxToItsLimitsAndAppliesBoth)
{
    const CommitCase cases[] = {
        {"no number", {"abc", "30"}, SizeBox::Width, {"10", "30"}, 10, 30},
        {"negative", {"-7", "30"}, SizeBox::Width, {"10", "30"}, 10, 30},
        {"above the limit", {"50", "250"}, SizeBox::Height, {"50", "200"}, 50, 200},
        {"huge", {"1e300", "30"}, SizeBox::Width, {"200", "30"}, 200, 30},
        {"half to even", {"12.5", "30"}, SizeBox::Width, {"12", "30"}, 12, 30},
        {"both boxes at once", {"60", "40"}, SizeBox::Width, {"60", "40"}, 60, 40},
        // The size is unchanged: nothing is applied, so the text stays as typed.
        {"unchanged", {"50.4", "30"}, SizeBox::Width, {"50.4", "30"}, 50, 30},
        // An uncommitted other box is held to the limits too, never beyond them.
        {"other box too big", {"40", "99999"}, SizeBox::Width, {"40", "200"}, 40, 200},
        {"other box too small", {"40", "3"}, SizeBox::Width, {"40", "10"}, 40, 10},
        {"other box empty", {"", "20"}, SizeBox::Height, {"10", "20"}, 10, 20},
    };
    for (const CommitCase& c : cases) {
        SCOPED_TRACE(c.name);
        Sheet sheet;
        EXPECT_EQ(CommitSizeBox(sheet.s, c.in, c.which), c.out);
        EXPECT_EQ(sheet.s.circuit.MaxX, c.maxX);
        EXPECT_EQ(sheet.s.circuit.MaxY, c.maxY);
    }
}

struct StepCase {
    const char* name;
    QString box;
    int step;
    QString shown;
    int maxX;
};

TEST(SizeBoxes, UpDownStepsByFiveWithinTheLimits)
{
    const StepCase cases[] = {
        {"down", "50", -5, "45", 45},
        {"up", "50", 5, "55", 55},
        {"down below the limit", "12", -5, "10", 10},
        {"up above the limit", "198", 5, "200", 200},
        {"fraction", "12.5", -5, "10", 10},
        {"fraction inside", "20.5", 5, "26", 26},
        {"no number", "abc", 5, "10", 10},
        {"huge", "1e300", -5, "200", 200},
    };
    for (const StepCase& c : cases) {
        SCOPED_TRACE(c.name);
        Sheet sheet;
        const SizeBoxTexts out = StepSizeBox(sheet.s, {c.box, "30"}, SizeBox::Width, c.step);
        EXPECT_EQ(out.txtX, c.shown);
        EXPECT_EQ(out.txtY, QStringLiteral("30"));
        EXPECT_EQ(sheet.s.circuit.MaxX, c.maxX);
    }
    Sheet sheet;
    const SizeBoxTexts out = StepSizeBox(sheet.s, {"50", "30"}, SizeBox::Height, 5);
    EXPECT_EQ(out, (SizeBoxTexts{"50", "35"}));
    EXPECT_EQ(sheet.s.circuit.MaxY, 35);
}

TEST(SizeBoxes, AShrinkIsRaisedToKeepTheOccupiedCells)
{
    Sheet sheet;
    sheet.Occupy(44, 5);
    sheet.Occupy(3, 24);
    EXPECT_EQ(StepSizeBox(sheet.s, {"50", "30"}, SizeBox::Width, -5), (SizeBoxTexts{"45", "30"}));
    EXPECT_EQ(StepSizeBox(sheet.s, {"45", "30"}, SizeBox::Width, -5), (SizeBoxTexts{"45", "30"}));
    EXPECT_EQ(sheet.s.circuit.MaxX, 45);
    EXPECT_EQ(CommitSizeBox(sheet.s, {"45", "20"}, SizeBox::Height), (SizeBoxTexts{"45", "25"}));
    EXPECT_EQ(sheet.s.circuit.MaxY, 25);
    EXPECT_EQ(CommitSizeBox(sheet.s, {"45", "26"}, SizeBox::Height), (SizeBoxTexts{"45", "26"}));
    EXPECT_EQ(sheet.s.circuit.P(44, 5).Type, ElementType::Conductor);
    EXPECT_EQ(sheet.s.circuit.P(3, 24).Type, ElementType::Conductor);

    // An occupied last row keeps the current height.
    Sheet full;
    full.Occupy(7, 30);
    EXPECT_EQ(CommitSizeBox(full.s, {"50", "15"}, SizeBox::Height), (SizeBoxTexts{"50", "30"}));
    EXPECT_EQ(full.s.circuit.MaxY, 30);
    EXPECT_EQ(full.s.circuit.P(7, 30).Type, ElementType::Conductor);
}

TEST(SizeBoxes, ResizingKeepsEveryCellAndDropsTheOldSpareColumn)
{
    Sheet sheet(10, 10);
    for (int x = 0; x <= 10; ++x)
        sheet.s.circuit.P(x, 4).Type = ElementType::Conductor;
    sheet.s.circuit.P(10, 4).ConRight = kTrue;
    sheet.s.circuit.P(11, 4).Type = ElementType::Conductor; // spare column
    sheet.s.circuit.P(3, 4).ElementNr = 7;
    FakeMainWindow window;
    window.Attach(sheet.s);
    EXPECT_EQ(CommitSizeBox(sheet.s, {"200", "200"}, SizeBox::Width), (SizeBoxTexts{"200", "200"}));
    EXPECT_EQ(sheet.s.circuit.P.UBoundX(), 201);
    for (int x = 0; x <= 10; ++x)
        EXPECT_EQ(sheet.s.circuit.P(x, 4).Type, ElementType::Conductor) << x;
    EXPECT_EQ(sheet.s.circuit.P(10, 4).ConRight, kTrue);
    EXPECT_EQ(sheet.s.circuit.P(3, 4).ElementNr, 7);
    EXPECT_EQ(sheet.s.circuit.P(11, 4), GridCell{});
    EXPECT_EQ(sheet.s.circuit.P(150, 150), GridCell{});
    sheet.s.ports = Ports{};
}

TEST(GateInputs, EnterHoldsTheCountToTwoToFifteen)
{
    const std::pair<const char*, const char*> cases[] = {
        {"1", " 2"},    {"16", " 15"}, {"7", " 7"},    {"abc", " 2"}, {"", " 2"},       {"-3", " 2"},
        {"300", " 15"}, {"1e40", " 15"}, {"2.5", " 2"}, {"3.5", " 4"}, {"15.5", " 15"}, {" 9 ", " 9"},
    };
    for (const auto& [typed, shown] : cases)
        EXPECT_EQ(ValidateGateInputs(QString::fromLatin1(typed)), QString::fromLatin1(shown)) << typed;
}

TEST(GateInputs, UpDownKeepsItsValueWithinTwoToFifteen)
{
    const std::array<std::array<int, 2>, 5> cases{{{1, 2}, {2, 2}, {3, 3}, {15, 15}, {16, 15}}};
    for (const auto& [moved, held] : cases) {
        const GateInputsStep step = GateInputsUpDown(moved);
        EXPECT_EQ(step.value, held) << moved;
        EXPECT_EQ(step.text, QString::number(held)) << moved;
    }
}

} // namespace
