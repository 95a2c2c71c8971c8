// Drawing terms as circuits on the worksheet, and running what was drawn.
#include <gtest/gtest.h>

#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <numeric>
#include <random>
#include <set>

#include "boolean/clsGroups.h"
#include "boolean/formula_synthesis.h"
#include "boolean/gate_input_runs.h"
#include "boolean/truth_table_grid.h"
#include "placement/document/file_commands.h"
#include "placement/document/new_file.h"
#include "model/pin_lists.h"
#include "placement/clsUndo.h"
#include "placement/placement_context.h"
#include "support/circuit_driver.h"
#include "support/synthesised_led.h"
#include "support/term_oracle.h"

namespace {

class Synthesis : public ::testing::Test {
protected:
    Synthesis() : undo(d.s), c{d.s, undo, &d.dialogs} {}

    // The Boolean tools window's way: a new circuit, then the drawing.
    clsGroups Draw(const QString& term, int convertTo = 0, int rowsBetweenGroups = 4)
    {
        NewFile(d.s, true);
        clsGroups g;
        g.AbstandHoehe = rowsBetweenGroups;
        g.Dialogs = &d.dialogs;
        g.Placement = &c;
        g.ConvertTo = static_cast<int16_t>(convertTo);
        g.Term = term;
        g.CreateGroups();
        return g;
    }

    // Elements of the worksheet as "type@x,y" of their first input pin (the
    // output pin for none), sorted.
    std::multiset<QString> Placed(uint8_t type) const
    {
        std::multiset<QString> out;
        for (int16_t n = 1; n <= d.s.circuit.ElementCount(); ++n) {
            if (d.s.circuit.Elements[static_cast<size_t>(n)].Type != type)
                continue;
            const ElementPins in = InputPinsOf(d.s, n, 0);
            const ElementPins o = OutputPinsOf(d.s, n, 0);
            const PinPos p = in.count > 0 ? in.pin[0] : o.pin[0];
            out.insert(QStringLiteral("%1,%2").arg(p.X).arg(p.Y));
        }
        return out;
    }

    std::multiset<QString> Markers() const
    {
        std::multiset<QString> out;
        for (int x = 0; x <= d.s.circuit.MaxX; ++x)
            for (int y = 0; y <= d.s.circuit.MaxY; ++y)
                if (d.s.circuit.P(x, y).Marker == -1 && d.s.circuit.P(x, y).Type >= ElementType::AND
                    && d.s.circuit.P(x, y).Type <= ElementType::XOR)
                    out.insert(QStringLiteral("%1,%2").arg(x).arg(y));
        return out;
    }

    std::map<QChar, PinPos> Switches() const { return SynthesisedSwitches(d.s); }

    // The last occupied column and row.
    std::pair<int, int> Extent() const
    {
        int lx = 0, ly = 0;
        for (int x = 0; x <= d.s.circuit.MaxX; ++x)
            for (int y = 0; y <= d.s.circuit.MaxY; ++y)
                if (d.s.circuit.P(x, y).Type != 0) {
                    lx = std::max(lx, x);
                    ly = std::max(ly, y);
                }
        return {lx, ly};
    }

    // Conductor cells where three conductors meet without a juncture: a
    // signal passes such a cell only along its bar, never into the branch.
    int PlainTees() const
    {
        int tees = 0;
        for (int x = 0; x <= d.s.circuit.MaxX; ++x)
            for (int y = 0; y <= d.s.circuit.MaxY; ++y) {
                const GridCell& g = d.s.circuit.P(x, y);
                const int n = (g.ConLeft != 0) + (g.ConUp != 0) + (g.ConRight != 0) + (g.ConDown != 0);
                tees += g.Type == ElementType::Conductor && n == 3 && g.Marker == 0 ? 1 : 0;
            }
        return tees;
    }

    // Powers the drawn circuit on and operates its switches: the number of
    // combinations where the LED disagrees with the term.
    int RunTruthTable(const QString& term)
    {
        d.PowerOn();
        const int wrong = WrongLedCombinations(d.s, term, [&](int x, int y) { d.Click(x, y); });
        d.PowerOff();
        return wrong;
    }

    CircuitDriver d;
    clsUndo undo;
    PlacementContext c;
};

TEST_F(Synthesis, DrawsTheCellsOfSmallTermsInEveryStyle)
{
    struct Case {
        const char* term;
        int convertTo;
        std::multiset<QString> ands; // first input pin of each AND element
        std::multiset<QString> ors;
        std::multiset<QString> markers; // negation markers on gate pins
        const char* led;
    };
    const Case cases[] = {
        // Switches at columns 3 and 5, one two-input AND fed on rows 6 and 8.
        {"A&B", 0, {"8,6"}, {}, {}, "14,7"},
        {"<A&B>", 0, {"8,6"}, {}, {"10,7"}, "14,7"},
        {"AvB&C", 0, {"10,10"}, {"16,7"}, {}, "22,8"},
        // NAND: the OR becomes an AND with a negated input A and output, and
        // the AND of B and C gets a negated output.
        {"AvB&C", 1, {"10,10", "16,7"}, {}, {"16,7", "12,11", "18,8"}, "22,8"},
        // NOR: the AND of B and C becomes an OR of negated inputs with a negated output.
        {"AvB&C", 2, {}, {"10,10", "16,7"}, {"10,10", "10,12", "12,11"}, "22,8"},
    };
    for (const Case& t : cases) {
        SCOPED_TRACE(std::string(t.term) + " style " + std::to_string(t.convertTo));
        d.dialogs = ScriptedUserDialogs{};
        const clsGroups g = Draw(QString::fromLatin1(t.term), t.convertTo);
        EXPECT_FALSE(g.Error);
        EXPECT_TRUE(d.dialogs.MessageTexts().isEmpty());
        EXPECT_EQ(Placed(ElementType::AND), t.ands);
        EXPECT_EQ(Placed(ElementType::OR), t.ors);
        EXPECT_EQ(Markers(), t.markers);
        EXPECT_EQ(Placed(ElementType::LED), std::multiset<QString>{QString::fromLatin1(t.led)});
        const auto switches = Switches();
        EXPECT_EQ(switches.at(u'A').X, 3);
        EXPECT_EQ(switches.at(u'A').Y, 3);
        EXPECT_EQ(switches.at(u'B').X, 5);
        // Worksheet fitted to the circuit, and nothing to undo.
        const auto [lx, ly] = Extent();
        EXPECT_EQ(d.s.circuit.MaxX, lx + 1);
        EXPECT_EQ(d.s.circuit.MaxY, ly + 1);
        EXPECT_TRUE(undo.NoUndoData());
        EXPECT_EQ(d.s.AutoJunction, kTrue);
    }
}

TEST_F(Synthesis, AVariableUsedTwiceBranchesAtAJuncture)
{
    Draw(QStringLiteral("A&BvA&C"));
    const int16_t x = Switches().at(u'A').X;
    int junctures = 0, branches = 0;
    for (int y = 0; y <= d.s.circuit.MaxY; ++y) {
        const GridCell& cell = d.s.circuit.P(x, y);
        if (cell.ConRight != 0 && cell.ConLeft == 0) {
            ++branches;
            junctures += cell.Marker == -1 ? 1 : 0;
        }
    }
    EXPECT_EQ(branches, 2);
    EXPECT_EQ(junctures, 1) << "every branch but the lowest";
}

TEST_F(Synthesis, TwentyOneInputsAreRefusedAndNothingIsLeftBehind)
{
    QString term;
    for (char v = 'A'; v <= 'U'; ++v)
        term += QString(QChar(v)) + (v < 'U' ? "v" : "");
    const clsGroups g = Draw(term);
    EXPECT_TRUE(g.Error);
    EXPECT_EQ(d.dialogs.MessageTexts(),
              (QStringList{QStringLiteral("You can not use more than 20 junctions at AND, OR and XOR elements."),
                           QStringLiteral("Unknown error.")}));
    EXPECT_EQ(d.s.circuit.ElementCount(), 0) << "the switches placed before the gate are gone with the grid";
    EXPECT_EQ(Extent(), (std::pair<int, int>{0, 0}));
    EXPECT_TRUE(undo.NoUndoData());

    // Twenty inputs are still drawn.
    d.dialogs = ScriptedUserDialogs{};
    term.chop(2);
    EXPECT_FALSE(Draw(term).Error);
    EXPECT_EQ(Placed(ElementType::OR).size(), 1u);
}

TEST_F(Synthesis, SpacingOutsideItsLimitsIsHeldWhereItIsApplied)
{
    NewFile(d.s, true);
    clsGroups g;
    g.Dialogs = &d.dialogs;
    g.Placement = &c;
    g.Term = QStringLiteral("AvB");
    g.AbstandBreite = 0;
    g.AbstandHoehe = -40;
    g.AbstandVariablen = 1000;
    g.CreateGroups();
    EXPECT_FALSE(g.Error);
    EXPECT_EQ(g.AbstandBreite, 3);
    EXPECT_EQ(g.AbstandHoehe, 2);
    EXPECT_EQ(g.AbstandVariablen, 5);
    EXPECT_EQ(Switches().at(u'B').X - Switches().at(u'A').X, 5);
    EXPECT_EQ(RunTruthTable(g.Term), 0);
}

// A table of 16 rows over 6 variables written as a sum of products needs a
// grid far taller than a fixed one; the drawn circuit must still compute it.
TEST_F(Synthesis, ASumOfSixteenProductsOfSixVariablesFitsAndWorks)
{
    std::mt19937 rng(7);
    std::set<unsigned> rows;
    while (rows.size() < 16)
        rows.insert(rng() % 64);
    QStringList products;
    for (unsigned r : rows) {
        QStringList literals;
        for (int v = 0; v < 6; ++v) {
            const QString letter(QChar(u'A' + v));
            literals << (((r >> v) & 1u) ? letter : QStringLiteral("<") + letter + QStringLiteral(">"));
        }
        products << literals.join(u'&');
    }
    const QString term = products.join(u'v');
    // The widest spacing the Boolean tools window allows.
    const clsGroups g = Draw(term, 0, 7);
    ASSERT_FALSE(g.Error) << d.dialogs.MessageTexts().join(u'/').toStdString();
    EXPECT_GT(d.s.circuit.MaxY, 150);
    EXPECT_EQ(Placed(ElementType::AND).size(), 16u);
    EXPECT_EQ(RunTruthTable(term), 0);
}

// The whole road: random terms, many with gates of 5 to 20 inputs, typed in
// the command line and generated by the Boolean tools window in every style
// at spacings its boxes allow, must be drawn without a conductor branching
// off unjoined and, operated with the switches, light the LED exactly where
// the term is true. GATREL_SYNTH_TERMS sets how many random terms run (100
// by default).
TEST_F(Synthesis, RandomTermsComputeTheirTruthTableInEveryStyle)
{
    QStringList terms = {
        // Wide gates whose input runs once met on one cell.
        QStringLiteral("A&A&<B>&A&<B&AvB&BvB>"),
        QStringLiteral("AvBvAvAv<AAvAvA>A"),
        QStringLiteral("A&(A&AvA&A)&A&<<A&AA&A>>"),
        QStringLiteral("AvAvBvAvA&<AvA>&A&A"),
    };
    const QByteArray wanted = qgetenv("GATREL_SYNTH_TERMS");
    const int count = wanted.isEmpty() ? 100 : wanted.toInt();
    std::mt19937 rng(20);
    const oracle::TermShape shape{4, 3, false, true, 35, 20};
    while (terms.size() < 4 + count)
        terms << oracle::RandomTerm(rng, shape);

    std::uniform_int_distribution<int> between(3, 9), rows(2, 7), switches(2, 5);
    // Tall circuits of wide gates have variable lines longer than the default
    // step limit: the largest the settings allow.
    d.s.AutoStop = 5000;
    int drawn = 0, right = 0;
    for (const QString& term : terms) {
        SCOPED_TRACE(term.toStdString());
        d.dialogs = ScriptedUserDialogs{};
        d.s.FileSaved = kTrue;
        if (!CreateFile(c, d.dialogs, term)) {
            // Brackets taken off may join operands into a gate too wide to draw.
            EXPECT_EQ(d.dialogs.MessageTexts(),
                      QStringList{QStringLiteral("You can not use more than 20 junctions at AND, OR and XOR elements.")});
            continue;
        }
        ++drawn;
        int wrong = PlainTees();
        EXPECT_EQ(wrong, 0) << "conductors meeting without a juncture";
        wrong += RunTruthTable(term);
        for (int style = 0; style <= 2; ++style) {
            SCOPED_TRACE("style " + std::to_string(style));
            clsGroups g;
            g.Dialogs = &d.dialogs;
            g.Term = term;
            g.ConvertTo = static_cast<int16_t>(style);
            SetProperties({QString::number(between(rng)), QString::number(rows(rng)), QString::number(switches(rng))}, g);
            CreateGroupsAside(c, g);
            ASSERT_FALSE(g.Error) << d.dialogs.MessageTexts().join(u'/').toStdString();
            EXPECT_TRUE(style != 1 || Placed(ElementType::OR).empty());
            EXPECT_TRUE(style != 2 || Placed(ElementType::AND).empty());
            const int tees = PlainTees();
            EXPECT_EQ(tees, 0) << "conductors meeting without a juncture";
            wrong += tees + RunTruthTable(term);
        }
        right += wrong == 0 ? 1 : 0;
    }
    std::printf("synthesised circuits right in every combination: %d of %d terms\n", right, drawn);
    EXPECT_EQ(right, drawn);
}

// The input runs of wide gates, at the columns their level gives them beside
// gates of other widths, painted cell by cell with the connections each makes
// (the operand's line comes in from the left, the pin column is the gate's):
// two runs share a cell only where one crosses the other straight through,
// and every run turns between its line's end and the gate.
TEST(WideGateInputs, RunsMeetOnlyWhereOneCrossesTheOtherStraight)
{
    enum : unsigned { L = 1, U = 2, R = 4, D = 8 };
    std::mt19937 rng(103);
    for (int n = 0; n < 3000; ++n) {
        const int inputs = 5 + static_cast<int>(rng() % 16);
        // The level's column as a gate of any width found it before, the
        // narrowest spacing, operands' gates at column 10.
        const int32_t before = GateInputColumn(0, 10, 3, 2 + static_cast<int>(rng() % 20));
        const int inputX = GateInputColumn(before, 10, 3, inputs);
        const int lineEnd = 10 + 3;
        // Operand rows in order, mostly close together, now and then after a tall operand.
        std::vector<int> rows{100};
        while (static_cast<int>(rows.size()) < inputs)
            rows.push_back(rows.back() + 1 + static_cast<int>(rng() % (rng() % 5 == 0 ? 30 : 4)));
        // The pins centred on the operands as the gate is placed.
        std::vector<int> pins(static_cast<size_t>(inputs));
        const double half = (rows.back() - rows.front()) / 2.0 - inputs / 2.0;
        std::iota(pins.begin(), pins.end(), static_cast<int>(std::floor(half)) + rows.front() + 1);
        const std::vector<GateInputRun> runs = WideGateColumns(inputX, rows, pins);
        ASSERT_EQ(runs.size(), rows.size());
        std::map<std::pair<int, int>, std::vector<unsigned>> cells;
        auto paint = [&](int x1, int y1, int x2, int y2) {
            const int dx = x2 > x1 ? 1 : x2 < x1 ? -1 : 0, dy = y2 > y1 ? 1 : y2 < y1 ? -1 : 0;
            for (int x = x1, y = y1;; x += dx, y += dy) {
                unsigned& f = cells[{x, y}].back();
                if (x != x1 || y != y1)
                    f |= dx > 0 ? L : dx < 0 ? R : dy > 0 ? U : D;
                if (x != x2 || y != y2)
                    f |= dx > 0 ? R : dx < 0 ? L : dy > 0 ? D : U;
                if (x == x2 && y == y2)
                    break;
            }
        };
        for (size_t p = 0; p < runs.size(); ++p) {
            const GateInputRun& run = runs[p];
            SCOPED_TRACE("run " + std::to_string(p));
            ASSERT_EQ(run.row, rows[p]);
            ASSERT_EQ(run.pin, pins[p]);
            std::set<std::pair<int, int>> own;
            auto claim = [&](int x1, int y1, int x2, int y2) {
                for (int x = std::min(x1, x2); x <= std::max(x1, x2); ++x)
                    for (int y = std::min(y1, y2); y <= std::max(y1, y2); ++y)
                        if (own.insert({x, y}).second)
                            cells[{x, y}].push_back(0);
            };
            const int turn = run.row == run.pin ? inputX - 1 : run.column;
            ASSERT_GT(turn, lineEnd);
            ASSERT_LT(turn, inputX);
            claim(lineEnd - 1, run.row, turn, run.row);
            claim(turn, run.row, turn, run.pin);
            claim(turn, run.pin, inputX, run.pin);
            paint(lineEnd - 1, run.row, turn, run.row);
            paint(turn, run.row, turn, run.pin);
            paint(turn, run.pin, inputX, run.pin);
        }
        for (const auto& [at, owners] : cells) {
            if (owners.size() < 2 || at.first >= inputX)
                continue;
            const bool crossing = owners.size() == 2 && ((owners[0] == (L | R) && owners[1] == (U | D))
                                                         || (owners[0] == (U | D) && owners[1] == (L | R)));
            ASSERT_TRUE(crossing) << "cell " << at.first << "," << at.second << " of " << owners.size() << " runs";
        }
    }
}

// Terms the grouping once refused with "Unknown error.": compound operands
// under two negations, bracketed negations inside a larger term, and single
// literals as the minimiser writes them.
TEST_F(Synthesis, DoublyNegatedAndBracketedOperandsAreTabulatedAndDrawn)
{
    for (const char* typed :
         {"Xv<<A&B>>", "<<AvB>>&C", "A&<<BvC>>", "((<A&B>)vC)&D", "(A&(<BvC>))vD", "<(<A&B>)vC>", "(A)", "(<A>)"}) {
        SCOPED_TRACE(typed);
        const QString term = QString::fromLatin1(typed);
        CalculatedTable table;
        clsGroups g;
        g.Dialogs = &d.dialogs;
        g.Tabelle = &table;
        g.Term = term;
        g.CreateTabelle();
        EXPECT_EQ(oracle::WrongTableRows(table, term), 0);
        for (int style = 0; style <= 2; ++style) {
            EXPECT_FALSE(Draw(term, style).Error) << "style " << style;
            EXPECT_EQ(RunTruthTable(term), 0) << "style " << style;
        }
        EXPECT_TRUE(d.dialogs.MessageTexts().isEmpty()) << d.dialogs.MessageTexts().join(u'/').toStdString();
    }
}

// The command line: the term is checked before the circuit is replaced.
TEST_F(Synthesis, CommandLineReplacesTheCircuitOnlyForATermItCanDraw)
{
    QString tooWide;
    for (char v = 'A'; v <= 'U'; ++v)
        tooWide += QString(QChar(v)) + (v < 'U' ? "v" : "");
    struct Case {
        QString typed;
        bool unsaved;
        std::optional<MessageResult> answer; // to the save question
        bool replaced;
        QStringList messages;
    };
    const QString save = QStringLiteral("save");
    const Case cases[] = {
        {QStringLiteral(" A & ( B v C ) "), false, std::nullopt, true, {}},
        {QStringLiteral("A & ( B v C )"), true, MessageResult::No, true, {save}},
        {QStringLiteral("A&(BvC)"), true, MessageResult::Cancel, false, {save}},
        {QStringLiteral("A && B"), true, std::nullopt, false, {QStringLiteral("Invalid use of operators.")}},
        {QStringLiteral("A"), true, std::nullopt, false, {QStringLiteral("Incomplete term.")}},
        {tooWide, true, std::nullopt, false,
         {QStringLiteral("You can not use more than 20 junctions at AND, OR and XOR elements.")}},
    };
    for (const Case& t : cases) {
        SCOPED_TRACE(t.typed.toStdString());
        // The circuit in place: a drawn OR of two switches.
        Draw(QStringLiteral("XvY"));
        d.s.FileSaved = t.unsaved ? kFalse : kTrue;
        const int16_t before = d.s.circuit.ElementCount();
        d.dialogs = ScriptedUserDialogs{};
        if (t.answer)
            d.dialogs.QueueMessageAnswer(*t.answer);
        const bool replaced = CreateFile(c, d.dialogs, t.typed);
        EXPECT_EQ(replaced, t.replaced);
        QStringList expected = t.messages;
        expected.replaceInStrings(save, SaveQuestion(QString()));
        EXPECT_EQ(d.dialogs.MessageTexts(), expected);
        EXPECT_TRUE(d.dialogs.AllAnswersUsed());
        if (t.replaced) {
            EXPECT_EQ(Switches().size(), 3u);
            EXPECT_EQ(Placed(ElementType::AND).size(), 1u);
            EXPECT_EQ(RunTruthTable(QStringLiteral("A&(BvC)")), 0);
        } else {
            EXPECT_EQ(d.s.circuit.ElementCount(), before);
            EXPECT_EQ(Switches().count(u'X'), 1u) << "the circuit in place stays";
        }
    }
}

// The window's Generate draws aside: events run between the drawing steps,
// and a cancel among them leaves the circuit in place as it was.
TEST_F(Synthesis, GenerateDrawsAsideAndACancelLeavesTheCircuitInPlace)
{
    const QString term = QStringLiteral("(A&B&C)v(<A>&D)v<B&<C>&<D>>");
    Draw(QStringLiteral("XvY"));
    const Circuit before = d.s.circuit;
    auto unchanged = [&] { return d.s.circuit.P == before.P && d.s.circuit.Elements == before.Elements && d.s.circuit.MaxY == before.MaxY; };
    clsGroups g;
    g.Dialogs = &d.dialogs;
    g.Term = term;
    int steps = 0;
    g.ProcessEvents = [&] {
        ++steps;
        EXPECT_TRUE(unchanged()) << "drawn aside";
        if (steps == 5)
            g.Cancel = true;
    };
    CreateGroupsAside(c, g);
    EXPECT_TRUE(g.Cancel);
    EXPECT_EQ(steps, 5) << "stops at its next step";
    EXPECT_TRUE(unchanged());
    EXPECT_EQ(g.Placement, &c);

    // Run to its end it draws what drawing in place draws, gate by gate.
    g.Cancel = false;
    g.Term = term;
    std::vector<std::pair<int, int>> progress;
    g.Progress = [&](int done, int total) { progress.emplace_back(done, total); };
    CreateGroupsAside(c, g);
    EXPECT_GT(steps, 20);
    EXPECT_EQ(progress, (std::vector<std::pair<int, int>>{{0, 4}, {1, 4}, {2, 4}, {3, 4}, {4, 4}}));
    const Circuit aside = d.s.circuit;
    Draw(term);
    EXPECT_TRUE(d.s.circuit.P == aside.P && d.s.circuit.Elements == aside.Elements && d.s.circuit.MaxX == aside.MaxX);
    EXPECT_EQ(RunTruthTable(term), 0);
}

} // namespace
