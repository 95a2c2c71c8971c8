#include <gtest/gtest.h>

#include "model/pin_lists.h"
#include "model/state.h"

namespace {

TEST(PinListParse, EntriesBlanksAndEmptyList)
{
    PinTable t{};
    ASSERT_EQ(ParsePinList(QStringLiteral("X3Y4:X3Y6:"), t), 2);
    EXPECT_EQ(t[0], (PinPos{3, 4}));
    EXPECT_EQ(t[1], (PinPos{3, 6}));
    EXPECT_EQ(ParsePinList(QStringLiteral(" X10Y2: "), t), 1);
    EXPECT_EQ(t[0], (PinPos{10, 2}));
    EXPECT_EQ(t[1], (PinPos{0, 0}));
    EXPECT_EQ(ParsePinList(QString(), t), 0);
    EXPECT_EQ(t[0], (PinPos{0, 0}));
}

TEST(PinListParse, WriterRoundTripAndOverlongList)
{
    EXPECT_EQ(PinListText({{12, 7}, {12, 9}}), QStringLiteral("X12Y7:X12Y9:"));
    std::vector<PinPos> pins;
    for (int16_t i = 0; i < 25; ++i)
        pins.push_back({i, static_cast<int16_t>(100 + i)});
    PinTable t{};
    EXPECT_EQ(ParsePinList(PinListText(pins), t), kPinTableSize);
    EXPECT_EQ(t[20], (PinPos{20, 120}));
}

class PinParsers : public ::testing::Test {
protected:
    void SetUp() override
    {
        s.circuit.Elements.resize(6);
        s.circuit.Elements[1].InPinList = QStringLiteral("X2Y2:X2Y4:X2Y6:");
        s.circuit.Elements[5].InPinList = QStringLiteral("X1Y1:X1Y3:");
        s.circuit.Elements[5].OutPinList = QStringLiteral("X4Y2:");
        s.circuit.Levels.resize(3);
        s.circuit.Levels[2].Elements.resize(2);
        s.circuit.Levels[2].Elements[1].InPinList = QStringLiteral("X8Y8:");
    }
    ProgramState s;
};

// Numbers beyond the table leave the shared tables, and lookups there read
// them; element 0 keeps the inputs but clears the outputs.
TEST_F(PinParsers, ElementZeroAndNumbersBeyondTheTable)
{
    ParseInputPins(s, 5, 0);
    ParseOutputPins(s, 5, 0);
    ParseInputPins(s, 6, 0);
    ParseOutputPins(s, 6, 0);
    EXPECT_EQ(s.InputPinCount, 2);
    EXPECT_EQ(s.OutputPins[0], (PinPos{4, 2}));
    EXPECT_EQ(InputPinsOf(s, 6, 0).pin[1], (PinPos{1, 3}));
    EXPECT_EQ(OutputPinsOf(s, 6, 0).pin[0], (PinPos{4, 2}));
    EXPECT_EQ(InputPinsOf(s, 0, 0).count, 2);
    EXPECT_EQ(OutputPinsOf(s, 0, 0).count, 0);
    EXPECT_EQ(OutputPinsOf(s, 0, 0).pin[0], (PinPos{0, 0}));

    ParseInputPins(s, 0, 0);
    ParseOutputPins(s, 0, 0);
    EXPECT_EQ(s.InputPinCount, 2);
    EXPECT_EQ(s.InputPins[1], (PinPos{1, 3}));
    EXPECT_EQ(s.OutputPinCount, 0);
    EXPECT_EQ(s.OutputPins[0], (PinPos{0, 0}));
}

// Parsers and lookups read a level's own table while the power is on, and
// the worksheet's while that level is shown.
TEST_F(PinParsers, LevelSourceWhilePowerOn)
{
    s.engine.PowerFlag = kTrue;
    EXPECT_EQ(InputPinsOf(s, 1, 2).pin[0], (PinPos{8, 8}));
    EXPECT_THROW(InputPinsOf(s, 1, 4), RuntimeError);
    ParseInputPins(s, 1, 2);
    EXPECT_EQ(s.InputPinCount, 1);
    EXPECT_EQ(s.InputPins[0], (PinPos{8, 8}));
    ParseInputPins(s, 5, 2); // beyond the level's table
    EXPECT_EQ(s.InputPins[0], (PinPos{8, 8}));
    EXPECT_THROW(ParseInputPins(s, 1, 4), RuntimeError);

    s.engine.InnerLevelShown = kTrue; // the shown level is copied into Elements
    EXPECT_EQ(InputPinsOf(s, 1, 2).count, 3);
    ParseInputPins(s, 1, 2);
    EXPECT_EQ(s.InputPinCount, 3);
}

TEST_F(PinParsers, LookupsReturnWhatTheParsersFill)
{
    const ElementPins in = InputPinsOf(s, 5, 0);
    const ElementPins out = OutputPinsOf(s, 5, 0);
    EXPECT_EQ(in.count, 2);
    EXPECT_EQ(in.pin[1], (PinPos{1, 3}));
    EXPECT_EQ(in.pin[2], (PinPos{0, 0}));
    EXPECT_EQ(out.count, 1);
    EXPECT_EQ(out.pin[0], (PinPos{4, 2}));
    EXPECT_EQ(s.InputPinCount, 0); // the shared tables stay as they were
    EXPECT_EQ(s.OutputPinCount, 0);
}

} // namespace
