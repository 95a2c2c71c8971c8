#pragma once
// Numeric rules the circuit code relies on: banker's rounding, floor for
// Int, the numeric prefix of a text, and number-to-text with a sign blank.
#include <QString>
#include <cstdint>
#include <stdexcept>

// A run-time error with the number the error reporter turns into a text.
class RuntimeError : public std::runtime_error {
public:
    RuntimeError(int number, const char* what) : std::runtime_error(what), number_(number) {}
    int number() const { return number_; }

private:
    int number_;
};

constexpr int kErrOverflow = 6;
constexpr int kErrSubscript = 9;

// Nearest whole number, a half to the even neighbour (2.5 -> 2, 3.5 -> 4).
double RoundHalfEven(double v);
// RoundHalfEven into 16 bits; throws RuntimeError(kErrOverflow) outside -32768..32767.
int16_t CInt(double v);
// RoundHalfEven into 32 bits; throws RuntimeError(kErrOverflow) outside the range.
int32_t CLng(double v);
// Largest whole number not above v (Int(-2.5) is -3).
double Int(double v);
// The numeric prefix of a text: leading blanks skipped, optional sign,
// digits with an optional decimal point and exponent; no number gives 0.
double Val(const QString& s);
// The text without leading and trailing blanks (only blanks, not other white space).
QString Trim(const QString& s);
// Decimal text of a number with a leading blank when it is not negative.
QString Str(double v);
