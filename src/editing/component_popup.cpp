#include "editing/component_popup.h"

#include "editing/component_tools.h"
#include "model/geometry.h"
#include "model/pin_lists.h"
#include "model/state.h"

NegPosition NegationMarkerAt(const CircuitRun& s, int16_t x, int16_t y)
{
    const GridCell& cell = s.circuit.P(x, y);
    const NegatablePins pins = ToolsOf(cell.Type).negatable;
    if (pins == NegatablePins::None || !IsPinPosition(s, x, y))
        return NegPosition::None;
    if (cell.Marker != 0)
        return NegPosition::Negated;
    if (pins == NegatablePins::JAndK) {
        const ElementPins in = InputPinsOf(s, cell.ElementNr, 0);
        int index = -1;
        for (int i = 0; i < in.count; ++i)
            if (in.pin[static_cast<size_t>(i)].X == x && in.pin[static_cast<size_t>(i)].Y == y)
                index = i;
        if (index != 0 && index != 2)
            return NegPosition::None;
    }
    return NegPosition::Free;
}

PopupItems PopupItemsAt(const CircuitRun& s, int16_t x, int16_t y)
{
    PopupItems items;
    const NegPosition neg = NegationMarkerAt(s, x, y);
    items.Negate = neg == NegPosition::Free;
    items.RemoveNegation = neg == NegPosition::Negated;
    items.Separator = neg != NegPosition::None;
    if (ToolsOf(s.circuit.P(x, y).Type).editable) {
        items.Edit = true;
        items.Separator = true;
    }
    return items;
}
