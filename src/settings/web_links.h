#pragma once
// The program's web page and support mail, handed to the desktop.
#include <QString>

class DesktopPort;

QString WebPageAddress();
// "mailto:" with the support address and the subject line.
QString SupportMailAddress();

// Each hands its address to the desktop port; false without a port (null) or
// when nothing took the address.
bool OpenWebPage(DesktopPort* desktop);
bool OpenSupportMail(DesktopPort* desktop);

// What the user is told when no browser took the web page: its address.
QString WebPageNotOpenedText();
