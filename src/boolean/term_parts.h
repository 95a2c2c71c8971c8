#pragma once
// The text primitives every Boolean tool works with. A term is a text of
// single characters: variables "A".."Z", "&" AND, "v" OR, "(" ")" groups,
// "<" ">" a negated sub-term; the simplifier also admits the constants "0"
// and "1". A part is one top-level operand with the operator that follows it.
// Positions taken or returned here count from 1, as the term display does.
#include <QChar>
#include <QString>
#include <QStringList>

namespace term {

inline bool IsVariable(QChar c)
{
    return c >= u'A' && c <= u'Z';
}
inline bool IsConstant(QChar c)
{
    return c == u'0' || c == u'1';
}
inline bool IsOperator(QChar c)
{
    return c == u'&' || c == u'v';
}

// The key mapping of the term input boxes: "V" -> "v", lower-case letters
// other than "v" -> upper case, "6" -> "&", "8" -> "(", "9" -> ")".
QChar MapTermKey(QChar typed);

// All parts of t, in order (one scan).
QStringList SplitParts(const QString& t);
int CountParts(const QString& t);
// Part i (from 1) with its trailing operator; "" beyond the last part; t
// itself for i below 1.
QString GetPart(const QString& t, int i);
// 4: part i is a lone OR operand; 3: it belongs to an AND run.
int GetPartType(int i, const QString& t);
int GetPartType(int i, const QStringList& parts);

// A "v" at depth 0, counting "(" and "<" as openings.
bool HasOuterOr(const QString& t);
QString StripNeg(const QString& t);
QString StripOperator(const QString& t);
// t begins with "<" and that "<" is closed by the last character.
bool FullNegation(const QString& t);
// Removes one bracket pair that encloses the whole term.
QString CheckOuterBrackets(const QString& t);

// Writes out every implicit AND. Juxtaposed operands (a letter, constant,
// ")" or ">" followed by a letter, constant, "(" or "<") get an "&". That
// includes ")<" and ">(", which would otherwise be read as one garbled part.
QString SetAND(const QString& t);
// Brackets every AND run that follows another AND run across a "v". With
// keepOuterNegation a negation around the whole term is set aside for the
// work and put back.
QString CheckAnds(const QString& t, bool keepOuterNegation = true);
// Removes whole-term double negations ("<<AvB>>&" -> "(AvB)&").
QString RemoveDoubleNeg(const QString& t);
// Removes the first redundant outer pair of a "((...))".
QString RemoveDoubleBrackets(const QString& t);

// Position (from 1) of the character that closes the opening character at
// position p, counting only that kind of bracket; 0 when it is never closed.
int MatchingClose(const QString& t, int p);

// Overline geometry of the term display.
int GetMaxNegDepth(const QString& t);
int GetNegLevel(int p, const QString& t);
int GetNegEnd(int p, const QString& t);
int GetNegDepthAt(int p, const QString& t);

} // namespace term
