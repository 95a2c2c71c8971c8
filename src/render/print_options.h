#pragma once
// The choices of the print dialog as numbers and texts: the IC pages, the
// copies box, the quality and colour lists.
#include <QString>
#include <QStringList>
#include <optional>

struct Circuit;

constexpr int kMaxCopies = 999;

// Entry 0 empty (the main circuit's page), then the distinct names of the IC
// levels 1..LevelUBound() in level order: one page per IC, however often it is used.
QStringList BuildICPageNames(const Circuit& c);

// The number of copies a typed text asks for: its number when that is above 0
// and fits 16 bits, else nothing (the printer keeps what it had).
std::optional<int> TypedCopies(const QString& text);
// The text the copies box shows once it loses the focus: above 999 "999",
// below 1 "1", else unchanged.
QString CorrectedCopiesText(const QString& text);
// What reaches the printer, whatever the box held: 1..999.
int CopiesToPrint(int copies);

// Print quality of the quality list's position 0..3: -1 draft .. -4 high.
int QualityOfItem(int position);
// Colour mode of the colour list's position: 1 ("s/w") monochrome, else 2 colour.
int ColorModeOfItem(int position);
