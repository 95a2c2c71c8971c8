#pragma once
// The command line under the worksheet: in formula mode it takes a Boolean
// term, otherwise one of a few commands.
#include <QChar>
#include <QString>

// A key typed in formula mode, as it reaches the text: letters upper case
// except "v" (OR), and the digits 6, 8, 9 as "&", "(", ")".
QChar FormulaKey(QChar typed);

enum class FormulaEnter {
    LeaveFormulaMode, // "FORMEL 0": formula mode ends, nothing is built
    BuildTerm,        // the text is a term to build a circuit from
};
FormulaEnter FormulaModeEnter(const QString& text);

enum class LineCommand { None, Info, Save, Open, Clear, TimeLabel, DebugP, DebugL, DebugT, DebugI };
// Enter in command mode: the text in any case, not trimmed.
LineCommand CommandOf(const QString& text);
