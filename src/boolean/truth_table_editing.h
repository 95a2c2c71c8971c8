#pragma once
// What the truth-table tab does with a click: toggling cells, inverting a
// column or the results, stepping the row and variable counts within their
// limits, clearing, and the hover colouring. After an edit that refreshes,
// Refresh says what the term box becomes.
#include "boolean/truth_table_grid.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace truth_table {

constexpr int kMinRows = 2;
constexpr int kMaxRows = 16;
constexpr int kMinVariables = 2;
constexpr int kMaxVariables = 6;
constexpr int32_t kDarkBlue = 0x800000;
constexpr int32_t kWhite = 0xFFFFFF;

// The term box after an edit: the normal form in quick mode, emptied for a
// contradictory table, left alone (nullopt) otherwise.
std::optional<QString> Refresh(TruthTableGrid& grid, bool quick, NormalForm form);

// Each returns whether it changed the table (so whether a refresh follows).
bool ToggleInput(TruthTableGrid& grid, int index);
bool ToggleResult(TruthTableGrid& grid, int row);
void InvertColumn(TruthTableGrid& grid, int column);
void InvertResults(TruthTableGrid& grid);
bool AddRow(TruthTableGrid& grid);
bool RemoveRow(TruthTableGrid& grid);
bool AddVariable(TruthTableGrid& grid);
bool RemoveVariable(TruthTableGrid& grid);
// Every cell in use and every result back to "0"; the term stays.
void ClearTable(TruthTableGrid& grid);
int VariableCount(const TruthTableGrid& grid);

// Text colours of the headers (columns 0..5, then the result header "=").
struct HeaderColours {
    std::array<int32_t, 7> colour{};
    int32_t& Result() { return colour[6]; }
};

enum class HoverTarget { InputCell, ResultCell, ColumnHeader, ResultHeader, EmptyArea, TabControl };
// Colours what the mouse is over (index: the cell, row or column) and resets
// the rest as the target's kind asks.
void Hover(TruthTableGrid& grid, HeaderColours& headers, HoverTarget target, int index);

} // namespace truth_table
