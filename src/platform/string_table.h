#pragma once
// The program's English texts, addressed by numeric id. Texts that callers
// expand keep their placeholders: "%1" and the two characters backslash and
// "n", which the caller turns into a line break.
#include <QString>

// User-visible text of the given id; empty when the id is unknown.
QString LoadResString(int id);
// For tests: number of entries, and whether an id exists.
int StringTableSize();
bool HasResString(int id);
