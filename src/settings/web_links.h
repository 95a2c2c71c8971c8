#pragma once
// The program's web page and support mail, handed to the desktop.
#include <QString>

struct ProgramState;

QString WebPageAddress();
// "mailto:" with the support address and the subject line.
QString SupportMailAddress();

// Each hands its address to the desktop port; false without a port or when
// nothing took the address.
bool OpenWebPage(ProgramState& s);
bool OpenSupportMail(ProgramState& s);

// What the user is told when no browser took the web page: its address.
QString WebPageNotOpenedText();
