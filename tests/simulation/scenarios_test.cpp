// Whole circuits run pass by pass: components, ICs and long grids.
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "render/sheet_builder.h"
#include "sim_levels.h"
#include "simulation/engine.h"
#include "support/circuit_driver.h"

namespace {

// Runs with a delay so that every pass touching level 0 ends in a wait, and
// notes the pass in which each watched condition first holds.
struct PassWatch {
    CircuitDriver& d;
    std::map<QString, std::function<bool()>> conditions;
    std::map<QString, int> firstPass;

    explicit PassWatch(CircuitDriver& driver) : d(driver)
    {
        d.s.engine.DelaySetting = 1;
        d.onPump = [this](int) {
            for (const auto& [name, holds] : conditions)
                if (!firstPass.count(name) && holds())
                    firstPass[name] = d.s.engine.StepCount;
        };
    }
    void Watch(const QString& name, std::function<bool()> holds) { conditions[name] = std::move(holds); }
    int operator[](const QString& name) const { return firstPass.count(name) ? firstPass.at(name) : -1; }
};

// An input at (1, 6) split by a juncture at (3, 6) into two branches of equal
// length: up to (6, 2) and down to (6, 10).
void SplitInput(ProgramState& s)
{
    sheet::Wire(s, 1, 6, 3, 6);
    sheet::Wire(s, 3, 2, 3, 10);
    s.circuit.P(3, 6).Marker = kTrue;
    sheet::Wire(s, 3, 2, 6, 2);
    sheet::Wire(s, 3, 10, 6, 10);
}

// A level-0 IC at (5, 3), outline 4 x 2, whose interior is a line from its
// connector A to its connector Y; the outside runs from (1, 4) to (14, 4).
// places are the outline places of the connectors, pinStates their inner cells.
void BufferIC(ProgramState& s, const QStringList& places = {QStringLiteral("0;1;A;"), QStringLiteral("4;1;Y;")},
              const QStringList& pinStates = {QStringLiteral("1;2;A;"), QStringLiteral("8;2;Y;")}, int yConnector = 2)
{
    sheet::NewSheet(s, 20, 10);
    sheet::IC(s, 1, 5, 3, 4, 2, places, QStringLiteral("BUF"));
    sheet::Wire(s, 1, 4, 5, 4);
    sheet::Wire(s, 9, 4, 14, 4);
    simlevels::AddLevel(
        s, 1, QStringLiteral("BUF"), 0, 0, 10, 5,
        [yConnector](ProgramState& t) {
            sheet::Wire(t, 1, 2, 8, 2);
            t.circuit.P(1, 2).ICConnector = 1;
            t.circuit.P(8, 2).ICConnector = static_cast<uint8_t>(yConnector);
        },
        pinStates);
}

} // namespace

// AND and XNOR answer one pass after their inputs change, the NAND one pass
// later still. The XNOR's input line is as long as the split one.
TEST(Scenarios, NandOutputArrivesOnePassAfterAndAndXnor)
{
    CircuitDriver d;
    sheet::NewSheet(d.s, 16, 18);
    SplitInput(d.s);
    sheet::Gate(d.s, ElementType::AND, Orientation::Right, 6, 3, 2);
    d.s.circuit.P(6, 4).Marker = kTrue; // open, negated: High
    sheet::Wire(d.s, 8, 3, 12, 3);
    sheet::Gate(d.s, ElementType::AND, Orientation::Right, 6, 11, 2);
    d.s.circuit.P(6, 12).Marker = kTrue;
    d.s.circuit.P(8, 11).Marker = kTrue; // NAND
    sheet::Wire(d.s, 8, 11, 12, 11);
    sheet::Gate(d.s, ElementType::XOR, Orientation::Right, 10, 15, 2);
    d.s.circuit.P(10, 16).Marker = kTrue;
    d.s.circuit.P(12, 15).Marker = kTrue; // XNOR
    sheet::Wire(d.s, 1, 14, 10, 14);
    sheet::Wire(d.s, 12, 15, 15, 15);
    d.PowerOn();
    ASSERT_FALSE(d.High(9, 3));
    ASSERT_TRUE(d.High(9, 11));
    ASSERT_FALSE(d.High(13, 15));

    PassWatch w(d);
    w.Watch("and", [&] { return d.High(9, 3); });
    w.Watch("nand", [&] { return !d.High(9, 11); });
    d.Click(1, 6);
    // Nine steps to the pins, and the cell beyond the output one pass later.
    EXPECT_EQ(w["and"], 10);
    EXPECT_EQ(w["nand"], w["and"] + 1);
    EXPECT_TRUE(d.High(12, 3));
    EXPECT_FALSE(d.High(12, 11));

    PassWatch x(d);
    x.Watch("xnor", [&] { return d.High(13, 15); });
    d.Click(1, 14);
    EXPECT_EQ(x["xnor"], w["and"]);
    EXPECT_TRUE(d.High(15, 15));
}

TEST(Scenarios, SignalCrossesAnICAndItsInnerPassesDoNotWait)
{
    CircuitDriver d;
    BufferIC(d.s);
    d.PowerOn();
    d.s.engine.DelaySetting = 20;
    const int start = d.pumps;
    d.Click(1, 4);
    EXPECT_TRUE(d.High(8, 2, 1));
    EXPECT_TRUE(d.High(14, 4));
    EXPECT_TRUE(d.High(9, 4));
    EXPECT_EQ(d.Cell(1, 2, 1).WireSignalH, kTrue);
    // Four cells to the IC, seven inside, five beyond it, and the empty last
    // pass; only the nine that touch level 0 wait.
    EXPECT_EQ(d.s.engine.StepCount, 17);
    EXPECT_EQ(d.pumps - start, 9);
    EXPECT_EQ(d.waits.size(), 9u);

    d.s.engine.DelaySetting = 0;
    d.Click(1, 4);
    EXPECT_FALSE(d.High(14, 4));
    EXPECT_FALSE(d.High(5, 2, 1));
}

TEST(Scenarios, AConnectorMovedWhileThePowerIsOffIsFoundAtItsNewCell)
{
    CircuitDriver d;
    BufferIC(d.s);
    d.PowerOn();
    d.Click(1, 4);
    ASSERT_TRUE(d.High(8, 2, 1));
    d.PowerOff();
    // Connector A now enters at (2, 2), whose first flag points left: the
    // signal runs to the line's open end and no further.
    d.s.circuit.ICInstances[1].PinStates[1] = QStringLiteral("2;2;A;");
    d.PowerOn();
    d.Click(1, 4);
    EXPECT_TRUE(d.High(1, 2, 1));
    EXPECT_FALSE(d.High(3, 2, 1));
    EXPECT_FALSE(d.High(14, 4));
}

TEST(Scenarios, ICConnectorWithoutAPlaceOnTheOutlineLeavesTheOthersInPlace)
{
    CircuitDriver d;
    // Connector 2 has no place, so the element's pin list holds connectors 1 and 3.
    BufferIC(d.s, {QStringLiteral("0;1;A;"), QString(), QStringLiteral("4;1;Y;")},
             {QStringLiteral("1;2;A;"), QStringLiteral("4;4;N;"), QStringLiteral("8;2;Y;")}, 3);
    d.PowerOn();
    d.Click(1, 4);
    EXPECT_TRUE(d.High(8, 2, 1));
    EXPECT_TRUE(d.High(9, 4));
    EXPECT_TRUE(d.High(14, 4));
    EXPECT_FALSE(d.High(0, 0));
}

TEST(Scenarios, ClicksOnASettlingFlipFlopNeverAddUpToTheStepLimit)
{
    CircuitDriver d;
    sheet::NewSheet(d.s, 20, 12);
    sheet::FlipFlop(d.s, Orientation::Right, 6, 6); // Q (11, 5), Q inverted (11, 7)
    sheet::Wire(d.s, 11, 5, 18, 5);
    sheet::Wire(d.s, 11, 7, 18, 7);
    d.s.AutoStop = 250;
    d.PowerOn();
    for (int i = 0; i < 200; ++i)
        d.Click(10, 5); // the cell inside the symbol next to Q
    EXPECT_EQ(d.s.engine.PowerFlag, kTrue);
    EXPECT_TRUE(d.dialogs.Asked().empty());
    EXPECT_FALSE(d.High(18, 5)) << "an even number of clicks";
    d.Click(10, 5);
    EXPECT_TRUE(d.High(18, 5));
    EXPECT_FALSE(d.High(18, 7));
}
