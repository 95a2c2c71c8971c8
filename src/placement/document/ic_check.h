#pragma once
// The IC check before a circuit file is loaded.
#include <QString>

struct ProgramState;
class UserDialogs;

// Every IC the circuit file at path lists must be in the IC directory; one
// found only in the circuit's folder is copied there first. Then every IC
// they contain, at any depth, must be found, none may contain itself, and
// every definition must pass the IC definition check.
// What is wrong is reported in one message and the result is false. False
// without a message for an empty path or a file that does not exist.
bool CheckICFiles(ProgramState& s, UserDialogs& dialogs, const QString& path);
