#pragma once
// The component popup menu: which items show for a cell, and where a
// negation marker can go.
#include <cstdint>

struct CircuitRun;

// Which items of the component popup menu show.
struct PopupItems {
    bool Delete = true;          // "Löschen"
    bool Separator = true;
    bool Negate = false;         // "Negieren"
    bool RemoveNegation = false; // "Negationspunkt löschen"
    bool Edit = false;           // "Ändern"
    bool operator==(const PopupItems&) const = default;
};

enum class PopupChoice { Delete, Negate, RemoveNegation, Edit };

// What a negation marker can do at a cell: nothing, go there, or come off
// the one that is there.
enum class NegPosition { None, Free, Negated };

// Pins of AND, OR and XOR gates and of flip-flops take a marker; a flip-flop
// only on J and K. The pins are read as the engine sees them.
NegPosition NegationMarkerAt(const CircuitRun& s, int16_t x, int16_t y);
// The items for the component at cell (x, y).
PopupItems PopupItemsAt(const CircuitRun& s, int16_t x, int16_t y);
