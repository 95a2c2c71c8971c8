#pragma once
// A term drawn as a new circuit: typed in the command line's formula mode,
// or generated in the Boolean tools window.
class QString;
class UserDialogs;
class clsGroups;
struct PlacementContext;

// Blanks typed with the term are dropped. The term is checked before
// anything changes: only a term that can be drawn replaces the circuit, and
// only after the question whether to save unsaved changes was answered.
// True when a new circuit was drawn.
bool CreateFile(PlacementContext& c, UserDialogs& dialogs, const QString& typed);

// The Boolean tools window's Generate: g's term drawn as a new circuit in
// place of the circuit of c. The drawing is made on a worksheet of its own
// and replaces the circuit of c only once it is done, so a drawing that
// g.Cancel stops (events run through g.ProcessEvents meanwhile) leaves c as
// it was, with Cancel still set.
void CreateGroupsAside(PlacementContext& c, clsGroups& g);
