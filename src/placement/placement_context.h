#pragma once
// What the placing and removing routines work on besides their anchor
// (CursorX, CursorY, PlaceOrientation in the program state).
struct ProgramState;
class clsUndo;
class UserDialogs;

struct PlacementContext {
    ProgramState& s;
    clsUndo& objUndo;
    UserDialogs* dialogs = nullptr; // messages; none when null (headless synthesis, tests)
};
