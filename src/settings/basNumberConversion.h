#pragma once
// Whole numbers in decimal, hexadecimal, binary and octal text, and the
// rules of the four linked boxes of the number-conversion window.
#include <QChar>
#include <QString>
#include <array>
#include <optional>

inline constexpr double kMaxConvertible = 16777215; // 2^24 - 1

// Value 0..15 of one hex character; "0" and anything else give 0.
int HexDigitValue(QChar ch);
// Decimal text of the value of a hex, binary or octal text ("" gives "0").
QString HexToDec(const QString& s);
QString BinToDec(const QString& s);
QString OctToDec(const QString& s);
// Digits of the numeric value of a decimal text, rounded to a whole number.
QString DecToHex(const QString& s);
QString DecToBin(const QString& s);
QString DecToOct(const QString& s);

enum class NumberBox { Dec = 0, Hex = 1, Bin = 2, Oct = 3 };

// The value a box's text stands for.
double BoxValue(NumberBox box, const QString& text);

// Texts of all four boxes after `box` became `text`: the box keeps its own
// text, the others follow; an empty box empties all four.
std::array<QString, 4> ConvertFrom(NumberBox box, const QString& text);

// The key filter for a typed character, judged on the box's text with the
// character appended. The character to insert (hex letters in upper case),
// or nothing when the key is refused. Backspace (8) is always taken.
std::optional<QChar> FilterKey(NumberBox box, const QString& current, QChar typed);

// Text that reaches a box otherwise (pasting, dropping): only the box's
// digits are kept; nothing when the value would exceed the limit.
std::optional<QString> FilterText(NumberBox box, const QString& text);
