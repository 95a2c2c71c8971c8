#include "simulation/logic_analyzer.h"

#include <algorithm>
#include <cmath>

#include "model/records.h"
#include "model/circuit.h"
#include "platform/numeric.h"

using namespace analyzer;

namespace {

// The channel a sensor's label names, 0 when it names none.
int ChannelOf(const ElementRecord& r)
{
    if (r.Type != ElementType::AnalysisSensor)
        return 0;
    const double v = Val(r.Label);
    if (v != std::floor(v) || v < 1 || v > kChannels)
        return 0;
    return static_cast<int>(v);
}

} // namespace

ProbeSample SampleSensors(const CircuitTables& s, int level)
{
    ProbeSample sample;
    if (level < 0 || static_cast<size_t>(level) >= s.Levels.size())
        return sample;
    const LevelRecord& lv = s.Levels[static_cast<size_t>(level)];
    const int last = std::min<int>(lv.ElementCount(), static_cast<int>(lv.Elements.size()) - 1);
    for (int i = 1; i <= last; ++i) {
        const ElementRecord& r = lv.Elements[static_cast<size_t>(i)];
        if (const int ch = ChannelOf(r))
            sample.levels[static_cast<size_t>(ch - 1)] = r.State != 0 ? 1 : 0;
    }
    return sample;
}

LogicAnalyzer::LogicAnalyzer(int rowWidth) : rowWidth_(std::max(rowWidth, kSampleWidth)) {}

void LogicAnalyzer::PrepareListView(const CircuitTables& s)
{
    columns_.clear();
    rows_.clear();
    const int last = std::min<int>(s.ElementCount(), static_cast<int>(s.Elements.size()) - 1);
    for (int n = 1; n <= kChannels; ++n) {
        for (int i = 1; i <= last; ++i) {
            if (ChannelOf(s.Elements[static_cast<size_t>(i)]) == n) {
                columns_.push_back(n);
                break;
            }
        }
    }
}

void LogicAnalyzer::AddGraph(int n)
{
    // Every missing row up to n - 1: a circuit may bring its channels in any order.
    if (n > 1 && n <= kChannels && rowCount_ < n)
        rowCount_ = n;
}

void LogicAnalyzer::RemoveGraph(int n)
{
    if (n != 1 && n == rowCount_) {
        lines_[static_cast<size_t>(n - 1)].clear();
        traceX_[static_cast<size_t>(n - 1)] = 0;
        traceHigh_[static_cast<size_t>(n - 1)] = false;
        --rowCount_;
    }
}

int LogicAnalyzer::WindowHeight() const
{
    return RowTop(rowCount_ - 1) + kRowHeight + kWindowBottom;
}

const std::vector<TraceLine>& LogicAnalyzer::Lines(int row) const
{
    return lines_.at(static_cast<size_t>(row));
}

bool LogicAnalyzer::AnalyserProbeEvent(const ProbeSample& sample)
{
    if (columns_.empty())
        return false;
    QStringList row;
    row.reserve(static_cast<qsizetype>(columns_.size()));
    for (const int ch : columns_) {
        const int8_t level = sample.levels[static_cast<size_t>(ch - 1)];
        if (level == ProbeSample::kNoSensor) {
            row << QString();
            continue;
        }
        // A channel whose row is missing keeps its value but draws nothing.
        if (ch - 1 < rowCount_)
            DrawSample(ch - 1, level != 0);
        row << (level != 0 ? QStringLiteral("1") : QStringLiteral("0"));
    }
    rows_.push_back(std::move(row));
    return true;
}

void LogicAnalyzer::DrawSample(int row, bool high)
{
    const auto r = static_cast<size_t>(row);
    int x = traceX_[r];
    if (x + kSampleWidth > rowWidth_) {
        ScrollRow(row);
        x -= kSampleWidth;
    }
    x += kSampleWidth;
    traceX_[r] = x;
    std::vector<TraceLine>& lines = lines_[r];
    const int from = x - kSampleWidth;
    if (high != traceHigh_[r]) {
        // No edge where the trace begins at the left border.
        if (!high || x != kSampleWidth)
            lines.push_back({from, kHighY, from, kLowY});
        traceHigh_[r] = high;
    }
    const int y = high ? kHighY : kLowY;
    lines.push_back({from, y, x, y});
}

// The row's picture moves one sample to the left; what leaves it is gone.
void LogicAnalyzer::ScrollRow(int row)
{
    std::vector<TraceLine>& lines = lines_[static_cast<size_t>(row)];
    std::vector<TraceLine> kept;
    kept.reserve(lines.size());
    for (TraceLine l : lines) {
        l.x1 -= kSampleWidth;
        l.x2 -= kSampleWidth;
        if (std::max(l.x1, l.x2) < 0)
            continue;
        l.x1 = std::max(l.x1, 0);
        l.x2 = std::max(l.x2, 0);
        if (l.y1 == l.y2 && l.x1 == l.x2)
            continue;
        kept.push_back(l);
    }
    lines = std::move(kept);
}

void LogicAnalyzer::Clear()
{
    rows_.clear();
    ClearTraces();
}

void LogicAnalyzer::ClearTraces()
{
    for (auto& l : lines_)
        l.clear();
    traceX_.fill(0);
    traceHigh_.fill(false);
}

void LogicAnalyzer::Reset(const CircuitTables& s)
{
    PrepareListView(s);
    rowCount_ = 1;
    ClearTraces();
}
