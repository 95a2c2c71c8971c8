#include "boolean/gate_input_runs.h"

#include <cstddef>

int32_t GateInputColumn(int32_t found, int32_t operandsX, int32_t spacing, int inputs)
{
    if (inputs >= kWideGateInputs)
        return found < operandsX + spacing + inputs ? operandsX + spacing + inputs : found;
    if (inputs > 3) {
        // A column found one short of that room is kept.
        const int32_t candidate = operandsX + spacing + inputs;
        return found < candidate - 1 ? candidate : found;
    }
    const int32_t candidate = operandsX + spacing + 2;
    return found < candidate ? candidate : found;
}

std::vector<GateInputRun> WideGateColumns(int inputX, const std::vector<int>& rows, const std::vector<int>& pins)
{
    const std::size_t n = rows.size() < pins.size() ? rows.size() : pins.size();
    std::vector<GateInputRun> runs(n);
    // Runs coming down nest from the top, runs coming up from the bottom;
    // a run down and a run up span rows apart and may share a column.
    int down = 0;
    for (std::size_t p = 0; p < n; ++p) {
        runs[p] = GateInputRun{rows[p], pins[p], inputX};
        if (rows[p] < pins[p])
            runs[p].column = inputX - ++down;
    }
    int up = 0;
    for (std::size_t p = n; p-- > 0;) {
        if (rows[p] > pins[p])
            runs[p].column = inputX - ++up;
    }
    return runs;
}
