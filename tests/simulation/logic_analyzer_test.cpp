// The logic analyzer without its windows: the value list's columns and rows,
// the graph rows and the trace each of them shows.
#include <gtest/gtest.h>

#include <QStringList>
#include <random>
#include <vector>

#include "model/ports/probe_port.h"
#include "render/sheet_builder.h"
#include "simulation/engine.h"
#include "simulation/logic_analyzer.h"
#include "support/circuit_driver.h"

namespace {

using namespace analyzer;

// The engine's sensor events go straight into an analyzer.
struct AnalyzerListener : ProbePort {
    explicit AnalyzerListener(ProgramState& s) : s_(s) { s_.ports.probes = this; }
    ~AnalyzerListener() override { s_.ports.probes = nullptr; }
    AnalyzerListener(const AnalyzerListener&) = delete;
    AnalyzerListener& operator=(const AnalyzerListener&) = delete;
    void AnalyserProbeEvent(const ProbeSample& sample) override { model.AnalyserProbeEvent(sample); }
    void ClearAnalyserTraces() override { model.ClearTraces(); }

    ProgramState& s_;
    LogicAnalyzer model;
};

// Two input lines from open ends at x = 1, a sensor on each.
void TwoSensorLines(ProgramState& s, const QString& upper, const QString& lower)
{
    sheet::NewSheet(s, 20, 12);
    sheet::Wire(s, 1, 3, 10, 3);
    sheet::Wire(s, 1, 6, 10, 6);
    sheet::Sensor(s, 5, 3, upper);
    sheet::Sensor(s, 5, 6, lower);
}

ProbeSample Sample(std::initializer_list<std::pair<int, int>> levels)
{
    ProbeSample p;
    for (auto [ch, v] : levels)
        p.levels[static_cast<size_t>(ch - 1)] = static_cast<int8_t>(v);
    return p;
}

// An analyzer with one column per channel given and rows for all of them.
LogicAnalyzer WithChannels(std::initializer_list<int> channels, int rowWidth = kRowWidth)
{
    ProgramState s;
    sheet::NewSheet(s, 30, 4);
    int x = 2;
    for (int ch : channels) {
        sheet::Sensor(s, x, 2, QString::number(ch));
        x += 2;
    }
    LogicAnalyzer m(rowWidth);
    m.PrepareListView(s);
    for (int ch : channels)
        m.AddGraph(ch);
    return m;
}

TEST(LogicAnalyzer, ColumnsForChannelsInUseAndOneRowPerSensorEvent)
{
    CircuitDriver d;
    TwoSensorLines(d.s, QStringLiteral("3"), QStringLiteral("1"));
    AnalyzerListener a(d.s);
    a.model.PrepareListView(d.s);
    a.model.AddGraph(3);
    EXPECT_EQ(a.model.Columns(), (std::vector<int>{1, 3})) << "channel order, not element order";

    d.PowerOn();
    EXPECT_TRUE(a.model.Rows().empty()) << "switching on alone takes no sample";
    d.Click(1, 3); // channel 3 goes High
    d.Click(1, 6); // channel 1 goes High
    d.Click(1, 3); // channel 3 goes Low
    // Columns 1, 3: every event at either sensor samples both.
    EXPECT_EQ(a.model.Rows(), (std::vector<QStringList>{{"0", "1"}, {"1", "1"}, {"1", "0"}}));
}

TEST(LogicAnalyzer, NoColumnsNoSamples)
{
    CircuitDriver d;
    TwoSensorLines(d.s, QStringLiteral("1"), QStringLiteral("2"));
    AnalyzerListener a(d.s); // the list was never prepared
    d.PowerOn();
    d.Click(1, 3);
    EXPECT_TRUE(a.model.Rows().empty());
    EXPECT_EQ(a.model.ProbeTraceX(0), 0);
}

TEST(LogicAnalyzer, SamplesComeFromTheLevelShown)
{
    ProgramState s;
    sheet::NewSheet(s, 10, 4);
    sheet::Sensor(s, 2, 2, QStringLiteral("2"));
    sheet::Sensor(s, 4, 2, QStringLiteral("7"));
    sheet::Sensor(s, 6, 2, QStringLiteral("x")); // names no channel
    s.Levels.resize(2);
    s.Levels[0].Elements = s.Elements;
    s.Levels[0].ElementCount = s.ElementCount;
    s.Levels[0].Elements[2].State = kTrue;
    s.Levels[1].Elements.assign(1, ElementRecord{});
    EXPECT_EQ(SampleSensors(s).levels, Sample({{2, 0}, {7, 1}}).levels);
    s.CurrentLevel = 1;
    EXPECT_EQ(SampleSensors(s).levels, ProbeSample{}.levels);
}

// The trace of one channel after a run of levels.
struct TraceCase {
    const char* name;
    std::vector<int> levels;
    std::vector<TraceLine> lines;
};

TEST(LogicAnalyzer, TraceGeometry)
{
    const TraceLine high1{0, kHighY, 200, kHighY}, low1{0, kLowY, 200, kLowY};
    const std::vector<TraceCase> cases = {
        {"first High: no edge at the border", {1}, {high1}},
        {"first Low", {0}, {low1}},
        {"Low High Low: two edges",
         {0, 1, 0},
         {low1, {200, 10, 200, 280}, {200, 10, 400, 10}, {400, 10, 400, 280}, {400, 280, 600, 280}}},
        {"High High Low",
         {1, 1, 0},
         {high1, {200, 10, 400, 10}, {400, 10, 400, 280}, {400, 280, 600, 280}}},
    };
    for (const TraceCase& c : cases) {
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
    for (int v : {0, 0, 0, 0, 1})
        m.AnalyserProbeEvent(Sample({{2, v}}));
    EXPECT_EQ(m.ProbeTraceX(1), 1000);
    m.AnalyserProbeEvent(Sample({{2, 0}}));
    EXPECT_EQ(m.ProbeTraceX(1), 1000) << "the newest sample is drawn at the right edge";
    const std::vector<TraceLine> want = {{0, 280, 200, 280},   {200, 280, 400, 280}, {400, 280, 600, 280},
                                         {600, 10, 600, 280},  {600, 10, 800, 10},   {800, 10, 800, 280},
                                         {800, 280, 1000, 280}};
    EXPECT_EQ(m.Lines(1), want);
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
                ASSERT_GE(m.ProbeTraceX(row), 200);
                ASSERT_LE(m.Lines(row).size(), static_cast<size_t>(3 * (width / 200) + 1));
                for (const TraceLine& l : m.Lines(row)) {
                    ASSERT_GE(std::min(l.x1, l.x2), 0) << width;
                    ASSERT_LE(std::max(l.x1, l.x2), width) << width;
                }
            }
        }
        if (width < 400)
            continue; // a row of one sample shows no rising edge (it starts at the border)
        // Channel 2 alternates: its row ends in a full comb of edges.
        const auto& lines = m.Lines(1);
        EXPECT_EQ(std::count_if(lines.begin(), lines.end(), [](const TraceLine& l) { return l.x1 == l.x2; }),
                  width / 200) << width;
    }
}

TEST(LogicAnalyzer, ClearEmptiesListAndTraces)
{
    LogicAnalyzer m = WithChannels({1, 3});
    for (int v : {1, 0, 1})
        m.AnalyserProbeEvent(Sample({{1, v}, {3, 1 - v}}));
    m.Clear();
    EXPECT_TRUE(m.Rows().empty());
    EXPECT_EQ(m.Columns(), (std::vector<int>{1, 3})) << "the columns stay";
    for (int row : {0, 1, 2}) {
        EXPECT_TRUE(m.Lines(row).empty());
        EXPECT_EQ(m.ProbeTraceX(row), 0);
        EXPECT_FALSE(m.ProbeTraceHigh(row));
    }
    m.AnalyserProbeEvent(Sample({{1, 1}, {3, 1}}));
    EXPECT_EQ(m.Lines(0), (std::vector<TraceLine>{{0, 10, 200, 10}})) << "a new start draws no edge";
}

TEST(LogicAnalyzer, PowerOnStartsTheTracesAgainAndKeepsTheList)
{
    CircuitDriver d;
    TwoSensorLines(d.s, QStringLiteral("1"), QStringLiteral("2"));
    AnalyzerListener a(d.s);
    a.model.PrepareListView(d.s);
    a.model.AddGraph(2);
    d.PowerOn();
    d.Click(1, 3);
    d.Click(1, 6);
    ASSERT_EQ(a.model.ProbeTraceX(0), 400);
    ASSERT_TRUE(a.model.ProbeTraceHigh(1));
    d.PowerOff();
    d.PowerOn();
    for (int row : {0, 1}) {
        EXPECT_EQ(a.model.ProbeTraceX(row), 0);
        EXPECT_FALSE(a.model.ProbeTraceHigh(row));
        EXPECT_TRUE(a.model.Lines(row).empty());
    }
    EXPECT_EQ(a.model.Rows().size(), 2u);
    d.Click(1, 3);
    EXPECT_EQ(a.model.Lines(0), (std::vector<TraceLine>{{0, 10, 200, 10}}));
}

TEST(LogicAnalyzer, ChannelsInAnyOrderGetEveryRowAboveThem)
{
    LogicAnalyzer m;
    m.AddGraph(3); // a file with channel 3 before 1 and 2
    EXPECT_EQ(m.RowCount(), 3);
    m.AddGraph(1);
    m.AddGraph(2);
    EXPECT_EQ(m.RowCount(), 3);
    m.AddGraph(9);
    EXPECT_EQ(m.RowCount(), 9);
    m.AddGraph(10);
    m.AddGraph(0);
    EXPECT_EQ(m.RowCount(), 9);

    ProgramState s;
    sheet::NewSheet(s, 10, 4);
    sheet::Sensor(s, 2, 2, QStringLiteral("9"));
    m.PrepareListView(s);
    m.AnalyserProbeEvent(Sample({{9, 1}}));
    EXPECT_EQ(m.Lines(8).size(), 1u) << "channel 9 draws on the last row";
}

TEST(LogicAnalyzer, OnlyTheLastRowGoesAndTheWindowShrinks)
{
    LogicAnalyzer m;
    EXPECT_EQ(m.WindowHeight(), LogicAnalyzer::RowTop(0) + 375 + 400);
    m.AddGraph(4);
    EXPECT_EQ(m.WindowHeight(), LogicAnalyzer::RowTop(3) + 375 + 400);
    EXPECT_EQ(LogicAnalyzer::RowTop(3) - LogicAnalyzer::RowTop(2), 475);
    // Table: channel removed, rows left.
    const std::vector<std::pair<int, int>> steps = {{2, 4}, {1, 4}, {4, 3}, {4, 3}, {3, 2}, {2, 1}, {1, 1}};
    for (auto [n, rows] : steps) {
        m.RemoveGraph(n);
        EXPECT_EQ(m.RowCount(), rows) << "after removing channel " << n;
    }
    EXPECT_EQ(m.WindowHeight(), LogicAnalyzer::RowTop(0) + 375 + 400);
}

TEST(LogicAnalyzer, SampleForAChannelWithoutRowIsSkipped)
{
    ProgramState s;
    sheet::NewSheet(s, 10, 4);
    sheet::Sensor(s, 2, 2, QStringLiteral("1"));
    sheet::Sensor(s, 4, 2, QStringLiteral("5"));
    LogicAnalyzer m;
    m.PrepareListView(s); // no rows added for channel 5
    m.AnalyserProbeEvent(Sample({{1, 1}, {5, 1}}));
    EXPECT_EQ(m.Rows(), (std::vector<QStringList>{{"1", "1"}}));
    EXPECT_EQ(m.ProbeTraceX(0), 200);
    EXPECT_EQ(m.ProbeTraceX(4), 0);
}

TEST(LogicAnalyzer, NewCircuitLeavesOneEmptyRowAndNoColumns)
{
    LogicAnalyzer m = WithChannels({1, 2, 5});
    m.AnalyserProbeEvent(Sample({{1, 1}, {2, 1}, {5, 0}}));
    ProgramState empty;
    sheet::NewSheet(empty, 10, 4);
    m.Reset(empty);
    EXPECT_EQ(m.RowCount(), 1);
    EXPECT_TRUE(m.Columns().empty());
    EXPECT_TRUE(m.Rows().empty());
    EXPECT_TRUE(m.Lines(0).empty());
    EXPECT_EQ(m.ProbeTraceX(0), 0);
    EXPECT_FALSE(m.AnalyserProbeEvent(Sample({{1, 1}})));
}

} // namespace
