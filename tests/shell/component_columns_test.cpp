// Every column keyed by element type, across the layers, against the
// component table: a kind added to the table without its row in some column
// fails here, and so does a row for a code that is no component.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <vector>

#include "editing/component_tools.h"
#include "editing/placement_outlines.h"
#include "model/components.h"
#include "platform/string_table.h"
#include "render/symbol_table.h"
#include "shell/properties_panel.h"
#include "simulation/engine.h"
#include "simulation/evaluators.h"

namespace {

using namespace ElementType;

struct Column {
    const char* name;
    std::function<bool(uint8_t)> hasRow;
    std::set<uint8_t> without;     // the components it leaves out
    std::set<uint8_t> others = {}; // codes of no component that have a row (tools of their own)
};

std::vector<Column> Columns()
{
    static const EvaluatorTable evaluators = StandardEvaluators();
    // An event reaches a component by its evaluator, the engine's own cells, or
    // not at all for the parts the pass loop passes over or the clock timers drive.
    static const std::set<uint8_t> passive = {Conductor, Juncture, NegationMarker, CouplingDiode, ClockGenerator,
                                              TextLabel};
    const std::set<uint8_t> noRecord = {Conductor, Juncture, NegationMarker, CouplingDiode};
    return {
        {"name and pins",
         [](uint8_t t) { return Component(t).pins.maxInputs > 0 && !LoadResString(Component(t).nameId).isEmpty(); },
         noRecord},
        {"editor tools", [](uint8_t t) { return ToolsOf(t).place || ToolsOf(t).remove; }, {Conductor}},
        {"symbol rows", [](uint8_t t) { return t != Empty && Symbol(t).type == t; }, {}},
        {"symbol routines", [](uint8_t t) { return Symbol(t).draw != nullptr; },
         {Conductor, Juncture, CouplingDiode, TextLabel}},
        {"engine, one way",
         [](uint8_t t) { return (evaluators[t] != nullptr) + (EngineCells()[t] != nullptr) + int(passive.count(t)) == 1; },
         {}},
        {"placement outlines", [](uint8_t t) { return HasPlacementOutline(ToolFor(t)); },
         {Conductor, Juncture, NegationMarker, CouplingDiode, TextLabel, AnalysisSensor}},
        {"properties panel", [](uint8_t t) { return ShownFor(ToolFor(t)) != nullptr; }, {},
         {PlacedType(ToolCode::Select), PlacedType(ToolCode::ICDefinitionView),
          PlacedType(ToolCode::SimulationRunning)}},
    };
}

TEST(ComponentTable, EveryColumnHasARowForEachKindAndNoneForOtherCodes)
{
    for (const Column& column : Columns()) {
        for (unsigned t = 0; t <= 255; ++t) {
            const auto type = static_cast<uint8_t>(t);
            const bool expected = Component(type).name != nullptr ? column.without.count(type) == 0
                                                                  : column.others.count(type) > 0;
            EXPECT_EQ(column.hasRow(type), expected) << column.name << ", element type " << t;
        }
    }
}

} // namespace
