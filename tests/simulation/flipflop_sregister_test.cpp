#include <gtest/gtest.h>

#include "evaluator_rig.h"
#include "simulation/evaluators.h"

namespace {

// Flip-flop facing right at (10, 10): J (10, 9), C (10, 10), K (10, 11),
// S (12, 9) fed from above, R (12, 11) fed from below; Q (15, 9) and Q
// inverted (15, 11), each with a conductor to column 19.
class FlipFlopTest : public ::testing::Test {
protected:
    void Build(bool wireJK)
    {
        ff = r.Add(ElementType::FlipFlop, Orientation::Right, 10, 9, 15, 11,
                   {{10, 9}, {10, 10}, {10, 11}, {12, 9}, {12, 11}}, {{15, 9}, {15, 11}});
        if (wireJK) {
            r.HWire(5, 10, 9);
            r.HWire(5, 10, 11);
        }
        r.HWire(5, 10, 10);
        r.VWire(12, 5, 9);
        r.VWire(12, 11, 15);
        r.HWire(15, 19, 9);
        r.HWire(15, 19, 11);
    }
    void J(bool high) { Drive(5, 9, Direction::Right, high); }
    void K(bool high) { Drive(5, 11, Direction::Right, high); }
    void Clock(bool high) { Drive(5, 10, Direction::Right, high); }
    void Set(bool high) { Drive(12, 5, Direction::Down, high); }
    void Reset(bool high) { Drive(12, 15, Direction::Up, high); }
    void Pulse()
    {
        Clock(true);
        Clock(false);
    }
    void Drive(int x, int y, Direction dir, bool high)
    {
        r.Send(x, y, dir, high);
        r.Settle();
    }
    bool Q() { return r.High(19, 9); }
    bool QInv() { return r.High(19, 11); }

    EvaluatorRig r;
    int ff = 0;
};

TEST_F(FlipFlopTest, LatchesAtTheRisingEdgeAndActsAtTheFallingEdge)
{
    Build(true);
    J(true);
    K(false);
    Clock(true);
    EXPECT_EQ(r.El(ff).StageWords[0], kTrue);
    EXPECT_EQ(r.El(ff).StageWords[2], kFalse);
    EXPECT_FALSE(r.High(16, 9)); // nothing until the fall
    J(false);                    // too late: J was latched
    const int start = r.passes;
    r.Send(5, 10, Direction::Right, false);
    const int at = r.PassWhen([&] { return r.High(16, 9); });
    EXPECT_EQ(at - start, 7); // the clock pin in pass 6, the cell beyond Q in pass 7
    r.Settle();
    EXPECT_TRUE(Q());
    EXPECT_EQ(r.C(15, 11).Value, kFalse);
    EXPECT_EQ(r.El(ff).State, kTrue);

    K(true);
    Pulse();
    EXPECT_FALSE(Q());
    EXPECT_TRUE(QInv());
    EXPECT_EQ(r.El(ff).State, kFalse);
}

TEST_F(FlipFlopTest, OpenJAndKToggleOnEveryPulse)
{
    Build(false);
    const bool expected[] = {true, false, true, false};
    for (bool q : expected) {
        Pulse();
        EXPECT_EQ(Q(), q);
        EXPECT_EQ(QInv(), !q);
        EXPECT_EQ(r.El(ff).State, q ? kTrue : kFalse);
    }
}

// S and R act at once and override the clock pulses that would do the
// opposite, until they are released.
TEST_F(FlipFlopTest, SetAndResetActAtOnceAndOverrideTheClock)
{
    Build(true);
    for (const bool set : {false, true}) {
        SCOPED_TRACE(set ? "set" : "reset");
        // J and K as a pulse would do the opposite, and Q the opposite already.
        J(!set);
        K(set);
        Pulse();
        ASSERT_EQ(Q(), !set);
        const int start = r.passes;
        if (set)
            r.Send(12, 5, Direction::Down, true);
        else
            r.Send(12, 15, Direction::Up, true);
        // S or R reaches its pin in pass 5, the cell beyond its output in pass 6.
        EXPECT_EQ(r.PassWhen([&] { return r.High(16, set ? 9 : 11); }) - start, 6);
        r.Settle();
        EXPECT_EQ(Q(), set);
        EXPECT_EQ(QInv(), !set);
        Pulse();
        EXPECT_EQ(Q(), set);
        set ? Set(false) : Reset(false);
        EXPECT_EQ(Q(), set);
        EXPECT_EQ(r.El(ff).State, set ? kTrue : kFalse);
        Pulse();
        EXPECT_EQ(Q(), !set);
        EXPECT_EQ(QInv(), set);
    }
}

TEST_F(FlipFlopTest, ReleasingSetWhileResetIsHighRestoresTheReset)
{
    Build(true);
    Set(true);
    Reset(true);
    Set(false);
    EXPECT_FALSE(Q());
    EXPECT_TRUE(QInv());
    EXPECT_EQ(r.El(ff).State, kFalse);
    Reset(false);
    EXPECT_FALSE(Q());
    EXPECT_TRUE(QInv());
}

TEST_F(FlipFlopTest, NegatedJIsLatchedInverted)
{
    Build(true);
    r.SetMarker(10, 9, -1);
    J(true);
    EXPECT_EQ(r.C(10, 9).Value, kFalse); // the pin holds its effective level
    J(false);
    EXPECT_EQ(r.C(10, 9).Value, kTrue);
    Clock(true);
    EXPECT_EQ(r.El(ff).StageWords[0], kTrue);
    Clock(false);
    EXPECT_TRUE(Q());
}

TEST_F(FlipFlopTest, MasterPresetWithOpenJAndK)
{
    Build(false);
    r.SetPin(10, 10, true); // the clock rests High
    r.SetPin(12, 9, true);
    EvalFlipFlop(EngineOf(r.s, r.e), 12, 9, Direction::Down, 1, 0);
    EXPECT_EQ(r.El(ff).StageWords[0], kTrue);
    EXPECT_EQ(r.El(ff).StageWords[2], kTrue);
    EXPECT_EQ(r.C(15, 9).Value, kTrue);
    EXPECT_EQ(r.C(15, 9).WireSignalH, kTrue);
}

// Shift register facing right at (10, 10): serial A (10, 9), B (10, 11),
// clock (10, 10); outputs (18, 9) and (18, 11) with conductors to column 22.
class ShiftRegisterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        sr = r.Add(ElementType::ShiftRegister, Orientation::Right, 10, 9, 18, 11, {{10, 9}, {10, 11}, {10, 10}},
                   {{18, 9}, {18, 11}});
        r.HWire(5, 10, 9);
        r.HWire(5, 10, 11);
        r.HWire(5, 10, 10);
        r.HWire(18, 22, 9);
        r.HWire(18, 22, 11);
    }
    void Drive(int y, bool high)
    {
        r.Send(5, y, Direction::Right, high);
        r.Settle();
    }
    void Pulse()
    {
        Drive(10, true);
        Drive(10, false);
    }
    // Stage words 1..8 as a string of 0 and 1.
    std::string Stages()
    {
        std::string t;
        for (size_t k = 1; k <= 8; ++k)
            t += r.El(sr).StageWords[k] != 0 ? '1' : '0';
        return t;
    }
    EvaluatorRig r;
    int sr = 0;
};

TEST_F(ShiftRegisterTest, AHighWalksThroughFourStagesToTheOutput)
{
    Drive(9, true);
    Drive(10, true);
    Drive(9, false); // read only at the rising edge
    EXPECT_EQ(Stages(), "00000000");
    Drive(10, false);
    EXPECT_EQ(Stages(), "10000000");
    Drive(11, true); // B enters one pulse later
    Pulse();
    Drive(11, false);
    EXPECT_EQ(Stages(), "01001000");
    Pulse();
    EXPECT_EQ(Stages(), "00100100");
    EXPECT_FALSE(r.High(22, 9));
    Pulse();
    EXPECT_EQ(Stages(), "00010010");
    EXPECT_TRUE(r.High(22, 9));
    EXPECT_EQ(r.C(18, 9).Value, kTrue);
    EXPECT_FALSE(r.High(22, 11));
    Pulse();
    EXPECT_EQ(Stages(), "00000001");
    EXPECT_FALSE(r.High(22, 9));
    EXPECT_TRUE(r.High(22, 11));
}

TEST_F(ShiftRegisterTest, SerialInputEventsAloneChangeNothing)
{
    r.SetPin(10, 9, true);
    EvalSRegister(EngineOf(r.s, r.e), 10, 9, Direction::Right, 1, 0);
    EvalSRegister(EngineOf(r.s, r.e), 18, 9, Direction::Right, 1, 0);
    EXPECT_TRUE(r.Pending().empty());
    EXPECT_EQ(Stages(), "00000000");
}

// Clicks run the engine; a count left at the step limit must not abort them.
class ComponentClickTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ff = r.Add(ElementType::FlipFlop, Orientation::Right, 10, 9, 15, 11,
                   {{10, 9}, {10, 10}, {10, 11}, {12, 9}, {12, 11}}, {{15, 9}, {15, 11}});
        r.HWire(15, 19, 9);
        r.HWire(15, 19, 11);
        sr = r.Add(ElementType::ShiftRegister, Orientation::Right, 10, 19, 18, 21, {{10, 19}, {10, 21}, {10, 20}},
                   {{18, 19}, {18, 21}});
        r.HWire(18, 22, 19);
        r.HWire(18, 22, 21);
        r.s.AutoStop = 1000;
    }
    void Click(int x, int y, bool flipFlop)
    {
        r.s.engine.StepCount = r.s.AutoStop;
        if (flipFlop)
            ClickFlipFlop(EngineOf(r.s, r.e), static_cast<int16_t>(ff), x, y);
        else
            ClickSRegister(EngineOf(r.s, r.e), static_cast<int16_t>(sr), x, y);
    }
    EvaluatorRig r;
    int ff = 0;
    int sr = 0;
};

TEST_F(ComponentClickTest, ClickNextToQFlipsTheFlipFlopAndRunsAtOnce)
{
    Click(14, 9, true);
    EXPECT_EQ(r.s.engine.AbortFlag, kFalse);
    EXPECT_NE(r.s.engine.PowerFlag, kFalse);
    EXPECT_EQ(r.s.engine.EngineBusy, kFalse);
    EXPECT_EQ(r.El(ff).State, kTrue);
    EXPECT_TRUE(r.High(19, 9));
    EXPECT_FALSE(r.High(19, 11));
    EXPECT_TRUE(r.s.engine.StepCount < r.s.AutoStop);

    Click(14, 9, true);
    EXPECT_EQ(r.El(ff).State, kFalse);
    EXPECT_FALSE(r.High(19, 9));
    EXPECT_TRUE(r.High(19, 11));

    Click(13, 9, true); // not the cell next to Q
    EXPECT_EQ(r.El(ff).State, kFalse);
    EXPECT_TRUE(r.Pending().empty());
}

TEST_F(ComponentClickTest, ClickOnAStageTogglesItAndStageFourDrivesTheOutput)
{
    Click(17, 21, false); // one step back from output 2: B stage 4
    EXPECT_EQ(r.El(sr).StageWords[8], kTrue);
    EXPECT_EQ(r.s.engine.AbortFlag, kFalse);
    EXPECT_TRUE(r.High(22, 21));
    EXPECT_EQ(r.C(18, 21).Value, kTrue);

    Click(11, 19, false); // seven back from output 1: A stage 1
    EXPECT_EQ(r.El(sr).StageWords[1], kTrue);
    EXPECT_FALSE(r.High(22, 19));

    Click(12, 19, false); // between two stages
    for (size_t k : {2u, 3u, 4u, 5u, 6u, 7u})
        EXPECT_EQ(r.El(sr).StageWords[k], kFalse) << k;
}

TEST_F(ComponentClickTest, ClicksOnlyQueueWhileTheEngineIsBusyAndNothingOnAnInnerLevel)
{
    r.s.engine.EngineBusy = kTrue;
    Click(14, 9, true);
    EXPECT_EQ(r.El(ff).State, kTrue);
    EXPECT_EQ(r.Pending().size(), 2u);
    EXPECT_FALSE(r.High(19, 9));
    r.s.engine.EngineBusy = kFalse;
    r.Settle();
    EXPECT_TRUE(r.High(19, 9));

    r.s.engine.InnerLevelShown = kTrue;
    Click(14, 9, true);
    Click(17, 21, false);
    EXPECT_EQ(r.El(ff).State, kTrue);
    EXPECT_EQ(r.El(sr).StageWords[8], kFalse);
    EXPECT_TRUE(r.Pending().empty());
}

} // namespace
