#pragma once
// A synthesised circuit operated as its user does: the switch of each
// variable found through its label, every combination of them set by
// clicks, the LED compared with the term as the test oracle evaluates it.
#include <QChar>
#include <QString>
#include <functional>
#include <map>

#include "model/state.h"

// The switch cell of each variable, found through its one-letter label above it.
std::map<QChar, PinPos> SynthesisedSwitches(const ProgramState& s);
// The LED's input pin.
PinPos SynthesisedLed(const ProgramState& s);

// With the power on: sets every combination of the switches (one switch
// changes per step) through click(x, y) and reports each combination where
// the LED differs from the term as a test failure. The number of them.
int WrongLedCombinations(const ProgramState& s, const QString& term, const std::function<void(int, int)>& click);
