#include <gtest/gtest.h>

#include "evaluator_rig.h"
#include "simulation/evaluators.h"

namespace {

// A gate of n inputs facing right anchored at (x, y): inputs (x, y-1) ..
// (x, y+n-2), output (x+2, y-1+n/2).
int GateN(EvaluatorRig& r, uint8_t type, int n, int x, int y)
{
    std::vector<PinPos> in;
    for (int k = 0; k < n; ++k)
        in.push_back({static_cast<int16_t>(x), static_cast<int16_t>(y - 1 + k)});
    return r.Add(type, Orientation::Right, x, y - 1, x + 2, y + n - 2, in,
                 {{static_cast<int16_t>(x + 2), static_cast<int16_t>(y - 1 + n / 2)}});
}

int CountLines(const QStringList& log, const QString& start, const QString& part)
{
    int n = 0;
    for (const QString& l : log)
        if (l.startsWith(start) && l.contains(part))
            ++n;
    return n;
}

// Every level and negation of every input, and the output plain or negated:
// the output cell, its conductor signal and the one event sent on.
TEST(GateEvaluators, EveryGateFollowsItsTruthTableWithNegatedInputsAndOutput)
{
    struct Gate {
        uint8_t type;
        Evaluator fn;
        bool (*result)(int highs, int n);
    };
    const Gate gates[] = {{ElementType::AND, EvalAND, [](int h, int n) { return h == n; }},
                          {ElementType::OR, EvalOR, [](int h, int) { return h > 0; }},
                          {ElementType::XOR, EvalXOR, [](int h, int) { return h % 2 == 1; }}};
    for (const Gate& g : gates) {
        for (int n : {2, 3, 5}) {
            EvaluatorRig r;
            GateN(r, g.type, n, 10, 10); // inputs (10, 9 ..), output (12, outY)
            const int outY = 9 + n / 2;
            for (int levels = 0; levels < (1 << n); ++levels) {
                for (int negated = 0; negated < (1 << n); ++negated) {
                    for (bool negatedOut : {false, true}) {
                        SCOPED_TRACE(testing::Message() << "type " << int(g.type) << " inputs " << n << " levels "
                                                        << levels << " negated " << negated << " out " << negatedOut);
                        int highs = 0;
                        for (int k = 0; k < n; ++k) {
                            const bool high = (levels >> k) & 1, neg = (negated >> k) & 1;
                            r.SetPin(10, 9 + k, high);
                            r.SetMarker(10, 9 + k, neg ? -1 : 0);
                            highs += high != neg;
                        }
                        r.SetMarker(12, outY, negatedOut ? -1 : 0);
                        const bool out = g.result(highs, n) != negatedOut;
                        r.ClearPending();
                        g.fn(EngineOf(r.s, r.e), 10, 9, Direction::Right, levels & 1, 0);
                        ASSERT_EQ(r.Pending().size(), 1u);
                        EXPECT_TRUE(HasEvent(r.Pending(), 13, outY, Direction::Right, out));
                        EXPECT_EQ(r.C(12, outY).Value != 0, out);
                        EXPECT_EQ(r.C(12, outY).WireSignalH != 0, out);
                        EXPECT_EQ(r.C(12, outY).WireSignalV, kFalse);
                    }
                }
            }
            // An event at the output pin changes nothing.
            r.ClearPending();
            r.SetMarker(12, outY, 0);
            r.C(12, outY).Value = kTrue;
            g.fn(EngineOf(r.s, r.e), 12, outY, Direction::Left, 0, 0);
            EXPECT_TRUE(r.Pending().empty());
            EXPECT_EQ(r.C(12, outY).Value, kTrue);
        }
    }
}

TEST(GateEvaluators, NegatedOutputsInvertAndOnlyNandPostponesTheNextCell)
{
    struct Case {
        uint8_t type;
        Evaluator fn;
        int postpone;
    };
    const Case cases[] = {{ElementType::AND, EvalAND, 1}, {ElementType::OR, EvalOR, 0}, {ElementType::XOR, EvalXOR, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        EvaluatorRig r;
        r.Gate2(c.type, 10, 10);
        r.SetMarker(12, 10, -1);
        r.SetPin(10, 9, true);
        r.SetPin(10, 11, true);
        // Each event waits on its own; the cell holds nothing back.
        c.fn(EngineOf(r.s, r.e), 10, 11, Direction::Right, 1, 0);
        c.fn(EngineOf(r.s, r.e), 10, 11, Direction::Right, 1, 0);
        ASSERT_EQ(r.Pending().size(), 2u);
        for (const SimEvent& ev : r.Pending())
            EXPECT_EQ(ev.Hold, c.postpone);
        EXPECT_EQ(r.C(13, 10).PostponeCount, 0);
    }
}

// A NAND whose inputs change in two passes in a row sends two events down
// its output; the later one must arrive last.
TEST(GateEvaluators, ANandsLaterEventNeverOvertakesAnEarlierOne)
{
    EvaluatorRig r;
    r.Gate2(ElementType::AND, 10, 10);
    r.SetMarker(12, 10, -1);
    r.HWire(12, 16, 10);
    r.SetPin(10, 9, true);
    r.SetPin(10, 11, false);
    EvalAND(EngineOf(r.s, r.e), 10, 11, Direction::Right, 0, 0); // NAND of 1 and 0: High
    r.Pass();                            // the High event waits its pass
    r.SetPin(10, 11, true);
    EvalAND(EngineOf(r.s, r.e), 10, 11, Direction::Right, 1, 0); // now Low
    r.Settle();
    EXPECT_EQ(r.C(16, 10).Value, kFalse);
}

TEST(GateEvaluators, UpwardGateSetsTheVerticalSignalAndSendsUp)
{
    EvaluatorRig r;
    // Orientation 3 at (10, 10): inputs (9, 10) and (11, 10), output (10, 8).
    r.Add(ElementType::AND, Orientation::Up, 9, 8, 11, 10, {{9, 10}, {11, 10}}, {{10, 8}});
    r.SetPin(9, 10, true);
    r.SetPin(11, 10, true);
    EvalAND(EngineOf(r.s, r.e), 11, 10, Direction::Up, 1, 0);
    EXPECT_TRUE(HasEvent(r.Pending(), 10, 7, Direction::Up, true));
    EXPECT_EQ(r.C(10, 8).WireSignalV, kTrue);
    EXPECT_EQ(r.C(10, 8).WireSignalH, kFalse);
}

TEST(InverterEvaluator, InvertsTwoCellsAheadAndRedrawsItsOutputOnLevelZero)
{
    EvaluatorRig r;
    r.Add(ElementType::Inverter, Orientation::Right, 10, 5, 11, 5, {{10, 5}}, {{11, 5}});
    r.HWire(5, 10, 5);
    r.HWire(11, 15, 5);
    r.Send(5, 5, Direction::Right, true);
    ASSERT_GT(r.PassWhen([&] { return r.High(10, 5); }), 0);
    EXPECT_TRUE(HasEvent(r.Pending(), 12, 5, Direction::Right, false));
    EXPECT_EQ(r.C(11, 5).Value, kFalse);
    r.Settle();

    r.surface.ClearLog();
    r.SetPin(10, 5, false);
    EvalInverter(EngineOf(r.s, r.e), 10, 5, Direction::Right, 0, 0);
    r.Drawn();
    EXPECT_TRUE(HasEvent(r.Pending(), 12, 5, Direction::Right, true));
    EXPECT_EQ(r.C(11, 5).WireSignalH, kTrue);
    // The output piece is drawn High: three red strokes.
    EXPECT_EQ(CountLines(r.surface.Log(), "Polyline", "color=0xFF "), 3);
    r.Settle();
    for (int x = 11; x <= 15; ++x)
        EXPECT_TRUE(r.High(x, 5)) << x;

    // An event at the output cell is not the inverter's business.
    r.ClearPending();
    EvalInverter(EngineOf(r.s, r.e), 11, 5, Direction::Right, 0, 0);
    EXPECT_TRUE(r.Pending().empty());
}

TEST(InverterEvaluator, InputWiredAcrossTheAxisStillDrivesTheOutputCell)
{
    EvaluatorRig r;
    r.Add(ElementType::Inverter, Orientation::Right, 10, 5, 11, 5, {{10, 5}}, {{11, 5}});
    r.VWire(10, 1, 5); // the input is fed from above
    r.HWire(11, 15, 5);
    r.HWire(8, 12, 6); // an unrelated conductor just below
    r.Send(10, 1, Direction::Down, true);
    r.Settle();
    r.Send(10, 1, Direction::Down, false);
    r.Settle();
    for (int x = 11; x <= 15; ++x)
        EXPECT_TRUE(r.High(x, 5)) << x;
    EXPECT_EQ(r.C(11, 5).WireSignalH, kTrue);
    for (int x = 8; x <= 12; ++x) {
        EXPECT_EQ(r.C(x, 6).Value, kFalse) << x;
        EXPECT_EQ(r.C(x, 6).WireSignalV, kFalse) << x;
    }
}

class TriStateTest : public ::testing::Test {
protected:
    // Orientation 2 at (10, 10): data (10, 9), enable (10, 11), output (12, 10).
    void Build(bool dataFromAbove)
    {
        r.Add(ElementType::TriState, Orientation::Right, 10, 9, 12, 11, {{10, 9}, {10, 11}}, {{12, 10}});
        if (dataFromAbove)
            r.VWire(10, 4, 9);
        else
            r.HWire(5, 10, 9);
        r.HWire(5, 10, 11);
        r.HWire(12, 16, 10);
    }
    void Data(bool high, bool fromAbove = false)
    {
        if (fromAbove)
            r.Send(10, 4, Direction::Down, high);
        else
            r.Send(5, 9, Direction::Right, high);
        r.Settle();
    }
    void Enable(bool high)
    {
        r.Send(5, 11, Direction::Right, high);
        r.Settle();
    }
    EvaluatorRig r;
};

// The output cell stores the level driven, which is what the coupling
// diode's neighbour test sees.
TEST_F(TriStateTest, DrivesOnlyWhileEnabledAndTheConductorKeepsItsLastLevel)
{
    Build(false);
    Data(true);
    EXPECT_FALSE(r.High(16, 10)); // disabled: nothing driven
    Enable(true);
    EXPECT_TRUE(r.High(16, 10));
    Data(false);
    EXPECT_FALSE(r.High(16, 10));
    EXPECT_EQ(r.C(12, 10).Value, kFalse);
    EXPECT_FALSE(GetNeighbourValue(r.s.circuit, 13, 10, Direction::Left, 0));
    Data(true);
    EXPECT_TRUE(r.High(16, 10));
    EXPECT_EQ(r.C(12, 10).Value, kTrue);
    EXPECT_TRUE(GetNeighbourValue(r.s.circuit, 13, 10, Direction::Left, 0));
    Enable(false);
    Data(false);
    EXPECT_TRUE(r.High(16, 10)); // the last driven level stays
}

TEST_F(TriStateTest, DataWiredAcrossTheAxisReachesTheOutputConductor)
{
    Build(true);
    Enable(true);
    Data(true, true);
    for (int x = 13; x <= 16; ++x)
        EXPECT_TRUE(r.High(x, 10)) << x;
    Data(false, true);
    EXPECT_FALSE(r.High(16, 10));
}

TEST(LedAndSwitchEvaluators, LedLightsInItsColourAndPassesTheEventOn)
{
    EvaluatorRig r;
    r.HWire(5, 15, 5);
    const int led = r.Add(ElementType::LED, Orientation::None, 9, 5, 9, 5, {{9, 5}}, {});
    r.SetMarker(9, 5, -1);
    r.El(led).Color = 0x00FF00;
    r.s.circuit.Elements[static_cast<size_t>(led)].Color = 0x00FF00;

    r.SetPin(9, 5, true);
    EvalLED(EngineOf(r.s, r.e), 9, 5, Direction::Right, 1, 0);
    r.Drawn();
    EXPECT_EQ(CountLines(r.surface.Log(), "Circle", "fill=0xFF00 style=0"), 1);
    EXPECT_TRUE(HasEvent(r.Pending(), 10, 5, Direction::Right, true));

    r.surface.ClearLog();
    r.ClearPending();
    r.SetPin(9, 5, false);
    EvalLED(EngineOf(r.s, r.e), 9, 5, Direction::Right, 0, 0);
    r.Drawn();
    EXPECT_EQ(CountLines(r.surface.Log(), "Circle", "fill=0xE0E0E0 style=0"), 1);
    EXPECT_TRUE(HasEvent(r.Pending(), 10, 5, Direction::Right, false));

    r.ClearPending();
    r.Send(5, 5, Direction::Right, true);
    r.Settle();
    EXPECT_TRUE(r.High(9, 5));
    EXPECT_TRUE(r.High(15, 5));

    // The same circuit as the inside of an IC: it runs but is not drawn.
    r.s.circuit.Levels.push_back(r.s.circuit.Levels[0]);
    r.s.circuit.Levels[1].Name = QStringLiteral("inner");
    r.surface.ClearLog();
    r.SetPin(9, 5, true);
    EvalLED(EngineOf(r.s, r.e), 9, 5, Direction::Right, 1, 1);
    r.Drawn();
    EXPECT_EQ(CountLines(r.surface.Log(), "Circle", ""), 0);
    r.ClearPending();
    QueueEvent(r.s.engine, 5, 5, Direction::Right, 0, 1);
    r.Settle();
    EXPECT_FALSE(r.High(15, 5, 1));
    EXPECT_TRUE(r.High(15, 5, 0));
}

TEST(LedAndSwitchEvaluators, SwitchIsRedrawnAndPassesTheEventOn)
{
    EvaluatorRig r;
    r.HWire(5, 12, 5);
    r.Add(ElementType::Switch, Orientation::Right, 8, 5, 8, 5, {{8, 5}}, {{8, 5}});
    r.SetPin(8, 5, true);
    EvalSwitch(EngineOf(r.s, r.e), 8, 5, Direction::Right, 1, 0);
    r.Drawn();
    EXPECT_EQ(CountLines(r.surface.Log(), "Print", "\"1\""), 1);
    EXPECT_TRUE(HasEvent(r.Pending(), 9, 5, Direction::Right, true));

    r.ClearPending();
    r.SetPin(8, 5, false);
    r.Send(5, 5, Direction::Right, true);
    r.Settle();
    EXPECT_TRUE(r.High(8, 5));
    EXPECT_TRUE(r.High(12, 5));
}

} // namespace
