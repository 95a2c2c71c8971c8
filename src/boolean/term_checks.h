#pragma once
// The validity checks of a typed term, in their fixed order.
#include <QString>

// Error codes of the term checks and of the grouping; the message of each
// is TermErrorResId.
enum TermError {
    kTermUnknown = 0,
    kTermOperators = 1,
    kTermNegation = 2,
    kTermSymbol = 3,
    kTermBrackets = 4,
    kTermPosition = 5,
    kTermIncomplete = 6,
    kTermTooManyInputs = 7,
    kTermTooManyVariables = 8,
};

// The largest number of variables a truth table is built for.
constexpr int kMaxTermVariables = 14;

// The code of the first failing check, 0 when the term passes them all.
// Order: incomplete (6), operators (1), negation (2), symbols (3),
// brackets (4), positions (5). Beyond counting the signs, the nesting of
// "(" ")" and "<" ">" is checked with a stack: a negation that is not closed
// inside its own bracket pair, or is empty, is a negation fault; an unmatched
// or empty bracket pair is a bracket fault.
int FindTermFault(const QString& t);

// The string-table id of an error code's message; simplified: the term came
// out of the simplifier (code 6 then reads "Term simplified to single symbol.").
int TermErrorResId(int code, bool simplified);
// Title of the message boxes of the term checks.
constexpr int kTermErrorTitleId = 6213;
