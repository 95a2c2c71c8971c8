#pragma once
// Shared helpers over the grid and the element table: cell/pixel conversion,
// connection count, element bounds, pin test, clearing a cell, the selection
// marker's rectangle, status text and error reports, the saved tool
// selection, and the text and file helpers.
#include <QString>
#include <cstdint>
#include <optional>

struct ProgramState;
class UserDialogs;

// Cell pitch in drawing units at zoom 1; the cell/pixel conversion uses this
// constant rather than CellSize.
constexpr int kGridPixel = 14;

// The conductor tool's button of the element toolbar.
inline const QString kConductorToolKey = QStringLiteral("cmdLeitungen");
constexpr int kConductorToolIndex = 3;

// Centre of column or row i at the current zoom. Throws RuntimeError(kErrOverflow)
// beyond 16 bits.
int16_t GridToPixel(const ProgramState& s, int16_t i);
// Cell of drawing coordinate p; never below 0, no upper clamp.
int16_t PixelToGrid(const ProgramState& s, int16_t p);
// Zoomed cell size: 14 x zoom, rounded.
int ZoomedCellSize(const ProgramState& s);

// Number of connection flags set in cell (x, y): in P while the power is off,
// in the grid of Levels(level) while it is on (0 beyond that level's size).
int16_t CountConnections(const ProgramState& s, int16_t x, int16_t y, int16_t level = 0);
// Whether (x, y) is one of the pins of the element covering it. Overwrites
// both pin tables.
bool IsPinPosition(ProgramState& s, int16_t x, int16_t y);

// Bounding column or row of element c, walked through P from its first input
// pin. Overwrite InputPins. For c < 1: CursorX or CursorY.
int16_t GetElementLeft(ProgramState& s, int16_t c);
int16_t GetElementTop(ProgramState& s, int16_t c);
int16_t GetElementRight(ProgramState& s, int16_t c);
int16_t GetElementBottom(ProgramState& s, int16_t c);

// Empties cell (x, y) of P; a connector number survives unless the cell links an IC.
void ClearFeld(ProgramState& s, int16_t x, int16_t y);

// Where the selection marker k goes over element c. Width and height are not
// rounded: the marker widget takes them as they come.
struct SelLabelRect {
    int16_t Left = 0;
    int16_t Top = 0;
    double Width = 0;
    double Height = 0;
};
// Computes the marker rectangle of element c and stores its left and top in
// SelLabelPos(k), growing the table when k is beyond it.
SelLabelRect PositionSelLabel(ProgramState& s, int16_t c, int16_t k);

// First panel of the status bar; also enables the main window.
void SetStatusText(ProgramState& s, const QString& text);

// Message-box text for an error number; none for codes below 11.
std::optional<QString> ErrorBoxText(int code);
// Explanation of an error number; empty when there is none.
QString ErrorExplanation(int code);
// Reports an error number: a message box for codes of 11 and more (through
// dialogs, skipped when null), status texts for codes 1 and 2.
void ShowError(ProgramState& s, UserDialogs* dialogs, int code);

// The worksheet's mouse pointer: kept in the state and shown by the window.
void SetWorksheetMousePointer(ProgramState& s, int pointer);

// Saves ToolMode, the worksheet pointer and the pressed element-tool button.
void SaveToolSelection(ProgramState& s);
// Restores what SaveToolSelection saved and updates the toolbars and the
// property panel.
void RestoreToolSelection(ProgramState& s);

// n-th field (from 1) of a list whose fields each end with ";"; text after
// the last ";" is no field.
QString GetField(const QString& s, int n);
// Whole number (halves to even) as text without blanks. Throws
// RuntimeError(kErrOverflow) beyond 16 bits.
QString NumToStr(double v);
// A regular file of that name exists.
bool FileExists(const QString& path);
// The path names a folder; false on any error.
bool DirExists(const QString& path);
// The part after the last "/" (or "\", as names in old files carry it).
QString GetFileName(const QString& path);
