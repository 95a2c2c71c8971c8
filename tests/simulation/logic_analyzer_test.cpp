// The logic analyzer without its windows: the value list's columns and rows,
// the graph rows and the trace each of them shows.
#include <gtest/gtest.h>

#include <QStringList>
#include <random>
#include <vector>

#include "probe_hook.h"
#include "render/sheet_builder.h"
#include "simulation/logic_analyzer.h"
#include "support/circuit_driver.h"

namespace {

using namespace analyzer;
using Lines = std::vector<TraceLine>;

ProbeSample Sample(std::initializer_list<std::pair<int, int>> levels)
{
    ProbeSample p;
    for (auto [ch, v] : levels)
        p.levels[static_cast<size_t>(ch - 1)] = static_cast<int8_t>(v);
    return p;
}

// An analyzer with one column per channel given; rows for them when withRows.
LogicAnalyzer WithChannels(std::initializer_list<int> channels, int rowWidth = kRowWidth, bool withRows = true)
{
    ProgramState s;
    sheet::NewSheet(s, 30, 4);
    int x = 2;
    for (int ch : channels)
        sheet::Sensor(s, x += 2, 2, QString::number(ch));
    LogicAnalyzer m(rowWidth);
    m.PrepareListView(s.circuit);
    for (int ch : channels)
        if (withRows)
            m.AddGraph(ch);
    return m;
}

// The engine's sensor events feed an analyzer; sensors on input lines from
// open ends at x = 1 in rows 3 and 6.
struct Rig {
    CircuitDriver d;
    LogicAnalyzer m;
    ProbeHook hook{d.s, [this](const ProbeSample& p) { m.AnalyserProbeEvent(p); }, [this] { m.ClearTraces(); }};
    Rig(const char* upper, const char* lower)
    {
        sheet::NewSheet(d.s, 20, 12);
        sheet::Wire(d.s, 1, 3, 10, 3);
        sheet::Wire(d.s, 1, 6, 10, 6);
        sheet::Sensor(d.s, 5, 3, QString::fromLatin1(upper));
        sheet::Sensor(d.s, 5, 6, QString::fromLatin1(lower));
        m.PrepareListView(d.s.circuit);
        m.AddGraph(3);
        d.PowerOn();
    }
};

TEST(LogicAnalyzer, ColumnsForChannelsInUseAndOneRowPerSensorEvent)
{
    Rig r("3", "1");
    EXPECT_EQ(r.m.Columns(), (std::vector<int>{1, 3})) << "channel order, not element order";
    EXPECT_TRUE(r.m.Rows().empty()) << "switching on alone takes no sample";
    r.d.Click(1, 3); // channel 3 goes High
    r.d.Click(1, 6); // channel 1 goes High
    r.d.Click(1, 3); // channel 3 goes Low
    EXPECT_EQ(r.m.Rows(), (std::vector<QStringList>{{"0", "1"}, {"1", "1"}, {"1", "0"}}));
}

TEST(LogicAnalyzer, PowerOnStartsTheTracesAgainAndKeepsTheList)
{
    Rig r("1", "2");
    r.d.Click(1, 3);
    r.d.Click(1, 6);
    ASSERT_EQ(r.m.ProbeTraceX(0), 400);
    ASSERT_TRUE(r.m.ProbeTraceHigh(1));
    r.d.PowerOff();
    r.d.PowerOn();
    for (int row : {0, 1}) {
        EXPECT_EQ(r.m.ProbeTraceX(row), 0);
        EXPECT_FALSE(r.m.ProbeTraceHigh(row));
        EXPECT_TRUE(r.m.Lines(row).empty());
    }
    EXPECT_EQ(r.m.Rows().size(), 2u);
    r.d.Click(1, 3);
    EXPECT_EQ(r.m.Lines(0), (Lines{{0, 10, 200, 10}})) << "a new start draws no edge";
}

TEST(LogicAnalyzer, TraceGeometry)
{
    struct Case {
        const char* name;
        std::vector<int> levels;
        Lines lines;
    };
    const TraceLine high1{0, kHighY, 200, kHighY}, low1{0, kLowY, 200, kLowY};
    const std::vector<Case> cases = {
        {"first High: no edge at the border", {1}, {high1}},
        {"first Low", {0}, {low1}},
        {"Low High Low: two edges",
         {0, 1, 0},
         {low1, {200, 10, 200, 280}, {200, 10, 400, 10}, {400, 10, 400, 280}, {400, 280, 600, 280}}},
        {"High High Low", {1, 1, 0}, {high1, {200, 10, 400, 10}, {400, 10, 400, 280}, {400, 280, 600, 280}}},
    };
    for (const Case& c : cases) {
        LogicAnalyzer m = WithChannels({1});
        for (int v : c.levels)
            m.AnalyserProbeEvent(Sample({{1, v}}));
        EXPECT_EQ(m.Lines(0), c.lines) << c.name;
        EXPECT_EQ(m.ProbeTraceX(0), 200 * static_cast<int>(c.levels.size())) << c.name;
        EXPECT_EQ(m.ProbeTraceHigh(0), c.levels.back() == 1) << c.name;
    }
}

TEST(LogicAnalyzer, RowShiftsLeftAtTheRightEdge)
{
    // A row of five samples: the sixth shifts it by one sample.
    LogicAnalyzer m = WithChannels({2}, 1000);
    for (int v : {0, 0, 0, 0, 1, 0})
        m.AnalyserProbeEvent(Sample({{2, v}}));
    EXPECT_EQ(m.ProbeTraceX(1), 1000) << "the newest sample is drawn at the right edge";
    EXPECT_EQ(m.Lines(1), (Lines{{0, 280, 200, 280}, {200, 280, 400, 280}, {400, 280, 600, 280}, {600, 10, 600, 280},
                                 {600, 10, 800, 10}, {800, 10, 800, 280}, {800, 280, 1000, 280}}));
}

TEST(LogicAnalyzer, LongRunsStayInsideTheirRow)
{
    // Whatever the levels, a row holds no more than it can show.
    std::mt19937 rng(7);
    for (int width : {200, 1000, 9000, 9100}) {
        LogicAnalyzer m = WithChannels({1, 2}, width);
        for (int i = 0; i < 500; ++i) {
            m.AnalyserProbeEvent(Sample({{1, static_cast<int>(rng() % 2)}, {2, i % 2}}));
            for (int row : {0, 1}) {
                ASSERT_LE(m.ProbeTraceX(row), width);
                ASSERT_LE(m.Lines(row).size(), static_cast<size_t>(3 * (width / 200) + 1));
                for (const TraceLine& l : m.Lines(row))
                    ASSERT_TRUE(std::min(l.x1, l.x2) >= 0 && std::max(l.x1, l.x2) <= width) << width;
            }
        }
        // Channel 2 alternates: its row ends in a full comb of edges (a row of
        // one sample shows no rising edge: it starts at the border).
        const Lines& lines = m.Lines(1);
        if (width >= 400) {
            EXPECT_EQ(std::count_if(lines.begin(), lines.end(), [](const TraceLine& l) { return l.x1 == l.x2; }),
                      width / 200) << width;
        }
    }
}

TEST(LogicAnalyzer, ClearAndNewCircuit)
{
    LogicAnalyzer m = WithChannels({1, 3});
    m.AnalyserProbeEvent(Sample({{1, 1}, {3, 0}}));
    m.Clear();
    EXPECT_TRUE(m.Rows().empty());
    EXPECT_EQ(m.Columns(), (std::vector<int>{1, 3})) << "the columns stay";
    EXPECT_EQ(m.RowCount(), 3);
    for (int row : {0, 1, 2})
        EXPECT_TRUE(m.Lines(row).empty() && m.ProbeTraceX(row) == 0 && !m.ProbeTraceHigh(row)) << row;

    m.AnalyserProbeEvent(Sample({{1, 1}, {3, 1}}));
    ProgramState empty;
    sheet::NewSheet(empty, 10, 4);
    m.Reset(empty.circuit);
    EXPECT_EQ(m.RowCount(), 1);
    EXPECT_TRUE(m.Columns().empty() && m.Rows().empty() && m.Lines(0).empty());
    EXPECT_EQ(m.ProbeTraceX(0), 0);
    EXPECT_FALSE(m.AnalyserProbeEvent(Sample({{1, 1}}))) << "no column, no sample";
}

TEST(LogicAnalyzer, ChannelsInAnyOrderAndOnlyTheLastRowGoes)
{
    LogicAnalyzer m;
    // Each step: channel added (+) or removed (-), rows there are after it.
    const std::vector<std::pair<int, int>> steps = {{+3, 3}, {+1, 3}, {+2, 3}, {+9, 9}, {+10, 9}, {-8, 9},
                                                    {-9, 8}, {-1, 8}, {-8, 7}, {+4, 7}};
    for (auto [n, rows] : steps) {
        n > 0 ? m.AddGraph(n) : m.RemoveGraph(-n);
        EXPECT_EQ(m.RowCount(), rows) << "after channel " << n;
        EXPECT_EQ(m.WindowHeight(), LogicAnalyzer::RowTop(rows - 1) + 375 + 400);
    }
    EXPECT_EQ(LogicAnalyzer::RowTop(3) - LogicAnalyzer::RowTop(2), 475);
}

TEST(LogicAnalyzer, SampleForAChannelWithoutRowIsSkipped)
{
    LogicAnalyzer m = WithChannels({1, 5}, kRowWidth, false);
    m.AnalyserProbeEvent(Sample({{1, 1}, {5, 1}, {7, 1}}));
    EXPECT_EQ(m.Rows(), (std::vector<QStringList>{{"1", "1"}})) << "no column for channel 7";
    EXPECT_EQ(m.ProbeTraceX(0), 200);
    EXPECT_EQ(m.ProbeTraceX(4), 0);
}

} // namespace
