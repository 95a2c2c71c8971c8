#pragma once
// The one rule for the panels' text boxes: a box that gets the focus takes
// its whole text, so that typing replaces it. Each box's GotFocus handler
// applies it.
#include <functional>

class QLineEdit;

// Calls gotFocus whenever the box receives the focus.
void OnGotFocus(QLineEdit* box, std::function<void()> gotFocus);
// Selects the box's whole text once the focus has settled.
void SelectWholeText(QLineEdit* box);
