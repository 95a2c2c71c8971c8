#pragma once
// What names may hold. The files keep names in fields ended by ";" (and
// some readers split at ","), and a line of its own that looks like a
// section header would start a section; so these characters never get in.
#include <QChar>
#include <QString>

// ";", "," and the double quote: a connector name, an IC name or a text
// label holding them would break its file line. Line breaks neither.
bool IsFieldBreaker(QChar c);
QString WithoutFieldBreakers(const QString& text);

// The IC name box takes letters a-z and A-Z, digits, the blank, "_", "(" and ")".
bool IsICNameChar(QChar c);
QString FilterICName(const QString& text);
// A whole name fit to be a file name: not blank and only the characters above.
bool IsValidICName(const QString& name);

// The notes stay one line: line breaks become blanks.
QString OneLineNotes(const QString& text);
