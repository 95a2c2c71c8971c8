#pragma once
// Where the input lines of a wide gate turn down or up to their pins.
#include <cstdint>
#include <vector>

// Gates of this many inputs and more have their input runs laid out by
// WideGateColumns; narrower ones keep their staggered columns.
inline constexpr int kWideGateInputs = 5;

// The column of the gates of a level, found so far as `found`, once a gate
// of `inputs` inputs among them is taken into account whose operands' gates
// stand at `operandsX`, `spacing` columns apart. A gate of more than 3
// inputs gets room before it for its input runs; one of kWideGateInputs or
// more gets a column for each run but one, which is all WideGateColumns
// needs.
int32_t GateInputColumn(int32_t found, int32_t operandsX, int32_t spacing, int inputs);

// One input line of a gate: it comes from the left on `row`, ends at the
// gate's input pin on `pin`, and turns in `column` (when row and pin differ).
struct GateInputRun {
    int row = 0;
    int pin = 0;
    int column = 0;
};

// The turning columns of a gate's input runs, left of `inputX`, for runs
// given in pin order (pins top to bottom, their operands' rows in the same
// order). A run that comes down to its pin turns the further left the later
// it comes; one that comes up turns the further left the earlier it comes;
// a run on its pin's row goes straight (its column is `inputX`). So every
// run has its own column for the rows it spans, the lines of two runs meet
// only where one crosses the other straight through, and no run ends on
// another's line.
std::vector<GateInputRun> WideGateColumns(int inputX, const std::vector<int>& rows, const std::vector<int>& pins);
