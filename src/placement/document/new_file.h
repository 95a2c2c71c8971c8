#pragma once
// Starting an empty circuit, and the rules of the new-circuit dialog.
#include <QString>
#include <cstdint>

struct ProgramState;

// Resets every circuit table for the current MaxX x MaxY and empties the open
// file's name and folder. A file loader calls this first and must set
// objFile.FileName / FilePath only afterwards, or the name is lost.
void InitArbeitsfeld(ProgramState& s);

// Starts a new, unsaved circuit of the current size; noRedraw leaves the
// drawing to the caller.
void NewFile(ProgramState& s, bool noRedraw);

struct WorksheetSize {
    int16_t Width = 0;
    int16_t Height = 0;
    bool operator==(const WorksheetSize&) const = default;
};

// Size classes: 1 small, 2 medium, 3 large, 4 user defined.
// What the size boxes show for classes 1..3.
WorksheetSize SizeClassBoxes(uint8_t sizeClass);
// MaxX and MaxY a class creates; class 4 takes the boxes' numbers, rounded.
WorksheetSize SizeClassWorksheet(uint8_t sizeClass, const QString& widthBox, const QString& heightBox);

// Text a size box holds after a change or after losing the focus.
QString WidthBoxChanged(const QString& text);
QString WidthBoxLeft(const QString& text);
QString HeightBoxChanged(const QString& text);
QString HeightBoxLeft(const QString& text);
