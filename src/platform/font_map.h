#pragma once
// The drawing code names Windows fonts; these are the fonts that stand in
// for them here, and the font a surface draws with.
#include <QFont>
#include <QString>

// "Arial" and "MS Sans Serif" -> "Liberation Sans", "Symbol" -> "DejaVu Sans"
// (case-insensitive); any other name is returned unchanged.
QString MapFontFamily(const QString& name);
bool IsSymbolFont(const QString& name);
// The Symbol font puts Greek letters and mathematical signs on Latin codes
// (0xB3 is the greater-than-or-equal sign); this gives their Unicode
// characters so that a Unicode font shows the same glyphs.
QString SymbolToUnicode(const QString& text);
// Mapped family, point size (1..2160) and weight, without antialiasing.
QFont MakeSurfaceFont(const QString& name, double pointSize, bool bold);
