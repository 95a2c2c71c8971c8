#pragma once
// A term drawn in textbook form: letters and brackets as text, AND and OR as
// blue wedges, every negation as a red overline over what it negates, nested
// negations stacked 3 units apart.
#include <QString>

class Surface;

// Draws the visible characters of text (the term without "<" and ">") at a
// pitch of 10 units, character i (from 1) at x + 10 i; prefixLength leading
// characters are plain text before the term (the step number of the
// simplifier's trace). shiftOpenBracket moves "(" 4 units right in its slot.
void DrawTerm(Surface& surface, const QString& text, double x, double y, bool shiftOpenBracket);

// Width in twips the preview picture needs for a term drawn at x: the slot of
// the last visible character plus its 14 units, and 100 twips to spare.
double TermPreviewWidthTwips(const QString& term, double x, double twipsPerPixel);

// Colours of the display (&HBBGGRR).
constexpr int kTermOperatorColor = 0xFF0000;
constexpr int kTermOverlineColor = 0x0000FF;
