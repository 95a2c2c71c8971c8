#pragma once
// The one rule for the panels' text boxes: a box that gets the focus takes
// its whole text, so that typing replaces it.
class QLineEdit;

void SelectAllOnFocus(QLineEdit* box);
