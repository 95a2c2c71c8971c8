#pragma once
// The logic analyzer without its windows: the value list's columns and rows,
// one graph row per channel up to the highest one in use, and the trace each
// row shows. Geometry is in twips, as the windows lay it out.
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

#include "model/ports/probe_port.h"

struct CircuitTables;

namespace analyzer {
constexpr int kChannels = 9;
constexpr int kSampleWidth = 200; // one sample along a row
constexpr int kHighY = 10;        // the trace's High line within a row
constexpr int kLowY = 280;        // and its Low line
constexpr int kRowHeight = 375;
constexpr int kRowGap = 100; // between one row's bottom and the next row's top
constexpr int kFirstRowTop = 120;
constexpr int kRowLeft = 360;
constexpr int kRowWidth = 9000;
constexpr int kLabelLeft = 120;
constexpr int kLabelDrop = 55;       // a row's label sits this far below the row's top
constexpr int kWindowBottom = 400;   // below the last row
constexpr int kTwipsPerPixel = 15;
} // namespace analyzer

// One line of a trace, in twips within its row.
struct TraceLine {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool operator==(const TraceLine&) const = default;
};

// The levels of the sensors of `level` (the level being shown), by channel.
ProbeSample SampleSensors(const CircuitTables& s, int level);

class LogicAnalyzer {
public:
    explicit LogicAnalyzer(int rowWidth = analyzer::kRowWidth);

    // ---- Value list ----
    // Columns from the main circuit's sensors in channel order; no rows.
    void PrepareListView(const CircuitTables& s);
    // The channel number of each column, in column order.
    const std::vector<int>& Columns() const { return columns_; }
    // One row per sample: "1", "0", or "" where the sample had no such sensor.
    const std::vector<QStringList>& Rows() const { return rows_; }

    // ---- Graph rows (row i shows channel i + 1) ----
    int RowCount() const { return rowCount_; }
    // Makes sure row n - 1 exists, with every row above it.
    void AddGraph(int n);
    // Removes row n - 1 when it is the last row and not the first.
    void RemoveGraph(int n);
    static int RowTop(int row) { return analyzer::kFirstRowTop + row * (analyzer::kRowHeight + analyzer::kRowGap); }
    // The graph window's inner height for the rows there are.
    int WindowHeight() const;
    int RowWidth() const { return rowWidth_; }
    // What row `row` shows now.
    const std::vector<TraceLine>& Lines(int row) const;

    // ---- Samples ----
    // One sample of every column; false when there was no column to take it.
    bool AnalyserProbeEvent(const ProbeSample& sample);
    int ProbeTraceX(int row) const { return traceX_.at(static_cast<size_t>(row)); }
    bool ProbeTraceHigh(int row) const { return traceHigh_.at(static_cast<size_t>(row)); }

    // The clear button: no rows, every graph row empty and back at the left edge.
    void Clear();
    // Power-on: the graph rows empty and back at the left edge; the list stays.
    void ClearTraces();
    // A new circuit: the list rebuilt, only the first graph row left, empty.
    void Reset(const CircuitTables& s);

private:
    void DrawSample(int row, bool high);
    void ScrollRow(int row);

    int rowWidth_;
    std::vector<int> columns_;
    std::vector<QStringList> rows_;
    int rowCount_ = 1;
    std::array<std::vector<TraceLine>, analyzer::kChannels> lines_{};
    std::array<int, analyzer::kChannels> traceX_{};
    std::array<bool, analyzer::kChannels> traceHigh_{};
};
