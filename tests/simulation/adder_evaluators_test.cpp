#include <gtest/gtest.h>

#include "evaluator_rig.h"
#include "simulation/evaluators.h"

namespace {

// Half- or full-adder in orientation 2 at (10, 10): inputs A (10, 9), B (10, 11),
// middle (10, 10); outputs sum (13, 9), carry (13, 11), each with a conductor.
int Adder(EvaluatorRig& r, uint8_t type, bool wireA, bool wireB, bool wireMiddle)
{
    const int c = r.Add(type, Orientation::Right, 10, 9, 13, 11, {{10, 9}, {10, 11}, {10, 10}}, {{13, 9}, {13, 11}});
    if (wireA)
        r.HWire(5, 10, 9);
    if (wireB)
        r.HWire(5, 10, 11);
    if (wireMiddle)
        r.HWire(5, 10, 10);
    r.HWire(13, 17, 9);
    r.HWire(13, 17, 11);
    return c;
}

// An adder drives its outputs only with a second input connected, whatever
// the open pins hold.
TEST(AdderEvaluators, WithOneInputConnectedNothingIsDriven)
{
    using Kind = std::pair<uint8_t, Evaluator>;
    for (auto [type, fn] : {Kind{ElementType::HalfAdder, EvalHA}, Kind{ElementType::FullAdder, EvalVA}}) {
        SCOPED_TRACE(int(type));
        EvaluatorRig r;
        Adder(r, type, true, false, false);
        r.SetPin(10, 11, true);
        r.SetPin(10, 9, true);
        fn(EngineOf(r.s, r.e), 10, 9, Direction::Right, 1, 0);
        EXPECT_TRUE(r.Pending().empty());
        r.Send(5, 9, Direction::Right, true); // and through the conductor
        r.Settle();
        EXPECT_FALSE(r.High(14, 9));
        EXPECT_FALSE(r.High(14, 11));
        EXPECT_EQ(r.C(13, 9).Value, kFalse);
    }
}

// The half-adder with A and B connected, the full-adder with all three, one
// row after the other: the evaluator called at the last input sets the output
// cells with their conductor signals and sends sum, then carry, along them.
TEST(AdderEvaluators, EachAdderFollowsItsTruthTable)
{
    for (const bool full : {false, true}) {
        EvaluatorRig r;
        Adder(r, full ? ElementType::FullAdder : ElementType::HalfAdder, true, true, full);
        const int rows = full ? 8 : 4;
        for (int step = 0; step <= rows; ++step) { // and back to all Low
            const int bits = step % rows;
            SCOPED_TRACE(testing::Message() << (full ? "full " : "half ") << bits);
            const bool a = bits & 1, b = bits & 2, cin = bits & 4;
            r.SetPin(10, 9, a);
            r.SetPin(10, 11, b);
            r.SetPin(10, 10, cin);
            if (full)
                EvalVA(EngineOf(r.s, r.e), 10, 10, Direction::Right, cin ? 1 : 0, 0);
            else
                EvalHA(EngineOf(r.s, r.e), 10, 11, Direction::Right, b ? 1 : 0, 0);
            const int n = a + b + cin;
            for (auto [y, high] : {std::pair{9, n % 2 == 1}, std::pair{11, n >= 2}}) // sum, carry
                EXPECT_EQ((std::pair{r.C(13, y).Value != 0, r.C(13, y).WireSignalH != 0}), std::pair(high, high)) << y;
            ASSERT_EQ(r.Pending().size(), 2u);
            EXPECT_TRUE(HasEvent({r.Pending()[0]}, 14, 9, Direction::Right, n % 2 == 1));
            EXPECT_TRUE(HasEvent({r.Pending()[1]}, 14, 11, Direction::Right, n >= 2));
            r.Settle();
            EXPECT_EQ(r.High(17, 9), n % 2 == 1);
            EXPECT_EQ(r.High(17, 11), n >= 2);
        }
    }
}

TEST(AdderEvaluators, FullAdderWithTwoConnectedInputsAddsTwoBits)
{
    EvaluatorRig r;
    Adder(r, ElementType::FullAdder, true, true, false);
    r.SetPin(10, 9, true);
    r.SetPin(10, 11, true);
    EvalVA(EngineOf(r.s, r.e), 10, 9, Direction::Right, 1, 0);
    EXPECT_EQ(r.C(13, 9).Value, kFalse);
    EXPECT_EQ(r.C(13, 11).Value, kTrue);

    // An event at the open middle input adds its own level and B's.
    r.ClearPending();
    r.SetPin(10, 9, false);
    r.SetPin(10, 10, true);
    EvalVA(EngineOf(r.s, r.e), 10, 10, Direction::Right, 1, 0);
    EXPECT_EQ(r.C(13, 9).Value, kFalse);
    EXPECT_EQ(r.C(13, 11).Value, kTrue);
}

TEST(AdderEvaluators, InputWiredFromTheSideStillSendsAlongTheOutputs)
{
    EvaluatorRig r;
    Adder(r, ElementType::HalfAdder, true, true, false);
    r.VWire(10, 4, 9); // A is also fed from above
    r.Send(10, 4, Direction::Down, true);
    r.Settle();
    for (int x = 14; x <= 17; ++x)
        EXPECT_TRUE(r.High(x, 9)) << x;
}

class MultiplexerTest : public ::testing::Test {
protected:
    // Orientation 2 at (10, 10): D0..D3 at (10, 12), (10, 11), (10, 10), (10, 9);
    // S1 (12, 8), S0 (13, 8); output (14, 11).
    void SetUp() override
    {
        r.Add(ElementType::Multiplexer, Orientation::Right, 10, 8, 14, 12,
              {{10, 12}, {10, 11}, {10, 10}, {10, 9}, {12, 8}, {13, 8}}, {{14, 11}});
    }
    EvaluatorRig r;
};

TEST_F(MultiplexerTest, PassesTheSelectedDataInput)
{
    const int dataRow[4] = {12, 11, 10, 9};
    for (int sel = 0; sel < 4; ++sel) {
        for (int d = 0; d < 4; ++d) {
            for (int k = 0; k < 4; ++k)
                r.SetPin(10, dataRow[k], k == d);
            r.SetPin(12, 8, sel & 2);
            r.SetPin(13, 8, sel & 1);
            r.ClearPending();
            EvalMultiplexer(EngineOf(r.s, r.e), 10, dataRow[d], Direction::Right, 1, 0);
            SCOPED_TRACE(testing::Message() << "select " << sel << " high " << d);
            ASSERT_EQ(r.Pending().size(), 1u);
            EXPECT_TRUE(HasEvent(r.Pending(), 15, 11, Direction::Right, sel == d));
            EXPECT_EQ(r.C(14, 11).Value != 0, sel == d);
            EXPECT_EQ(r.C(14, 11).WireSignalH != 0, sel == d);
        }
    }
}

TEST_F(MultiplexerTest, AnyEventRequeuesTheSelectedLevelAndStoresIt)
{
    r.SetPin(12, 8, true); // S1 High, S0 Low: D2
    r.SetPin(10, 10, true);
    EvalMultiplexer(EngineOf(r.s, r.e), 10, 10, Direction::Right, 1, 0);
    EXPECT_TRUE(HasEvent(r.Pending(), 15, 11, Direction::Right, true));

    // D0 goes High while D2 is Low: the output carries and stores D2's Low.
    r.ClearPending();
    r.SetPin(10, 10, false);
    r.SetPin(10, 12, true);
    EvalMultiplexer(EngineOf(r.s, r.e), 10, 12, Direction::Right, 1, 0);
    EXPECT_TRUE(HasEvent(r.Pending(), 15, 11, Direction::Right, false));
    EXPECT_EQ(r.C(14, 11).Value, kFalse);
}

TEST_F(MultiplexerTest, SelectionThroughTheConductors)
{
    r.HWire(5, 10, 10); // D2
    r.HWire(5, 10, 12); // D0
    r.VWire(12, 3, 8);  // S1 from above
    r.HWire(14, 18, 11);
    r.Send(5, 10, Direction::Right, true);
    r.Settle();
    EXPECT_FALSE(r.High(18, 11)); // D0 selected, Low
    r.Send(12, 3, Direction::Down, true);
    r.Settle();
    EXPECT_TRUE(r.High(18, 11));
    r.Send(12, 3, Direction::Down, false);
    r.Settle();
    EXPECT_FALSE(r.High(18, 11));
}

class DecoderTest : public ::testing::Test {
protected:
    // Orientation 2 at (10, 10): address (10, 8), (10, 9), (10, 10), clock
    // (10, 11) when asked for; outputs 0..7 at (12, 6) .. (12, 13), each with
    // a conductor to column 16.
    void Build(bool clock)
    {
        std::vector<PinPos> in{{10, 8}, {10, 9}, {10, 10}};
        if (clock)
            in.push_back({10, 11});
        std::vector<PinPos> out;
        for (int y = 6; y <= 13; ++y)
            out.push_back({12, static_cast<int16_t>(y)});
        r.Add(ElementType::Decoder, Orientation::Right, 10, 5, 12, 14, in, out);
        for (const PinPos& p : in)
            r.HWire(5, 10, p.Y);
        for (int y = 6; y <= 13; ++y)
            r.HWire(12, 16, y);
    }
    void Address(int pin, bool high)
    {
        r.Send(5, 7 + pin, Direction::Right, high);
        r.Settle();
    }
    EvaluatorRig r;
};

TEST_F(DecoderTest, AddressFiveSelectsOutputFiveAndQueuesTheOthersLow)
{
    Build(false);
    r.SetPin(10, 8, true);
    r.SetPin(10, 10, true);
    EvalDecoder(EngineOf(r.s, r.e), 10, 10, Direction::Right, 1, 0);
    EXPECT_EQ(r.C(12, 11).Value, kTrue);
    EXPECT_EQ(r.C(12, 11).WireSignalH, kTrue);
    EXPECT_EQ(r.C(13, 11).PostponeCount, 20);
    const std::vector<SimEvent> q = r.Pending();
    ASSERT_EQ(q.size(), 8u);
    EXPECT_TRUE(HasEvent({q[0]}, 13, 11, Direction::Right, true));
    const int lows[] = {6, 7, 8, 9, 10, 12, 13};
    for (int k = 0; k < 7; ++k)
        EXPECT_TRUE(HasEvent({q[static_cast<size_t>(k + 1)]}, 13, lows[k], Direction::Right, false)) << k;
    for (int y : lows) {
        EXPECT_EQ(r.C(12, y).Value, kFalse);
        EXPECT_EQ(r.C(13, y).PostponeCount, 0);
    }
}

TEST_F(DecoderTest, NewHighFollowsTheLowsTwentyPassesLater)
{
    Build(false);
    Address(1, true); // output 1
    EXPECT_TRUE(r.High(16, 7));
    const int start = r.passes;
    r.Send(5, 9, Direction::Right, true); // address 3
    int low = -1;
    int high = -1;
    for (int n = 0; n < 100 && !r.Pending().empty(); ++n) {
        r.Pass();
        if (low < 0 && !r.High(13, 7))
            low = r.passes - start;
        if (high < 0 && r.High(13, 9))
            high = r.passes - start;
    }
    // The address reaches the pin in pass 6, the Low leaves in pass 7.
    EXPECT_EQ(low, 7);
    EXPECT_EQ(high, 27);
    EXPECT_FALSE(r.High(16, 7));
    EXPECT_TRUE(r.High(16, 9));
}

TEST_F(DecoderTest, RepeatedSelectionDoesNotWrapThePostponeCount)
{
    Build(false);
    r.SetPin(10, 8, true);
    for (int k = 0; k < 20; ++k)
        EvalDecoder(EngineOf(r.s, r.e), 10, 8, Direction::Right, 1, 0);
    EXPECT_EQ(r.C(13, 7).PostponeCount, 400);
    // Deselecting releases whatever is held.
    r.SetPin(10, 8, false);
    EvalDecoder(EngineOf(r.s, r.e), 10, 8, Direction::Right, 0, 0);
    EXPECT_EQ(r.C(13, 7).PostponeCount, 0);
    EXPECT_EQ(r.C(13, 6).PostponeCount, 20);
}

TEST_F(DecoderTest, ClockInputLatchesAtTheRiseAndSwitchesAtTheFall)
{
    Build(true);
    Address(1, true);
    EXPECT_EQ(r.C(12, 7).Value, kFalse); // the clock rests: nothing switches
    EXPECT_FALSE(r.High(13, 7));
    Address(4, true); // clock rises: address 1 latched
    EXPECT_EQ(r.El(1).StageWords[0], kTrue);
    EXPECT_EQ(r.El(1).StageWords[1], kFalse);
    EXPECT_EQ(r.C(12, 7).Value, kFalse);
    Address(1, false);
    Address(2, true); // the pins now say 2
    Address(4, false);
    EXPECT_EQ(r.C(12, 7).Value, kTrue);
    EXPECT_EQ(r.C(12, 8).Value, kFalse);
    EXPECT_TRUE(r.High(16, 7));
    EXPECT_FALSE(r.High(16, 8));
}

} // namespace
