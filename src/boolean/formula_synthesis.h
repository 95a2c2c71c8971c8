#pragma once
// A term typed in the command line's formula mode, drawn as a new circuit.
class QString;
class UserDialogs;
struct PlacementContext;

// Blanks typed with the term are dropped. The term is checked before
// anything changes: only a term that can be drawn replaces the circuit, and
// only after the question whether to save unsaved changes was answered.
// True when a new circuit was drawn.
bool CreateFile(PlacementContext& c, UserDialogs& dialogs, const QString& typed);
