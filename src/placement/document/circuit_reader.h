#pragma once
// Reading the sections of a circuit file, or of an IC definition file opened
// for editing, into the circuit tables.
struct Circuit;
struct ProgramState;
class RecordFile;
class UserDialogs;

// Reads the file's lines into s, whose tables the caller has made empty; the ICs of
// [IC] are loaded with their nested ICs. Throws RecordFormatError when the
// file is refused: no known section header, a number outside its field, a
// cell outside the grid, a missing or self-containing IC, a reference
// outside its table, clock slots that do not match the clock generators,
// a file that cannot be read.
void ReadCircuitRecords(ProgramState& s, UserDialogs* dialogs, RecordFile& file);

// Turns the runs of LineMap back into conductor cells of P.
void ExpandJumps(Circuit& s);
