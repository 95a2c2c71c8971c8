#pragma once
// Field lists (fields each ended by ";") and whole numbers as text.
#include <QString>

// n-th field (from 1) of a list whose fields each end with ";"; text after
// the last ";" is no field.
QString GetField(const QString& s, int n);
// Whole number (halves to even) as text without blanks. Throws
// RuntimeError(kErrOverflow) beyond 16 bits.
QString NumToStr(double v);
